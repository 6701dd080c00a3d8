#pragma once

#include "platform/listeners.h"
#include "platform/outcome.h"
#include "rankings/rankingtable.h"
#include "tournament/commands.h"
#include "tournament/finishedrounds.h"

#include <QFlags>
#include <QList>
#include <QString>
#include <QDateTime>
#include <QStringList>

#include <functional>

// The movement rule of "Déplacement des joueurs"; never written to any file.
struct MovementSettings
{
    int nord = 0;
    int est = 2;
    int ouest = -2;
    int sud = 1;
    bool fft = true;             // "déplacements automatiques FFT"
    bool pcnCoefficient = false; // "coefficient PCN" (read by nothing else)
    QString pcnCoefficientText = QStringLiteral("1");
    bool byRanking = false; // "par rang de classement"
    int plannedRounds = 5;  // "Tours prévus": how far repeat meetings are looked for, and when the evening ends

    bool operator==(const MovementSettings &) const = default;

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
// re-reads them while the program runs. Its mutators are the only way to change it: each writes
// its file, marks the tournament modified and tells the listeners what changed, so that windows
// show it again from that and never from focus or a timer.
class Tournament
{
public:
    // What a change touched; the listeners get the sum of a mutator's changes.
    enum Change {
        Register = 0x1,       // the lines of the register
        Seats = 0x2,          // its seat codes: a draw, a late player, an exchange
        Scores = 0x4,         // the round in progress
        Rounds = 0x8,         // finished rounds, the current round
        Movements = 0x10,     // depl.tmp
        Incidents = 0x20,     // penalties, exclusions
        Description = 0x40,   // date and place
        File = 0x80,          // the .trt saved to or opened
        Modified = 0x100,     // whether there are changes not saved
        Stage = 0x200,        // started, opened
        Settings = 0x400,     // movement settings, print font: kept in no file
        TableEntries = 0x800, // the table codes, the scores the tables sent
    };
    Q_DECLARE_FLAGS(Changes, Change)
    // Whether the changes touch what the rankings and seatings show: not only where or whether it is
    // saved, nor only what the tables sent, which waits for the director.
    static bool touchesContent(Changes changes) { return bool(changes & ~Changes(File | Modified | TableEntries)); }

    // Everything the tournament holds, as plain values: what the take-up reads from the files
    // and what tests build tournaments from.
    struct Data
    {
        QStringList playerRegisterList; // kept in French case-insensitive order
        QStringList scoreList;          // the round in progress: tour.tmp
        bool roundStarted = false;      // tour.tmp exists (a round may be started with no score yet)
        QStringList movementList;       // depl.tmp
        FinishedRounds finishedRounds;  // tour1.tmp, tour2.tmp ... up to the first gap
        QStringList penalties;          // penal.tmp, "seat code=value"
        QStringList exclusions;         // exclu.tmp, one seat code a line
        QStringList tableCodes;         // codes.tmp: the round, then a code a table
        QStringList submissions;        // propositions.tmp: scores sent from the tables, waiting
        bool started = false;           // the main window's first activation has run
        bool opened = false;            // a tournament to work on: "Nouveau", "Ouvrir" or the recovery
        int currentRound = 1;
        MovementSettings movement;
        bool modified = false;
        QString date;           // "Date : " of "Nouveau": INITIAL.TMP
        QString place;          // "Lieu :" of "Nouveau": INITIAL.TMP
        QString tournamentFile; // the .trt saved to or opened, empty until then
        QDateTime savedAt;      // when that file was written, by this run or before it was opened
        PrintFont printFont;
        RankingTable generalRanking; // as last prepared

        // The date and place from INITIAL.TMP when there is one; else unchanged.
        [[nodiscard]] Outcome loadDescription(const FileSource &files);
        // The rounds, their scores and the incidents, from the working files or a tournament
        // file's sections.
        [[nodiscard]] Outcome loadRoundsAndIncidents(const FileSource &files);
        // No round, score or incident (a new tournament, a register without seats).
        void forgetRoundsAndIncidents();
    };

    Tournament() = default;
    explicit Tournament(Data data) : m_data(std::move(data)) {}

    const Data &data() const { return m_data; }
    const QStringList &playerRegisterList() const { return m_data.playerRegisterList; }
    const QStringList &scoreList() const { return m_data.scoreList; }
    bool roundStarted() const { return m_data.roundStarted; }
    const QStringList &movementList() const { return m_data.movementList; }
    const FinishedRounds &finishedRounds() const { return m_data.finishedRounds; }
    const QStringList &penalties() const { return m_data.penalties; }
    const QStringList &exclusions() const { return m_data.exclusions; }
    const QStringList &tableCodes() const { return m_data.tableCodes; }
    const QStringList &submissions() const { return m_data.submissions; }
    bool started() const { return m_data.started; }
    bool opened() const { return m_data.opened; }
    int currentRound() const { return m_data.currentRound; }
    const MovementSettings &movement() const { return m_data.movement; }
    bool modified() const { return m_data.modified; }
    const QString &date() const { return m_data.date; }
    const QString &place() const { return m_data.place; }
    const QString &tournamentFile() const { return m_data.tournamentFile; }
    const QDateTime &savedAt() const { return m_data.savedAt; }
    const PrintFont &printFont() const { return m_data.printFont; }
    const RankingTable &generalRanking() const { return m_data.generalRanking; }

    // ⌈E ÷ 4⌉, E the register's lines (players and empty chairs).
    int tableCount() const { return int((qint64(m_data.playerRegisterList.size()) + 3) / 4); }

    // The lines of finished round n (from 1); empty when it has no file.
    QStringList finishedRound(int n) const { return m_data.finishedRounds.value(n - 1); }

    // Calls listener after every change while context lives.
    void listen(const QObject *context, std::function<void(Changes)> listener);

    // Everything at once, writing no file: what the take-up read, a new tournament, a test. The
    // listeners hear of what differs.
    void restore(Data data);

    // The journal: each writes its working file, then the model holds the same lines.
    [[nodiscard]] Outcome setRegister(const QStringList &lines);  // inscrits.tmp
    [[nodiscard]] Outcome setSeats(const QStringList &lines);     // position.tmp
    [[nodiscard]] Outcome setScores(const QStringList &lines);    // tour.tmp
    [[nodiscard]] Outcome setMovements(const QStringList &lines); // depl.tmp
    // inscrits.tmp written again from the register, which does not change.
    [[nodiscard]] Outcome saveRegister() const;
    // Lines the caller has itself just written to the register's files (the name correction
    // rewrites each file line by line).
    void adoptRegister(const QStringList &lines);
    [[nodiscard]] Outcome addPenalty(const QString &seatCode, int value);
    [[nodiscard]] Outcome addExclusion(const QString &seatCode);
    [[nodiscard]] Outcome liftExclusions();
    // codes.tmp and propositions.tmp (live/tableentry.h); no lines removes the file.
    [[nodiscard]] Outcome setTableCodes(const QStringList &lines);
    [[nodiscard]] Outcome setSubmissions(const QStringList &lines);
    // Both files removed: a round starts or is cancelled, or the draw is: the codes and scores waiting go.
    [[nodiscard]] Outcome dropTableEntries();
    // The date and place, as typed: INITIAL.TMP, two lines.
    [[nodiscard]] Outcome setDescription(const QString &date, const QString &place);
    // Round `currentRound` finished: its scores become its tour file, the score list empties.
    [[nodiscard]] Outcome archiveRound();
    // The last finished round back to the round in progress (its file removed).
    [[nodiscard]] Outcome reopenLastRound();
    // Round 1 without a round in progress: tour.tmp removed, no score.
    [[nodiscard]] Outcome dropRoundInProgress();
    void setCurrentRound(int round);
    // The rounds, their scores and the incidents read again from the files (the register kept).
    [[nodiscard]] Outcome loadRoundsAndIncidents(const FileSource &files);

    // The main window's first activation: nothing to save yet, no movement before the recovery.
    void setStarted();
    // Saved to or opened from path (empty: no file to save over without asking), written at savedAt.
    void setTournamentFile(const QString &path, bool modified, const QDateTime &savedAt);
    // Also what a command marks when the director acted, even if nothing changed: the quit and
    // Open questions have always counted that as a change.
    void setModified(bool modified);
    // Kept in no file, so no change to save: the dialog's edits apply at once, and its OK
    // marks the tournament modified.
    void setMovementSettings(const MovementSettings &movement);
    void setPrintFont(const PrintFont &font);
    // A view's cache, not the tournament: tells no one.
    void setGeneralRanking(RankingTable table);

private:
    // Writes lines to file; once written, applies them to the data and announces what changed.
    Outcome journal(const QString &file, const QStringList &lines, Changes what, const std::function<void()> &apply);
    // The same for a file whose empty list is no file.
    Outcome journalOrRemove(const QString &file, const QStringList &lines, QStringList &held);
    // Marks the tournament modified and tells the listeners.
    void changed(Changes what);
    void tell(Changes what);

    Data m_data;
    Listeners<Changes> m_listeners;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Tournament::Changes)
