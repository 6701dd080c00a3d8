#pragma once

#include "platform/outcome.h"

struct Tournament;

// The start-up recovery: offers back, stage by stage, the tournament the working files hold,
// deletes what the director declines, and takes up what is left. A file that cannot be read
// or deleted ends the questions; its error is returned.
Outcome runRecovery(Tournament &state);
