#include "movements/movementcommands.h"

#include "app/application.h"
#include "movements/positions.h"
#include "movements/positionsprintdialog.h"
#include "movements/positionsviewdialog.h"
#include "movements/movementsettingsdialog.h"

void installMovementCommands(Application &app)
{
    QObject::connect(&app.window<PositionsViewDialog>(), &PositionsViewDialog::printRequested,
                     &app.window<PositionsPrintDialog>(), [&app] { app.window<PositionsPrintDialog>().exec(); });
    app.onCommand(Cmd::Deplacements, [&app] { app.window<MovementSettingsDialog>().exec(); });
    app.onCommand(Cmd::VoirPosition, [&app] {
        if (!refuseWithoutTables(app.state()))
            app.window<PositionsViewDialog>().exec();
    });
    app.onCommand(Cmd::ImprimerPosition, [&app] {
        if (!refuseWithoutTables(app.state()))
            app.window<PositionsPrintDialog>().exec();
    });
}
