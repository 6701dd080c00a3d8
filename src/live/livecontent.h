#pragma once

#include "tournament/tournament.h"

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <memory>

struct LiveResponse
{
    int status = 200;       // 200, 404, 400
    QByteArray contentType; // "application/json; charset=utf-8", "text/html; charset=utf-8"
    QByteArray body;        // identity bytes
    QByteArray deflated;    // the same compressed, zlib-wrapped ("Content-Encoding: deflate",
                            // i.e. qCompress(body, 1).mid(4)), for bodies over ~1 KiB; else empty
    QByteArray etag;        // quoted strong ETag, or empty (not cacheable)
};
// Answers one GET: path without the query, and the raw query string (no '?').
using LiveAnswer = std::function<LiveResponse(QByteArrayView path, QByteArrayView query)>;

// What the players' phones are served on the club's network, read-only: the page, the general
// and round rankings as their windows show them, "Ma place" and a player's card. Each is built
// from the tournament when first asked after a change and kept until the next, so that a phone
// asking again at the same version costs a copy; what a score entered leaves alone (the players,
// their seats, the finished rounds of the cards) is kept longer, while the values it was built
// from stay the same. Answer on the thread that owns the tournament.
//
//   /                        the page
//   /api/classement          the general ranking, PCN when its window offers it
//   /api/tour                the ranking of the round its window opens on
//   /api/place?nom=<text>    the players whose name holds the text, their table and seat in
//                            every round played and the next one
//   /api/joueur?id=<code>    a player's card: his score in every round, his rank after each
//   /api/table?n=<table>     a table of the round in progress, for its captain to send its scores
//
// A player is known by his round-1 seat code: the key of his every score line, penalty and
// exclusion, which no later round changes, so a card opened at round 2 is still his at round 6.
class LiveContent
{
public:
    explicit LiveContent(const Tournament &state);
    ~LiveContent();

    quint64 version() const { return m_version; } // starts at 1
    // The tournament changed: version + 1, every answer built again when next asked.
    void invalidate();
    LiveResponse answer(QByteArrayView path, QByteArrayView query);
    // Whether the director takes scores from the tables, as /api/table tells.
    void setTableEntryOpen(bool open) { m_tableEntryOpen = open; }

    // The page's own style and script blocks by their hashes, and nothing from elsewhere.
    static QByteArray contentSecurityPolicy();

private:
    struct Kept;
    struct Cache;

    const Tournament &m_state;
    quint64 m_version = 1;
    bool m_tableEntryOpen = false;
    QByteArray m_run; // this object's own mark in its ETags
    std::unique_ptr<Kept> m_kept;
    std::unique_ptr<Cache> m_cache;
};
