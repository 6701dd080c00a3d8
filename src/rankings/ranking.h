#pragma once

#include "tournament/tournament.h"
#include "platform/outcome.h"
#include "rankings/rankingtable.h"

#include <QHash>

#include <vector>

// The ranking tables: pure functions of the tournament.

// The general ranking table (`prepareletab`), sorted by total: round 1 and every later complete
// round, the penalties, the exclusions.
RankingTable buildGeneralRanking(const Tournament &state);

// The ranking table of one round (no penalties), sorted by score.
RankingTable roundRanking(const Tournament &state, int round);

// `sortRanking`: re-sorts the rows by column 0 (NOM), 1 (POSITION) or 2 (SCORE). By SCORE: the
// totals, descending, then the excluded players, then the empty chairs.
void sortRanking(RankingTable &table, int column);

namespace ranking {

inline const QString noRanking = QStringLiteral("Pas de classement possible");
inline const QString excluded = QStringLiteral("EXCLU");
inline const QString notApplicable = QStringLiteral("SANS OBJET");

// The integer value of a cell or a file text: a signed decimal integer after leading blanks;
// anything else is worth 0.
qint64 value(QStringView text);

// The round the round ranking opens on: the current one, or the one before while no score
// has been entered yet.
int latestRound(const Tournament &state);

// The "PCN" box may be checked from round 5 on, with 14 rows or more.
bool pcnAvailable(const Tournament &state, const RankingTable &table);
// The national ranking points of rank (from 1) in a field of `tables` tables.
int pcn(int rank, int tables);
// Re-sorts by SCORE, then adds the "PCN" column (the first `tables` ranked players get points) or
// removes it.
void setPcn(RankingTable &table, bool shown, int tables);

// The general ranking with no score yet: the single row "Pas de classement possible", nobody's,
// which takes no rank on screen.
bool saysNoRanking(const RankingTable &table);

// A row of the ranking: any but an excluded player ("EXCLU") or an empty chair ("SANS OBJET").
bool isRanked(const RankingTable &table, qsizetype row);
// Each row's rank, counting ranked rows only, in the table's present order; 0 for an unranked row.
std::vector<int> ranks(const RankingTable &table);

// The rank field: "1er", "2ème", ...
QString rankText(int row);

// The position of each code in a list of codes, found without comparing texts: the usual seat
// codes by player number in an array, any other text hashed. The codes must outlive the index.
class CodeIndex
{
public:
    // With lastCounts, a code repeated answers its last position, else its first.
    // Player numbers up to `limit` (at least those the codes' own count allows) go in the array,
    // which is no longer than the highest number among the codes.
    void index(const std::vector<QStringView> &codes, bool lastCounts, qsizetype limit = 0);
    qsizetype find(QStringView code) const; // -1 when absent
    // The same, given the code's usualNumber.
    qsizetype find(QStringView code, qsizetype usual) const;
    // The position of a usual seat code by its player number: -1 when absent, `beyond` when the
    // number is past the array and such a code was indexed (find() then answers for its text).
    static constexpr qsizetype beyond = -2;
    qsizetype findUsual(qsizetype number) const
    {
        return number <= m_limit ? m_byNumber[size_t(number)] : m_usualBeyond ? beyond : -1;
    }

    // The player number of a seat code written the usual way, else 0.
    static qsizetype usualNumber(QStringView code);

private:
    qsizetype m_limit = 0;
    bool m_usualBeyond = false; // a usual code past the array is hashed
    std::vector<qint32> m_byNumber;
    QHash<QStringView, qint32> m_others;
};

// The name (text before "=") of the last register line ending with a seat code (`cherchenom`),
// for many seat codes at once, one pass over the register.
class NameIndex
{
public:
    explicit NameIndex(const QStringList &playerRegisterList);
    // The register line the name is read from: -1 when none.
    qsizetype line(QStringView seatCode) const { return line(seatCode, CodeIndex::usualNumber(seatCode)); }
    // The same, given the code's CodeIndex::usualNumber.
    qsizetype line(QStringView seatCode, qsizetype number) const;
    // A line's name is its first nameLength characters; an empty chair's starts " CHAISE VIDE".
    qsizetype nameLength(qsizetype line) const { return m_nameLength[size_t(line)]; }
    bool isEmptyChair(qsizetype line) const { return m_emptyChair[size_t(line)]; }

private:
    const QStringList &m_lines;
    CodeIndex m_lastLine; // seat code -> last line ending with it
    std::vector<qsizetype> m_nameLength;
    std::vector<bool> m_emptyChair;
};

} // namespace ranking
