// penal.tmp and exclu.tmp beside a register and a round in progress: the lines as the ranking
// reads them, the general ranking they change, and the swap of two scores.

#include "incidents/incidents.h"
#include "inmemory.h"
#include "rankings/ranking.h"
#include "tournament/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QStringList> parts = fuzzing::lists(fuzzing::bytesOf(data, size));
    Tournament state = fuzzing::tournamentOf(parts, true, 2);

    for (const QString &line : std::as_const(state.penalties())) {
        const lines::KeyValue kv = lines::splitAtFirstEquals(line);
        (void)lines::lenientValue(kv.text);
        (void)lines::parseSeatCode(kv.key);
    }
    for (const QString &line : std::as_const(state.exclusions()))
        (void)lines::parseSeatCode(line);

    const RankingTable general = buildGeneralRanking(state);
    for (const QStringList &row : general.rows())
        fuzzing::require(row.size() == general.columnCount(), "each row holds a cell per column");

    const QStringList codes = fuzzing::seatCodesOf(state.playerRegisterList());
    const QString &first = codes[qsizetype(size % codes.size())];
    const QString &second = codes[qsizetype((size / 7) % codes.size())];
    const QStringList before = state.scoreList();
    Tournament::Data swapped = state.data();
    if (incidents::swapScores(swapped.scoreList, first, second) == incidents::Swap::Done) {
        fuzzing::require(swapped.scoreList.size() == before.size(), "a swap keeps every line");
        (void)buildGeneralRanking(Tournament(std::move(swapped)));
    } else {
        fuzzing::require(swapped.scoreList == before, "a refused swap changes nothing");
    }
    return 0;
}
