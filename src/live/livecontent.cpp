#include "live/livecontent.h"

#include "players/entries.h"
#include "rankings/ranking.h"
#include "live/tableentry.h"
#include "rankings/room.h"
#include "rounds/rounds.h"
#include "store/evening.h"
#include "tournament/lines.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <charconv>
#include <limits>
#include <tuple>
#include <optional>
#include <vector>

namespace {

const QByteArray jsonType = QByteArrayLiteral("application/json; charset=utf-8");
const QByteArray htmlType = QByteArrayLiteral("text/html; charset=utf-8");

// A name typed in "Ma place" is read up to this many characters, from this much of the query.
constexpr qsizetype nameLimit = 64;
constexpr qsizetype queryLimit = 2048;
// The players "Ma place" lists at most: enough to find oneself among namesakes.
constexpr qsizetype placeLimit = 20;

// JSON written straight into bytes, commas placed as values follow each other: a ranking of tens
// of thousands of rows is made in one pass, into a buffer filled through a pointer rather than
// byte by byte through QByteArray's calls.
class JsonWriter
{
public:
    JsonWriter &begin(char bracket)
    {
        separate();
        put(bracket);
        m_first = true;
        return *this;
    }
    JsonWriter &end(char bracket)
    {
        put(bracket);
        m_first = false;
        return *this;
    }
    template<size_t N>
    JsonWriter &key(const char (&name)[N])
    {
        separate();
        char *out = room(N + 2);
        *out++ = '"';
        out = std::copy_n(name, N - 1, out);
        *out++ = '"';
        *out++ = ':';
        m_used = out - m_out.data();
        m_first = true; // the value follows without a comma
        return *this;
    }
    JsonWriter &string(QStringView text)
    {
        separate();
        // Names are mostly ASCII with nothing to escape: copied as they are, without a conversion.
        const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
            return c.unicode() >= 0x20 && c.unicode() < 0x80 && c != QLatin1Char('"') && c != QLatin1Char('\\');
        });
        if (plain) {
            char *out = room(text.size() + 2);
            *out++ = '"';
            out = std::transform(text.begin(), text.end(), out, [](QChar c) { return char(c.unicode()); });
            *out++ = '"';
            m_used = out - m_out.data();
            return *this;
        }
        const QByteArray utf8 = text.toUtf8();
        char *out = room(6 * utf8.size() + 2);
        *out++ = '"';
        for (const char c : utf8) {
            if (c == '"' || c == '\\') {
                *out++ = '\\';
                *out++ = c;
            } else if (uchar(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                out = std::copy_n("\\u00", 4, out);
                *out++ = hex[uchar(c) >> 4];
                *out++ = hex[uchar(c) & 15];
            } else {
                *out++ = c;
            }
        }
        *out++ = '"';
        m_used = out - m_out.data();
        return *this;
    }
    JsonWriter &number(qint64 n)
    {
        separate();
        appendDigits(n);
        return *this;
    }
    // A number written as a text: "120".
    JsonWriter &numberText(qint64 n)
    {
        separate();
        put('"');
        appendDigits(n);
        put('"');
        return *this;
    }
    JsonWriter &null()
    {
        separate();
        std::copy_n("null", 4, room(4));
        m_used += 4;
        return *this;
    }
    JsonWriter &boolean(bool b)
    {
        separate();
        const qsizetype length = b ? 4 : 5;
        std::copy_n(b ? "true" : "false", length, room(length));
        m_used += length;
        return *this;
    }
    void reserve(qsizetype bytes) { m_out.resize(std::max(bytes, m_out.size())); }
    QByteArray take()
    {
        m_out.truncate(m_used);
        m_used = 0;
        return std::move(m_out);
    }

private:
    // Where `bytes` more may be written, the buffer grown (its new bytes uninitialized) if needed.
    char *room(qsizetype bytes)
    {
        if (m_used + bytes > m_out.size())
            m_out.resize(std::max(2 * m_out.size(), m_used + bytes + 256));
        return m_out.data() + m_used;
    }
    void put(char c)
    {
        *room(1) = c;
        ++m_used;
    }
    void appendDigits(qint64 n)
    {
        char *out = room(24);
        m_used = std::to_chars(out, out + 24, n).ptr - m_out.data();
    }
    void separate()
    {
        if (!m_first)
            put(',');
        m_first = false;
    }

    QByteArray m_out; // its first m_used bytes are written
    qsizetype m_used = 0;
    bool m_first = true;
};

// A cell of a ranking as its grid shows it, read in place: a ranking makes no text per cell.
void cell(JsonWriter &json, const RankingTable &table, qsizetype row, qsizetype column)
{
    if (const std::optional<qint64> number = table.number(row, column))
        json.numberText(*number);
    else if (const std::optional<QStringView> text = table.textView(row, column))
        json.string(text->trimmed());
    else
        json.string(table.cell(row, column).trimmed());
}

LiveResponse response(const QByteArray &contentType, QByteArray body, QByteArray etag, int status = 200)
{
    LiveResponse r;
    r.status = status;
    r.contentType = contentType;
    // Below a kilobyte the saving is not worth the phone's work. The fastest level: on the largest
    // ranking a third of the default's time, for a fifth more bytes.
    if (body.size() > 1024)
        r.deflated = qCompress(body, 1).mid(4);
    r.body = std::move(body);
    r.etag = std::move(etag);
    return r;
}

LiveResponse notFound(const QString &why)
{
    JsonWriter json;
    json.begin('{').key("erreur").string(why).end('}');
    return response(jsonType, json.take(), {}, 404);
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A query's text: '+' a blank, "%XY" the byte XY; a '%' without two hexadecimal digits after it
// stays itself.
QByteArray percentDecoded(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const int high = c == '%' && i + 2 < text.size() ? hexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(text[i + 2]) : -1;
        if (low >= 0) {
            out += char(high * 16 + low);
            i += 2;
        } else {
            out += c == '+' ? ' ' : c;
        }
    }
    return out;
}

// The value of the query's first parameter called `name`, read as UTF-8 (a malformed sequence
// gives U+FFFD); null when there is none.
QString queryValue(QByteArrayView query, QByteArrayView name)
{
    query = query.first(std::min(query.size(), queryLimit));
    while (!query.isEmpty()) {
        const qsizetype amp = query.indexOf('&');
        const QByteArrayView pair = amp < 0 ? query : query.first(amp);
        query = amp < 0 ? QByteArrayView() : query.sliced(amp + 1);
        const qsizetype equals = pair.indexOf('=');
        if (percentDecoded(equals < 0 ? pair : pair.first(equals)) != name)
            continue;
        return QString::fromUtf8(percentDecoded(equals < 0 ? QByteArrayView() : pair.sliced(equals + 1)));
    }
    return {};
}

// A table of the round in progress for its captain's phone: its players at their seats, whether it
// is entered or has scores waiting, and whether the director takes scores from the tables. Never
// kept: a submission changes it, and no version.
LiveResponse tableAnswer(const Tournament &state, QByteArrayView query, bool entryOpen)
{
    if (!state.opened() || !rounds::refusalWithoutSeats(state).isEmpty())
        return notFound(QStringLiteral("Aucun tour n’est en cours."));
    const qint64 table = lines::lenientValue(queryValue(query, "n").left(nameLimit));
    if (table < 1 || table > state.tableCount())
        return notFound(QStringLiteral("Cette table n’existe pas dans ce tour."));
    const rounds::TableEntry entry = rounds::tableEntry(state, int(table));
    const bool waiting = tableentry::waitingSubmission(state, int(table)).has_value();
    JsonWriter json;
    json.begin('{').key("ouverte").boolean(entryOpen).key("tour").number(state.currentRound());
    json.key("table").number(table).key("etat");
    json.string(waiting                                       ? QStringLiteral("proposée")
                : tableentry::wouldReplace(state, int(table)) ? QStringLiteral("saisie")
                                                              : QStringLiteral("libre"));
    json.key("sieges").begin('[');
    for (size_t i = 0; i < 4; ++i) {
        json.begin('{').key("place").string(tableentry::seatNames[i]);
        json.key("nom").string(entry.emptyChairs[i] ? QString() : entry.names[i].trimmed());
        json.key("vide").boolean(entry.emptyChairs[i]).end('}');
    }
    json.end(']').end('}');
    return response(jsonType, json.take(), {});
}

const QByteArray &page()
{
    static const QByteArray bytes = [] {
        QFile file(QStringLiteral(":/live/index.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return bytes;
}

// What lies between "<tag>" and "</tag>": the page has one of each, without attributes.
QByteArrayView block(const QByteArray &page, const char *tag)
{
    const QByteArray open = '<' + QByteArray(tag) + '>', close = "</" + QByteArray(tag) + '>';
    const qsizetype from = page.indexOf(open);
    const qsizetype to = from < 0 ? -1 : page.indexOf(close, from);
    if (to < 0)
        return {};
    return QByteArrayView(page).sliced(from + open.size(), to - from - open.size());
}

QByteArray hashSource(QByteArrayView text)
{
    return "'sha256-" + QCryptographicHash::hash(text, QCryptographicHash::Sha256).toBase64() + '\'';
}

// Every player of the register in its order, the empty chairs left out.
struct Directory
{
    struct Player
    {
        QString id; // his round-1 seat code; empty before the draw
        QString name;
        QString folded; // as a search compares it
    };
    std::vector<Player> players;
    ranking::CodeIndex byId; // into the ids above; a code's first player

    explicit Directory(const QStringList &lines)
    {
        players.reserve(size_t(lines.size()));
        for (const QString &line : lines) {
            if (entries::isEmptyChair(line))
                continue;
            const QString name = lines::nameOfEntry(line).trimmed().toString();
            players.push_back({lines::seatOfEntry(line).toString(), name, entries::folded(name)});
        }
        std::vector<QStringView> ids;
        ids.reserve(players.size());
        for (const Player &player : players)
            ids.push_back(player.id);
        byId.index(ids, false);
    }
    qint32 find(QStringView id) const { return id.isEmpty() ? -1 : qint32(byId.find(id)); }
};

// The seating of the rounds "Ma place" tells: every round played and the next.
struct Seating
{
    QList<int> rounds;
    std::vector<RoundSeating> seatings; // by round
};

// One round of the players' cards: each one's score in it and his rank in the general ranking
// after it, by the Directory's order.
struct Column
{
    static constexpr qint64 noScore = std::numeric_limits<qint64>::min();
    std::vector<qint64> score;
    std::vector<qint32> rank; // 0: the round did not count yet, or he was not ranked

    // `table`, the general ranking after the round, with its rows' ranks; none while the round
    // does not count.
    Column(const Directory &players, const QStringList &lines, const RankingTable *table, const std::vector<int> &ranks)
        : score(players.players.size(), noScore), rank(players.players.size(), 0)
    {
        for (const QString &line : lines) {
            const lines::KeyValue split = lines::splitAtFirstEquals(line);
            const qint32 player = players.find(split.key);
            if (player >= 0 && score[size_t(player)] == noScore)
                score[size_t(player)] = ranking::value(split.text);
        }
        for (qsizetype row = 0; table && row < table->size(); ++row) {
            const std::optional<QStringView> code = table->seatCode(row, 1);
            const qint32 player = code ? players.find(*code) : -1;
            if (player >= 0 && rank[size_t(player)] == 0)
                rank[size_t(player)] = ranks[size_t(row)];
        }
    }
};

// A part built from some of the tournament's values, kept while they stay the same, from one
// version to the next: a score entered moves no seat and changes no finished round. Lists
// compare in no time while they share their data with the tournament's.
template<class Value, class... Inputs>
class BuiltFrom
{
public:
    template<class Build>
    const Value &get(std::tuple<Inputs...> inputs, Build build)
    {
        if (!m_value || m_inputs != inputs) {
            m_value.reset(); // the old one's memory freed first
            m_value.emplace(build());
            m_inputs = std::move(inputs);
        }
        return *m_value;
    }

private:
    std::optional<Value> m_value;
    std::tuple<Inputs...> m_inputs;
};

// The tournament as it stood once round r was over: its rounds up to r, and every incident,
// which carries no round.
Tournament afterRound(const Tournament &state, int r)
{
    Tournament::Data d;
    d.playerRegisterList = state.playerRegisterList();
    d.finishedRounds = state.finishedRounds();
    d.finishedRounds.truncate(r);
    d.currentRound = r + 1;
    d.penalties = state.penalties();
    d.exclusions = state.exclusions();
    return Tournament(std::move(d));
}

} // namespace

// What outlives a version, each part with the values it was built from: the players, their seats
// in every round, and the finished rounds of their cards.
struct LiveContent::Kept
{
    BuiltFrom<Directory, QStringList> directory;
    BuiltFrom<Seating, QStringList, QStringList, MovementSettings, int, int> seating;
    BuiltFrom<std::vector<Column>, QStringList, QList<QStringList>, QStringList, QStringList, int> finished;
};

// Everything built for one version of the tournament, each part when first asked.
struct LiveContent::Cache
{
    Cache(const Tournament &state, Kept &kept, quint64 version, const QByteArray &run)
        : state(state), kept(kept), version(version), run(run)
    {
    }

    LiveResponse answer(QByteArrayView path, QByteArrayView query);

private:
    const RankingTable &general();
    const Directory &directory();
    const Seating &seating();
    const std::vector<Column> &finishedRounds();
    const Column &currentRound();
    LiveResponse rankingAnswer(const RankingTable &table, const std::vector<int> &ranks, int round,
                               const QString &title, const QByteArray &route) const;
    LiveResponse places(QByteArrayView query);
    LiveResponse card(QByteArrayView query);
    void header(JsonWriter &json) const;
    QByteArray etag(const QByteArray &route) const;
    QByteArray etag(const QByteArray &route, const QString &key) const;

    const Tournament &state;
    Kept &kept;
    const quint64 version;
    const QByteArray run;
    std::optional<RankingTable> m_general; // as its window shows it, PCN whenever the window offers it
    std::vector<int> m_generalRanks;
    std::optional<LiveResponse> m_generalAnswer;
    std::optional<LiveResponse> m_roundAnswer;
    std::optional<Column> m_currentRound;
};

LiveContent::LiveContent(const Tournament &state)
    : m_state(state), m_run(QByteArray::number(QRandomGenerator::global()->generate(), 16)),
      m_kept(std::make_unique<Kept>()), m_cache(std::make_unique<Cache>(state, *m_kept, m_version, m_run))
{
}

LiveContent::~LiveContent() = default;

void LiveContent::invalidate()
{
    m_cache = std::make_unique<Cache>(m_state, *m_kept, ++m_version, m_run);
}

LiveResponse LiveContent::answer(QByteArrayView path, QByteArrayView query)
{
    if (path == "/api/table")
        return tableAnswer(m_state, query, m_tableEntryOpen);
    return m_cache->answer(path, query);
}

QByteArray LiveContent::contentSecurityPolicy()
{
    static const QByteArray policy = "default-src 'self'; script-src " + hashSource(block(page(), "script")) +
                                     "; style-src " + hashSource(block(page(), "style")) +
                                     "; img-src 'self' data:; connect-src 'self'; frame-ancestors 'none'; "
                                     "base-uri 'none'; form-action 'none'";
    return policy;
}

LiveResponse LiveContent::Cache::answer(QByteArrayView path, QByteArrayView query)
{
    if (path == "/") {
        // The page changes with the program, not with the tournament.
        static const LiveResponse pageAnswer =
            response(htmlType, page(),
                     "\"page-" + QCryptographicHash::hash(page(), QCryptographicHash::Sha1).toHex().left(16) + '"');
        return pageAnswer;
    }
    if (path == "/api/classement") {
        if (!m_generalAnswer)
            m_generalAnswer = rankingAnswer(general(), m_generalRanks, state.currentRound(),
                                            QStringLiteral("Classement général"), "classement");
        return *m_generalAnswer;
    }
    if (path == "/api/tour") {
        if (!m_roundAnswer) {
            // The round the round ranking window opens on.
            const int round = std::max(ranking::latestRound(state), 1);
            const RankingTable table = roundRanking(state, round);
            m_roundAnswer = rankingAnswer(table, ranking::ranks(table), round,
                                          QStringLiteral("Classement du tour %1").arg(round), "tour");
        }
        return *m_roundAnswer;
    }
    if (path == "/api/place")
        return places(query);
    if (path == "/api/joueur")
        return card(query);
    return notFound(QStringLiteral("Cette adresse n’existe pas."));
}

const RankingTable &LiveContent::Cache::general()
{
    if (!m_general) {
        m_general = buildGeneralRanking(state);
        if (ranking::pcnAvailable(state, *m_general))
            ranking::setPcn(*m_general, true, state.tableCount());
        if (!ranking::saysNoRanking(*m_general))
            m_generalRanks = ranking::ranks(*m_general);
        else
            m_generalRanks.assign(1, 0);
    }
    return *m_general;
}

const Directory &LiveContent::Cache::directory()
{
    const QStringList &lines = state.playerRegisterList();
    return kept.directory.get({lines}, [&] { return Directory(lines); });
}

const Seating &LiveContent::Cache::seating()
{
    const int next = room::nextRound(state);
    return kept.seating.get(
        {state.playerRegisterList(), state.movementList(), state.movement(), state.currentRound(), next}, [&] {
            Seating seats;
            if (entries::anySeated(state.playerRegisterList())) {
                for (int r = 1; r <= state.currentRound(); ++r)
                    seats.rounds << r;
                if (next > state.currentRound())
                    seats.rounds << next;
            }
            for (const int r : std::as_const(seats.rounds))
                seats.seatings.push_back(room::seatingOfRound(state, r));
            return seats;
        });
}

const std::vector<Column> &LiveContent::Cache::finishedRounds()
{
    const FinishedRounds &finished = state.finishedRounds();
    return kept.finished.get({state.playerRegisterList(), QList<QStringList>(finished.begin(), finished.end()),
                              state.penalties(), state.exclusions(), state.currentRound()},
                             [&] {
                                 std::vector<Column> columns;
                                 for (int r = 1; r < state.currentRound(); ++r) {
                                     const RankingTable table = buildGeneralRanking(afterRound(state, r));
                                     columns.emplace_back(directory(), state.finishedRound(r), &table,
                                                          ranking::ranks(table));
                                 }
                                 return columns;
                             });
}

const Column &LiveContent::Cache::currentRound()
{
    if (!m_currentRound) {
        // A round in progress counts in the general ranking once complete.
        const RankingTable *table = rounds::roundComplete(state) ? &general() : nullptr;
        m_currentRound.emplace(directory(), state.scoreList(), table, m_generalRanks);
    }
    return *m_currentRound;
}

// "v7-classement-<run>": a phone that asks again at the same version is answered 304. The run
// tells this program's versions from those of an earlier run, which counted from 1 too.
QByteArray LiveContent::Cache::etag(const QByteArray &route) const
{
    return "\"v" + QByteArray::number(version) + '-' + route + '-' + run + '"';
}

// "v7-place-<the hash of what was asked>-<run>".
QByteArray LiveContent::Cache::etag(const QByteArray &route, const QString &key) const
{
    return etag(route + '-' + QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

void LiveContent::Cache::header(JsonWriter &json) const
{
    json.key("description").string(descriptionText(state));
    json.key("avancement").string(room::progressText(state));
}

LiveResponse LiveContent::Cache::rankingAnswer(const RankingTable &table, const std::vector<int> &ranks, int round,
                                               const QString &title, const QByteArray &route) const
{
    const bool pcn = table.columnCount() > 3;
    JsonWriter json;
    json.reserve(80 * table.size() + 512);
    json.begin('{');
    header(json);
    json.key("tour").number(round);
    json.key("titre").string(title);
    json.key("pcn").boolean(pcn);
    json.key("lignes").begin('[');
    // The rows go by blocks, each block's names and seat codes found first, in a loop of their
    // own: they lie in lines spread through memory in no order of rank, and a short loop has the
    // reads of many rows under way at once; a block's lines are still at hand when it is written.
    constexpr qsizetype block = 256;
    std::optional<QStringView> names[block], codes[block];
    for (qsizetype from = 0; from < table.size(); from += block) {
        const qsizetype to = std::min(table.size(), from + block);
        for (qsizetype row = from; row < to; ++row) {
            if (const std::optional<QStringView> name = table.textView(row, 0))
                names[row - from] = name->trimmed();
            else
                names[row - from].reset();
            codes[row - from] = table.seatCode(row, 1);
        }
        for (qsizetype row = from; row < to; ++row) {
            json.begin('{');
            json.key("rang");
            if (ranks[size_t(row)] > 0)
                json.number(ranks[size_t(row)]);
            else
                json.null();
            if (const std::optional<QStringView> name = names[row - from])
                json.key("nom").string(*name);
            else
                cell(json.key("nom"), table, row, 0);
            cell(json.key("total"), table, row, 2);
            if (pcn)
                cell(json.key("pcn"), table, row, 3);
            // An empty chair has no card.
            const std::optional<QStringView> code = codes[row - from];
            if (code && table.textView(row, 2) != QStringView(ranking::notApplicable))
                json.key("id").string(*code);
            json.end('}');
        }
    }
    json.end(']').end('}');
    return response(jsonType, json.take(), etag(route));
}

LiveResponse LiveContent::Cache::places(QByteArrayView query)
{
    const QString typed = entries::folded(queryValue(query, "nom").left(nameLimit)).simplified();
    const Directory &players = directory();
    std::vector<qint32> found;
    bool more = false;
    if (typed.size() >= 2) {
        for (size_t i = 0; i < players.players.size() && !more; ++i) {
            if (!players.players[i].folded.contains(typed))
                continue;
            if (qsizetype(found.size()) == placeLimit)
                more = true;
            else
                found.push_back(qint32(i));
        }
    }
    static const Seating none;
    const Seating &seats = found.empty() ? none : seating();
    JsonWriter json;
    json.begin('{');
    header(json);
    json.key("tour").number(entries::anySeated(state.playerRegisterList()) ? state.currentRound() : 0);
    json.key("prochain").number(room::nextRound(state));
    json.key("joueurs").begin('[');
    for (const qint32 i : found) {
        const Directory::Player &player = players.players[size_t(i)];
        json.begin('{');
        json.key("nom").string(player.name);
        if (!player.id.isEmpty())
            json.key("id").string(player.id);
        json.key("places").begin('[');
        for (qsizetype k = 0; k < seats.rounds.size(); ++k) {
            const TableSeat place = seats.seatings[size_t(k)].place(player.id);
            json.begin('{').key("tour").number(seats.rounds[k]).key("table");
            if (place.table > 0)
                json.number(place.table);
            else
                json.null();
            json.key("place").string(seatName(place.seat)).end('}');
        }
        json.end(']').end('}');
    }
    json.end(']');
    json.key("suite").boolean(more);
    json.end('}');
    return response(jsonType, json.take(), etag("place", typed));
}

LiveResponse LiveContent::Cache::card(QByteArrayView query)
{
    const QString id = queryValue(query, "id").left(nameLimit);
    const qint32 player = directory().find(id);
    if (player < 0)
        return notFound(QStringLiteral("Ce joueur n’est pas inscrit."));
    const Directory::Player &who = directory().players[size_t(player)];
    const RankingTable &table = general();
    JsonWriter json;
    json.begin('{');
    header(json);
    json.key("id").string(who.id);
    json.key("nom").string(who.name);
    // Where he stands now, and how many are ranked, the scale of his rank's chart.
    int ranked = 0;
    for (const int rank : m_generalRanks)
        ranked = std::max(ranked, rank);
    json.key("joueurs").number(ranked);
    for (qsizetype row = 0; row < table.size(); ++row) {
        const std::optional<QStringView> code = table.seatCode(row, 1);
        if (code && *code == who.id) {
            json.key("rang");
            if (m_generalRanks[size_t(row)] > 0)
                json.number(m_generalRanks[size_t(row)]);
            else
                json.null();
            cell(json.key("total"), table, row, 2);
            break;
        }
    }
    json.key("tours").begin('[');
    const int rounds = entries::anySeated(state.playerRegisterList()) ? ranking::latestRound(state) : 0;
    for (int r = 1; r <= rounds; ++r) {
        const Column &round = r < state.currentRound() ? finishedRounds()[size_t(r - 1)] : currentRound();
        json.begin('{').key("tour").number(r).key("score");
        if (round.score[size_t(player)] != Column::noScore)
            json.number(round.score[size_t(player)]);
        else
            json.null();
        json.key("rang");
        if (round.rank[size_t(player)] > 0)
            json.number(round.rank[size_t(player)]);
        else
            json.null();
        json.end('}');
    }
    json.end(']').end('}');
    return response(jsonType, json.take(), etag("joueur", who.id));
}
