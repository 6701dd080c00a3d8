#pragma once

#include <QList>

#include <tuple>

class QWidget;
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
class RoomDisplayWindow;
class LiveResultsDialog;

// Every window of the program, each class once, in creation order; the application fills it.
class WindowSet
{
public:
    // The window of class T: asking for a class that is no window of the program does not compile.
    template<class T>
    T &get() const
    {
        return *std::get<T *>(m_byClass);
    }
    const QList<QWidget *> &all() const { return m_all; }

    template<class T>
    void add(T *window)
    {
        m_all.append(window);
        std::get<T *>(m_byClass) = window;
    }

private:
    QList<QWidget *> m_all;
    std::tuple<AboutBox *, RegisterWindow *, AddTableDialog *, ExchangeDialog *, SwapDialog *, PlayerListDialog *,
               PositionsViewDialog *, PreviousRoundDialog *, ScoreEntryDialog *, RoundRankingWindow *,
               GeneralRankingWindow *, MovementSettingsDialog *, SwapReminderDialog *, PenaltyDialog *,
               ExclusionDialog *, CompleteTableDialog *, DiagnosticDialog *, PositionsPrintDialog *,
               CancelRoundDialog *, RenameDialog *, NewTournamentDialog *, ImportReportDialog *, ExportDialog *,
               SeasonWindow *, RoomDisplayWindow *, LiveResultsDialog *>
        m_byClass{};
};
