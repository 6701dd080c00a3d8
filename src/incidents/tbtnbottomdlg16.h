#pragma once

#include "app/dialog.h"

// "Inversion de deux joueurs"
class TBtnBottomDlg16 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg16(Application &app);
};
