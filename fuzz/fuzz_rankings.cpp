// A whole tournament in memory, its lists taken from the input: the general ranking, the
// ranking of every round, each sorted by every column, and PCN.

#include "inmemory.h"
#include "rankings/ranking.h"

namespace {

void checkTable(const RankingTable &table)
{
    for (const QStringList &row : table.rows())
        fuzzing::require(row.size() == table.columnCount(), "each row holds a cell per column");
}

void sortEachWay(RankingTable table)
{
    for (int column = 0; column < int(table.columnCount()); ++column) {
        const qsizetype rows = table.size();
        sortRanking(table, column);
        fuzzing::require(table.size() == rows, "a sort keeps every row");
    }
    checkTable(table); // every cell read once, the moved ones included
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QStringList> parts = fuzzing::lists(fuzzing::bytesOf(data, size));
    const Tournament state = fuzzing::tournamentOf(parts, size % 2 == 0, 8);
    const int tables = state.tableCount();

    RankingTable general = buildGeneralRanking(state);
    checkTable(general);
    sortEachWay(general);
    if (ranking::pcnAvailable(state, general)) {
        ranking::setPcn(general, true, tables);
        checkTable(general);
        sortEachWay(general);
        ranking::setPcn(general, false, tables);
        checkTable(general);
    }
    for (int round = 1; round <= state.currentRound; ++round) {
        const RankingTable table = roundRanking(state, round);
        checkTable(table);
        sortEachWay(table);
    }
    (void)ranking::latestRound(state);
    for (int rank = 0; rank <= std::min(tables, 50) + 1; ++rank)
        (void)ranking::pcn(rank, tables);
    return 0;
}
