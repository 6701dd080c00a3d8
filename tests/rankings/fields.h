#pragma once

#include "players/entries.h"

#include <QStringList>

// Working data of a tournament of `lines` seats: the seat codes in player-number order, a seated
// register with its empty chairs at N1, N2 ..., and score lines.
inline QStringList seatCodes(int lines)
{
    QStringList list;
    for (int k = 1; k <= lines; ++k)
        list << entries::seatCodeOfPlayer(k);
    return list;
}

inline QStringList seatedRegister(int lines, int players)
{
    QStringList list;
    for (int k = 1; k <= lines; ++k) {
        const QString code = entries::seatCodeOfPlayer(k);
        const int chair = k % 4 == 1 ? (k + 3) / 4 : 0;
        if (chair >= 1 && chair <= lines - players)
            list << entries::emptyChair(chair);
        else
            list << QStringLiteral("JOUEUR%1 Paul = %2").arg(k).arg(code);
    }
    entries::sort(list);
    return list;
}

inline QStringList scoreLines(const QStringList &codes, const QList<int> &scores)
{
    QStringList lines;
    for (qsizetype i = 0; i < codes.size() && i < scores.size(); ++i)
        lines << codes[i] + QLatin1Char('=') + QString::number(scores[i]);
    return lines;
}
