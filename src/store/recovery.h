#pragma once

struct TournamentState;

// The start-up recovery: offers back, stage by stage, the tournament the working files hold.
void runRecovery(TournamentState &state);
