#include "players/tbtnbottomdlg4.h"

#include "app/application.h"
#include "players/playerlist.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString listingCaption = QStringLiteral("Visualisation");
} // namespace

TBtnBottomDlg4::TBtnBottomDlg4(Application &app)
    : Dialog(app, QStringLiteral("TBtnBottomDlg4"), listingCaption, QStringLiteral("sommaire"))
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setFrameShape(QFrame::Box);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("CancelBtn"));
    m_cancel->setAutoDefault(false);
    m_cancel->hide();
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(helpButton(QStringLiteral("index")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(380, 440);
}

void TBtnBottomDlg4::showList()
{
    exec();
}

QString TBtnBottomDlg4::pick()
{
    setWindowTitle(QStringLiteral("Sélectionnez le joueur à corriger"));
    m_cancel->show();
    const bool chosen = exec() == QDialog::Accepted;
    setWindowTitle(listingCaption);
    m_cancel->hide();
    const QListWidgetItem *item = m_list->currentItem();
    return chosen && item && item->isSelected() ? item->text() : QString();
}

void TBtnBottomDlg4::activated()
{
    m_list->clear();
    m_list->addItems(playerlist::listingLines(state()));
}
