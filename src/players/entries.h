#pragma once

#include <QString>
#include <QStringList>

// The lines of the player register list and the ways they are shown and read back.
//   player entry:      DUPONT Jean
//   seated entry:      DUPONT Jean = S3
//   empty-chair entry: " CHAISE VIDE 2 = N2"
namespace entries {

inline const QString emptyChairPrefix = QStringLiteral(" CHAISE VIDE ");

QString emptyChair(int i); // " CHAISE VIDE i = Ni"
bool isEmptyChair(const QString &line); // first 13 characters are " CHAISE VIDE "

// French, case-insensitive order of the register; a leading blank sorts first.
bool less(const QString &a, const QString &b);
int compare(const QString &a, const QString &b);
void sort(QStringList &lines);
// Index at which line keeps the list sorted (after its equals).
qsizetype sortedIndex(const QStringList &lines, const QString &line);
void insertSorted(QStringList &lines, const QString &line);

// Player number of seat code L t: 4(t-1) + 1, 2, 3, 4 for N, S, E, O; 0 when not a seat code.
qint64 playerNumber(const QString &seatCode);
// Seat code of a player number: table (k + 3) div 4, seat N, S, E, O for k mod 4 = 1, 2, 3, 0.
QString seatCodeOfPlayer(qint64 k);

// `numerojoueur`: a seated entry with its seat written "Joueur n° " k; other lines unchanged.
QString numerojoueur(const QString &line);

// The displayed entry of the pick lists: "DUPONT Jean NORD 3"; a line without seat unchanged.
QString displayed(const QString &line);
// The displayed entry back to its seat code ("DUPONT Jean NORD 3" gives "N3"); a text
// without any seat word is returned unchanged.
QString seatCodeOfDisplayed(const QString &displayedEntry);

// `placenumero`: " Joueur n° 9" gives the seat key " = N3".
QString placenumero(const QString &displayedSeat);

// Why a name typed by the director cannot be stored (empty when it can): an "=", a leading
// "[", a character outside Windows-1252, or an empty surname.
QString refusalOfName(const QString &surname, const QString &firstName);
// Same test for one free text that becomes a whole line (date, place, corrected name).
QString refusalOfText(const QString &text, const QString &what);

} // namespace entries
