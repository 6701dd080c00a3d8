#pragma once

#include "app/dialog.h"

class QSpinBox;

// "impression des positions": prints every player's planned table in every round.
class TBtnBottomDlg20 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg20(Application &app);

protected:
    void activated() override; // FormActivate

private:
    void OKBtnClick();

    QSpinBox *m_tables = nullptr; // SpinEdit1
    QSpinBox *m_rounds = nullptr; // SpinEdit2, kept between openings
};
