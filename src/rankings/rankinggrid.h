#pragma once

#include "tournament/tournament.h"

#include <QAbstractTableModel>
#include <QTableView>

class QLineEdit;

// Shows a RankingTable it does not own; every read is bounds-checked, so a table rebuilt
// elsewhere is never read out of range before the next refresh.
class RankingModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setTable(const RankingTable *table);
    void refresh();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const RankingTable *m_table = nullptr;
};

// The grid "StringGrid1" of both ranking windows: a click on the NOM, POSITION or SCORE header
// re-sorts by that column; selecting a cell shows its rank ("1er", "2ème", ...) in the rank field.
// The table is always sorted by the column last chosen (every build sorts by SCORE), so a click
// on a cell, which would sort again by that column, changes nothing and is not acted on.
class RankingGrid : public QTableView
{
    Q_OBJECT
public:
    RankingGrid(QWidget *parent, const QList<int> &widths, QLineEdit *rankField);

    void setTable(RankingTable *table);
    // After the table changed: shows it again and forgets the selection.
    void refresh();

private:
    void headerClicked(int section);
    void applyWidths();

    RankingModel *m_model;
    RankingTable *m_table = nullptr;
    QList<int> m_widths;
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
