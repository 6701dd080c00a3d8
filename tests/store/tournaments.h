#pragma once

#include "support/testing.h"

#include <QMap>
#include <QStringList>

// Working files of tournaments at every stage, consistent with the movement rules, written
// straight into the test's working directory.
namespace tournaments {

// "NOM01 Prenom" ... in the order of the register.
QStringList players(int count);

// Seats `count` players at ⌈count ÷ 4⌉ tables, the empty chairs at Nord of tables 1, 2, 3.
QStringList seated(int count);

// Every seat code of `tables` tables, in the order score entry writes them (N, O, E, S).
QStringList seatCodes(int tables);

// A complete round of `tables` tables whose tables each sum to zero.
QStringList round(int tables, int number);

struct Shape
{
    int players = 24;
    bool seated = true;
    int finishedRounds = 0;
    int inProgressLines = -1; // lines of tour.tmp; -1: no tour.tmp
    bool incidents = false;   // one penalty and one exclusion
};

// Writes the files of a tournament of that shape; returns their names.
QStringList write(const TestPlatform &p, const Shape &shape);

// Name -> bytes of every file of the working directory.
QMap<QString, QByteArray> snapshot(const TestPlatform &p);

} // namespace tournaments
