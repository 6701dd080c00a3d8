#pragma once

#include "export/exporting.h"
#include "platform/canvas.h"
#include "platform/outcome.h"
#include "tournament/tournament.h"

#include <QList>
#include <QString>
#include <QStringList>

// "Saison": one ranking over the tournaments of many evenings, each read from its tournament
// file without touching the working files of the tournament in progress.
namespace season {

// One tournament of the season as its file gives it.
struct Evening
{
    QString path;    // absolute
    QString refusal; // why it counts for nothing (the file Open would refuse); empty when it counts
    QString date, place;
    int players = 0; // the register's players, empty chairs left out
    int finishedRounds = 0;
    bool pcn = false; // its general ranking offers PCN

    // A row of its general ranking, in its order (PCN re-sorted as the ranking window does).
    struct Result
    {
        QString name;
        qint64 score = 0;
        int pcn = 0;
        bool excluded = false;
    };
    QList<Result> results;

    bool counts() const { return refusal.isEmpty(); }
};

// Reads the tournament file with Open's checks and takes its general ranking as the ranking
// window computes it for the tournament in progress.
Evening readEvening(const QString &path);
// The tournament files (".trt") of a folder, in name order.
QStringList tournamentFilesIn(const QString &folder);

enum class Measure { Score, Pcn };

struct Rule
{
    Measure measure = Measure::Score;
    int best = 0; // only each player's `best` best results count; 0: all of them
    bool operator==(const Rule &) const = default;
};

// Two names of the register the director has decided about.
struct NamePair
{
    QString first, second;
};

struct Season
{
    QList<Evening> evenings; // in the order they were added
    Rule rule;
    QList<NamePair> merges;    // the same player
    QList<NamePair> keptApart; // two players
};

// Whether two register names are probably the same player written two ways: they differ only by
// accents or case, or by one letter once folded to ASCII upper case, and the register does not
// already take them for one.
bool probableDuplicate(const QString &a, const QString &b);
// The name folded to ASCII upper case ("Élodie" gives "ELODIE").
QString folded(const QString &name);

// The season ranking: one row a player, sorted by total, equal totals in the order of the first
// general ranking (in date order) the players appear in, as the general ranking leaves ties in
// their order.
struct Standing
{
    QList<int> columns; // the counted evenings (indices into Season::evenings), in date order
    QStringList header; // "Joueur", "Tournois", one per counted evening, "Total"
    struct Row
    {
        QString name;
        int played = 0;
        qint64 total = 0;
        QStringList cells; // one per counted evening: its value, "EXCLU", "" when absent,
                           // "(value)" when best-k leaves it out
        int rank = 0;      // among the players with an evening counted; 0 for one excluded every time
    };
    QList<Row> rows;
    QString firstDate, lastDate;
    Rule rule;
};
Standing rank(const Season &season);

// The director's decisions, merges first then the pairs kept apart, as the window lists them.
// Taking back a merge makes the two names two players again, kept apart so that the pair is not
// offered again; taking back "kept apart" offers the pair again.
struct Decision
{
    NamePair pair;
    bool merged = false;
};
QList<Decision> decisions(const Season &season);
void takeBack(Season &season, qsizetype decision);

// The pairs of players the director has not decided about yet, that look like one player
// written two ways and never played the same evening.
QList<NamePair> probableDuplicates(const Season &season);

// "Classement de la saison du " first " au " last date.
QString title(const Standing &standing);
// The tournaments counted and the rule: "3 tournois — somme des scores du classement général".
QString ruleLine(const Standing &standing);

// The season file (".sai"): UTF-8, CR LF lines. The tournament files lying beside it or below it
// are written relative to its folder.
QByteArray seasonBytes(const Season &season, const QString &seasonPath);
// Written atomically.
Outcome saveSeason(const Season &season, const QString &seasonPath);

struct OpenedSeason
{
    Outcome outcome;     // the season file itself could not be read: nothing else is set
    Season season;       // every tournament listed, a missing one refused as "introuvable"
    QStringList missing; // the paths of the missing tournament files
};
OpenedSeason openSeason(const QString &seasonPath);
// The French sentence naming the missing tournament files.
QString missingMessage(const QStringList &missing);

// The standing as the export code writes it.
exporting::Table exportTable(const Standing &standing);
// The printout, on the rankings' page layout; false when the canvas refused the document.
bool print(Canvas &canvas, const PrintFont &font, const Standing &standing);
// The standing in CSV, HTML or PDF at path, replacing the file atomically.
Outcome exportStanding(const Standing &standing, const PrintFont &font, exporting::Format format, const QString &path);

} // namespace season
