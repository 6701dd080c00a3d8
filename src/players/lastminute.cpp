#include "players/lastminute.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/platform.h"
#include "players/entries.h"

namespace lastminute {

namespace {
} // namespace

qsizetype emptyChairCount(const QStringList &list)
{
    return std::count_if(list.begin(), list.end(), entries::isEmptyChair);
}

qsizetype firstEmptyChair(const QStringList &list)
{
    for (qsizetype i = 0; i < list.size(); ++i)
        if (entries::isEmptyChair(list.at(i)))
            return i;
    return -1;
}

QString seatCodeOf(const QString &line)
{
    const qsizetype p = line.indexOf(QStringLiteral(" ="));
    return p < 0 ? QString() : line.mid(p + 3);
}

QString positionText(const QString &seatCode)
{
    if (seatCode.isEmpty())
        return {};
    return entries::seatWord(seatCode.front()) + QLatin1Char(' ') + seatCode.mid(1);
}

Prompt placesNotice(qsizetype k)
{
    if (k == 1)
        return {QStringLiteral("Table incomplète !"), QStringLiteral("Une place est disponible")};
    return {QStringLiteral("Tables incomplètes !"), QStringLiteral("%1 places sont disponibles.").arg(k)};
}

Outcome completeTable(Tournament &state, const QString &surname, const QString &firstName)
{
    state.setModified(true);
    QStringList list = state.playerRegisterList();
    const qsizetype chair = firstEmptyChair(list);
    if (chair < 0)
        return Outcome::success();
    const QString seatCode = seatCodeOf(list.at(chair));
    const QString entry =
        entries::trimLeft(entries::upperAscii(surname)) + QLatin1Char(' ') + entries::capitalised(firstName);
    list.removeAt(chair);
    entries::insertSorted(list, entry + QStringLiteral(" = ") + seatCode);
    // Written at once, so that a crash or a restart never loses the late player.
    const Outcome appended = entries::appendRegistered(entry);
    if (!appended.ok())
        return appended;
    return state.setSeats(list);
}

qint64 nextTable(const QStringList &list)
{
    return list.size() / 4 + 1;
}

QString refusalOfTable(const std::array<QString, 4> &surnames, const std::array<QString, 4> &firstNames)
{
    static const char *seats[] = {"Nord", "Sud", "Est", "Ouest"};
    for (int i = 0; i < 4; ++i) {
        const QString why = entries::refusalOfName(surnames[i], firstNames[i]);
        if (!why.isEmpty())
            return QStringLiteral("%1 : %2").arg(QString::fromLatin1(seats[i]), why);
    }
    return {};
}

Outcome addTable(Tournament &state, const std::array<QString, 4> &surnames, const std::array<QString, 4> &firstNames,
                 qint64 table)
{
    state.setModified(true);
    static const int order[] = {0, 3, 1, 2}; // N, O, S, E
    QStringList list = state.playerRegisterList();
    for (int i : order) {
        const QString entry = surnames[i] + QLatin1Char(' ') + firstNames[i];
        entries::insertSorted(list, entry + entries::seatKey(QChar(lines::seatLetters[i]), table));
        const Outcome appended = entries::appendRegistered(entry);
        if (!appended.ok())
            return appended;
    }
    // Written at once, so that a crash or a restart never loses the table.
    return state.setSeats(list);
}

SeatLookup refreshExchange(const QStringList &list, const QString &key1, const QString &key2)
{
    SeatLookup found;
    const qsizetype end = 4 * (list.size() / 4);
    for (qsizetype i = 0; i < end; ++i) {
        const QString &line = list.at(i);
        if (line.endsWith(key1)) {
            found.index1 = i;
            found.name1 = line.chopped(key1.size());
        }
        if (line.endsWith(key2)) {
            found.index2 = i;
            found.name2 = line.chopped(key2.size());
        }
    }
    return found;
}

Outcome exchange(Tournament &state, const QString &key1, const QString &key2)
{
    state.setModified(true);
    const SeatLookup found = refreshExchange(state.playerRegisterList(), key1, key2);
    if (!found.ok())
        return Outcome::success();
    QStringList list = state.playerRegisterList();
    list[found.index1] = found.name2 + key1;
    list[found.index2] = found.name1 + key2;
    // Written at once, so that a crash or a restart never loses the exchange.
    return state.setSeats(list);
}

} // namespace lastminute
