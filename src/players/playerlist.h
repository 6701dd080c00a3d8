#pragma once

#include <QStringList>

class Canvas;
class Tournament;

// The two read-only views of the register: the "Visualisation" list and the printed
// "Liste des joueurs".
namespace playerlist {

// Player numbers replace the seats at exactly 3 or 4 tables (12 or 16 lines).
bool numbered(const QStringList &list);

// The lines of "Visualisation", in French order: displayed entries, empty chairs left out,
// player numbers at 12 or 16 lines when the automatic FFT movements are chosen.
QStringList listingLines(const Tournament &state);

// One printed row: the name column and the seat column ("Nord 3", "Joueur n° 6" or empty).
struct Row
{
    QString name;
    QString seat;
};
Row printedRow(const QString &line, bool numbered);
// The rows of the printed list, one per register line (empty chairs included).
QList<Row> printedRows(const Tournament &state);

// Prints the "Liste des joueurs" on canvas with the printing font; false when the printer
// refused the document.
bool print(Canvas &canvas, const Tournament &state);

} // namespace playerlist
