// The live results under a room's load, on the loopback: 500 phones, each holding its live
// connection and loading the ranking every 5 s, while a table is recorded every second through
// the tournament; then the same evening with the server off; then, the phones still following,
// 40 tables sending their scores within the same second, each from its own connection, once left
// waiting for the director and once accepted as they come. (The largest field's ranking page is
// bench_livecontent's.)
//
//   bench_live [seconds] [phones]    (build in Release)
//
// Prints the page times (p50, p99, max), how long after a table was recorded every phone had the
// new ranking, the GUI thread's longest stall (a 10 ms timer's lateness) and the resident memory;
// for the tables, every submission's answer time and what it said.

#include "live/livepublication.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "tournament/tournament.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutex>
#include <QTemporaryDir>
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
#include <optional>
#include <utility>
#include <vector>

#include <sys/resource.h>

namespace {

// One HTTP answer read off a connection.
struct Answer
{
    int status = 0;
    QByteArray etag;
    QByteArray body;
};

// The first whole answer in buffer, taken out of it; none while it is still coming.
std::optional<Answer> takeAnswer(QByteArray &buffer)
{
    const qsizetype head = buffer.indexOf("\r\n\r\n");
    if (head < 0)
        return std::nullopt;
    Answer answer;
    qsizetype length = 0;
    const QList<QByteArray> lines = buffer.left(head).split('\n');
    answer.status = lines.value(0).split(' ').value(1).toInt();
    for (const QByteArray &line : lines) {
        const QByteArray lower = line.toLower();
        if (lower.startsWith("content-length:"))
            length = line.mid(15).trimmed().toLongLong();
        else if (lower.startsWith("etag:"))
            answer.etag = line.mid(5).trimmed();
    }
    if (answer.status == 304)
        length = 0; // its Content-Length is the 200's: no body
    if (buffer.size() < head + 4 + length)
        return std::nullopt;
    answer.body = buffer.mid(head + 4, length);
    buffer.remove(0, head + 4 + length);
    return answer;
}

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
            if (data < 0)
                continue;
            m_wantedVersion = event.mid(data + 6).trimmed().toULongLong();
            // The stream's first event tells the version the phone loads at its own time: were it
            // loaded now, every phone would ask at once as the crowd starts.
            if (std::exchange(m_heard, true))
                loadPage();
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
        const std::optional<Answer> answer = takeAnswer(m_pageBuffer);
        if (!answer)
            return;
        if (!answer->etag.isEmpty())
            m_etag = answer->etag;
        const bool ok = answer->status == 200 || answer->status == 304;
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
    bool m_inFlight = false, m_again = false, m_heard = false;
};

// The GUI thread's lateness on a 10 ms timer, from now on.
class StallWatch
{
public:
    StallWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const double now = nowMs();
            m_stalls.push_back(std::max(0.0, now - m_expected));
            m_expected = now + 10;
        });
        m_tick.start(10);
    }
    double maxMs() const { return m_stalls.empty() ? 0 : *std::max_element(m_stalls.begin(), m_stalls.end()); }
    double p99Ms() const { return percentile(m_stalls, 0.99); }

private:
    QTimer m_tick;
    double m_expected = nowMs() + 10;
    std::vector<double> m_stalls;
};

void runFor(int ms)
{
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

// Connections past the limit wait unanswered: two a phone, and one for each table sending.
LiveServerSettings settingsFor(int phones)
{
    LiveServerSettings settings;
    settings.port = 0;
    settings.maxConnections = std::max(1000, 2 * phones + 50);
    return settings;
}

// The phones live in threads of their own, as they would on their own devices: two, so that each
// thread's event loop watches half the sockets.
class Crowd
{
public:
    Crowd(quint16 port, int phones, Measures &measures)
    {
        for (int k = 0; k < rooms; ++k) {
            m_hub[k].moveToThread(&m_room[k]);
            m_room[k].start();
            QMetaObject::invokeMethod(
                &m_hub[k],
                [&, k] {
                    for (int i = k; i < phones; i += rooms)
                        m_phones[k].push_back(std::make_unique<Phone>(port, measures, i * 5000 / phones));
                },
                Qt::BlockingQueuedConnection);
        }
    }
    ~Crowd()
    {
        for (int k = 0; k < rooms; ++k) {
            QMetaObject::invokeMethod(
                &m_hub[k], [&, k] { m_phones[k].clear(); }, Qt::BlockingQueuedConnection);
            m_room[k].quit();
            m_room[k].wait();
        }
    }

private:
    static constexpr int rooms = 2;
    QThread m_room[rooms];
    QObject m_hub[rooms];
    std::vector<std::unique_ptr<Phone>> m_phones[rooms];
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
    StallWatch watch;
    QTimer record;
    QObject::connect(&record, &QTimer::timeout, [&] {
        tournament.restore(evening.next());
        if (measures) {
            QMutexLocker locked(&measures->lock);
            measures->recordedAt[version()] = nowMs();
        }
    });
    record.start(1000);
    runFor(seconds * 1000);
    figures.residentAfterKiB = residentKiB();
    figures.stallMaxMs = watch.maxMs();
    figures.stallP99Ms = watch.p99Ms();
    return figures;
}

void printEvening(const char *title, const EveningFigures &f)
{
    std::printf("%s: GUI thread stall max %.1f ms, p99 %.1f ms; resident %ld KiB → %ld KiB (%+ld KiB)\n", title,
                f.stallMaxMs, f.stallP99Ms, f.residentBeforeKiB, f.residentAfterKiB,
                f.residentAfterKiB - f.residentBeforeKiB);
}

// What the tables were answered.
struct Answers
{
    QMutex lock;
    std::vector<double> ms; // each submission, request written to answer read
    double lastAt = 0;      // when the last answer came
    int unexpected = 0;     // not a 200 with the state awaited
};

// A table's captain: a connection of its own, its four scores sent once.
class Captain : public QObject
{
public:
    Captain(quint16 port, const QByteArray &body, const QString &etat, Answers &answers)
        : m_request("POST /api/saisie HTTP/1.1\r\nHost: bench\r\nContent-Type: application/json\r\nContent-Length: " +
                    QByteArray::number(body.size()) + "\r\n\r\n" + body),
          m_etat(etat), m_answers(answers)
    {
        connect(&m_socket, &QTcpSocket::readyRead, this, &Captain::read);
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        m_socket.waitForConnected(1000);
    }
    void send()
    {
        m_sentAt = nowMs();
        m_socket.write(m_request);
    }

private:
    void read()
    {
        m_buffer += m_socket.readAll();
        const std::optional<Answer> answer = takeAnswer(m_buffer);
        if (!answer)
            return;
        const double done = nowMs();
        const QJsonObject json = QJsonDocument::fromJson(answer->body).object();
        QMutexLocker locked(&m_answers.lock);
        m_answers.ms.push_back(done - m_sentAt);
        m_answers.lastAt = std::max(m_answers.lastAt, done);
        if (answer->status != 200 || json.value(QLatin1String("etat")).toString() != m_etat)
            ++m_answers.unexpected;
    }

    QTcpSocket m_socket;
    const QByteArray m_request;
    const QString m_etat;
    Answers &m_answers;
    QByteArray m_buffer;
    double m_sentAt = 0;
};

// 40 tables send their scores within the same second while the phones follow, from a thread of
// their own: left waiting for the director, or accepted as they come (the ranking changes, every
// phone reloads it). Prints the answers and the GUI thread's longest stall; whether they met
// their bounds.
bool sendTables(int phones, bool autoAccept)
{
    constexpr int tables = 40;
    Evening evening(tables);
    Tournament tournament(evening.base); // no table of round 3 entered
    LivePublication publication(tournament);
    if (const Outcome started = publication.start(settingsFor(phones)); !started.ok()) {
        std::printf("server not started: %s\n", qPrintable(started.error));
        return false;
    }
    publication.setTableEntryOpen(true);
    publication.setAutoAccept(autoAccept);
    const QStringList codes = tableentry::codesOfRound(tournament).value();
    const quint16 port = publication.port();
    Measures measures;
    Crowd crowd(port, phones, measures);
    runFor(6000); // every phone has loaded the ranking
    {
        QMutexLocker locked(&measures.lock);
        measures.pageMs.clear();
    }

    Answers answers;
    QThread client;
    QObject hub;
    std::vector<std::unique_ptr<Captain>> captains;
    hub.moveToThread(&client);
    client.start();
    const QString etat = autoAccept ? QStringLiteral("saisie") : QStringLiteral("proposée");
    QMetaObject::invokeMethod(
        &hub,
        [&] {
            for (int t = 1; t <= tables; ++t) {
                const QByteArray body = QStringLiteral(R"({"tour":3,"table":%1,"code":"%2","scores":["120","-40",)"
                                                       R"("-40","-40"]})")
                                            .arg(t)
                                            .arg(codes.value(t - 1))
                                            .toUtf8();
                captains.push_back(std::make_unique<Captain>(port, body, etat, answers));
            }
        },
        Qt::BlockingQueuedConnection);
    StallWatch watch;
    QMetaObject::invokeMethod(&hub, [&] {
        for (int t = 0; t < tables; ++t)
            QTimer::singleShot(t * 1000 / tables, captains[size_t(t)].get(), &Captain::send);
    });
    runFor(4000); // the tables, then the phones reloading after the last
    QMetaObject::invokeMethod(
        &hub, [&] { captains.clear(); }, Qt::BlockingQueuedConnection);
    client.quit();
    client.wait();

    QMutexLocker answered(&answers.lock);
    QMutexLocker followed(&measures.lock);
    const double answerMax = percentile(answers.ms, 1.0);
    std::printf("%d tables within a second, %s: %zu answers, %d unexpected; answer p99 %.1f ms, max %.1f ms; "
                "GUI thread stall max %.1f ms\n",
                tables, autoAccept ? "accepted as they come" : "left waiting", answers.ms.size(), answers.unexpected,
                percentile(answers.ms, 0.99), answerMax, watch.maxMs());
    const quint64 last = publication.version();
    std::printf("  meanwhile %zu pages, p99 %.1f ms, max %.1f ms", measures.pageMs.size(),
                percentile(measures.pageMs, 0.99), percentile(measures.pageMs, 1.0));
    if (autoAccept)
        std::printf("; the last table on %d/%d phones %.0f ms after its answer", measures.phonesUpToDate[last], phones,
                    measures.lastPhoneAt[last] - answers.lastAt);
    std::printf("\n");
    return int(answers.ms.size()) == tables && answers.unexpected == 0 && answerMax <= 200 && watch.maxMs() <= 50 &&
           (!autoAccept || measures.phonesUpToDate[last] == phones) && measures.errors == 0;
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
    // The tables' scores are written to the working files and synced, as the program does beside
    // itself: on a disk, not in a memory file system.
    QTemporaryDir work(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_live-XXXXXX"));
    Platform services;
    services.files = WorkingFiles(work.path());
    installPlatform(services);

    bool met = true;
    {
        Evening evening(15);
        Tournament tournament(evening.next());
        LivePublication publication(tournament);
        if (const Outcome started = publication.start(settingsFor(phones)); !started.ok()) {
            std::printf("server not started: %s\n", qPrintable(started.error));
            return 1;
        }
        Measures measures;
        EveningFigures on;
        {
            Crowd crowd(publication.port(), phones, measures);
            on = playEvening(tournament, evening, seconds, &measures, [&] { return publication.version(); });
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
    for (const bool autoAccept : {false, true})
        met = sendTables(phones, autoAccept) && met;
    return met ? 0 : 1;
}
