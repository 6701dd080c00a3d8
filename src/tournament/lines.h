#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The shapes of the working files' lines, read in one place.
//   score, penalty and movement lines: key "=" text   ("S3=-150", "E2=2")
//   seated entries:                    name " = " seat code   ("DUPONT Jean = S3")
// Two parses stand side by side on purpose: the lenient ones take any line as the files'
// readers always have (a line without "=" is a key alone, a text that is not a number is worth
// 0), the strict ones say whether a text really is a seat code or a number.
namespace lines {

// The seat letters in the order of the player numbers: N, S, E, O are 1, 2, 3, 4 at a table.
inline constexpr char16_t seatLetters[] = {u'N', u'S', u'E', u'O'};
// 0 to 3 for N, S, E, O; -1 for any other character.
int seatIndex(QChar letter);

// A line split at its first "=": the key before it, the text after it (lenient: a line without
// "=" is all key).
struct KeyValue
{
    QStringView key;
    QStringView text;
    bool hasEquals = false;
};
KeyValue splitAtFirstEquals(QStringView line);

// The name part of a register line: the text before its first "=", the blank before it kept
// ("DUPONT Jean = S3" gives "DUPONT Jean "); a line without "=" is all name.
QStringView nameOfEntry(QStringView line);
// The seat code of a seated entry: after its first "=", blanks trimmed ("S3"); empty without "=".
QStringView seatOfEntry(QStringView line);

// A seat code read strictly: a seat letter and a table number from 1, in the usual decimal form
// (no sign, no leading zero, no blank).
struct SeatCode
{
    QChar letter;
    qint64 table = 0;
    QString text() const;
};
std::optional<SeatCode> parseSeatCode(QStringView text);

// The lenient value of a file text: a signed decimal integer after leading blanks; anything
// else is worth 0.
qint64 lenientValue(QStringView text);

} // namespace lines
