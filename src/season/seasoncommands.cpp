#include "season/seasoncommands.h"

#include "app/wiring.h"
#include "season/seasonwindow.h"

void installSeasonCommands(const Wiring &app)
{
    app.onCommand(Cmd::Saison, [&app] { app.window<SeasonWindow>().exec(); });
}
