#include "live/requestguard.h"

namespace {

// The characters of a method or a header name (RFC 9110's tchar).
bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    for (const char c : text)
        if (!isTokenChar(c))
            return false;
    return true;
}

// A control character, tab aside: none may stand in a head, nor in a decoded path.
bool isControl(char c)
{
    return (uchar(c) < 0x20 && c != '\t') || c == 0x7f;
}

QByteArrayView trimmedOfBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

RequestGuard::Step RequestGuard::read(QByteArrayView bytes)
{
    if (m_refusal != Verdict::Partial)
        return {m_refusal, 0};
    qsizetype used = 0;
    while (used < bytes.size()) {
        const QByteArrayView rest = bytes.sliced(used);
        const qsizetype lf = rest.indexOf('\n');
        const QByteArrayView piece = lf < 0 ? rest : rest.first(lf);
        const qsizetype take = lf < 0 ? rest.size() : lf + 1;
        // The limit the earliest byte breaks is told, the request line's when one byte breaks both:
        // the same, whatever the pieces.
        const bool lineOver = !m_seenRequestLine && m_line.size() + piece.size() > maxLineBytes;
        if (lineOver && maxLineBytes - m_line.size() <= maxHeadBytes - m_size)
            m_refusal = Verdict::UriTooLong;
        else if (m_size + take > maxHeadBytes)
            m_refusal = Verdict::HeadTooLarge;
        if (m_refusal != Verdict::Partial)
            return {m_refusal, used};
        m_size += take;
        used += take;
        if (lf < 0) {
            m_line.append(piece);
            break;
        }
        QByteArrayView text = piece;
        if (!m_line.isEmpty())
            text = m_line.append(piece);
        if (text.endsWith('\r'))
            text.chop(1);
        const Verdict verdict = line(text);
        m_line.clear();
        if (verdict == Verdict::Complete) {
            m_head = std::move(m_building);
            m_building = RequestHead();
            m_size = 0;
            m_seenRequestLine = false;
            return {verdict, used};
        }
        if (verdict != Verdict::Partial) {
            m_refusal = verdict;
            return {verdict, used};
        }
    }
    return {Verdict::Partial, used};
}

RequestGuard::Verdict RequestGuard::line(QByteArrayView text)
{
    // A CR inside a line, or a NUL, would let two readers disagree on where the head ends.
    for (const char c : text)
        if (c == '\r' || isControl(c))
            return Verdict::BadRequest;
    if (m_seenRequestLine)
        return text.isEmpty() ? Verdict::Complete : headerLine(text);
    // Empty lines before a request line are the leftovers of an earlier request: skipped.
    return text.isEmpty() ? Verdict::Partial : requestLine(text);
}

RequestGuard::Verdict RequestGuard::requestLine(QByteArrayView text)
{
    const qsizetype first = text.indexOf(' ');
    const qsizetype second = first < 0 ? -1 : text.indexOf(' ', first + 1);
    if (first <= 0 || second <= first + 1 || text.indexOf(' ', second + 1) >= 0 || text.contains('\t'))
        return Verdict::BadRequest;
    const QByteArrayView method = text.first(first);
    const QByteArrayView version = text.sliced(second + 1);
    if (!isToken(method) || (version != "HTTP/1.1" && version != "HTTP/1.0"))
        return Verdict::BadRequest;
    if (method != "GET" && method != "HEAD")
        return Verdict::MethodNotAllowed;
    m_building.headOnly = method == "HEAD";
    m_building.target = text.sliced(first + 1, second - first - 1).toByteArray();
    m_building.keepAlive = version == "HTTP/1.1";
    m_seenRequestLine = true;
    return Verdict::Partial;
}

RequestGuard::Verdict RequestGuard::headerLine(QByteArrayView text)
{
    const qsizetype colon = text.indexOf(':');
    if (colon <= 0 || !isToken(text.first(colon)))
        return Verdict::BadRequest; // a folded line, a name with blanks, no name
    const QByteArrayView name = text.first(colon);
    const QByteArrayView value = trimmedOfBlanks(text.sliced(colon + 1));
    if (sameName(name, "content-length")) {
        if (value.isEmpty())
            return Verdict::BadRequest;
        bool body = false;
        for (const char c : value) {
            if (c < '0' || c > '9')
                return Verdict::BadRequest;
            body = body || c != '0';
        }
        if (body)
            return Verdict::ContentTooLarge; // the body is never read
    } else if (sameName(name, "transfer-encoding")) {
        return Verdict::ContentTooLarge;
    } else if (sameName(name, "connection")) {
        QByteArrayView options = value;
        while (!options.isEmpty()) {
            const qsizetype comma = options.indexOf(',');
            const QByteArrayView option = trimmedOfBlanks(comma < 0 ? options : options.first(comma));
            if (sameName(option, "close"))
                m_building.keepAlive = false;
            else if (sameName(option, "upgrade"))
                return Verdict::BadRequest; // another protocol, which Qt would hand to its WebSocket server
            options = comma < 0 ? QByteArrayView() : options.sliced(comma + 1);
        }
    }
    return Verdict::Partial;
}

bool isServablePath(QByteArrayView path)
{
    if (!path.startsWith('/'))
        return false;
    const QByteArray decoded = QByteArray::fromPercentEncoding(path.toByteArray());
    if (decoded.contains(".."))
        return false;
    for (const char c : decoded)
        if (uchar(c) < 0x20 || c == 0x7f)
            return false;
    return true;
}
