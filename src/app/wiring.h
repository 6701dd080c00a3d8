#pragma once

#include "app/mainwindow.h"
#include "app/windowset.h"
#include "tournament/commands.h"

#include <functional>

class Tournament;

// What each folder's menu commands are connected with: the tournament, the windows and the main
// window's menus. The application hands it to every install…Commands function.
class Wiring
{
public:
    Wiring(Tournament &tournament, MainWindow &main, const WindowSet &windows)
        : m_tournament(tournament), m_main(main), m_windows(windows)
    {
    }

    Tournament &state() const { return m_tournament; }
    template<class T>
    T &window() const
    {
        return m_windows.get<T>();
    }
    // Runs handler when the command is chosen, then shows the menus as the handler left them.
    void onCommand(Cmd cmd, std::function<void()> handler) const { m_main.onCommand(cmd, std::move(handler)); }
    void syncMenus() const { m_main.syncMenus(); }
    // Confirms in the status bar what a command just did.
    void status(const QString &text) const { m_main.showStatus(text); }
    EveningPanel &evening() const { return m_main.evening(); }

private:
    Tournament &m_tournament;
    MainWindow &m_main;
    const WindowSet &m_windows;
};
