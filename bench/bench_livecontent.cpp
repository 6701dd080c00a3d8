// The live results on the largest field the files allow (65,532 seats, 16,383 tables), ten
// rounds, round 10 half entered: each answer's first build, its build again after a table is
// entered, and the same asked again at that version, which must cost no more than a copy.
//
//   bench_livecontent [runs]    (build in Release)

#include "live/livecontent.h"
#include "players/entries.h"
#include "timing.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    constexpr int seats = 65532, rounds = 10;

    Tournament::Data data;
    data.started = data.opened = true;
    data.movement.fft = false;
    for (int k = 1; k <= seats; ++k)
        data.playerRegisterList << QStringLiteral("JOUEUR%1 Paul = %2").arg(k).arg(entries::seatCodeOfPlayer(k));
    entries::sort(data.playerRegisterList);
    for (int r = 1; r <= rounds; ++r) {
        QStringList lines;
        for (int k = 1; k <= (r < rounds ? seats : seats / 2); ++k)
            lines << entries::seatCodeOfPlayer(k) + QLatin1Char('=') +
                         QString::number((k * 7 + r * 13) % 41 * 10 - 200);
        if (r < rounds)
            data.finishedRounds << lines;
        else
            data.scoreList = lines;
    }
    for (int r = 2; r <= rounds; ++r)
        data.movementList << QStringLiteral("N%1=0").arg(r) << QStringLiteral("E%1=2").arg(r)
                          << QStringLiteral("O%1=-2").arg(r) << QStringLiteral("S%1=1").arg(r);
    data.roundStarted = true;
    data.currentRound = rounds;
    data.penalties = {QStringLiteral("S3=-50")};
    data.exclusions = {QStringLiteral("E2")};
    Tournament tournament(data);

    // A table entered, or taken away again: the scores change, the seats and finished rounds do not.
    Tournament::Data other = data;
    other.scoreList.append(other.scoreList.mid(0, 4));
    bool entered = false;
    const auto enterTable = [&] {
        tournament.restore(entered ? data : other);
        entered = !entered;
    };

    struct Ask
    {
        const char *path, *query;
    };
    std::printf("%-16s %-14s %12s %14s %10s %10s %10s\n", "", "", "first ms", "after a table", "again ms", "bytes",
                "deflated");
    for (const Ask ask : {Ask{"/api/classement", ""}, Ask{"/api/tour", ""}, Ask{"/api/place", "nom=joueur123"},
                          Ask{"/api/joueur", "id=S3"}}) {
        LiveResponse r;
        const double first = best(runs, [&] { r = LiveContent(tournament).answer(ask.path, ask.query); });
        LiveContent content(tournament);
        (void)content.answer(ask.path, ask.query);
        const double afterTable = best(runs, [&] {
            enterTable();
            content.invalidate();
            r = content.answer(ask.path, ask.query);
        });
        const double again = best(runs, [&] { (void)content.answer(ask.path, ask.query); });
        std::printf("%-16s %-14s %12.1f %14.1f %10.3f %10lld %10lld\n", ask.path, ask.query, first, afterTable, again,
                    qlonglong(r.body.size()), qlonglong(r.deflated.size()));
    }
    return 0;
}
