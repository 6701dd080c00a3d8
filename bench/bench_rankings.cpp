// Times the general ranking and a round ranking on large fields, beside the time it takes
// only to read the same working files. Build in Release for numbers worth comparing.

#include "timing.h"
#include "tournament/workingfilenames.h"
#include "platform/platform.h"
#include "players/entries.h"
#include "rankings/ranking.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int rounds = 10;

// A seated field of n seats and ten complete rounds, round 10 in tour.tmp; a few penalties and
// exclusions. Scores are drawn from a narrow range so that ties abound.
Tournament prepareField(int n, std::mt19937 &rng)
{
    Tournament::Data state;
    for (int k = 1; k <= n; ++k)
        state.playerRegisterList << QStringLiteral("JOUEUR%1 Paul = %2").arg(k).arg(entries::seatCodeOfPlayer(k));
    entries::sort(state.playerRegisterList);
    state.currentRound = rounds;
    for (int r = 1; r <= rounds; ++r) {
        QStringList lines;
        for (int k = 1; k <= n; ++k)
            lines << entries::seatCodeOfPlayer(k) + QLatin1Char('=') + QString::number(int(rng() % 41) * 10 - 200);
        // The files only give the floor: reading and splitting the same bytes.
        (void)platform().files.write(r < rounds ? workingfile::finishedRound(r) : workingfile::currentRound, lines);
        if (r == rounds)
            state.scoreList = lines;
        else
            state.finishedRounds << lines;
    }
    state.roundStarted = true;
    QStringList penalties, exclusions;
    for (int i = 0; i < std::max(1, n / 50); ++i) {
        penalties << entries::seatCodeOfPlayer(1 + int(rng() % n)) + QStringLiteral("=-50");
        exclusions << entries::seatCodeOfPlayer(1 + int(rng() % n));
    }
    (void)platform().files.write(workingfile::penalties, penalties);
    (void)platform().files.write(workingfile::exclusions, exclusions);
    state.penalties = penalties;
    state.exclusions = exclusions;
    return Tournament(std::move(state));
}

void readFiles(const QStringList &names)
{
    for (const QString &name : names) {
        QStringList lines;
        (void)platform().files.readIfPresent(name, lines);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::mt19937 rng(2026);
    std::printf("%8s  %12s %12s %6s  %12s %12s %6s  %12s\n", "sièges", "général ms", "lecture ms", "×", "tour ms",
                "lecture ms", "×", "tri NOM ms");
    for (int n : {100, 1000, 10000, 65532}) {
        QTemporaryDir dir;
        Platform services;
        services.files = WorkingFiles(dir.path());
        installPlatform(services);
        const Tournament state = prepareField(n, rng);

        QStringList generalFiles;
        for (int r = 1; r < rounds; ++r)
            generalFiles << workingfile::finishedRound(r);
        generalFiles << workingfile::currentRound << workingfile::penalties << workingfile::exclusions;
        const QStringList roundFiles = {workingfile::currentRound, workingfile::exclusions};

        const int runs = n > 10000 ? 10 : 30;
        RankingTable general;
        const double build = best(runs, [&] { general = buildGeneralRanking(state); });
        const double read = best(runs, [&] { readFiles(generalFiles); });
        const double round = best(runs, [&] { roundRanking(state, rounds); });
        const double roundRead = best(runs, [&] { readFiles(roundFiles); });
        const double byName = best(runs, [&] {
            RankingTable t = general;
            sortRanking(t, 0);
        });
        std::printf("%8d  %12.2f %12.2f %6.2f  %12.2f %12.2f %6.2f  %12.2f\n", n, build, read, build / read, round,
                    roundRead, round / roundRead, byName);
    }
    return 0;
}
