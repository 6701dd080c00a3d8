// A whole tournament in memory, its lists taken from the input: the general ranking, the
// ranking of a round, one of them sorted by its columns, and PCN.

#include "inmemory.h"
#include "rankings/ranking.h"

namespace {

// Reads every cell the table keeps a view for, through it (so that the sanitizer checks they
// still point into live texts), every number, and the rows whole at the ends. The seat labels
// between are made from the lines the ends' labels read, and by the sort of POSITION.
void checkTable(const RankingTable &table)
{
    size_t read = 0;
    for (qsizetype r = 0; r < table.size(); ++r)
        for (qsizetype k = 0; k < table.columnCount(); ++k) {
            if (const std::optional<QStringView> view = table.textView(r, k))
                read += qHash(*view);
            else if (const std::optional<qint64> number = table.number(r, k))
                read += size_t(*number);
        }
    for (const qsizetype r : {qsizetype(0), table.size() - 1})
        fuzzing::require(table.size() == 0 || table.row(r).size() == table.columnCount(),
                         "each row holds a cell per column");
    (void)read;
}

// As the director clicks the headers: NOM or POSITION, then SCORE again.
void sortAndBack(RankingTable table, int column)
{
    for (const int k : {column, 2}) {
        const qsizetype rows = table.size();
        sortRanking(table, k);
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

    // The general ranking, and the ranking of one round chosen by the input: the rounds' tables
    // are built by the same code and differ only in their lines, and ranking them all took most
    // of each run. One of the two, chosen apart, is also sorted by NOM or POSITION, chosen
    // too, and back by SCORE. (size % 2 chose the movements.)
    const size_t choice = size / 2, rounds = size_t(state.currentRound());
    const int round = 1 + int(choice % rounds);
    const bool generalSorted = choice / rounds % 2 == 0;
    const int column = int(choice / rounds / 2 % 2);
    RankingTable general = buildGeneralRanking(state);
    checkTable(general);
    if (generalSorted)
        sortAndBack(general, column);
    if (ranking::pcnAvailable(state, general)) {
        ranking::setPcn(general, true, tables); // sorted as before, by SCORE: not again
        checkTable(general);
        ranking::setPcn(general, false, tables);
        checkTable(general);
    }
    const RankingTable table = roundRanking(state, round);
    checkTable(table);
    if (!generalSorted)
        sortAndBack(table, column);
    (void)ranking::latestRound(state);
    for (int rank = 0; rank <= std::min(tables, 50) + 1; ++rank)
        (void)ranking::pcn(rank, tables);
    return 0;
}
