#pragma once

#include "rankings/rankingwindow.h"

class QCheckBox;

// "Classement général": the standing of the tournament, kept in the state for the diagnostic.
class GeneralRankingWindow : public RankingWindow
{
    Q_OBJECT
public:
    explicit GeneralRankingWindow(Application &app);

protected:
    void rebuild() override;

private:
    void pcnClicked(bool checked);

    QCheckBox *m_pcn;
};
