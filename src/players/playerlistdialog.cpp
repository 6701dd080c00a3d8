#include "players/playerlistdialog.h"

#include "players/playerlist.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString listingCaption = QStringLiteral("Visualisation");
} // namespace

PlayerListDialog::PlayerListDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg4"), listingCaption, QStringLiteral("sommaire"))
{
    useBoldFont();
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setFrameShape(QFrame::Box);
    QBoxLayout *buttons = okCancelButtons([this] { accept(); }, QStringLiteral("index"));
    m_cancel = findChild<QPushButton *>(QStringLiteral("CancelBtn"));
    m_cancel->hide(); // shown only when the list serves a name correction
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(380, 440);
}

void PlayerListDialog::showList()
{
    exec();
}

QString PlayerListDialog::pick()
{
    setWindowTitle(QStringLiteral("Sélectionnez le joueur à corriger"));
    m_cancel->show();
    const bool chosen = exec() == QDialog::Accepted;
    setWindowTitle(listingCaption);
    m_cancel->hide();
    const QListWidgetItem *item = m_list->currentItem();
    return chosen && item && item->isSelected() ? item->text() : QString();
}

void PlayerListDialog::activated()
{
    m_list->clear();
    m_list->addItems(playerlist::listingLines(state()));
}
