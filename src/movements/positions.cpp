#include "movements/positions.h"
#include "tournament/lines.h"

#include "platform/platform.h"
#include "players/entries.h"

#include <algorithm>

namespace {

// Base automatic values: Nord 0, Est 2, Ouest -2 (-1 at the special counts), Sud 1.
constexpr int fftNord = 0, fftEst = 2, fftOuest = -2, fftSud = 1;

struct Override
{
    int tables, round, nord, est, ouest, sud;
};

// Rounds whose automatic values differ from the base ones at the special table counts.
// clang-format off
constexpr Override overrides[] = {
    {6, 3, 0, 3, -1, 1},  {6, 4, 0, 2, -2, 1},  {8, 5, 0, 4, -1, 2},  {8, 6, 0, 4, -1, 1},
    {9, 4, 0, 3, -3, 1},  {9, 5, 0, 3, -3, 1},  {10, 6, 0, 3, -2, 1}, {12, 4, 0, 2, -3, 1},
    {14, 5, 0, 2, -3, 1}, {16, 5, 0, 2, -3, 1}, {16, 6, 0, 2, -3, 1}, {18, 6, 0, 2, -3, 1},
    {20, 6, 0, 2, -3, 1},
};
// clang-format on

const Override *overrideFor(qint64 tables, int round)
{
    for (const Override &o : overrides)
        if (o.tables == tables && o.round == round)
            return &o;
    return nullptr;
}

struct Correction
{
    std::array<int, 3> tables; // 0 pads
    int fromRound;
    char seat;
    int shift;
};

// What the overrides add up to, from their round on, over the base values.
// clang-format off
constexpr Correction corrections[] = {
    {{16, 18, 20}, 6, 'O', -2}, {{9, 14, 16}, 5, 'O', -2}, {{9, 12, 0}, 4, 'O', -2}, {{10, 0, 0}, 6, 'E', +1},
    {{10, 0, 0}, 6, 'O', -1},   {{9, 0, 0}, 4, 'E', +1},   {{9, 0, 0}, 5, 'E', +1},  {{8, 0, 0}, 5, 'E', +2},
    {{8, 0, 0}, 6, 'E', +2},    {{8, 0, 0}, 5, 'S', +1},   {{6, 0, 0}, 3, 'E', +1},  {{6, 0, 0}, 4, 'O', -1},
};
// clang-format on

using Row = std::array<int, 16>;

// clang-format off
constexpr Row fourTables[6] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
    {1, 8, 10, 15, 16, 9, 7, 2, 6, 3, 13, 12, 11, 14, 4, 5},
    {1, 7, 12, 14, 15, 9, 6, 4, 8, 2, 13, 11, 10, 16, 3, 5},
    {1, 6, 11, 16, 14, 9, 8, 3, 7, 4, 13, 10, 12, 15, 2, 5},
    {1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15, 4, 8, 12, 16},
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
};

// Entries 13 to 16 are never used at 3 tables.
constexpr Row threeTables[6] = {
    {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16},
    {1, 8, 7, 10, 5, 2, 11, 12, 9, 3, 4, 6, 13, 14, 15, 16},
    {1, 9, 5, 3, 7, 11, 4, 10, 2, 6, 12, 8, 13, 14, 15, 16},
    {1, 2, 7, 12, 5, 6, 11, 3, 9, 10, 4, 8, 13, 14, 15, 16},
    {1, 8, 6, 11, 5, 2, 4, 10, 9, 3, 12, 7, 13, 14, 15, 16},
    {1, 9, 7, 2, 5, 11, 4, 12, 10, 6, 3, 8, 13, 14, 15, 16},
};
// clang-format on

int seatIndex(QChar seat)
{
    for (int i = 0; i < 4; ++i)
        if (seat == QLatin1Char(seatLetters[size_t(i)]))
            return i;
    return -1;
}

// The seat letter and round-1 table of a seat code; false when it is not one.
bool splitSeatCode(const QString &seatCode, QChar &seat, qint64 &table)
{
    const qint64 k = entries::playerNumber(seatCode);
    if (k <= 0 || seatIndex(seatCode.front()) < 0)
        return false;
    seat = seatCode.front();
    table = (k + 3) / 4;
    return true;
}

} // namespace

qint64 wrapTable(qint64 x, qint64 tables)
{
    if (tables <= 0)
        return x;
    const qint64 m = (x - 1) % tables;
    return (m < 0 ? m + tables : m) + 1;
}

qint64 seatDisplacement(const QStringList &movementList, QChar seat, int round)
{
    qint64 sum = 0;
    for (const QString &line : movementList) {
        if (line.isEmpty() || line.front() != seat)
            continue;
        const lines::KeyValue s = lines::splitAtFirstEquals(line);
        if (!s.hasEquals)
            continue;
        // A value that does not fit an int counts as 0, so no sum of lines can overflow.
        if (s.key.mid(1).trimmed().toLongLong() <= round)
            sum += s.text.trimmed().toInt();
    }
    return sum;
}

QString seatName(QChar seat)
{
    switch (seat.unicode()) {
    case 'N': return QStringLiteral("Nord");
    case 'S': return QStringLiteral("Sud");
    case 'E': return QStringLiteral("Est");
    case 'O': return QStringLiteral("Ouest");
    default: return {};
    }
}

qint64 emptyChairCount(const QStringList &playerRegisterList)
{
    qint64 players = 0;
    for (const QString &line : playerRegisterList)
        if (!entries::isEmptyChair(line))
            ++players;
    const qint64 seats = 4 * ((qint64(playerRegisterList.size()) + 3) / 4);
    return seats - players;
}

bool smallFieldMode(bool fft, qint64 tables, qint64 emptyChairs)
{
    return fft && (tables == 3 || tables == 4) && emptyChairs <= 1;
}

bool smallFieldMode(const Tournament &state)
{
    // Asked at every table: the register is counted only in a field small enough to be one.
    const qint64 tables = state.tableCount();
    return smallFieldMode(state.movement().fft, tables, 0) &&
           smallFieldMode(true, tables, emptyChairCount(state.playerRegisterList()));
}

QString refusalWithoutTables(const Tournament &state)
{
    if (state.tableCount() > 0)
        return {};
    return QStringLiteral("Il n'y a aucune table : inscrivez et placez d'abord les joueurs.");
}

SeatedTable tableInRound(const Tournament &state, qint64 table, int round)
{
    return RoundSeating(state, round).table(table);
}

RoundSeating::RoundSeating(const Tournament &state, int round)
    : m_tables(state.tableCount()), m_round(round), m_smallField(smallFieldMode(state))
{
    if (m_smallField)
        return;
    const qint64 ahead = qMax(0, round - state.currentRound());
    for (size_t i = 0; i < 4; ++i) {
        const QChar seat = QLatin1Char(seatLetters[i]);
        m_shift[i] = seatDisplacement(state.movementList(), seat, round) + ahead * state.movement().value(seat);
    }
}

SeatedTable RoundSeating::table(qint64 table) const
{
    SeatedTable seated;
    if (table < 1 || table > m_tables)
        return seated;
    if (m_smallField) {
        seated.smallField = true;
        const std::array<int, 4> players = smallFieldSeat(m_tables, table, m_round);
        for (size_t i = 0; i < 4; ++i) {
            seated.seatCodes[i] = entries::seatCodeOfPlayer(players[i]);
            seated.shown[i] = QString::number(players[i]);
        }
        return seated;
    }
    for (size_t i = 0; i < 4; ++i) {
        const qint64 from = wrapTable(table - m_shift[i], m_tables);
        seated.shown[i] = QString::number(from);
        seated.seatCodes[i] = QLatin1Char(seatLetters[i]) + seated.shown[i];
    }
    return seated;
}

TableSeat RoundSeating::place(QStringView seatCode) const
{
    // table() writes seat codes the one way parseSeatCode reads: a letter, a table without zeros
    // in front.
    const std::optional<lines::SeatCode> code = lines::parseSeatCode(seatCode);
    const int seat = code ? seatIndex(code->letter) : -1;
    if (seat < 0 || code->table > m_tables)
        return {};
    if (m_smallField)
        return smallFieldPlace(m_tables, 4 * (code->table - 1) + seat + 1, m_round);
    // The shift rule read backwards: round-1 table t0 of a seat sits at t0 + its shift.
    return {wrapTable(code->table + m_shift[size_t(seat)], m_tables), code->letter};
}

bool isSpecialTableCount(qint64 tables)
{
    switch (tables) {
    case 6:
    case 8:
    case 9:
    case 10:
    case 12:
    case 14:
    case 16:
    case 18:
    case 20: return true;
    default: return false;
    }
}

bool automaticMovements(MovementSettings &settings, qint64 tables, int round)
{
    const bool special = isSpecialTableCount(tables);
    settings.nord = fftNord;
    settings.est = fftEst;
    settings.ouest = special ? -1 : fftOuest;
    settings.sud = fftSud;
    if (!special)
        return false;
    if (const Override *o = overrideFor(tables, round)) {
        settings.nord = o->nord;
        settings.est = o->est;
        settings.ouest = o->ouest;
        settings.sud = o->sud;
    }
    return overrideFor(tables, round + 1) != nullptr;
}

Prompt movementChangeNotice()
{
    return {QStringLiteral("Mouvements spéciaux"), QStringLiteral("Au prochain tour, le déplacement change.")};
}

RoundMovements startRoundMovements(Tournament &state, int round)
{
    RoundMovements movements;
    MovementSettings settings = state.movement();
    movements.changeNext = settings.fft && automaticMovements(settings, state.tableCount(), round);
    state.setMovementSettings(settings);
    QStringList &lines = movements.lines;
    for (const char seat : {'N', 'E', 'O', 'S'})
        lines << QStringLiteral("%1%2=%3").arg(QLatin1Char(seat)).arg(round).arg(settings.value(QLatin1Char(seat)));
    return movements;
}

void setAutomaticFft(MovementSettings &settings, bool on)
{
    settings.fft = on;
    if (!on)
        return;
    settings.byRanking = false;
    settings.nord = fftNord;
    settings.est = fftEst;
    settings.ouest = fftOuest;
    settings.sud = fftSud;
}

void setByRanking(MovementSettings &settings, bool on)
{
    settings.byRanking = on;
    if (on)
        settings.fft = false;
}

bool valuesLocked(const MovementSettings &settings)
{
    return settings.fft || settings.byRanking;
}

qint64 position(const MovementSettings &settings, const QString &seatCode, int round, qint64 tables)
{
    QChar seat;
    qint64 table = 0;
    if (!splitSeatCode(seatCode, seat, table))
        return 0;
    const bool special = settings.fft && isSpecialTableCount(tables);
    // With the FFT option on, the values automaticMovements records, not whatever it last left behind.
    MovementSettings base;
    setAutomaticFft(base, true);
    if (special)
        base.ouest = -1;
    const qint64 v = settings.fft ? base.value(seat) : settings.value(seat);
    qint64 x = table + v * (qint64(round) - 1);
    if (special)
        for (const Correction &c : corrections)
            if (QLatin1Char(c.seat) == seat && round >= c.fromRound &&
                std::find(c.tables.begin(), c.tables.end(), tables) != c.tables.end())
                x += c.shift;
    return wrapTable(x, tables);
}

const std::array<int, 16> &scheduleRow(qint64 tables, int round)
{
    int r = qMax(1, round);
    if (r > 6)
        r = (r - 2) % 5 + 2;
    return tables == 3 ? threeTables[r - 1] : fourTables[r - 1];
}

std::array<int, 4> smallFieldSeat(qint64 tables, qint64 table, int round)
{
    std::array<int, 4> players{};
    if (table < 1 || table > (tables == 3 ? 3 : 4))
        return players;
    const Row &row = scheduleRow(tables, round);
    for (size_t i = 0; i < 4; ++i)
        players[i] = row[size_t(4 * (table - 1)) + i];
    return players;
}

TableSeat smallFieldPlace(qint64 tables, qint64 playerNumber, int round)
{
    const Row &row = scheduleRow(tables, round);
    const qint64 used = tables == 3 ? 12 : 16;
    for (qint64 j = 0; j < used; ++j)
        if (row[size_t(j)] == playerNumber)
            return {j / 4 + 1, QLatin1Char(seatLetters[size_t(j % 4)])};
    return {};
}

QString troisquatreCell(qint64 tables, qint64 playerNumber, int round)
{
    const TableSeat place = smallFieldPlace(tables, playerNumber, round);
    if (place.table == 0)
        return {};
    return QString::number(place.table) + QLatin1Char(' ') + seatName(place.seat);
}

bool plannedSmallField(const MovementSettings &settings, const QStringList &playerRegisterList, qint64 tables)
{
    return smallFieldMode(settings.fft, tables, emptyChairCount(playerRegisterList));
}

qint64 plannedTable(const MovementSettings &settings, bool smallField, const QString &seatCode, int round,
                    qint64 tables)
{
    if (smallField)
        return smallFieldPlace(tables, entries::playerNumber(seatCode), round).table;
    return position(settings, seatCode, round, tables);
}

QString plannedSeatLabel(const QString &seatCode, bool smallField)
{
    if (smallField)
        return QStringLiteral("n° %1").arg(entries::playerNumber(seatCode));
    return seatName(seatCode.front()) + QLatin1Char(' ') + seatCode.mid(1);
}

std::array<QString, 4> viewLabels(const SeatedTable &seated)
{
    std::array<QString, 4> labels;
    for (size_t i = 0; i < 4; ++i) {
        const QString side = seated.smallField ? QStringLiteral("n°") : seatName(QLatin1Char(seatLetters[i]));
        // Each label in one allocation: the positions view asks for them at every table.
        labels[i].reserve(side.size() + 1 + seated.shown[i].size());
        labels[i].append(side).append(QLatin1Char(' ')).append(seated.shown[i]);
    }
    return labels;
}

QPoint viewLabelOrigin(QChar seat, int w, int h, int tw, int th)
{
    switch (seat.unicode()) {
    case 'N': return {(w - tw) / 2, 0};
    case 'O': return {0, (h - th) / 2};
    case 'E': return {w - tw, (h - th) / 2};
    default: return {(w - tw) / 2, h - th};
    }
}
