#include "movements/movementcommands.h"

#include "app/application.h"
#include "movements/positions.h"
#include "movements/tbtnbottomdlg20.h"
#include "movements/tbtnbottomdlg7.h"
#include "movements/tbtnrightdlg.h"

void installMovementCommands(Application &app)
{
    app.onCommand(Cmd::Deplacements, [&app] { app.window<TBtnRightDlg>().exec(); });
    app.onCommand(Cmd::VoirPosition, [&app] {
        if (!refuseWithoutTables(app.state()))
            app.window<TBtnBottomDlg7>().exec();
    });
    app.onCommand(Cmd::ImprimerPosition, [&app] {
        if (!refuseWithoutTables(app.state()))
            app.window<TBtnBottomDlg20>().exec();
    });
}
