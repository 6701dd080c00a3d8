#pragma once

#include "live/livepublication.h"
#include "windows/dialog.h"

#include <QTimer>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

// "Résultats en direct...": publishes the rankings and the players' places on the club's
// network, off until the director ticks it, and shows the phones where to look (the addresses
// and a QR code of the first). While publishing, the tables may send their scores: each table's
// code is shown and printed on slips. Controls: publishBox, portBox, maxConnectionsBox, addresses,
// qrCode, connections, tableEntryBox, autoAcceptBox, tableCodes, printCodesButton,
// printPosterButton, CloseBtn, HelpBtn. The publication goes on once the dialog is closed.
class LiveResultsDialog : public Dialog
{
    Q_OBJECT
public:
    LiveResultsDialog(Tournament &tournament, QWidget *parent);

    // "Nouveau", "Ouvrir" and quitting end the publication: every phone is let go.
    void stopPublishing();
    bool isPublishing() const { return m_publication.isRunning(); }
    LivePublication &publication() { return m_publication; }

protected:
    void activated() override;

private:
    void publishToggled(bool on);
    void printPosterClicked();
    void tableEntryToggled(bool on);
    void printCodesClicked();
    void showCodes();
    void showState();
    void showConnections();

    LivePublication m_publication;
    QCheckBox *m_publish = nullptr;
    QSpinBox *m_port = nullptr;
    QSpinBox *m_maxConnections = nullptr;
    QLabel *m_addresses = nullptr;
    QLabel *m_qrCode = nullptr;
    QLabel *m_connections = nullptr;
    QPushButton *m_printPoster = nullptr;
    QCheckBox *m_tableEntry = nullptr;
    QCheckBox *m_autoAccept = nullptr;
    QLabel *m_codes = nullptr;
    QPushButton *m_printCodes = nullptr;
    QTimer m_connectionsTimer;
};
