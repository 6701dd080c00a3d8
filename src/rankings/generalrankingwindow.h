#pragma once

#include "rankings/rankingwindow.h"

class QCheckBox;

// "Classement général": the standing of the tournament. The tournament keeps the table as last
// built (with or without PCN), for the export's PCN choice.
class GeneralRankingWindow : public RankingWindow
{
    Q_OBJECT
public:
    GeneralRankingWindow(Tournament &tournament, QWidget *parent);
    // The grid, a child widget, outlives m_table: it must not read it while it is taken down.
    ~GeneralRankingWindow() override;

protected:
    void rebuild() override;

private:
    void pcnClicked(bool checked);

    QCheckBox *m_pcn;
    RankingTable m_table;
};
