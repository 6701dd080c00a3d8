#pragma once

class Wiring;

// Wires the menu commands of this subsystem.
void installMovementCommands(const Wiring &app);
