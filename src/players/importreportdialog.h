#pragma once

#include "windows/dialog.h"

class QLabel;
class QPlainTextEdit;

namespace playerimport {
struct Report;
}

// "Importer des joueurs": what a file would add to the register, shown before anything is
// added. Controls: Label1 the summary, Memo1 the names and the refused lines, OKBtn, CancelBtn.
class ImportReportDialog : public Dialog
{
    Q_OBJECT
public:
    ImportReportDialog(Tournament &tournament, QWidget *parent);

    // Shows the report; true when the director accepts the players.
    bool confirm(const playerimport::Report &report);

private:
    QLabel *m_summary = nullptr;
    QPlainTextEdit *m_details = nullptr;
};
