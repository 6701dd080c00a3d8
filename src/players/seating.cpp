#include "players/seating.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/platform.h"
#include "players/entries.h"

namespace seating {

bool drawOffered(qsizetype entries)
{
    return entries > 5;
}

int emptyChairsNeeded(qsizetype n)
{
    return n % 4 == 0 ? 0 : int(4 - n % 4);
}

QString refusalOfDraw(qsizetype n)
{
    if (n == 0)
        return QStringLiteral("Aucun joueur n'est inscrit : il n'y a pas de positions à attribuer.");
    const qsizetype tables = (n + 3) / 4;
    if (emptyChairsNeeded(n) > tables)
        return QStringLiteral("Avec %1 joueur(s), les tables ne peuvent pas être formées : il faut au moins "
                              "3 joueurs par table.\r\nInscrivez d'autres joueurs.")
            .arg(n);
    return {};
}

void draw(QStringList &list, Random &random)
{
    QList<qsizetype> free; // the players not seated yet, by index
    int chairs = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (entries::isEmptyChair(list.at(i)))
            ++chairs;
        else
            free << i;
    }
    static const QString letters = QStringLiteral("SEON");
    const qsizetype steps = list.size();
    for (qsizetype s = 1; s <= steps; ++s) {
        const QChar letter = letters.at(int((s - 1) % 4));
        const qsizetype table = letter == QLatin1Char('N') ? s / 4 : s / 4 + 1;
        if (free.isEmpty())
            return;
        // One draw for every step, the empty chairs' steps included.
        const int pick = random.next(int(free.size()));
        if (letter == QLatin1Char('N') && table <= chairs)
            continue; // an empty chair sits there
        const qsizetype c = free.takeAt(pick);
        list[c] += entries::seatKey(letter, table);
    }
}

Prompt threePlayerTablesQuestion(int r)
{
    return Prompt::question(QStringLiteral("Tables incomplètes !"),
                            QStringLiteral("Autoriser %1 table(s) à 3 joueurs ?").arg(r));
}

Outcome drawSeats(Tournament &state, bool threePlayerTablesAllowed)
{
    QStringList list = state.playerRegisterList();
    if (!refusalOfDraw(list.size()).isEmpty())
        return Outcome::success();
    state.setModified(true);
    const int r = emptyChairsNeeded(list.size());
    if (r > 0) {
        if (!threePlayerTablesAllowed)
            return Outcome::success();
        for (int i = 1; i <= r; ++i)
            entries::insertSorted(list, entries::emptyChair(i));
    }
    draw(list, *platform().random);
    return state.setSeats(list);
}

QString unseated(const QString &line)
{
    const lines::KeyValue s = lines::splitAtFirstEquals(line);
    if (!s.hasEquals)
        return line;
    return (s.key.endsWith(QLatin1Char(' ')) ? s.key.chopped(1) : s.key).toString();
}

namespace {
// Scores, penalties and exclusions are keyed by seat code: after a new draw they would belong
// to other players.
bool somethingRecordedOnSeats(const Tournament &state, Outcome &outcome)
{
    if (!state.scoreList().isEmpty() || platform().files.countTourFiles() > 0)
        return true;
    for (const QString &name : {workingfile::currentRound, workingfile::penalties, workingfile::exclusions}) {
        QStringList lines;
        outcome = platform().files.readIfPresent(name, lines);
        if (!outcome.ok() || !lines.isEmpty())
            return true;
    }
    return false;
}
} // namespace

Result<QString> refusalOfCancel(const Tournament &state)
{
    Outcome read;
    if (!somethingRecordedOnSeats(state, read))
        return QString();
    if (!read.ok())
        return read;
    return QStringLiteral("Des scores, des pénalités ou des exclusions sont déjà enregistrés pour ces places : "
                          "l'attribution ne peut plus être annulée.");
}

Prompt cancelQuestion()
{
    return Prompt::confirmation(QStringLiteral("Annuler l'attribution des places"),
                                QStringLiteral("En êtes-vous sûr ?"));
}

Outcome cancelDraw(Tournament &state, bool confirmed)
{
    state.setModified(true);
    if (!confirmed)
        return Outcome::success();
    // Scores a table sent were for the players the draw seated there.
    if (Outcome o = state.dropTableEntries(); !o.ok())
        return o;
    QStringList list = state.playerRegisterList();
    for (QString &line : list)
        line = unseated(line);
    list.removeIf([](const QString &line) { return entries::isEmptyChair(line); });
    return state.setSeats(list);
}

} // namespace seating
