#pragma once

#include "tournament/commands.h"

#include <QList>
#include <QString>
#include <QStringList>

// The movement rule of "Déplacement des joueurs"; never written to any file.
struct MovementSettings
{
    int nord = 0;
    int est = 2;
    int ouest = -2;
    int sud = 1;
    bool fft = true;            // "déplacements automatiques FFT"
    bool pcnCoefficient = false; // "coefficient PCN" (read by nothing else)
    QString pcnCoefficientText = QStringLiteral("1");
    bool byRanking = false;     // "par rang de classement"

    // Value of a seat letter N, E, O or S.
    int value(QChar seat) const;
    void setValue(QChar seat, int v);
};

// The font chosen with "option d'&Impression", used by every printout.
struct PrintFont
{
    QString family = QStringLiteral("Arial");
    int size = 10;
};

// The grid "NOM", "POSITION", "SCORE" (and "PCN"): header row then one row per seat code.
struct RankingTable
{
    QStringList header;
    QList<QStringList> rows; // each row holds header.size() cells
};

// The whole shared in-memory state, owned by the application and passed by reference.
struct Tournament
{
    QStringList playerRegisterList; // kept in French case-insensitive order
    QStringList scoreList;          // round in progress, mirror of tour.tmp
    QStringList movementList;       // mirror of depl.tmp
    bool started = false;           // the main window's first activation has run
    int currentRound = 1;
    MovementSettings movement;
    bool modified = false;
    QString date;                   // initialisation dialog, "Date : "
    QString place;                  // initialisation dialog, "Lieu :"
    QString tournamentFile;         // the .trt saved to or opened, empty until then
    PrintFont printFont;
    RankingTable generalRanking;    // as last prepared
    MenuState menus;

    // ⌈E ÷ 4⌉, E the register's lines (players and empty chairs).
    int tableCount() const { return int((qint64(playerRegisterList.size()) + 3) / 4); }
};
