#include "rankings/ranking.h"

#include "platform/platform.h"
#include "players/entries.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>
#include <vector>

using namespace ranking;

namespace {

const QString currentTour = QStringLiteral("tour.tmp");

QStringList columns()
{
    return {QStringLiteral("NOM"), QStringLiteral("POSITION"), QStringLiteral("SCORE")};
}

// A file line split at its first "=": the key before it, the text after it.
struct Split
{
    QStringView key;
    QStringView rest;
};

Split split(const QString &line)
{
    const qsizetype p = line.indexOf(QLatin1Char('='));
    if (p < 0)
        return {line, {}};
    return {QStringView(line).left(p), QStringView(line).mid(p + 1)};
}

// Reads a working file when present; false (with the message kept) when it cannot be read.
bool readIfPresent(const QString &name, QStringList &lines, Outcome *error)
{
    lines.clear();
    const Outcome outcome = platform().files.readIfPresent(name, lines);
    if (!outcome.ok() && error)
        *error = outcome;
    return outcome.ok();
}

// One row per score line: NOM, seat code, score text as stored.
void fillRows(RankingTable &table, const QStringList &lines, const NameIndex &names)
{
    table.rows.reserve(lines.size());
    for (const QString &line : lines) {
        const Split s = split(line);
        const QString code = s.key.toString();
        table.rows.append({names.name(code), code, s.rest.toString()});
    }
}

void markExcluded(RankingTable &table, const QStringList &exclusions)
{
    if (exclusions.isEmpty())
        return;
    const QSet<QString> codes(exclusions.begin(), exclusions.end());
    for (QStringList &row : table.rows)
        if (codes.contains(row[1]))
            row[2] = excluded;
}

// The end of every build: seat codes become labels, empty chairs are "SANS OBJET".
void finish(RankingTable &table, qsizetype registerLines)
{
    for (QStringList &row : table.rows) {
        row[1] = label(row[1], registerLines);
        if (row[0].startsWith(QLatin1String(" CHAISE VIDE")))
            row[2] = notApplicable;
    }
}

qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

// The totals of the general ranking: a row keeps its round-1 text until something is added.
class Totals
{
public:
    explicit Totals(const RankingTable &table) : m_total(table.rows.size()), m_touched(table.rows.size())
    {
        m_rowOf.reserve(table.rows.size());
        for (qsizetype i = 0; i < table.rows.size(); ++i) {
            if (!m_rowOf.contains(table.rows[i][1])) // the first row of a seat code counts
                m_rowOf.insert(table.rows[i][1], i);
            m_total[i] = value(table.rows[i][2]);
        }
    }
    void add(const QStringList &lines)
    {
        for (const QString &line : lines) {
            const Split s = split(line);
            const auto it = m_rowOf.constFind(s.key.toString());
            if (it == m_rowOf.constEnd())
                continue;
            m_total[*it] = saturatingAdd(m_total[*it], value(s.rest));
            m_touched[*it] = true;
        }
    }
    void store(RankingTable &table) const
    {
        for (qsizetype i = 0; i < table.rows.size(); ++i)
            if (m_touched[i])
                table.rows[i][2] = QString::number(m_total[i]);
    }

private:
    QHash<QString, qsizetype> m_rowOf;
    std::vector<qint64> m_total;
    std::vector<bool> m_touched;
};

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

// Brings the rows into the order of `order`, a permutation of column k's texts: for each place p,
// the first row from p on holding the p-th text is exchanged with row p. Each text keeps a heap of
// the rows that hold it, so the first such row is found in log time.
void reorder(RankingTable &table, int k, const QStringList &order)
{
    const qsizetype n = table.rows.size();
    QHash<QString, int> idOf;
    idOf.reserve(n);
    std::vector<int> textId(n);
    for (qsizetype i = 0; i < n; ++i) {
        auto it = idOf.constFind(table.rows[i][k]);
        textId[i] = it != idOf.constEnd() ? *it : *idOf.insert(table.rows[i][k], int(idOf.size()));
    }
    using MinHeap = std::priority_queue<qsizetype, std::vector<qsizetype>, std::greater<>>;
    std::vector<MinHeap> rowsOf(idOf.size());
    for (qsizetype i = 0; i < n; ++i)
        rowsOf[textId[i]].push(i);
    for (qsizetype p = 0; p < n; ++p) {
        MinHeap &wanted = rowsOf[idOf.value(order[p])];
        const qsizetype r = wanted.top();
        wanted.pop();
        if (r == p)
            continue;
        MinHeap &displaced = rowsOf[textId[p]];
        displaced.pop(); // row p, the first row of its text
        displaced.push(r);
        table.rows.swapItemsAt(p, r);
        std::swap(textId[p], textId[r]);
    }
}

QStringList column(const RankingTable &table, int k)
{
    QStringList texts;
    texts.reserve(table.rows.size());
    for (const QStringList &row : table.rows)
        texts.append(row[k]);
    return texts;
}

// Order list of SCORE: stable descending on the value, floored at -32767 (such values never move up).
QStringList scoreOrder(const QStringList &texts)
{
    std::vector<std::pair<qint64, qsizetype>> keys(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        keys[i] = {std::max<qint64>(value(texts[i]), -32767), i};
    std::stable_sort(keys.begin(), keys.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    QStringList order;
    order.reserve(texts.size());
    for (const auto &key : keys)
        order.append(texts[key.second]);
    return order;
}

QStringList positionOrder(QStringList texts)
{
    std::vector<std::pair<std::pair<int, qint64>, qsizetype>> keys(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        keys[i] = {seatOrder(texts[i]), i};
    std::stable_sort(keys.begin(), keys.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QStringList order;
    order.reserve(texts.size());
    for (const auto &key : keys)
        order.append(texts[key.second]);
    return order;
}

} // namespace

namespace ranking {

qint64 value(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    if (i == n)
        return 0;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9' || v > (std::numeric_limits<qint64>::max() - 9) / 10)
            return 0;
        v = v * 10 + (c - u'0');
    }
    return negative ? -v : v;
}

QString label(const QString &seatCode, qsizetype registerLines)
{
    if (registerLines == 12 || registerLines == 16) {
        if (entries::playerNumber(seatCode) > 0)
            return entries::numerojoueur(QStringLiteral(" = ") + seatCode);
        return seatCode;
    }
    static const QString letters = QStringLiteral("NSEO");
    static const QString words[] = {QStringLiteral("Nord "), QStringLiteral("Sud "), QStringLiteral("Est "),
                                    QStringLiteral("Ouest ")};
    const qsizetype seat = seatCode.isEmpty() ? -1 : letters.indexOf(seatCode.front());
    return seat < 0 ? seatCode : words[seat] + seatCode.mid(1);
}

int latestRound(const TournamentState &state)
{
    return state.currentRound - (state.scoreList.isEmpty() ? 1 : 0);
}

bool pcnAvailable(const TournamentState &state, const RankingTable &table)
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
    retrie(table, 2);
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
bool isSeatShaped(const QString &code)
{
    return code.size() >= 2 && digitKey(code).size() == code.size();
}
QString nameOf(const QString &line)
{
    const qsizetype p = line.indexOf(QLatin1Char('='));
    return p < 0 ? line : line.left(p);
}
} // namespace

NameIndex::NameIndex(const QStringList &playerRegisterList) : m_lines(playerRegisterList)
{
    m_lastLine.reserve(m_lines.size());
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QStringView key = digitKey(m_lines[i]);
        if (!key.isEmpty())
            m_lastLine.insert(key.toString(), i);
    }
}

QString NameIndex::name(const QString &seatCode) const
{
    if (!isSeatShaped(seatCode))
        return cherchenom(m_lines, seatCode);
    const auto it = m_lastLine.constFind(seatCode);
    return it == m_lastLine.constEnd() ? QString() : nameOf(m_lines[*it]);
}

} // namespace ranking

QString cherchenom(const QStringList &playerRegisterList, const QString &seatCode)
{
    QString name;
    for (const QString &line : playerRegisterList)
        if (line.endsWith(seatCode))
            name = nameOf(line);
    return name;
}

RankingTable prepareletab(const TournamentState &state, Outcome *error)
{
    RankingTable table;
    table.header = columns();
    const WorkingFiles &files = platform().files;
    const QString firstFile = files.exists(WorkingFiles::tourFile(1)) ? WorkingFiles::tourFile(1) : currentTour;
    QStringList lines;
    if (!readIfPresent(firstFile, lines, error) || lines.isEmpty()) {
        table.rows = {{noRanking, QString(), QString()}};
        return table;
    }
    const qsizetype rounds1 = lines.size();
    fillRows(table, lines, NameIndex(state.playerRegisterList));

    Totals totals(table);
    for (int r = 2; r <= state.currentRound; ++r) {
        if (!readIfPresent(r < state.currentRound ? WorkingFiles::tourFile(r) : currentTour, lines, error))
            return table;
        if (lines.size() == rounds1) // an incomplete round adds nothing
            totals.add(lines);
    }
    if (!readIfPresent(QStringLiteral("penal.tmp"), lines, error))
        return table;
    totals.add(lines);
    totals.store(table);

    if (!readIfPresent(QStringLiteral("exclu.tmp"), lines, error))
        return table;
    markExcluded(table, lines);
    retrie(table, 2);
    finish(table, state.playerRegisterList.size());
    return table;
}

RankingTable roundRanking(const TournamentState &state, int round, Outcome *error)
{
    RankingTable table;
    table.header = columns();
    const WorkingFiles &files = platform().files;
    QString name = WorkingFiles::tourFile(round);
    if (round == state.currentRound && files.exists(currentTour))
        name = currentTour;
    QStringList lines;
    if (!readIfPresent(name, lines, error))
        return table;
    fillRows(table, lines, NameIndex(state.playerRegisterList));
    if (!readIfPresent(QStringLiteral("exclu.tmp"), lines, error))
        return table;
    markExcluded(table, lines);
    retrie(table, 2);
    finish(table, state.playerRegisterList.size());
    return table;
}

void retrie(RankingTable &table, int column)
{
    if (table.rows.size() < 2 || column < 0 || column > 2)
        return;
    QStringList order = ::column(table, column);
    if (column == 2) {
        order = scoreOrder(order);
    } else if (column == 0) {
        std::stable_sort(order.begin(), order.end(), entries::less);
    } else {
        order = positionOrder(order);
    }
    reorder(table, column, order);
}
