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
#include <optional>
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
        m_numbers.reserve(n);
        m_scores.reserve(n);
        for (const QString &line : std::as_const(m_lines)) {
            const lines::KeyValue s = lines::splitAtFirstEquals(line);
            m_codes.push_back(s.key);
            m_numbers.push_back(CodeIndex::usualNumber(s.key));
            m_scores.push_back(s.text);
        }
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
        indexRows();
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
        indexRows();
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
            m_excluded[i] = excluded.find(m_codes[i], m_numbers[i]) >= 0;
    }
    // NOM, POSITION and SCORE, read in place from the register and these lines, sorted by SCORE;
    // then the empty chairs are "SANS OBJET".
    RankingTable ranking(const Tournament &state) const
    {
        RankingTable t(columns());
        const int names = t.addSource(state.playerRegisterList());
        const int lines = t.addSource(m_lines);
        const int texts = t.addSource({excluded, notApplicable});
        t.appendEmptyRows(size());
        const NameIndex index(state.playerRegisterList());
        const qsizetype registerLines = state.playerRegisterList().size();
        for (qsizetype i = 0; i < size(); ++i) {
            const qsizetype line = index.line(m_codes[size_t(i)], m_numbers[size_t(i)]);
            if (line >= 0)
                t.setLinePart(i, 0, names, line, 0, index.nameLength(line));
            t.setSeatLabel(i, 1, lines, i, m_codes[size_t(i)], registerLines);
            // An empty chair is marked before the sort, which then puts it after every player.
            if (line >= 0 && index.isEmptyChair(line))
                t.setLinePart(i, 2, texts, 1, 0, notApplicable.size());
            else if (m_excluded[size_t(i)])
                t.setText(i, 2, texts, 0, excluded);
            else if (m_touched[size_t(i)])
                t.setNumber(i, 2, m_total[size_t(i)]);
            else
                t.setText(i, 2, lines, i, m_scores[size_t(i)]);
        }
        sortRanking(t, 2);
        return t;
    }

private:
    void indexRows()
    {
        if (!m_indexed)
            m_rowOf.index(m_codes, false); // the first row of a code counts
        m_indexed = true;
    }

    QStringList m_lines;
    std::vector<QStringView> m_codes;
    std::vector<qsizetype> m_numbers; // each code's CodeIndex::usualNumber
    std::vector<QStringView> m_scores;
    CodeIndex m_rowOf;
    bool m_indexed = false;
    std::vector<qint64> m_total;
    std::vector<bool> m_touched;
    std::vector<bool> m_excluded;
};

// Seat order of a POSITION label: player numbers, then Nord, Sud, Est, Ouest by table; other text last.
std::pair<int, qint64> seatOrder(QStringView label)
{
    static const QString prefixes[] = {QStringLiteral(" Joueur n° "), QStringLiteral("Nord "), QStringLiteral("Sud "),
                                       QStringLiteral("Est "), QStringLiteral("Ouest ")};
    for (int g = 0; g < 5; ++g) {
        if (!label.startsWith(prefixes[g]))
            continue;
        bool ok = false;
        const qint64 n = label.mid(prefixes[g].size()).toLongLong(&ok);
        if (ok)
            return {g, n};
    }
    return {5, 0};
}

// The value of a whole number written as QString::number writes it ("-12", "0", never "+3",
// "007" or "-0"), so that two such texts are equal exactly when their values are.
std::optional<qint64> usualNumber(QStringView text)
{
    const qsizetype n = text.size();
    const qsizetype first = n > 0 && text[0] == QLatin1Char('-') ? 1 : 0;
    if (n - first < 1 || n - first > 18 || (text[first] == QLatin1Char('0') && (n - first > 1 || first == 1)))
        return std::nullopt;
    qint64 v = 0;
    for (qsizetype i = first; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c - u'0');
    }
    return first ? -v : v;
}

// A number of at most 18 digits: its text and its value tell each other (longer texts are worth 0).
bool isShortNumber(qint64 v)
{
    constexpr qint64 eighteenDigits = 1'000'000'000'000'000'000;
    return v > -eighteenDigits && v < eighteenDigits;
}

// Gives equal numbers one id: a table of ids by value when the values lie close together (the
// scores of a field do), a hash otherwise.
class NumberIds
{
public:
    // Every value given later lies in [low, high]; there are `count` of them.
    NumberIds(qint64 low, qint64 high, qsizetype count, int &ids) : m_ids(ids)
    {
        if (count > 0 && quint64(high) - quint64(low) <= 4 * quint64(count) + 64) {
            m_low = low;
            m_byValue.assign(size_t(high - low) + 1, -1);
        }
    }
    int operator()(qint64 v)
    {
        if (!m_byValue.empty()) {
            int &id = m_byValue[size_t(v - m_low)];
            return id >= 0 ? id : (id = m_ids++);
        }
        const auto it = m_byHash.constFind(v);
        return it != m_byHash.constEnd() ? *it : *m_byHash.insert(v, m_ids++);
    }

private:
    int &m_ids;
    qint64 m_low = 0;
    std::vector<int> m_byValue;
    QHash<qint64, int> m_byHash;
};

// The SCORE sort's keys: totals floored at -32767 (such totals never move up), then the excluded
// players, then the empty chairs, who take no rank from a player.
constexpr qint64 floorKey = -32767, excludedKey = -32768, emptyChairKey = -32769;

qint64 scoreKey(QStringView text)
{
    if (text == excluded)
        return excludedKey;
    if (text == notApplicable)
        return emptyChairKey;
    return std::max(value(text), floorKey);
}

// A column's texts as ids: rows have the same id exactly when their texts are equal. Read with
// them, in the same pass, each row's value or each row's text.
enum class AlsoRead { Values, Texts };
struct ColumnTexts
{
    std::vector<int> id;
    int ids = 0;
    std::vector<qint64> values;
    std::vector<QStringView> texts;
    QStringList made; // the texts of cells that hold none, alive as long as the views
};

ColumnTexts columnTexts(const RankingTable &table, int k, AlsoRead also)
{
    const qsizetype n = table.size();
    const bool withValues = also == AlsoRead::Values, withTexts = also == AlsoRead::Texts;
    ColumnTexts column;
    if (withValues)
        column.values.resize(size_t(n));
    else
        column.texts.resize(size_t(n));
    // Scores are mostly whole numbers written the usual way: those are told apart by value,
    // which is quicker than by text; any other text by itself.
    std::vector<qint64> numbers(n);
    std::vector<std::pair<qsizetype, QStringView>> texts; // the rows of other texts
    if (withTexts)                                        // names and seats: texts nearly all
        texts.reserve(size_t(n));
    qint64 low = std::numeric_limits<qint64>::max(), high = std::numeric_limits<qint64>::min();
    qsizetype count = 0;
    for (qsizetype i = 0; i < n; ++i) {
        std::optional<qint64> number = table.number(i, k);
        const bool numbered = number && isShortNumber(*number);
        if (!numbered || withTexts) {
            QStringView text;
            if (const std::optional<QStringView> view = table.textView(i, k)) {
                text = *view;
            } else {
                column.made.append(table.cell(i, k));
                text = column.made.last();
            }
            if (withTexts)
                column.texts[size_t(i)] = text;
            if (!numbered)
                number = usualNumber(text);
            if (!number) {
                texts.emplace_back(i, text);
                if (withValues)
                    column.values[size_t(i)] = scoreKey(text);
                continue;
            }
        }
        numbers[i] = *number;
        low = std::min(low, *number);
        high = std::max(high, *number);
        ++count;
        if (withValues)
            column.values[size_t(i)] = std::max(*number, floorKey);
    }
    column.id.resize(size_t(n));
    NumberIds numberId(low, high, count, column.ids);
    auto other = texts.begin();
    for (qsizetype i = 0; i < n; ++i) {
        if (other != texts.end() && other->first == i)
            ++other;
        else
            column.id[i] = numberId(numbers[i]);
    }
    // Equal other texts lie side by side once sorted.
    std::sort(texts.begin(), texts.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    for (size_t j = 0; j < texts.size(); ++j) {
        if (j == 0 || texts[j].second != texts[j - 1].second)
            ++column.ids;
        column.id[size_t(texts[j].first)] = column.ids - 1;
    }
    return column;
}

// Brings the rows into the order given by `order` (row indices, a permutation): for each place p,
// the first row from p on whose column text is that of the p-th row of the order is exchanged
// with row p.
// The rows of a text are found in order: a row leaves its text's set only as the set's first (all
// rows before p are placed), and a row joins it only as its first leaves, from further on; so the
// first row of a text only moves on. A text of many rows finds its next one by looking on from
// there (at most n looks for each such text); any other text keeps its original rows in one
// sorted slice, read from the front, and a min-heap of the rows exchanges brought to it.
void reorder(RankingTable &table, ColumnTexts column, std::vector<qint32> order)
{
    const qint32 n = qint32(table.size());
    const int ids = column.ids;
    std::vector<int> &textId = column.id;
    std::vector<qint32> start(ids + 1), next(ids), original(n);
    for (qint32 i = 0; i < n; ++i)
        ++start[textId[i] + 1];
    for (int id = 0; id < ids; ++id)
        start[id + 1] += start[id];
    std::copy(start.begin(), start.end() - 1, next.begin());
    for (qint32 i = 0; i < n; ++i)
        original[next[textId[i]]++] = i;
    std::copy(start.begin(), start.end() - 1, next.begin());
    std::vector<qint32> &wanted = order; // the text wanted at each place
    for (qint32 p = 0; p < n; ++p)
        wanted[p] = textId[order[p]];
    std::vector<std::vector<qint32>> brought(ids);
    const std::greater<qint32> minHeap;
    std::vector<qint32> first(ids, -1); // for a text of many rows, where its first row was last seen
    for (int id = 0; id < ids; ++id)
        if (qint64(start[id + 1] - start[id]) * 64 >= n)
            first[id] = original[start[id]];
    std::vector<qint32> rowAt(n); // the exchanges are made on row numbers, the cells moved once
    for (qint32 i = 0; i < n; ++i)
        rowAt[i] = i;
    // Takes the first row of a text off its set.
    const auto takeFirst = [&](int id, qint32 p) {
        if (first[id] >= 0) {
            qint32 r = std::max(first[id], p);
            while (textId[r] != id)
                ++r;
            first[id] = r + 1;
            return r;
        }
        std::vector<qint32> &heap = brought[id];
        const bool fromOriginal = next[id] < start[id + 1] && (heap.empty() || original[next[id]] < heap.front());
        if (fromOriginal)
            return original[next[id]++];
        const qint32 r = heap.front();
        std::pop_heap(heap.begin(), heap.end(), minHeap);
        heap.pop_back();
        return r;
    };

    for (qint32 p = 0; p < n; ++p) {
        const qint32 r = takeFirst(wanted[p], p);
        if (r == p)
            continue;
        // Row p's text now lives at row r: p, the first row of that text, becomes r.
        const int moved = textId[p];
        if (first[moved] < 0) {
            takeFirst(moved, p);
            brought[moved].push_back(r);
            std::push_heap(brought[moved].begin(), brought[moved].end(), minHeap);
        }
        std::swap(rowAt[p], rowAt[r]);
        std::swap(textId[p], textId[r]);
    }
    table.arrangeRows(rowAt);
}

// The row indices sorted stably by key (less first).
template<class Key, class Less>
std::vector<qint32> stableOrder(const std::vector<Key> &keys, Less less)
{
    std::vector<qint32> order(keys.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = qint32(i);
    std::stable_sort(order.begin(), order.end(), [&](qint32 a, qint32 b) { return less(keys[a], keys[b]); });
    return order;
}

// The same, by descending whole numbers: counted out when they lie close together.
std::vector<qint32> descendingOrder(const std::vector<qint64> &keys)
{
    if (keys.empty())
        return {};
    const auto [low, high] = std::minmax_element(keys.begin(), keys.end());
    if (quint64(*high) - quint64(*low) > 4 * keys.size() + 64)
        return stableOrder(keys, std::greater<qint64>());
    const qint64 top = *high;
    std::vector<qint32> place(size_t(top - *low) + 2);
    for (const qint64 key : keys)
        ++place[size_t(top - key) + 1];
    for (size_t v = 1; v < place.size(); ++v)
        place[v] += place[v - 1];
    std::vector<qint32> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i)
        order[size_t(place[size_t(top - keys[i])]++)] = qint32(i);
    return order;
}

} // namespace

namespace ranking {

qint64 value(QStringView text)
{
    return lines::lenientValue(text);
}

int latestRound(const Tournament &state)
{
    return state.currentRound() - (state.scoreList().isEmpty() ? 1 : 0);
}

bool pcnAvailable(const Tournament &state, const RankingTable &table)
{
    return state.currentRound() >= 5 && table.size() >= 14;
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
        if (table.columnCount() > 3)
            table.setHeader(table.header().mid(0, 3));
        return;
    }
    if (table.columnCount() == 3)
        table.setHeader(table.header() + QStringList{QStringLiteral("PCN")});
    // Sorted by SCORE, the ranked rows come first: row i is rank i + 1.
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (i < tables && isRanked(table, i))
            table.setNumber(i, 3, pcn(int(i + 1), tables));
        else
            table.setEmpty(i, 3);
    }
}

bool saysNoRanking(const RankingTable &table)
{
    return table.size() == 1 && table.cell(0, 0) == noRanking && table.cell(0, 1).isEmpty();
}

bool isRanked(const RankingTable &table, qsizetype row)
{
    const std::optional<QStringView> score = table.textView(row, 2);
    return !score || (*score != excluded && *score != notApplicable);
}

std::vector<int> ranks(const RankingTable &table)
{
    std::vector<int> result(size_t(table.size()));
    int rank = 0;
    for (qsizetype r = 0; r < table.size(); ++r)
        result[size_t(r)] = isRanked(table, r) ? ++rank : 0;
    return result;
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
} // namespace

// The player number of a seat code written the usual way (N, S, E or O, then the table without
// leading zero), else 0. Two such codes are equal texts exactly when their numbers are equal.
qsizetype CodeIndex::usualNumber(QStringView code)
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
    return 4 * (table - 1) + seat + 1;
}

void CodeIndex::index(const std::vector<QStringView> &codes, bool lastCounts, qsizetype limit)
{
    std::vector<qsizetype> numbers(codes.size());
    qsizetype highest = 0;
    for (size_t i = 0; i < codes.size(); ++i)
        highest = std::max(highest, numbers[i] = usualNumber(codes[i]));
    m_limit = std::min(highest, std::max(4 * qsizetype(codes.size()) + 4, limit));
    m_byNumber.assign(m_limit + 1, -1);
    m_others.clear();
    m_usualBeyond = false;
    for (size_t i = 0; i < codes.size(); ++i) {
        qsizetype k = numbers[i];
        if (k > m_limit) {
            m_usualBeyond = true;
            k = 0;
        }
        qint32 *slot = &m_byNumber[k];
        if (k == 0) {
            auto it = m_others.find(codes[i]);
            slot = &(it != m_others.end() ? *it : *m_others.insert(codes[i], -1));
        }
        if (*slot < 0 || lastCounts)
            *slot = qint32(i);
    }
}

qsizetype CodeIndex::find(QStringView code) const
{
    return find(code, usualNumber(code));
}

qsizetype CodeIndex::find(QStringView code, qsizetype k) const
{
    if (k > 0 && (k <= m_limit || !m_usualBeyond))
        return findUsual(k);
    return m_others.value(code, -1);
}

NameIndex::NameIndex(const QStringList &playerRegisterList) : m_lines(playerRegisterList)
{
    std::vector<QStringView> keys;
    keys.reserve(m_lines.size());
    m_nameLength.reserve(m_lines.size());
    m_emptyChair.reserve(m_lines.size());
    for (const QString &line : m_lines) {
        keys.push_back(digitKey(line));
        const QStringView name = lines::nameOfEntry(line);
        m_nameLength.push_back(name.size());
        m_emptyChair.push_back(name.startsWith(QLatin1String(" CHAISE VIDE")));
    }
    m_lastLine.index(keys, true);
}

qsizetype NameIndex::line(QStringView seatCode, qsizetype number) const
{
    if (number > 0 || isSeatShaped(seatCode)) // a usual code is seat-shaped
        return m_lastLine.find(seatCode, number);
    for (qsizetype i = m_lines.size() - 1; i >= 0; --i)
        if (m_lines[i].endsWith(seatCode))
            return i;
    return -1;
}

} // namespace ranking

RankingTable buildGeneralRanking(const Tournament &state)
{
    QStringList first = state.finishedRounds().isEmpty() ? state.scoreList() : state.finishedRound(1);
    if (first.isEmpty()) {
        RankingTable table(columns());
        table.append({noRanking, QString(), QString()});
        return table;
    }
    Draft draft(std::move(first));
    for (int r = 2; r <= state.currentRound(); ++r) {
        const bool finished = r < state.currentRound() && r <= state.finishedRounds().size();
        const QStringList lines = finished                    ? state.finishedRounds().value(r - 1)
                                  : r == state.currentRound() ? state.scoreList()
                                                              : QStringList();
        if (lines.size() != draft.size()) // an incomplete round adds nothing
            continue;
        if (finished)
            draft.add(lines, state.finishedRounds().figures(r - 1));
        else
            draft.add(lines);
    }
    draft.add(state.penalties());
    draft.exclude(state.exclusions());
    return draft.ranking(state);
}

RankingTable roundRanking(const Tournament &state, int round)
{
    const bool inProgress = round == state.currentRound() && state.roundStarted();
    Draft draft(inProgress ? state.scoreList() : state.finishedRounds().value(round - 1));
    draft.exclude(state.exclusions());
    return draft.ranking(state);
}

void sortRanking(RankingTable &table, int column)
{
    if (table.size() < 2 || column < 0 || column > 2)
        return;
    ColumnTexts texts = columnTexts(table, column, column == 2 ? AlsoRead::Values : AlsoRead::Texts);
    std::vector<qint32> order;
    if (column == 2) {
        order = descendingOrder(texts.values);
    } else if (column == 0) {
        order = stableOrder(texts.texts, entries::less);
    } else {
        std::vector<std::pair<int, qint64>> seats(texts.texts.size());
        std::transform(texts.texts.begin(), texts.texts.end(), seats.begin(), seatOrder);
        order = stableOrder(seats, std::less<>());
    }
    reorder(table, std::move(texts), std::move(order));
}
