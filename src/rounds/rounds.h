#pragma once

#include "tournament/tournament.h"
#include "tournament/workingfilenames.h"
#include "movements/positions.h"
#include "platform/messages.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The rules of the rounds: starting one, entering a table's scores, looking back at a finished
// round, cancelling the round in progress. Seats are always in the order Nord, Sud, Est, Ouest.
namespace rounds {

// Why a command needs seated players and nobody is seated yet; empty when somebody is.
QString refusalWithoutSeats(const Tournament &state);

// ---- Starting a round

// As many score lines as register lines: the next use of score entry offers a new round.
bool roundComplete(const Tournament &state);
QString newRoundQuestion(int round);
// Starts round currentRound + 1: the general ranking prepared first when the movements follow
// it (`storeRankingOrder`), the finished round archived, an empty tour.tmp, the movement lines of the
// new round recorded in depl.tmp, the round number advanced. Stops at the first file error. Gives
// the notice to show when the round after changes the automatic movements again.
Result<std::optional<Prompt>> startRound(Tournament &state);

// ---- Score entry

// `nameAtSeat` for one seat: the beginning of the last register line that ends with " = " and the
// seat code, up to and including the blank before "="; empty when there is none.
QString nameAtSeat(const QStringList &playerRegisterList, const QString &seatCode);
// `scores` for one seat: the text recorded after "seat code=" in the score list; empty when none.
QString recordedScore(const QStringList &scoreList, const QString &seatCode);

// What the dialog shows for a table of the current round.
struct TableEntry
{
    SeatedTable seated;
    std::array<QString, 4> names;
    std::array<QString, 4> scores; // an empty chair's is 0 until recorded
    std::array<bool, 4> emptyChairs{};
};
TableEntry tableEntry(const Tournament &state, int table);

// The value of a score box: empty counts 0; anything but a whole number within ±1,000,000 has
// none, so the table cannot balance and no sum can overflow.
std::optional<qint64> scoreValue(const QString &box);
// OK is usable exactly when the four boxes sum to zero.
bool balanced(const std::array<QString, 4> &boxes);

// Records a table: a leading "+" is dropped from each box; with a box still empty, returns its
// index (0..3) and records nothing; otherwise replaces the seats' lines in place, appends the
// others (Nord, Ouest, Est, Sud), writes tour.tmp at once and returns -1 (with the write's failure, if any).
Result<int> recordTable(Tournament &state, const std::array<QString, 4> &seatCodes, std::array<QString, 4> &boxes);

QString tablesToEnterText(qint64 tables); // "Vous avez T tables à saisir."
// The tables of the current round, table t at t - 1: true when entered, that is when the player
// at its Nord seat has a score (a table's four scores are recorded together, once they balance).
QList<bool> enteredTables(const Tournament &state);
// The progress line after a table is recorded.
QString progressText(const Tournament &state);

// ---- A previous round

// The line shown for a score line and its seated entry: name padded to 25 columns, seat text
// to 20, score right-aligned in 17.
QString previousRoundLine(const QString &seatedEntry, const QString &scoreLine);
// The sorted lines of round n (the round in progress when round n is not finished).
Result<QStringList> previousRoundLines(const Tournament &state, int round);

// ---- Cancelling the round in progress

QString cancelQuestion(qsizetype scores);
// Forgets the round in progress: its movement lines, its scores, its number. From round 2 on
// the previous round becomes current again and complete, in memory and in the files.
Outcome cancelRound(Tournament &state);

} // namespace rounds
