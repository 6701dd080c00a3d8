#pragma once

#include "live/livecontent.h"
#include "platform/outcome.h"

#include <QObject>
#include <QTimer>

#include <memory>

// Takes what a phone sent to /api/saisie: its Content-Type and body (1 KiB at most).
using LiveSubmit = std::function<LiveResponse(QByteArrayView contentType, QByteArrayView body)>;

struct LiveServerSettings
{
    quint16 port = 8080;
    int maxConnections = 1000;
    int requestSeconds = 10; // a new connection must have sent a whole request head within this (slow senders)
    int idleSeconds = 30;    // a kept-alive connection with no request, or one that stalls, is closed after this
};

// The live results on the club's network: players' phones read what answer() makes, and follow
// /api/direct, a stream of server-sent events that tells each new version of the results.
// libmicrohttpd reads and writes the connections in a thread of its own; a request is answered in
// the thread this object lives in, the tournament's, while its connection waits, and that answer is
// then kept for the same request until forgetAnswers(). The one request that sends something is
// a table's scores, POST /api/saisie, taken by submit() in the same thread and never kept.
class LiveServer : public QObject
{
    Q_OBJECT

public:
    LiveServer(LiveAnswer answer, LiveSubmit submit, QObject *parent = nullptr);
    ~LiveServer() override; // stops

    // Listens on every address, IPv4 and IPv6; settings.port 0 takes any free port. Fails with a
    // French sentence when the port cannot be had.
    Outcome start(const LiveServerSettings &settings);
    // Closes every connection, the live streams included, and frees the port.
    void stop();
    bool isRunning() const { return m_daemon != nullptr; }
    quint16 port() const; // the port really listened on
    int connectionCount() const;
    // The content changed: the answers kept are no longer given.
    void forgetAnswers();
    // Every live stream is told the content's new version at once.
    void publish(quint64 version);

    struct Daemon;
    struct Request;

private:
    void answerRequest(quint64 run, const QByteArray &target);
    void answerSubmission(quint64 run, quint64 number);
    void tellStreams(const QByteArray &event);
    void closeLateConnections();

    LiveAnswer m_answer;
    LiveSubmit m_submit;
    std::unique_ptr<Daemon> m_daemon; // while running
    quint64 m_run = 0;                // which start a request waiting for its answer belongs to
    quint64 m_version = 0;
    QTimer m_heartbeat; // a comment line on the streams now and then, so they stay open
    QTimer m_watchdog;  // closes the connections that are too slow or idle for too long
};
