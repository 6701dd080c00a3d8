#include "movements/movementcommands.h"

#include "app/wiring.h"
#include "platform/platform.h"
#include "movements/positions.h"
#include "movements/positionsprintdialog.h"
#include "movements/positionsviewdialog.h"
#include "movements/movementsettingsdialog.h"

namespace {
// Tells the director when there are no tables, and returns true then.
bool refusedWithoutTables(const Tournament &state)
{
    const QString why = refusalWithoutTables(state);
    if (!why.isEmpty())
        platform().messages->show(Prompt::refusal(why));
    return !why.isEmpty();
}
} // namespace

void installMovementCommands(const Wiring &app)
{
    QObject::connect(&app.window<PositionsViewDialog>(), &PositionsViewDialog::printRequested,
                     &app.window<PositionsPrintDialog>(), [&app] { app.window<PositionsPrintDialog>().exec(); });
    app.onCommand(Cmd::Deplacements, [&app] { app.window<MovementSettingsDialog>().exec(); });
    app.onCommand(Cmd::VoirPosition, [&app] {
        if (!refusedWithoutTables(app.state()))
            app.window<PositionsViewDialog>().exec();
    });
    app.onCommand(Cmd::ImprimerPosition, [&app] {
        if (!refusedWithoutTables(app.state()))
            app.window<PositionsPrintDialog>().exec();
    });
}
