#include "incidents/incidentcommands.h"

#include "app/wiring.h"
#include "incidents/penaltydialog.h"
#include "incidents/exclusiondialog.h"
#include "incidents/swapdialog.h"
#include "incidents/swapreminderdialog.h"

void installIncidentCommands(const Wiring &app)
{
    app.onCommand(Cmd::Penaliser, [&app] { app.window<PenaltyDialog>().exec(); });
    QObject::connect(&app.window<SwapReminderDialog>(), &SwapReminderDialog::swapRequested, &app.window<SwapDialog>(),
                     [&app] { app.window<SwapDialog>().exec(); });
    app.onCommand(Cmd::Intervertir, [&app] { app.window<SwapReminderDialog>().exec(); });
    app.onCommand(Cmd::Exclure, [&app] { app.window<ExclusionDialog>().exec(); });
}
