#pragma once

#include "windows/dialog.h"

class QLineEdit;

// "Changement d'un nom": the displayed entry of the player, to correct. Controls: Edit1,
// OKBtn, CancelBtn.
class RenameDialog : public Dialog
{
    Q_OBJECT
public:
    RenameDialog(Tournament &tournament, QWidget *parent);

    // The text as corrected, or a null string on Cancel.
    QString correct(const QString &displayedEntry);

private:
    void acceptCorrection();

    QLineEdit *m_edit = nullptr;
};
