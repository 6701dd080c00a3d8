#pragma once

#include "platform/outcome.h"

#include <QStringList>

class WorkingFiles;

// The tournament file: [INITIAL] with the date and place, then every working file that
// exists, each under its section header, then TOUR1, TOUR2, ... up to the first gap.
QStringList tournamentLines(const WorkingFiles &files, const QString &date, const QString &place, Outcome &outcome);

// Writes it atomically: a failed write leaves the previous file whole.
Outcome saveTournament(const WorkingFiles &files, const QString &path, const QString &date, const QString &place);
