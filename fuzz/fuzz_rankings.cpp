// A whole tournament in memory, its lists taken from the input: the general ranking, the
// ranking of every round, one of them sorted by every column, and PCN.

#include "inmemory.h"
#include "rankings/ranking.h"

namespace {

// Reads every cell, through the table's own views where it keeps one (so that the sanitizer
// checks they still point into live texts), and the rows whole at the ends.
void checkTable(const RankingTable &table)
{
    size_t read = 0;
    for (qsizetype r = 0; r < table.size(); ++r)
        for (qsizetype k = 0; k < table.columnCount(); ++k) {
            if (const std::optional<QStringView> view = table.textView(r, k))
                read += qHash(*view);
            else
                read += qHash(table.cell(r, k));
        }
    for (const qsizetype r : {qsizetype(0), table.size() - 1})
        fuzzing::require(table.size() == 0 || table.row(r).size() == table.columnCount(),
                         "each row holds a cell per column");
    (void)read;
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

    // Every table is built and read; one, chosen by the input, is also sorted each way: the
    // tables are built by the same code and differ only in their rows, and sorting them all took
    // most of each run. 0 is the general ranking; size % 2 chose the movements.
    const int sorted = int(size / 2 % size_t(state.currentRound + 1));
    RankingTable general = buildGeneralRanking(state);
    checkTable(general);
    if (sorted == 0)
        sortEachWay(general);
    if (ranking::pcnAvailable(state, general)) {
        ranking::setPcn(general, true, tables); // sorted as before, by SCORE: not again
        checkTable(general);
        ranking::setPcn(general, false, tables);
        checkTable(general);
    }
    for (int round = 1; round <= state.currentRound; ++round) {
        const RankingTable table = roundRanking(state, round);
        checkTable(table);
        if (round == sorted)
            sortEachWay(table);
    }
    (void)ranking::latestRound(state);
    for (int rank = 0; rank <= std::min(tables, 50) + 1; ++rank)
        (void)ranking::pcn(rank, tables);
    return 0;
}
