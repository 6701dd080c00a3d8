#include "live/liveserver.h"

#include "live/requestguard.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/resource.h>
#include <sys/socket.h>
#endif

using namespace std::chrono_literals;

namespace {

const QByteArray streamPath = QByteArrayLiteral("/api/direct");

// Bytes a client may leave untaken before it is dropped: it asked and does not read.
constexpr qint64 maxUnsentBytes = 1024 * 1024;
// Bytes taken from the system per socket: what waits beyond stays there and slows the sender.
constexpr qint64 readBufferBytes = 64 * 1024;
// After an answer that ends the connection, how long the client may still send before it is cut.
constexpr auto lingerTime = 2s;
constexpr auto heartbeatTime = 25s;

// The page's own style and script are allowed by their hashes, nothing else inline.
const QByteArray &securityHeaders()
{
    static const QByteArray headers = "Content-Security-Policy: " + LiveContent::contentSecurityPolicy() +
                                      "\r\n"
                                      "X-Content-Type-Options: nosniff\r\n"
                                      "X-Frame-Options: DENY\r\n"
                                      "Referrer-Policy: no-referrer\r\n";
    return headers;
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 304: return "Not Modified";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 413: return "Content Too Large";
    case 414: return "URI Too Long";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return {};
    }
}

// One answer in bytes. headers: lines of its own, each ending in CR LF.
struct Reply
{
    int status = 200;
    QByteArray headers;
    QByteArray body;
    bool bodyless = false;   // HEAD: the headers still tell the body's length
    bool lengthless = false; // 304, the stream: no Content-Length
    QByteArray cache = "no-cache";

    QByteArray bytes(bool closing) const
    {
        QByteArray out = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) + "\r\n" +
                         securityHeaders() + "Cache-Control: " + cache + "\r\n" + headers;
        if (!lengthless)
            out += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        if (closing)
            out += "Connection: close\r\n";
        out += "\r\n";
        if (!bodyless)
            out += body;
        return out;
    }
};

// What the server itself answers when it refuses a request, in French for the phone's screen.
Reply refusal(int status)
{
    Reply reply;
    reply.status = status;
    reply.headers = "Content-Type: text/plain; charset=utf-8\r\n";
    switch (status) {
    case 405:
        reply.headers += "Allow: GET, HEAD\r\n";
        reply.body = "Ce serveur ne fait que donner les résultats : seules les lectures (GET, HEAD) sont acceptées.";
        break;
    case 408: reply.body = "La requête est arrivée trop lentement."; break;
    case 413: reply.body = "Une lecture des résultats n'envoie pas de contenu."; break;
    case 414: reply.body = "L'adresse demandée est trop longue."; break;
    case 431: reply.body = "Les en-têtes de la requête sont trop longs."; break;
    case 503: reply.body = "Trop de connexions en ce moment : réessayez dans un instant."; break;
    default: reply.body = "Requête invalide."; break;
    }
    reply.body += '\n';
    return reply;
}

// If-None-Match holds this entity tag (compared weakly, as conditional GETs are) or "*".
bool etagMatches(QByteArrayView ifNoneMatch, QByteArrayView etag)
{
    const auto strong = [](QByteArrayView tag) { return tag.startsWith("W/") ? tag.sliced(2) : tag; };
    for (const QByteArray &tag : ifNoneMatch.toByteArray().split(',')) {
        const QByteArrayView candidate = QByteArrayView(tag).trimmed();
        if (candidate == "*" || strong(candidate) == strong(etag))
            return true;
    }
    return false;
}

// Accept-Encoding names deflate, and not with q=0.
bool acceptsDeflate(QByteArrayView acceptEncoding)
{
    for (const QByteArray &item : acceptEncoding.toByteArray().split(',')) {
        const QList<QByteArray> parts = item.split(';');
        if (QByteArrayView(parts.first()).trimmed().compare("deflate", Qt::CaseInsensitive) != 0)
            continue;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            const QByteArray parameter = parts.at(i).trimmed().toLower();
            if (parameter.startsWith("q=") && parameter.sliced(2).toDouble() <= 0)
                return false;
        }
        return true;
    }
    return false;
}

QByteArray versionEvent(quint64 version)
{
    return "event: version\ndata: " + QByteArray::number(version) + "\n\n";
}

// Ends our way of the connection once the answer is out, while the client may still be sending:
// closing outright with its bytes unread would reset the connection, and the client could lose
// the answer.
void shutdownSending(QTcpSocket *socket)
{
#ifdef Q_OS_WIN
    ::shutdown(SOCKET(socket->socketDescriptor()), SD_SEND);
#else
    ::shutdown(int(socket->socketDescriptor()), SHUT_WR);
#endif
}

// maxConnections sockets need as many descriptors: a desktop session often allows 1,024 only.
void allowDescriptors(int connections)
{
#ifndef Q_OS_WIN
    rlimit limit{};
    const rlim_t wanted = rlim_t(connections) * 2 + 256;
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < wanted) {
        limit.rlim_cur = std::min(wanted, limit.rlim_max);
        setrlimit(RLIMIT_NOFILE, &limit);
    }
#else
    Q_UNUSED(connections)
#endif
}

} // namespace

// Qt's request parsing; every request it finishes is one its connection's guard handed over.
class LiveHttpServer : public QAbstractHttpServer
{
public:
    using QAbstractHttpServer::QAbstractHttpServer;

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    // Never called: handleRequest takes every request.
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}
};

// Makes each connection's socket itself, so that its guard reads the bytes before Qt does.
class LiveListener : public QTcpServer
{
public:
    explicit LiveListener(LiveServer &server) : m_server(server) {}

protected:
    void incomingConnection(qintptr descriptor) override
    {
        if (QTcpSocket *socket = m_server.accept(this, descriptor))
            addPendingConnection(socket);
    }

private:
    LiveServer &m_server;
};

// One client's connection. Its bytes are read here first: the guard finds each request head and
// checks its limits; a whole head is then put back into the socket for Qt's parser, alone, and the
// next one only once it is answered. Qt therefore never holds a partial or oversized head, and
// pipelined requests are answered in order. A child of its socket, gone with it.
class LiveConnection : public QObject
{
    Q_OBJECT

public:
    LiveConnection(QTcpSocket *socket, LiveServer *server) : QObject(socket), m_socket(socket), m_server(server)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, &LiveConnection::expire);
        connect(socket, &QIODevice::readyRead, this, &LiveConnection::readBytes);
        connect(socket, &QIODevice::bytesWritten, this, &LiveConnection::shutdownWhenSent);
        connect(socket, &QAbstractSocket::disconnected, this, &LiveConnection::finish);
        // A connection opened and left silent is closed without a word, as an idle one is:
        // browsers open connections ahead of need, and a 408 sent as they start to use one would
        // be read as the answer to their request.
        m_timer.start(requestTime());
    }

    ~LiveConnection() override
    {
        if (!m_finished && m_server)
            m_server->forget(this);
    }

    bool counted = false; // let in, not turned away at the door

    // Answers with this refusal and ends the connection.
    void refuse(int status) { closeAfter(refusal(status)); }

    // Qt parsed the head handed over: answers it.
    void answer(const QHttpServerRequest &request)
    {
        if (m_state != State::Reading || !m_server)
            return;
        if (!m_handedOver) {
            refuse(400); // Qt found a request where the guard did not
            return;
        }
        const RequestHead head = *std::exchange(m_handedOver, std::nullopt);
        const qsizetype mark = head.target.indexOf('?');
        const QByteArrayView path = QByteArrayView(head.target).first(mark < 0 ? head.target.size() : mark);
        const QByteArrayView query = mark < 0 ? QByteArrayView() : QByteArrayView(head.target).sliced(mark + 1);

        Reply reply;
        if (!isServablePath(path)) {
            reply = refusal(400);
        } else if (path == streamPath) {
            reply.headers = "Content-Type: text/event-stream\r\n";
            reply.cache = "no-store";
            reply.lengthless = true;
            if (!head.headOnly) {
                startStream(reply);
                return;
            }
        } else {
            reply = content(m_server->m_answer(path, query), request);
        }
        reply.bodyless = reply.bodyless || head.headOnly;
        if (!head.keepAlive) {
            closeAfter(reply);
            return;
        }
        if (!send(reply.bytes(false)))
            return;
        if (!m_waiting.isEmpty() || m_socket->bytesAvailable() > 0)
            QMetaObject::invokeMethod(m_socket, &QIODevice::readyRead, Qt::QueuedConnection);
        else if (!m_guard.started())
            m_timer.start(std::chrono::seconds(m_server->m_settings.idleSeconds));
    }

    void tell(const QByteArray &event)
    {
        if (m_state == State::Streaming)
            send(event);
    }

    // Closes at once and lets the socket go; the connection no longer counts.
    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_state = State::Closing; // nothing more is read, answered or told
        m_timer.stop();
        if (m_server)
            m_server->forget(this);
        m_socket->abort();
        m_socket->deleteLater();
    }

private:
    enum class State { Reading, Streaming, Closing };

    std::chrono::milliseconds requestTime() const
    {
        return m_server ? std::chrono::seconds(m_server->m_settings.requestSeconds) : 0s;
    }

    // Qt's parser opens a transaction each time it is called; one that read nothing is let go
    // before reading, or everything read would be kept for its rollback.
    void endQtTransaction()
    {
        if (m_socket->isTransactionStarted())
            m_socket->commitTransaction();
    }

    void readBytes()
    {
        endQtTransaction();
        if (m_state != State::Reading) {
            m_socket->skip(m_socket->bytesAvailable()); // nothing more is read from a stream or a closing connection
            return;
        }
        if (m_handedOver) {
            refuse(400); // Qt let the last head pass without answering it
            return;
        }
        // While heads wait their turn, new bytes stay in the socket (it reads no further than its buffer).
        if (m_waiting.isEmpty())
            scan(m_socket->readAll());
        handOver();
    }

    void scan(const QByteArray &bytes)
    {
        qsizetype at = 0;
        while (at < bytes.size() && m_state == State::Reading) {
            if (!m_guard.started())
                m_timer.start(requestTime()); // the first byte of a request: its line and headers have this long
            const RequestGuard::Step step = m_guard.read(QByteArrayView(bytes).sliced(at));
            m_head += QByteArrayView(bytes).sliced(at, step.used);
            at += step.used;
            if (step.verdict == RequestGuard::Verdict::Complete)
                m_waiting.append({m_guard.head(), std::exchange(m_head, {})});
            else if (step.verdict != RequestGuard::Verdict::Partial)
                refuse(int(step.verdict));
        }
    }

    // Puts the next whole head back in front of the socket's bytes, for Qt's parser, which reads
    // right after this in the same signal.
    void handOver()
    {
        if (m_handedOver || m_waiting.isEmpty())
            return;
        const auto [head, bytes] = m_waiting.takeFirst();
        m_handedOver = head;
        for (qsizetype i = bytes.size(); i-- > 0;)
            m_socket->ungetChar(bytes.at(i));
        QMetaObject::invokeMethod(this, &LiveConnection::checkAnswered, Qt::QueuedConnection);
    }

    void checkAnswered()
    {
        if (!m_handedOver || m_state != State::Reading)
            return;
        if (m_socket->state() == QAbstractSocket::ConnectedState)
            refuse(400);
        else
            finish();
    }

    Reply content(const LiveResponse &response, const QHttpServerRequest &request) const
    {
        Reply reply;
        reply.status = response.status;
        reply.headers = "Vary: Accept-Encoding\r\n";
        if (!response.etag.isEmpty())
            reply.headers += "ETag: " + response.etag + "\r\n";
        if (response.status == 200 && !response.etag.isEmpty() &&
            etagMatches(request.value("If-None-Match"), response.etag)) {
            reply.status = 304;
            reply.bodyless = true;
            reply.lengthless = true; // a 304 tells no length: it would be the body's, never sent
            return reply;
        }
        if (!response.contentType.isEmpty())
            reply.headers += "Content-Type: " + response.contentType + "\r\n";
        if (!response.deflated.isEmpty() && acceptsDeflate(request.value("Accept-Encoding"))) {
            reply.headers += "Content-Encoding: deflate\r\n";
            reply.body = response.deflated;
        } else {
            reply.body = response.body;
        }
        return reply;
    }

    void startStream(const Reply &headers)
    {
        m_state = State::Streaming;
        m_timer.stop(); // a stream is never idle
        m_waiting.clear();
        m_head.clear();
        send(headers.bytes(false) + versionEvent(m_server->m_version));
    }

    // False when the client was dropped instead: it leaves too much untaken.
    bool send(const QByteArray &bytes)
    {
        if (m_socket->bytesToWrite() > maxUnsentBytes) {
            finish();
            return false;
        }
        m_socket->write(bytes);
        return true;
    }

    void closeAfter(const Reply &reply)
    {
        m_state = State::Closing;
        m_waiting.clear();
        m_head.clear();
        m_handedOver.reset();
        endQtTransaction();
        m_socket->skip(m_socket->bytesAvailable());
        m_socket->write(reply.bytes(true));
        m_socket->flush();
        m_timer.start(lingerTime);
        shutdownWhenSent();
    }

    void shutdownWhenSent()
    {
        if (m_state == State::Closing && !m_shutDown && m_socket->bytesToWrite() == 0 &&
            m_socket->state() == QAbstractSocket::ConnectedState) {
            m_shutDown = true;
            shutdownSending(m_socket);
        }
    }

    void expire()
    {
        if (m_state == State::Reading && m_guard.started())
            refuse(408);
        else
            finish(); // silent or idle, or lingering after its answer
    }

    QTcpSocket *m_socket;
    QPointer<LiveServer> m_server;
    State m_state = State::Reading;
    RequestGuard m_guard;
    QByteArray m_head;                                   // the bytes of the head being received
    QList<std::pair<RequestHead, QByteArray>> m_waiting; // whole heads not yet handed to Qt
    std::optional<RequestHead> m_handedOver;             // the head Qt is parsing
    QTimer m_timer;
    bool m_shutDown = false;
    bool m_finished = false;
};

bool LiveHttpServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    if (auto *connection = socket->findChild<LiveConnection *>(QString(), Qt::FindDirectChildrenOnly))
        connection->answer(request);
    return true;
}

LiveServer::LiveServer(LiveAnswer answer, QObject *parent) : QObject(parent), m_answer(std::move(answer))
{
    m_heartbeat.setInterval(heartbeatTime);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { tellStreams(":\n\n"); });
}

LiveServer::~LiveServer()
{
    stop();
}

Outcome LiveServer::start(const LiveServerSettings &settings)
{
    stop();
    m_settings = settings;
    allowDescriptors(settings.maxConnections);
    auto *listener = new LiveListener(*this);
    if (!listener->listen(QHostAddress::Any, settings.port)) {
        const QString port = QString::number(settings.port);
        QString error;
        switch (listener->serverError()) {
        case QAbstractSocket::AddressInUseError:
            error =
                QStringLiteral("Le port %1 est déjà pris par un autre programme : choisissez-en un autre.").arg(port);
            break;
        case QAbstractSocket::SocketAccessError:
            error = QStringLiteral("Le port %1 est réservé à l'administrateur de l'ordinateur : choisissez un port "
                                   "au-dessus de 1024.")
                        .arg(port);
            break;
        default:
            error = QStringLiteral("Les résultats ne peuvent pas être publiés sur le port %1 (%2).")
                        .arg(port, listener->errorString());
        }
        delete listener;
        return Outcome::failure(error);
    }
    // Out of descriptors, Qt pauses accepting and never resumes by itself: it tries again a moment later.
    connect(listener, &QTcpServer::acceptError, listener,
            [listener] { QTimer::singleShot(1s, listener, &QTcpServer::resumeAccepting); });
    m_http = new LiveHttpServer(this);
    m_http->bind(listener);
    m_listener = listener;
    m_heartbeat.start();
    return Outcome::success();
}

void LiveServer::stop()
{
    m_heartbeat.stop();
    const QSet<LiveConnection *> connections = m_connections;
    for (LiveConnection *connection : connections)
        connection->finish();
    if (m_listener)
        m_listener->close();
    if (m_http)
        m_http->deleteLater(); // it may be on the stack, answering
    m_http = nullptr;
    m_listener = nullptr;
}

bool LiveServer::isRunning() const
{
    return m_listener && m_listener->isListening();
}

quint16 LiveServer::port() const
{
    return m_listener ? m_listener->serverPort() : 0;
}

int LiveServer::connectionCount() const
{
    return m_counted;
}

void LiveServer::publish(quint64 version)
{
    m_version = version;
    tellStreams(versionEvent(version));
}

void LiveServer::tellStreams(const QByteArray &event)
{
    const QSet<LiveConnection *> connections = m_connections; // a stream that does not read is dropped
    for (LiveConnection *connection : connections)
        connection->tell(event);
}

QTcpSocket *LiveServer::accept(QTcpServer *listener, qintptr descriptor)
{
    auto *socket = new QTcpSocket(listener);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return nullptr;
    }
    socket->setReadBufferSize(readBufferBytes);
    auto *connection = new LiveConnection(socket, this);
    m_connections.insert(connection);
    if (m_counted >= m_settings.maxConnections) {
        // Turned away at the door: Qt never sees it, and it does not count.
        connection->refuse(503);
        return nullptr;
    }
    connection->counted = true;
    ++m_counted;
    return socket;
}

void LiveServer::forget(LiveConnection *connection)
{
    if (m_connections.remove(connection) && connection->counted)
        --m_counted;
}

#include "liveserver.moc"
