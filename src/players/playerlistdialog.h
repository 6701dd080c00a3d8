#pragma once

#include "windows/dialog.h"

class QListWidget;

// "Visualisation": the players with their round-1 seats; also the pick list of "Corriger un
// nom". Controls: ListBox1, OKBtn, CancelBtn (shown only to pick), HelpBtn.
class PlayerListDialog : public Dialog
{
    Q_OBJECT
public:
    PlayerListDialog(Tournament &tournament, QWidget *parent);

    // "&Visualisation".
    void showList();
    // The player to correct: the displayed entry chosen, empty when none was (or on Cancel).
    QString pick();

protected:
    void activated() override;

private:
    QListWidget *m_list = nullptr;
    QPushButton *m_cancel = nullptr;
};
