// A connection's bytes through the live server's request guard, in pieces as the network would
// cut them: the input's first byte chooses the piece sizes, the rest is what the client sent.
// Whatever the pieces, the guard must find the same heads and the same refusal as when it reads
// everything at once, never claim more bytes than it was given, and let through only heads within
// its limits; the path check must keep its promise on every target let through.

#include "inmemory.h"
#include "live/requestguard.h"

#include <algorithm>
#include <functional>

namespace {

using Verdict = RequestGuard::Verdict;

struct Reading
{
    QList<RequestHead> heads;
    Verdict refusal = Verdict::Partial; // Partial: none
    bool midHead = false;
};

void checkTarget(const QByteArray &target)
{
    fuzzing::require(!target.isEmpty(), "a head let through has a target");
    for (const char c : target)
        fuzzing::require(uchar(c) > 0x20 && c != 0x7f, "a target holds no blank and no control character");
    const qsizetype mark = target.indexOf('?');
    const QByteArray path = mark < 0 ? target : target.first(mark);
    if (!isServablePath(path))
        return;
    const QByteArray decoded = QByteArray::fromPercentEncoding(path);
    fuzzing::require(path.startsWith('/') && !decoded.contains(".."), "a servable path starts with / and has no ..");
    for (const char c : decoded)
        fuzzing::require(uchar(c) >= 0x20 && c != 0x7f, "a servable path decodes to no control character");
}

// Reads the bytes in pieces of the sizes nextPiece gives, as the server does: on after each
// head, up to the first refusal.
Reading readInPieces(QByteArrayView bytes, const std::function<qsizetype()> &nextPiece)
{
    Reading reading;
    RequestGuard guard;
    qsizetype headStart = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const QByteArrayView piece = bytes.sliced(at, std::min(nextPiece(), bytes.size() - at));
        for (qsizetype in = 0; in < piece.size();) {
            const RequestGuard::Step step = guard.read(piece.sliced(in));
            fuzzing::require(step.used >= 0 && step.used <= piece.size() - in,
                             "the guard claims no more than it is given");
            in += step.used;
            if (step.verdict == Verdict::Partial) {
                fuzzing::require(in == piece.size(), "a head not over takes the whole piece");
            } else if (step.verdict == Verdict::Complete) {
                fuzzing::require(step.used > 0, "a head ends on a byte read");
                fuzzing::require(at + in - headStart <= RequestGuard::maxHeadBytes,
                                 "a head let through is within 8 KiB");
                headStart = at + in;
                checkTarget(guard.head().target);
                reading.heads.append(guard.head());
            } else {
                const RequestGuard::Step again = guard.read(piece.sliced(in));
                fuzzing::require(again.verdict == step.verdict && again.used == 0, "a refusal is final");
                reading.refusal = step.verdict;
                return reading;
            }
        }
        at += piece.size();
    }
    reading.midHead = guard.started();
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = fuzzing::bytesOf(data + 1, size - 1);
    const unsigned largest = 1 + data[0] % 64;
    unsigned state = data[0] * 2654435761u + 1;
    const Reading pieces = readInPieces(bytes, [&] {
        state = state * 1103515245u + 12345u;
        return qsizetype(1 + (state >> 16) % largest);
    });
    const Reading whole = readInPieces(bytes, [&] { return bytes.size(); });
    fuzzing::require(pieces.heads == whole.heads, "the same heads whatever the pieces");
    fuzzing::require(pieces.refusal == whole.refusal, "the same refusal whatever the pieces");
    fuzzing::require(pieces.midHead == whole.midHead, "the same head left unfinished whatever the pieces");
    return 0;
}
