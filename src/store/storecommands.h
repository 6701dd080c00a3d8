#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installStoreCommands(const Wiring &app);
