#include "live/liveserver.h"

#include <QTcpSocket>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

namespace {

// One answer as the client reads it.
struct Answer
{
    int status = 0;
    QMap<QByteArray, QByteArray> headers; // names in lower case
    QByteArray body;

    bool has(const QByteArray &name) const { return headers.contains(name); }
    QByteArray operator[](const QByteArray &name) const { return headers.value(name); }
};

// A raw TCP client, byte-exact, reading answers as they come on the event loop the server runs on.
class Client
{
public:
    explicit Client(quint16 port, const QHostAddress &host = QHostAddress::LocalHost)
    {
        QObject::connect(&m_socket, &QIODevice::readyRead, [this] { received += m_socket.readAll(); });
        QObject::connect(&m_socket, &QAbstractSocket::disconnected, [this] { closed = true; });
        m_socket.connectToHost(host, port);
    }

    bool connected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    void send(const QByteArray &bytes) { m_socket.write(bytes); }
    // Sends at once, without the event loop: the server's own thread reads it meanwhile.
    void sendNow(const QByteArray &bytes)
    {
        m_socket.write(bytes);
        m_socket.waitForBytesWritten(1000);
    }

    // The next whole answer; a HEAD's and a 304's have no body, a stream's is what came so far.
    std::optional<Answer> answer(bool headOnly = false)
    {
        std::optional<Answer> out;
        (void)QTest::qWaitFor([&] { return (out = take(headOnly)).has_value() || closed; }, 5000);
        return out ? out : take(headOnly);
    }
    bool closedByServer()
    {
        return QTest::qWaitFor([&] { return closed; }, 5000);
    }

    QByteArray received;
    bool closed = false;

private:
    std::optional<Answer> take(bool headOnly)
    {
        const qsizetype end = received.indexOf("\r\n\r\n");
        if (end < 0)
            return std::nullopt;
        Answer answer;
        const QList<QByteArray> lines = received.first(end).split('\n');
        answer.status = lines.first().split(' ').value(1).toInt();
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines.at(i).indexOf(':');
            answer.headers.insert(lines.at(i).first(colon).toLower(), lines.at(i).sliced(colon + 1).trimmed());
        }
        const qsizetype length = headOnly || answer.status == 304 ? 0
                                 : answer.has("content-length")   ? answer["content-length"].toLongLong()
                                                                  : received.size() - end - 4;
        if (received.size() < end + 4 + length)
            return std::nullopt;
        answer.body = received.sliced(end + 4, length);
        received.remove(0, end + 4 + length);
        return answer;
    }

    QTcpSocket m_socket;
};

const QByteArray page = "<p>Classement général</p>";
const QByteArray deflatedPage = "deflated bytes";

bool carriesSecurityHeaders(const Answer &a)
{
    return a["content-security-policy"].contains("frame-ancestors 'none'") &&
           a["x-content-type-options"] == "nosniff" && a["x-frame-options"] == "DENY" &&
           a["referrer-policy"] == "no-referrer";
}

QByteArray get(const QByteArray &target, const QByteArray &headers = {})
{
    return "GET " + target + " HTTP/1.1\r\nHost: club\r\n" + headers + "\r\n";
}

QByteArray post(const QByteArray &body)
{
    return "POST /api/saisie HTTP/1.1\r\nHost: club\r\nContent-Type: application/json\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace

// The live server, talked to over raw TCP as a phone would, and as hostile clients do.
class TestLiveServer : public QObject
{
    Q_OBJECT

private:
    QStringList asked; // what the content was asked, "path?query", and the submissions, "type:body"
    LiveServer server{[this](QByteArrayView path, QByteArrayView query) {
                          asked.append(QString::fromLatin1(path.toByteArray() + '?' + query.toByteArray()));
                          if (path == "/")
                              return LiveResponse{200, "text/html; charset=utf-8", page, deflatedPage, "\"v7\""};
                          return LiveResponse{404, "text/plain; charset=utf-8", "absent", {}, {}};
                      },
                      [this](QByteArrayView type, QByteArrayView body) {
                          asked.append(QString::fromLatin1(type.toByteArray() + ':' + body.toByteArray()));
                          return LiveResponse{200, "application/json", R"({"etat":"proposée"})", {}, {}};
                      }};

    static LiveServerSettings anyPort()
    {
        LiveServerSettings settings;
        settings.port = 0;
        return settings;
    }

    // A fresh connection still gets a plain answer.
    void servesStill()
    {
        Client client(server.port());
        client.send(get("/"));
        const auto answer = client.answer();
        QVERIFY(answer);
        QCOMPARE(answer->status, 200);
    }

private slots:
    void initTestCase()
    {
#ifndef Q_OS_WIN
        // Thousands of sockets, both ends in this process.
        rlimit limit{};
        getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
#endif
    }

    void init()
    {
        asked.clear();
        QVERIFY(server.start(anyPort()).ok());
    }

    void cleanup()
    {
        server.stop();
    }

    void answersAsTheContentSays()
    {
        Client client(server.port());
        client.send(get("/"));
        auto answer = client.answer();
        QVERIFY(answer);
        QCOMPARE(answer->status, 200);
        QCOMPARE(answer->body, page);
        QCOMPARE((*answer)["content-type"], "text/html; charset=utf-8");
        QCOMPARE((*answer)["etag"], "\"v7\"");
        QCOMPARE((*answer)["vary"], "Accept-Encoding");
        QCOMPARE((*answer)["cache-control"], "no-cache");
        QVERIFY(carriesSecurityHeaders(*answer));

        // The same connection, kept alive: HEAD, the same headers without the body.
        client.send("HEAD / HTTP/1.1\r\n\r\n");
        answer = client.answer(true);
        QCOMPARE((*answer)["content-length"], QByteArray::number(page.size()));
        QCOMPARE((*answer)["etag"], "\"v7\"");

        // Conditional: the same tag, among others or weak, and nothing is sent again.
        client.send(get("/", "If-None-Match: \"v6\", W/\"v7\"\r\n"));
        answer = client.answer();
        QCOMPARE(answer->status, 304);
        QCOMPARE((*answer)["content-length"], QByteArray::number(page.size())); // the 200's, as HTTP wants
        QVERIFY(carriesSecurityHeaders(*answer));
        client.send(get("/", "If-None-Match: \"v6\"\r\n"));
        QCOMPARE(client.answer()->status, 200);

        // Deflate when asked for, not when refused with q=0.
        client.send(get("/", "Accept-Encoding: gzip, deflate, br\r\n"));
        answer = client.answer();
        QCOMPARE(answer->body, deflatedPage);
        QCOMPARE((*answer)["content-encoding"], "deflate");
        QCOMPARE((*answer)["content-length"], QByteArray::number(deflatedPage.size()));
        client.send(get("/", "Accept-Encoding: deflate;q=0\r\n"));
        QCOMPARE(client.answer()->body, page);

        // A head of 8 KiB is within the limits.
        client.send(get("/", "Cookie: " + QByteArray(8 * 1024 - 40, 'c') + "\r\n"));
        QCOMPARE(client.answer()->status, 200);

        // The content's 404, and the raw query handed over.
        client.send(get("/api/classement?tour=3&nom=%C3%89mile"));
        answer = client.answer();
        QCOMPARE(answer->status, 404);
        QCOMPARE(answer->body, "absent");
        QCOMPARE(asked.last(), "/api/classement?tour=3&nom=%C3%89mile");

        // Pipelined, in one write: answered in order, on the same connection.
        client.send(get("/a") + "HEAD / HTTP/1.1\r\n\r\n" + get("/b"));
        QCOMPARE(client.answer()->status, 404);
        QVERIFY(client.answer(true)->body.isEmpty());
        QCOMPARE(client.answer()->status, 404);
        // The content is asked once for each target until it changes: "/" was answered before.
        QCOMPARE(asked, QStringList({"/?", "/api/classement?tour=3&nom=%C3%89mile", "/a?", "/b?"}));
        server.forgetAnswers();
        client.send(get("/"));
        QCOMPARE(client.answer()->body, page);
        QCOMPARE(asked.last(), "/?");
        QVERIFY(!client.closed);

        // Connection: close, and HTTP/1.0, are answered then closed.
        client.send(get("/", "Connection: keep-alive, close\r\n"));
        QCOMPARE((*client.answer())["connection"], "close");
        QVERIFY(client.closedByServer());
        Client old(server.port(), QHostAddress::LocalHostIPv6);
        old.send("GET / HTTP/1.0\r\n\r\n");
        QCOMPARE(old.answer()->body, page);
        QVERIFY(old.closedByServer());
    }

    // The oversized heads and the HTTP/2 preface are libmicrohttpd's refusals, the others ours.
    void refusesHostileRequests_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("closes");
        const QByteArray megabyte(1024 * 1024, 'a');
        QTest::newRow("1 MiB header") << get("/", "X-Big: " + megabyte + "\r\n") << 431 << true;
        QTest::newRow("32 KiB of headers") << get("/", "X-A: " + QByteArray(32 * 1024, 'a') + "\r\n") << 431 << true;
        QTest::newRow("body on GET") << get("/", "Content-Length: 5\r\n") + "hello" << 413 << true;
        QTest::newRow("chunked GET") << get("/", "Transfer-Encoding: chunked\r\n") + "5\r\nhello\r\n0\r\n\r\n"
                                     << 413 << true;
        QTest::newRow("POST") << QByteArray("POST / HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}") << 405 << true;
        QTest::newRow("PUT scores") << QByteArray("PUT /api/saisie HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}") << 405
                                    << true;
        QTest::newRow("scores over 1 KiB") << post(QByteArray(1025, ' ')) << 413 << true;
        QTest::newRow("chunked scores") << QByteArray("POST /api/saisie HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"
                                                      "2\r\n{}\r\n0\r\n\r\n")
                                        << 411 << true;
        QTest::newRow("100 KiB query") << get("/?q=" + QByteArray(100 * 1024, 'q')) << 414 << true;
        QTest::newRow("HTTP/2 preface") << QByteArray("PRI * HTTP/2.0\r\n\r\nSM\r\n\r\n") << 505 << true;
        // Well-formed, but not a path the content may see: refused, the connection kept.
        QTest::newRow("..") << get("/api/../secret") << 400 << false;
        QTest::newRow("%00") << get("/index%00.html") << 400 << false;
        QTest::newRow("encoded ..") << get("/%2e%2E/x") << 400 << false;
        QTest::newRow("control") << get("/a%0d%0aSet-Cookie:x") << 400 << false;
        QTest::newRow("absolute form") << get("http://club/") << 400 << false;
    }

    void refusesHostileRequests()
    {
        QFETCH(QByteArray, request);
        QFETCH(int, status);
        QFETCH(bool, closes);
        Client client(server.port());
        client.send(request);
        const auto answer = client.answer();
        QVERIFY(answer);
        QCOMPARE(answer->status, status);
        QVERIFY(carriesSecurityHeaders(*answer) || status > 413);
        if (status == 405)
            QCOMPARE((*answer)["allow"], "GET, HEAD");
        QVERIFY(asked.isEmpty());
        if (closes) {
            QVERIFY(client.closedByServer());
            servesStill();
        } else {
            client.send(get("/"));
            QCOMPARE(client.answer()->body, page);
        }
    }

    // A table's scores go to the submission's taker, each once and never kept; a connection sending
    // them faster than a phone would is refused before they reach it.
    void takesSubmissions()
    {
        Client phone(server.port());
        for (int i = 1; i <= 5; ++i) {
            phone.send(post("{\"n\":" + QByteArray::number(i) + '}'));
            const auto answer = phone.answer();
            QVERIFY(answer);
            QCOMPARE(answer->status, 200);
            QCOMPARE(answer->body, R"({"etat":"proposée"})");
            QCOMPARE((*answer)["cache-control"], "no-store");
            QVERIFY(carriesSecurityHeaders(*answer));
            QCOMPARE(asked.size(), i);
        }
        QCOMPARE(asked.constLast(), QStringLiteral("application/json:{\"n\":5}"));
        // A hundred more in the same second: none reaches the tournament.
        for (int i = 0; i < 100; ++i) {
            phone.send(post("{}"));
            const auto answer = phone.answer();
            QVERIFY(answer);
            QCOMPARE(answer->status, 429);
            QVERIFY(answer->body.contains("Trop d'envois"));
        }
        QCOMPARE(asked.size(), 5);
        // Another phone is not slowed by it.
        Client other(server.port());
        other.send(post("{}"));
        QCOMPARE(other.answer()->status, 200);
    }

    // Too many connections: the extra ones wait outside until there is room, those in are untouched.
    void keepsTheCrowdOutside()
    {
        LiveServerSettings settings = anyPort();
        settings.maxConnections = 50;
        QVERIFY(server.start(settings).ok());
        Client stream(server.port());
        stream.send(get("/api/direct"));
        QVERIFY(stream.answer());

        auto crowd = std::make_unique<std::vector<std::unique_ptr<Client>>>();
        while (crowd->size() < 2000) {
            for (int i = 0; i < 50; ++i)
                crowd->push_back(std::make_unique<Client>(server.port()));
            QVERIFY(QTest::qWaitFor([&] {
                return std::all_of(crowd->end() - 50, crowd->end(),
                                   [](auto &c) { return c->connected() || c->closed; });
            }));
        }
        QVERIFY(QTest::qWaitFor([&] { return server.connectionCount() == 50; }));
        QTest::qWait(200);
        QCOMPARE(server.connectionCount(), 50);
        QVERIFY(!stream.closed);
        QVERIFY(std::all_of(crowd->begin(), crowd->end(), [](auto &c) { return c->received.isEmpty(); }));

        // The crowd leaves: a phone coming now is let in and served, the stream still follows.
        crowd.reset();
        QVERIFY(QTest::qWaitFor([&] { return server.connectionCount() == 1; }, 10000));
        servesStill();
        server.publish(9);
        QVERIFY(QTest::qWaitFor([&] { return stream.received.contains("data: 9\n"); }));
    }

    // A connection left silent, an idle one, and one sending a byte every quarter of a second that
    // has not sent its request within a second are closed without a word; the stream is kept.
    void closesSlowAndIdleConnections()
    {
        LiveServerSettings settings = anyPort();
        settings.requestSeconds = 1;
        settings.idleSeconds = 1;
        QVERIFY(server.start(settings).ok());
        Client stream(server.port());
        stream.send(get("/api/direct"));
        QVERIFY(stream.answer());
        Client kept(server.port());
        kept.send(get("/"));
        QVERIFY(kept.answer());
        Client silent(server.port());
        Client slow(server.port());
        const QByteArray request = get("/");
        int sent = 0;
        QTimer trickle;
        connect(&trickle, &QTimer::timeout, [&] { slow.send(request.mid(sent++, 1)); });
        trickle.start(250);

        QVERIFY(slow.closedByServer());
        QVERIFY(sent < request.size());
        QVERIFY(slow.received.isEmpty());
        QVERIFY(silent.closedByServer() && silent.received.isEmpty());
        QVERIFY(kept.closedByServer() && kept.received.isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return server.connectionCount() == 1; }));
        QVERIFY(!stream.closed);
        servesStill();
    }

    void liveStreamsFollowPublish()
    {
        server.publish(3);
        Client stream(server.port(), QHostAddress::LocalHostIPv6);
        stream.send(get("/api/direct"));
        auto answer = stream.answer();
        QVERIFY(answer);
        QCOMPARE(answer->status, 200);
        QCOMPARE((*answer)["content-type"], "text/event-stream");
        QCOMPARE((*answer)["cache-control"], "no-store");
        QVERIFY(!answer->has("content-length"));
        QVERIFY(carriesSecurityHeaders(*answer));
        QVERIFY(
            QTest::qWaitFor([&] { return (answer->body + stream.received).contains("event: version\ndata: 3\n\n"); }));
        stream.received.clear();

        Client second(server.port());
        second.send(get("/api/direct"));
        QVERIFY(second.answer());
        second.received.clear();
        server.publish(4);
        QVERIFY(QTest::qWaitFor([&] {
            return stream.received.contains("event: version\ndata: 4\n\n") && second.received == stream.received;
        }));
        QCOMPARE(server.connectionCount(), 2);
        QVERIFY(asked.isEmpty());

        // HEAD: the stream's headers, and the connection goes on as any other.
        Client head(server.port());
        head.send("HEAD /api/direct HTTP/1.1\r\n\r\n");
        answer = head.answer(true);
        QCOMPARE((*answer)["content-type"], "text/event-stream");
        head.send(get("/"));
        QCOMPARE(head.answer()->body, page);
    }

    // Phones asking for the same page together wait for one answer of the content; stopping while
    // they wait closes them, and the server starts again.
    void oneAnswerForTheCrowd()
    {
        std::vector<std::unique_ptr<Client>> crowd;
        for (int i = 0; i < 20; ++i) {
            crowd.push_back(std::make_unique<Client>(server.port()));
            QVERIFY(QTest::qWaitFor([&] { return crowd.back()->connected(); }));
        }
        for (auto &c : crowd)
            c->sendNow(get("/"));
        for (auto &c : crowd)
            QCOMPARE(c->answer()->body, page);
        QCOMPARE(asked, QStringList({"/?"}));

        Client waiting(server.port());
        QVERIFY(QTest::qWaitFor([&] { return waiting.connected(); }));
        waiting.sendNow(get("/later"));
        QThread::msleep(300); // the request reaches the server's thread, which waits for this one
        server.stop();
        QVERIFY(waiting.closedByServer());
        QVERIFY(waiting.received.isEmpty());
        QVERIFY(server.start(anyPort()).ok());
        servesStill();
    }

    void stopClosesEverything()
    {
        const quint16 port = server.port();
        Client stream(port);
        stream.send(get("/api/direct"));
        QVERIFY(stream.answer());
        Client idle(port);
        idle.send(get("/"));
        QVERIFY(idle.answer());
        Client halfway(port);
        halfway.send("GET / HTTP/1.1\r\nHo");
        QVERIFY(QTest::qWaitFor([&] { return server.connectionCount() == 3; }));

        // A second server cannot have the port, and says so in French.
        LiveServer other([](QByteArrayView, QByteArrayView) { return LiveResponse(); },
                         [](QByteArrayView, QByteArrayView) { return LiveResponse(); });
        LiveServerSettings same;
        same.port = port;
        const Outcome taken = other.start(same);
        QVERIFY(!taken.ok());
        QVERIFY2(taken.error.contains(QString::number(port)), qPrintable(taken.error));

        server.stop();
        QVERIFY(!server.isRunning());
        QCOMPARE(server.connectionCount(), 0);
        QVERIFY(stream.closedByServer());
        QVERIFY(idle.closedByServer());
        QVERIFY(halfway.closedByServer());
        QVERIFY(halfway.received.isEmpty());

        QVERIFY(server.start(same).ok());
        QCOMPARE(server.port(), port);
        servesStill();
    }
};

QTEST_GUILESS_MAIN(TestLiveServer)
#include "test_liveserver.moc"
