#include "movements/positionsprintdialog.h"

#include "movements/positionsprint.h"
#include "platform/platform.h"

#include <QApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

PositionsPrintDialog::PositionsPrintDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg20"), QStringLiteral("impression des positions"))
{
    m_tables = new QSpinBox(this);
    m_tables->setObjectName(QStringLiteral("SpinEdit1"));
    m_tables->setRange(1, 255);
    m_rounds = new QSpinBox(this);
    m_rounds->setObjectName(QStringLiteral("SpinEdit2"));
    m_rounds->setRange(1, 10);
    m_rounds->setValue(6);
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nombre de tables :"), m_tables);
    fields->addRow(QStringLiteral("Nombre de tours :"), m_rounds);

    auto *reminder = new QVBoxLayout;
    reminder->setSpacing(0);
    int n = 1;
    for (const char *text :
         {"Rappel : Si vous changez les déplacements", "en cours de tournoi, ce tableau ne sera plus",
          "exact (sauf déplacements FFT). Consultez", "l'aide."}) {
        auto *label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        reminder->addWidget(label);
    }

    QBoxLayout *buttons = okCancelButtons([this] { printClicked(); }, QStringLiteral("imposit"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(reminder);
    layout->addStretch();
    layout->addLayout(buttons);
}

void PositionsPrintDialog::activated()
{
    m_tables->setValue(state().tableCount());
}

void PositionsPrintDialog::printClicked()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Canvas *canvas = platform().printing->canvas(QStringLiteral("Liste des positions"));
    const bool printed = printPositions(*canvas, state(), m_tables->value(), m_rounds->value());
    QApplication::restoreOverrideCursor();
    if (!printed)
        platform().messages->warning(QStringLiteral("Impression"),
                                     QStringLiteral("L'imprimante n'a pas pu commencer le document."));
    else if (const QString where = platform().printing->whereItWent(); !where.isEmpty())
        platform().messages->information(QStringLiteral("Impression"), where);
    accept();
}
