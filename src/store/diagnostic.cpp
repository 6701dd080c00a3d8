#include "store/diagnostic.h"
#include "tournament/lines.h"
#include "tournament/workingfilenames.h"

#include "platform/workingfiles.h"
#include "rankings/ranking.h"

#include <QLocale>
#include <QSet>

namespace {

const QString attention = QStringLiteral(" *** ATTENTION ***");

QString stamp(const QDateTime &now)
{
    return QLocale(QLocale::French, QLocale::France).toString(now, QLocale::ShortFormat);
}

// Steps 4 and 5: how many players the files register and seat; P, the seats every round must fill.
qsizetype checkRegistration(const WorkingFiles &files, QStringList &report, Outcome &outcome)
{
    QStringList registered, seated;
    outcome = files.readIfPresent(workingfile::registered, registered);
    if (!outcome.ok())
        return 0;
    const qsizetype i = registered.size();
    if (!files.exists(workingfile::positions)) {
        report << QStringLiteral("Les positions sont absentes.*** ATTENTION ***");
        report << QStringLiteral("%1 joueurs inscrits.").arg(i);
        return i;
    }
    outcome = files.read(workingfile::positions, seated);
    if (!outcome.ok())
        return 0;
    const qsizetype p = seated.size();
    if (!files.exists(workingfile::registered)) {
        report << QStringLiteral("Les inscriptions sont absentes.*** ATTENTION ***");
        return p;
    }
    const qsizetype d = p - i;
    if (d < 0)
        report << QStringLiteral("%1 joueurs sans position !*** ATTENTION ***").arg(-d);
    else if (d > 3)
        report << QStringLiteral("%1 joueurs perdus !*** ATTENTION ***").arg(d);
    else
        report << QStringLiteral("%1 joueurs inscrits. OK").arg(i);
    return p;
}

// The seats a round's lines name: every seat letter, table number and "=" they contain.
QSet<QString> seatKeys(const QStringList &lines)
{
    QSet<QString> keys;
    auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    for (const QString &line : lines)
        for (qsizetype eq = line.indexOf(QLatin1Char('=')); eq >= 0; eq = line.indexOf(QLatin1Char('='), eq + 1)) {
            qsizetype first = eq;
            while (first > 0 && isDigit(line.at(first - 1)))
                --first;
            if (first > 0 && first < eq && line.at(first) != QLatin1Char('0') &&
                QStringLiteral("NOES").contains(line.at(first - 1)))
                keys.insert(line.mid(first - 1, eq - first + 1));
        }
    return keys;
}

// Step 6 for one finished round.
void checkRound(int n, const QStringList &lines, qsizetype seats, QStringList &report)
{
    const QString counted = QStringLiteral("tour n°%1 : %2 scores.").arg(n).arg(lines.size());
    if (lines.size() == seats) {
        report << counted + QStringLiteral("OK");
    } else {
        report << counted + attention;
        const QSet<QString> keys = seatKeys(lines);
        bool missing = false;
        for (qsizetype t = 1; t <= seats / 4; ++t)
            for (const char seat : {'N', 'O', 'E', 'S'}) {
                const QString code = QLatin1Char(seat) + QString::number(t);
                if (!keys.contains(code)) {
                    report << code + QStringLiteral(" non trouvé");
                    missing = true;
                }
            }
        if (missing)
            report << QStringLiteral("Ce fichier doit être corrigé.");
    }
    qint64 total = 0;
    for (const QString &line : lines) {
        const lines::KeyValue s = lines::splitAtFirstEquals(line);
        bool number = false;
        const int score = s.hasEquals ? s.text.toInt(&number) : 0;
        if (number)
            total += score;
    }
    if (total != 0)
        report << QStringLiteral("total des scores : %1").arg(total) + attention;
    else
        report << QStringLiteral("Scores vérifiés OK.");
}

// Steps 6 to 10, once the registration is checked.
Outcome checkRounds(const WorkingFiles &files, qsizetype seats, QStringList &report)
{
    QStringList lines;
    int rounds = 0;
    for (int n = 1; files.exists(workingfile::finishedRound(n)); ++n) {
        if (Outcome read = files.read(workingfile::finishedRound(n), lines); !read.ok())
            return read;
        checkRound(n, lines, seats, report);
        rounds = n;
    }
    const auto present = [&](const QString &name) { return files.exists(name); };
    const auto readAll = [&](const QString &name) { return files.read(name, lines); };
    Outcome outcome;
    if (present(workingfile::currentRound) && (outcome = readAll(workingfile::currentRound)).ok())
        report << QStringLiteral("tour en cours : %1 scores.").arg(lines.size());
    if (outcome.ok() && present(workingfile::movements) && (outcome = readAll(workingfile::movements)).ok()) {
        const qsizetype groups = lines.size() / 4;
        report << QStringLiteral("nombre de déplacements enregistrés : %1").arg(groups) +
                      (groups == rounds ? QStringLiteral("OK") : attention);
    }
    if (outcome.ok() && present(workingfile::exclusions) && (outcome = readAll(workingfile::exclusions)).ok())
        report << QStringLiteral("Exclusions enregistrées :") << lines;
    if (outcome.ok() && present(workingfile::penalties) && (outcome = readAll(workingfile::penalties)).ok())
        report << QStringLiteral("Pénalités enregistrées :") << lines;
    return outcome;
}

// A table of players, not the single row of "Pas de classement possible".
bool hasPlayerRows(const RankingTable &table)
{
    const qsizetype position = table.header().indexOf(QStringLiteral("POSITION"));
    for (qsizetype r = 0; r < table.size(); ++r)
        if (!table.cell(r, position).isEmpty())
            return true;
    return false;
}

} // namespace

QString classgenPosition(const QString &position)
{
    static const struct
    {
        const char *word;
        char letter;
    } seats[] = {{"NORD ", 'N'}, {"OUEST ", 'O'}, {"EST ", 'E'}, {"SUD ", 'S'}};
    for (const auto &seat : seats) {
        const QLatin1String word(seat.word);
        const qsizetype at = position.indexOf(word);
        if (at >= 0)
            return QLatin1Char(seat.letter) + position.mid(at + word.size());
    }
    return position;
}

QStringList classgenLines(const RankingTable &table)
{
    const qsizetype position = table.header().indexOf(QStringLiteral("POSITION"));
    const qsizetype score = table.header().indexOf(QStringLiteral("SCORE"));
    QStringList lines;
    auto line = [&](const QStringList &row) {
        return classgenPosition(row.value(position)) + QLatin1Char('=') + row.value(score);
    };
    lines << line(table.header());
    for (qsizetype r = 0; r < table.size(); ++r)
        lines << line(table.row(r));
    return lines;
}

Result<QStringList> diagnose(Tournament &state, const WorkingFiles &files, const QDateTime &now)
{
    Outcome outcome;
    QStringList report{stamp(now) + QStringLiteral(" : démarrage du diagnostic.")};
    // Built afresh from the files on disk, which are what the diagnostic checks, so that a good
    // classgen.dia is never replaced by empty rows.
    Tournament onDisk = state;
    outcome = onDisk.loadRoundsAndIncidents(files);
    if (!outcome.ok())
        return {report, outcome};
    state.setGeneralRanking(buildGeneralRanking(onDisk));
    if (hasPlayerRows(state.generalRanking())) {
        outcome = files.write(workingfile::rankingDiagnostic, classgenLines(state.generalRanking()));
        if (!outcome.ok())
            return {report, outcome};
        report << QStringLiteral("Classement général récupéré");
    }
    report << QStringLiteral("Vérification des inscriptions");
    const qsizetype seats = checkRegistration(files, report, outcome);
    if (outcome.ok())
        outcome = checkRounds(files, seats, report);
    if (outcome.ok())
        report << stamp(now) + QStringLiteral(" : diagnostic terminé.");
    return {report, outcome};
}
