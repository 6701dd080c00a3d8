#pragma once

#include <QString>

// The names of the working files, listed once.
namespace workingfile {

inline const QString registered = QStringLiteral("inscrits.tmp"); // the player entries
inline const QString positions = QStringLiteral("position.tmp");  // the register with its seats
inline const QString currentRound = QStringLiteral("tour.tmp");   // the round in progress
inline const QString movements = QStringLiteral("depl.tmp");
inline const QString penalties = QStringLiteral("penal.tmp");
inline const QString exclusions = QStringLiteral("exclu.tmp");
inline const QString tableCodes = QStringLiteral("codes.tmp");         // the round's table codes
inline const QString submissions = QStringLiteral("propositions.tmp"); // scores sent from the tables
inline const QString initial = QStringLiteral("INITIAL.TMP");          // [INITIAL] as Open restores it
inline const QString rankingDiagnostic = QStringLiteral("classgen.dia");

// "tour" n ".tmp": the scores of finished round n.
inline QString finishedRound(int n)
{
    return QStringLiteral("tour%1.tmp").arg(n);
}

} // namespace workingfile
