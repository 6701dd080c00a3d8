#include "movements/positions.h"

qint64 wrapTable(qint64 x, qint64 tables)
{
    if (tables <= 0)
        return x;
    const qint64 m = (x - 1) % tables;
    return (m < 0 ? m + tables : m) + 1;
}

qint64 totalise(const QStringList &, QChar, int)
{
    return 0;
}

SeatedTable tableInRound(const TournamentState &, qint64, int)
{
    return {};
}

bool smallFieldMode(const TournamentState &)
{
    return false;
}

bool deplauto(MovementSettings &, qint64, int)
{
    return false;
}
