#pragma once

#include "app/dialog.h"

// "Visualiser les positions"
class TBtnBottomDlg7 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg7(Application &app);
};
