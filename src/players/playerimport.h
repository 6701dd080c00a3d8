#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class Tournament;

// "Importer": a list of players read from a file, each name put through the register's rules,
// before anything is added.
namespace playerimport {

// Beyond this a file is no list of players (10,000 players take about 200 KB).
constexpr qint64 largestList = 1024 * 1024;

// A name of the file that is not added.
struct Skipped
{
    int line = 0;        // from 1, in the file
    QString entry;       // as the register would hold it
    bool inFile = false; // repeated within the file, else already registered
};

struct Refused
{
    int line = 0;
    QString text;   // what the line gave, surname and first name
    QString reason; // the register's French sentence
};

struct Report
{
    QString error;     // the whole file refused: a French sentence; nothing else is set
    QStringList added; // the entries to add, in the register's order
    QList<Skipped> skipped;
    QList<Refused> refused;
};

// The players of a file's content against the register: a spreadsheet export (comma, semicolon
// or tab, with or without a header row), a plain list of "NOM Prénom" lines, or, when
// `tournamentFile`, the register of a tournament file. `name` names the file in the messages.
Report read(const QByteArray &content, bool tournamentFile, const QStringList &playerRegisterList, const QString &name);
// The same from the file at path (a ".trt" is a tournament file); a file that cannot be read,
// or is too large, gives an error.
Report readFile(const QString &path, const QStringList &playerRegisterList);

// The report in French: a line on the players added, then the skipped names and the refused
// lines, each with its line number and reason.
QString summary(const Report &report);
QString details(const Report &report);

// The added players into the register in its order, inscrits.tmp written at once, the tournament
// modified. On a write failure the register stays as it was.
Outcome addPlayers(Tournament &state, const QStringList &added);

} // namespace playerimport
