#pragma once

#include "tournament/commands.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>

class Application;
class QLabel;

// The main window: menus, background, logo, first activation, Quit.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(Application &app);

    QAction *action(Cmd cmd) const { return m_actions[size_t(cmd)]; }
    void installCommands();

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

    Application &m_app;
    std::array<QAction *, commandCount> m_actions{};
    QLabel *m_logo = nullptr;
};
