#pragma once

#include "platform/outcome.h"

#include <QList>
#include <QStringList>

class WorkingFiles;
struct Tournament;

// The tournament file: [INITIAL] with the date and place, then every working file that
// exists, each under its section header, then TOUR1, TOUR2, ... up to the first gap.
Result<QByteArray> tournamentBytes(const WorkingFiles &files, const QString &date, const QString &place);

// Far beyond any tournament (1,000 players and 10 rounds take 140 KB): not one.
constexpr qint64 largestTournamentFile = 16 * 1024 * 1024;

// Writes it atomically: a failed write leaves the previous file whole.
Outcome saveTournament(const WorkingFiles &files, const QString &path, const QString &date, const QString &place);

// One section of a tournament file: its name (the header without its first and last
// characters) and its lines, copied verbatim.
struct Section
{
    QString name;
    QStringList lines;
};

// The sections of a tournament file's content. False when the file cannot be taken up: its
// first line is not a header, or a section name is not a plain name (letters, digits and
// underscores, not a device name) that can only ever be a file of the working directory.
bool parseTournament(const QByteArray &content, QList<Section> &sections);

// The working file a section restores: the name plus ".tmp", except POSITIONS, position.tmp.
QString sectionFile(const QString &name);

// What Open did with the chosen file.
struct Opened
{
    bool corrupt = false; // missing or not a tournament file: nothing was touched
    Outcome outcome;      // a read or write failure
    bool hasInitial = false;
    QString date, place; // the two lines of [INITIAL]
};

// Open, once the file is chosen: reads and checks it before anything is deleted, then
// replaces the working files by its sections and takes the tournament up from them.
Opened openTournament(Tournament &state, const WorkingFiles &files, const QString &path);
