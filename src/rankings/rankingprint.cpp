#include "rankings/rankingprint.h"

#include "print/pagelayout.h"
#include "rankings/ranking.h"

#include <functional>

namespace {

struct Printout
{
    QString title;
    QString measure;
    std::function<QList<int>(int w)> columnsX; // NOM, POSITION, SCORE (, PCN) from W
    QString lastFooterTail;                    // after "Page n" on the last page
};

// The room of each printed column: up to the column gap before the next one, the last up to the
// frame's margin.
QList<int> cellWidths(Canvas &canvas, const PageLayout &page, const QList<int> &xs, qsizetype columns)
{
    columns = qMin(columns, qsizetype(xs.size()));
    QList<int> widths;
    for (qsizetype k = 0; k < columns; ++k)
        widths << (k + 1 < columns ? xs[k + 1] - columnGap(canvas) : page.textRight()) - xs[k];
    return widths;
}

// The ranks stand from 20 to the names at 100: the size at which the largest of `rows` fits there,
// no larger than the rows'.
int rankSize(Canvas &canvas, qsizetype rows)
{
    const int rowSize = canvas.fontSize();
    int size = rowSize;
    for (; size > 1; --size) {
        canvas.setFontSize(size);
        if (20 + canvas.textWidth(QString::number(rows)) + columnGap(canvas) <= 100)
            break;
    }
    canvas.setFontSize(rowSize);
    return size;
}

void drawRank(Canvas &canvas, int y, const QString &rank, int size)
{
    const int rowSize = canvas.fontSize();
    canvas.setFontSize(size);
    canvas.drawText(20, y, rank);
    canvas.setFontSize(rowSize);
}

bool print(Canvas &canvas, const PrintFont &font, const RankingTable &table, const Printout &printout)
{
    PageLayout page(canvas, font, printout.measure);
    if (!page.begin())
        return false;
    page.title(printout.title, printout.measure, 2);
    const QList<int> xs = printout.columnsX(page.width());
    const QList<int> widths = cellWidths(canvas, page, xs, table.columnCount());
    const int rankFont = rankSize(canvas, table.size());
    page.startRows(3);
    const qsizetype rows = table.size();
    const std::vector<int> ranks = ranking::ranks(table);
    for (qsizetype r = 0; r <= rows; ++r) {
        const int y = page.nextRow();
        const QStringList cells = r == 0 ? table.header() : table.row(r - 1);
        if (r > 0 && ranks[size_t(r - 1)] > 0)
            drawRank(canvas, y, QString::number(ranks[size_t(r - 1)]), rankFont);
        for (qsizetype k = 0; k < cells.size() && k < xs.size(); ++k)
            canvas.drawText(xs[k], y, elided(canvas, cells[k], widths[k]));
        page.breakIfFull();
    }
    page.finish(page.pageText() + printout.lastFooterTail);
    return true;
}

QString tournament(const Tournament &state)
{
    return QStringLiteral(" Tournoi du ") + state.date() + QLatin1Char(' ') + state.place();
}

} // namespace

QString generalRankingTitle(const Tournament &state)
{
    return QStringLiteral("Classement Général") + tournament(state);
}

QString roundRankingTitle(const Tournament &state, int round)
{
    return QStringLiteral("Classement du tour n°") + QString::number(round) + tournament(state);
}

bool printGeneralRanking(Canvas &canvas, const Tournament &state, const RankingTable &table)
{
    const Printout printout{generalRankingTitle(state), QStringLiteral("Classement Général"),
                            [](int w) {
                                return QList<int>{100, w / 3, (w / 3) * 2, (w / 5) * 4};
                            },
                            QStringLiteral(" Tour ") + QString::number(state.currentRound())};
    return print(canvas, state.printFont(), table, printout);
}

bool printRoundRanking(Canvas &canvas, const Tournament &state, const RankingTable &table, int round)
{
    const Printout printout{roundRankingTitle(state, round), QStringLiteral("Classement du tour n° 1"),
                            [](int w) {
                                return QList<int>{100, w / 2, (w / 4) * 3};
                            },
                            QString()};
    return print(canvas, state.printFont(), table, printout);
}
