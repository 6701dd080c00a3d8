#pragma once

#include "platform/messages.h"
#include "tournament/workingfilenames.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

class WorkingFiles;

// Penalties and bonuses, the swap of two scores, exclusions: the rules behind the three dialogs
// of the "Tables" menu. Every player is named by his seat code in penal.tmp, exclu.tmp and tour.tmp.
namespace incidents {

// The pick list of the three dialogs, from the lines of position.tmp: in the register's order,
// each line as its displayed entry ("DUPONT Jean NORD 3"), an empty chair as a blank item.
QStringList pickList(const QStringList &positionLines);

// The seat code of a picked item, or empty when it names no seated player (nothing picked,
// the blank item of an empty chair, a player whose seat is not assigned).
QString seatCodeOfPick(const QString &item);
// Why the item cannot be used (empty when it can).
QString refusalOfPick(const QString &item);

// The confirmation of a penalty (value < 0) or a bonus (value > 0) for the displayed entry.
Prompt penaltyQuestion(const QString &displayedEntry, int value);
Prompt exclusionQuestion(const QString &displayedEntry);

enum class Swap { Done, SamePlayer, MissingScore };
// Gives each of the two players the other's score in the round in progress. The lines keep
// their places but trade keys, so each line carries the other player's seat code.
Swap swapScores(QStringList &scoreList, const QString &seatCode1, const QString &seatCode2);

} // namespace incidents
