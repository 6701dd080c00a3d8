#pragma once

#include "movements/positions.h"
#include "tournament/tournament.h"

#include <QList>
#include <QString>

// What the room display shows beside the rankings: its header, and between two rounds where
// every player sits next.
namespace room {

// "Tour 3 : 9 tables saisies sur 15", counted as the evening panel counts its tiles; empty
// before the draw.
QString progressText(const Tournament &state);

// The round the "Prochain tour" page seats: the current one while it has no score yet, the next
// one once the current round is complete (none after the last planned round); 0 while a round
// is being played or before the draw.
int nextRound(const Tournament &state);

// Where everyone sits in `round`, as score entry will seat them: a round not started yet is
// foreseen with the values its start will record.
RoundSeating seatingOfRound(const Tournament &state, int round);

struct Place
{
    QString name;
    qint64 table = 0; // 0: no table of the round seats him
    QString seat;     // "Nord", "Sud", "Est", "Ouest"
};
// Every player of the register, in its order (empty chairs left out), with his table and seat
// in `round`, as seatingOfRound tells them.
QList<Place> placesInRound(const Tournament &state, int round);

} // namespace room
