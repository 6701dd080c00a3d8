#pragma once

#include "rankings/rankingwindow.h"

class QSpinBox;

// "classement au tour": the players ranked by their score in one round.
class TBtnRightDlg2 : public RankingWindow
{
    Q_OBJECT
public:
    explicit TBtnRightDlg2(Application &app);

protected:
    void rebuild() override;

private:
    void build(int round);

    QSpinBox *m_round;
    RankingTable m_table;
};
