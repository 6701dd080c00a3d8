#pragma once

#include "app/dialog.h"

class QLineEdit;

// "Changement d'un nom": the displayed entry of the player, to correct. Controls: Edit1,
// OKBtn, CancelBtn.
class RenameDialog : public Dialog
{
    Q_OBJECT
public:
    explicit RenameDialog(Application &app);

    // The text as corrected, or a null string on Cancel.
    QString correct(const QString &displayedEntry);

private:
    void acceptCorrection();

    QLineEdit *m_edit = nullptr;
};
