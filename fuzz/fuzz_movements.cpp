// Movement lines (depl.tmp) beside a register: each seat's displacement and every table's
// occupants in the first rounds, the planned tables, the small-field schedule.

#include "inmemory.h"
#include "movements/positions.h"

#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QStringList> parts = fuzzing::lists(fuzzing::bytesOf(data, size));
    const Tournament state = fuzzing::tournamentOf(parts, size % 2 == 0);
    const qint64 tables = state.tableCount();

    for (const char letter : seatLetters)
        for (const int round : {0, 1, 2, 5, 9, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
            (void)seatDisplacement(state.movementList(), QLatin1Char(letter), round);

    const qint64 shownTables = std::min<qint64>(tables, 30);
    for (int round = 1; round <= 5; ++round) {
        for (qint64 table = 0; table <= shownTables + 1; ++table) {
            const SeatedTable seated = tableInRound(state, table, round);
            for (const QString &code : seated.seatCodes) {
                const qint64 number = entries::playerNumber(code);
                fuzzing::require(code.isEmpty() || (number >= 1 && number <= 4 * tables),
                                 "a table's occupant is a seat of the first round");
            }
            (void)viewLabels(seated);
        }
        for (const QString &code : fuzzing::seatCodesOf(state.playerRegisterList()))
            (void)position(state.movement(), code, round, tables);
    }
    (void)smallFieldMode(state);
    return 0;
}
