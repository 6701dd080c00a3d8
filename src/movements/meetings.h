#pragma once

#include "tournament/tournament.h"

#include <QList>
#include <QString>
#include <QStringList>

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
