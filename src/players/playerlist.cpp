#include "players/playerlist.h"
#include "tournament/lines.h"

#include "tournament/tournament.h"
#include "players/entries.h"
#include "print/pagelayout.h"

namespace playerlist {

bool numbered(const QStringList &list)
{
    return list.size() == 12 || list.size() == 16;
}

QStringList listingLines(const Tournament &state)
{
    const bool withNumbers = numbered(state.playerRegisterList()) && state.movement().fft;
    QStringList lines;
    for (const QString &line : state.playerRegisterList()) {
        const QString shown = entries::displayed(withNumbers ? entries::withPlayerNumber(line) : line);
        if (!entries::mentionsEmptyChair(shown))
            entries::insertSorted(lines, shown);
    }
    return lines;
}

Row printedRow(const QString &line, bool withNumbers)
{
    if (withNumbers) {
        const QString text = entries::withPlayerNumber(line);
        // The number ends the line; a first name "Joueur" stays in the name column.
        static const QString number = QStringLiteral("Joueur n° ");
        const qsizetype p = text.lastIndexOf(number);
        if (p < 0)
            return {text, {}};
        return {text.left(p), text.mid(p)};
    }
    const lines::KeyValue s = lines::splitAtFirstEquals(line);
    if (!s.hasEquals)
        return {line, {}};
    const QString code = s.text.mid(1).toString(); // after "= "
    static const QLatin1String words[] = {QLatin1String("Nord "), QLatin1String("Sud "), QLatin1String("Est "),
                                          QLatin1String("Ouest ")};
    const int w = code.isEmpty() ? -1 : lines::seatIndex(code.front());
    return {s.key.toString(), w < 0 ? code : words[w] + code.mid(1)};
}

QList<Row> printedRows(const Tournament &state)
{
    const bool withNumbers = numbered(state.playerRegisterList());
    QList<Row> rows;
    for (const QString &line : state.playerRegisterList())
        rows.append(printedRow(line, withNumbers));
    return rows;
}

bool print(Canvas &canvas, const Tournament &state)
{
    const QString title = QStringLiteral("Liste des joueurs");
    PageLayout page(canvas, state.printFont(), title);
    if (!page.begin())
        return false;
    page.title(title, title, 2);
    page.startRows(3);
    const int seatX = page.width() / 2;
    for (const Row &row : printedRows(state)) {
        const int y = page.nextRow();
        // A name without a seat beside it may take the whole line.
        const int nameEnd = row.seat.isEmpty() ? page.textRight() : seatX - columnGap(canvas);
        if (!row.seat.isEmpty())
            canvas.drawText(seatX, y, elided(canvas, row.seat, page.textRight() - seatX));
        canvas.drawText(100, y, elided(canvas, row.name, nameEnd - 100));
        page.breakIfFull();
    }
    page.finish();
    return true;
}

} // namespace playerlist
