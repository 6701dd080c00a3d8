#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installPlayerCommands(const Wiring &app);
