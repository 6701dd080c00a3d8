#include "rounds/rounds.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "platform/platform.h"
#include "players/entries.h"
#include "rankings/ranking.h"

#include <QHash>
#include <QSet>

namespace rounds {

namespace {

// The key of a score line is its text up to its first "=" (seat code alone here).
QStringView keyOf(const QString &line)
{
    return lines::splitAtFirstEquals(line).key;
}

Outcome removeIfPresent(const QString &name)
{
    WorkingFiles &files = platform().files;
    return files.exists(name) ? files.remove(name) : Outcome::success();
}

} // namespace

QString refusalWithoutSeats(const Tournament &state)
{
    if (entries::anySeated(state.playerRegisterList()))
        return {};
    return QStringLiteral("Aucun joueur n'est placé : attribuez d'abord les positions.");
}

bool roundComplete(const Tournament &state)
{
    return state.scoreList().size() == state.playerRegisterList().size();
}

QString newRoundQuestion(int round)
{
    return QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° %1) ?").arg(round);
}

Result<std::optional<Prompt>> startRound(Tournament &state)
{
    state.setModified(true);
    const int next = state.currentRound() + 1;
    // The tables' codes and waiting scores were the finished round's.
    if (Outcome o = state.dropTableEntries(); !o.ok())
        return o;
    if (state.movement().byRanking) // `storeRankingOrder`
        state.setGeneralRanking(buildGeneralRanking(state));
    if (Outcome o = state.archiveRound(); !o.ok())
        return o;
    // At once, so that nothing adds the finished round a second time as the new one.
    if (Outcome o = state.setScores({}); !o.ok())
        return o;
    const RoundMovements movements = startRoundMovements(state, next);
    if (Outcome o = state.setMovements(state.movementList() + movements.lines); !o.ok())
        return o;
    state.setCurrentRound(next);
    return movements.changeNext ? std::optional<Prompt>(movementChangeNotice()) : std::nullopt;
}

QString nameAtSeat(const QStringList &playerRegisterList, const QString &seatCode)
{
    if (seatCode.isEmpty())
        return {};
    const QString tail = QStringLiteral(" = ") + seatCode;
    QString name;
    for (const QString &line : playerRegisterList) {
        // From the first " = s" to the end: exactly " = s", so N1 never takes N12's line.
        const qsizetype at = line.indexOf(tail);
        if (at >= 0 && line.size() - at == tail.size())
            name = line.left(at + 1);
    }
    return name;
}

QString recordedScore(const QStringList &scoreList, const QString &seatCode)
{
    QString score;
    for (const QString &line : scoreList)
        if (line.size() > seatCode.size() && line.startsWith(seatCode) && line[seatCode.size()] == QLatin1Char('='))
            score = line.mid(seatCode.size() + 1);
    return score;
}

TableEntry tableEntry(const Tournament &state, int table)
{
    TableEntry entry;
    entry.seated = tableInRound(state, table, state.currentRound());
    for (size_t i = 0; i < 4; ++i) {
        const QString &code = entry.seated.seatCodes[i];
        entry.names[i] = nameAtSeat(state.playerRegisterList(), code);
        entry.scores[i] = code.isEmpty() ? QString() : recordedScore(state.scoreList(), code);
        // An empty chair scores 0; its line is still written, so the round keeps 4 lines a table.
        entry.emptyChairs[i] = entries::isEmptyChair(entry.names[i]);
        if (entry.emptyChairs[i] && entry.scores[i].isEmpty())
            entry.scores[i] = QStringLiteral("0");
    }
    return entry;
}

std::optional<qint64> scoreValue(const QString &box)
{
    constexpr qint64 limit = 1000000;
    if (box.isEmpty())
        return 0;
    qsizetype i = 0;
    const bool negative = box[0] == QLatin1Char('-');
    if (negative || box[0] == QLatin1Char('+'))
        ++i;
    if (i == box.size())
        return std::nullopt;
    qint64 v = 0;
    for (; i < box.size(); ++i) {
        const char16_t c = box[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c - u'0');
        if (v > limit)
            return std::nullopt;
    }
    return negative ? -v : v;
}

bool balanced(const std::array<QString, 4> &boxes)
{
    qint64 sum = 0;
    for (const QString &box : boxes) {
        const std::optional<qint64> v = scoreValue(box);
        if (!v)
            return false;
        sum += *v;
    }
    return sum == 0;
}

Result<int> recordTable(Tournament &state, const std::array<QString, 4> &seatCodes, std::array<QString, 4> &boxes)
{
    state.setModified(true);
    for (QString &box : boxes)
        if (box.startsWith(QLatin1Char('+')))
            box.remove(0, 1);
    for (int i = 0; i < 4; ++i)
        if (boxes[size_t(i)].isEmpty())
            return i;

    std::array<QString, 4> keys;
    for (size_t i = 0; i < 4; ++i)
        keys[i] = seatCodes[i] + QLatin1Char('=');
    std::array<bool, 4> found{};
    QStringList lines = state.scoreList();
    for (QString &line : lines) {
        const lines::KeyValue s = lines::splitAtFirstEquals(line);
        if (!s.hasEquals)
            continue;
        for (size_t i = 0; i < 4; ++i)
            if (QStringView(line).left(s.key.size() + 1) == keys[i]) {
                line = keys[i] + boxes[i];
                found[i] = true;
            }
    }
    for (const size_t i : {0, 3, 2, 1}) // Nord, Ouest, Est, Sud
        if (!found[i])
            lines << keys[i] + boxes[i];
    // At once: a crash or the close box never loses a recorded table.
    return {-1, state.setScores(lines)};
}

QString tablesToEnterText(qint64 tables)
{
    return QStringLiteral("Vous avez %1 tables à saisir.").arg(tables);
}

QList<bool> enteredTables(const Tournament &state)
{
    const qint64 tables = state.tableCount();
    QList<bool> entered(tables, false);
    const int round = state.currentRound();
    if (smallFieldMode(state)) {
        QSet<QStringView> scored;
        for (const QString &line : state.scoreList())
            scored.insert(keyOf(line));
        for (qint64 t = 1; t <= tables; ++t)
            entered[t - 1] = scored.contains(tableInRound(state, t, round).seatCodes[0]);
        return entered;
    }
    // The shift rule read backwards: the Nord player of round-1 table k sits at Nord of table
    // k + his displacement; one pass over the scores, for the largest fields.
    const qint64 shift = seatDisplacement(state.movementList(), QLatin1Char('N'), round);
    for (const QString &line : state.scoreList()) {
        const std::optional<lines::SeatCode> code = lines::parseSeatCode(keyOf(line));
        if (code && code->letter == QLatin1Char('N') && code->table <= tables)
            entered[wrapTable(code->table + shift % tables, tables) - 1] = true;
    }
    return entered;
}

QString progressText(const Tournament &state)
{
    const qint64 tables = state.tableCount();
    const qint64 remaining = tables - qint64(state.scoreList().size()) / 4;
    if (remaining > 10)
        return QStringLiteral("Il reste %1 tables à saisir.").arg(remaining);
    if (remaining <= 0)
        return QStringLiteral("Tour complet, appuyez sur Quitter.");
    const QList<bool> entered = enteredTables(state);
    QString list;
    for (qint64 t = 1; t <= tables; ++t)
        if (!entered[t - 1])
            list += QStringLiteral(" %1 ").arg(t);
    if (remaining == 1)
        return QStringLiteral("Il reste la table") + list + QStringLiteral("à saisir.");
    return QStringLiteral("tables restant à saisir :") + list;
}

QString previousRoundLine(const QString &seatedEntry, const QString &scoreLine)
{
    const QString name = lines::nameOfEntry(seatedEntry).toString();
    const lines::KeyValue score = lines::splitAtFirstEquals(scoreLine);
    const QString key = score.key.toString();
    const QString seat = key.isEmpty() ? QString() : seatName(key[0]);
    const QString seatText = seat.isEmpty()
                                 ? QLatin1Char(' ') + key + QLatin1Char(' ')
                                 : QLatin1Char(' ') + seat + QLatin1Char(' ') + key.mid(1) + QLatin1Char(' ');
    return name.leftJustified(25) + seatText.leftJustified(20) + score.text.toString().rightJustified(17);
}

Result<QStringList> previousRoundLines(const Tournament &state, int round)
{
    if (!entries::anySeated(state.playerRegisterList()))
        return Outcome::failure(QStringLiteral("Le fichier position.tmp est absent : les joueurs n'ont pas de place."));
    QStringList lines;
    if (round >= 1 && round <= state.finishedRounds().size())
        lines = state.finishedRound(round);
    else if (state.roundStarted())
        lines = state.scoreList();
    else
        return Outcome::failure(QStringLiteral("Aucun score n'est enregistré pour le tour %1.").arg(round));

    const QStringList &positions = state.playerRegisterList();
    QHash<QString, qsizetype> firstBySeat; // seat text after "=", trimmed -> its first line
    for (qsizetype i = 0; i < positions.size(); ++i) {
        const bool seated = lines::splitAtFirstEquals(positions[i]).hasEquals;
        const QString seat = lines::seatOfEntry(positions[i]).toString();
        if (seated && !firstBySeat.contains(seat))
            firstBySeat.insert(seat, i);
    }
    for (QString &line : lines) {
        const auto seat = firstBySeat.constFind(keyOf(line).toString());
        if (seat != firstBySeat.cend())
            line = previousRoundLine(positions[*seat], line);
    }
    entries::sort(lines);
    return lines;
}

QString cancelQuestion(qsizetype scores)
{
    if (scores > 0)
        return QStringLiteral("Vous allez supprimer %1 scores. En êtes-vous sûr ?").arg(scores);
    return QStringLiteral(" En êtes-vous sûr ?");
}

Outcome cancelRound(Tournament &state)
{
    state.setModified(true);
    // First, so that the round started again never takes the cancelled round's codes.
    if (Outcome o = state.dropTableEntries(); !o.ok())
        return o;
    QStringList movements = state.movementList();
    if (movements.size() > 3) // the four lines recorded when the round started
        movements.resize(movements.size() - 4);
    if (Outcome o = state.setMovements(movements); !o.ok())
        return o;

    const int round = state.currentRound();
    if (Outcome o = removeIfPresent(workingfile::finishedRound(round)); !o.ok())
        return o;
    if (round == 1) // round 1 stays current, with no score anywhere
        return state.dropRoundInProgress();

    // The previous round becomes the one in progress, complete: its scores move to tour.tmp.
    if (Outcome o = state.reopenLastRound(); !o.ok())
        return o;
    state.setCurrentRound(round - 1);
    return Outcome::success();
}

} // namespace rounds
