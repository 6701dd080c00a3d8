#pragma once

#include "platform/canvas.h"
#include "tournament/tournament.h"

#include <QStringList>

// "Codes des tables": a slip for each table of the round in progress, to cut out and lay on the
// table: its number, the round, its code (codes as tableentry::codesOfRound gives them, table t at
// t - 1), the four seats and their players, and how a phone sends the table's scores with the code.
// Two columns of slips, as many rows as fit on the page, dashed cut lines between them. False when
// the printer refused the document.
bool printTableCodes(Canvas &canvas, const PrintFont &font, const Tournament &state, const QStringList &codes);
