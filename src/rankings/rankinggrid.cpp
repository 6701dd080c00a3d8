#include "rankings/rankinggrid.h"

#include "platform/platform.h"
#include "rankings/ranking.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>

void RankingModel::setTable(const RankingTable *table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

void RankingModel::refresh()
{
    beginResetModel();
    endResetModel();
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
    if (role != Qt::DisplayRole || !m_table || index.row() >= m_table->size() ||
        index.column() >= m_table->columnCount())
        return {};
    return m_table->cell(index.row(), index.column());
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !m_table || section >= m_table->columnCount())
        return {};
    return m_table->header()[section];
}

RankingGrid::RankingGrid(QWidget *parent, const QList<int> &widths, QLineEdit *rankField)
    : QTableView(parent), m_model(new RankingModel(this)), m_widths(widths), m_rank(rankField)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(18);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &RankingGrid::headerClicked);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &current) {
        // An excluded player or an empty chair has no rank.
        const int rank = current.isValid() && m_table ? ranking::ranks(*m_table)[size_t(current.row())] : 0;
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
    applyWidths();
    m_rank->clear();
}

void RankingGrid::applyWidths()
{
    for (int k = 0; k < m_widths.size() && k < m_model->columnCount(); ++k)
        setColumnWidth(k, m_widths[k]);
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
