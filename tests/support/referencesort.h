#pragma once

#include "players/entries.h"
#include "rankings/ranking.h"
#include "tournament/lines.h"

#include <QStringList>

#include <algorithm>

// The name lookup as first written: the name (text before "=") of the last register line ending
// with the seat code. NameIndex must answer the same.
inline QString nameEndingWithSeat(const QStringList &playerRegisterList, const QString &seatCode)
{
    QString name;
    for (const QString &line : playerRegisterList)
        if (line.endsWith(seatCode))
            name = lines::nameOfEntry(line).toString();
    return name;
}

// The ranking sort as first written, quadratic, over rows of texts: the reference sortRanking
// must match, in test_ranking and in the fuzz targets fuzz_ranking and fuzz_rankings. Column k: 0 NOM, 1 POSITION, 2
// SCORE.
inline void referenceSort(QList<QStringList> &rows, int k)
{
    const qsizetype n = rows.size();
    if (n < 2)
        return;
    QStringList order;
    if (k != 1) {
        for (const QStringList &row : rows)
            order << row[k];
    }
    if (k == 2) {
        // The excluded players, then the empty chairs, go after every total, in their order.
        QStringList unranked[2];
        order.removeIf([&](const QString &text) {
            const int group = text == ranking::excluded ? 0 : text == ranking::notApplicable ? 1 : -1;
            if (group >= 0)
                unranked[group] << text;
            return group >= 0;
        });
        const qsizetype ranked = order.size();
        for (qsizetype p = 0; p + 1 < ranked; ++p) {
            qint64 m = -32767;
            for (qsizetype q = p; q < ranked; ++q) {
                const qint64 v = ranking::value(order[q]);
                if (v > m) {
                    m = v;
                    order.move(q, p);
                }
            }
        }
        order << unranked[0] << unranked[1];
    } else if (k == 0) {
        std::stable_sort(order.begin(), order.end(), entries::less);
    } else if (n == 12 || n == 16) {
        for (int i = 1; i <= n; ++i)
            order << QStringLiteral(" Joueur n° %1").arg(i);
    } else {
        for (const char *seat : {"Nord ", "Sud ", "Est ", "Ouest "})
            for (int i = 1; i <= n / 4; ++i)
                order << QString::fromLatin1(seat) + QString::number(i);
    }
    for (qsizetype p = 0; p < n && p < order.size(); ++p) {
        qsizetype r = p;
        while (r < n && rows[r][k] != order[p])
            ++r;
        rows.swapItemsAt(p, std::min(r, n - 1));
    }
}
