#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installRankingCommands(const Wiring &app);
