#include "players/playerimport.h"
#include "players/seating.h"
#include "tournament/plural.h"

#include "platform/cp1252.h"
#include "platform/workingfiles.h"
#include "players/entries.h"
#include "store/tournamentfile.h"
#include "tournament/lines.h"
#include "tournament/tournament.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace playerimport {

namespace {

// A candidate name of the file, before the register's rules.
struct Candidate
{
    int line = 0;
    QString surname;
    QString firstName;
    QString unreadable; // the reason when the line could not be read at all
};

// A record of a spreadsheet export: its fields and the line it starts on.
struct Record
{
    int line = 0;
    QStringList fields;
    bool unclosed = false; // a quote opened and never closed
};

bool isBinary(const QByteArray &bytes)
{
    qsizetype controls = 0;
    for (const char c : bytes) {
        const auto b = uchar(c);
        if (b == 0)
            return true;
        if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7f)
            ++controls;
    }
    return controls * 20 > bytes.size(); // more than one character in twenty
}

// UTF-8, with or without its mark, or Windows-1252 when the bytes are no UTF-8.
QString decoded(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? cp1252::decode(bytes) : text;
}

// Control characters (a line break inside a quoted cell, a tab) become blanks, as in a one-line
// edit; the blanks around are removed.
QString cleaned(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    return out.trimmed();
}

bool isLineEnd(const QString &text, qsizetype &i)
{
    if (text[i] == QLatin1Char('\r')) {
        if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        return true;
    }
    return text[i] == QLatin1Char('\n');
}

QStringList physicalLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype at = i;
        if (isLineEnd(text, i)) {
            lines.append(text.mid(start, at - start));
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// The separator of a spreadsheet export: the most frequent of ";", tab and "," outside quotes
// in the first line that holds anything; a null QChar for a plain list.
QChar separatorOf(const QStringList &lines)
{
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        int counts[3] = {0, 0, 0};
        const QChar candidates[3] = {QLatin1Char(';'), QLatin1Char('\t'), QLatin1Char(',')};
        bool quoted = false;
        for (const QChar c : line) {
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            for (int k = 0; k < 3; ++k)
                if (!quoted && c == candidates[k])
                    ++counts[k];
        }
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (counts[k] > counts[best])
                best = k;
        return counts[best] > 0 ? candidates[best] : QChar();
    }
    return {};
}

// Fields as spreadsheets write them: a field that starts with a quote ends at the next lone
// quote, a doubled quote inside stands for one, separators and line breaks inside are text.
QList<Record> records(const QString &text, QChar separator)
{
    QList<Record> out;
    int line = 1;
    Record record{line, {}, false};
    QString field;
    bool quoted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
                if (isLineEnd(text, i))
                    ++line;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            record.fields.append(field);
            field.clear();
        } else if (isLineEnd(text, i)) {
            record.fields.append(field);
            out.append(record);
            field.clear();
            record = Record{++line, {}, false};
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.fields.isEmpty()) {
        record.fields.append(field);
        record.unclosed = quoted;
        out.append(record);
    }
    return out;
}

// A header cell reduced to its letters, without accents, in lower case.
QString headerKey(const QString &cell)
{
    QString key;
    for (const QChar c : cell.normalized(QString::NormalizationForm_D))
        if (c.isLetter())
            key += c.toLower();
    return key;
}

bool isSurnameTitle(const QString &key)
{
    static const QStringList titles = {QStringLiteral("nom"), QStringLiteral("nomdefamille"), QStringLiteral("surname"),
                                       QStringLiteral("lastname"), QStringLiteral("familyname")};
    return titles.contains(key);
}

bool isFirstNameTitle(const QString &key)
{
    static const QStringList titles = {QStringLiteral("prenom"), QStringLiteral("firstname"),
                                       QStringLiteral("givenname"), QStringLiteral("forename")};
    return titles.contains(key);
}

bool blank(const Record &record)
{
    for (const QString &field : record.fields)
        if (!cleaned(field).isEmpty())
            return false;
    return !record.unclosed;
}

QString unclosedQuote()
{
    return QStringLiteral("Un guillemet ouvert n'est jamais fermé : la suite du fichier est illisible.");
}

Candidate splitName(int line, const QString &text)
{
    const entries::EditTexts parts = entries::editTextsOf(text);
    return {line, parts.surname, parts.firstName.isNull() ? QString() : parts.firstName, {}};
}

// The names of a spreadsheet export; an error when its header names no surname column.
QList<Candidate> spreadsheetNames(const QString &text, QChar separator, QString &error)
{
    const QList<Record> all = records(text, separator);
    QList<Candidate> names;
    int surnameColumn = 0, firstNameColumn = 1;
    bool headerSeen = false;
    for (const Record &record : all) {
        if (blank(record))
            continue;
        if (!headerSeen) {
            headerSeen = true;
            int surname = -1, firstName = -1;
            for (int k = 0; k < record.fields.size(); ++k) {
                const QString key = headerKey(record.fields[k]);
                if (surname < 0 && isSurnameTitle(key))
                    surname = k;
                else if (firstName < 0 && isFirstNameTitle(key))
                    firstName = k;
            }
            if (surname >= 0 || firstName >= 0) {
                if (surname < 0) {
                    error = QStringLiteral("La ligne d'en-tête a une colonne du prénom mais aucune colonne du nom "
                                           "(« Nom »).");
                    return {};
                }
                surnameColumn = surname;
                firstNameColumn = firstName;
                continue;
            }
        }
        Candidate candidate{record.line, cleaned(record.fields.value(surnameColumn)), {}, {}};
        if (firstNameColumn >= 0)
            candidate.firstName = cleaned(record.fields.value(firstNameColumn));
        else // one column holds the whole name, as the printed player list does
            candidate = splitName(record.line, candidate.surname);
        if (record.unclosed)
            candidate.unreadable = unclosedQuote();
        else if (candidate.surname.isEmpty() && candidate.firstName.isEmpty())
            continue; // other columns only
        names.append(candidate);
    }
    return names;
}

// One "NOM Prénom" a line, split as the register's double click splits an entry.
QList<Candidate> plainNames(const QStringList &lines)
{
    QList<Candidate> names;
    for (int i = 0; i < lines.size(); ++i) {
        const QString text = cleaned(lines[i]);
        if (!text.isEmpty())
            names.append(splitName(i + 1, text));
    }
    return names;
}

// The [INSCRITS] section of a tournament file (the last one, as Open restores it).
QList<Candidate> registerNames(const QByteArray &content, const QString &name, QString &error)
{
    QList<Section> sections;
    if (!parseTournament(content, sections)) {
        error = QStringLiteral("Le fichier « %1 » n'est pas un fichier tournoi lisible.").arg(name);
        return {};
    }
    const QStringList lines = splitLines(content);
    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].compare(QLatin1String("[INSCRITS]"), Qt::CaseInsensitive) == 0)
            header = i;
    if (header < 0) {
        error = QStringLiteral("Le fichier tournoi « %1 » n'a aucun joueur inscrit.").arg(name);
        return {};
    }
    QList<Candidate> names;
    for (qsizetype i = header + 1; i < lines.size() && !lines[i].startsWith(QLatin1Char('[')); ++i) {
        if (entries::isEmptyChair(lines[i]))
            continue;
        const QString text = cleaned(lines::nameOfEntry(lines[i]).toString());
        if (!text.isEmpty())
            names.append(splitName(int(i + 1), text));
    }
    return names;
}

QString shown(const QString &text)
{
    constexpr qsizetype longest = 60;
    return text.size() > longest ? text.left(longest) + QChar(0x2026) : text;
}

Report judged(const QList<Candidate> &names, const QStringList &playerRegisterList, const QString &name)
{
    Report report;
    struct Accepted
    {
        QString entry;
        int line;
    };
    QList<Accepted> accepted;
    for (const Candidate &candidate : names) {
        const QString typed = (candidate.surname + QLatin1Char(' ') + candidate.firstName).trimmed();
        QString why = candidate.unreadable;
        if (why.isEmpty() && entries::isEmptyChair(QLatin1Char(' ') + typed + QLatin1Char(' ')))
            why = QStringLiteral("Une chaise vide n'est pas un joueur.");
        if (why.isEmpty())
            why = entries::refusalOfName(candidate.surname, candidate.firstName);
        if (!why.isEmpty()) {
            report.refused.append({candidate.line, shown(typed), why});
            continue;
        }
        accepted.append({entries::entryToAdd(candidate.surname, candidate.firstName), candidate.line});
    }
    // Sorted as the register sorts, the names that compare equal stand together, in file order.
    std::stable_sort(accepted.begin(), accepted.end(),
                     [](const Accepted &a, const Accepted &b) { return entries::less(a.entry, b.entry); });
    QStringList registered = playerRegisterList;
    entries::sort(registered);
    for (qsizetype i = 0; i < accepted.size(); ++i) {
        const Accepted &a = accepted[i];
        if (entries::isRegistered(registered, a.entry))
            report.skipped.append({a.line, a.entry, false});
        else if (i > 0 && entries::compare(accepted[i - 1].entry, a.entry) == 0)
            report.skipped.append({a.line, a.entry, true});
        else
            report.added.append(a.entry);
    }
    std::stable_sort(report.skipped.begin(), report.skipped.end(),
                     [](const Skipped &a, const Skipped &b) { return a.line < b.line; });
    if (report.added.isEmpty() && report.skipped.isEmpty()) {
        Report none;
        none.error = QStringLiteral("Le fichier « %1 » ne contient aucun nom de joueur utilisable.").arg(name);
        if (!report.refused.isEmpty())
            none.error +=
                QStringLiteral("\nLigne %1 : %2").arg(report.refused.first().line).arg(report.refused.first().reason);
        return none;
    }
    return report;
}

} // namespace

Report read(const QByteArray &content, bool tournamentFile, const QStringList &playerRegisterList, const QString &name)
{
    Report report;
    if (isBinary(content)) {
        report.error = QStringLiteral("Le fichier « %1 » n'est pas une liste de joueurs : il contient des données "
                                      "binaires.")
                           .arg(name);
        return report;
    }
    QList<Candidate> names;
    if (tournamentFile) {
        names = registerNames(content, name, report.error);
    } else {
        const QString text = decoded(content);
        const QChar separator = separatorOf(physicalLines(text));
        names = separator.isNull() ? plainNames(physicalLines(text)) : spreadsheetNames(text, separator, report.error);
    }
    if (!report.error.isEmpty())
        return report;
    return judged(names, playerRegisterList, name);
}

Report readFile(const QString &path, const QStringList &playerRegisterList)
{
    const QString name = QFileInfo(path).fileName();
    const bool tournamentFile = name.endsWith(QLatin1String(".trt"), Qt::CaseInsensitive);
    Report report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report.error = QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(path, file.errorString());
        return report;
    }
    const qint64 largest = tournamentFile ? largestTournamentFile : largestList;
    if (file.size() > largest) {
        report.error = QStringLiteral("Le fichier « %1 » est trop gros pour être une liste de joueurs (plus de %2 Mo).")
                           .arg(name)
                           .arg(largest / (1024 * 1024));
        return report;
    }
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report.error = QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(path, file.errorString());
        return report;
    }
    return read(content, tournamentFile, playerRegisterList, name);
}

QString summary(const Report &report)
{
    QString text = report.added.isEmpty()
                       ? QStringLiteral("Aucun joueur ne sera ajouté à la liste des inscrits.")
                       : plural(report.added.size(), QStringLiteral("%1 joueur sera ajouté à la liste des inscrits."),
                                QStringLiteral("%1 joueurs seront ajoutés à la liste des inscrits."));
    if (!report.skipped.isEmpty())
        text += QLatin1Char('\n') + plural(report.skipped.size(),
                                           QStringLiteral("%1 nom déjà inscrit ou en double sera ignoré."),
                                           QStringLiteral("%1 noms déjà inscrits ou en double seront ignorés."));
    if (!report.refused.isEmpty())
        text += QLatin1Char('\n') + plural(report.refused.size(), QStringLiteral("%1 ligne est refusée."),
                                           QStringLiteral("%1 lignes sont refusées."));
    return text;
}

QString details(const Report &report)
{
    QStringList lines;
    if (!report.added.isEmpty()) {
        lines << QStringLiteral("Joueurs ajoutés :");
        for (const QString &entry : report.added)
            lines << QStringLiteral("  ") + entry;
    }
    if (!report.skipped.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QStringLiteral("Noms ignorés :");
        for (const Skipped &s : report.skipped)
            lines << QStringLiteral("  ligne %1 : %2 (%3)")
                         .arg(s.line)
                         .arg(s.entry, s.inFile ? QStringLiteral("déjà plus haut dans le fichier")
                                                : QStringLiteral("déjà inscrit"));
    }
    if (!report.refused.isEmpty()) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QStringLiteral("Lignes refusées :");
        for (const Refused &r : report.refused)
            lines << QStringLiteral("  ligne %1 : « %2 » : %3").arg(r.line).arg(r.text, r.reason);
    }
    return lines.join(QLatin1Char('\n'));
}

Outcome addPlayers(Tournament &state, const QStringList &added)
{
    // Each after the entries it equals, as insertSorted places it.
    QStringList lines = state.playerRegisterList() + added;
    entries::sort(lines);
    return state.setRegister(lines);
}

} // namespace playerimport
