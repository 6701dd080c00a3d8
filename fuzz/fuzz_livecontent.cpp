// What a phone on the club's network may ask: any path and query bytes (the input's first line
// and the rest) answered from a small fixed tournament, before and after a change.

#include "inmemory.h"
#include "live/livecontent.h"

#include <QJsonDocument>

namespace {

void check(const LiveResponse &r)
{
    fuzzing::require(r.status == 200 || r.status == 404, "an answer is found or not found");
    fuzzing::require(!r.body.isEmpty(), "every answer has a body");
    if (r.contentType.startsWith("application/json")) {
        QJsonParseError error;
        QJsonDocument::fromJson(r.body, &error);
        fuzzing::require(error.error == QJsonParseError::NoError, "the JSON parses");
    }
    fuzzing::require(r.deflated.isEmpty() || qUncompress(QByteArray(4, '\0') + r.deflated) == r.body,
                     "the deflated bytes inflate to the body");
    bool tagged = r.etag.isEmpty() || (r.etag.size() > 2 && r.etag.startsWith('"') && r.etag.endsWith('"'));
    for (qsizetype i = 1; i + 1 < r.etag.size(); ++i)
        tagged = tagged && r.etag[i] > 0x20 && r.etag[i] < 0x7f && r.etag[i] != '"';
    fuzzing::require(tagged, "an ETag is quoted, in visible ASCII");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzing::bytesOf(data, size);
    const qsizetype newline = bytes.indexOf('\n');
    const QByteArrayView path = newline < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(newline);
    const QByteArrayView query = newline < 0 ? QByteArrayView() : QByteArrayView(bytes).sliced(newline + 1);
    LiveContent content(fuzzing::liveTournament());
    const LiveResponse first = content.answer(path, query);
    check(first);
    content.invalidate();
    const LiveResponse again = content.answer(path, query);
    check(again);
    fuzzing::require(again.body == first.body, "the same tournament gives the same answer");
    return 0;
}
