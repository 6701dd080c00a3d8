#include "rankings/rankingcommands.h"

#include "app/application.h"
#include "rankings/tbtnbottomdlg14.h"
#include "rankings/tbtnrightdlg2.h"

void installRankingCommands(Application &app)
{
    app.onCommand(Cmd::ClassementGeneral, [&app] { app.window<TBtnBottomDlg14>().showRanking(); });
    app.onCommand(Cmd::ClassementTour, [&app] { app.window<TBtnRightDlg2>().showRanking(); });
    // "Points de classement" is never shown and does nothing.
}
