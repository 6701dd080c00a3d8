#pragma once

#include "platform/outcome.h"
#include "rankings/rankingtable.h"
#include "tournament/commands.h"
#include "tournament/finishedrounds.h"

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

class FileSource;

// The tournament in progress, owned by the application and passed by reference. It is loaded
// once from the working files (Open and the start-up recovery) and each change below writes its
// file at once: the working files are its journal, so a power cut loses nothing, and nothing
// re-reads them while the program runs.
struct Tournament
{
    QStringList playerRegisterList; // kept in French case-insensitive order
    QStringList scoreList;          // the round in progress: tour.tmp
    bool roundStarted = false;      // tour.tmp exists (a round may be started with no score yet)
    QStringList movementList;       // depl.tmp
    FinishedRounds finishedRounds;  // tour1.tmp, tour2.tmp ... up to the first gap
    QStringList penalties;          // penal.tmp, "seat code=value"
    QStringList exclusions;         // exclu.tmp, one seat code a line
    bool started = false;           // the main window's first activation has run
    int currentRound = 1;
    MovementSettings movement;
    bool modified = false;
    QString date;                   // "Date : " of "Nouveau": INITIAL.TMP
    QString place;                  // "Lieu :" of "Nouveau": INITIAL.TMP
    QString tournamentFile;         // the .trt saved to or opened, empty until then
    PrintFont printFont;
    RankingTable generalRanking;    // as last prepared
    MenuState menus;

    // ⌈E ÷ 4⌉, E the register's lines (players and empty chairs).
    int tableCount() const { return int((qint64(playerRegisterList.size()) + 3) / 4); }

    // The lines of finished round n (from 1); empty when it has no file.
    QStringList finishedRound(int n) const { return finishedRounds.value(n - 1); }

    // The journal: each writes its working file, then the model holds the same lines.
    [[nodiscard]] Outcome addPenalty(const QString &seatCode, int value);
    [[nodiscard]] Outcome addExclusion(const QString &seatCode);
    [[nodiscard]] Outcome liftExclusions();
    [[nodiscard]] Outcome saveScores();         // tour.tmp from the score list
    [[nodiscard]] Outcome saveRegister() const; // inscrits.tmp from the register
    [[nodiscard]] Outcome savePositions() const; // position.tmp from the register
    // The date and place, as typed: INITIAL.TMP, two lines.
    [[nodiscard]] Outcome setDescription(const QString &date, const QString &place);
    // The date and place from INITIAL.TMP when there is one (part of the take-up); else unchanged.
    [[nodiscard]] Outcome loadDescription(const FileSource &files);
    // Round `currentRound` finished: its scores become its tour file, the score list empties.
    [[nodiscard]] Outcome archiveRound();
    // The last finished round back to the round in progress (its file removed).
    [[nodiscard]] Outcome reopenLastRound();

    // The rounds, their scores and the incidents, from the files (part of the take-up): the
    // working files, or a tournament file's sections.
    [[nodiscard]] Outcome loadRoundsAndIncidents(const FileSource &files);
    // No round, score or incident (a new tournament, a register without seats).
    void forgetRoundsAndIncidents();
};
