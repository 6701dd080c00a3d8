// Ranking tables built from the input's bytes, sorted by NOM, POSITION and SCORE with the fast
// sortRanking and with the quadratic reference: both must give the very same table.

#include "players/entries.h"
#include "rankings/ranking.h"
#include "support/referencesort.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

// The input read byte after byte; 0 once it is used up.
class Bytes
{
public:
    Bytes(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    unsigned next() { return m_at < m_size ? m_data[m_at++] : 0; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_at = 0;
};

// Names equal but for case or accents, an empty chair, an empty name.
const char *const names[] = {"DUPONT Jean ", "dupont Jean ", "MARTIN Anne ", " CHAISE VIDE 1 ", "",
                             "Émile Luc ",   "émile Luc ",   "ZOLA  "};
// Cells worth 0, at or below the -32767 floor of the sort, or not plain numbers.
const char *const oddScores[] = {
    "EXCLU", "SANS OBJET",          "-32767", "-32768", "-32766", "-99999", "", "+5", "abc", " -40", "007",
    "-",     "99999999999999999999"};

QString name(Bytes &in)
{
    const unsigned b = in.next();
    if (b < 192)
        return QString::fromUtf8(names[b % std::size(names)]);
    static const QString letters = QStringLiteral(" aAeEéÉz-");
    QString text;
    for (unsigned i = 0; i < b % 6; ++i)
        text += letters[qsizetype(in.next() % letters.size())];
    return text;
}

QString score(Bytes &in)
{
    const unsigned b = in.next();
    switch (b % 4) {
    case 0: return QString::fromUtf8(oddScores[(b / 4) % std::size(oddScores)]);
    case 1: return QString::number(int(b / 4 % 7) * 10 - 30); // many ties
    default: {
        const unsigned high = in.next();
        return QString::number(int16_t(high << 8 | in.next()));
    }
    }
}

RankingTable tableOf(const QList<QStringList> &rows)
{
    RankingTable t({QStringLiteral("NOM"), QStringLiteral("POSITION"), QStringLiteral("SCORE")});
    for (const QStringList &row : rows)
        t.append(row);
    return t;
}

// `fast` holds `rows`, its cells of texts or, some of them, of numbers.
void check(RankingTable fast, const QList<QStringList> &rows, int column)
{
    QList<QStringList> reference = rows;
    sortRanking(fast, column);
    referenceSort(reference, column);
    if (fast.rows() == reference)
        return;
    std::fprintf(stderr, "sortRanking by column %d differs from the reference on %d rows\n", column, int(rows.size()));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Bytes in(data, size);

    // NOM and SCORE: up to 64 rows of any names and scores.
    QList<QStringList> table;
    const int rows = int(in.next() % 65);
    for (int i = 0; i < rows; ++i) {
        const QString cellName = name(in);
        table << QStringList{cellName, QStringLiteral("id%1").arg(i), score(in)};
    }
    check(tableOf(table), table, 0);
    check(tableOf(table), table, 2);

    // The same with some scores held as numbers, as the general ranking holds its totals.
    RankingTable typed = tableOf(table);
    for (int i = 0; i < rows; ++i) {
        const unsigned b = in.next();
        if (b % 2 == 0)
            continue;
        const qint64 v = b % 8 == 1   ? std::numeric_limits<qint64>::min()
                         : b % 8 == 3 ? std::numeric_limits<qint64>::max()
                                      : qint64(int(b / 8 % 7) * 10 - 30);
        typed.setNumber(i, 2, v);
        table[i][2] = QString::number(v);
    }
    check(typed, table, 2);

    // POSITION: a whole field of up to 20 tables, its rows shuffled.
    const qsizetype lines = 4 * qsizetype(in.next() % 21);
    QList<QStringList> field;
    for (qsizetype k = 1; k <= lines; ++k) {
        const QString cellName = name(in);
        field << QStringList{cellName, ranking::label(entries::seatCodeOfPlayer(k), lines), score(in)};
    }
    for (qsizetype i = field.size() - 1; i > 0; --i)
        field.swapItemsAt(i, qsizetype(in.next() % unsigned(i + 1)));
    check(tableOf(field), field, 1);
    return 0;
}
