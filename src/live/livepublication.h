#pragma once

#include "live/livecontent.h"
#include "live/liveserver.h"
#include "platform/outcome.h"
#include "tournament/tournament.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

// The tournament's live results on the club's network: the pages, the server that gives them
// out, and every change of the tournament told to the phones watching.
class LivePublication : public QObject
{
    Q_OBJECT
public:
    explicit LivePublication(Tournament &tournament, QObject *parent = nullptr);

    Outcome start(const LiveServerSettings &settings);
    void stop();
    bool isRunning() const { return m_server.isRunning(); }
    quint16 port() const { return m_server.port(); }
    quint64 version() const { return m_content.version(); }
    int connectionCount() const { return m_server.connectionCount(); }
    // The addresses a phone on the same network can open, "http://192.168.1.12:8080/", one per
    // address of this computer that is up and not its own loopback; empty when it has none.
    QStringList addresses() const;

private:
    LiveContent m_content;
    LiveServer m_server;
    QTimer m_tellPhones;
};
