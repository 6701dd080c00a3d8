#include "rounds/roundcommands.h"

#include "app/wiring.h"
#include "platform/platform.h"
#include "rounds/rounds.h"
#include "rounds/previousrounddialog.h"
#include "rounds/cancelrounddialog.h"
#include "rounds/scoreentrydialog.h"

namespace {

// Tells the director when nobody is seated yet, and returns true then.
bool refusedWithoutSeats(const Tournament &state)
{
    const QString why = rounds::refusalWithoutSeats(state);
    if (!why.isEmpty())
        platform().messages->show(Prompt::refusal(why));
    return !why.isEmpty();
}

// "&Saisie des résultats": a complete round offers the next one; the dialog opens in any case.
void SaisieClick(const Wiring &app)
{
    Tournament &state = app.state();
    if (refusedWithoutSeats(state))
        return;
    if (rounds::roundComplete(state) &&
        platform().messages->question(QStringLiteral("Attention"),
                                      rounds::newRoundQuestion(state.currentRound() + 1))) {
        const Result<std::optional<Prompt>> started = rounds::startRound(state);
        if (started.value())
            platform().messages->show(*started.value());
        if (!report(started.outcome()))
            return;
        app.status(QStringLiteral("Tour %1 commencé").arg(state.currentRound()));
    }
    app.syncMenus();
    app.window<ScoreEntryDialog>().exec();
}

void VoirTourClick(const Wiring &app)
{
    Tournament &state = app.state();
    if (refusedWithoutSeats(state))
        return;
    if (state.currentRound() < 2) {
        platform().messages->warning(QStringLiteral("Impossible"), QStringLiteral("Vous êtes au premier tour !"));
        return;
    }
    app.window<PreviousRoundDialog>().exec();
}

} // namespace

void installRoundCommands(const Wiring &app)
{
    app.onCommand(Cmd::SaisieResultats, [&app] { SaisieClick(app); });
    app.onCommand(Cmd::VoirTour, [&app] { VoirTourClick(app); });
    app.onCommand(Cmd::AnnulerTour, [&app] {
        if (!refusedWithoutSeats(app.state()))
            app.window<CancelRoundDialog>().exec();
    });
}
