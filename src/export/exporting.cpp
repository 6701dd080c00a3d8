#include "export/exporting.h"

#include "movements/positionsprint.h"
#include "platform/platform.h"
#include "platform/workingfiles.h"
#include "players/playerlist.h"
#include "rankings/ranking.h"
#include "rankings/rankingprint.h"
#include "tournament/lines.h"
#include "tournament/tournament.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace exporting {

namespace {

QString tournamentLine(const Tournament &state)
{
    const QString about = (state.date() + QLatin1Char(' ') + state.place()).trimmed();
    return about.isEmpty() ? QString() : QStringLiteral("Tournoi du ") + about;
}

bool hasScores(const Tournament &state, int round)
{
    return !state.finishedRound(round).isEmpty() ||
           (round == state.currentRound() && state.roundStarted() && !state.scoreList().isEmpty());
}

RankingTable generalRanking(const Tournament &state, bool pcn)
{
    RankingTable ranking = buildGeneralRanking(state);
    if (pcn && ranking::pcnAvailable(state, ranking))
        ranking::setPcn(ranking, true, state.tableCount());
    return ranking;
}

Table fromRanking(const RankingTable &ranking, const QString &title)
{
    Table t{title, {}, true, ranking.header(), {}, ranking::ranks(ranking)};
    for (const QStringList &row : ranking.rows()) {
        QStringList cells;
        for (const QString &cell : row)
            cells << cell.trimmed();
        t.rows << cells;
    }
    return t;
}

QString rankCell(const Table &table, qsizetype row)
{
    const int rank = table.ranks[size_t(row)];
    return rank > 0 ? QString::number(rank) : QString();
}

bool isInteger(const QString &cell)
{
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]{1,18}$"));
    return integer.match(cell).hasMatch();
}

bool isLeftOut(const QString &cell)
{
    return cell.startsWith(QLatin1Char('(')) && cell.endsWith(QLatin1Char(')')) &&
           isInteger(cell.mid(1, cell.size() - 2));
}

QString csvField(const QString &cell)
{
    if (isInteger(cell))
        return QString::number(cell.toLongLong());
    static const QRegularExpression needsQuotes(QStringLiteral("[;\"\r\n]|^\\s|\\s$"));
    if (!needsQuotes.match(cell).hasMatch())
        return cell;
    QString quoted = cell;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvRow(const QStringList &cells)
{
    QStringList fields;
    for (const QString &cell : cells)
        fields << csvField(cell);
    return fields.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

const char *style = R"(body { font-family: Arial, Helvetica, sans-serif; margin: 2em; color: #000; }
h1 { font-size: 1.4em; margin: 0 0 .2em; }
p.tournoi { margin: 0 0 1em; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: .2em .7em; text-align: left; white-space: nowrap; }
th { background: #eee; }
td.nombre { text-align: right; }
@media print {
  @page { margin: 1.5cm; }
  body { margin: 0; font-size: 10pt; }
  th { background: none; }
  thead { display: table-header-group; }
  tr { page-break-inside: avoid; break-inside: avoid; }
}
)";

} // namespace

Available available(const Tournament &state)
{
    Available a;
    const QStringList &lines = state.playerRegisterList();
    a.players = !lines.isEmpty();
    a.positions = std::any_of(lines.begin(), lines.end(),
                              [](const QString &line) { return !lines::seatOfEntry(line).isEmpty(); });
    // As buildGeneralRanking: round 1's scores, finished or in progress.
    a.generalRanking =
        state.finishedRounds().isEmpty() ? !state.scoreList().isEmpty() : !state.finishedRound(1).isEmpty();
    if (a.generalRanking) {
        a.pcn = ranking::pcnAvailable(state, buildGeneralRanking(state));
        a.lastRound = ranking::latestRound(state);
        while (a.lastRound > 0 && !hasScores(state, a.lastRound))
            --a.lastRound;
    }
    return a;
}

bool allowed(const Available &available, const Choice &choice)
{
    switch (choice.list) {
    case List::Players: return available.players;
    case List::Positions: return available.positions && choice.rounds >= 1;
    case List::GeneralRanking: return available.generalRanking && (!choice.pcn || available.pcn);
    case List::RoundRanking: return choice.round >= 1 && choice.round <= available.lastRound;
    }
    return false;
}

Table table(const Tournament &state, const Choice &choice)
{
    switch (choice.list) {
    case List::Players: {
        Table t{QStringLiteral("Liste des joueurs"),
                tournamentLine(state),
                false,
                {QStringLiteral("NOM"), QStringLiteral("POSITION")},
                {},
                {}};
        for (const playerlist::Row &row : playerlist::printedRows(state))
            t.rows << QStringList{row.name.trimmed(), row.seat.trimmed()};
        return t;
    }
    case List::Positions: {
        Table t{QStringLiteral("Liste des positions"),
                tournamentLine(state),
                false,
                positionsHeader(choice.rounds),
                {},
                {}};
        for (const PositionsRow &row : positionsRows(state, state.tableCount(), choice.rounds)) {
            QStringList cells{row.name.trimmed(), row.seat};
            for (int d = 0; d < choice.rounds; ++d)
                cells << row.cells.value(d);
            t.rows << cells;
        }
        return t;
    }
    case List::GeneralRanking: return fromRanking(generalRanking(state, choice.pcn), generalRankingTitle(state));
    case List::RoundRanking:
        return fromRanking(roundRanking(state, choice.round), roundRankingTitle(state, choice.round));
    }
    return {};
}

QString documentName(const Tournament &state, const Choice &choice)
{
    switch (choice.list) {
    case List::Players: return QStringLiteral("Liste des joueurs");
    case List::Positions: return QStringLiteral("Liste des positions");
    case List::GeneralRanking: return QStringLiteral("Classement général - tour %1").arg(state.currentRound());
    case List::RoundRanking: return QStringLiteral("Classement du tour %1").arg(choice.round);
    }
    return {};
}

QString suffix(Format format)
{
    switch (format) {
    case Format::Csv: return QStringLiteral("csv");
    case Format::Html: return QStringLiteral("html");
    case Format::Pdf: return QStringLiteral("pdf");
    }
    return {};
}

QByteArray csv(const Table &table)
{
    QString text;
    text += csvRow(table.ranked ? QStringList{QStringLiteral("RANG")} + table.header : table.header);
    for (qsizetype r = 0; r < table.rows.size(); ++r)
        text += csvRow(table.ranked ? QStringList{rankCell(table, r)} + table.rows[r] : table.rows[r]);
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray html(const Table &table)
{
    QString page;
    page += QStringLiteral("<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"utf-8\">\n");
    page += QStringLiteral("<title>%1</title>\n<style>\n").arg(escaped(table.title));
    page += QString::fromUtf8(style);
    page += QStringLiteral("</style>\n</head>\n<body>\n<h1>%1</h1>\n").arg(escaped(table.title));
    if (!table.tournament.isEmpty())
        page += QStringLiteral("<p class=\"tournoi\">%1</p>\n").arg(escaped(table.tournament));
    page += QStringLiteral("<table>\n<thead>\n<tr>");
    if (table.ranked)
        page += QStringLiteral("<th>RANG</th>");
    for (const QString &title : table.header)
        page += QStringLiteral("<th>%1</th>").arg(escaped(title));
    page += QStringLiteral("</tr>\n</thead>\n<tbody>\n");
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        page += QStringLiteral("<tr>");
        if (table.ranked)
            page += QStringLiteral("<td class=\"nombre\">%1</td>").arg(rankCell(table, r));
        for (const QString &cell : table.rows[r])
            page += isInteger(cell) ? QStringLiteral("<td class=\"nombre\">%1</td>").arg(cell.toLongLong())
                    // a number left out of a total, "(120)", stays in its column's alignment
                    : isLeftOut(cell) ? QStringLiteral("<td class=\"nombre\">%1</td>").arg(escaped(cell))
                                      : QStringLiteral("<td>%1</td>").arg(escaped(cell));
        page += QStringLiteral("</tr>\n");
    }
    page += QStringLiteral("</tbody>\n</table>\n</body>\n</html>\n");
    return page.toUtf8();
}

bool print(Canvas &canvas, const Tournament &state, const Choice &choice)
{
    switch (choice.list) {
    case List::Players: return playerlist::print(canvas, state);
    case List::Positions: return printPositions(canvas, state, state.tableCount(), choice.rounds);
    case List::GeneralRanking: return printGeneralRanking(canvas, state, generalRanking(state, choice.pcn));
    case List::RoundRanking: return printRoundRanking(canvas, state, roundRanking(state, choice.round), choice.round);
    }
    return false;
}

Outcome write(const Tournament &state, const Choice &choice, const QString &path)
{
    if (choice.format == Format::Pdf)
        return writePdf(path, [&](Canvas &canvas) { return print(canvas, state, choice); });
    const Table t = table(state, choice);
    return writeBytes(path, choice.format == Format::Csv ? csv(t) : html(t));
}

Outcome writeBytes(const QString &path, const QByteArray &bytes)
{
    const QString reason = replaceFile(path, bytes);
    if (!reason.isEmpty())
        return Outcome::failure(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(path, reason));
    return Outcome::success();
}

Outcome writePdf(const QString &path, const std::function<bool(Canvas &)> &printout)
{
    const QTemporaryDir scratch;
    const QString printed = scratch.filePath(QStringLiteral("export.pdf"));
    Canvas *canvas = scratch.isValid() ? platform().printing->pdfCanvas(printed) : nullptr;
    if (!canvas || !printout(*canvas))
        return Outcome::failure(QStringLiteral("Impossible de préparer le document PDF « %1 ».").arg(path));
    QFile file(printed);
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(
            QStringLiteral("Impossible de préparer le document PDF « %1 » : %2").arg(path, file.errorString()));
    return writeBytes(path, file.readAll());
}

} // namespace exporting
