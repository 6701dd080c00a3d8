#include "players/renamedialog.h"

#include "platform/platform.h"
#include "players/namecorrection.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

RenameDialog::RenameDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("Tchangenom"), QStringLiteral("Changement d'un nom"))
{
    useBoldFont();
    m_edit = new QLineEdit(QStringLiteral("non trouvé"), this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(320);
    QBoxLayout *buttons = okCancelButtons([this] { acceptCorrection(); }, QString());
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Corrigez le nom"), this));
    layout->addWidget(m_edit);
    layout->addLayout(buttons);
}

QString RenameDialog::correct(const QString &displayedEntry)
{
    m_edit->setText(displayedEntry);
    m_edit->setFocus();
    return exec() == QDialog::Accepted ? m_edit->text() : QString();
}

void RenameDialog::acceptCorrection()
{
    const QString why = correction::refusalOfCorrection(m_edit->text());
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
        return;
    }
    accept();
}
