#pragma once

class Wiring;

// "Saison..." in the Tournoi menu: the season window, always open to the director.
void installSeasonCommands(const Wiring &app);
