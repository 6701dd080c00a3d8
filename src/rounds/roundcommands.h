#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installRoundCommands(const Wiring &app);
