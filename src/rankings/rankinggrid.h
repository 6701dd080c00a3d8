#pragma once

#include "tournament/tournament.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <vector>

class QLineEdit;

// Shows a RankingTable it does not own; every read is bounds-checked, so a table rebuilt
// elsewhere is never read out of range before the next refresh. The rank stands in the row
// header; SCORE and PCN are right-aligned.
class RankingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setTable(const RankingTable *table);
    void refresh();
    // The rank of a row as of the last refresh: 0 for an excluded player, an empty chair or the
    // row of "Pas de classement possible".
    int rank(int row) const { return row >= 0 && size_t(row) < m_ranks.size() ? m_ranks[size_t(row)] : 0; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void rankRows();
    bool isNumberColumn(int column) const;

    const RankingTable *m_table = nullptr;
    std::vector<int> m_ranks;
};

// The grid "StringGrid1" of both ranking windows: a click on the NOM, POSITION or SCORE header
// re-sorts by that column; selecting a cell shows its rank ("1er", "2ème", ...) in the rank field.
// The table is always sorted by the column last chosen (every build sorts by SCORE), so a click
// on a cell, which would sort again by that column, changes nothing and is not acted on.
// NOM takes the width the other columns, sized to their contents, leave; a cell cut short shows
// its whole text as its tooltip.
class RankingGrid : public QTableView
{
    Q_OBJECT
public:
    RankingGrid(QWidget *parent, QLineEdit *rankField);

    void setTable(RankingTable *table);
    // After the table changed: shows it again and forgets the selection.
    void refresh();

protected:
    void updateGeometries() override;
    bool viewportEvent(QEvent *event) override;

private:
    void headerClicked(int section);
    void sizeColumns();
    void fitNames();
    int textMargins() const;

    RankingModel *m_model;
    RankingTable *m_table = nullptr;
    QLineEdit *m_rank;
};

// The hourglass while a ranking is built, sorted or printed.
class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Shows what became of a printout: a refusal, or where the pages went when not to a printer.
void reportPrinting(bool begun);
