#include "season/season.h"

#include "platform/platform.h"
#include "platform/workingfiles.h"
#include "players/entries.h"
#include "print/pagelayout.h"
#include "rankings/ranking.h"
#include "store/tournamentfile.h"
#include "tournament/plural.h"

#include <QBitArray>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>
#include <numeric>

namespace season {

namespace {

// Far beyond any season (a thousand tournaments take 100 KB).
constexpr qint64 largestSeasonFile = 1024 * 1024;

qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

// The date of [INITIAL] as the director typed it: day, month, year in the French order.
QDate dateOf(const QString &text)
{
    static const char *const formats[] = {"dd/MM/yyyy", "d/M/yyyy",   "dd/MM/yy",  "d/M/yy",
                                          "dd.MM.yyyy", "dd-MM-yyyy", "yyyy-MM-dd"};
    const QString trimmed = text.trimmed();
    for (const char *format : formats) {
        QDate date = QDate::fromString(trimmed, QString::fromLatin1(format));
        if (date.isValid()) {
            if (date.year() < 100) // "dd/MM/yy" reads 1900 + yy
                date = date.addYears(100);
            return date;
        }
    }
    return {};
}

// The counted evenings in date order; a date that cannot be read comes last, in the order added.
QList<int> dateOrder(const Season &season)
{
    QList<int> order;
    for (int i = 0; i < season.evenings.size(); ++i)
        if (season.evenings[i].counts())
            order.append(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const QDate da = dateOf(season.evenings[a].date), db = dateOf(season.evenings[b].date);
        if (da.isValid() != db.isValid())
            return da.isValid();
        return da.isValid() && da < db;
    });
    return order;
}

bool withinOneEdit(const QString &a, const QString &b)
{
    const qsizetype la = a.size(), lb = b.size();
    if (la > lb)
        return withinOneEdit(b, a);
    if (lb - la > 1)
        return false;
    qsizetype i = 0;
    while (i < la && a[i] == b[i])
        ++i;
    if (la == lb) // one substitution at most
        return i == la || QStringView(a).mid(i + 1) == QStringView(b).mid(i + 1);
    return QStringView(a).mid(i) == QStringView(b).mid(i + 1); // one insertion
}

// The players of the counted evenings, as the register tells them apart, joined by the merges.
class Grouping
{
public:
    explicit Grouping(const Season &season) : columns(dateOrder(season))
    {
        for (int c = 0; c < columns.size(); ++c)
            for (const Evening::Result &result : season.evenings[columns[c]].results)
                if (!m_idOf.contains(result.name)) {
                    m_idOf.insert(result.name, int(names.size()));
                    names.append(result.name);
                }
        // Names the register compares equal are one player: sorted, they stand side by side.
        m_sorted.resize(names.size());
        std::iota(m_sorted.begin(), m_sorted.end(), 0);
        std::stable_sort(m_sorted.begin(), m_sorted.end(),
                         [&](int a, int b) { return entries::less(names[a], names[b]); });
        groupOfName.resize(names.size());
        QList<int> firstOfGroup;
        for (qsizetype i = 0; i < m_sorted.size(); ++i) {
            const int id = m_sorted[i];
            if (i == 0 || entries::compare(names[m_sorted[i - 1]], names[id]) != 0)
                firstOfGroup.append(id);
            groupOfName[id] = int(firstOfGroup.size()) - 1;
        }
        // A group is shown with its first name met, in date order.
        representative.fill(-1, firstOfGroup.size());
        for (int id = 0; id < names.size(); ++id)
            if (representative[groupOfName[id]] < 0)
                representative[groupOfName[id]] = id;
        m_parent.resize(firstOfGroup.size());
        std::iota(m_parent.begin(), m_parent.end(), 0);
        for (const NamePair &merge : season.merges) {
            const int a = groupOf(merge.first), b = groupOf(merge.second);
            if (a >= 0 && b >= 0)
                m_parent[find(a)] = find(b);
        }
    }

    // The register group of a name, -1 when no counted evening has it.
    int groupOf(const QString &name) const
    {
        const auto it = m_idOf.constFind(name);
        if (it != m_idOf.constEnd())
            return groupOfName[*it];
        const auto found = std::lower_bound(m_sorted.begin(), m_sorted.end(), name,
                                            [&](int id, const QString &n) { return entries::less(names[id], n); });
        if (found == m_sorted.end() || entries::compare(names[*found], name) != 0)
            return -1;
        return groupOfName[*found];
    }
    int find(int group)
    {
        while (m_parent[group] != group)
            group = m_parent[group] = m_parent[m_parent[group]];
        return group;
    }
    // The player (merged group) of a name met in an evening.
    int player(const QString &name) { return find(groupOfName[m_idOf.value(name)]); }
    int groupCount() const { return int(m_parent.size()); }

private:
    QHash<QString, int> m_idOf;
    QList<int> m_sorted;
    QList<int> m_parent;

public:
    QList<int> columns;
    QStringList names;         // every distinct name, in the order met
    QList<int> groupOfName;    // the register group of each name
    QList<int> representative; // the first name of each group
};

} // namespace

Evening readEvening(const QString &path)
{
    Evening evening;
    evening.path = QFileInfo(path).absoluteFilePath();
    const TournamentFileRead read = readTournamentFile(path);
    if (read.corrupt) {
        evening.refusal = QFileInfo::exists(path)
                              ? QStringLiteral("fichier corrompu, ce n'est pas un fichier de tournoi")
                              : QStringLiteral("fichier introuvable");
        return evening;
    }
    if (!read.outcome.ok()) {
        evening.refusal = read.outcome.error;
        return evening;
    }
    Tournament tournament;
    const TakenUp taken = takeUpSections(tournament, read.sections);
    evening.date = taken.date;
    evening.place = taken.place;
    if (!taken.outcome.ok()) {
        evening.refusal = taken.outcome.error;
        return evening;
    }
    evening.players = int(std::count_if(tournament.playerRegisterList().begin(), tournament.playerRegisterList().end(),
                                        [](const QString &line) { return !entries::isEmptyChair(line); }));
    evening.finishedRounds = int(tournament.finishedRounds().size());

    // The general ranking as its window shows it, with PCN whenever the window offers it.
    RankingTable table = buildGeneralRanking(tournament);
    evening.pcn = ranking::pcnAvailable(tournament, table);
    if (evening.pcn)
        ranking::setPcn(table, true, tournament.tableCount());
    if (ranking::saysNoRanking(table))
        return evening;
    evening.results.reserve(table.size());
    for (const QStringList &row : table.rows()) {
        const QString name = row[0].trimmed();
        if (name.isEmpty() || entries::mentionsEmptyChair(row[0]))
            continue;
        Evening::Result result;
        result.name = name;
        result.excluded = row[2] == ranking::excluded;
        result.score = ranking::value(row[2]);
        result.pcn = evening.pcn ? int(ranking::value(row.value(3))) : 0;
        evening.results.append(result);
    }
    return evening;
}

QStringList tournamentFilesIn(const QString &folder)
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString &name : dir.entryList({QStringLiteral("*.trt")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        paths.append(dir.absoluteFilePath(name));
    return paths;
}

QString folded(const QString &name)
{
    QString out;
    out.reserve(name.size());
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            out.append(QChar(u >= u'a' && u <= u'z' ? u - 32 : u));
        else if (u == u'œ' || u == u'Œ')
            out.append(QLatin1String("OE"));
        else if (u == u'æ' || u == u'Æ')
            out.append(QLatin1String("AE"));
        else if (u == u'ß')
            out.append(QLatin1String("SS"));
        // combining accents and other marks are dropped
    }
    return out;
}

bool probableDuplicate(const QString &a, const QString &b)
{
    return entries::compare(a, b) != 0 && withinOneEdit(folded(a), folded(b));
}

Standing rank(const Season &season)
{
    Grouping grouping(season);
    Standing standing;
    standing.columns = grouping.columns;
    standing.rule = season.rule;
    standing.header = {QStringLiteral("Joueur"), QStringLiteral("Tournois")};
    for (int c : std::as_const(standing.columns)) {
        const Evening &evening = season.evenings[c];
        standing.header.append(evening.date.trimmed().isEmpty() ? QFileInfo(evening.path).completeBaseName()
                                                                : evening.date.trimmed());
    }
    standing.header.append(QStringLiteral("Total"));
    if (!standing.columns.isEmpty()) {
        standing.firstDate = season.evenings[standing.columns.first()].date.trimmed();
        standing.lastDate = season.evenings[standing.columns.last()].date.trimmed();
    }

    // Each player's result in each evening, players in the order first met.
    const qsizetype columns = standing.columns.size();
    QHash<int, int> rowOf;
    QList<QList<const Evening::Result *>> results;
    for (qsizetype c = 0; c < columns; ++c)
        for (const Evening::Result &result : season.evenings[standing.columns[c]].results) {
            const int player = grouping.player(result.name);
            auto it = rowOf.find(player);
            if (it == rowOf.end()) {
                it = rowOf.insert(player, int(standing.rows.size()));
                standing.rows.append({result.name, 0, 0, QStringList(columns, QString())});
                results.append(QList<const Evening::Result *>(columns, nullptr));
            }
            // Two names of one evening merged: the first ranked keeps the evening.
            if (!results[*it][c])
                results[*it][c] = &result;
        }

    const bool pcn = season.rule.measure == Measure::Pcn;
    for (qsizetype r = 0; r < standing.rows.size(); ++r) {
        Standing::Row &row = standing.rows[r];
        QList<qsizetype> counted;
        for (qsizetype c = 0; c < columns; ++c) {
            const Evening::Result *result = results[r][c];
            if (!result)
                continue;
            ++row.played;
            if (result->excluded)
                row.cells[c] = ranking::excluded;
            else
                counted.append(c);
        }
        auto valueAt = [&](qsizetype c) { return pcn ? qint64(results[r][c]->pcn) : results[r][c]->score; };
        if (season.rule.best > 0 && counted.size() > season.rule.best) {
            std::stable_sort(counted.begin(), counted.end(),
                             [&](qsizetype a, qsizetype b) { return valueAt(a) > valueAt(b); });
            for (qsizetype k = season.rule.best; k < counted.size(); ++k)
                row.cells[counted[k]] = QStringLiteral("(%1)").arg(valueAt(counted[k]));
            counted.resize(season.rule.best);
        }
        for (qsizetype c : std::as_const(counted)) {
            row.cells[c] = QString::number(valueAt(c));
            row.total = saturatingAdd(row.total, valueAt(c));
        }
        row.rank = counted.isEmpty() ? 0 : 1; // ranked or not, numbered once sorted
    }
    // By total, as the general ranking sorts its scores (floored at -32767), ties kept in order;
    // a player excluded from every evening he played comes after them, with no rank.
    std::stable_sort(standing.rows.begin(), standing.rows.end(), [](const Standing::Row &a, const Standing::Row &b) {
        if (a.rank != b.rank)
            return a.rank > b.rank;
        return std::max<qint64>(a.total, -32767) > std::max<qint64>(b.total, -32767);
    });
    int rank = 0;
    for (Standing::Row &row : standing.rows)
        row.rank = row.rank > 0 ? ++rank : 0;
    return standing;
}

QList<NamePair> probableDuplicates(const Season &season)
{
    Grouping grouping(season);
    const int groups = grouping.groupCount();
    QSet<QPair<int, int>> decided;
    for (const NamePair &pair : season.keptApart) {
        const int a = grouping.groupOf(pair.first), b = grouping.groupOf(pair.second);
        if (a >= 0 && b >= 0)
            decided.insert({std::min(a, b), std::max(a, b)});
    }
    // The evenings of each player: two names of one evening are two players.
    QList<QBitArray> played(groups, QBitArray(int(grouping.columns.size())));
    for (int c = 0; c < grouping.columns.size(); ++c)
        for (const Evening::Result &result : season.evenings[grouping.columns[c]].results)
            played[grouping.player(result.name)].setBit(c);

    QStringList foldedNames;
    QList<int> byLength(groups);
    for (int g = 0; g < groups; ++g)
        foldedNames.append(folded(grouping.names[grouping.representative[g]]));
    std::iota(byLength.begin(), byLength.end(), 0);
    std::stable_sort(byLength.begin(), byLength.end(),
                     [&](int a, int b) { return foldedNames[a].size() < foldedNames[b].size(); });
    QList<NamePair> pairs;
    for (int i = 0; i < groups; ++i)
        for (int j = i + 1; j < groups && foldedNames[byLength[j]].size() <= foldedNames[byLength[i]].size() + 1; ++j) {
            const int a = std::min(byLength[i], byLength[j]), b = std::max(byLength[i], byLength[j]);
            const int pa = grouping.find(a), pb = grouping.find(b);
            if (pa == pb || decided.contains({a, b}) || (played[pa] & played[pb]).count(true) > 0)
                continue;
            if (!withinOneEdit(foldedNames[a], foldedNames[b]))
                continue;
            pairs.append({grouping.names[grouping.representative[a]], grouping.names[grouping.representative[b]]});
        }
    return pairs;
}

QList<Decision> decisions(const Season &season)
{
    QList<Decision> list;
    for (const NamePair &pair : season.merges)
        list.append({pair, true});
    for (const NamePair &pair : season.keptApart)
        list.append({pair, false});
    return list;
}

void takeBack(Season &season, qsizetype decision)
{
    if (decision < 0)
        return;
    if (decision < season.merges.size())
        season.keptApart.append(season.merges.takeAt(decision));
    else if (decision - season.merges.size() < season.keptApart.size())
        season.keptApart.removeAt(decision - season.merges.size());
}

QString title(const Standing &standing)
{
    QString text = QStringLiteral("Classement de la saison");
    if (standing.firstDate.isEmpty() && standing.lastDate.isEmpty())
        return text;
    if (standing.firstDate == standing.lastDate)
        return text + QStringLiteral(" du ") + standing.firstDate;
    return text + QStringLiteral(" du ") + standing.firstDate + QStringLiteral(" au ") + standing.lastDate;
}

QString ruleLine(const Standing &standing)
{
    const qsizetype count = standing.columns.size();
    QString line =
        plural(count, QStringLiteral("%1 tournoi"), QStringLiteral("%1 tournois")) +
        (standing.rule.measure == Measure::Pcn ? QStringLiteral(" — somme des points PCN")
                                               : QStringLiteral(" — somme des scores du classement général"));
    if (standing.rule.best == 1)
        line += QStringLiteral(", le meilleur résultat de chaque joueur");
    else if (standing.rule.best > 1)
        line += QStringLiteral(", les %1 meilleurs résultats de chaque joueur").arg(standing.rule.best);
    return line;
}

// The season file:
//   [SAISON]
//   REGLE=SCORES or PCN
//   MEILLEURS=k (0: every result)
//   [TOURNOIS]      one path a line, relative to the season file's folder when below it
//   [FUSIONS]       "name<TAB>name": one player
//   [DISTINCTS]     "name<TAB>name": two players
// UTF-8 rather than Windows-1252: it holds paths, which may use any character the system allows.
QByteArray seasonBytes(const Season &season, const QString &seasonPath)
{
    const QDir folder = QFileInfo(seasonPath).absoluteDir();
    QStringList lines = {QStringLiteral("[SAISON]"),
                         QStringLiteral("REGLE=") +
                             (season.rule.measure == Measure::Pcn ? QStringLiteral("PCN") : QStringLiteral("SCORES")),
                         QStringLiteral("MEILLEURS=%1").arg(season.rule.best), QStringLiteral("[TOURNOIS]")};
    for (const Evening &evening : season.evenings) {
        const QString relative = folder.relativeFilePath(evening.path);
        const bool below = !relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative);
        lines.append(below ? relative : QDir::cleanPath(evening.path));
    }
    auto pairs = [&](const char *header, const QList<NamePair> &list) {
        lines.append(QString::fromLatin1(header));
        for (const NamePair &pair : list)
            lines.append(pair.first + QLatin1Char('\t') + pair.second);
    };
    pairs("[FUSIONS]", season.merges);
    pairs("[DISTINCTS]", season.keptApart);
    QByteArray bytes;
    for (const QString &line : std::as_const(lines))
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

Outcome saveSeason(const Season &season, const QString &seasonPath)
{
    const QString reason = replaceFile(seasonPath, seasonBytes(season, seasonPath));
    if (!reason.isEmpty())
        return Outcome::failure(
            QStringLiteral("Impossible d'enregistrer la saison dans « %1 » : %2").arg(seasonPath, reason));
    return Outcome::success();
}

OpenedSeason openSeason(const QString &seasonPath)
{
    OpenedSeason opened;
    QFile file(seasonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        opened.outcome = Outcome::failure(
            QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(seasonPath, file.errorString()));
        return opened;
    }
    const QStringList lines =
        file.size() > largestSeasonFile ? QStringList() : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first().trimmed() != QLatin1String("[SAISON]")) {
        opened.outcome =
            Outcome::failure(QStringLiteral("Le fichier « %1 » n'est pas un fichier de saison : il n'a pas été ouvert.")
                                 .arg(seasonPath));
        return opened;
    }
    const QDir folder = QFileInfo(seasonPath).absoluteDir();
    QString section;
    QSet<QString> paths;
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.startsWith(QLatin1Char('['))) {
            section = line.trimmed();
            continue;
        }
        if (line.trimmed().isEmpty())
            continue;
        if (section == QLatin1String("[SAISON]")) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            const QString key = line.left(eq).trimmed(), value = line.mid(eq + 1).trimmed();
            if (key == QLatin1String("REGLE"))
                opened.season.rule.measure = value == QLatin1String("PCN") ? Measure::Pcn : Measure::Score;
            else if (key == QLatin1String("MEILLEURS"))
                opened.season.rule.best = std::clamp(value.toInt(), 0, 999);
        } else if (section == QLatin1String("[TOURNOIS]")) {
            const QString path = QDir::cleanPath(folder.absoluteFilePath(line));
            if (paths.contains(path))
                continue;
            paths.insert(path);
            opened.season.evenings.append(readEvening(path));
            if (!QFileInfo::exists(path))
                opened.missing.append(path);
        } else if (section == QLatin1String("[FUSIONS]") || section == QLatin1String("[DISTINCTS]")) {
            const QStringList names = line.split(QLatin1Char('\t'));
            if (names.size() != 2 || names[0].trimmed().isEmpty() || names[1].trimmed().isEmpty())
                continue;
            (section == QLatin1String("[FUSIONS]") ? opened.season.merges : opened.season.keptApart)
                .append({names[0].trimmed(), names[1].trimmed()});
        }
    }
    return opened;
}

QString missingMessage(const QStringList &missing)
{
    QStringList names;
    for (const QString &path : missing)
        names.append(QStringLiteral("« %1 »").arg(QDir::toNativeSeparators(path)));
    return (missing.size() == 1 ? QStringLiteral("Ce tournoi de la saison est introuvable : ")
                                : QStringLiteral("Ces tournois de la saison sont introuvables : ")) +
           names.join(QStringLiteral(", ")) +
           QStringLiteral(".\r\nIls ne comptent pas dans le classement ; les autres tournois sont gardés.");
}

exporting::Table exportTable(const Standing &standing)
{
    exporting::Table table;
    table.title = title(standing);
    table.tournament = ruleLine(standing);
    table.ranked = true;
    table.header = standing.header;
    for (const Standing::Row &row : standing.rows) {
        table.rows.append(QStringList{row.name, QString::number(row.played)} + row.cells +
                          QStringList{QString::number(row.total)});
        table.ranks.push_back(row.rank);
    }
    return table;
}

namespace {

// The evenings' headers as printed: "dd/MM" when every evening has a date and the season spans
// less than a year (the title gives the years), else as shown.
QStringList printedHeaders(const Standing &standing)
{
    QStringList headers = standing.header.mid(2, standing.columns.size());
    const QDate first = dateOf(standing.firstDate), last = dateOf(standing.lastDate);
    if (!first.isValid() || !last.isValid() || first.daysTo(last) >= 365)
        return headers;
    QStringList shortened;
    for (const QString &header : std::as_const(headers)) {
        const QDate date = dateOf(header);
        if (!date.isValid())
            return headers;
        shortened.append(date.toString(QStringLiteral("dd/MM")));
    }
    return shortened;
}

// Consecutive evenings in groups that each fit `room` beside the columns every page repeats,
// as even as they can be: [first, end) of each group.
QList<QPair<int, int>> groupsThatFit(const QList<int> &widths, int room)
{
    const int n = int(widths.size());
    for (int groups = 1; groups <= std::max(1, n); ++groups) {
        QList<QPair<int, int>> split;
        bool fits = true;
        for (int g = 0, begin = 0; g < groups; ++g) {
            const int end = int(qint64(n) * (g + 1) / groups);
            const int used = std::accumulate(widths.begin() + begin, widths.begin() + end, 0);
            fits = fits && (used <= room || end - begin <= 1);
            split.append({begin, end});
            begin = end;
        }
        if (fits)
            return split;
    }
    return {{0, n}};
}

} // namespace

bool print(Canvas &canvas, const PrintFont &font, const Standing &standing)
{
    // Many evenings do not shrink the print: their columns go over several groups of pages, each
    // repeating rank, name, tournaments played and total, each page its header row.
    const QString measure = QStringLiteral("Classement de la saison");
    PageLayout page(canvas, font, measure);
    if (!page.begin())
        return false;
    const exporting::Table table = exportTable(standing);
    const qsizetype columns = standing.columns.size();
    const QStringList evenings = printedHeaders(standing);
    const int gap = canvas.textWidth(QStringLiteral("  "));
    auto widest = [&](qsizetype k, const QString &header) {
        int w = canvas.textWidth(header);
        for (const QStringList &row : table.rows)
            w = std::max(w, canvas.textWidth(row[k]));
        return w + gap;
    };
    const int nameX = std::max(100, 20 + canvas.textWidth(QString::number(table.rows.size())) + gap);
    const int nameWidth = widest(0, table.header[0]);
    const int playedWidth = widest(1, table.header[1]);
    const int totalWidth = widest(columns + 2, table.header.last());
    QList<int> widths;
    for (qsizetype c = 0; c < columns; ++c)
        widths.append(widest(c + 2, evenings[c]));
    const int right = page.width() - 20; // numbers end there, inside the frame
    const QList<QPair<int, int>> groups = groupsThatFit(widths, right - nameX - nameWidth - playedWidth - totalWidth);

    for (qsizetype g = 0; g < groups.size(); ++g) {
        // Plain names: a lambda below reads them (clang refuses structured bindings there).
        const int begin = groups[g].first, end = groups[g].second;
        if (g > 0)
            page.nextPage();
        QString heading = title(standing);
        if (groups.size() > 1)
            heading += QStringLiteral(" — tournois %1 à %2 sur %3").arg(begin + 1).arg(end).arg(columns);
        page.title(heading, measure, 2);
        page.startRows(3);
        canvas.drawText(nameX, page.nextRow(), table.tournament);
        // The right edge of each numeric column, numbers set flush right; a few evenings spread
        // over the page rather than crowd its left side.
        const int used = nameX + nameWidth + playedWidth + totalWidth +
                         std::accumulate(widths.begin() + begin, widths.begin() + end, 0);
        const int spread =
            std::clamp((right - used) / (end - begin + 2), 0, canvas.textWidth(QStringLiteral("00000000")));
        QList<int> ends = {nameX + nameWidth + playedWidth + spread};
        for (int c = begin; c < end; ++c)
            ends.append(ends.last() + widths[c] + spread);
        ends.append(ends.last() + totalWidth + spread);
        auto drawRow = [&](const QString &rank, const QStringList &cells, const QStringList &heads) {
            const int y = page.nextRow();
            canvas.drawText(20, y, rank);
            canvas.drawText(nameX, y, cells[0]);
            QStringList numbers = {cells[1]};
            for (int c = begin; c < end; ++c)
                numbers.append(heads.isEmpty() ? cells[c + 2] : heads[c]);
            numbers.append(cells.last());
            for (qsizetype k = 0; k < numbers.size(); ++k)
                canvas.drawText(ends[k] - canvas.textWidth(numbers[k]), y, numbers[k]);
        };
        for (qsizetype r = 0; r < table.rows.size(); ++r) {
            if (r == 0 || page.slot() == 0)
                drawRow(QString(), table.header, evenings);
            const int rank = table.ranks[size_t(r)];
            drawRow(rank > 0 ? QString::number(rank) : QString(), table.rows[r], {});
            if (r + 1 < table.rows.size()) // no empty page after a group's last row
                page.breakIfFull();
        }
        if (table.rows.isEmpty())
            drawRow(QString(), table.header, evenings);
    }
    page.finish();
    return true;
}

Outcome exportStanding(const Standing &standing, const PrintFont &font, exporting::Format format, const QString &path)
{
    if (format == exporting::Format::Pdf)
        return exporting::writePdf(path, [&](Canvas &canvas) { return print(canvas, font, standing); });
    const exporting::Table table = exportTable(standing);
    return exporting::writeBytes(path,
                                 format == exporting::Format::Csv ? exporting::csv(table) : exporting::html(table));
}

} // namespace season
