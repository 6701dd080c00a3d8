// The register's lines as inscrits.tmp and position.tmp hold them, through every reader of
// entries: the line parses, the displayed forms and back, the pick list of the incident
// dialogs, and the player list.

#include "incidents/incidents.h"
#include "inmemory.h"
#include "players/playerlist.h"
#include "store/takeup.h"
#include "tournament/lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = splitLines(fuzzing::bytesOf(data, size));
    for (const QString &line : lines) {
        const QStringView seat = lines::seatOfEntry(line);
        (void)lines::nameOfEntry(line);
        (void)entries::isEmptyChair(line);
        (void)entries::editTextsOf(line);
        (void)entries::withPlayerNumber(line);
        const QString shown = entries::displayed(line);
        (void)entries::seatKeyOfDisplayedSeat(entries::splitDisplayed(shown).seat);
        if (const auto code = lines::parseSeatCode(seat)) {
            fuzzing::require(code->text() == seat, "a strict seat code reads back as written");
            // For entries as the program writes them ("name = code"), a seat word in the name
            // ("DU NORD Jean = N3") included.
            const QStringView name = lines::nameOfEntry(line);
            const bool written =
                line.endsWith(QStringLiteral(" = ") + seat.toString()) && line.size() == name.size() + 2 + seat.size();
            if (written)
                fuzzing::require(incidents::seatCodeOfPick(shown) == seat, "a seated entry picked gives its seat code");
            const qint64 k = entries::playerNumber(seat.toString());
            if (code->table < 1000000)
                fuzzing::require(entries::seatCodeOfPlayer(k) == seat, "a player number gives its seat code back");
        }
    }

    QStringList sorted = lines;
    entries::sort(sorted);
    for (qsizetype i = 1; i < sorted.size(); ++i)
        fuzzing::require(!entries::less(sorted[i], sorted[i - 1]), "the register is kept in order");

    for (const QString &item : incidents::pickList(lines)) {
        (void)incidents::seatCodeOfPick(item);
        (void)incidents::refusalOfPick(item);
    }

    Tournament::Data tournament;
    tournament.playerRegisterList = sorted;
    for (const bool fft : {true, false}) {
        tournament.movement.fft = fft;
        const bool numbered = playerlist::numbered(sorted);
        for (const QString &line : playerlist::listingLines(Tournament(tournament)))
            (void)playerlist::printedRow(line, numbered);
    }
    tournament.started = tournament.opened = true;
    tournament.roundStarted = true;
    (void)menuStates(Tournament(tournament));
    return 0;
}
