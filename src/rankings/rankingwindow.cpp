#include "rankings/rankingwindow.h"

#include "app/application.h"
#include "platform/platform.h"
#include "rankings/rankinggrid.h"

#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

RankingWindow::RankingWindow(Application &app, const QString &className, const QString &caption,
                             const QList<int> &widths)
    : Dialog(app, className, caption, QStringLiteral("sommaire"))
{
    setModal(false);
    m_rank = new QLineEdit(this);
    m_rank->setObjectName(QStringLiteral("Edit1"));
    m_rank->setReadOnly(true);
    m_rank->setFrame(false);
    m_rank->setFocusPolicy(Qt::NoFocus);
    m_rank->setFixedWidth(56);
    m_grid = new RankingGrid(this, widths, m_rank);
    m_print = new QPushButton(QStringLiteral("Imprimer"), this);
    m_print->setObjectName(QStringLiteral("Button1"));
    m_print->setAutoDefault(false);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("OKBtn"));
    m_ok->setAutoDefault(false);
    m_help = helpButton(QStringLiteral("index"));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
}

void RankingWindow::showRanking()
{
    setModal(false);
    if (isVisible())
        refresh();
    else
        show();
    raise();
    activateWindow();
}

bool RankingWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowDeactivate && !m_inOwnBox)
        m_stale = true;
    if (event->type() == QEvent::WindowActivate && m_stale)
        refresh();
    return Dialog::event(event);
}

void RankingWindow::refresh()
{
    m_stale = false;
    rebuild();
}

void RankingWindow::ownBox(const std::function<void()> &box)
{
    m_inOwnBox = true;
    box();
    m_inOwnBox = false;
}

void RankingWindow::report(const Outcome &outcome)
{
    if (!outcome.ok())
        ownBox([&] { Application::report(outcome); });
}

void RankingWindow::print(const QString &documentName, const std::function<bool(Canvas &)> &printout)
{
    bool begun = false;
    {
        BusyCursor busy;
        begun = printout(*platform().printing->canvas(documentName));
    }
    ownBox([&] { reportPrinting(begun); });
}
