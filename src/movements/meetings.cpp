#include "movements/meetings.h"

#include "movements/positions.h"
#include "players/entries.h"
#include "tournament/lines.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>

namespace {

// The round-1 seat codes of the register's players, by player number; no empty chair.
QMap<qint64, QString> players(const QStringList &playerRegisterList)
{
    QMap<qint64, QString> seated;
    for (const QString &line : playerRegisterList) {
        if (entries::isEmptyChair(line))
            continue;
        const QString code = lines::seatOfEntry(line).toString();
        if (const qint64 k = entries::playerNumber(code); k > 0)
            seated.insert(k, code);
    }
    return seated;
}

} // namespace

QList<RepeatMeeting> repeatMeetings(const MovementSettings &settings, const QStringList &playerRegisterList,
                                    qint64 tables, int rounds)
{
    const bool smallField = plannedSmallField(settings, playerRegisterList, tables);
    const QMap<qint64, QString> seated = players(playerRegisterList);
    const QStringList codes = seated.values(); // index order is player-number order
    // Who sits at each table in each round; a pair meets in a round when both are at one table.
    QHash<QPair<qsizetype, qsizetype>, QList<int>> met;
    for (int round = 1; round <= rounds; ++round) {
        QHash<qint64, QList<qsizetype>> atTable;
        for (qsizetype i = 0; i < codes.size(); ++i)
            atTable[plannedTable(settings, smallField, codes[i], round, tables)].append(i);
        for (auto it = atTable.cbegin(); it != atTable.cend(); ++it) {
            if (it.key() == 0)
                continue; // off the plan
            const QList<qsizetype> &atOne = it.value();
            for (qsizetype a = 0; a < atOne.size(); ++a)
                for (qsizetype b = a + 1; b < atOne.size(); ++b)
                    met[{atOne[a], atOne[b]}].append(round);
        }
    }
    QList<QPair<qsizetype, qsizetype>> pairs;
    for (auto it = met.cbegin(); it != met.cend(); ++it)
        if (it.value().size() > 1)
            pairs.append(it.key());
    std::sort(pairs.begin(), pairs.end());
    QList<RepeatMeeting> repeats;
    for (const auto &pair : std::as_const(pairs))
        repeats.append({codes[pair.first], codes[pair.second], met.value(pair)});
    return repeats;
}

QString repeatMeetingsText(const QList<RepeatMeeting> &repeats, bool smallField)
{
    if (repeats.isEmpty())
        return {};
    QSet<QString> players;
    const RepeatMeeting *example = &repeats.first(); // the first that meets most often
    bool sameRounds = true;
    for (const RepeatMeeting &m : repeats) {
        players << m.first << m.second;
        sameRounds = sameRounds && m.rounds == repeats.first().rounds;
        if (m.rounds.size() > example->rounds.size())
            example = &m;
    }
    QStringList rounds;
    for (const int r : example->rounds)
        rounds << QString::number(r);
    const QString last = rounds.takeLast();
    const QString when = QStringLiteral("tours %1 et %2").arg(rounds.join(QStringLiteral(", ")), last);
    const qsizetype most = example->rounds.size();
    const QString often =
        most == 2 ? QStringLiteral("deux fois") : QStringLiteral("plus d'une fois, jusqu'à %1 fois").arg(most);
    const QString detail = most == 2 && sameRounds ? when
                                                   : QStringLiteral("par exemple %1 et %2, %3")
                                                         .arg(plannedSeatLabel(example->first, smallField),
                                                              plannedSeatLabel(example->second, smallField), when);
    return QStringLiteral("Avec ces déplacements, %1 joueurs se rencontrent %2 (%3).")
        .arg(QString::number(players.size()), often, detail);
}

QString repeatMeetingsNotice(const MovementSettings &settings, const QStringList &playerRegisterList, qint64 tables)
{
    if (tables < 2)
        return {}; // one table: nobody moves, and no values could change that
    return repeatMeetingsText(repeatMeetings(settings, playerRegisterList, tables, settings.plannedRounds),
                              plannedSmallField(settings, playerRegisterList, tables));
}

std::optional<MovementSettings> valuesAvoidingRepeats(const MovementSettings &current,
                                                      const QStringList &playerRegisterList, qint64 tables, int rounds)
{
    if (tables < 1)
        return std::nullopt;
    // The seat letters (N, E, O, S) that share a table in round 1 somewhere.
    const QString letters = QStringLiteral("NEOS");
    std::array<std::array<bool, 4>, 4> together{};
    QHash<qint64, QList<int>> atTable;
    for (const QString &code : players(playerRegisterList))
        atTable[code.mid(1).toLongLong()].append(int(letters.indexOf(code.front())));
    for (const QList<int> &seated : std::as_const(atTable))
        for (const int a : seated)
            for (const int b : seated)
                together[size_t(a)][size_t(b)] = true;
    // Without the FFT option the plan moves a letter v tables a round: two letters d = v - v'
    // apart that share a table in round 1 share it again after T / gcd(d, T) rounds. Values
    // that bring such a pair together again in time are skipped; the others are checked in full.
    const auto meetAgain = [&](const std::array<int, 4> &v) {
        for (size_t a = 0; a < 4; ++a)
            for (size_t b = a + 1; b < 4; ++b) {
                const qint64 d = ((v[a] - v[b]) % tables + tables) % tables;
                if (together[a][b] && tables / std::gcd(d, tables) < rounds)
                    return true;
            }
        return false;
    };
    QList<std::array<int, 4>> candidates; // N, E, O, S, nearest first
    for (int est = -4; est <= 4; ++est)
        for (int ouest = -4; ouest <= 4; ++ouest)
            for (int sud = -4; sud <= 4; ++sud)
                candidates.append({current.nord, est, ouest, sud});
    const auto distance = [&](const std::array<int, 4> &v) {
        return std::abs(v[1] - current.est) + std::abs(v[2] - current.ouest) + std::abs(v[3] - current.sud);
    };
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](const auto &a, const auto &b) { return distance(a) < distance(b); });
    for (const std::array<int, 4> &v : std::as_const(candidates)) {
        if (meetAgain(v))
            continue;
        MovementSettings values = current;
        values.fft = false;
        values.est = v[1];
        values.ouest = v[2];
        values.sud = v[3];
        if (repeatMeetings(values, playerRegisterList, tables, rounds).isEmpty())
            return values;
    }
    return std::nullopt;
}
