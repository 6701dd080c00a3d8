#pragma once

#include "tournament/tournament.h"
#include "platform/canvas.h"

// The printed positions table, "Liste des positions": for every line of the register, its
// table (or, in small-field mode, table and seat) in rounds 1 to `rounds`, planned at `tables`
// tables from the current movement settings. Ends the document; false when the printer refused.
bool printPositions(Canvas &canvas, const Tournament &state, qint64 tables, int rounds);

// The content of the positions table: the column titles ("NOM", "POSITION", "tour 1" ...) and one
// row per register line: its name (trailing blank kept), its seat ("Nord 3", or "n° 9" in
// small-field mode; empty when it has none) and its cell in each round (empty when none).
struct PositionsRow
{
    QString name;
    QString seat;
    QStringList cells;
};
QStringList positionsHeader(int rounds);
QList<PositionsRow> positionsRows(const Tournament &state, qint64 tables, int rounds);

// A register line split at its first "=": the name before it (its trailing blank kept) and the
// seat code after it; no seat code when the line has none.
struct RegisterLine
{
    QString name;
    QString seatCode;
};
RegisterLine splitRegisterLine(const QString &line);
