#pragma once

#include "tournament/tournament.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Two players who share a table in more than one round of the plan.
struct RepeatMeeting
{
    QString first; // round-1 seat codes, first the lower player number
    QString second;
    QList<int> rounds; // the rounds they share a table, from 1
};

// Every pair of the register's players (empty chairs left out) that the plan of the positions
// printout (`plannedTable`: the small-field schedule or the movements) seats at one table in more
// than one of rounds 1 to `rounds`, at `tables` tables. By player number.
QList<RepeatMeeting> repeatMeetings(const MovementSettings &settings, const QStringList &playerRegisterList,
                                    qint64 tables, int rounds);

// What the movement dialog and the positions printout say of them, the players named as the
// plan names them (`plannedSeatLabel`): "Avec ces déplacements, 12 joueurs se rencontrent deux
// fois (tours 1 et 3)." when every pair meets twice in the same rounds, else with the pair that
// meets most often as an example. Empty when nobody meets twice.
QString repeatMeetingsText(const QList<RepeatMeeting> &repeats, bool smallField);

// The same for the register under `settings` at `tables` tables, within settings.plannedRounds;
// nothing at one table, where everybody meets every round whatever the values.
QString repeatMeetingsNotice(const MovementSettings &settings, const QStringList &playerRegisterList, qint64 tables);

// Movement values (the FFT option off) with which nobody meets twice in `rounds` rounds, Nord
// kept, the others from -4 to 4, nearest the current ones; none when no such values exist.
std::optional<MovementSettings> valuesAvoidingRepeats(const MovementSettings &current,
                                                      const QStringList &playerRegisterList, qint64 tables, int rounds);
