#include "incidents/swapreminderdialog.h"

#include "incidents/picklist.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SwapReminderDialog::SwapReminderDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg9"), QStringLiteral("Dialogue"),
             QStringLiteral("sommaire"))
{
    useBoldFont();

    QBoxLayout *inside = nullptr;
    QFrame *frame = picklist::frame(this, inside);
    auto *title = new QLabel(QStringLiteral("RAPPEL"), frame);
    title->setObjectName(QStringLiteral("Label1"));
    title->setAutoFillBackground(true);
    title->setStyleSheet(QStringLiteral("background-color: red; padding: 2px 12px;"));
    inside->addWidget(title, 0, Qt::AlignHCenter);
    // Written as the director reads them, double blanks included.
    static const char *const lines[] = {
        "Cette option vous permet d'inverser deux scores",
        "lorsque deux joueurs ont permuté  leur  position.",
        "Par exemple,  si Sud 2 s'est installé à la table où",
        "devait jouer  Sud   3   et  inversement.",
        "",
        "Vous devez  donc  d'abord  saisir les scores de ",
        "chacune des tables  puis  utiliser cette option.",
    };
    int n = 2;
    for (const char *line : lines) {
        auto *label = new QLabel(QString::fromUtf8(line), frame);
        label->setObjectName(QStringLiteral("Label%1").arg(n++));
        label->setTextFormat(Qt::PlainText);
        inside->addWidget(label);
    }

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SwapReminderDialog::continueToSwap);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(row);
    setClientSize(317, 214);
}

void SwapReminderDialog::continueToSwap()
{
    emit swapRequested();
    accept();
}
