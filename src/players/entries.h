#pragma once

#include "platform/messages.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

#include <optional>

// The lines of the player register list and the ways they are shown and read back.
//   player entry:      DUPONT Jean
//   seated entry:      DUPONT Jean = S3
//   empty-chair entry: " CHAISE VIDE 2 = N2"
namespace entries {

inline const QString emptyChairPrefix = QStringLiteral(" CHAISE VIDE ");

QString emptyChair(int i);              // " CHAISE VIDE i = Ni"
bool isEmptyChair(const QString &line); // first 13 characters are " CHAISE VIDE "
// Looser, for texts shown to the director (a displayed entry, a name cell): "CHAISE VIDE"
// anywhere, so that no empty chair is ever offered or listed as a player.
bool mentionsEmptyChair(const QString &text);
// Whether the draw has seated anybody: some line carries " = " ("DUPONT Jean = S3"); the
// register after "&Annuler l'attribution" carries none.
bool anySeated(const QStringList &lines);

// French, case-insensitive order of the register; a leading blank sorts first.
bool less(QStringView a, QStringView b);
int compare(QStringView a, QStringView b);
void sort(QStringList &lines);
// Index at which line keeps the list sorted (after its equals).
qsizetype sortedIndex(const QStringList &lines, const QString &line);
void insertSorted(QStringList &lines, const QString &line);
// Whether a sorted register already holds the name: an entry that compares equal.
bool isRegistered(const QStringList &sortedLines, const QString &entry);

// Player number of seat code L t: 4(t-1) + 1, 2, 3, 4 for N, S, E, O; 0 when not a seat code.
qint64 playerNumber(QStringView seatCode);
// Seat code of a player number: table (k + 3) div 4, seat N, S, E, O for k mod 4 = 1, 2, 3, 0.
QString seatCodeOfPlayer(qint64 k);

// `withPlayerNumber`: a seated entry with its seat written "Joueur n° " k; other lines unchanged.
QString withPlayerNumber(const QString &line);

// The displayed entry of the pick lists: "DUPONT Jean NORD 3"; a line without seat unchanged.
QString displayed(const QString &line);
// The displayed entry back to its seat code, from its last seat word ("DUPONT Jean NORD 3" and
// "DU NORD Jean NORD 3" give "N3"); a text without any seat word is returned unchanged.
QString seatCodeOfDisplayed(const QString &displayedEntry);

// `seatKeyOfPlayerNumber`: " Joueur n° 9" gives the seat key " = N3".
QString seatKeyOfPlayerNumber(const QString &displayedSeat);

// " = N12": the end of a seated entry.
QString seatKey(QChar letter, qint64 table);
// "NORD", "SUD", "EST", "OUEST" for N, S, E, O (empty for any other letter).
QString seatWord(QChar letter);

// A displayed entry split into the name and its displayed seat (" NORD 3", " Joueur n° 6").
// The seat is the seat word and number that end the entry, so a name holding a seat word
// ("LE SUD Anne NORD 3") keeps it; an entry that ends with no seat has an empty seat.
struct DisplayedParts
{
    QString name;
    QString seat;
};
DisplayedParts splitDisplayed(const QString &displayedEntry);
// The displayed seat back to its seat key, with the whole table number: " NORD 1012" gives
// " = N1012", " Joueur n° 6" gives " = S2"; empty when it is no seat.
QString seatKeyOfDisplayedSeat(const QString &displayedSeat);

// Case conversions that touch only the letters a to z, as the entries are built.
QString upperAscii(const QString &text);
QString lowerAscii(const QString &text);
// What a surname edit shows for typed text: upper case wherever the upper case can be stored.
QString upperTyped(const QString &text);
// First name of an entry: a to z in lower case, then the first character in upper case when
// it is a letter a to z (éLODIE gives élodie).
QString capitalised(const QString &firstName);
// What a search compares: lower case, accents dropped (É and é give e, Ç gives c), Œ and Æ
// written out (oe, ae).
QString folded(QStringView text);
// Leading characters of code 32 or less removed.
QString trimLeft(const QString &text);

// The register's "Ajouter": surname in upper case (leading blanks removed when longer than 2
// characters), a blank, the capitalised first name. Both fields empty give " ".
QString entryToAdd(const QString &surname, const QString &firstName);
// The register's "Modifier": the same, the strip applied to the whole entry when it is longer
// than 2 characters.
QString entryToModify(const QString &surname, const QString &firstName);
// Double click: the line split at its last blank, for the two edits; firstName is null when
// the line holds no blank (the first-name edit keeps its text).
struct EditTexts
{
    QString surname;
    QString firstName;
};
EditTexts editTextsOf(const QString &line);

// `appendRegistered`: appends a player entry to inscrits.tmp, creating it when no player was
// registered yet.
Outcome appendRegistered(const QString &entry);
// The message shown before inscrits.tmp is created by a last-minute player: none once it exists.
std::optional<Prompt> registerOpeningNotice();

// Why a name typed by the director cannot be stored (empty when it can): an "=", a leading
// "[" (the line would read back as a section of the tournament file), a character outside
// Windows-1252, or a surname empty or made only of blanks.
QString refusalOfName(const QString &surname, const QString &firstName);
// Same test for one free text that becomes a whole line (a corrected name).
QString refusalOfText(const QString &text, const QString &what);

} // namespace entries
