#pragma once

#include "windows/dialog.h"
#include "rankings/rankingtable.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTableView;
class QTimer;
class RankingModel;
class NextRoundModel;

// "Affichage en salle": the rankings and the next round's seats for the room, on a second
// screen or a projector, in large type. A window of its own beside the main window, which it
// never blocks; it follows the tournament while shown. Between two rounds it alternates the
// ranking and the "Prochain tour" page, showing the latter first; a page longer than the window
// scrolls slowly, pausing at its top and bottom. F11 toggles full screen, Escape leaves it; T
// switches between the general and the round ranking, P shows the next round.
class RoomDisplayWindow : public Dialog
{
    Q_OBJECT
public:
    RoomDisplayWindow(Tournament &tournament, QWidget *parent);

    // The menu command: shows the window, or brings it to the front.
    void showDisplay();

protected:
    void activated() override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Page { Ranking, NextRound };
    enum class Phase { Top, Scrolling, Bottom };

    void rebuild();
    void showPage(Page page);
    void toggleRanking();
    void toggleFullScreen();
    void showTitle();
    void sizeType();
    void sizeColumns();
    void layOutNextRound();
    void setRowHeight(QTableView *view);
    void tick();
    QTableView *currentView() const;

    QLabel *m_description;
    QLabel *m_progress;
    QLabel *m_title;
    QStackedWidget *m_pages;
    QTableView *m_ranking;
    QTableView *m_next;
    RankingModel *m_rankingModel;
    NextRoundModel *m_nextModel;
    QPushButton *m_toggle;
    QPushButton *m_nextButton;
    QPushButton *m_fullScreen;
    QTimer *m_rebuild; // coalesces a burst of changes into one rebuild
    QTimer *m_scroll;

    RankingTable m_general;
    RankingTable m_round;
    int m_roundNumber = 0;
    int m_nextRound = 0; // the round the "Prochain tour" page seats; 0 when there is none
    bool m_showRound = false;
    Page m_page = Page::Ranking;
    Phase m_phase = Phase::Top;
    int m_ticks = 0;
};
