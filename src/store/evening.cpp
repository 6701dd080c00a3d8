#include "store/evening.h"

#include "movements/positions.h"
#include "players/entries.h"
#include "players/seating.h"
#include "rounds/rounds.h"
#include "tournament/plural.h"
#include "tournament/tournament.h"

#include <algorithm>

namespace {

qsizetype playerCount(const Tournament &state)
{
    const QStringList &list = state.playerRegisterList();
    return std::count_if(list.begin(), list.end(), [](const QString &line) { return !entries::isEmptyChair(line); });
}

// Rounds with a score on disk: the finished ones and the one in progress once begun.
qsizetype roundsPlayed(const Tournament &state)
{
    return state.finishedRounds().size() + (state.roundStarted() || !state.scoreList().isEmpty() ? 1 : 0);
}

} // namespace

Evening evening(const Tournament &state, int plannedRounds)
{
    Evening e;
    e.penalties = state.penalties().size();
    e.exclusions = state.exclusions().size();
    if (!state.opened()) {
        e.stage = QStringLiteral("Aucun tournoi ouvert");
        e.nextCommand = Cmd::Nouveau;
        e.nextStep = QStringLiteral("Commencer un nouveau tournoi");
        return e;
    }
    const QStringList &list = state.playerRegisterList();
    if (!entries::anySeated(list)) {
        e.stage = QStringLiteral("Inscriptions : ") +
                  plural(playerCount(state), QStringLiteral("%1 joueur"), QStringLiteral("%1 joueurs"));
        const bool drawNext = seating::drawOffered(list.size());
        e.nextCommand = drawNext ? Cmd::AttribuerPositions : Cmd::Inscription;
        e.nextStep = drawNext ? QStringLiteral("Attribuer les positions") : QStringLiteral("Inscrire les joueurs");
        return e;
    }
    const int round = state.currentRound();
    e.round = round;
    e.tablesEntered = rounds::enteredTables(state);
    e.nextCommand = Cmd::SaisieResultats;
    e.nextStep = QStringLiteral("Saisir les résultats du tour %1").arg(round);
    if (roundsPlayed(state) == 0) {
        const qsizetype threePlayer = emptyChairCount(list);
        e.stage = QStringLiteral("Positions attribuées : ") +
                  plural(state.tableCount(), QStringLiteral("%1 table"), QStringLiteral("%1 tables"));
        if (threePlayer > 0)
            e.stage += QStringLiteral(" dont %1 à trois joueurs").arg(threePlayer);
    } else if (!rounds::roundComplete(state)) {
        e.stage = QStringLiteral("Tour %1 en cours").arg(round);
    } else {
        e.stage = QStringLiteral("Tour %1 complet").arg(round);
        if (round >= plannedRounds) {
            e.nextCommand = Cmd::ClassementGeneral;
            e.nextStep = QStringLiteral("Voir le classement");
        } else {
            e.nextStep = QStringLiteral("Commencer le tour %1").arg(round + 1);
        }
    }
    return e;
}

QString descriptionText(const Tournament &state)
{
    QStringList description;
    if (!state.date().isEmpty())
        description << QStringLiteral("Le ") + state.date();
    if (!state.place().isEmpty())
        description << state.place();
    return description.join(QStringLiteral(" — "));
}

QString openedText(const Tournament &state)
{
    QString text = QStringLiteral("Tournoi ouvert : ") +
                   plural(playerCount(state), QStringLiteral("%1 joueur"), QStringLiteral("%1 joueurs"));
    if (const qsizetype played = roundsPlayed(state); played > 0)
        text += QStringLiteral(", ") + plural(played, QStringLiteral("%1 tour"), QStringLiteral("%1 tours"));
    return text;
}
