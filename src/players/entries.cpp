#include "players/entries.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "platform/cp1252.h"
#include "platform/platform.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cstring>
#include <limits>

namespace entries {

QString emptyChair(int i)
{
    return QStringLiteral(" CHAISE VIDE %1 = N%1").arg(i);
}

bool isEmptyChair(const QString &line)
{
    return line.startsWith(emptyChairPrefix);
}

bool mentionsEmptyChair(const QString &text)
{
    return text.contains(QLatin1String("CHAISE VIDE"));
}

bool anySeated(const QStringList &lines)
{
    return std::any_of(lines.begin(), lines.end(),
                       [](const QString &line) { return line.contains(QLatin1String(" = ")); });
}

namespace {
const QCollator &collator()
{
    static const QCollator c = [] {
        QCollator col(QLocale(QLocale::French, QLocale::France));
        col.setCaseSensitivity(Qt::CaseInsensitive);
        col.setIgnorePunctuation(false);
        return col;
    }();
    return c;
}
bool leadingBlank(QStringView s)
{
    return !s.isEmpty() && s.front() == QLatin1Char(' ');
}
} // namespace

int compare(QStringView a, QStringView b)
{
    const bool ba = leadingBlank(a), bb = leadingBlank(b);
    if (ba != bb)
        return ba ? -1 : 1;
    return collator().compare(a, b);
}

bool less(QStringView a, QStringView b)
{
    return compare(a, b) < 0;
}

void sort(QStringList &lines)
{
    std::stable_sort(lines.begin(), lines.end(), less);
}

qsizetype sortedIndex(const QStringList &lines, const QString &line)
{
    return std::upper_bound(lines.begin(), lines.end(), line, less) - lines.begin();
}

void insertSorted(QStringList &lines, const QString &line)
{
    lines.insert(sortedIndex(lines, line), line);
}

bool isRegistered(const QStringList &sortedLines, const QString &entry)
{
    const qsizetype at = sortedIndex(sortedLines, entry);
    return at > 0 && compare(sortedLines[at - 1], entry) == 0;
}

// The largest table number whose player numbers fit in 64 bits.
constexpr qint64 maxTable = std::numeric_limits<qint64>::max() / 4;

qint64 playerNumber(QStringView seatCode)
{
    if (seatCode.size() < 2)
        return 0;
    bool ok = false;
    const qint64 t = seatCode.mid(1).toLongLong(&ok);
    if (!ok)
        return 0;
    const int r = lines::seatIndex(seatCode.front()) + 1;
    if (r == 0 || t > maxTable || t < -maxTable) // a hand-edited table too large to number
        return 0;
    return 4 * (t - 1) + r;
}

QString seatCodeOfPlayer(qint64 k)
{
    static const QString letters = QStringLiteral("ONSE"); // k mod 4 = 0, 1, 2, 3
    const qint64 table = (k + 3) / 4;
    return letters.at(int(((k % 4) + 4) % 4)) + QString::number(table);
}

QString withPlayerNumber(const QString &line)
{
    static const QLatin1String markers[] = {QLatin1String("= N"), QLatin1String("= S"), QLatin1String("= E"),
                                            QLatin1String("= O")};
    QString result = line;
    for (int r = 0; r < 4; ++r) {
        const qsizetype p = result.indexOf(markers[r]);
        if (p < 0)
            continue;
        const qint64 t = QStringView(result).mid(p + 3).trimmed().toLongLong();
        if (t > maxTable || t < -maxTable)
            continue;
        const qint64 k = 4 * t - 3 + r;
        result = result.left(p) + QStringLiteral("Joueur n° ") + QString::number(k);
    }
    return result;
}

QString displayed(const QString &line)
{
    static const QLatin1String markers[] = {QLatin1String("= N"), QLatin1String("= S"), QLatin1String("= O"),
                                            QLatin1String("= E")};
    static const QLatin1String words[] = {QLatin1String("NORD "), QLatin1String("SUD "), QLatin1String("OUEST "),
                                          QLatin1String("EST ")};
    for (int i = 0; i < 4; ++i) {
        const qsizetype p = line.indexOf(markers[i]);
        if (p < 0)
            continue;
        QString shown;
        shown.reserve(line.size() + words[i].size());
        return shown.append(QStringView(line).left(p)).append(words[i]).append(QStringView(line).mid(p + 3));
    }
    return line;
}

QString seatCodeOfDisplayed(const QString &displayedEntry)
{
    // The last seat word is the seat: the name before it may hold one too ("DU NORD Jean SUD 2"),
    // the table number after it holds none.
    static const char *markers[] = {" NORD ", " SUD ", " EST ", " OUEST "};
    qsizetype seat = -1;
    int which = 0;
    for (int i = 0; i < 4; ++i) {
        const qsizetype p = displayedEntry.lastIndexOf(QLatin1String(markers[i]));
        if (p > seat) {
            seat = p;
            which = i;
        }
    }
    if (seat < 0)
        return displayedEntry;
    return QChar(lines::seatLetters[which]) + displayedEntry.mid(seat + qsizetype(std::strlen(markers[which])));
}

QString seatKeyOfPlayerNumber(const QString &displayedSeat)
{
    const QString marker = QStringLiteral(" Joueur n°");
    const qsizetype p = displayedSeat.indexOf(marker);
    const QString number = p >= 0 ? displayedSeat.mid(p + marker.size()) : displayedSeat;
    const qint64 k = number.trimmed().toLongLong();
    qint64 a = k % 4;
    if (a <= 0)
        a += 4;
    const qint64 t = (k - a) / 4 + 1;
    static const char *keys[] = {" = N", " = S", " = E", " = O"};
    return QString::fromLatin1(keys[a - 1]) + QString::number(t);
}

QString seatKey(QChar letter, qint64 table)
{
    return QStringLiteral(" = ") + letter + QString::number(table);
}

QString seatWord(QChar letter)
{
    switch (letter.unicode()) {
    case 'N': return QStringLiteral("NORD");
    case 'S': return QStringLiteral("SUD");
    case 'E': return QStringLiteral("EST");
    case 'O': return QStringLiteral("OUEST");
    default: return {};
    }
}

namespace {
const QString numberMarker = QStringLiteral(" Joueur n°");

bool isNumber(QStringView text)
{
    bool ok = false;
    text = text.trimmed();
    (void)text.toULongLong(&ok); // only whether it reads
    return ok && !text.startsWith(QLatin1Char('+'));
}
} // namespace

DisplayedParts splitDisplayed(const QString &displayedEntry)
{
    static const QStringList markers = {QStringLiteral(" SUD "), QStringLiteral(" NORD "), QStringLiteral(" EST "),
                                        QStringLiteral(" OUEST "), numberMarker};
    qsizetype best = -1;
    for (const QString &marker : markers) {
        const qsizetype p = displayedEntry.lastIndexOf(marker);
        if (p > best && isNumber(QStringView(displayedEntry).mid(p + marker.size())))
            best = p;
    }
    if (best < 0)
        return {displayedEntry, {}};
    return {displayedEntry.left(best), displayedEntry.mid(best)};
}

QString seatKeyOfDisplayedSeat(const QString &displayedSeat)
{
    if (displayedSeat.startsWith(numberMarker))
        return seatKeyOfPlayerNumber(displayedSeat);
    const QString seat = displayedSeat.trimmed();
    const qsizetype blank = seat.indexOf(QLatin1Char(' '));
    if (blank < 0 || seatWord(seat.front()) != seat.left(blank))
        return {};
    return seatKey(seat.front(), seat.mid(blank + 1).trimmed().toLongLong());
}

QString upperAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

QString lowerAscii(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() - 'A' + 'a');
    return out;
}

QString upperTyped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        const QString upper = QString(c).toUpper();
        out += cp1252::canEncode(upper) ? upper : QString(c);
    }
    return out;
}

QString capitalised(const QString &firstName)
{
    QString out = lowerAscii(firstName);
    if (!out.isEmpty())
        out.front() = upperAscii(QString(out.front())).front();
    return out;
}

QString folded(QStringView text)
{
    // Decomposed, an accented letter is its base letter followed by marks, which are dropped.
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_D).toCaseFolded();
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c == QChar(0x0153)) // œ
            out += QLatin1String("oe");
        else if (c == QChar(0x00E6)) // æ
            out += QLatin1String("ae");
        else if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    }
    return out;
}

QString trimLeft(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).unicode() <= 32)
        ++i;
    return text.mid(i);
}

QString entryToAdd(const QString &surname, const QString &firstName)
{
    QString name = upperAscii(surname);
    if (name.size() > 2)
        name = trimLeft(name);
    return name + QLatin1Char(' ') + capitalised(firstName);
}

QString entryToModify(const QString &surname, const QString &firstName)
{
    const QString entry = upperAscii(surname) + QLatin1Char(' ') + capitalised(firstName);
    return entry.size() > 2 ? trimLeft(entry) : entry;
}

EditTexts editTextsOf(const QString &line)
{
    QString text = line;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    const qsizetype blank = text.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return {text, QString()};
    QString surname = text.left(blank);
    while (surname.endsWith(QLatin1Char(' ')))
        surname.chop(1);
    return {surname, text.mid(blank + 1)};
}

Outcome appendRegistered(const QString &entry)
{
    return platform().files.append(workingfile::registered, entry);
}

std::optional<Prompt> registerOpeningNotice()
{
    if (platform().files.exists(workingfile::registered))
        return std::nullopt;
    return Prompt{QStringLiteral("Information"),
                  QStringLiteral("Je n'ai trouvé aucun inscrit.\r\nOuverture des inscriptions.")};
}

namespace {
QString refusalOfCharacters(const QString &text, const QString &what)
{
    if (text.contains(QLatin1Char('=')))
        return QStringLiteral("%1 ne peut pas contenir le signe « = ».").arg(what);
    const QChar bad = cp1252::firstUnencodable(text);
    if (!bad.isNull())
        return QStringLiteral("%1 contient le caractère « %2 », que les fichiers du tournoi ne peuvent pas "
                              "enregistrer.")
            .arg(what, QString(bad));
    return {};
}
} // namespace

QString refusalOfText(const QString &text, const QString &what)
{
    if (trimLeft(text).startsWith(QLatin1Char('[')))
        return QStringLiteral("%1 ne peut pas commencer par « [ ».").arg(what);
    return refusalOfCharacters(text, what);
}

QString refusalOfName(const QString &surname, const QString &firstName)
{
    if (surname.trimmed().isEmpty())
        return QStringLiteral("Le nom du joueur est vide : tapez au moins une lettre.");
    const QString why = refusalOfText(surname, QStringLiteral("Le nom"));
    // Behind the surname a "[" is harmless: only the "=" and the character set matter there.
    return why.isEmpty() ? refusalOfCharacters(firstName, QStringLiteral("Le prénom")) : why;
}

} // namespace entries
