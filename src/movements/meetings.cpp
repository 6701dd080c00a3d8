#include "movements/meetings.h"

#include "movements/positions.h"

#include <QHash>

#include <algorithm>

QList<RepeatMeeting> repeatMeetings(const MovementSettings &settings, const QStringList &seatCodes, qint64 tables,
                                    int rounds)
{
    // Who sits at each table in each round; a pair meets in a round when both are at one table.
    QHash<QPair<qsizetype, qsizetype>, QList<int>> met;
    for (int round = 1; round <= rounds; ++round) {
        QHash<qint64, QList<qsizetype>> atTable;
        for (qsizetype i = 0; i < seatCodes.size(); ++i)
            atTable[position(settings, seatCodes[i], round, tables)].append(i);
        for (auto it = atTable.cbegin(); it != atTable.cend(); ++it) {
            if (it.key() == 0)
                continue; // not a seat code
            const QList<qsizetype> &players = it.value();
            for (qsizetype a = 0; a < players.size(); ++a)
                for (qsizetype b = a + 1; b < players.size(); ++b)
                    met[{players[a], players[b]}].append(round);
        }
    }
    QList<QPair<qsizetype, qsizetype>> pairs;
    for (auto it = met.cbegin(); it != met.cend(); ++it)
        if (it.value().size() > 1)
            pairs.append(it.key());
    std::sort(pairs.begin(), pairs.end());
    QList<RepeatMeeting> repeats;
    for (const auto &pair : std::as_const(pairs))
        repeats.append({seatCodes[pair.first], seatCodes[pair.second], met.value(pair)});
    return repeats;
}
