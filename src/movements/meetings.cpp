#include "movements/meetings.h"

#include "movements/positions.h"
#include "rankings/rankingtable.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>

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

QString repeatMeetingsText(const QList<RepeatMeeting> &repeats, qsizetype registerLines)
{
    if (repeats.isEmpty())
        return {};
    QSet<QString> players;
    bool twice = true;
    for (const RepeatMeeting &m : repeats) {
        players << m.first << m.second;
        twice = twice && m.rounds.size() == 2;
    }
    const RepeatMeeting &first = repeats.first();
    QStringList rounds;
    for (const int r : first.rounds)
        rounds << QString::number(r);
    const QString last = rounds.takeLast();
    return QStringLiteral(
               "Avec ces déplacements, %1 joueurs se rencontrent %2, par exemple %3 et %4 aux tours %5 et %6.")
        .arg(players.size())
        .arg(twice ? QStringLiteral("deux fois") : QStringLiteral("plus d'une fois"),
             ranking::label(first.first, registerLines).trimmed(),
             ranking::label(first.second, registerLines).trimmed(), rounds.join(QStringLiteral(", ")), last);
}

std::optional<MovementSettings> valuesAvoidingRepeats(const MovementSettings &current, const QStringList &seatCodes,
                                                      qint64 tables, int rounds)
{
    std::optional<MovementSettings> best;
    int bestDistance = 0;
    for (int est = -4; est <= 4; ++est)
        for (int ouest = -4; ouest <= 4; ++ouest)
            for (int sud = -4; sud <= 4; ++sud) {
                MovementSettings values = current;
                values.fft = false;
                values.byRanking = false;
                values.est = est;
                values.ouest = ouest;
                values.sud = sud;
                const int distance =
                    std::abs(est - current.est) + std::abs(ouest - current.ouest) + std::abs(sud - current.sud);
                if (best && distance >= bestDistance)
                    continue;
                if (repeatMeetings(values, seatCodes, tables, rounds).isEmpty()) {
                    best = values;
                    bestDistance = distance;
                }
            }
    return best;
}
