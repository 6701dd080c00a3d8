#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installIncidentCommands(const Wiring &app);
