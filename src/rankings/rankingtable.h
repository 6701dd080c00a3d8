#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A ranking grid: a header ("NOM", "POSITION", "SCORE", maybe "PCN") and rows of cells. A cell
// is not a text of its own: it reads, when asked, from lines the table keeps a shared copy of (a
// register line's name, a score line's seat code or score), or it is a whole number. A ranking of
// tens of thousands of rows is then built and sorted without making a text per cell, and the
// grid, which shows a screenful, makes only those texts.
class RankingTable
{
public:
    RankingTable() = default;
    explicit RankingTable(const QStringList &header) { setHeader(header); }

    const QStringList &header() const { return m_header; }
    // Columns added at the right are empty; columns removed are gone.
    void setHeader(const QStringList &header);
    qsizetype columnCount() const { return m_header.size(); }
    qsizetype size() const { return m_rows; }

    // The text of a cell; empty out of range.
    QString cell(qsizetype row, qsizetype column) const;
    QStringList row(qsizetype row) const;
    QList<QStringList> rows() const;

    // A row of texts: missing cells are empty, extra ones dropped.
    void append(const QStringList &cells);
    void truncate(qsizetype rows);

    // Typed cells, for the ranking functions.
    // The lines later cells read from; the table keeps a shared copy. Returns the source's id.
    int addSource(const QStringList &lines);
    void appendEmptyRows(qsizetype count);
    // `part` lies in line `line` of source `source`.
    void setText(qsizetype row, qsizetype column, int source, qsizetype line, QStringView part);
    void setText(qsizetype row, qsizetype column, const QString &text);
    // The characters [from, from + length) of a source line, found by position without
    // searching the line; nothing is set when they lie outside it.
    void setLinePart(qsizetype row, qsizetype column, int source, qsizetype line, qsizetype from, qsizetype length);
    void setNumber(qsizetype row, qsizetype column, qint64 number);
    // The POSITION label of the seat code `code` (a part of a source line, as for setText) in a
    // register of `registerLines` lines.
    void setSeatLabel(qsizetype row, qsizetype column, int source, qsizetype line, QStringView code,
                      qsizetype registerLines);
    void setEmpty(qsizetype row, qsizetype column);

    // A cell set by setNumber: its number; otherwise none.
    std::optional<qint64> number(qsizetype row, qsizetype column) const;
    // A cell set by setText or empty: its text, without copying; otherwise none.
    std::optional<QStringView> textView(qsizetype row, qsizetype column) const;
    // A cell set by setSeatLabel: the seat code it labels, without copying; otherwise none.
    std::optional<QStringView> seatCode(qsizetype row, qsizetype column) const;

    // Row p becomes the row that was at rowAt[p]; rowAt is a permutation of the rows.
    void arrangeRows(const std::vector<qint32> &rowAt);

private:
    enum class Kind : quint8 { Empty, Text, Number, SeatLabel };
    struct Cell
    {
        Kind kind = Kind::Empty;
        quint8 source = 0;
        quint16 registerLines = 0; // SeatLabel: 0, 12, 16 or 1 for any other count
        qint32 line = 0;
        union {
            qint64 number;
            struct
            {
                qint32 from, length;
            } part;
        };
        Cell() : number(0) {}
    };

    Cell *at(qsizetype row, qsizetype column);
    const Cell *at(qsizetype row, qsizetype column) const;
    QStringView view(const Cell &c) const;
    bool setPart(Cell &c, int source, qsizetype line, QStringView part);

    QStringList m_header;
    qsizetype m_rows = 0;
    std::vector<Cell> m_cells;          // row by row, columnCount() a row
    std::vector<QStringList> m_sources; // the last one holds the texts given whole
};

namespace ranking {
// POSITION's display label of a seat code: " Joueur n° k" when the register has 12 or 16
// lines, else "Nord t", "Sud t", "Est t", "Ouest t"; other text unchanged.
QString label(QStringView seatCode, qsizetype registerLines);
} // namespace ranking
