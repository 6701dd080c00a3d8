#include "rankings/rankingwindow.h"

#include "platform/platform.h"
#include "rankings/rankinggrid.h"

#include <QLineEdit>
#include <QPushButton>

RankingWindow::RankingWindow(Tournament &tournament, QWidget *parent, const QString &className, const QString &caption)
    : Dialog(tournament, parent, className, caption, QStringLiteral("sommaire"))
{
    setModal(false);
    m_rank = new QLineEdit(this);
    m_rank->setObjectName(QStringLiteral("Edit1"));
    m_rank->setReadOnly(true);
    m_rank->setFrame(false);
    m_rank->setFocusPolicy(Qt::NoFocus);
    m_rank->setFixedWidth(56);
    m_grid = new RankingGrid(this, m_rank);
    m_print = new QPushButton(QStringLiteral("Imprimer"), this);
    m_print->setObjectName(QStringLiteral("Button1"));
    m_print->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setAutoDefault(false);
    m_help = helpButton(QStringLiteral("index"));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    constexpr Tournament::Changes shown =
        Tournament::Register | Tournament::Seats | Tournament::Scores | Tournament::Rounds | Tournament::Incidents;
    state().listen(this, [this](Tournament::Changes what) {
        if (isVisible() && (what & shown))
            rebuild();
    });
}

void RankingWindow::showRanking()
{
    setModal(false);
    if (isVisible())
        rebuild();
    else
        show();
    raise();
    activateWindow();
}

void RankingWindow::print(const QString &documentName, const std::function<bool(Canvas &)> &printout)
{
    bool begun = false;
    {
        BusyCursor busy;
        begun = printout(*platform().printing->canvas(documentName));
    }
    reportPrinting(begun);
}
