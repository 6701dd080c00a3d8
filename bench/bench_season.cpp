// Times what the season window does when a season file is opened (read every tournament file,
// rank, look for probable duplicates) beside the time it takes only to read the same files'
// bytes. Build in Release for numbers worth comparing. "bench_season dossier" leaves the season
// file and its tournaments in that folder, to look at a large season in the program.

#include "timing.h"
#include "tournament/workingfilenames.h"
#include "platform/platform.h"
#include "players/entries.h"
#include "season/season.h"
#include "store/tournamentfile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>

namespace {

constexpr int evenings = 40;
constexpr int players = 100;
constexpr int rounds = 6;

// Club members with made-up names: no two of them one letter or only accents apart, so that
// the duplicate search finds nothing and the time is the season's, not the director's doubts.
QStringList members(int count, std::mt19937 &rng)
{
    static const char *const syllables[] = {"ba", "ko", "ri", "mu", "te", "la", "vo", "si", "de", "ga",
                                            "pu", "ne", "fa", "lo", "zé", "tr", "ch", "an", "ou", "mi"};
    auto word = [&](int length) {
        QString w;
        for (int i = 0; i < length; ++i)
            w += QString::fromUtf8(syllables[rng() % std::size(syllables)]);
        return w;
    };
    QStringList names;
    while (names.size() < count) {
        const QString name = word(3).toUpper() + QLatin1Char(' ') + entries::capitalised(word(2));
        if (std::none_of(names.begin(), names.end(), [&](const QString &other) {
                return entries::compare(name, other) == 0 || season::probableDuplicate(name, other);
            }))
            names.append(name);
    }
    return names;
}

// One evening: `players` of the members seated in order, `rounds` finished rounds whose tables
// sum to zero, a penalty, saved as the program saves a tournament.
void writeEvening(const QString &path, int evening, const QStringList &club, std::mt19937 &rng)
{
    const WorkingFiles &files = platform().files;
    (void)files.removeMatching(QStringLiteral("*.tmp"));
    // Most members come every week; a few others stand in.
    QStringList present = club;
    std::shuffle(present.begin(), present.end(), rng);
    present = present.mid(0, players);
    QStringList registered, seated;
    for (int k = 1; k <= players; ++k) {
        registered << present[k - 1];
        seated << present[k - 1] + QStringLiteral(" = ") + entries::seatCodeOfPlayer(k);
    }
    entries::sort(registered);
    entries::sort(seated);
    (void)files.write(workingfile::registered, registered);
    (void)files.write(workingfile::positions, seated);
    QStringList depl;
    for (int r = 1; r <= rounds; ++r) {
        QStringList lines;
        for (int t = 1; t <= players / 4; ++t) {
            const int win = 10 * int(rng() % 40) - 150;
            lines << QStringLiteral("N%1=%2").arg(t).arg(3 * win) << QStringLiteral("O%1=%2").arg(t).arg(-win)
                  << QStringLiteral("E%1=%2").arg(t).arg(-win) << QStringLiteral("S%1=%2").arg(t).arg(-win);
        }
        (void)files.write(workingfile::finishedRound(r), lines);
        depl << QStringLiteral("N%1=0").arg(r + 1) << QStringLiteral("E%1=2").arg(r + 1)
             << QStringLiteral("O%1=-2").arg(r + 1) << QStringLiteral("S%1=1").arg(r + 1);
    }
    (void)files.write(workingfile::movements, depl);
    (void)files.write(workingfile::penalties,
                      {entries::seatCodeOfPlayer(1 + int(rng() % players)) + QStringLiteral("=-50")});
    const QDate date = QDate(2026, 9, 3).addDays(7 * evening);
    if (!saveTournament(files, path, date.toString(QStringLiteral("dd/MM/yyyy")), QStringLiteral("Club du jeudi")).ok())
        qFatal("cannot save %s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    const QString work = scratch.filePath(QStringLiteral("travail"));
    QDir().mkpath(work);
    Platform services;
    services.files = WorkingFiles(work);
    installPlatform(services);
    std::mt19937 rng(2026);

    const QStringList club = members(players + 20, rng);
    season::Season written;
    QStringList paths;
    for (int e = 0; e < evenings; ++e) {
        paths << dir.filePath(QStringLiteral("saison/jeudi%1.trt").arg(e + 1, 2, 10, QLatin1Char('0')));
        QDir().mkpath(QFileInfo(paths.last()).absolutePath());
        writeEvening(paths.last(), e, club, rng);
        season::Evening evening;
        evening.path = paths.last();
        written.evenings.append(evening);
    }
    const QString sai = dir.filePath(QStringLiteral("saison.sai"));
    if (!season::saveSeason(written, sai).ok())
        qFatal("cannot save the season");

    const int runs = 10;
    season::Standing standing;
    QList<season::NamePair> doubts;
    const double load = best(runs, [&] {
        const season::OpenedSeason opened = season::openSeason(sai);
        standing = season::rank(opened.season);
        doubts = season::probableDuplicates(opened.season);
    });
    qint64 bytes = 0;
    const double read = best(runs, [&] {
        bytes = 0;
        for (const QString &path : paths + QStringList{sai}) {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
    });
    std::printf("%d tournois × %d joueurs × %d tours, %s octets ; %lld joueurs classés, %lld doublons probables\n",
                evenings, players, rounds, qPrintable(QString::number(bytes)), qlonglong(standing.rows.size()),
                qlonglong(doubts.size()));
    std::printf("%-28s %10s %10s %6s\n", "", "ms", "lecture ms", "×");
    std::printf("%-28s %10.2f %10.2f %6.2f\n", "Ouvrir et classer la saison", load, read, load / read);
    return standing.columns.size() == evenings && doubts.isEmpty() ? 0 : 1;
}
