#include "support/doubles.h"

#include "platform/qtplatform.h"

#include <QMap>

#include <algorithm>

Messages::Button ScriptedMessages::show(const QString &title, const QString &text, Icon icon, int buttons)
{
    const Box box{title, text, icon, buttons};
    boxes << box;
    if (onShow)
        onShow(box);
    if (buttons == Ok)
        return Ok;
    Button answer = answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    if (!(buttons & answer))
        answer = (buttons & Cancel) ? Cancel : (buttons & No) ? No : Ok;
    return answer;
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const Box &b : boxes)
        out << b.text;
    return out;
}

QString ScriptedFileDialogs::openFile(const QString &title, const QString &filter, const QString &suffix,
                                      const QString &initial)
{
    calls << Call{false, title, filter, suffix, initial};
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileDialogs::saveFile(const QString &title, const QString &filter, const QString &suffix,
                                      const QString &initial)
{
    calls << Call{true, title, filter, suffix, initial};
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}

bool RecordingCanvas::begin()
{
    if (refuse)
        return false;
    m_page = 1;
    ops << Op{QStringLiteral("begin"), m_page, 0, 0, 0, 0, {}, m_size, m_pen};
    return true;
}

void RecordingCanvas::newPage()
{
    ++m_page;
    ops << Op{QStringLiteral("page"), m_page, 0, 0, 0, 0, {}, m_size, m_pen};
}

void RecordingCanvas::end()
{
    ops << Op{QStringLiteral("end"), m_page, 0, 0, 0, 0, {}, m_size, m_pen};
}

void RecordingCanvas::setFont(const QString &f, int pointSize)
{
    family = f;
    m_size = pointSize;
}

void RecordingCanvas::setPenWidth(int w)
{
    m_pen = w;
    ops << Op{QStringLiteral("pen"), m_page, 0, 0, 0, 0, {}, m_size, m_pen};
}

void RecordingCanvas::drawText(int x, int y, const QString &text)
{
    ops << Op{QStringLiteral("text"), m_page, x, y, 0, 0, text, m_size, m_pen};
}

void RecordingCanvas::drawLine(int x1, int y1, int x2, int y2)
{
    ops << Op{QStringLiteral("line"), m_page, x1, y1, x2, y2, {}, m_size, m_pen};
}

void RecordingCanvas::fillRect(int x, int y, int width, int height)
{
    ops << Op{QStringLiteral("rect"), m_page, x, y, x + width, y + height, {}, m_size, m_pen};
}

QList<RecordingCanvas::Op> RecordingCanvas::texts() const
{
    QList<Op> out;
    for (const Op &op : ops)
        if (op.kind == QLatin1String("text"))
            out << op;
    return out;
}

QList<RecordingCanvas::Op> RecordingCanvas::textsOnPage(int page) const
{
    QList<Op> out;
    for (const Op &op : texts())
        if (op.page == page)
            out << op;
    return out;
}

RecordingCanvas::Op RecordingCanvas::find(const QString &t) const
{
    for (const Op &op : texts())
        if (op.text == t)
            return op;
    return {};
}

QString RecordingCanvas::crowding(int left, int right) const
{
    QMap<int, QList<Op>> pages;
    for (const Op &op : texts())
        pages[op.page] << op;
    auto end = [](const Op &op) {
        qsizetype n = op.text.size();
        while (n > 0 && op.text[n - 1].isSpace())
            --n;
        return op.x + int(n) * op.size * 5;
    };
    for (QList<Op> &ops : pages) {
        std::sort(ops.begin(), ops.end(), [](const Op &a, const Op &b) { return a.y < b.y; });
        for (qsizetype k = 0; k < ops.size(); ++k) {
            const Op &a = ops[k];
            const QString where = QStringLiteral("page %1 y %2: ").arg(a.page).arg(a.y);
            if (a.x < left || end(a) > right)
                return where + QStringLiteral("«%1» at %2 to %3").arg(a.text).arg(a.x).arg(end(a));
            // The texts whose lines overlap this one's (text is 10 units high a point of size).
            for (qsizetype j = k + 1; j < ops.size() && ops[j].y < a.y + a.size * 10; ++j) {
                const Op &b = ops[j];
                if (end(a) > a.x && end(b) > b.x && a.x <= end(b) && b.x <= end(a))
                    return where + QStringLiteral("«%1» meets «%2»").arg(a.text, b.text);
            }
        }
    }
    return {};
}

Canvas *RecordingPrinting::pdfCanvas(const QString &path)
{
    pdfPaths << path;
    pdf = newPdfCanvas(path);
    return pdf.get();
}

Canvas *RecordingPrinting::canvas(const QString &documentName)
{
    documents << documentName;
    last = RecordingCanvas();
    last.width = width;
    last.height = height;
    return &last;
}
