#include "live/liveserver.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QTcpServer>

#include <microhttpd.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
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
const QByteArray submitPath = QByteArrayLiteral("/api/saisie");

// A table's scores are a few dozen bytes: anything longer is not read.
constexpr qsizetype maxSubmissionBytes = 1024;
// A connection sends this many submissions at most in a window: a phone sends one a round, and a
// program trying codes or filling the journal is slowed before it reaches the tournament's thread.
constexpr int maxSubmissionsInWindow = 5;
constexpr qint64 submissionWindowMs = 10000;

// What libmicrohttpd may use for one connection's request head and answer headers: a head of
// 8 KiB always fits, and none of 32 KiB does (414 for the request line, 431 for the headers).
constexpr size_t connectionMemory = 32 * 1024;
// Events a stream may leave untaken before it is dropped: the phone does not read.
constexpr qsizetype maxUntakenEvents = 64 * 1024;
// Answers kept for libmicrohttpd's thread to send at once, at most (the queries vary without end).
constexpr qsizetype maxKeptAnswers = 1000;
constexpr auto heartbeatTime = 25s;
constexpr auto watchTime = 250ms;

// One answer, made in the tournament's thread and sent from libmicrohttpd's.
struct Reply
{
    int status = 200;
    QList<std::pair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QByteArray cache = "no-cache";
};

// What the server itself answers when it refuses a table's scores, in the page's JSON.
Reply submissionRefusal(int status, const QString &message)
{
    Reply reply;
    reply.status = status;
    reply.headers = {{"Content-Type", "application/json; charset=utf-8"}};
    reply.body = "{\"erreur\":\"" + message.toUtf8() + "\"}";
    reply.cache = "no-store";
    return reply;
}

// What the server itself answers when it refuses a request, in French for the phone's screen.
Reply refusal(int status)
{
    Reply reply;
    reply.status = status;
    reply.headers = {{"Content-Type", "text/plain; charset=utf-8"}};
    switch (status) {
    case 405:
        reply.headers.emplaceBack("Allow", "GET, HEAD");
        reply.body = "Ce serveur ne fait que donner les résultats : seules les lectures (GET, HEAD) sont acceptées.";
        break;
    case 413: reply.body = "Une lecture des résultats n'envoie pas de contenu."; break;
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

// Whether a request path may go to the content: it starts with '/' and, percent-decoded, holds no
// "..", no NUL and no other control character.
bool isServablePath(QByteArrayView path)
{
    if (!path.startsWith('/'))
        return false;
    const QByteArray decoded = QByteArray::fromPercentEncoding(path.toByteArray());
    if (decoded.contains(".."))
        return false;
    return std::none_of(decoded.begin(), decoded.end(), [](char c) { return uchar(c) < 0x20 || c == 0x7f; });
}

QByteArray versionEvent(quint64 version)
{
    return "event: version\ndata: " + QByteArray::number(version) + "\n\n";
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

// libmicrohttpd says only that it could not listen: a socket of our own tells why.
QString whyNotListening(quint16 port)
{
    QTcpServer probe;
    const QString number = QString::number(port);
    if (probe.listen(QHostAddress::Any, port))
        return QStringLiteral("Les résultats ne peuvent pas être publiés sur le port %1.").arg(number);
    switch (probe.serverError()) {
    case QAbstractSocket::AddressInUseError:
        return QStringLiteral("Le port %1 est déjà pris par un autre programme : choisissez-en un autre.").arg(number);
    case QAbstractSocket::SocketAccessError:
        return QStringLiteral("Le port %1 est réservé à l'administrateur de l'ordinateur : choisissez un port "
                              "au-dessus de 1024.")
            .arg(number);
    default:
        return QStringLiteral("Les résultats ne peuvent pas être publiés sur le port %1 (%2).")
            .arg(number, probe.errorString());
    }
}

} // namespace

// One request, from its request line to its end.
struct LiveServer::Request
{
    QByteArray target; // as sent: the path, then '?' and the query if any
    MHD_Connection *connection = nullptr;
    QByteArray ifNoneMatch;
    QByteArray acceptEncoding;
    bool headRead = false;      // its head was seen: the next call finds its body, if any, read
    bool asked = false;         // its connection waits for the tournament's thread to answer
    std::optional<Reply> reply; // that answer, until it is sent (a refusal, once the body is read)
    bool submitting = false;    // a table's scores, POST /api/saisie
    QByteArray contentType;
    QByteArray body;
};

namespace {

// A phone following /api/direct: the events not yet taken.
struct Stream
{
    LiveServer::Daemon *daemon = nullptr;
    MHD_Connection *connection = nullptr;
    QByteArray untaken;
    bool suspended = false; // nothing to send: its connection waits for the next event
    bool dropped = false;   // it left too much untaken
};

// An open connection, as the watchdog sees it.
struct Watched
{
    MHD_socket socket;
    qint64 since = 0;      // when it opened, or when its last request ended
    bool busy = false;     // a request head has come and its answer is not over
    bool answered = false; // a request of it has ended
    bool cut = false;
    qint64 windowStart = 0; // of its submissions
    int submissions = 0;    // since then
};

} // namespace

// What both threads share while the server runs; the mutex guards everything below it.
struct LiveServer::Daemon
{
    LiveServerSettings settings;
    std::function<void(const QByteArray &)> ask; // has the tournament's thread answer a target
    std::function<void(quint64)> askSubmit;      // has it take a submission
    MHD_Daemon *mhd = nullptr;
    QElapsedTimer clock;

    QMutex mutex;
    bool stopping = false;
    quint64 version = 0;
    QHash<QByteArray, QList<Request *>> waiting; // by target: the requests asked of the tournament's thread
    QHash<QByteArray, LiveResponse> answers;     // by target: the content's answers since it last changed
    QHash<quint64, Request *> submissions;       // waiting for the tournament's thread, by number
    quint64 submissionCount = 0;
    QSet<Stream *> streams;
    QHash<MHD_Connection *, Watched> connections;
};

namespace {

using Daemon = LiveServer::Daemon;
using Request = LiveServer::Request;

// Sends the response with the reply's status and headers, and the security headers of every answer.
MHD_Result queue(MHD_Connection *connection, const Reply &reply, MHD_Response *response)
{
    static const QByteArray policy = LiveContent::contentSecurityPolicy();
    MHD_add_response_header(response, "Content-Security-Policy", policy.constData());
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "X-Frame-Options", "DENY");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    MHD_add_response_header(response, "Cache-Control", reply.cache.constData());
    for (const auto &[name, value] : reply.headers)
        MHD_add_response_header(response, name.constData(), value.constData());
    const MHD_Result queued = MHD_queue_response(connection, unsigned(reply.status), response);
    MHD_destroy_response(response);
    return queued;
}

MHD_Result queue(MHD_Connection *connection, const Reply &reply)
{
    // The answer's bytes are shared, not copied: a large ranking goes to hundreds of phones.
    auto *body = new QByteArray(reply.body);
    return queue(connection, reply,
                 MHD_create_response_from_buffer_with_free_callback_cls(
                     size_t(body->size()), const_cast<char *>(body->constData()),
                     [](void *bytes) { delete static_cast<QByteArray *>(bytes); }, body));
}

QByteArray headerValue(MHD_Connection *connection, const char *name)
{
    return QByteArray(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name));
}

// The request's content length as sent: -1 when it has none, or uses a transfer coding.
qint64 contentLength(MHD_Connection *connection)
{
    if (MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Transfer-Encoding"))
        return -1;
    const QByteArray length = headerValue(connection, "Content-Length");
    bool ok = false;
    const qint64 n = length.toLongLong(&ok);
    return length.isEmpty() ? 0 : ok && n >= 0 ? n : std::numeric_limits<qint64>::max();
}

// Before a submission's body is read: whether its length and its connection's pace allow it.
std::optional<Reply> submissionRefusal(Daemon *daemon, MHD_Connection *connection)
{
    const qint64 length = contentLength(connection);
    if (length < 0)
        return submissionRefusal(411, QStringLiteral("Envoi sans longueur annoncée : il est refusé."));
    if (length > maxSubmissionBytes)
        return submissionRefusal(413, QStringLiteral("Envoi trop long : les scores d'une table tiennent en 1 Ko."));
    QMutexLocker lock(&daemon->mutex);
    Watched &watched = daemon->connections[connection];
    const qint64 now = daemon->clock.elapsed();
    if (now - watched.windowStart >= submissionWindowMs) {
        watched.windowStart = now;
        watched.submissions = 0;
    }
    if (++watched.submissions > maxSubmissionsInWindow)
        return submissionRefusal(429,
                                 QStringLiteral("Trop d'envois depuis ce téléphone : attendez quelques secondes."));
    return std::nullopt;
}

// The last call of a submission, its body read: the tournament's thread takes it.
MHD_Result askSubmit(Daemon *daemon, MHD_Connection *connection, Request *request)
{
    QMutexLocker lock(&daemon->mutex);
    if (daemon->stopping)
        return MHD_NO;
    request->asked = true;
    request->contentType = headerValue(connection, "Content-Type");
    const quint64 number = ++daemon->submissionCount;
    daemon->submissions.insert(number, request);
    MHD_suspend_connection(connection);
    daemon->askSubmit(number);
    return MHD_YES;
}

ssize_t readStream(void *cls, uint64_t, char *buffer, size_t max)
{
    auto *stream = static_cast<Stream *>(cls);
    QMutexLocker lock(&stream->daemon->mutex);
    if (stream->dropped)
        return MHD_CONTENT_READER_END_WITH_ERROR;
    if (stream->daemon->stopping)
        return MHD_CONTENT_READER_END_OF_STREAM;
    if (stream->untaken.isEmpty()) {
        stream->suspended = true;
        MHD_suspend_connection(stream->connection);
        return 0;
    }
    const qsizetype size = std::min(qsizetype(max), stream->untaken.size());
    std::memcpy(buffer, stream->untaken.constData(), size_t(size));
    stream->untaken.remove(0, size);
    return size;
}

void endStream(void *cls)
{
    auto *stream = static_cast<Stream *>(cls);
    {
        QMutexLocker lock(&stream->daemon->mutex);
        stream->daemon->streams.remove(stream);
    }
    delete stream;
}

MHD_Result startStream(Daemon *daemon, MHD_Connection *connection, bool headOnly)
{
    Reply headers;
    headers.headers = {{"Content-Type", "text/event-stream"}};
    headers.cache = "no-store";
    if (headOnly)
        return queue(connection, headers);
    auto *stream = new Stream{daemon, connection, {}, false, false};
    {
        QMutexLocker lock(&daemon->mutex);
        if (daemon->stopping) {
            delete stream;
            return MHD_NO;
        }
        stream->untaken = versionEvent(daemon->version);
        daemon->streams.insert(stream);
    }
    return queue(connection, headers,
                 MHD_create_response_from_callback(MHD_SIZE_UNKNOWN, 1024, &readStream, stream, &endStream));
}

// The answer of the content, as this request asked it: unchanged (304), deflated, or whole.
Reply contentReply(const LiveResponse &response, const Request &request)
{
    Reply reply;
    reply.status = response.status;
    reply.headers = {{"Vary", "Accept-Encoding"}};
    if (!response.etag.isEmpty())
        reply.headers.emplaceBack("ETag", response.etag);
    const bool deflate = !response.deflated.isEmpty() && acceptsDeflate(request.acceptEncoding);
    reply.body = deflate ? response.deflated : response.body;
    if (response.status == 200 && !response.etag.isEmpty() && etagMatches(request.ifNoneMatch, response.etag)) {
        // Sent without its body, but libmicrohttpd tells its length, which must then be the 200's.
        reply.status = 304;
        return reply;
    }
    if (!response.contentType.isEmpty())
        reply.headers.emplaceBack("Content-Type", response.contentType);
    if (deflate)
        reply.headers.emplaceBack("Content-Encoding", "deflate");
    return reply;
}

// libmicrohttpd's callbacks, in its thread.

void *requestLine(void *, const char *uri, MHD_Connection *connection)
{
    auto *request = new Request;
    request->target = QByteArray(uri);
    request->connection = connection;
    return request;
}

// Called once the head is read, then (its body read, and there is none) to answer, then again
// when the tournament's thread has answered.
MHD_Result handleRequest(void *cls, MHD_Connection *connection, const char *, const char *method, const char *,
                         const char *uploadData, size_t *uploadSize, void **context)
{
    auto *daemon = static_cast<Daemon *>(cls);
    auto *request = static_cast<Request *>(*context);
    if (!request)
        return MHD_NO; // no request line was seen
    if (request->reply && (!request->submitting || *uploadSize == 0))
        return queue(connection, *std::exchange(request->reply, std::nullopt));
    if (request->asked)
        return MHD_NO; // woken without an answer: the server stops
    if (!std::exchange(request->headRead, true)) {
        {
            QMutexLocker lock(&daemon->mutex);
            daemon->connections[connection].busy = true;
        }
        // Answered before any body is read, which also ends the connection.
        if (std::strcmp(method, "POST") == 0 && request->target == submitPath) {
            request->submitting = true;
            const std::optional<Reply> refused = submissionRefusal(daemon, connection);
            // Too long is refused unread; too fast once read, so that the connection stays.
            if (refused && refused->status != 429)
                return queue(connection, *refused);
            request->reply = refused;
            return MHD_YES;
        }
        if (std::strcmp(method, "HEAD") != 0 && std::strcmp(method, "GET") != 0)
            return queue(connection, refusal(405));
        if (contentLength(connection) != 0)
            return queue(connection, refusal(413));
        return MHD_YES;
    }
    if (request->submitting) {
        // Its announced length, 1 KiB at most, is all libmicrohttpd reads.
        if (!request->reply)
            request->body.append(uploadData, qsizetype(*uploadSize));
        if (*uploadSize != 0) {
            *uploadSize = 0;
            return MHD_YES;
        }
        return askSubmit(daemon, connection, request);
    }
    *uploadSize = 0;
    const bool headOnly = std::strcmp(method, "HEAD") == 0;
    const qsizetype mark = request->target.indexOf('?');
    const QByteArrayView path = QByteArrayView(request->target).first(mark < 0 ? request->target.size() : mark);
    if (!isServablePath(path))
        return queue(connection, refusal(400));
    if (path == streamPath)
        return startStream(daemon, connection, headOnly);

    request->ifNoneMatch = headerValue(connection, "If-None-Match");
    request->acceptEncoding = headerValue(connection, "Accept-Encoding");
    QMutexLocker lock(&daemon->mutex);
    if (daemon->stopping)
        return MHD_NO;
    // After a change every phone asks at once: only the first of each answer waits for the tournament.
    if (const auto kept = daemon->answers.constFind(request->target); kept != daemon->answers.cend()) {
        const LiveResponse response = *kept;
        lock.unlock();
        return queue(connection, contentReply(response, *request));
    }
    request->asked = true;
    QList<Request *> &waiting = daemon->waiting[request->target];
    waiting.append(request);
    MHD_suspend_connection(connection);
    if (waiting.size() == 1) // the others wait for the same answer
        daemon->ask(request->target);
    return MHD_YES;
}

void requestEnded(void *cls, MHD_Connection *connection, void **context, MHD_RequestTerminationCode)
{
    delete static_cast<Request *>(*context);
    *context = nullptr;
    auto *daemon = static_cast<Daemon *>(cls);
    QMutexLocker lock(&daemon->mutex);
    const auto watched = daemon->connections.find(connection);
    if (watched != daemon->connections.end()) {
        watched->busy = false;
        watched->answered = true;
        watched->since = daemon->clock.elapsed();
    }
}

void connectionChanged(void *cls, MHD_Connection *connection, void **, MHD_ConnectionNotificationCode code)
{
    auto *daemon = static_cast<Daemon *>(cls);
    QMutexLocker lock(&daemon->mutex);
    if (code == MHD_CONNECTION_NOTIFY_STARTED) {
        Watched watched{MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd};
        watched.since = daemon->clock.elapsed();
        daemon->connections.insert(connection, watched);
    } else {
        // libmicrohttpd closes the socket after this: the watchdog no longer touches it.
        daemon->connections.remove(connection);
    }
}

} // namespace

LiveServer::LiveServer(LiveAnswer answer, LiveSubmit submit, QObject *parent)
    : QObject(parent), m_answer(std::move(answer)), m_submit(std::move(submit))
{
    m_heartbeat.setInterval(heartbeatTime);
    connect(&m_heartbeat, &QTimer::timeout, this, [this] { tellStreams(":\n\n"); });
    m_watchdog.setInterval(watchTime);
    connect(&m_watchdog, &QTimer::timeout, this, &LiveServer::closeLateConnections);
}

LiveServer::~LiveServer()
{
    stop();
}

Outcome LiveServer::start(const LiveServerSettings &settings)
{
    stop();
    allowDescriptors(settings.maxConnections);
    auto daemon = std::make_unique<Daemon>();
    daemon->settings = settings;
    daemon->version = m_version;
    daemon->clock.start();
    daemon->ask = [this, run = ++m_run](const QByteArray &target) {
        QMetaObject::invokeMethod(
            this, [this, run, target] { answerRequest(run, target); }, Qt::QueuedConnection);
    };
    daemon->askSubmit = [this, run = m_run](quint64 number) {
        QMetaObject::invokeMethod(
            this, [this, run, number] { answerSubmission(run, number); }, Qt::QueuedConnection);
    };
    const auto listen = [&](unsigned flags) {
        return MHD_start_daemon(flags | MHD_USE_AUTO_INTERNAL_THREAD | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_TURBO,
                                settings.port, nullptr, nullptr, &handleRequest, daemon.get(),
                                MHD_OPTION_CONNECTION_LIMIT, unsigned(settings.maxConnections),
                                MHD_OPTION_CONNECTION_TIMEOUT, unsigned(settings.idleSeconds),
                                MHD_OPTION_CONNECTION_MEMORY_LIMIT, connectionMemory, MHD_OPTION_URI_LOG_CALLBACK,
                                &requestLine, daemon.get(), MHD_OPTION_NOTIFY_COMPLETED, &requestEnded, daemon.get(),
                                MHD_OPTION_NOTIFY_CONNECTION, &connectionChanged, daemon.get(), MHD_OPTION_END);
    };
    daemon->mhd = listen(MHD_USE_DUAL_STACK);
    if (!daemon->mhd)
        daemon->mhd = listen(0); // a computer without IPv6
    if (!daemon->mhd)
        return Outcome::failure(whyNotListening(settings.port));
    m_daemon = std::move(daemon);
    m_heartbeat.start();
    m_watchdog.start();
    return Outcome::success();
}

void LiveServer::stop()
{
    m_heartbeat.stop();
    m_watchdog.stop();
    if (!m_daemon)
        return;
    // libmicrohttpd stops only with every connection awake: those waiting end as it stops.
    QList<MHD_Connection *> waiting;
    {
        QMutexLocker lock(&m_daemon->mutex);
        m_daemon->stopping = true;
        for (const QList<Request *> &requests : std::as_const(m_daemon->waiting))
            for (Request *request : requests)
                waiting.append(request->connection);
        m_daemon->waiting.clear();
        for (Request *request : std::as_const(m_daemon->submissions))
            waiting.append(request->connection);
        m_daemon->submissions.clear();
        for (Stream *stream : std::as_const(m_daemon->streams))
            if (std::exchange(stream->suspended, false))
                waiting.append(stream->connection);
    }
    for (MHD_Connection *connection : std::as_const(waiting))
        MHD_resume_connection(connection);
    MHD_stop_daemon(m_daemon->mhd);
    m_daemon.reset();
}

quint16 LiveServer::port() const
{
    return m_daemon ? MHD_get_daemon_info(m_daemon->mhd, MHD_DAEMON_INFO_BIND_PORT)->port : 0;
}

int LiveServer::connectionCount() const
{
    if (!m_daemon)
        return 0;
    QMutexLocker lock(&m_daemon->mutex);
    return int(m_daemon->connections.size());
}

void LiveServer::forgetAnswers()
{
    if (m_daemon) {
        QMutexLocker lock(&m_daemon->mutex);
        m_daemon->answers.clear();
    }
}

void LiveServer::publish(quint64 version)
{
    m_version = version;
    if (m_daemon) {
        QMutexLocker lock(&m_daemon->mutex);
        m_daemon->version = version;
    }
    tellStreams(versionEvent(version));
}

void LiveServer::answerRequest(quint64 run, const QByteArray &target)
{
    if (!m_daemon || run != m_run)
        return; // the server it came to has stopped, and closed its connections
    const qsizetype mark = target.indexOf('?');
    const LiveResponse response = m_answer(QByteArrayView(target).first(mark < 0 ? target.size() : mark),
                                           mark < 0 ? QByteArrayView() : QByteArrayView(target).sliced(mark + 1));
    // Their connections wait, so libmicrohttpd leaves the requests alone until they are woken.
    QList<MHD_Connection *> waking;
    {
        QMutexLocker lock(&m_daemon->mutex);
        const QList<Request *> requests = m_daemon->waiting.take(target);
        for (Request *request : requests) {
            request->reply = contentReply(response, *request);
            waking.append(request->connection);
        }
        if (m_daemon->answers.size() < maxKeptAnswers)
            m_daemon->answers.insert(target, response);
    }
    for (MHD_Connection *connection : std::as_const(waking))
        MHD_resume_connection(connection);
}

void LiveServer::answerSubmission(quint64 run, quint64 number)
{
    if (!m_daemon || run != m_run)
        return;
    Request *request = nullptr;
    {
        QMutexLocker lock(&m_daemon->mutex);
        request = m_daemon->submissions.take(number);
    }
    // Its connection waits until woken: libmicrohttpd leaves the request alone meanwhile.
    const LiveResponse response = m_submit(request->contentType, request->body);
    Reply reply = contentReply(response, *request);
    reply.cache = "no-store";
    request->reply = std::move(reply);
    MHD_resume_connection(request->connection);
}

void LiveServer::tellStreams(const QByteArray &event)
{
    if (!m_daemon)
        return;
    QList<MHD_Connection *> waking;
    {
        QMutexLocker lock(&m_daemon->mutex);
        for (Stream *stream : std::as_const(m_daemon->streams)) {
            if (stream->untaken.size() + event.size() > maxUntakenEvents)
                stream->dropped = true;
            else
                stream->untaken += event;
            if (std::exchange(stream->suspended, false))
                waking.append(stream->connection);
        }
    }
    for (MHD_Connection *connection : std::as_const(waking))
        MHD_resume_connection(connection);
}

void LiveServer::closeLateConnections()
{
    QMutexLocker lock(&m_daemon->mutex);
    const qint64 now = m_daemon->clock.elapsed();
    for (Watched &watched : m_daemon->connections) {
        const int allowed = watched.answered ? m_daemon->settings.idleSeconds : m_daemon->settings.requestSeconds;
        if (watched.busy || watched.cut || now - watched.since < allowed * 1000)
            continue;
        // libmicrohttpd then reads the end of the connection and closes it; its socket is still open
        // while the connection is listed.
        watched.cut = true;
#ifdef Q_OS_WIN
        ::shutdown(watched.socket, SD_BOTH);
#else
        ::shutdown(watched.socket, SHUT_RDWR);
#endif
    }
}
