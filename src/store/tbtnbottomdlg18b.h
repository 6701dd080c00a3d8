#pragma once

#include "app/dialog.h"

// "Mode Diagnostic"
class TBtnBottomDlg18b : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg18b(Application &app);
};
