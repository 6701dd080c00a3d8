#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installExportCommands(const Wiring &app);
