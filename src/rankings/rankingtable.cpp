#include "rankings/rankingtable.h"

#include "players/entries.h"
#include "tournament/lines.h"

#include <limits>

void RankingTable::setHeader(const QStringList &header)
{
    const qsizetype from = m_header.size(), to = header.size();
    if (from != to && m_rows > 0) {
        std::vector<Cell> cells(size_t(m_rows * to));
        for (qsizetype r = 0; r < m_rows; ++r)
            for (qsizetype k = 0; k < std::min(from, to); ++k)
                cells[size_t(r * to + k)] = m_cells[size_t(r * from + k)];
        m_cells = std::move(cells);
    }
    m_header = header;
}

RankingTable::Cell *RankingTable::at(qsizetype row, qsizetype column)
{
    // One unsigned comparison each: a negative index is past the end. (Asked for every cell of
    // every sort.)
    if (size_t(row) >= size_t(m_rows) || size_t(column) >= size_t(m_header.size()))
        return nullptr;
    return &m_cells[size_t(row * m_header.size() + column)];
}

const RankingTable::Cell *RankingTable::at(qsizetype row, qsizetype column) const
{
    return const_cast<RankingTable *>(this)->at(row, column);
}

QStringView RankingTable::view(const Cell &c) const
{
    // setPart and setLinePart keep the part within its line.
    return QStringView(m_sources[c.source][c.line].constData() + c.part.from, c.part.length);
}

QString RankingTable::cell(qsizetype row, qsizetype column) const
{
    const Cell *c = at(row, column);
    if (!c)
        return {};
    switch (c->kind) {
    case Kind::Empty: return {};
    case Kind::Number: return QString::number(c->number);
    case Kind::Text: {
        const QString &line = m_sources[c->source][c->line];
        // A whole line is shared, not copied.
        return c->part.from == 0 && c->part.length == line.size() ? line : view(*c).toString();
    }
    case Kind::SeatLabel: return ranking::label(view(*c), c->registerLines);
    }
    return {};
}

QStringList RankingTable::row(qsizetype row) const
{
    QStringList cells;
    if (row < 0 || row >= m_rows)
        return cells;
    cells.reserve(m_header.size());
    for (qsizetype k = 0; k < m_header.size(); ++k)
        cells.append(cell(row, k));
    return cells;
}

QList<QStringList> RankingTable::rows() const
{
    QList<QStringList> all;
    all.reserve(m_rows);
    for (qsizetype r = 0; r < m_rows; ++r)
        all.append(row(r));
    return all;
}

void RankingTable::append(const QStringList &cells)
{
    appendEmptyRows(1);
    for (qsizetype k = 0; k < std::min(cells.size(), m_header.size()); ++k)
        setText(m_rows - 1, k, cells[k]);
}

void RankingTable::truncate(qsizetype rows)
{
    if (rows < 0 || rows >= m_rows)
        return;
    m_rows = rows;
    m_cells.resize(size_t(rows * m_header.size()));
}

int RankingTable::addSource(const QStringList &lines)
{
    if (m_sources.empty())
        m_sources.emplace_back(); // the texts given whole
    if (m_sources.size() > std::numeric_limits<quint8>::max())
        return -1;
    m_sources.push_back(lines);
    return int(m_sources.size() - 1);
}

void RankingTable::appendEmptyRows(qsizetype count)
{
    m_rows += count;
    m_cells.resize(size_t(m_rows * m_header.size()));
}

bool RankingTable::setPart(Cell &c, int source, qsizetype line, QStringView part)
{
    if (source < 1 || size_t(source) >= m_sources.size() || line < 0 || line >= m_sources[source].size())
        return false;
    const QString &text = m_sources[source][line];
    const qsizetype from = part.data() - text.constData();
    if (from < 0 || from + part.size() > text.size() || text.size() > std::numeric_limits<qint32>::max())
        return false;
    c.source = quint8(source);
    c.line = qint32(line);
    c.part = {qint32(from), qint32(part.size())};
    return true;
}

void RankingTable::setText(qsizetype row, qsizetype column, int source, qsizetype line, QStringView part)
{
    Cell *c = at(row, column);
    if (!c)
        return;
    if (!setPart(*c, source, line, part))
        return setText(row, column, part.toString());
    c->kind = Kind::Text;
}

void RankingTable::setText(qsizetype row, qsizetype column, const QString &text)
{
    Cell *c = at(row, column);
    if (!c)
        return;
    if (m_sources.empty())
        m_sources.emplace_back();
    QStringList &own = m_sources.front();
    if (own.size() >= std::numeric_limits<qint32>::max() || text.size() > std::numeric_limits<qint32>::max())
        return setEmpty(row, column);
    own.append(text);
    c->kind = Kind::Text;
    c->source = 0;
    c->line = qint32(own.size() - 1);
    c->part = {0, qint32(text.size())};
}

void RankingTable::setLinePart(qsizetype row, qsizetype column, int source, qsizetype line, qsizetype from,
                               qsizetype length)
{
    Cell *c = at(row, column);
    if (!c || source < 1 || size_t(source) >= m_sources.size() || line < 0 || line >= m_sources[source].size() ||
        from < 0 || length < 0 || from + length > m_sources[source][line].size() ||
        from + length > std::numeric_limits<qint32>::max())
        return;
    c->kind = Kind::Text;
    c->source = quint8(source);
    c->line = qint32(line);
    c->part = {qint32(from), qint32(length)};
}

void RankingTable::setNumber(qsizetype row, qsizetype column, qint64 number)
{
    if (Cell *c = at(row, column)) {
        c->kind = Kind::Number;
        c->number = number;
    }
}

void RankingTable::setSeatLabel(qsizetype row, qsizetype column, int source, qsizetype line, QStringView code,
                                qsizetype registerLines)
{
    Cell *c = at(row, column);
    if (!c)
        return;
    if (!setPart(*c, source, line, code))
        return setText(row, column, ranking::label(code, registerLines));
    c->kind = Kind::SeatLabel;
    c->registerLines = registerLines == 12 || registerLines == 16 ? quint16(registerLines) : 1;
}

void RankingTable::setEmpty(qsizetype row, qsizetype column)
{
    if (Cell *c = at(row, column))
        *c = Cell();
}

std::optional<qint64> RankingTable::number(qsizetype row, qsizetype column) const
{
    const Cell *c = at(row, column);
    if (!c || c->kind != Kind::Number)
        return std::nullopt;
    return c->number;
}

std::optional<QStringView> RankingTable::textView(qsizetype row, qsizetype column) const
{
    const Cell *c = at(row, column);
    if (!c || (c->kind != Kind::Text && c->kind != Kind::Empty))
        return std::nullopt;
    return c->kind == Kind::Empty ? QStringView() : view(*c);
}

std::optional<QStringView> RankingTable::seatCode(qsizetype row, qsizetype column) const
{
    const Cell *c = at(row, column);
    if (!c || c->kind != Kind::SeatLabel)
        return std::nullopt;
    return view(*c);
}

void RankingTable::arrangeRows(const std::vector<qint32> &rowAt)
{
    const qsizetype width = m_header.size();
    if (qsizetype(rowAt.size()) != m_rows || width == 0)
        return;
    std::vector<Cell> cells(m_cells.size());
    for (qsizetype p = 0; p < m_rows; ++p) {
        const qsizetype from = rowAt[size_t(p)];
        if (from < 0 || from >= m_rows)
            return; // not a permutation: the rows stay as they were
        std::copy_n(m_cells.begin() + from * width, width, cells.begin() + p * width);
    }
    m_cells = std::move(cells);
}

namespace ranking {

QString label(QStringView seatCode, qsizetype registerLines)
{
    if (registerLines == 12 || registerLines == 16) {
        if (entries::playerNumber(seatCode) > 0)
            return entries::withPlayerNumber(QStringLiteral(" = ") + seatCode.toString());
        return seatCode.toString();
    }
    static const QString words[] = {QStringLiteral("Nord "), QStringLiteral("Sud "), QStringLiteral("Est "),
                                    QStringLiteral("Ouest ")};
    const int seat = seatCode.isEmpty() ? -1 : lines::seatIndex(seatCode.front());
    if (seat < 0)
        return seatCode.toString();
    QString text;
    text.reserve(words[seat].size() + seatCode.size() - 1);
    return text.append(words[seat]).append(seatCode.mid(1));
}

} // namespace ranking
