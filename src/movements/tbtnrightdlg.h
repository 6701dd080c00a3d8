#pragma once

#include "app/dialog.h"

// "Déplacement des joueurs"
class TBtnRightDlg : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnRightDlg(Application &app);
};
