#pragma once

#include "tournament/tournament.h"
#include "platform/canvas.h"

// The printed rankings: the table as it stands, one numbered line a row, on the shared page
// layout. False when the printer refused to begin the document.
// Their titles: "Classement Général Tournoi du " date place, "Classement du tour n°4 Tournoi du " ...
QString generalRankingTitle(const Tournament &state);
QString roundRankingTitle(const Tournament &state, int round);

bool printGeneralRanking(Canvas &canvas, const Tournament &state, const RankingTable &table);
bool printRoundRanking(Canvas &canvas, const Tournament &state, const RankingTable &table, int round);
