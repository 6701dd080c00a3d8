#include "rankings/rankingcommands.h"

#include "app/application.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/roundrankingwindow.h"

void installRankingCommands(Application &app)
{
    app.onCommand(Cmd::ClassementGeneral, [&app] { app.window<GeneralRankingWindow>().showRanking(); });
    app.onCommand(Cmd::ClassementTour, [&app] { app.window<RoundRankingWindow>().showRanking(); });
    // "Points de classement" is never shown and does nothing.
}
