#pragma once

#include "tournament/commands.h"

#include <QFrame>
#include <QHash>
#include <QList>

class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;
class Tournament;

// The centre of the main window: the evening at a glance (date and place, the stage, a tile per
// table of the round, the incidents, the last save) and the button of the next step. Shown
// again from the tournament's changes, never by polling.
class EveningPanel : public QFrame
{
    Q_OBJECT
public:
    // Beyond this many tables the tiles give way to a count and the numbers still missing.
    static constexpr int maxTiles = 60;
    // How many missing table numbers a large field lists.
    static constexpr int maxMissingListed = 40;
    // How many tables' proposed scores are spelt out.
    static constexpr int maxProposedListed = 8;

    EveningPanel(const Tournament &tournament, QWidget *parent);

    // Everything read again from the tournament.
    void refresh();
    // The tables locked after five wrong codes sent from phones.
    void showLockedTables(const QList<int> &tables);

signals:
    // A table of the round was clicked: its scores are to be entered.
    void tableClicked(int table);
    // A table whose scores, sent from a phone, wait for the director.
    void proposedTableClicked(int table);
    // The next-step button: the command it names.
    void commandChosen(Cmd cmd);

private:
    void showTables(const QList<bool> &entered, const QHash<int, QString> &proposed, int round);
    void showProposed(const QList<bool> &entered, const QHash<int, QString> &proposed);
    QString savedText() const;

    const Tournament &m_tournament;
    QLabel *m_description = nullptr;
    QLabel *m_stage = nullptr;
    QWidget *m_tiles = nullptr;
    QGridLayout *m_tileGrid = nullptr;
    QList<QToolButton *> m_tileButtons;
    QLabel *m_missing = nullptr;
    QLabel *m_proposed = nullptr;
    QLabel *m_locked = nullptr;
    QLabel *m_incidents = nullptr;
    QLabel *m_saved = nullptr;
    QPushButton *m_next = nullptr;
    Cmd m_nextCommand = Cmd::Nouveau;
};
