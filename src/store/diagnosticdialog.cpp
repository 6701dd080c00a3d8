#include "store/diagnosticdialog.h"

#include "platform/platform.h"
#include "store/diagnostic.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

DiagnosticDialog::DiagnosticDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg18b"), QStringLiteral("Mode Diagnostic"))
{
    m_memo = new QPlainTextEdit(QStringLiteral("Diagnostic "), this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setReadOnly(true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memo->setFixedSize(491, 177);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(helpButton(QString()));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_memo, 0, Qt::AlignHCenter);
    layout->addStretch();
    layout->addLayout(buttons);
    setClientSize(520, 246);
}

void DiagnosticDialog::activated()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Result<QStringList> diagnosis = diagnose(state(), platform().files, platform().clock->now());
    for (const QString &line : diagnosis.value())
        m_memo->appendPlainText(line);
    QApplication::restoreOverrideCursor();
    report(diagnosis.outcome());
}
