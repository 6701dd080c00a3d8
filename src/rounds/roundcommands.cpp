#include "rounds/roundcommands.h"

#include "app/application.h"
#include "platform/platform.h"
#include "rounds/rounds.h"
#include "rounds/previousrounddialog.h"
#include "rounds/cancelrounddialog.h"
#include "rounds/scoreentrydialog.h"

namespace {

// "&Saisie des résultats": a complete round offers the next one; the dialog opens in any case.
void SaisieClick(Application &app)
{
    Tournament &state = app.state();
    if (rounds::refuseWithoutSeats(state))
        return;
    if (rounds::roundComplete(state) &&
        platform().messages->question(QStringLiteral("Attention"), rounds::newRoundQuestion(state.currentRound + 1)) &&
        !Application::report(rounds::startRound(state)))
        return;
    app.syncMenus();
    app.window<ScoreEntryDialog>().exec();
}

void VoirTourClick(Application &app)
{
    Tournament &state = app.state();
    if (rounds::refuseWithoutSeats(state))
        return;
    if (state.currentRound < 2) {
        platform().messages->warning(QStringLiteral("Impossible"), QStringLiteral("Vous êtes au premier tour !"));
        return;
    }
    app.window<PreviousRoundDialog>().exec();
}

} // namespace

void installRoundCommands(Application &app)
{
    app.onCommand(Cmd::SaisieResultats, [&app] { SaisieClick(app); });
    app.onCommand(Cmd::VoirTour, [&app] { VoirTourClick(app); });
    app.onCommand(Cmd::AnnulerTour, [&app] {
        if (!rounds::refuseWithoutSeats(app.state()))
            app.window<CancelRoundDialog>().exec();
    });
}
