#pragma once

#include "platform/outcome.h"

#include "tournament/tournament.h"

// Today's date as "Date :" shows it.
QString today();
// The program's tournament before any is begun; one taken up without INITIAL.TMP keeps this
// date and place.
Tournament::Data startingData();

// "Nouveau" confirmed: no working file left but INITIAL.TMP with the date and place, empty lists,
// round 1, registration open, and every command in the state a new tournament allows.
Outcome startNewTournament(Tournament &state, const QString &date, const QString &place);

// Why a date or place cannot be kept (it would read back as a section header, or holds a
// character the files cannot store); empty when it can.
QString refusalOfDescription(const QString &text, const QString &what);
