#pragma once

#include "tournament/commands.h"
#include "tournament/tournament.h"
#include "platform/outcome.h"
#include "season/seasondocument.h"
#include "app/windowset.h"
#include "app/wiring.h"

#include <QList>

#include <optional>

class QAction;
class QWidget;
class MainWindow;

// Owns the shared state and every window, created once in the fixed start-up order.
class Application
{
public:
    Application();
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Tournament &state() { return m_state; }
    SeasonDocument &season() { return m_season; }
    MainWindow &mainWindow() { return *m_main; }

    // The window of class T: each class exists once, and asking for a class that is no window
    // of the program does not compile.
    template<class T>
    T &window() const
    {
        return m_windows.get<T>();
    }
    // The main window, then the others in creation order.
    QList<QWidget *> windows() const;

    QAction *action(Cmd cmd) const;
    void syncMenus();

    // Shows the main window; its first activation follows.
    void start();

private:
    template<class T, class... Args>
    T *add(Args &...args);

    Tournament m_state;
    SeasonDocument m_season;
    WindowSet m_windows;
    MainWindow *m_main = nullptr;
    std::optional<Wiring> m_wiring; // what the commands' handlers keep
};

// What main() calls: the Qt application, the French translation, the platform services
// (unless a test installed its own), the splash, the windows, the message loop.
int runVerlandis(int argc, char *argv[]);
