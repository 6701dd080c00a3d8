#include "tournament/tournament.h"

int MovementSettings::value(QChar seat) const
{
    switch (seat.unicode()) {
    case 'N': return nord;
    case 'E': return est;
    case 'O': return ouest;
    case 'S': return sud;
    default: return 0;
    }
}

void MovementSettings::setValue(QChar seat, int v)
{
    switch (seat.unicode()) {
    case 'N': nord = v; break;
    case 'E': est = v; break;
    case 'O': ouest = v; break;
    case 'S': sud = v; break;
    default: break;
    }
}
