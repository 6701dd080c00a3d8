#pragma once

#include "app/dialog.h"

// "Dialogue"
class TBtnBottomDlg9 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg9(Application &app);
};
