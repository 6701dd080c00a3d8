#include "rankings/generalrankingwindow.h"

#include "rankings/ranking.h"
#include "rankings/rankinggrid.h"
#include "rankings/rankingprint.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GeneralRankingWindow::GeneralRankingWindow(Tournament &tournament, QWidget *parent)
    : RankingWindow(tournament, parent, QStringLiteral("TBtnBottomDlg14"), QStringLiteral("Classement général"))
{
    m_pcn = new QCheckBox(QStringLiteral("PCN"), this);
    m_pcn->setObjectName(QStringLiteral("CheckBox1"));
    m_pcn->setEnabled(false);
    connect(m_pcn, &QCheckBox::clicked, this, &GeneralRankingWindow::pcnClicked);
    connect(m_print, &QPushButton::clicked, this, [this] {
        print(QStringLiteral("Classement général - tour %1").arg(state().currentRound()),
              [this](Canvas &canvas) { return printGeneralRanking(canvas, state(), m_table); });
    });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_rank);
    bottom->addWidget(m_pcn);
    bottom->addStretch();
    bottom->addWidget(m_print);
    bottom->addWidget(m_ok);
    bottom->addWidget(m_help);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    resize(456, 370);
    m_grid->setTable(&m_table);
}

void GeneralRankingWindow::rebuild()
{
    BusyCursor busy;
    m_table = buildGeneralRanking(state());
    state().setGeneralRanking(m_table);
    m_pcn->setChecked(false);
    m_pcn->setEnabled(ranking::pcnAvailable(state(), m_table));
    m_grid->refresh();
}

void GeneralRankingWindow::pcnClicked(bool checked)
{
    BusyCursor busy;
    ranking::setPcn(m_table, checked, state().tableCount());
    state().setGeneralRanking(m_table);
    m_grid->refresh();
}

GeneralRankingWindow::~GeneralRankingWindow()
{
    m_grid->setTable(nullptr);
}
