#pragma once

#include "app/dialog.h"

// "Visualisation"
class TBtnBottomDlg4 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg4(Application &app);
};
