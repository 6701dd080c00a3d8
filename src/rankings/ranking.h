#pragma once

#include "app/state.h"

// The ranking tables, built from the working files (platform().files).

// `prepareletab`: the general ranking table, sorted by total.
RankingTable prepareletab(const TournamentState &state);

// The ranking table of one round (no penalties), sorted by score.
RankingTable roundRanking(const TournamentState &state, int round);

// `cherchenom`: the name (text before "=") of the last register line ending with the seat code.
QString cherchenom(const QStringList &playerRegisterList, const QString &seatCode);

// `retrie`: re-sorts the rows by column 0 (NOM), 1 (POSITION) or 2 (SCORE).
void retrie(RankingTable &table, int column);
