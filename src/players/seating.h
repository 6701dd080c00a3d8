#pragma once

#include "platform/outcome.h"

#include <QStringList>

class Random;
struct Tournament;

// The draw of the round-1 seats and its cancel.
namespace seating {

// "&Attribuer les positions" is offered once the register holds more than 5 entries (the take-up
// of a saved or interrupted tournament asks more than 7).
bool drawOffered(qsizetype entries);
// Empty chairs that make n entries a multiple of four: 0 to 3.
int emptyChairsNeeded(qsizetype n);
// Why n entries cannot be seated, at least three players a table (empty when they can).
QString refusalOfDraw(qsizetype n);

// Seats every line of list that is not an empty chair. The list holds 4T lines, its empty
// chairs already at N1 ... Nr; the steps go S1, E1, O1, N1, S2 ... and each seat's occupant is
// drawn uniformly among the players not seated yet. Lines keep their places.
void draw(QStringList &list, Random &random);

// "&Attribuer les positions": the three-player question, the empty chairs, the draw, the menus
// and position.tmp.
Outcome drawSeats(Tournament &state);
// "&Annuler l'attribution": back to the player entries, without the empty chairs.
Outcome cancelDraw(Tournament &state);

// A seated entry back to its player entry (the text before the blank that precedes the first
// "="); other lines unchanged.
QString unseated(const QString &line);

} // namespace seating
