#pragma once

#include "live/livecontent.h"
#include "live/liveserver.h"
#include "live/tableentry.h"
#include "platform/outcome.h"
#include "tournament/tournament.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

// The tournament's live results on the club's network: the pages, the server that gives them
// out, every change of the tournament told to the phones watching, and the scores the tables send
// when the director takes them.
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

    // Scores entered at the tables: refused until the director opens it, and while not publishing.
    void setTableEntryOpen(bool open);
    bool tableEntryOpen() const { return m_tableEntryOpen && isRunning(); }
    // A submission that replaces no entered table is accepted as it comes.
    void setAutoAccept(bool on) { m_autoAccept = on; }
    // The tables locked after five wrong codes.
    QList<int> lockedTables() const { return m_locks.lockedTables(m_clock.elapsed()); }

signals:
    void lockedTablesChanged();
    // Scores received could not be written, or an automatic acceptance failed: the director is told.
    void failed(const Outcome &outcome);

private:
    LiveResponse submit(QByteArrayView contentType, QByteArrayView body);
    void drawCodes();

    Tournament &m_tournament;
    LiveContent m_content;
    LiveServer m_server;
    QTimer m_tellPhones;
    bool m_tableEntryOpen = false;
    bool m_autoAccept = false;
    tableentry::CodeLocks m_locks;
    QElapsedTimer m_clock;
};
