#include "live/tablecodesheet.h"

#include "print/pagelayout.h"
#include "rounds/rounds.h"

namespace {

// No-break spaces keep the quotes and the colon with their words when the line wraps.
const QString instructions =
    QStringLiteral("Sur votre téléphone, onglet «\u00A0Saisir ma table\u00A0»\u00A0: numéro de table, puis ce code.");

// The sizes of a slip's texts, and where each starts below the slip's top, measured once at their
// full size: a long text set smaller only takes less room.
struct Slip
{
    int margin = 0;
    int numberSize = 0, roundSize = 0, codeSize = 0, seatSize = 0, noteSize = 0;
    int number = 0, code = 0, seats = 0, seatHeight = 0, note = 0, noteHeight = 0;
    QStringList noteLines;
    int height = 0;

    Slip(Canvas &canvas, const PrintFont &font, int width)
        : numberSize(font.size * 2), roundSize(font.size * 3 / 2), codeSize(font.size * 4), seatSize(font.size * 6 / 5),
          noteSize(font.size * 9 / 10)
    {
        canvas.setFontSize(font.size);
        margin = columnGap(canvas);
        const int pad = canvas.textHeight(instructions) / 2;
        auto heightAt = [&canvas](int size) {
            canvas.setFontSize(size);
            return canvas.textHeight(QStringLiteral("Ljste"));
        };
        number = pad;
        code = number + heightAt(numberSize) + pad;
        seats = code + heightAt(codeSize) + pad;
        seatHeight = heightAt(seatSize);
        note = seats + 4 * seatHeight + pad;
        noteHeight = heightAt(noteSize); // the size the note wraps at
        noteLines = wrapped(canvas, instructions, width - 2 * margin);
        height = note + int(noteLines.size()) * noteHeight + pad;
        canvas.setFontSize(font.size);
    }
};

// A cut line: dashes, drawn thin.
void dashed(Canvas &canvas, int x1, int y1, int x2, int y2, int dash)
{
    const int length = qMax(qAbs(x2 - x1), qAbs(y2 - y1));
    for (int d = 0; d < length; d += 2 * dash) {
        const int e = qMin(length, d + dash);
        canvas.drawLine(x1 + (x2 - x1) * d / length, y1 + (y2 - y1) * d / length, x1 + (x2 - x1) * e / length,
                        y1 + (y2 - y1) * e / length);
    }
}

void drawSlip(Canvas &canvas, const Slip &slip, int left, int top, int width, const Tournament &state, int table,
              const QString &code)
{
    const int inner = width - 2 * slip.margin;
    const int x = left + slip.margin;

    const QString number = QStringLiteral("Table %1").arg(table);
    fitFontSize(canvas, slip.numberSize, number, inner / 2);
    const int numberBottom = top + slip.number + canvas.textHeight(number);
    canvas.drawText(x, top + slip.number, number);
    const QString round = QStringLiteral("Tour %1").arg(state.currentRound());
    canvas.setFontSize(slip.roundSize);
    canvas.drawText(x + inner - canvas.textWidth(round), numberBottom - canvas.textHeight(round), round);

    // Spaced out, so that each character reads alone.
    QStringList characters;
    for (const QChar c : code)
        characters << QString(c);
    const QString spaced = characters.join(QLatin1Char(' '));
    fitFontSize(canvas, slip.codeSize, spaced, inner);
    canvas.drawText(left + (width - canvas.textWidth(spaced)) / 2, top + slip.code, spaced);

    const rounds::TableEntry entry = rounds::tableEntry(state, table);
    for (size_t i = 0; i < 4; ++i) {
        const QString name = entry.emptyChairs[i] ? QStringLiteral("chaise vide") : entry.names[i].trimmed();
        const QString line = QStringLiteral("%1 : %2").arg(seatName(QChar(seatLetters[i])), name);
        fitFontSize(canvas, slip.seatSize, line, inner);
        canvas.drawText(x, top + slip.seats + int(i) * slip.seatHeight, line);
    }

    canvas.setFontSize(slip.noteSize);
    for (qsizetype i = 0; i < slip.noteLines.size(); ++i)
        canvas.drawText(x, top + slip.note + int(i) * slip.noteHeight, slip.noteLines[i]);
}

} // namespace

bool printTableCodes(Canvas &canvas, const PrintFont &font, const Tournament &state, const QStringList &codes)
{
    PageLayout page(canvas, font, QStringLiteral("Ljste"));
    if (!page.begin())
        return false;
    const QString title = QStringLiteral("Codes des tables");
    canvas.setFontSize(font.size * 2);
    const int first = 2 * canvas.textHeight(title) + 10; // the title's rule
    const int last = page.height() - 60;                 // above the footer
    const int width = (page.width() - 10) / 2;
    const Slip slip(canvas, font, width);
    const int rows = qMax(1, (last - first) / slip.height);
    const int height = (last - first) / rows;
    const int dash = qMax(1, slip.margin / 2);

    page.title(title, title, 2);
    for (int i = 0; i < codes.size(); ++i) {
        const int onPage = i % (2 * rows);
        if (onPage == 0 && i > 0) {
            page.nextPage();
            page.title(title, title, 2);
        }
        const int left = 10 + (onPage % 2) * width;
        const int top = first + (onPage / 2) * height;
        // The slip's text in the middle of its room.
        drawSlip(canvas, slip, left, top + (height - slip.height) / 2, width, state, i + 1, codes[i]);
        canvas.setPenWidth(2);
        dashed(canvas, left, top + height, left + width, top + height, dash);
        if (onPage % 2 == 0)
            dashed(canvas, left + width, top, left + width, top + height, dash);
        canvas.setPenWidth(10);
        canvas.setFontSize(font.size);
    }
    page.finish();
    return true;
}
