// Shared by the in-memory fuzz targets: the input as working-file lines, a tournament filled
// from them, and the check that stops a run when a reader breaks a promise of its header.

#pragma once

#include "platform/workingfiles.h"
#include "players/entries.h"
#include "tournament/tournament.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzzing {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Stops the run with the broken promise named.
inline void require(bool holds, const char *promise)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
}

// The input read as working files would be (Windows-1252, CR LF or LF), split into lists at
// each line that is exactly "#".
inline QList<QStringList> lists(const QByteArray &bytes)
{
    QList<QStringList> out(1);
    for (QString &line : splitLines(bytes)) {
        if (line == QLatin1String("#"))
            out.append(QStringList());
        else
            out.last().append(std::move(line));
    }
    return out;
}

// A tournament as the take-up leaves it, from the input's lists in this order: the register
// (position.tmp), the round in progress (tour.tmp), the movements (depl.tmp), penal.tmp,
// exclu.tmp, then one list per finished round (tour1.tmp, tour2.tmp ...), at most maxRounds.
inline Tournament tournamentOf(const QList<QStringList> &parts, bool fft, int maxRounds = 12)
{
    Tournament::Data state;
    state.playerRegisterList = parts.value(0);
    entries::sort(state.playerRegisterList);
    state.scoreList = parts.value(1);
    state.roundStarted = parts.size() > 1;
    state.movementList = parts.value(2);
    state.penalties = parts.value(3);
    state.exclusions = parts.value(4);
    for (qsizetype i = 5; i < parts.size() && state.finishedRounds.size() < maxRounds; ++i)
        state.finishedRounds.append(parts[i]);
    state.currentRound = int(state.finishedRounds.size()) + 1;
    state.movement.fft = fft;
    state.started = true;
    return Tournament(std::move(state));
}

// The seat codes an input speaks of: those of its register, and a few others hand-editing
// could leave.
inline QStringList seatCodesOf(const QStringList &registerLines)
{
    QStringList codes{QStringLiteral("N1"), QStringLiteral("O4"), QStringLiteral("S0"), QString(),
                      QStringLiteral("E99999999999999999999")};
    for (const QString &line : registerLines) {
        const qsizetype at = line.indexOf(QLatin1Char('='));
        if (at >= 0)
            codes.append(QStringView(line).mid(at + 1).trimmed().toString());
    }
    return codes;
}

// What the phones' readers are fuzzed against: two tables, an empty chair, names with accents, two finished rounds,
// round 3 half entered, a penalty and an exclusion.
inline const Tournament &liveTournament()
{
    static const Tournament state = [] {
        Tournament::Data d;
        d.playerRegisterList = {"DUPONT Jean = N1",     "DUPUIS Hélène = S1", "LEFÈVRE Zoé = E1", "CŒUR Anaïs = O1",
                                entries::emptyChair(2), "MARTIN Luc = S2",    "MARTIN Léa = E2",  "\"ÉVE\" \\ = O2"};
        entries::sort(d.playerRegisterList);
        const QStringList round{"N1=60", "O1=-20", "E1=-20", "S1=-20", "N2=30", "O2=-10", "E2=-10", "S2=-10"};
        d.finishedRounds << round << round;
        d.scoreList = round.mid(0, 4);
        d.roundStarted = true;
        d.currentRound = 3;
        d.penalties = {"S1=-50"};
        d.exclusions = {"E2"};
        d.date = "08/12/2026";
        d.place = "Salle des fêtes";
        d.started = d.opened = true;
        return Tournament(std::move(d));
    }();
    return state;
}

} // namespace fuzzing
