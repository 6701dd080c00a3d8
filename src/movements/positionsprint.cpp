#include "movements/positionsprint.h"
#include "tournament/lines.h"

#include "movements/meetings.h"
#include "movements/positions.h"
#include "players/entries.h"
#include "print/pagelayout.h"

#include <QSet>

namespace {

const QString rowMeasure = QStringLiteral("Liste des joueurs");

// Where the columns stand: the names from 100 to the position column at P, then the round
// columns of width C; and the size the rows are set at.
struct Columns
{
    int size = 0;
    int gap = 0; // columnGap at that size
    int position = 0;
    int width = 0;
    int offset = 0;         // the position column's width
    bool fromCentre = true; // the cells start at their column's centre, else are centred on it

    int centre(int round) const { return offset + position + (round - 1) * width + width / 2; }
};

// A name is never cut shorter than this to make room for the rounds: the font gets smaller instead.
const QString shortestName = QStringLiteral("DUPONT Jean-Baptiste");

// Today's layout when every round column has room for its heading and its widest cell. Else the
// columns are packed (the position column as wide as its texts, the rounds up to the frame's
// margin) and the name column narrowed, the names then cut; only when they would be cut shorter
// than shortestName are the rows set smaller.
Columns measureColumns(Canvas &canvas, const QStringList &lines, const QList<PositionsRow> &rows,
                       const PageLayout &page, int rounds)
{
    QString longest;
    for (const QString &line : lines)
        if (line.size() > longest.size())
            longest = line;
    const QStringList titles = positionsHeader(rounds);
    QSet<QString> cells; // few distinct ones: table numbers, or table and seat
    QSet<QString> seats = {titles[1]};
    for (const PositionsRow &row : rows) {
        seats.insert(row.seat);
        for (const QString &cell : row.cells)
            cells.insert(cell);
    }
    auto widest = [&](const QSet<QString> &texts) {
        int w = 0;
        for (const QString &text : texts)
            w = qMax(w, canvas.textWidth(text));
        return w;
    };
    for (int size = canvas.fontSize();; --size) {
        canvas.setFontSize(size);
        Columns c;
        c.size = size;
        c.gap = columnGap(canvas);
        int widestHeading = 0, widestName = 0;
        for (int d = 1; d <= rounds; ++d)
            widestHeading = qMax(widestHeading, canvas.textWidth(titles[d + 1]));
        const int widestCell = widest(cells);
        const int need = qMax(widestHeading, widestCell) + c.gap;
        const int natural = canvas.textWidth(longest) + 50;
        c.offset = canvas.textWidth(QStringLiteral("OUEST 25600"));
        const int rest = canvas.textWidth(QStringLiteral("OUEST 256000 000"));
        int right = page.width() - rest + c.offset; // where the last round column ends
        if (natural > right - c.offset - rounds * need) {
            c.offset = widest(seats) + c.gap;
            right = page.textRight();
            for (const PositionsRow &row : rows)
                widestName = qMax(widestName, visibleWidth(canvas, row.name));
            const int roomy = right - c.offset - rounds * need; // the widest P that leaves C >= need
            const int narrowest = 100 + c.gap + qMin(widestName, canvas.textWidth(shortestName));
            c.position = qMin(natural, roomy);
            if (c.position < narrowest && size > 1)
                continue;
            c.position = qMax(c.position, qMin(natural, narrowest));
        } else {
            c.position = natural;
        }
        c.width = (right - c.position - c.offset) / rounds;
        c.fromCentre = widestCell + c.gap <= c.width - c.width / 2;
        return c;
    }
}

void headings(Canvas &canvas, const Columns &c, int rounds, int y)
{
    const QStringList titles = positionsHeader(rounds);
    canvas.drawText(100, y, elided(canvas, titles[0], c.position - 100 - c.gap));
    canvas.drawText(c.position, y, elided(canvas, titles[1], c.offset - c.gap));
    for (int d = 1; d <= rounds; ++d) {
        const QString text = elided(canvas, titles[d + 1], c.width - c.gap);
        canvas.drawText(c.centre(d) - canvas.textWidth(text) / 2, y, text);
    }
}

} // namespace

QStringList positionsHeader(int rounds)
{
    QStringList titles = {QStringLiteral("NOM"), QStringLiteral("POSITION")};
    for (int d = 1; d <= rounds; ++d)
        titles << QStringLiteral("tour %1").arg(d);
    return titles;
}

QList<PositionsRow> positionsRows(const Tournament &state, qint64 tables, int rounds)
{
    const bool smallField = plannedSmallField(state.movement(), state.playerRegisterList(), tables);
    QList<PositionsRow> rows;
    for (const QString &entry : state.playerRegisterList()) {
        const RegisterLine line = splitRegisterLine(entry);
        PositionsRow row{line.name, {}, {}};
        const qint64 k = entries::playerNumber(line.seatCode);
        if (k > 0) {
            row.seat = plannedSeatLabel(line.seatCode, smallField);
            for (int d = 1; d <= rounds; ++d)
                row.cells << (smallField ? troisquatreCell(tables, k, d)
                                         : QString::number(position(state.movement(), line.seatCode, d, tables)));
        }
        rows.append(row);
    }
    return rows;
}

RegisterLine splitRegisterLine(const QString &line)
{
    return {lines::nameOfEntry(line).toString(), lines::seatOfEntry(line).toString()};
}

bool printPositions(Canvas &canvas, const Tournament &state, qint64 tables, int rounds)
{
    rounds = qMax(1, rounds);
    PageLayout page(canvas, state.printFont(), rowMeasure);
    if (!page.begin())
        return false;
    page.title(QStringLiteral("Liste des positions"), rowMeasure, 4);
    const int headingY = (canvas.textHeight(rowMeasure) / 2) * 5 + 10;
    const QList<PositionsRow> rows = positionsRows(state, tables, rounds);
    const Columns c = measureColumns(canvas, state.playerRegisterList(), rows, page, rounds);
    headings(canvas, c, rounds, headingY);

    page.startRows(3);
    for (const PositionsRow &row : rows) {
        const int y = page.nextRow();
        canvas.drawText(100, y, elided(canvas, row.name, c.position - 100 - c.gap));
        if (!row.seat.isEmpty())
            canvas.drawText(c.position, y, elided(canvas, row.seat, c.offset - c.gap));
        for (int d = 1; d <= row.cells.size(); ++d) {
            if (row.cells[d - 1].isEmpty())
                continue;
            const QString cell = elided(canvas, row.cells[d - 1], c.width - c.gap);
            canvas.drawText(c.fromCentre ? c.centre(d) : c.centre(d) - canvas.textWidth(cell) / 2, y, cell);
        }
        if (page.slot() % 5 == 4 && page.slot() > 5) {
            canvas.setPenWidth(2);
            canvas.drawLine(10, y, page.width(), y);
            canvas.setPenWidth(10);
        }
        if (page.breakIfFull())
            canvas.setFontSize(c.size); // the footer set the page's size back
    }
    // Players the plan seats together again are told of at the foot of the last page.
    if (const QString repeats = repeatMeetingsNotice(state.movement(), state.playerRegisterList(), tables);
        !repeats.isEmpty())
        page.footnote(repeats);
    page.finish();
    return true;
}
