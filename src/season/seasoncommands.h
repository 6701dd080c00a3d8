#pragma once

class Application;

// "Saison..." in the Tournoi menu: the season window, always open to the director.
void installSeasonCommands(Application &app);
