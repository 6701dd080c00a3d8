#include "rankings/room.h"

#include "movements/positions.h"
#include "players/entries.h"
#include "rounds/rounds.h"
#include "tournament/lines.h"

#include <QHash>

#include <algorithm>

namespace room {

QString progressText(const Tournament &state)
{
    if (!entries::anySeated(state.playerRegisterList()))
        return {};
    const QList<bool> entered = rounds::enteredTables(state);
    const qsizetype done = std::count(entered.begin(), entered.end(), true);
    // French counts 0 and 1 as singular.
    return QStringLiteral("Tour %1 : %2 %3 sur %4")
        .arg(state.currentRound())
        .arg(done)
        .arg(done > 1 ? QStringLiteral("tables saisies") : QStringLiteral("table saisie"))
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

namespace {

// Every seat of the round, by its occupant's round-1 seat code.
QHash<QString, std::pair<qint64, QChar>> seatsInRound(const Tournament &state, int round)
{
    QHash<QString, std::pair<qint64, QChar>> seatOf;
    const qint64 tables = state.tableCount();
    seatOf.reserve(4 * tables);
    for (qint64 t = 1; t <= tables; ++t) {
        const SeatedTable seated = tableInRound(state, t, round);
        for (size_t i = 0; i < 4; ++i)
            seatOf.insert(seated.seatCodes[i], {t, QLatin1Char(seatLetters[i])});
    }
    return seatOf;
}

} // namespace

QList<Place> placesInRound(const Tournament &state, int round)
{
    QHash<QString, std::pair<qint64, QChar>> seatOf;
    MovementSettings starting = state.movement();
    if (round == state.currentRound() + 1 && starting.fft) {
        // The round is not started: it is foreseen with the values its start will record, which
        // the FFT option changes from round to round at some table counts.
        automaticMovements(starting, state.tableCount(), round);
        Tournament foreseen;
        foreseen.restore(state.data());
        foreseen.setMovementSettings(starting);
        seatOf = seatsInRound(foreseen, round);
    } else {
        seatOf = seatsInRound(state, round);
    }
    QList<Place> places;
    places.reserve(state.playerRegisterList().size());
    for (const QString &line : state.playerRegisterList()) {
        if (entries::isEmptyChair(line))
            continue;
        Place place;
        place.name = lines::nameOfEntry(line).trimmed().toString();
        const auto found = seatOf.constFind(lines::seatOfEntry(line).toString());
        if (found != seatOf.cend()) {
            place.table = found->first;
            place.seat = seatName(found->second);
        }
        places.append(place);
    }
    return places;
}

} // namespace room
