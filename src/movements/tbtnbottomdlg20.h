#pragma once

#include "app/dialog.h"

// "impression des positions"
class TBtnBottomDlg20 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg20(Application &app);
};
