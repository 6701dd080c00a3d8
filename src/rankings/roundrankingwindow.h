#pragma once

#include "rankings/rankingwindow.h"

class QSpinBox;

// "classement au tour": the players ranked by their score in one round.
class RoundRankingWindow : public RankingWindow
{
    Q_OBJECT
public:
    RoundRankingWindow(Tournament &tournament, QWidget *parent);
    // The grid, a child widget, outlives m_table: it must not read it while it is taken down.
    ~RoundRankingWindow() override;

protected:
    void rebuild() override;

private:
    void build(int round);

    QSpinBox *m_round;
    RankingTable m_table;
};
