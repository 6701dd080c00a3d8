#pragma once

#include "players/entries.h"

#include <QStringList>

// A seated register of `tables` tables in its sorted order, whose first `chairs` tables have an
// empty chair at Nord.
inline QStringList seatedRegister(int tables, int chairs = 0)
{
    QStringList lines;
    for (int t = 1; t <= tables; ++t)
        for (const char seat : {'N', 'S', 'E', 'O'}) {
            if (seat == 'N' && t <= chairs)
                lines << entries::emptyChair(t);
            else
                lines << QStringLiteral("JOUEUR %1%2 = %1%2").arg(QLatin1Char(seat)).arg(t);
        }
    entries::sort(lines);
    return lines;
}
