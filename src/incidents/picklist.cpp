#include "incidents/picklist.h"

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
    Application::report(platform().files.readIfPresent(QStringLiteral("position.tmp"), lines));
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

void fixSize(QDialog *dialog, int width, int height)
{
    dialog->setFixedSize(dialog->sizeHint().expandedTo(QSize(width, height)));
}

QBoxLayout *okCancelHelp(QDialog *dialog, QPushButton *help, const std::function<void()> &onOk)
{
    auto *ok = new QPushButton(QStringLiteral("OK"), dialog);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, onOk);
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), dialog);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    if (help)
        row->addWidget(help);
    return row;
}

} // namespace picklist
