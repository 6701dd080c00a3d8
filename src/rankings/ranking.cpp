#include "rankings/ranking.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "platform/platform.h"
#include "players/entries.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

using namespace ranking;

namespace {


QStringList columns()
{
    return {QStringLiteral("NOM"), QStringLiteral("POSITION"), QStringLiteral("SCORE")};
}

qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

bool isDigitChar(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// A score line of the usual shape ("S12=-40": a seat letter, a table without leading zero, "=",
// a signed whole number) read in one pass, to the player number of its seat code and its value:
// what the general reading gives for it, without splitting. False for any other shape.
bool readUsualLine(QStringView line, qsizetype &number, qint64 &value)
{
    const qsizetype n = line.size();
    const int seat = n >= 4 ? lines::seatIndex(line[0]) : -1;
    if (seat < 0 || line[1] == QLatin1Char('0'))
        return false;
    qsizetype i = 1;
    qint64 table = 0;
    for (; i < n && i <= 8 && isDigitChar(line[i]); ++i)
        table = table * 10 + (line[i].unicode() - u'0');
    if (i == 1 || i >= n || line[i] != QLatin1Char('='))
        return false;
    ++i;
    const bool negative = line[i] == QLatin1Char('-');
    if (negative || line[i] == QLatin1Char('+'))
        ++i;
    if (i == n || n - i > 18)
        return false;
    qint64 v = 0;
    for (; i < n; ++i) {
        if (!isDigitChar(line[i]))
            return false;
        v = v * 10 + (line[i].unicode() - u'0');
    }
    number = 4 * (table - 1) + seat + 1;
    value = negative ? -v : v;
    return true;
}

// A table while it is built: one row per line of its first file, the seat codes and score texts
// seen in place in those lines, the cells made once at the end.
class Draft
{
public:
    explicit Draft(QStringList lines) : m_lines(std::move(lines))
    {
        const qsizetype n = m_lines.size();
        m_codes.reserve(n);
        m_scores.reserve(n);
        for (const QString &line : std::as_const(m_lines)) {
            const lines::KeyValue s = lines::splitAtFirstEquals(line);
            m_codes.push_back(s.key);
            m_scores.push_back(s.text);
        }
        m_rowOf.index(m_codes, false); // the first row of a code counts
        m_total.resize(n);
        m_touched.resize(n);
        m_excluded.resize(n);
    }
    qsizetype size() const { return m_lines.size(); }
    // Row i, when there is one, counts v.
    void count(qsizetype i, qint64 v)
    {
        if (i < 0)
            return;
        m_total[i] = saturatingAdd(m_touched[i] ? m_total[i] : value(m_scores[i]), v);
        m_touched[i] = true;
    }

    // Adds each line's value to the total of its seat code; a row keeps its text until then.
    void add(const QStringList &lines)
    {
        for (const QString &line : lines) {
            qsizetype number = 0;
            qint64 v = 0;
            qsizetype i = readUsualLine(line, number, v) ? m_rowOf.findUsual(number) : CodeIndex::beyond;
            if (i == CodeIndex::beyond) {
                const lines::KeyValue s = lines::splitAtFirstEquals(line);
                i = m_rowOf.find(s.key);
                v = value(s.text);
            }
            count(i, v);
        }
    }
    // The same for a finished round, whose lines were read once when it was finished.
    void add(const QStringList &lines, const FinishedRounds::Figures &figures)
    {
        for (qsizetype j = 0; j < lines.size(); ++j) {
            const qint64 number = figures.playerNumbers[size_t(j)];
            qsizetype i = number > 0 ? m_rowOf.findUsual(number) : CodeIndex::beyond;
            if (i == CodeIndex::beyond)
                i = m_rowOf.find(lines::splitAtFirstEquals(lines[j]).key);
            count(i, figures.values[size_t(j)]);
        }
    }
    // Every row whose seat code is a whole exclusion line.
    void exclude(const QStringList &exclusions)
    {
        if (exclusions.isEmpty())
            return;
        std::vector<QStringView> codes(exclusions.begin(), exclusions.end());
        CodeIndex excluded;
        excluded.index(codes, false, 4 * qsizetype(m_codes.size()) + 4);
        for (size_t i = 0; i < m_codes.size(); ++i)
            m_excluded[i] = excluded.find(m_codes[i]) >= 0;
    }
    // NOM, POSITION (already its label: the sort by SCORE does not read it) and SCORE.
    RankingTable table(const Tournament &state) const
    {
        RankingTable t;
        t.header = columns();
        t.rows.reserve(size());
        const NameIndex names(state.playerRegisterList);
        QHash<qint64, QString> totals; // one shared text for each total
        for (size_t i = 0; i < m_codes.size(); ++i) {
            QString score;
            if (m_excluded[i]) {
                score = excluded;
            } else if (m_touched[i]) {
                auto it = totals.find(m_total[i]);
                if (it == totals.end())
                    it = totals.insert(m_total[i], QString::number(m_total[i]));
                score = *it;
            } else {
                score = m_scores[i].toString();
            }
            t.rows.append({names.name(m_codes[i]), label(m_codes[i], state.playerRegisterList.size()), score});
        }
        return t;
    }

private:
    QStringList m_lines;
    std::vector<QStringView> m_codes;
    std::vector<QStringView> m_scores;
    CodeIndex m_rowOf;
    std::vector<qint64> m_total;
    std::vector<bool> m_touched;
    std::vector<bool> m_excluded;
};

// Sorted by SCORE, then the empty chairs are "SANS OBJET".
RankingTable finish(RankingTable table)
{
    sortRanking(table, 2);
    for (QStringList &row : table.rows)
        if (row[0].startsWith(QLatin1String(" CHAISE VIDE")))
            row[2] = notApplicable;
    return table;
}

// Seat order of a POSITION label: player numbers, then Nord, Sud, Est, Ouest by table; other text last.
std::pair<int, qint64> seatOrder(const QString &label)
{
    static const QString prefixes[] = {QStringLiteral(" Joueur n° "), QStringLiteral("Nord "), QStringLiteral("Sud "),
                                       QStringLiteral("Est "), QStringLiteral("Ouest ")};
    for (int g = 0; g < 5; ++g) {
        if (!label.startsWith(prefixes[g]))
            continue;
        bool ok = false;
        const qint64 n = QStringView(label).mid(prefixes[g].size()).toLongLong(&ok);
        if (ok)
            return {g, n};
    }
    return {5, 0};
}

// Brings the rows into the order given by `order` (row indices, a permutation): for each place p,
// the first row from p on whose column-k text is that of the p-th row of the order is exchanged
// with row p. textId numbers the texts (0 to ids - 1, equal for equal texts). Each text keeps the
// rows holding it as a min-heap, in its own slice of one array, so that row is found in log time.
void reorder(RankingTable &table, std::vector<int> textId, int ids, const std::vector<qsizetype> &order)
{
    const qsizetype n = table.rows.size();
    std::vector<qsizetype> start(ids + 1), size(ids), heap(n);
    for (qsizetype i = 0; i < n; ++i)
        ++size[textId[i]];
    for (int id = 0; id < ids; ++id)
        start[id + 1] = start[id] + size[id];
    std::vector<qsizetype> filled(start.begin(), start.end() - 1);
    for (qsizetype i = 0; i < n; ++i) // ascending indices: each slice is already a heap
        heap[filled[textId[i]]++] = i;
    std::vector<int> wanted(n);
    for (qsizetype p = 0; p < n; ++p)
        wanted[p] = textId[order[p]];

    const std::greater<qsizetype> minHeap;
    for (qsizetype p = 0; p < n; ++p) {
        const auto first = heap.begin() + start[wanted[p]];
        const qsizetype r = *first;
        std::pop_heap(first, first + size[wanted[p]]--, minHeap);
        if (r == p)
            continue;
        // Row p's text now lives at row r: p, the first row of that text, becomes r.
        const int moved = textId[p];
        const auto slice = heap.begin() + start[moved];
        std::pop_heap(slice, slice + size[moved], minHeap);
        slice[size[moved] - 1] = r;
        std::push_heap(slice, slice + size[moved], minHeap);
        table.rows.swapItemsAt(p, r);
        std::swap(textId[p], textId[r]);
    }
}

// The row indices sorted stably by key (less first).
template <class Key, class Less> std::vector<qsizetype> stableOrder(const std::vector<Key> &keys, Less less)
{
    std::vector<qsizetype> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qsizetype(i);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return less(keys[a], keys[b]); });
    return order;
}

template <class Key, class Make> std::vector<Key> keysOf(const RankingTable &table, int k, Make make)
{
    std::vector<Key> keys;
    keys.reserve(table.rows.size());
    for (const QStringList &row : table.rows)
        keys.push_back(make(row[k]));
    return keys;
}

// Numbers the column-k texts for reorder(): equal texts, and only they, share a number. Equal
// texts have equal keys, so they stand in one run of equal keys of the sorted order: texts are
// told apart within each run only, and most runs are one row, which needs no comparison.
template <class Key, class Less>
std::vector<int> textIds(const RankingTable &table, int k, const std::vector<Key> &keys, Less less,
                         const std::vector<qsizetype> &order, int &ids)
{
    const qsizetype n = qsizetype(order.size());
    // Read through at(): the rows may share their cells with the table shown, not to be copied.
    const auto text = [&](qsizetype i) -> const QString & { return table.rows.at(order[i]).at(k); };
    std::vector<int> id(n);
    ids = 0;
    QHash<QString, int> idOfText; // for the long runs
    for (qsizetype first = 0, last = 0; first < n; first = last) {
        while (++last < n && !less(keys[order[first]], keys[order[last]])) {
        }
        if (last - first > 16) {
            idOfText.clear();
            for (qsizetype i = first; i < last; ++i) {
                const auto it = idOfText.constFind(text(i));
                id[order[i]] = it != idOfText.constEnd() ? *it : *idOfText.insert(text(i), ids++);
            }
            continue;
        }
        for (qsizetype i = first; i < last; ++i) {
            qsizetype same = first;
            while (same < i && text(same) != text(i))
                ++same;
            id[order[i]] = same < i ? id[order[same]] : ids++;
        }
    }
    return id;
}

// The rows sorted stably by the key of their column-k text.
template <class Key, class Make, class Less> void sortBy(RankingTable &table, int k, Make make, Less less)
{
    const std::vector<Key> keys = keysOf<Key>(table, k, make);
    const std::vector<qsizetype> order = stableOrder(keys, less);
    int ids = 0;
    std::vector<int> textId = textIds(table, k, keys, less, order, ids);
    reorder(table, std::move(textId), ids, order);
}

} // namespace

namespace ranking {

qint64 value(QStringView text)
{
    return lines::lenientValue(text);
}

QString label(QStringView seatCode, qsizetype registerLines)
{
    if (registerLines == 12 || registerLines == 16) {
        if (entries::playerNumber(seatCode.toString()) > 0)
            return entries::withPlayerNumber(QStringLiteral(" = ") + seatCode.toString());
        return seatCode.toString();
    }
    static const QString words[] = {QStringLiteral("Nord "), QStringLiteral("Sud "), QStringLiteral("Est "),
                                    QStringLiteral("Ouest ")};
    const int seat = seatCode.isEmpty() ? -1 : lines::seatIndex(seatCode.front());
    if (seat < 0)
        return seatCode.toString();
    QString text;
    text.reserve(words[seat].size() + seatCode.size() - 1);
    return text.append(words[seat]).append(seatCode.mid(1));
}

int latestRound(const Tournament &state)
{
    return state.currentRound - (state.scoreList.isEmpty() ? 1 : 0);
}

bool pcnAvailable(const Tournament &state, const RankingTable &table)
{
    return state.currentRound >= 5 && table.rows.size() >= 14;
}

int pcn(int rank, int tables)
{
    static const int coefficients[] = {40, 34, 28, 24, 20, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3};
    const int coefficient = coefficients[std::clamp(rank, 1, 16) - 1];
    return int(std::min<qint64>(qint64(coefficient) * tables, 1500));
}

void setPcn(RankingTable &table, bool shown, int tables)
{
    sortRanking(table, 2);
    if (!shown) {
        if (table.header.size() > 3) {
            table.header.resize(3);
            for (QStringList &row : table.rows)
                row.resize(3);
        }
        return;
    }
    if (table.header.size() == 3)
        table.header.append(QStringLiteral("PCN"));
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        table.rows[i].resize(4);
        table.rows[i][3] = i < tables ? QString::number(pcn(int(i + 1), tables)) : QString();
    }
}

QString rankText(int row)
{
    return QString::number(row) + (row == 1 ? QStringLiteral("er") : QStringLiteral("ème"));
}

namespace {
// A seat code made of one non-digit and decimal digits: a line ends with it exactly when the
// line's last digits, with the character before them, spell it.
bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
QStringView digitKey(QStringView line)
{
    qsizetype p = line.size();
    while (p > 0 && isDigit(line[p - 1]))
        --p;
    if (p == line.size() || p == 0)
        return {};
    return line.mid(p - 1);
}
bool isSeatShaped(QStringView code)
{
    return code.size() >= 2 && digitKey(code).size() == code.size();
}
QString nameOf(const QString &line)
{
    return lines::nameOfEntry(line).toString();
}
} // namespace

// The player number of a seat code written the usual way (N, S, E or O, then the table without
// leading zero) when it is at most `limit`, else 0. Two such codes are equal texts exactly when
// their numbers are equal.
qsizetype CodeIndex::usualNumber(QStringView code) const
{
    if (code.size() < 2 || code.size() > 9 || code[1] == QLatin1Char('0'))
        return 0;
    const qsizetype seat = lines::seatIndex(code[0]);
    if (seat < 0)
        return 0;
    qsizetype table = 0;
    for (const QChar c : code.mid(1)) {
        if (!isDigit(c))
            return 0;
        table = table * 10 + (c.unicode() - u'0');
    }
    const qsizetype k = 4 * (table - 1) + seat + 1;
    return k <= m_limit ? k : 0;
}

void CodeIndex::index(const std::vector<QStringView> &codes, bool lastCounts, qsizetype limit)
{
    m_limit = std::max(4 * qsizetype(codes.size()) + 4, limit);
    m_byNumber.assign(m_limit + 1, -1);
    m_others.clear();
    for (size_t i = 0; i < codes.size(); ++i) {
        const qsizetype k = usualNumber(codes[i]);
        qsizetype *slot = &m_byNumber[k];
        if (k == 0) {
            auto it = m_others.find(codes[i]);
            slot = &(it != m_others.end() ? *it : *m_others.insert(codes[i], -1));
        }
        if (*slot < 0 || lastCounts)
            *slot = qsizetype(i);
    }
}

qsizetype CodeIndex::find(QStringView code) const
{
    const qsizetype k = usualNumber(code);
    return k > 0 ? m_byNumber[k] : m_others.value(code, -1);
}

NameIndex::NameIndex(const QStringList &playerRegisterList) : m_lines(playerRegisterList)
{
    std::vector<QStringView> keys;
    keys.reserve(m_lines.size());
    for (const QString &line : m_lines)
        keys.push_back(digitKey(line));
    m_lastLine.index(keys, true);
}

QString NameIndex::name(QStringView seatCode) const
{
    if (!isSeatShaped(seatCode))
        return nameEndingWithSeat(m_lines, seatCode.toString());
    const qsizetype line = m_lastLine.find(seatCode);
    return line < 0 ? QString() : nameOf(m_lines[line]);
}

} // namespace ranking

QString nameEndingWithSeat(const QStringList &playerRegisterList, const QString &seatCode)
{
    QString name;
    for (const QString &line : playerRegisterList)
        if (line.endsWith(seatCode))
            name = nameOf(line);
    return name;
}

RankingTable buildGeneralRanking(const Tournament &state)
{
    QStringList first = state.finishedRounds.isEmpty() ? state.scoreList : state.finishedRound(1);
    if (first.isEmpty()) {
        RankingTable table;
        table.header = columns();
        table.rows = {{noRanking, QString(), QString()}};
        return table;
    }
    Draft draft(std::move(first));
    for (int r = 2; r <= state.currentRound; ++r) {
        const bool finished = r < state.currentRound && r <= state.finishedRounds.size();
        const QStringList lines = finished ? state.finishedRounds.value(r - 1)
                                  : r == state.currentRound ? state.scoreList
                                                            : QStringList();
        if (lines.size() != draft.size()) // an incomplete round adds nothing
            continue;
        if (finished)
            draft.add(lines, state.finishedRounds.figures(r - 1));
        else
            draft.add(lines);
    }
    draft.add(state.penalties);
    draft.exclude(state.exclusions);
    return finish(draft.table(state));
}

RankingTable roundRanking(const Tournament &state, int round)
{
    const bool inProgress = round == state.currentRound && state.roundStarted;
    Draft draft(inProgress ? state.scoreList : state.finishedRounds.value(round - 1));
    draft.exclude(state.exclusions);
    return finish(draft.table(state));
}

void sortRanking(RankingTable &table, int column)
{
    if (table.rows.size() < 2 || column < 0 || column > 2)
        return;
    if (column == 2) // descending by value, floored at -32767: such values never move up
        sortBy<qint64>(table, 2, [](const QString &text) { return std::max<qint64>(value(text), -32767); },
                       std::greater<qint64>());
    else if (column == 0)
        sortBy<QString>(table, 0, [](const QString &text) { return text; }, entries::less);
    else
        sortBy<std::pair<int, qint64>>(table, 1, seatOrder, std::less<>());
}
