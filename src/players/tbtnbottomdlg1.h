#pragma once

#include "app/dialog.h"

// "Compléter une table"
class TBtnBottomDlg1 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg1(Application &app);
};
