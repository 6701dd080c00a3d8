#include "rankings/roomdisplaywindow.h"

#include "rankings/ranking.h"
#include "rankings/rankinggrid.h"
#include "rankings/room.h"
#include "store/evening.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The pace of the scroll: a pixel every tick, and the pauses counted in ticks.
constexpr int tickMs = 30;
constexpr int pauseTicks = 4000 / tickMs;  // at the top and at the bottom
constexpr int dwellTicks = 15000 / tickMs; // a page that fits, before the next one
// Columns of one group of the "Prochain tour" page: NOM, TABLE, PLACE and a gap before the next.
constexpr int groupColumns = 4;

const QColor gold(255, 214, 64);

} // namespace

// The "Prochain tour" page: the players in register order, read down as many groups of columns
// as the window has room for, so that a room's field fits on one screen.
class NextRoundModel : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setPlaces(QList<room::Place> places)
    {
        beginResetModel();
        m_places = std::move(places);
        endResetModel();
    }
    void setGroups(int groups)
    {
        groups = std::max(1, groups);
        if (groups == m_groups)
            return;
        beginResetModel();
        m_groups = groups;
        endResetModel();
    }
    const QList<room::Place> &places() const { return m_places; }
    int groups() const { return m_groups; }
    int rowsPerGroup(int groups) const { return int((m_places.size() + groups - 1) / groups); }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : rowsPerGroup(m_groups);
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : m_groups * groupColumns - 1;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        const int column = index.column() % groupColumns;
        const qsizetype i = qsizetype(index.column() / groupColumns) * rowsPerGroup(m_groups) + index.row();
        if (column == groupColumns - 1 || i >= m_places.size())
            return {};
        const room::Place &place = m_places[i];
        switch (role) {
        case Qt::DisplayRole:
            if (column == 0)
                return place.name;
            if (column == 1)
                return place.table > 0 ? QString::number(place.table) : QStringLiteral("—");
            return place.seat;
        case Qt::TextAlignmentRole: return int((column == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        case Qt::ForegroundRole: return column == 1 ? QVariant(gold) : QVariant();
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal)
            return {};
        if (role == Qt::TextAlignmentRole)
            return int((section % groupColumns == 1 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        static const QString titles[] = {QStringLiteral("NOM"), QStringLiteral("TABLE"), QStringLiteral("PLACE"), {}};
        return titles[section % groupColumns];
    }

private:
    QList<room::Place> m_places;
    int m_groups = 1;
};

namespace {

QTableView *boardView(QWidget *parent, const QString &name)
{
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setFocusPolicy(Qt::NoFocus);
    view->setShowGrid(false);
    view->setAlternatingRowColors(true);
    view->setWordWrap(false);
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setHighlightSections(false);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return view;
}

QLabel *boardLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

// Widest text of a column, header included, with the cell's margins.
int columnWidth(const QTableView *view, int column, int rows)
{
    const QFontMetrics metrics(view->font());
    const QAbstractItemModel *m = view->model();
    int width = metrics.horizontalAdvance(m->headerData(column, Qt::Horizontal).toString());
    for (int r = 0; r < rows; ++r)
        width = std::max(width, metrics.horizontalAdvance(m->index(r, column).data().toString()));
    return width + 2 * metrics.averageCharWidth();
}

} // namespace

RoomDisplayWindow::RoomDisplayWindow(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("RoomDisplay"), QStringLiteral("Affichage en salle"),
             QStringLiteral("deroulement"))
{
    // A window of its own, for a second screen: it never holds up the director's windows.
    setWindowFlags(Qt::Window);
    setModal(false);
    // High contrast, readable from the back of the room.
    setStyleSheet(QStringLiteral(
        "#RoomDisplay { background: black; }"
        "QLabel { color: white; }"
        "QLabel#title { color: #ffd640; }"
        "QTableView { background: black; alternate-background-color: #1c1c1c; color: white; border: none; }"
        "QHeaderView { background: black; }"
        "QHeaderView::section { background: black; color: #9cc8ff; border: none; padding: 0 6px; }"
        "QHeaderView::section:vertical { color: #ffd640; }"
        "QTableCornerButton::section { background: black; border: none; }"
        "QPushButton { background: #262626; color: #d0d0d0; border: 1px solid #505050; padding: 4px 14px; }"
        "QPushButton:disabled { color: #606060; }"));

    m_description = boardLabel(this, QStringLiteral("description"));
    m_progress = boardLabel(this, QStringLiteral("progress"));
    m_title = boardLabel(this, QStringLiteral("title"));
    m_ranking = boardView(this, QStringLiteral("ranking"));
    m_rankingModel = new RankingModel(m_ranking);
    m_ranking->setModel(m_rankingModel);
    m_ranking->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_next = boardView(this, QStringLiteral("nextRound"));
    m_nextModel = new NextRoundModel(m_next);
    m_next->setModel(m_nextModel);
    m_next->verticalHeader()->hide();
    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_ranking);
    m_pages->addWidget(m_next);

    m_toggle = button(QStringLiteral("rankingToggle"), QStringLiteral("Classement du tour"));
    m_nextButton = button(QStringLiteral("nextRoundBtn"), QStringLiteral("Prochain tour"));
    m_fullScreen = button(QStringLiteral("fullScreenBtn"), QStringLiteral("Plein écran (F11)"));
    for (QPushButton *b : {m_toggle, m_nextButton, m_fullScreen})
        b->setFocusPolicy(Qt::NoFocus); // the keys stay the window's
    connect(m_toggle, &QPushButton::clicked, this, &RoomDisplayWindow::toggleRanking);
    connect(m_nextButton, &QPushButton::clicked, this, [this] { showPage(Page::NextRound); });
    connect(m_fullScreen, &QPushButton::clicked, this, &RoomDisplayWindow::toggleFullScreen);

    auto *top = new QHBoxLayout;
    top->addWidget(m_description, 1);
    top->addWidget(m_progress);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_toggle);
    bottom->addWidget(m_nextButton);
    bottom->addWidget(m_fullScreen);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 8);
    layout->addLayout(top);
    layout->addWidget(m_title);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
    resize(1024, 700);

    m_rebuild = new QTimer(this);
    m_rebuild->setSingleShot(true);
    m_rebuild->setInterval(200);
    connect(m_rebuild, &QTimer::timeout, this, &RoomDisplayWindow::rebuild);
    m_scroll = new QTimer(this);
    m_scroll->setInterval(tickMs);
    connect(m_scroll, &QTimer::timeout, this, &RoomDisplayWindow::tick);
    state().listen(this, [this](Tournament::Changes what) {
        if (isVisible() && Tournament::touchesContent(what))
            m_rebuild->start();
    });
}

void RoomDisplayWindow::showDisplay()
{
    if (isVisible())
        rebuild();
    else
        show();
    raise();
    activateWindow();
}

void RoomDisplayWindow::activated()
{
    sizeType();
    rebuild();
    m_scroll->start();
}

void RoomDisplayWindow::hideEvent(QHideEvent *event)
{
    Dialog::hideEvent(event);
    if (event->spontaneous()) // minimised: it goes on where it was
        return;
    m_scroll->stop();
    m_rebuild->stop();
    m_nextRound = 0; // shown again, the window opens on the next round if there is one
}

void RoomDisplayWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_F11: toggleFullScreen(); return;
    case Qt::Key_T: toggleRanking(); return;
    case Qt::Key_P:
        if (m_nextRound > 0)
            showPage(Page::NextRound);
        return;
    case Qt::Key_Escape:
        if (isFullScreen()) {
            showNormal();
            return;
        }
        break;
    default: break;
    }
    Dialog::keyPressEvent(event);
}

void RoomDisplayWindow::resizeEvent(QResizeEvent *event)
{
    Dialog::resizeEvent(event);
    sizeType();
}

void RoomDisplayWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void RoomDisplayWindow::toggleRanking()
{
    m_showRound = !m_showRound;
    m_toggle->setText(m_showRound ? QStringLiteral("Classement général") : QStringLiteral("Classement du tour"));
    m_rankingModel->setTable(m_showRound ? &m_round : &m_general);
    sizeColumns();
    showPage(Page::Ranking);
}

void RoomDisplayWindow::rebuild()
{
    const Tournament &s = state();
    m_description->setText(descriptionText(s));
    m_progress->setText(room::progressText(s));
    const int rankingAt = m_ranking->verticalScrollBar()->value();
    const int nextAt = m_next->verticalScrollBar()->value();
    m_general = buildGeneralRanking(s);
    m_roundNumber = ranking::latestRound(s);
    m_round = roundRanking(s, m_roundNumber);
    m_rankingModel->setTable(m_showRound ? &m_round : &m_general);
    const int next = room::nextRound(s);
    m_nextModel->setPlaces(next > 0 ? room::placesInRound(s, next) : QList<room::Place>());
    m_nextButton->setEnabled(next > 0);
    sizeColumns();
    m_ranking->verticalScrollBar()->setValue(rankingAt);
    m_next->verticalScrollBar()->setValue(nextAt);
    if (next != m_nextRound) {
        // Between two rounds the next seats come first; once the round is under way, the ranking.
        m_nextRound = next;
        showPage(next > 0 ? Page::NextRound : Page::Ranking);
    }
    showTitle();
}

void RoomDisplayWindow::showPage(Page page)
{
    m_page = page;
    m_pages->setCurrentWidget(page == Page::NextRound ? m_next : m_ranking);
    currentView()->verticalScrollBar()->setValue(0);
    m_phase = Phase::Top;
    m_ticks = 0;
    showTitle();
}

void RoomDisplayWindow::showTitle()
{
    if (m_page == Page::NextRound)
        m_title->setText(QStringLiteral("Prochain tour : tour %1").arg(m_nextRound));
    else if (m_showRound)
        m_title->setText(QStringLiteral("Classement du tour %1").arg(m_roundNumber));
    else
        m_title->setText(QStringLiteral("Classement général"));
}

QTableView *RoomDisplayWindow::currentView() const
{
    return m_page == Page::NextRound ? m_next : m_ranking;
}

void RoomDisplayWindow::sizeType()
{
    // A row about a twenty-fourth of the window's height: a dozen rows on a projector.
    const int pixels = std::clamp(height() / 24, 12, 96);
    QFont body = font();
    body.setPixelSize(pixels);
    body.setBold(true);
    m_ranking->setFont(body);
    setRowHeight(m_ranking);
    QFont title = body;
    title.setPixelSize(pixels * 5 / 4);
    m_title->setFont(title);
    QFont small = body;
    small.setPixelSize(std::max(12, pixels * 3 / 4));
    small.setBold(false);
    m_description->setFont(small);
    m_progress->setFont(small);
    sizeColumns();
}

void RoomDisplayWindow::setRowHeight(QTableView *view)
{
    // Under the window's style sheet the headers take their type from a style sheet only: the
    // ranks as large as the names, the column titles smaller.
    const int pixels = view->font().pixelSize();
    const int titlePixels = std::max(12, pixels * 3 / 5);
    view->verticalHeader()->setStyleSheet(QStringLiteral("font-size: %1px; font-weight: bold;").arg(pixels));
    view->horizontalHeader()->setStyleSheet(QStringLiteral("font-size: %1px;").arg(titlePixels));
    QFont titles = view->font();
    titles.setPixelSize(titlePixels);
    const int row = QFontMetrics(view->font()).height() * 5 / 4;
    view->verticalHeader()->setMinimumSectionSize(row);
    view->verticalHeader()->setDefaultSectionSize(row);
    view->horizontalHeader()->setFixedHeight(QFontMetrics(titles).height() * 3 / 2);
}

void RoomDisplayWindow::sizeColumns()
{
    // The ranking: NOM takes what POSITION and SCORE, sized to their texts, leave.
    const int rows = std::min(m_rankingModel->rowCount(), 2000);
    const int columns = m_rankingModel->columnCount();
    int others = 0;
    for (int k = 1; k < columns; ++k) {
        m_ranking->setColumnWidth(k, columnWidth(m_ranking, k, rows));
        others += m_ranking->columnWidth(k);
    }
    const int rankWidth = QFontMetrics(m_ranking->font()).horizontalAdvance(QStringLiteral("0000"));
    m_ranking->verticalHeader()->setFixedWidth(rankWidth);
    if (columns > 0)
        m_ranking->setColumnWidth(0, std::max(rankWidth, m_pages->width() - rankWidth - others - 2));
    layOutNextRound();
}

void RoomDisplayWindow::layOutNextRound()
{
    // Every player should find his name without waiting for the scroll: the groups of columns
    // side by side, in the ranking's type or, to fit one screen, down to three fifths of it.
    const QList<room::Place> &places = m_nextModel->places();
    const int largest = m_ranking->font().pixelSize();
    const int width = m_pages->width() - 2;
    for (int pixels = largest;; --pixels) {
        QFont type = m_ranking->font();
        type.setPixelSize(pixels);
        const QFontMetrics metrics(type);
        const int margin = metrics.averageCharWidth();
        int name = metrics.horizontalAdvance(QStringLiteral("NOM"));
        for (const room::Place &place : places)
            name = std::max(name, metrics.horizontalAdvance(place.name));
        name += margin;
        const int table = metrics.horizontalAdvance(QStringLiteral("TABLE")) + margin;
        const int seat = std::max(metrics.horizontalAdvance(QStringLiteral("PLACE")),
                                  metrics.horizontalAdvance(QStringLiteral("Ouest"))) +
                         margin;
        const int gap = 2 * margin;
        const int fitting = std::max(1, (width + gap) / (name + table + seat + gap));
        const int row = metrics.height() * 5 / 4;
        const int visibleRows = std::max(1, m_pages->height() / row - 1); // below the column titles
        int groups = 1;
        while (groups < fitting && m_nextModel->rowsPerGroup(groups) > visibleRows)
            ++groups;
        if (m_nextModel->rowsPerGroup(groups) > visibleRows && pixels > largest * 3 / 5)
            continue;
        m_next->setFont(type);
        setRowHeight(m_next);
        m_nextModel->setGroups(groups);
        const int spare = std::max(0, width - groups * (name + table + seat) - (groups - 1) * gap) / groups;
        for (int g = 0; g < groups; ++g) {
            m_next->setColumnWidth(g * groupColumns, name + spare);
            m_next->setColumnWidth(g * groupColumns + 1, table);
            m_next->setColumnWidth(g * groupColumns + 2, seat);
            if (g + 1 < groups)
                m_next->setColumnWidth(g * groupColumns + 3, gap);
        }
        return;
    }
}

void RoomDisplayWindow::tick()
{
    QScrollBar *bar = currentView()->verticalScrollBar();
    const bool longer = bar->maximum() > 0;
    ++m_ticks;
    switch (m_phase) {
    case Phase::Top:
        if (m_ticks >= pauseTicks) {
            m_phase = longer ? Phase::Scrolling : Phase::Bottom;
            m_ticks = 0;
        }
        break;
    case Phase::Scrolling:
        bar->setValue(bar->value() + 1);
        if (bar->value() >= bar->maximum()) {
            m_phase = Phase::Bottom;
            m_ticks = 0;
        }
        break;
    case Phase::Bottom:
        if (m_ticks < (longer ? pauseTicks : dwellTicks))
            break;
        // Between two rounds the pages take turns; otherwise the ranking starts again.
        if (m_nextRound > 0)
            showPage(m_page == Page::Ranking ? Page::NextRound : Page::Ranking);
        else
            showPage(m_page);
        break;
    }
}
