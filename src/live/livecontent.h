#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>

// The answer to one GET of the live results, as the content side makes it; the live server only
// carries it.
struct LiveResponse
{
    int status = 200;       // 200, 404, 400...
    QByteArray contentType; // "application/json; charset=utf-8", "text/html; charset=utf-8"
    QByteArray body;        // identity bytes
    QByteArray deflated;    // the same, zlib-wrapped ("Content-Encoding: deflate"), or empty
    QByteArray etag;        // quoted strong ETag, or empty (not cacheable)
};

// Answers one GET: path without the query, and the raw query string (no '?').
using LiveAnswer = std::function<LiveResponse(QByteArrayView path, QByteArrayView query)>;
