// Times Save and Open of a 1,000-player, 10-round tournament beside the time it takes only to
// read and write the same bytes. Build in Release for numbers worth comparing.

#include "timing.h"
#include "tournament/workingfilenames.h"
#include "tournament/tournament.h"
#include "platform/platform.h"
#include "players/entries.h"
#include "store/tournamentfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

namespace {

constexpr int players = 1000;
constexpr int rounds = 10;

// Ten finished rounds and the eleventh begun, movements, penalties and exclusions.
void writeTournament(const WorkingFiles &files, std::mt19937 &rng)
{
    QStringList registered, seated;
    for (int k = 1; k <= players; ++k) {
        const QString name = QStringLiteral("JOUEUR%1 Paul").arg(k);
        registered << name;
        seated << name + QStringLiteral(" = ") + entries::seatCodeOfPlayer(k);
    }
    entries::sort(registered);
    entries::sort(seated);
    (void)files.write(workingfile::registered, registered);
    (void)files.write(workingfile::positions, seated);
    QStringList depl, penal, exclu;
    for (int r = 1; r <= rounds; ++r) {
        QStringList lines;
        for (int k = 1; k <= players; ++k)
            lines << entries::seatCodeOfPlayer(k) + QLatin1Char('=') + QString::number(int(rng() % 41) * 10 - 200);
        (void)files.write(workingfile::finishedRound(r), lines);
        depl << QStringLiteral("N%1=0").arg(r + 1) << QStringLiteral("E%1=2").arg(r + 1)
             << QStringLiteral("O%1=-2").arg(r + 1) << QStringLiteral("S%1=1").arg(r + 1);
        penal << entries::seatCodeOfPlayer(1 + int(rng() % players)) + QStringLiteral("=-50");
    }
    exclu << QStringLiteral("S7") << QStringLiteral("E12");
    (void)files.write(workingfile::movements, depl);
    (void)files.write(workingfile::penalties, penal);
    (void)files.write(workingfile::exclusions, exclu);
    (void)files.write(workingfile::currentRound, QStringList{QStringLiteral("N1=40"), QStringLiteral("S1=-40")});
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString work = dir.filePath(QStringLiteral("travail"));
    QDir().mkpath(work);
    Platform services;
    services.files = WorkingFiles(work);
    installPlatform(services);
    const WorkingFiles &files = platform().files;
    std::mt19937 rng(2026);
    writeTournament(files, rng);

    const QString trt = dir.filePath(QStringLiteral("soir.trt"));
    const QString date = QStringLiteral("08/12/2026"), place = QStringLiteral("Salle des fêtes");
    const int runs = 30;
    const double save = best(runs, [&] { (void)saveTournament(files, trt, date, place); });
    QStringList names = QDir(work).entryList(QDir::Files);
    const double saveRaw = best(runs, [&] {
        QByteArray all;
        for (const QString &name : names)
            all += readBytes(files.path(name));
        writeBytes(trt + QStringLiteral(".brut"), all);
    });

    Tournament state;
    const double open = best(runs, [&] { openTournament(state, files, trt); });
    // The same bytes read in one file and written back as the working files.
    QList<QByteArray> contents;
    names = QDir(work).entryList(QDir::Files);
    for (const QString &name : names)
        contents << readBytes(files.path(name));
    const double openRaw = best(runs, [&] {
        const QByteArray all = readBytes(trt);
        qsizetype at = 0;
        for (qsizetype i = 0; i < names.size(); ++i) {
            writeBytes(files.path(names[i]), all.mid(at, contents[i].size()));
            at += contents[i].size();
        }
    });

    std::printf("%d joueurs, %d tours, %s octets\n", players, rounds, qPrintable(QString::number(QFile(trt).size())));
    std::printf("%-12s %10s %10s %6s\n", "", "ms", "brut ms", "×");
    std::printf("%-12s %10.2f %10.2f %6.2f\n", "Enregistrer", save, saveRaw, save / saveRaw);
    std::printf("%-12s %10.2f %10.2f %6.2f\n", "Ouvrir", open, openRaw, open / openRaw);
    return state.currentRound() == rounds + 1 ? 0 : 1;
}
