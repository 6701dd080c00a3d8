#pragma once

#include "support/testing.h"

#include <QList>
#include <QMap>
#include <QStringList>

class Application;
class Tournament;

// Working data of tournaments at every stage, consistent with the movement rules: registers,
// seat codes, score lines, and the working files of a whole tournament written straight into the
// test's working directory.
namespace tournaments {

// "NOM01 Prenom" ... in the order of the register.
QStringList players(int count);

// Every seat code of `tables` tables, table after table, each in table order N, S, E, O: the order
// of the player numbers (N1 is player 1, O1 player 4). Score entry writes a table's lines in
// another order, N, O, E, S: the entry order of round().
QStringList seatCodesInTableOrder(int tables);

// The name a built register gives the player of each seat.
enum class Names {
    BySeat,     // "JOUEUR N1 = N1"
    ByNumber,   // "JOUEUR1 Paul = N1": the player number of the seat
    Registered, // players() of the register, one seat each, the last first in entry order
};

// A seated register of `tables` tables in its sorted order: a player at every seat, an empty chair
// at Nord of tables 1 to `chairs`.
QStringList seatedRegister(int tables, int chairs = 0, Names names = Names::BySeat);

// A state holding seatedRegister(tables, chairs), nothing written.
Tournament seatedState(int tables, int chairs = 0);

// The register write() seats: `count` players at ⌈count ÷ 4⌉ tables, the empty chairs at Nord of
// tables 1, 2, 3.
QStringList seated(int count);

// A seated register as the draw leaves it: its players written to inscrits.tmp, the register to
// position.tmp and loaded in the state, the Tables menu open.
void seat(const TestPlatform &p, Tournament &state, const QStringList &seated);
void seat(const TestPlatform &p, Application &app, const QStringList &seated);

// "code=score" for each code, as a score file holds them.
QStringList scoreLines(const QStringList &codes, const QList<int> &scores);

// A complete round of `tables` tables whose tables each sum to zero, in entry order.
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
