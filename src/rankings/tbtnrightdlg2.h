#pragma once

#include "app/dialog.h"

// "classement au tour"
class TBtnRightDlg2 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnRightDlg2(Application &app);
};
