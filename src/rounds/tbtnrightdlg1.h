#pragma once

#include "app/dialog.h"

// "Saisie des résultats"
class TBtnRightDlg1 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnRightDlg1(Application &app);
};
