#pragma once

#include "platform/filesource.h"
#include "platform/outcome.h"

#include <QHash>
#include <QList>
#include <QStringList>

class WorkingFiles;
class Tournament;

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

// A tournament file read and checked as Open checks it, nothing else touched.
struct TournamentFileRead
{
    bool corrupt = false; // missing, too large, or not a tournament file
    Outcome outcome;      // the file could not be read
    QList<Section> sections;
};
TournamentFileRead readTournamentFile(const QString &path);

// The working files that Open would write from these sections, held in memory: each section
// under its file's name (a later section of the same file replaces an earlier one, as Open's
// writes do), read as Open's take-up reads them. Its round in progress is already emptied when it
// repeats the last finished round, as Open empties it.
class SectionFiles : public FileSource
{
public:
    explicit SectionFiles(const QList<Section> &sections);

    bool exists(const QString &name) const override;
    Outcome read(const QString &name, QStringList &lines) const override;
    Outcome readBytes(const QString &name, QByteArray &bytes) const override;

private:
    QHash<QString, QStringList> m_files; // by lower-case name: the working files' names ignore case
};

// A tournament file's tournament as Open takes it up, from its sections, without a working file:
// the model, the date and place of [INITIAL].
struct TakenUp
{
    Outcome outcome;
    QString date, place;
};
TakenUp takeUpSections(Tournament &state, const QList<Section> &sections);

// What Open did with the chosen file.
struct Opened
{
    bool corrupt = false; // missing or not a tournament file: nothing was touched
    Outcome outcome;      // a read or write failure
};

// Open, once the file is chosen: reads and checks it before anything is deleted, then
// replaces the working files by its sections and takes the tournament up from them.
Opened openTournament(Tournament &state, const WorkingFiles &files, const QString &path);
