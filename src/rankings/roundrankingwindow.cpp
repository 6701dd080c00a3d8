#include "rankings/roundrankingwindow.h"

#include "rankings/ranking.h"
#include "rankings/rankinggrid.h"
#include "rankings/rankingprint.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

RoundRankingWindow::RoundRankingWindow(Tournament &tournament, QWidget *parent)
    : RankingWindow(tournament, parent, QStringLiteral("TBtnRightDlg2"), QStringLiteral("classement au tour"))
{
    m_round = new QSpinBox(this);
    m_round->setObjectName(QStringLiteral("SpinEdit1"));
    m_round->setRange(1, 1);
    connect(m_round, &QSpinBox::valueChanged, this, &RoundRankingWindow::build);
    connect(m_print, &QPushButton::clicked, this, [this] {
        print(QStringLiteral("Classement du tour %1").arg(m_round->value()),
              [this](Canvas &canvas) { return printRoundRanking(canvas, state(), m_table, m_round->value()); });
    });

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("tour"), this));
    left->addWidget(m_round);
    left->addWidget(m_rank);
    left->addStretch();
    left->addWidget(m_ok);
    left->addWidget(m_print);
    left->addWidget(m_help);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(m_grid);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(frame, 1);
    resize(453, 336);
    m_grid->setTable(&m_table);
}

void RoundRankingWindow::rebuild()
{
    const int latest = ranking::latestRound(state());
    {
        const QSignalBlocker quiet(m_round);
        m_round->setRange(1, std::max(latest, 1));
        m_round->setValue(latest);
        m_round->setEnabled(latest >= 2);
    }
    build(m_round->value());
}

void RoundRankingWindow::build(int round)
{
    BusyCursor busy;
    m_table = roundRanking(state(), round);
    m_grid->refresh();
}

RoundRankingWindow::~RoundRankingWindow()
{
    m_grid->setTable(nullptr);
}
