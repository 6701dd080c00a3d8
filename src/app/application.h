#pragma once

#include "tournament/commands.h"
#include "tournament/tournament.h"
#include "platform/outcome.h"
#include "season/seasondocument.h"

#include <QList>
#include <QPointer>

#include <functional>
#include <tuple>

class QAction;
class QWidget;
class MainWindow;
class AboutBox;
class RegisterWindow;
class AddTableDialog;
class ExchangeDialog;
class SwapDialog;
class PlayerListDialog;
class PositionsViewDialog;
class PreviousRoundDialog;
class ScoreEntryDialog;
class RoundRankingWindow;
class GeneralRankingWindow;
class MovementSettingsDialog;
class SwapReminderDialog;
class PenaltyDialog;
class ExclusionDialog;
class CompleteTableDialog;
class DiagnosticDialog;
class PositionsPrintDialog;
class CancelRoundDialog;
class RenameDialog;
class NewTournamentDialog;
class ImportReportDialog;
class ExportDialog;
class SeasonWindow;

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
    QWidget *mainWindowWidget() const;

    // The window of class T: each class exists once, and asking for a class that is no window
    // of the program does not compile.
    template<class T>
    T &window() const
    {
        return *std::get<T *>(m_byClass);
    }
    const QList<QWidget *> &windows() const { return m_windows; }

    QAction *action(Cmd cmd) const;
    // Runs handler when the command is chosen, then shows the menus as the handler left them.
    void onCommand(Cmd cmd, std::function<void()> handler);
    void syncMenus();

    // Shows the main window; its first activation follows.
    void start();

private:
    template<class T, class... Args>
    T *add(Args &...args);

    Tournament m_state;
    SeasonDocument m_season;
    MainWindow *m_main = nullptr;
    QList<QWidget *> m_windows; // in creation order
    std::tuple<AboutBox *, RegisterWindow *, AddTableDialog *, ExchangeDialog *, SwapDialog *, PlayerListDialog *,
               PositionsViewDialog *, PreviousRoundDialog *, ScoreEntryDialog *, RoundRankingWindow *,
               GeneralRankingWindow *, MovementSettingsDialog *, SwapReminderDialog *, PenaltyDialog *,
               ExclusionDialog *, CompleteTableDialog *, DiagnosticDialog *, PositionsPrintDialog *,
               CancelRoundDialog *, RenameDialog *, NewTournamentDialog *, ImportReportDialog *, ExportDialog *,
               SeasonWindow *>
        m_byClass{};
};

// What main() calls: the Qt application, the French translation, the platform services
// (unless a test installed its own), the splash, the windows, the message loop.
int runVerlandis(int argc, char *argv[]);
