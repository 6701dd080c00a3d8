#pragma once

#include "tournament/commands.h"

#include <QList>
#include <QString>

class Tournament;

// Where the evening stands, as the main window shows it, and the command that obviously comes
// next. Computed from the tournament alone, like the menus.
struct Evening
{
    QString stage;             // "Tour 3 en cours"
    int round = 0;             // the round of the tables below; 0 before the draw
    QList<bool> tablesEntered; // table t at t - 1; empty before the draw
    qsizetype penalties = 0;
    qsizetype exclusions = 0;
    Cmd nextCommand = Cmd::Nouveau;
    QString nextStep; // "Saisir les résultats du tour 3"
};

// plannedRounds: after the round of that number, the next step is the ranking, not a new round.
Evening evening(const Tournament &state, int plannedRounds);

// The date and place as the main window and the room display head them: "Le 08/12/2026 — Salle
// des fêtes"; either alone when the other is empty.
QString descriptionText(const Tournament &state);

// What the status bar says once a tournament is opened: "Tournoi ouvert : 24 joueurs, 3 tours".
QString openedText(const Tournament &state);
