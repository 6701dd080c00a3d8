// Score lines (tour.tmp and the finished rounds' files) beside a register, through the readers
// of score entry and of "Tour précédent": the recorded score and the name at each seat, the
// tables of the round in progress, the lines of every round.

#include "inmemory.h"
#include "rounds/rounds.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QStringList> parts = fuzzing::lists(fuzzing::bytesOf(data, size));
    const Tournament state = fuzzing::tournamentOf(parts, size % 2 == 0);

    for (const QString &code : fuzzing::seatCodesOf(state.playerRegisterList())) {
        const QString name = rounds::nameAtSeat(state.playerRegisterList(), code);
        fuzzing::require(code.isEmpty() || name.isEmpty() ||
                             state.playerRegisterList().contains(name + QStringLiteral("= ") + code),
                         "the name at a seat is the beginning of its entry");
        (void)rounds::recordedScore(state.scoreList(), code);
        for (const QStringList &round : state.finishedRounds())
            (void)rounds::recordedScore(round, code);
    }
    const int tables = std::min(state.tableCount(), 40);
    for (int table = 0; table <= tables + 1; ++table)
        (void)rounds::tableEntry(state, table);
    (void)rounds::roundComplete(state);
    (void)rounds::progressText(state);
    for (int round = 0; round <= state.currentRound() + 1; ++round)
        (void)rounds::previousRoundLines(state, round);
    return 0;
}
