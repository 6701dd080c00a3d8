#pragma once

#include "tournament/commands.h"
#include "platform/outcome.h"

#include <QStringList>

class FileSource;
class WorkingFiles;
struct Tournament;

// How far a tournament has gone, as its working files tell it.
struct Stage
{
    bool seated = false;          // position.tmp holds seats
    int finishedRounds = 0;       // tour files from tour1.tmp to the first gap
    bool roundInProgress = false; // tour.tmp
};

// The state of every command for a tournament at this stage (registration at least open),
// so that nothing carries over from an earlier tournament of the run.
MenuState tournamentMenus(const QStringList &playerRegisterList, const Stage &stage);

// A round start stopped between archiving round N and emptying tour.tmp leaves round N in both
// files (an older program's save holds the same): that tour.tmp is no round in progress, and
// counting it would add round N twice. It is emptied, so that round N + 1 starts afresh.
Outcome emptyRepeatedRound(const WorkingFiles &files);
// Whether tour.tmp is such a repetition (false when a file cannot be read).
bool repeatsLastRound(const FileSource &files);

// Takes the tournament up from the working files that exist, as Open and the start-up
// recovery do: the date and place, the register (sorted), the current round number, the round
// in progress, the movements, and the menus. The files are the working files, or a tournament file's sections
// read in memory (see tournamentfile.h).
Outcome takeUpTournament(Tournament &state, const FileSource &files);
