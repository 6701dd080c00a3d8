#pragma once

#include "app/dialog.h"

// "Exclusion/Abandon d'un joueur"
class TBtnBottomDlg17 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg17(Application &app);
};
