#pragma once

#include "tournament/commands.h"
#include "platform/outcome.h"

#include <QStringList>

class FileSource;
class WorkingFiles;
class Tournament;

// The state of every command, from the tournament alone: the one place the menus are decided,
// applied by the main window after every change, and the same after a recovery as during work.
MenuState menuStates(const Tournament &state);

// A round start stopped between archiving round N and emptying tour.tmp leaves round N in both
// files (an older program's save holds the same): that tour.tmp is no round in progress, and
// counting it would add round N twice. It is emptied, so that round N + 1 starts afresh.
Outcome emptyRepeatedRound(const WorkingFiles &files);
// Whether tour.tmp is such a repetition (false when a file cannot be read).
bool repeatsLastRound(const FileSource &files);

// Takes the tournament up from the working files that exist, as Open and the start-up
// recovery do: the date and place, the register (sorted), the current round number, the round
// in progress and the movements; the tournament is then open to work on. The files are the working
// files, or a tournament file's sections read in memory (see tournamentfile.h).
Outcome takeUpTournament(Tournament &state, const FileSource &files);
