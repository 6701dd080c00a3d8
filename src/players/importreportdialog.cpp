#include "players/importreportdialog.h"

#include "players/playerimport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ImportReportDialog::ImportReportDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("ImportReportDlg"), QStringLiteral("Importer des joueurs"),
             QStringLiteral("deroulement"))
{
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("Label1"));
    m_summary->setWordWrap(true);
    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("Memo1"));
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QPlainTextEdit::NoWrap);
    QBoxLayout *buttons = okCancelButtons([this] { accept(); }, QStringLiteral("deroulement"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_details, 1);
    layout->addLayout(buttons);
    resize(520, 420);
}

bool ImportReportDialog::confirm(const playerimport::Report &report)
{
    m_summary->setText(playerimport::summary(report));
    m_details->setPlainText(playerimport::details(report));
    findChild<QPushButton *>(QStringLiteral("OKBtn"))->setFocus();
    return exec() == QDialog::Accepted;
}
