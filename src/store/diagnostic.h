#pragma once

#include "tournament/tournament.h"
#include "platform/outcome.h"

#include <QDateTime>
#include <QStringList>

class WorkingFiles;

// A POSITION text written in upper case with its seat in full ("NORD 3") as its seat code
// ("N3"); the ranking's own texts ("Nord 3") stay as they are.
QString classgenPosition(const QString &position);

// classgen.dia: the POSITION text, "=" and the SCORE text of every row, header row first.
QStringList classgenLines(const RankingTable &table);

// The checks of the working files against one another, as the lines of the report. The
// general ranking is built first and, when it has rows, saved to classgen.dia. No working
// file changes. A file that cannot be read ends the report, which comes with the reason.
Result<QStringList> diagnose(Tournament &state, const WorkingFiles &files, const QDateTime &now);
