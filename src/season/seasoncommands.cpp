#include "season/seasoncommands.h"

#include "app/application.h"
#include "season/seasonwindow.h"

void installSeasonCommands(Application &app)
{
    app.onCommand(Cmd::Saison, [&app] { app.window<SeasonWindow>().exec(); });
}
