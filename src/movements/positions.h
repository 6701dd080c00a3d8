#pragma once

#include "app/state.h"

#include <QString>
#include <QStringList>

#include <array>

// Where every player sits in every round. A player is known by his round-1 seat code; his
// later seats are computed, never stored.

// Wraps x into 1..tables (64-bit modulo, so any hand-edited value is safe).
qint64 wrapTable(qint64 x, qint64 tables);

// `Totalise`: the displacement of a seat letter up to round R, the sum of the movement lines
// of that letter whose round is at most R.
qint64 totalise(const QStringList &movementList, QChar seat, int round);

// The four seats of a table in a round as score entry and the positions view show them,
// in the order Nord, Sud, Est, Ouest.
struct SeatedTable
{
    std::array<QString, 4> seatCodes; // the occupants' round-1 seat codes (N3, S1, ...)
    std::array<QString, 4> shown;     // round-1 table number, or player number in small-field mode
    bool smallField = false;
};

// Occupants of table t in round R: the shift rule on the recorded movements, a forecast from
// the current settings for a round after the current one, or the small-field schedule.
SeatedTable tableInRound(const TournamentState &state, qint64 table, int round);

// True when the automatic FFT movements follow the fixed small-field schedule.
bool smallFieldMode(const TournamentState &state);

// `deplauto`: sets the automatic FFT values for round `round` (>= 2) at `tables` tables;
// returns true when the following round changes them again (the warning
// "Au prochain tour, le déplacement change.").
bool deplauto(MovementSettings &settings, qint64 tables, int round);
