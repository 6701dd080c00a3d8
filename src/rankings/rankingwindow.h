#pragma once

#include "app/dialog.h"
#include "tournament/tournament.h"
#include "platform/canvas.h"
#include "platform/outcome.h"

#include <functional>

class QLineEdit;
class QPushButton;
class RankingGrid;

// What the two ranking windows share: modeless, rebuilt from the files on every activation
// (being shown, or coming back to it from another window), the rank field, the grid and the
// "Imprimer", OK and Help buttons.
class RankingWindow : public Dialog
{
    Q_OBJECT
public:
    RankingWindow(Application &app, const QString &className, const QString &caption, const QList<int> &widths);

    // The menu command: shows the window, or rebuilds it when it is already open.
    void showRanking();

protected:
    // Builds the table again from the files and shows it.
    virtual void rebuild() = 0;
    void activated() override { refresh(); }
    bool event(QEvent *event) override;

    // A box of this window: coming back from it is not a new activation.
    void ownBox(const std::function<void()> &box);
    void report(const Outcome &outcome);
    void print(const QString &documentName, const std::function<bool(Canvas &)> &printout);

    QLineEdit *m_rank;
    RankingGrid *m_grid;
    QPushButton *m_print;
    QPushButton *m_ok;
    QPushButton *m_help;

private:
    void refresh();

    bool m_stale = false;
    bool m_inOwnBox = false;
};
