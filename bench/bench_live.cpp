// The live results under a room's load, on the loopback: 500 phones, each holding its live
// connection and loading the ranking every 5 s, while a table is recorded every second through
// the tournament; then the same evening with the server off. (The largest field's ranking page
// is bench_livecontent's.)
//
//   bench_live [seconds] [phones]    (build in Release)
//
// Prints the page times (p50, p99, max), how long after a table was recorded every phone had the
// new ranking, the GUI thread's longest stall (a 10 ms timer's lateness) and the resident memory.

#include "live/livepublication.h"
#include "tournament/tournament.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMutex>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * 4;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

// An evening of `tables` tables in round 3, the tables of round 3 entered one by one.
struct Evening
{
    explicit Evening(int tables) : tables(tables)
    {
        base.started = base.opened = true;
        base.currentRound = 3;
        base.roundStarted = true;
        base.movement.fft = false;
        base.date = QStringLiteral("09/12/2026");
        base.place = QStringLiteral("Club de la gare");
        for (int t = 1; t <= tables; ++t)
            for (const char seat : {'N', 'S', 'E', 'O'})
                base.playerRegisterList << QStringLiteral("JOUEUR %1%2 = %1%2").arg(QLatin1Char(seat)).arg(t);
        for (int r = 2; r <= 3; ++r)
            base.movementList << QStringLiteral("N%1=0").arg(r) << QStringLiteral("E%1=2").arg(r)
                              << QStringLiteral("O%1=-2").arg(r) << QStringLiteral("S%1=1").arg(r);
        for (int r = 1; r <= 2; ++r) {
            QStringList round;
            for (int t = 1; t <= tables; ++t)
                for (const char seat : {'N', 'O', 'E', 'S'})
                    round << QStringLiteral("%1%2=%3")
                                 .arg(QLatin1Char(seat))
                                 .arg(t)
                                 .arg(seat == 'N' ? 3 * t % 90 : -t % 30);
            base.finishedRounds << round;
        }
    }
    // The next table of round 3 entered (all taken away again after the last).
    Tournament::Data next()
    {
        if (entered == tables)
            entered = 0;
        ++entered;
        Tournament::Data data = base;
        for (int t = 1; t <= entered; ++t)
            for (const char seat : {'N', 'O', 'E', 'S'})
                data.scoreList << QStringLiteral("%1%2=%3").arg(QLatin1Char(seat)).arg(t).arg(seat == 'N' ? 30 : -10);
        return data;
    }
    int tables;
    int entered = 0;
    Tournament::Data base;
};

// What the phones saw, shared with the main thread.
struct Measures
{
    QMutex lock;
    std::vector<double> pageMs;            // each GET, request written to response read
    std::map<quint64, double> recordedAt;  // version → when its table was recorded
    std::map<quint64, int> phonesUpToDate; // version → phones holding its ranking
    std::map<quint64, double> lastPhoneAt; // version → when the last of them got it
    int errors = 0;
};

// One phone: its live stream, and a kept-alive connection for the pages.
class Phone : public QObject
{
public:
    Phone(quint16 port, Measures &measures, int offsetMs) : m_measures(measures)
    {
        connect(&m_stream, &QTcpSocket::connected, this, [this] {
            m_stream.write("GET /api/direct HTTP/1.1\r\nHost: bench\r\nAccept: text/event-stream\r\n\r\n");
        });
        connect(&m_stream, &QTcpSocket::readyRead, this, &Phone::streamRead);
        connect(&m_page, &QTcpSocket::readyRead, this, &Phone::pageRead);
        m_stream.connectToHost(QHostAddress::LocalHost, port);
        m_page.connectToHost(QHostAddress::LocalHost, port);
        QTimer::singleShot(offsetMs, this, [this] {
            loadPage();
            m_reload.start(5000);
        });
        connect(&m_reload, &QTimer::timeout, this, &Phone::loadPage);
    }

private:
    void streamRead()
    {
        m_streamBuffer += m_stream.readAll();
        qsizetype end;
        while ((end = m_streamBuffer.indexOf("\n\n")) >= 0) {
            const QByteArray event = m_streamBuffer.left(end);
            m_streamBuffer.remove(0, end + 2);
            const qsizetype data = event.indexOf("data: ");
            if (data >= 0) {
                m_wantedVersion = event.mid(data + 6).trimmed().toULongLong();
                loadPage();
            }
        }
    }
    void loadPage()
    {
        if (m_inFlight) {
            m_again = true;
            return;
        }
        m_inFlight = true;
        m_versionAsked = m_wantedVersion;
        m_sentAt = nowMs();
        QByteArray request = "GET /api/classement HTTP/1.1\r\nHost: bench\r\nAccept-Encoding: deflate\r\n";
        if (!m_etag.isEmpty())
            request += "If-None-Match: " + m_etag + "\r\n";
        m_page.write(request + "\r\n");
    }
    void pageRead()
    {
        m_pageBuffer += m_page.readAll();
        const qsizetype head = m_pageBuffer.indexOf("\r\n\r\n");
        if (head < 0)
            return;
        qsizetype length = 0;
        const QList<QByteArray> lines = m_pageBuffer.left(head).split('\n');
        for (const QByteArray &line : lines) {
            const QByteArray lower = line.toLower();
            if (lower.startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
            else if (lower.startsWith("etag:"))
                m_etag = line.mid(5).trimmed();
        }
        const bool unchanged = lines.value(0).contains(" 304 "); // its Content-Length is the 200's: no body
        if (unchanged)
            length = 0;
        if (m_pageBuffer.size() < head + 4 + length)
            return;
        const bool ok = lines.value(0).contains(" 200 ") || unchanged;
        m_pageBuffer.remove(0, head + 4 + length);
        const double done = nowMs();
        {
            QMutexLocker locked(&m_measures.lock);
            m_measures.pageMs.push_back(done - m_sentAt);
            if (!ok)
                ++m_measures.errors;
            if (m_versionAsked > m_versionHeld) {
                m_versionHeld = m_versionAsked;
                ++m_measures.phonesUpToDate[m_versionHeld];
                m_measures.lastPhoneAt[m_versionHeld] = done;
            }
        }
        m_inFlight = false;
        if (m_again) {
            m_again = false;
            loadPage();
        }
    }

    Measures &m_measures;
    QTcpSocket m_stream, m_page;
    QByteArray m_streamBuffer, m_pageBuffer, m_etag;
    QTimer m_reload;
    quint64 m_wantedVersion = 0, m_versionAsked = 0, m_versionHeld = 0;
    double m_sentAt = 0;
    bool m_inFlight = false, m_again = false;
};

struct EveningFigures
{
    double stallMaxMs = 0, stallP99Ms = 0;
    long residentBeforeKiB = 0, residentAfterKiB = 0;
};

// Records a table every second for `seconds`, timing the GUI thread's stalls.
EveningFigures playEvening(Tournament &tournament, Evening &evening, int seconds, Measures *measures,
                           const std::function<quint64()> &version)
{
    EveningFigures figures;
    figures.residentBeforeKiB = residentKiB();
    std::vector<double> stalls;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    double expected = nowMs() + 10;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const double now = nowMs();
        stalls.push_back(std::max(0.0, now - expected));
        expected = now + 10;
    });
    tick.start(10);
    QTimer record;
    QObject::connect(&record, &QTimer::timeout, [&] {
        tournament.restore(evening.next());
        if (measures) {
            QMutexLocker locked(&measures->lock);
            measures->recordedAt[version()] = nowMs();
        }
    });
    record.start(1000);
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    figures.residentAfterKiB = residentKiB();
    figures.stallMaxMs = stalls.empty() ? 0 : *std::max_element(stalls.begin(), stalls.end());
    figures.stallP99Ms = percentile(stalls, 0.99);
    return figures;
}

void printEvening(const char *title, const EveningFigures &f)
{
    std::printf("%s: GUI thread stall max %.1f ms, p99 %.1f ms; resident %ld KiB → %ld KiB (%+ld KiB)\n", title,
                f.stallMaxMs, f.stallP99Ms, f.residentBeforeKiB, f.residentAfterKiB,
                f.residentAfterKiB - f.residentBeforeKiB);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int seconds = argc > 1 ? std::max(5, std::atoi(argv[1])) : 30;
    const int phones = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    // Two connections a phone, both ends in this process.
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    bool met = true;
    {
        Evening evening(15);
        Tournament tournament(evening.next());
        LivePublication publication(tournament);
        LiveServerSettings settings;
        settings.port = 0;
        settings.maxConnections = std::max(1000, 2 * phones + 10);
        if (const Outcome started = publication.start(settings); !started.ok()) {
            std::printf("server not started: %s\n", qPrintable(started.error));
            return 1;
        }
        Measures measures;
        // The phones live in threads of their own, as they would on their own devices: two, so that
        // each thread's event loop watches half the sockets.
        constexpr int rooms = 2;
        QThread room[rooms];
        QObject hub[rooms];
        std::vector<std::unique_ptr<Phone>> crowd[rooms];
        const quint16 port = publication.port();
        for (int k = 0; k < rooms; ++k) {
            hub[k].moveToThread(&room[k]);
            room[k].start();
            QMetaObject::invokeMethod(
                &hub[k],
                [&, k] {
                    for (int i = k; i < phones; i += rooms)
                        crowd[k].push_back(std::make_unique<Phone>(port, measures, i * 5000 / phones));
                },
                Qt::BlockingQueuedConnection);
        }
        const EveningFigures on =
            playEvening(tournament, evening, seconds, &measures, [&] { return publication.version(); });
        for (int k = 0; k < rooms; ++k) {
            QMetaObject::invokeMethod(
                &hub[k], [&, k] { crowd[k].clear(); }, Qt::BlockingQueuedConnection);
            room[k].quit();
            room[k].wait();
        }

        QMutexLocker locked(&measures.lock);
        std::vector<double> visible;
        int incomplete = 0;
        for (const auto &[version, at] : measures.recordedAt) {
            if (measures.phonesUpToDate[version] < phones) {
                ++incomplete; // a later table came before every phone had this one
                continue;
            }
            visible.push_back(measures.lastPhoneAt[version] - at);
        }
        const double pageP99 = percentile(measures.pageMs, 0.99);
        const double visibleMax = visible.empty() ? 1e9 : *std::max_element(visible.begin(), visible.end());
        std::printf("%d phones, %d s, a table a second: %zu pages, %d errors; page p50 %.1f ms, p99 %.1f ms, "
                    "max %.1f ms\n",
                    phones, seconds, measures.pageMs.size(), measures.errors, percentile(measures.pageMs, 0.5), pageP99,
                    percentile(measures.pageMs, 1.0));
        std::printf("a recorded table on every phone: p50 %.0f ms, max %.0f ms (%zu tables; %d overtaken)\n",
                    percentile(visible, 0.5), visibleMax, visible.size(), incomplete);
        printEvening("server on ", on);
        met = met && pageP99 <= 50 && visibleMax <= 1000 && on.stallMaxMs <= 50 && measures.errors == 0;
    }
    {
        Evening evening(15);
        Tournament tournament(evening.next());
        printEvening("server off", playEvening(tournament, evening, seconds, nullptr, {}));
    }
    return met ? 0 : 1;
}
