#include "players/tchangenom.h"

#include "platform/platform.h"
#include "players/namecorrection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tchangenom::Tchangenom(Application &app)
    : Dialog(app, QStringLiteral("Tchangenom"), QStringLiteral("Changement d'un nom"))
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    m_edit = new QLineEdit(QStringLiteral("non trouvé"), this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(320);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &Tchangenom::okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Corrigez le nom"), this));
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

QString Tchangenom::correct(const QString &displayedEntry)
{
    m_edit->setText(displayedEntry);
    m_edit->setFocus();
    return exec() == QDialog::Accepted ? m_edit->text() : QString();
}

void Tchangenom::okClick()
{
    const QString why = correction::refusalOfCorrection(m_edit->text());
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
        return;
    }
    accept();
}
