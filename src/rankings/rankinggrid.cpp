#include "rankings/rankinggrid.h"

#include "platform/platform.h"
#include "rankings/ranking.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>

void RankingModel::setTable(const RankingTable *table)
{
    beginResetModel();
    m_table = table;
    rankRows();
    endResetModel();
}

void RankingModel::refresh()
{
    beginResetModel();
    rankRows();
    endResetModel();
}

void RankingModel::rankRows()
{
    m_ranks.clear();
    // The single row saying there is no ranking is nobody's.
    if (m_table && !ranking::saysNoRanking(*m_table))
        m_ranks = ranking::ranks(*m_table);
}

bool RankingModel::isNumberColumn(int column) const
{
    const QString &name = m_table->header()[column];
    return name == QLatin1String("SCORE") || name == QLatin1String("PCN");
}

int RankingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : int(m_table->size());
}

int RankingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_table ? 0 : int(m_table->columnCount());
}

QVariant RankingModel::data(const QModelIndex &index, int role) const
{
    if (!m_table || index.row() >= m_table->size() || index.column() >= m_table->columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_table->cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int((isNumberColumn(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole)
            return rank(section) > 0 ? QString::number(rank(section)) : QString();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (!m_table || section >= m_table->columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_table->header()[section];
    if (role == Qt::TextAlignmentRole && isNumberColumn(section))
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

RankingGrid::RankingGrid(QWidget *parent, QLineEdit *rankField)
    : QTableView(parent), m_model(new RankingModel(this)), m_rank(rankField)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RankingGrid::headerClicked);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        // An excluded player or an empty chair has no rank.
        const int rank = current.isValid() ? m_model->rank(current.row()) : 0;
        m_rank->setText(rank > 0 ? ranking::rankText(rank) : QString());
    });
}

void RankingGrid::setTable(RankingTable *table)
{
    m_table = table;
    m_model->setTable(table);
    refresh();
}

void RankingGrid::refresh()
{
    m_model->refresh();
    sizeColumns();
    m_rank->clear();
}

int RankingGrid::textMargins() const
{
    // As an item view draws a cell: a margin each side of the text, and the grid line.
    return 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
}

void RankingGrid::sizeColumns()
{
    const int rows = m_model->rowCount();
    // The row header samples its first and last rows only: it is as wide as the largest rank.
    const QHeaderView *ranks = verticalHeader();
    verticalHeader()->setMinimumWidth(QFontMetrics(ranks->font()).horizontalAdvance(QString::number(rows)) +
                                      2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, ranks) + 2);
    // The widest cells are at the ends of a ranking sorted by score (the best and the worst
    // totals) and in its unranked rows (EXCLU, SANS OBJET). Measuring every row of a large ranking
    // would cost more than a rare cell cut short, which shows its tooltip.
    constexpr int sample = 50;
    std::vector<int> measured;
    for (int r = 0; r < std::min(rows, sample); ++r)
        measured.push_back(r);
    for (int r = std::max(sample, rows - sample); r < rows; ++r)
        measured.push_back(r);
    for (int r = sample, unranked = 0; r < rows - sample && unranked < sample; ++r)
        if (m_model->rank(r) == 0) {
            measured.push_back(r);
            ++unranked;
        }
    const QFontMetrics metrics = fontMetrics();
    const int gap = metrics.averageCharWidth(); // so that the right-aligned numbers keep off the next column
    for (int k = 1; k < m_model->columnCount(); ++k) {
        int width = horizontalHeader()->sectionSizeHint(k);
        for (const int r : measured)
            width = std::max(width, metrics.horizontalAdvance(m_table->cell(r, k)) + textMargins());
        setColumnWidth(k, width + gap);
    }
    if (m_model->columnCount() > 0)
        horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed); // it follows the window
    fitNames();
}

void RankingGrid::fitNames()
{
    if (m_model->columnCount() == 0)
        return;
    int others = 0;
    for (int k = 1; k < m_model->columnCount(); ++k)
        others += columnWidth(k);
    // Narrower than this, the grid scrolls sideways rather than cut every name.
    const int least = 14 * fontMetrics().averageCharWidth();
    const int width = std::max(least, viewport()->width() - others);
    if (columnWidth(0) != width)
        setColumnWidth(0, width);
}

void RankingGrid::updateGeometries()
{
    QTableView::updateGeometries();
    fitNames();
}

bool RankingGrid::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.data().toString();
    // Only a cell cut short has one: a whole text would be shown twice.
    if (index.isValid() && fontMetrics().horizontalAdvance(text) + textMargins() > columnWidth(index.column()))
        QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
    else
        QToolTip::hideText();
    return true;
}

void RankingGrid::headerClicked(int section)
{
    // Only NOM, POSITION and SCORE sort; the PCN header does nothing.
    if (!m_table || section < 0 || section > 2)
        return;
    BusyCursor busy;
    sortRanking(*m_table, section);
    refresh();
}

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    QApplication::restoreOverrideCursor();
}

void reportPrinting(bool begun)
{
    if (!begun) {
        platform().messages->warning(QStringLiteral("Impression impossible"),
                                     QStringLiteral("L'imprimante a refusé de commencer le document."));
        return;
    }
    const QString where = platform().printing->whereItWent();
    if (!where.isEmpty())
        platform().messages->information(QStringLiteral("Impression"), where);
}
