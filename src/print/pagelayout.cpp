#include "print/pagelayout.h"

PageLayout::PageLayout(Canvas &canvas, const PrintFont &font, const QString &measure) : m_canvas(canvas), m_font(font)
{
    m_canvas.setFont(m_font.family, m_font.size);
    m_w = m_canvas.pageWidth() - 20;
    m_h = m_canvas.pageHeight() - 20;
    m_slots = (m_h - 10) / (m_canvas.textHeight(measure) + 10);
    m_rowHeight = m_canvas.textHeight(QStringLiteral("Ljste")) + 10;
}

bool PageLayout::begin()
{
    if (!m_canvas.begin())
        return false;
    m_canvas.setFont(m_font.family, m_font.size);
    m_canvas.setPenWidth(10);
    frame();
    return true;
}

void PageLayout::frame()
{
    m_canvas.drawLine(10, 10, 10, m_h);
    m_canvas.drawLine(10, m_h, m_w, m_h);
    m_canvas.drawLine(m_w, m_h, m_w, 10);
    m_canvas.drawLine(m_w, 10, 10, 10);
}

void PageLayout::title(const QString &text, const QString &measure, int yDivisor)
{
    m_canvas.setFontSize(m_font.size * 2);
    const int h = m_canvas.textHeight(measure);
    // A long title (a long place name) is set smaller rather than cut at the page's edge.
    for (int size = m_font.size * 2; size > 4 && m_canvas.textWidth(text) > m_w - 40; --size)
        m_canvas.setFontSize(size - 1);
    m_canvas.drawText((m_w - m_canvas.textWidth(text)) / 2, h / yDivisor + 10, text);
    m_canvas.drawLine(10, 2 * h + 10, m_w, 2 * h + 10);
    m_canvas.setFontSize(m_font.size);
}

int PageLayout::nextRow()
{
    ++m_slot;
    return m_slot * m_rowHeight;
}

bool PageLayout::breakIfFull()
{
    if (m_slot < m_slots - 1)
        return false;
    nextPage();
    return true;
}

void PageLayout::nextPage()
{
    footer();
    m_canvas.newPage();
    frame();
    m_slot = 0;
}

QString PageLayout::pageText() const
{
    return QStringLiteral("Page %1").arg(m_canvas.pageNumber());
}

void PageLayout::footer(const QString &text)
{
    const QString shown = text.isEmpty() ? pageText() : text;
    m_canvas.setFontSize(8);
    m_canvas.drawText(m_w - m_canvas.textWidth(shown) - 100, m_h - 50, shown);
    m_canvas.setFontSize(m_font.size);
}

void PageLayout::footnote(const QString &text)
{
    const QStringList lines = wrapped(m_canvas, text, textRight() - 100);
    const int lineHeight = m_canvas.textHeight(text);
    const int top = m_h - 60 - int(lines.size()) * lineHeight; // 10 above the footer
    if (top < (m_slot + 1) * m_rowHeight) {
        const int size = m_canvas.fontSize();
        nextPage();
        m_canvas.setFontSize(size);
    }
    for (qsizetype i = 0; i < lines.size(); ++i)
        m_canvas.drawText(100, top + int(i) * lineHeight, lines[i]);
}

void PageLayout::finish(const QString &lastFooter)
{
    footer(lastFooter);
    m_canvas.end();
}

int columnGap(Canvas &canvas)
{
    return canvas.textWidth(QStringLiteral("  "));
}

namespace {

qsizetype visibleLength(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return n;
}

} // namespace

int visibleWidth(Canvas &canvas, const QString &text)
{
    return canvas.textWidth(text.left(visibleLength(text)));
}

void fitFontSize(Canvas &canvas, int size, const QString &text, int width)
{
    canvas.setFontSize(size);
    while (canvas.fontSize() > 4 && canvas.textWidth(text) > width)
        canvas.setFontSize(canvas.fontSize() - 1);
}

QString elided(Canvas &canvas, const QString &text, int width)
{
    const qsizetype visible = visibleLength(text);
    if (canvas.textWidth(text.left(visible)) <= width)
        return text;
    const QChar ellipsis(0x2026);
    auto cut = [&](qsizetype n) {
        if (n > 0 && n < text.size() && text[n].isLowSurrogate())
            --n; // never half a character
        QString kept = text.left(n);
        while (!kept.isEmpty() && kept.back().isSpace())
            kept.chop(1);
        return kept + ellipsis;
    };
    // The longest cut that fits: widths grow with the length kept.
    qsizetype low = 0, high = visible - 1;
    if (canvas.textWidth(cut(0)) > width)
        return {};
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (canvas.textWidth(cut(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return cut(low);
}

QStringList wrapped(Canvas &canvas, const QString &text, int width)
{
    QStringList lines;
    QString line;
    QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i + 1 < words.size(); ++i)
        if (words[i].endsWith(QChar(0xB0))) // "n° 9" stays on one line
            words[i] += QLatin1Char(' ') + words.takeAt(i + 1);
    for (const QString &word : std::as_const(words)) {
        const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && canvas.textWidth(longer) > width) {
            lines << line;
            line = word;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty())
        lines << line;
    for (QString &l : lines)
        l = elided(canvas, l, width);
    return lines;
}
