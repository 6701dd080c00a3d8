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
    canvas.drawText(100, y, QStringLiteral("NOM"));
    canvas.drawText(c.position, y, QStringLiteral("POSITION"));
    for (int d = 1; d <= rounds; ++d) {
        const QString text = QStringLiteral("tour %1").arg(d);
        canvas.drawText(c.centre(d) - canvas.textWidth(text) / 2, y, text);
    }
}

} // namespace

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
    const bool smallField = smallFieldMode(state.movement.fft, tables, emptyChairCount(state.playerRegisterList));

    page.startRows(3);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int y = page.nextRow();
        const RegisterLine line = splitRegisterLine(lines[i]);
        canvas.drawText(100, y, line.name);
        const qint64 k = entries::playerNumber(line.seatCode);
        if (k > 0) {
            const QString label = smallField
                                      ? QStringLiteral("n° %1").arg(k)
                                      : seatName(line.seatCode.front()) + QLatin1Char(' ') + line.seatCode.mid(1);
            canvas.drawText(c.position, y, label);
            for (int d = 1; d <= rounds; ++d) {
                const QString cell = smallField ? troisquatreCell(tables, k, d)
                                                : QString::number(position(state.movement, line.seatCode, d, tables));
                if (!cell.isEmpty())
                    canvas.drawText(c.centre(d), y, cell);
            }
        }
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
