#pragma once

#include "windows/dialog.h"
#include "tournament/tournament.h"
#include "platform/canvas.h"
#include "platform/outcome.h"

#include <functional>

class QLineEdit;
class QPushButton;
class RankingGrid;

// What the two ranking windows share: modeless, rebuilt when shown and, while shown, whenever
// the tournament's scores, rounds, register or incidents change; the rank field, the grid and
// the "Imprimer", OK and Help buttons.
class RankingWindow : public Dialog
{
    Q_OBJECT
public:
    RankingWindow(Tournament &tournament, QWidget *parent, const QString &className, const QString &caption);

    // The menu command: shows the window, or rebuilds it when it is already open.
    void showRanking();

protected:
    // Builds the table again from the tournament and shows it.
    virtual void rebuild() = 0;
    void activated() override { rebuild(); }

    void print(const QString &documentName, const std::function<bool(Canvas &)> &printout);

    QLineEdit *m_rank;
    RankingGrid *m_grid;
    QPushButton *m_print;
    QPushButton *m_ok;
    QPushButton *m_help;
};
