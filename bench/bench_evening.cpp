// A long evening, to see that the program's memory stays flat: thousands of times over, what
// the director does all evening on a tournament of 24 players: a table recorded (tour.tmp
// written), both rankings built, both ranking windows opened, printed to PDF and closed, the
// diagnostic run. Prints the resident memory at the start, half-way and at the end.
//
//   bench_evening [repetitions [steps left out]]    (3000 by default; build in Release)
//
// The steps left out, to find which one keeps memory: a list of record, rankings, windows,
// print (the windows shown and closed without printing), diagnostic ("print,diagnostic").

#include "app/application.h"
#include "movements/positions.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "players/entries.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/ranking.h"
#include "rankings/rankingwindow.h"
#include "rankings/roundrankingwindow.h"
#include "rounds/rounds.h"
#include "store/diagnostic.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_LINUX
#include <malloc.h>
#include <unistd.h>
#endif

namespace {

// Resident memory in KiB, from /proc/self/statm (Linux only; -1 elsewhere).
long residentKiB()
{
#ifdef Q_OS_LINUX
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = -1;
        std::fclose(statm);
        return resident * (sysconf(_SC_PAGESIZE) / 1024);
    }
#endif
    return -1;
}

// Bytes the program holds on the heap in KiB (glibc only; -1 elsewhere): resident memory that
// grows while this stays flat is the allocator's, not memory kept by the program.
long heapInUseKiB()
{
#if defined(Q_OS_LINUX) && defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 33)
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

void report(const char *when, int repetitions)
{
    std::printf("%s %5d repetitions: resident %8ld KiB, heap in use %8ld KiB\n", when, repetitions, residentKiB(),
                heapInUseKiB());
    std::fflush(stdout);
}

// Every box answered at once: Yes to a question, OK to the rest.
class Silent : public Messages
{
public:
    Button show(const QString &, const QString &, Icon, int buttons) override
    {
        ++shown;
        return (buttons & Yes) ? Yes : Ok;
    }
    long shown = 0;
};

void closeWindow(QWidget &window)
{
    window.close();
    QCoreApplication::processEvents();
}

// Shows the ranking window, prints it (a PDF in the working directory without a printer) and
// closes it.
void openPrintClose(RankingWindow &window, bool printed)
{
    window.showRanking();
    QCoreApplication::processEvents();
    auto *print = window.findChild<QPushButton *>(QStringLiteral("Button1"));
    if (print && printed)
        print->click();
    closeWindow(window);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &) {}); // the offscreen plugin's notes
    const int repetitions = argc > 1 ? std::atoi(argv[1]) : 3000;
    const QStringList leftOut = argc > 2 ? QString::fromLocal8Bit(argv[2]).split(QLatin1Char(',')) : QStringList();
    const auto runs = [&](const char *step) { return !leftOut.contains(QLatin1String(step)); };
    QTemporaryDir work;

    installQtPlatform();
    Silent silent;
    Platform services = platform();
    services.messages = &silent;
    services.files = WorkingFiles(work.path());
    installPlatform(services);

    Application app;
    Tournament &state = app.state();
    QStringList seated;
    for (qint64 k = 1; k <= 24; ++k)
        seated << QStringLiteral("JOUEUR%1 Paul = ").arg(k) + entries::seatCodeOfPlayer(k);
    entries::sort(seated);
    if (!state.setRegister(seated).ok() || !state.setSeats(seated).ok() || !state.setScores({}).ok()) {
        std::fprintf(stderr, "the working files cannot be written in %s\n", qPrintable(work.path()));
        return 1;
    }
    state.setStarted();

    auto &general = app.window<GeneralRankingWindow>();
    auto &round = app.window<RoundRankingWindow>();
    QDir dir(work.path());
    long pdfs = 0;
    qint64 pdfBytes = 0;
    const auto evening = [&](int i) {
        const int table = 1 + i % state.tableCount();
        const SeatedTable seated = tableInRound(state, table, state.currentRound());
        const int n = 10 * (i % 17) - 80;
        std::array<QString, 4> boxes = {QString::number(n), QString::number(-n), QString::number(i % 9 * 5),
                                        QString::number(-(i % 9 * 5))};
        if (runs("record")) {
            const Result<int> recorded = rounds::recordTable(state, seated.seatCodes, boxes);
            if (recorded.value() != -1 || !recorded.ok())
                std::abort();
        }
        if (runs("rankings")) {
            (void)buildGeneralRanking(state);
            (void)roundRanking(state, state.currentRound());
        }
        if (runs("windows")) {
            openPrintClose(general, runs("print"));
            openPrintClose(round, runs("print"));
        }
        if (runs("diagnostic"))
            (void)diagnose(state, platform().files, QDateTime::currentDateTime());
        // The director keeps the evening's PDFs; here each is removed once written, or the
        // search for an unused name would grow with them.
        for (const QString &pdf : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files)) {
            pdfBytes += QFileInfo(dir.filePath(pdf)).size();
            pdfs += dir.remove(pdf);
        }
    };

    report("before", 0);
    QElapsedTimer timer;
    timer.start();
    evening(0);
    report("after ", 1);
    const long start = residentKiB();
    long half = 0;
    for (int i = 1; i < repetitions; ++i) {
        evening(i);
        if (i + 1 == repetitions / 2) {
            report("after ", i + 1);
            half = residentKiB();
        }
    }
    report("after ", repetitions);
    const long end = residentKiB();
    std::printf("resident growth: %ld KiB over the first half, %ld KiB over the second; %lld ms in all\n", half - start,
                end - half, timer.elapsed());
    std::printf("%ld PDF printouts (%lld bytes), %ld message boxes\n", pdfs, pdfBytes, silent.shown);
    return 0;
}
