#include "movements/positionsprint.h"
#include "tournament/lines.h"

#include "movements/positions.h"
#include "players/entries.h"
#include "print/pagelayout.h"

namespace {

const QString rowMeasure = QStringLiteral("Liste des joueurs");

// Where the columns stand: the position column at P, the round columns of width C.
struct Columns
{
    int position = 0;
    int width = 0;
    int offset = 0; // width of "OUEST 25600"

    int centre(int round) const { return offset + position + (round - 1) * width + width / 2; }
};

Columns measureColumns(Canvas &canvas, const QStringList &lines, int pageWidth, int rounds)
{
    QString longest;
    for (const QString &line : lines)
        if (line.size() > longest.size())
            longest = line;
    Columns c;
    c.position = canvas.textWidth(longest) + 50;
    c.width = (pageWidth - c.position - canvas.textWidth(QStringLiteral("OUEST 256000 000"))) / rounds;
    c.offset = canvas.textWidth(QStringLiteral("OUEST 25600"));
    return c;
}

void headings(Canvas &canvas, const Columns &c, int rounds)
{
    const int y = (canvas.textHeight(rowMeasure) / 2) * 5 + 10;
    const QStringList titles = positionsHeader(rounds);
    canvas.drawText(100, y, titles[0]);
    canvas.drawText(c.position, y, titles[1]);
    for (int d = 1; d <= rounds; ++d) {
        const QString &text = titles[d + 1];
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
    const bool smallField = smallFieldMode(state.movement.fft, tables, emptyChairCount(state.playerRegisterList));
    QList<PositionsRow> rows;
    for (const QString &entry : state.playerRegisterList) {
        const RegisterLine line = splitRegisterLine(entry);
        PositionsRow row{line.name, {}, {}};
        const qint64 k = entries::playerNumber(line.seatCode);
        if (k > 0) {
            row.seat = smallField ? QStringLiteral("n° %1").arg(k)
                                  : seatName(line.seatCode.front()) + QLatin1Char(' ') + line.seatCode.mid(1);
            for (int d = 1; d <= rounds; ++d)
                row.cells << (smallField ? troisquatreCell(tables, k, d)
                                         : QString::number(position(state.movement, line.seatCode, d, tables)));
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
    PageLayout page(canvas, state.printFont, rowMeasure);
    if (!page.begin())
        return false;
    page.title(QStringLiteral("Liste des positions"), rowMeasure, 4);
    const QStringList &lines = state.playerRegisterList;
    const Columns c = measureColumns(canvas, lines, page.width(), rounds);
    headings(canvas, c, rounds);

    page.startRows(3);
    for (const PositionsRow &row : positionsRows(state, tables, rounds)) {
        const int y = page.nextRow();
        canvas.drawText(100, y, row.name);
        if (!row.seat.isEmpty())
            canvas.drawText(c.position, y, row.seat);
        for (int d = 1; d <= row.cells.size(); ++d)
            if (!row.cells[d - 1].isEmpty())
                canvas.drawText(c.centre(d), y, row.cells[d - 1]);
        if (page.slot() % 5 == 4 && page.slot() > 5) {
            canvas.setPenWidth(2);
            canvas.drawLine(10, y, page.width(), y);
            canvas.setPenWidth(10);
        }
        page.breakIfFull();
    }
    page.finish();
    return true;
}
