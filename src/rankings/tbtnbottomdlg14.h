#pragma once

#include "app/dialog.h"

// "Classement général"
class TBtnBottomDlg14 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg14(Application &app);
};
