#pragma once

#include "app/dialog.h"

// "Dialogue": the reminder shown before two scores are swapped; its OK opens the swap.
class TBtnBottomDlg9 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg9(Application &app);

private:
    void OKBtnClick();
};
