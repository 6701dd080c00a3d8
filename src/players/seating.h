#pragma once

#include "platform/messages.h"
#include "platform/outcome.h"

#include <QStringList>

class Random;
class Tournament;

// The draw of the round-1 seats and its cancel.
namespace seating {

// "&Attribuer les positions" is offered once the register holds more than 5 entries, during work
// and after a take-up alike.
bool drawOffered(qsizetype entries);
// Empty chairs that make n entries a multiple of four: 0 to 3.
int emptyChairsNeeded(qsizetype n);
// Why n entries cannot be seated, at least three players a table (empty when they can).
QString refusalOfDraw(qsizetype n);

// Seats every line of list that is not an empty chair. The list holds 4T lines, its empty
// chairs already at N1 ... Nr; the steps go S1, E1, O1, N1, S2 ... and each seat's occupant is
// drawn uniformly among the players not seated yet. Lines keep their places.
void draw(QStringList &list, Random &random);

// The question before a draw that needs r empty chairs (r >= 1).
Prompt threePlayerTablesQuestion(int r);
// "&Attribuer les positions" once asked: the empty chairs, the draw, the menus and position.tmp;
// nothing is drawn when three-player tables are needed and not allowed, or refusalOfDraw refuses.
Outcome drawSeats(Tournament &state, bool threePlayerTablesAllowed);

// Why the draw can no longer be cancelled (empty when it can), or why the files could not tell.
Result<QString> refusalOfCancel(const Tournament &state);
Prompt cancelQuestion();
// "&Annuler l'attribution" once asked: back to the player entries, without the empty chairs.
Outcome cancelDraw(Tournament &state, bool confirmed);

// A seated entry back to its player entry (the text before the blank that precedes the first
// "="); other lines unchanged.
QString unseated(const QString &line);

} // namespace seating
