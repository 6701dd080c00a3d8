#pragma once

#include "app/dialog.h"

class QComboBox;

// "Exclusion/Abandon d'un joueur": the player keeps his scores but shows "EXCLU" in the rankings.
class TBtnBottomDlg17 : public Dialog
{
    Q_OBJECT
public:
    explicit TBtnBottomDlg17(Application &app);

protected:
    void activated() override;

private:
    void OKBtnClick();
    void recupererClick();

    QComboBox *m_players = nullptr;
};
