#pragma once

#include "platform/outcome.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class Tournament;

// Scores entered at the tables: each table of the round in progress has a code printed on its
// slip; its captain sends the table's four scores with it from a phone, the submission waits in
// propositions.tmp until the director accepts it (recorded as score entry records a table) or
// rejects it. Seats in core's order: Nord, Sud, Est, Ouest.
namespace tableentry {

// What the codes are drawn from: no 0/O nor 1/I to misread on a slip.
inline const QString codeAlphabet = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");
constexpr int codeLength = 4;
inline const std::array<QString, 4> seatNames = {QStringLiteral("Nord"), QStringLiteral("Sud"), QStringLiteral("Est"),
                                                 QStringLiteral("Ouest")};

// The codes of the round in progress, table t at t - 1: those of codes.tmp when they belong to
// this round, any missing one drawn and the file written first. Empty before the draw.
Result<QStringList> codesOfRound(Tournament &state);
// Whether code is table's code in the round in progress (any case), comparing every character
// whatever the first difference, and as long for any wrong code.
bool isTableCode(const Tournament &state, int table, const QString &code);

struct Submission
{
    int round = 0;
    int table = 0;
    std::array<QString, 4> scores; // as typed
};

// Why the round in progress does not take this submission, in French for the phone; empty when it
// does. The checks of score entry: the table is one of the round, four whole numbers, an empty
// chair's 0, a sum of 0.
QString refusalOfSubmission(const Tournament &state, const Submission &submission);
// What a phone sent: its submission and code, or why it does not read as one. One shape in JSON,
// {"tour":3,"table":2,"code":"K7QD","scores":["120","-40","-40","-40"]} (scores as text or
// numbers), or the same as a form: tour=3&table=2&code=K7QD&nord=120&sud=-40&est=-40&ouest=-40.
struct Sent
{
    Submission submission;
    QString code;
    QString refusal;
};
Sent readSent(QByteArrayView contentType, QByteArrayView body);

// Five wrong codes for a table lock it for a minute: four characters must not be guessed by trying.
class CodeLocks
{
public:
    static constexpr int maxWrongCodes = 5;
    static constexpr qint64 lockMilliseconds = 60000;

    bool isLocked(int table, qint64 now) const;
    void wrongCode(int table, qint64 now);
    void rightCode(int table) { m_tables.remove(table); }
    QList<int> lockedTables(qint64 now) const; // in order

private:
    struct Count
    {
        int wrong = 0;
        qint64 lockedUntil = 0;
    };
    QHash<int, Count> m_tables;
};

// A submission sent with its table's code at time now (milliseconds, any origin): the refusal, or
// empty once propositions.tmp holds it (replacing the table's waiting one), when the phone may be
// told it was received. The same scores as those recorded for the table are a replay, refused.
Result<QString> receiveSubmission(Tournament &state, const QString &code, const Submission &submission,
                                  CodeLocks &locks, qint64 now);

// The submissions waiting, in the order they came; lines that do not read as one are skipped.
QList<Submission> waitingSubmissions(const Tournament &state);
// The round in progress's submission waiting for table, if any.
std::optional<Submission> waitingSubmission(const Tournament &state, int table);
// What a submission gives each seat, for the director: "Nord DUPONT Jean 120", "Est (chaise vide) 0".
QStringList describeSubmission(const Tournament &state, const Submission &submission);

// Whether accepting table's submission would replace scores already recorded for it.
bool wouldReplace(const Tournament &state, int table);

struct Acceptance
{
    QString refusal;       // why nothing was recorded (no submission waits, or it no longer fits)
    bool replaced = false; // the table had been entered before
};
// Records table's waiting submission through rounds::recordTable (tour.tmp written), then removes
// it from the waiting ones.
Result<Acceptance> acceptSubmission(Tournament &state, int table);
// Removes table's waiting submission, recording nothing.
[[nodiscard]] Outcome rejectSubmission(Tournament &state, int table);

} // namespace tableentry
