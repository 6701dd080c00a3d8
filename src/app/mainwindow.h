#pragma once

#include "tournament/commands.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <functional>

class EveningPanel;
class QLabel;
class Tournament;
class WindowSet;

// The main window: menus, the evening at a glance over the background, the status bar, first
// activation, Quit.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // windows: the other windows, filled once they are made.
    MainWindow(Tournament &tournament, const WindowSet &windows);

    QAction *action(Cmd cmd) const { return m_actions[size_t(cmd)]; }
    // Runs handler when the command is chosen, then shows the menus as the handler left them.
    void onCommand(Cmd cmd, std::function<void()> handler);
    // Every command enabled and shown as the tournament's stage allows.
    void syncMenus();
    // What just happened, in the status bar for a few seconds.
    void showStatus(const QString &text);
    void installCommands();
    EveningPanel &evening() { return *m_evening; }

    // Runs once, when the window is first shown: the recovery of an interrupted tournament.
    void firstActivation();
    // "&Quitter": asks to save when the tournament has unsaved changes.
    void quit();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void showLogo();
    void showTitle();
    void openScoreEntryAt(int table);

    Tournament &m_tournament;
    const WindowSet &m_windows;
    std::array<QAction *, commandCount> m_actions{};
    QLabel *m_logo = nullptr;
    EveningPanel *m_evening = nullptr;
};
