#pragma once

#include "app/dialog.h"

// "SUPPRESSION DU TOUR EN COURS"
class TBtnBottomDlg12 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg12(Application &app);
};
