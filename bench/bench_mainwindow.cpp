// The main window's centre after a recorded table, on the largest field the files allow
// (65,532 seats, 16,383 tables), round 3 half entered: the time to read the evening again
// and show it (stage, missing tables, next step).
//
//   bench_mainwindow [runs]    (build in Release)

#include "tournament/tournament.h"
#include "windows/eveningpanel.h"
#include "timing.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    constexpr int tables = 16383;

    Tournament::Data data;
    data.started = data.opened = true;
    data.currentRound = 3;
    data.roundStarted = true;
    data.movement.fft = false;
    for (int t = 1; t <= tables; ++t)
        for (const char seat : {'N', 'S', 'E', 'O'})
            data.playerRegisterList << QStringLiteral("JOUEUR %1%2 = %1%2").arg(QLatin1Char(seat)).arg(t);
    for (int r = 2; r <= 3; ++r)
        data.movementList << QStringLiteral("N%1=0").arg(r) << QStringLiteral("E%1=2").arg(r)
                          << QStringLiteral("O%1=-2").arg(r) << QStringLiteral("S%1=1").arg(r);
    // Every other table entered: the Nord players of round-1 tables 1, 3, 5 ... (Nord stays put).
    for (int t = 1; t <= tables; t += 2)
        for (const char seat : {'N', 'O', 'E', 'S'})
            data.scoreList << QStringLiteral("%1%2=%3").arg(QLatin1Char(seat)).arg(t).arg(seat == 'N' ? 30 : -10);
    Tournament tournament(std::move(data));

    EveningPanel panel(tournament, nullptr);
    const double refresh = best(runs, [&] { panel.refresh(); });
    std::printf("centre refreshed: %.3f ms (best of %d), %d tables\n", refresh, runs, tables);
    // The same through the tournament's change signal, as after a table recorded: table 2's
    // scores added and taken away again, the panel listening.
    tournament.listen(&panel, [&](Tournament::Changes) { panel.refresh(); });
    Tournament::Data without = tournament.data();
    Tournament::Data with = without;
    with.scoreList << QStringLiteral("N2=30") << QStringLiteral("O2=-10") << QStringLiteral("E2=-10")
                   << QStringLiteral("S2=-10");
    bool added = false;
    const double signalled = best(runs, [&] {
        tournament.restore(added ? without : with);
        added = !added;
    });
    std::printf("after a table recorded (change signal, the data compared): %.3f ms\n", signalled);
    std::printf("%s\n", qPrintable(panel.findChild<QLabel *>(QStringLiteral("missingTables"))->text().left(80)));
    return signalled <= 5.0 ? 0 : 1;
}
