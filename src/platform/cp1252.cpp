#include "platform/cp1252.h"

#include <array>

namespace {

// 0x80..0x9F; the undefined positions keep their own code point.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int toByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(high.size()); ++i)
        if (high[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace cp1252 {

QString decode(QByteArrayView bytes)
{
    // Filled in place: one allocation for the whole text.
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? high[u - 0x80] : char16_t(u));
    }
    return text;
}

QByteArray encode(const QString &text, bool *ok)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    bool all = true;
    for (QChar c : text) {
        const int b = toByte(c.unicode());
        if (b < 0)
            all = false;
        bytes.append(char(b < 0 ? '?' : b));
    }
    if (ok)
        *ok = all;
    return bytes;
}

QChar firstUnencodable(const QString &text)
{
    for (QChar c : text)
        if (toByte(c.unicode()) < 0)
            return c;
    return {};
}

bool canEncode(const QString &text)
{
    return firstUnencodable(text).isNull();
}

} // namespace cp1252
