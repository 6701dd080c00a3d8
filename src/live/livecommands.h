#pragma once

class Wiring;

// "Résultats en direct...".
void installLiveCommands(const Wiring &app);
