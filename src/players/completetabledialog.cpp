#include "players/completetabledialog.h"

#include "platform/platform.h"
#include "players/lastminute.h"
#include "players/uppercaseedit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CompleteTableDialog::CompleteTableDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg1"), QStringLiteral("Compléter une table"),
             QStringLiteral("sommaire"))
{
    useBoldFont();
    m_surname = upperCaseEdit(this, QStringLiteral("Edit1"));
    m_firstName = new QLineEdit(this);
    m_firstName->setObjectName(QStringLiteral("Edit2"));
    m_position = new QLineEdit(this);
    m_position->setObjectName(QStringLiteral("Edit3"));
    m_position->setReadOnly(true);
    m_position->setFocusPolicy(Qt::NoFocus);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Nom"), this), 0, 0);
    grid->addWidget(m_surname, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Prénom"), this), 1, 0);
    grid->addWidget(m_firstName, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Position"), this), 2, 0);
    grid->addWidget(m_position, 2, 1);

    QBoxLayout *buttons = okCancelButtons([this] { seatLatePlayer(); }, QStringLiteral("index"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(340, 160);
}

void CompleteTableDialog::run()
{
    const qsizetype k = lastminute::emptyChairCount(state().playerRegisterList());
    if (k == 0)
        return;
    platform().messages->show(lastminute::placesNotice(k));
    exec();
}

void CompleteTableDialog::activated()
{
    m_surname->clear();
    m_firstName->clear();
    const QStringList &list = state().playerRegisterList();
    const qsizetype chair = lastminute::firstEmptyChair(list);
    m_position->setText(chair < 0 ? QString() : lastminute::positionText(lastminute::seatCodeOf(list.at(chair))));
    m_surname->setFocus();
}

void CompleteTableDialog::seatLatePlayer()
{
    const QString why = entries::refusalOfName(m_surname->text(), m_firstName->text());
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
        return;
    }
    if (const std::optional<Prompt> notice = entries::registerOpeningNotice())
        platform().messages->show(*notice);
    report(lastminute::completeTable(state(), m_surname->text(), m_firstName->text()));
    m_surname->clear();
    m_firstName->clear();
    accept();
}
