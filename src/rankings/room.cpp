#include "rankings/room.h"

#include "movements/positions.h"
#include "players/entries.h"
#include "rounds/rounds.h"
#include "tournament/lines.h"
#include "tournament/plural.h"

#include <algorithm>

namespace room {

QString progressText(const Tournament &state)
{
    if (!entries::anySeated(state.playerRegisterList()))
        return {};
    const QList<bool> entered = rounds::enteredTables(state);
    const qsizetype done = std::count(entered.begin(), entered.end(), true);
    return QStringLiteral("Tour %1 : %2 sur %3")
        .arg(state.currentRound())
        .arg(plural(done, QStringLiteral("%1 table saisie"), QStringLiteral("%1 tables saisies")))
        .arg(entered.size());
}

int nextRound(const Tournament &state)
{
    if (!entries::anySeated(state.playerRegisterList()))
        return 0;
    const int round = state.currentRound();
    if (state.scoreList().isEmpty())
        return round;
    if (!rounds::roundComplete(state) || round >= state.movement().plannedRounds)
        return 0;
    return round + 1;
}

RoundSeating seatingOfRound(const Tournament &state, int round)
{
    MovementSettings starting = state.movement();
    if (round != state.currentRound() + 1 || !starting.fft)
        return RoundSeating(state, round);
    // The round is not started: it is foreseen with the values its start will record, which the
    // FFT option changes from round to round at some table counts.
    automaticMovements(starting, state.tableCount(), round);
    Tournament foreseen;
    foreseen.restore(state.data());
    foreseen.setMovementSettings(starting);
    return RoundSeating(foreseen, round);
}

QList<Place> placesInRound(const Tournament &state, int round)
{
    const RoundSeating seating = seatingOfRound(state, round);
    QList<Place> places;
    places.reserve(state.playerRegisterList().size());
    for (const QString &line : state.playerRegisterList()) {
        if (entries::isEmptyChair(line))
            continue;
        const TableSeat seat = seating.place(lines::seatOfEntry(line));
        places.append({lines::nameOfEntry(line).trimmed().toString(), seat.table, seatName(seat.seat)});
    }
    return places;
}

} // namespace room
