#include "tournament/lines.h"

#include <limits>

namespace lines {

int seatIndex(QChar letter)
{
    for (int i = 0; i < 4; ++i)
        if (letter == QChar(seatLetters[i]))
            return i;
    return -1;
}

KeyValue splitAtFirstEquals(QStringView line)
{
    const qsizetype p = line.indexOf(QLatin1Char('='));
    if (p < 0)
        return {line, {}, false};
    return {line.left(p), line.mid(p + 1), true};
}

QStringView nameOfEntry(QStringView line)
{
    return splitAtFirstEquals(line).key;
}

QStringView seatOfEntry(QStringView line)
{
    return splitAtFirstEquals(line).text.trimmed();
}

QString SeatCode::text() const
{
    return letter + QString::number(table);
}

std::optional<SeatCode> parseSeatCode(QStringView text)
{
    if (text.size() < 2 || text.size() > 19 || seatIndex(text.front()) < 0 || text[1] == QLatin1Char('0'))
        return std::nullopt;
    qint64 table = 0;
    for (const QChar c : text.mid(1)) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || table > (std::numeric_limits<qint64>::max() - 9) / 10)
            return std::nullopt;
        table = table * 10 + (c.unicode() - u'0');
    }
    return SeatCode{text.front(), table};
}

qint64 lenientValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    if (i == n)
        return 0;
    qint64 v = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9' || v > (std::numeric_limits<qint64>::max() - 9) / 10)
            return 0;
        v = v * 10 + (c - u'0');
    }
    return negative ? -v : v;
}

} // namespace lines
