#pragma once

#include "windows/dialog.h"

class QLineEdit;

// "Compléter une table": a late player on the first empty chair. Controls: Edit1 "Nom",
// Edit2 "Prénom", Edit3 "Position", OKBtn, CancelBtn, HelpBtn.
class CompleteTableDialog : public Dialog
{
    Q_OBJECT
public:
    CompleteTableDialog(Tournament &tournament, QWidget *parent);

    // "Compléter une table": the number of free places, then the dialog.
    void run();

protected:
    void activated() override;

private:
    void seatLatePlayer();

    QLineEdit *m_surname = nullptr;
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_position = nullptr;
};
