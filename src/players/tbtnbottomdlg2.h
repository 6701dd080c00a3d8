#pragma once

#include "app/dialog.h"

// "Ajouter une table"
class TBtnBottomDlg2 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg2(Application &app);
};
