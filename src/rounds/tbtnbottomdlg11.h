#pragma once

#include "app/dialog.h"

// "Voir un tour antérieur"
class TBtnBottomDlg11 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg11(Application &app);
};
