#include "incidents/picklist.h"
#include "tournament/workingfilenames.h"

#include "app/application.h"
#include "incidents/incidents.h"
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

void refill(QComboBox *box)
{
    QStringList lines;
    Application::report(platform().files.readIfPresent(workingfile::positions, lines));
    box->clear();
    box->addItems(incidents::pickList(lines));
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
