#pragma once

#include <QByteArray>
#include <QByteArrayView>

// What the live server needs of a request head besides Qt's parse: the target as sent, whether
// the body of the answer is wanted, and whether the connection stays open after it.
struct RequestHead
{
    bool headOnly = false; // HEAD: the answer's headers without its body
    QByteArray target;     // as sent: the path, then '?' and the query if any
    bool keepAlive = true; // HTTP/1.1 without "Connection: close"

    friend bool operator==(const RequestHead &, const RequestHead &) = default;
};

// Reads a connection's bytes before Qt's parser does, in whatever pieces they come, and tells where
// each request head ends and whether it keeps within the limits: GET or HEAD, HTTP/1.0 or 1.1, a
// request line of at most 8 KiB (its CR included), a whole head (line ends and blank lines included)
// of at most 8 KiB, no body.
// A head that breaks a rule is refused as soon as the bytes show it, so no oversized head is
// ever kept whole. Scans, keeps at most one line, and allocates nothing per byte.
class RequestGuard
{
public:
    static constexpr qsizetype maxLineBytes = 8192;
    static constexpr qsizetype maxHeadBytes = 8192;

    // Partial: the bytes end inside a head. Complete: a head ended, head() tells it; the next read
    // starts the next head. The others are the HTTP status of the refusal; the guard then stays
    // refused.
    enum class Verdict {
        Partial = 0,
        Complete = 1,
        BadRequest = 400,
        MethodNotAllowed = 405,
        ContentTooLarge = 413,
        UriTooLong = 414,
        HeadTooLarge = 431
    };
    struct Step
    {
        Verdict verdict;
        qsizetype used; // bytes read: up to the end of the head when Complete
    };

    Step read(QByteArrayView bytes);
    // Some byte of a head has come and the head has not ended.
    bool started() const { return m_size > 0; }
    // The last head that was Complete.
    const RequestHead &head() const { return m_head; }

private:
    Verdict line(QByteArrayView text);
    Verdict requestLine(QByteArrayView text);
    Verdict headerLine(QByteArrayView text);

    Verdict m_refusal = Verdict::Partial;
    QByteArray m_line;    // the line being received, without its LF
    qsizetype m_size = 0; // bytes of the current head so far
    bool m_seenRequestLine = false;
    RequestHead m_building;
    RequestHead m_head;
};

// Whether a request path may go to the content: it starts with '/' and, percent-decoded, holds no
// "..", no NUL and no other control character.
bool isServablePath(QByteArrayView path);
