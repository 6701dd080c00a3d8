#pragma once

#include "live/livecontent.h"
#include "platform/outcome.h"

#include <QObject>
#include <QSet>
#include <QTimer>

class LiveConnection;
class LiveHttpServer;
class QTcpServer;
class QTcpSocket;

struct LiveServerSettings
{
    quint16 port = 8080;
    int maxConnections = 1000;
    int requestSeconds = 10; // a request's line and headers must arrive within this (slow senders)
    int idleSeconds = 30;    // a kept-alive connection with no request in flight is closed after this
};

// The live results on the club's network: players' phones read what answer() makes, and follow
// /api/direct, a stream of server-sent events that tells each new version of the results. Only the
// transport lives here, in the program's one thread: Qt HTTP Server parses the requests, each
// connection's RequestGuard (requestguard.h) reads the bytes first and hands Qt only whole
// heads within the limits, one at a time.
class LiveServer : public QObject
{
    Q_OBJECT

public:
    explicit LiveServer(LiveAnswer answer, QObject *parent = nullptr);
    ~LiveServer() override; // stops

    // Listens on every address, IPv4 and IPv6; settings.port 0 takes any free port. Fails with a
    // French sentence when the port cannot be had.
    Outcome start(const LiveServerSettings &settings);
    // Closes every connection, the live streams included, and frees the port.
    void stop();
    bool isRunning() const;
    quint16 port() const; // the port really listened on
    int connectionCount() const;
    // The content changed: every live stream is told the new version at once.
    void publish(quint64 version);

private:
    friend class LiveConnection;
    friend class LiveListener;

    // The socket of a new connection, its guard set, or none when it was turned away.
    QTcpSocket *accept(QTcpServer *listener, qintptr descriptor);
    void forget(LiveConnection *connection);
    void tellStreams(const QByteArray &event);

    LiveAnswer m_answer;
    LiveServerSettings m_settings;
    LiveHttpServer *m_http = nullptr; // while running: owns the listener, which owns the sockets
    QTcpServer *m_listener = nullptr;
    QSet<LiveConnection *> m_connections; // every open socket's, those turned away at the door included
    int m_counted = 0;                    // those not turned away
    quint64 m_version = 0;
    QTimer m_heartbeat; // a comment line on the streams now and then, so they stay open
};
