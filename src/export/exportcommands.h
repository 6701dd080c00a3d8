#pragma once

class Application;

// Wires the menu commands of this subsystem.
void installExportCommands(Application &app);
