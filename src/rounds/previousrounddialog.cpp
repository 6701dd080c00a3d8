#include "rounds/previousrounddialog.h"

#include "rounds/rounds.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

PreviousRoundDialog::PreviousRoundDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg11"), QStringLiteral("Voir un tour antérieur"),
             QStringLiteral("sommaire"))
{
    QFont bold(QStringLiteral("MS Sans Serif"));
    bold.setPixelSize(11);
    bold.setBold(true);
    setFont(bold);

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    m_list = new QListWidget(frame);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setFixedSize(442, 267);
    // The columns are counted in characters: a fixed-width font lines them up.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPixelSize(11);
    fixed.setBold(true);
    m_list->setFont(fixed);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(m_list);

    m_round = new QSpinBox(this);
    m_round->setObjectName(QStringLiteral("SpinEdit1"));
    m_round->setRange(1, 1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("Tour"), this));
    side->addWidget(m_round);
    side->addStretch();
    side->addWidget(ok);
    side->addWidget(helpButton(QStringLiteral("sommaire")));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(side);
    setClientSize(575, 300);

    connect(m_round, &QSpinBox::valueChanged, this, &PreviousRoundDialog::buildList);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void PreviousRoundDialog::activated()
{
    const int round = state().currentRound();
    if (round > 1) {
        const QSignalBlocker blocker(m_round);
        m_round->setMaximum(round - 1);
        m_round->setValue(round - 1);
    }
    buildList();
}

void PreviousRoundDialog::buildList()
{
    const Result<QStringList> lines = rounds::previousRoundLines(state(), m_round->value());
    m_list->clear();
    m_list->addItems(lines.value());
    report(lines.outcome());
}
