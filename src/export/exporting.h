#pragma once

#include "platform/outcome.h"

#include <QByteArray>

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class Canvas;
class Tournament;

// "Exporter": a list of the tournament (the players, the positions, a ranking) written to a file
// as CSV, HTML or PDF, from the same rows as its printout.
namespace exporting {

enum class List { Players, Positions, GeneralRanking, RoundRanking };
enum class Format { Csv, Html, Pdf };

struct Choice
{
    List list = List::Players;
    Format format = Format::Csv;
    int round = 1;    // the round ranking's round
    bool pcn = false; // the general ranking with its PCN column
    int rounds = 6;   // the positions table's rounds
};

// What there is to export: the player list once a player is registered, the positions once the
// draw is made, the rankings once a score is entered (rounds 1 to lastRound), PCN as the general
// ranking window allows it.
struct Available
{
    bool players = false;
    bool positions = false;
    bool generalRanking = false;
    bool pcn = false;
    int lastRound = 0;
};
Available available(const Tournament &state);
bool allowed(const Available &available, const Choice &choice);

// A list as its printout shows it: the title, the column titles and the rows, each cell without
// the blanks around it; `ranked` lists print a rank before each row (none where it is 0).
struct Table
{
    QString title;
    QString tournament; // "Tournoi du " date place, when the title does not already say it
    bool ranked = false;
    QStringList header;
    QList<QStringList> rows;
    std::vector<int> ranks; // of a ranked list, one a row
};
Table table(const Tournament &state, const Choice &choice);

// The file name without its suffix, as the printout's document is named:
// "Classement général - tour 4", "Classement du tour 3", "Liste des joueurs", "Liste des positions".
QString documentName(const Tournament &state, const Choice &choice);
QString suffix(Format format); // "csv", "html", "pdf"

// What a French spreadsheet opens as is: UTF-8 with its mark, ";" between fields, CR LF, the
// column titles first (and "RANG" for a ranked list), integers written plainly.
QByteArray csv(const Table &table);
// One self-contained HTML5 page in UTF-8, with a stylesheet for printing.
QByteArray html(const Table &table);
// The printout itself on canvas; false when the canvas refused the document.
bool print(Canvas &canvas, const Tournament &state, const Choice &choice);

// The chosen list in its format written at path, replacing the file atomically (a PDF is first
// printed to a temporary file). A French sentence naming the file on failure.
Outcome write(const Tournament &state, const Choice &choice, const QString &path);
// Bytes written at path atomically; a printout printed to a PDF first, then written the same way.
Outcome writeBytes(const QString &path, const QByteArray &bytes);
Outcome writePdf(const QString &path, const std::function<bool(Canvas &)> &printout);

} // namespace exporting
