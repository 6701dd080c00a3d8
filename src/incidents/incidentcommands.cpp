#include "incidents/incidentcommands.h"

#include "app/application.h"
#include "incidents/tbtnbottomdlg15.h"
#include "incidents/tbtnbottomdlg17.h"
#include "incidents/tbtnbottomdlg9.h"

void installIncidentCommands(Application &app)
{
    app.onCommand(Cmd::Penaliser, [&app] { app.window<TBtnBottomDlg15>().exec(); });
    // The reminder opens the swap itself.
    app.onCommand(Cmd::Intervertir, [&app] { app.window<TBtnBottomDlg9>().exec(); });
    app.onCommand(Cmd::Exclure, [&app] { app.window<TBtnBottomDlg17>().exec(); });
}
