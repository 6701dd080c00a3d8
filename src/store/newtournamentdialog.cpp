#include "store/newtournamentdialog.h"

#include "platform/platform.h"
#include "store/newtournament.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NewTournamentDialog::NewTournamentDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg10"), QStringLiteral("Initialisation d'un tournoi"),
             QStringLiteral("sommaire"))
{
    m_date = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("Edit1"));
    m_place = new QLineEdit(this);
    m_place->setObjectName(QStringLiteral("Edit2"));
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Date : "), this), 0, 0);
    grid->addWidget(m_date, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Lieu :"), this), 1, 0);
    grid->addWidget(m_place, 1, 1);

    QBoxLayout *buttons = okCancelButtons([this] { okClicked(); }, QStringLiteral("deroulement"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    setClientSize(258, 132);
}

bool NewTournamentDialog::ask()
{
    m_date->setText(today());
    m_place->setText(QStringLiteral("Rubrique non servie"));
    return exec() == QDialog::Accepted;
}

QString NewTournamentDialog::date() const
{
    return m_date->text();
}

QString NewTournamentDialog::place() const
{
    return m_place->text();
}

void NewTournamentDialog::activated()
{
    m_place->selectAll();
    m_place->setFocus();
}

void NewTournamentDialog::okClicked()
{
    QString why = refusalOfDescription(m_date->text(), QStringLiteral("La date"));
    if (why.isEmpty())
        why = refusalOfDescription(m_place->text(), QStringLiteral("Le lieu"));
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Saisie refusée"), why);
        return;
    }
    accept();
}
