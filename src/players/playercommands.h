#pragma once

class Application;

// Wires the menu commands of this subsystem.
void installPlayerCommands(Application &app);
