#pragma once

#include "rankings/rankingwindow.h"

class QCheckBox;

// "Classement général": the standing of the tournament, kept in the state for the diagnostic.
class TBtnBottomDlg14 : public RankingWindow
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg14(Application &app);

protected:
    void rebuild() override;

private:
    void pcnClicked(bool checked);

    QCheckBox *m_pcn;
};
