#include "rankings/rankingcommands.h"

#include "app/wiring.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/roomdisplaywindow.h"
#include "rankings/roundrankingwindow.h"

void installRankingCommands(const Wiring &app)
{
    app.onCommand(Cmd::ClassementGeneral, [&app] { app.window<GeneralRankingWindow>().showRanking(); });
    app.onCommand(Cmd::ClassementTour, [&app] { app.window<RoundRankingWindow>().showRanking(); });
    app.onCommand(Cmd::AffichageSalle, [&app] { app.window<RoomDisplayWindow>().showDisplay(); });
    // "Points de classement" is never shown and does nothing.
}
