#pragma once

#include "app/dialog.h"

// "Dialogue"
class TBtnBottomDlg15 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg15(Application &app);
};
