#pragma once

#include "platform/messages.h"

#include "tournament/tournament.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>

// Where every player sits in every round. A player is known by his round-1 seat code; his
// later seats are computed, never stored.

// Wraps x into 1..tables (64-bit modulo, so any hand-edited value is safe).
qint64 wrapTable(qint64 x, qint64 tables);

// `Totalise`: the displacement of a seat letter up to round R, the sum of the movement lines
// of that letter whose round is at most R. A line without "=" counts for nothing; a round or
// value that is not a number counts as 0.
qint64 seatDisplacement(const QStringList &movementList, QChar seat, int round);

// The four seats of a table in a round as score entry and the positions view show them,
// in the order Nord, Sud, Est, Ouest.
struct SeatedTable
{
    std::array<QString, 4> seatCodes; // the occupants' round-1 seat codes (N3, S1, ...)
    std::array<QString, 4> shown;     // round-1 table number, or player number in small-field mode
    bool smallField = false;
};

// The seat letters in the order of SeatedTable, and their names as printed and shown.
inline constexpr std::array<char, 4> seatLetters = {'N', 'S', 'E', 'O'};
QString seatName(QChar seat); // "Nord", "Sud", "Est", "Ouest"

// A player's table and seat letter in a round; table 0 when no table seats him.
struct TableSeat
{
    qint64 table = 0;
    QChar seat;
};

// Occupants of table t in round R: the shift rule on the recorded movements, a forecast from
// the current settings for a round after the current one, or the small-field schedule.
// Empty seat codes when the table is not one of 1..T.
SeatedTable tableInRound(const Tournament &state, qint64 table, int round);

// The same rule for a whole round, its movement lines read once: who sits at each table, and
// where each player sits.
class RoundSeating
{
public:
    RoundSeating(const Tournament &state, int round);
    SeatedTable table(qint64 table) const; // tableInRound
    // The table whose seat codes table() gives hold `seatCode` (a round-1 seat code), and which
    // seat: found without going through the tables.
    TableSeat place(QStringView seatCode) const;

private:
    qint64 m_tables = 0;
    int m_round = 0;
    bool m_smallField = false;
    std::array<qint64, 4> m_shift{}; // by seat, in the order of seatLetters: recorded and forecast
};

// True when the automatic FFT movements follow the fixed small-field schedule: the FFT
// option on, 3 or 4 tables, and at most one empty chair (more would be seated together).
bool smallFieldMode(const Tournament &state);
bool smallFieldMode(bool fft, qint64 tables, qint64 emptyChairs);
qint64 emptyChairCount(const QStringList &playerRegisterList);

// Why a command needs tables and there are none (a French refusal); empty when there are some.
QString refusalWithoutTables(const Tournament &state);

// ---- Automatic FFT movements

// 6, 8, 9, 10, 12, 14, 16, 18, 20.
bool isSpecialTableCount(qint64 tables);

// `automaticMovements`: sets the automatic FFT values for round `round` (>= 2) at `tables` tables;
// returns true when the following round changes them again (the warning
// "Au prochain tour, le déplacement change.").
bool automaticMovements(MovementSettings &settings, qint64 tables, int round);

// The four movement lines of a round being started, N, E, O, S ("E2=2"), after `automaticMovements`
// when the FFT option is on, and whether the round after changes them again. The caller records them.
struct RoundMovements
{
    QStringList lines;
    bool changeNext = false;
};
RoundMovements startRoundMovements(Tournament &state, int round);
// What the director is told when the next round changes the automatic movements again.
Prompt movementChangeNotice();

// ---- Option interplay of "Déplacement des joueurs"

// "déplacements automatiques FFT" checked (or the dialog shown with it checked) resets the
// values to 0, 2, -2, 1 and unchecks "par rang de classement"; unchecked keeps the values.
void setAutomaticFft(MovementSettings &settings, bool on);
// "par rang de classement" checked unchecks the FFT option and keeps the values.
void setByRanking(MovementSettings &settings, bool on);
// The four values cannot be edited while either option is on.
bool valuesLocked(const MovementSettings &settings);

// ---- Closed-form plan of the printed table

// `position`: the planned table of seat code L t0 in round R at `tables` tables. With the FFT
// option on, the FFT values with the corrections of the special table counts; otherwise the
// current values as if used since round 1. 0 when seatCode is not a seat code.
qint64 position(const MovementSettings &settings, const QString &seatCode, int round, qint64 tables);

// ---- Small-field schedule (3 or 4 tables)

// The schedule row of a round: entry j (0 based) is seat j mod 4 (N, S, E, O) of table
// j div 4 + 1. The 3-table rows at exactly 3 tables, the 4-table rows otherwise. Rounds after
// the sixth continue the cycle of rounds 2 to 6.
const std::array<int, 16> &scheduleRow(qint64 tables, int round);

// `smallFieldSeat` from a table: the player numbers at Nord, Sud, Est, Ouest (zeros off the schedule).
std::array<int, 4> smallFieldSeat(qint64 tables, qint64 table, int round);
// `smallFieldSeat` from a player: his table (0 when the player number is not in the row) and
// his seat letter.
TableSeat smallFieldPlace(qint64 tables, qint64 playerNumber, int round);
// The same as printed: "2 Sud"; empty when the player number is not in the row.
QString troisquatreCell(qint64 tables, qint64 playerNumber, int round);

// ---- The plan of the positions printout, which the repeat meetings read too

// True when the plan of this register at `tables` tables follows the small-field schedule.
bool plannedSmallField(const MovementSettings &settings, const QStringList &playerRegisterList, qint64 tables);
// The table of seat code L t0 in round R of that plan: the small-field schedule (0 when the
// player is off it), else `position`.
qint64 plannedTable(const MovementSettings &settings, bool smallField, const QString &seatCode, int round,
                    qint64 tables);
// A seat code as the plan names it: "Nord 3", or "n° 9" in small-field mode.
QString plannedSeatLabel(const QString &seatCode, bool smallField);

// ---- Positions view

// The label of each side, in the order Nord, Sud, Est, Ouest: "Nord 5", or "n° 7" in
// small-field mode.
std::array<QString, 4> viewLabels(const SeatedTable &seated);
// The top-left corner of a side's label, tw × th, on the picture w × h: Nord centred at the
// top, Ouest at the left, Est at the right, Sud centred at the bottom.
QPoint viewLabelOrigin(QChar seat, int w, int h, int tw, int th);
