#pragma once

#include "app/dialog.h"

// "Echange de deux joueurs"
class TBtnBottomDlg3 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg3(Application &app);
};
