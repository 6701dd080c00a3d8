#pragma once

#include "tournament/commands.h"
#include "tournament/tournament.h"
#include "platform/outcome.h"

#include <QList>
#include <QPointer>

#include <cstdlib>
#include <functional>

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
    MainWindow &mainWindow() { return *m_main; }
    QWidget *mainWindowWidget() const;

    // The window of class T (each class exists once).
    template<class T>
    T &window() const
    {
        for (QWidget *w : m_windows)
            if (auto *t = qobject_cast<T *>(w))
                return *t;
        std::abort();
    }
    const QList<QWidget *> &windows() const { return m_windows; }

    QAction *action(Cmd cmd) const;
    // Runs handler when the command is chosen, then shows the menus as the handler left them.
    void onCommand(Cmd cmd, std::function<void()> handler);
    void syncMenus();

    // Shows a failed outcome to the director; returns whether it succeeded.
    static bool report(const Outcome &outcome);

    // Shows the main window; its first activation follows.
    void start();

private:
    template<class T>
    T *add();

    Tournament m_state;
    MainWindow *m_main = nullptr;
    QList<QWidget *> m_windows;
};

// What main() calls: the Qt application, the French translation, the platform services
// (unless a test installed its own), the splash, the windows, the message loop.
int runVerlandis(int argc, char *argv[]);
