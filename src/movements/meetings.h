#pragma once

#include "tournament/tournament.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Two players who share a table in more than one round of the plan.
struct RepeatMeeting
{
    QString first; // round-1 seat codes, first before second in the order given
    QString second;
    QList<int> rounds; // the rounds they share a table, from 1
};

// Every pair of players (known by their round-1 seat codes) that the planned movements
// (`position`) seat at the same table in more than one of rounds 1 to `rounds`, at `tables`
// tables. In the order of the codes given.
QList<RepeatMeeting> repeatMeetings(const MovementSettings &settings, const QStringList &seatCodes, qint64 tables,
                                    int rounds);

// What the movement dialog and the positions printout say of them ("Avec ces déplacements, 12
// joueurs se rencontrent deux fois, par exemple Est 1 et Ouest 2 aux tours 1 et 3."); empty when
// nobody meets twice.
QString repeatMeetingsText(const QList<RepeatMeeting> &repeats, qsizetype registerLines);

// Movement values (the FFT option off) with which nobody meets twice in `rounds` rounds, Nord
// kept, the others from -4 to 4 nearest the current ones; none when no such values exist.
std::optional<MovementSettings> valuesAvoidingRepeats(const MovementSettings &current, const QStringList &seatCodes,
                                                      qint64 tables, int rounds);
