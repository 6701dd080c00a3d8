#include "incidents/picklist.h"
#include "players/entries.h"
#include "tournament/workingfilenames.h"

#include "incidents/incidents.h"
#include "rounds/rounds.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace picklist {

QComboBox *create(QWidget *parent, const QString &objectName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(false);
    box->setMaxVisibleItems(16);
    return box;
}

void refill(QComboBox *box, const Tournament &tournament)
{
    // The seated players; nobody before the draw.
    const QStringList &lines = tournament.playerRegisterList();
    box->clear();
    box->addItems(entries::anySeated(lines) ? incidents::pickList(lines) : QStringList());
    box->setCurrentIndex(-1);
}

QString pickedSeatCode(const QComboBox *box)
{
    const QString item = box->currentText();
    const QString why = incidents::refusalOfPick(item);
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Impossible"), why);
        return {};
    }
    return incidents::seatCodeOfPick(item);
}

QFrame *frame(QWidget *parent, QBoxLayout *&inside)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    inside = new QVBoxLayout(f);
    return f;
}

} // namespace picklist
