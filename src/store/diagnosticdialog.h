#pragma once

#include "windows/dialog.h"

class QPlainTextEdit;

// "Mode Diagnostic": every time it is shown, checks the working files against one another
// and appends the report below the earlier ones.
class DiagnosticDialog : public Dialog
{
    Q_OBJECT
public:
    DiagnosticDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    QPlainTextEdit *m_memo = nullptr;
};
