#include "live/tableentry.h"

#include "rounds/rounds.h"
#include "tournament/lines.h"
#include "tournament/tournament.h"

#include <QRandomGenerator>
#include <QSet>

namespace tableentry {

namespace {

const std::array<QString, 4> seatNames = {QStringLiteral("Nord"), QStringLiteral("Sud"), QStringLiteral("Est"),
                                          QStringLiteral("Ouest")};

bool inProgress(const Tournament &state)
{
    return state.opened() && rounds::refusalWithoutSeats(state).isEmpty();
}

// The round codes.tmp was drawn for: its first line.
int codesRound(const QStringList &lines)
{
    return lines.isEmpty() ? 0 : int(lines::lenientValue(lines.first()));
}

bool isCode(const QString &text)
{
    if (text.size() != codeLength)
        return false;
    for (const QChar c : text)
        if (!codeAlphabet.contains(c))
            return false;
    return true;
}

QString drawCode()
{
    QString code;
    for (int i = 0; i < codeLength; ++i)
        code += codeAlphabet[int(QRandomGenerator::system()->bounded(quint32(codeAlphabet.size())))];
    return code;
}

// A journal line: round;table;nord;sud;est;ouest (a score that passed the refusal holds no ";").
QString lineOf(const Submission &s)
{
    return QStringList{
        QString::number(s.round), QString::number(s.table), s.scores[0], s.scores[1], s.scores[2], s.scores[3]}
        .join(QLatin1Char(';'));
}

std::optional<Submission> submissionOf(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char(';'));
    if (fields.size() != 6)
        return std::nullopt;
    Submission s;
    s.round = int(lines::lenientValue(fields[0]));
    s.table = int(lines::lenientValue(fields[1]));
    for (size_t i = 0; i < 4; ++i)
        s.scores[i] = fields[qsizetype(i) + 2];
    return s;
}

// The journal without the lines of table in the current round.
QStringList withoutTable(const Tournament &state, int table)
{
    QStringList kept;
    for (const QString &line : state.submissions()) {
        const std::optional<Submission> s = submissionOf(line);
        if (!s || s->round != state.currentRound() || s->table != table)
            kept << line;
    }
    return kept;
}

} // namespace

Result<QStringList> codesOfRound(Tournament &state)
{
    if (!inProgress(state))
        return QStringList();
    const int tables = state.tableCount();
    const bool thisRound = codesRound(state.tableCodes()) == state.currentRound();
    QStringList codes = thisRound ? state.tableCodes().mid(1, tables) : QStringList();
    codes.resize(tables);
    QSet<QString> taken;
    bool drawn = false;
    for (QString &code : codes) {
        if (!isCode(code) || taken.contains(code)) {
            do
                code = drawCode();
            while (taken.contains(code) || codes.count(code) > 1);
            drawn = true;
        }
        taken.insert(code);
    }
    if (!drawn && state.tableCodes().size() == tables + 1)
        return codes;
    if (Outcome o = state.setTableCodes(QStringList{QString::number(state.currentRound())} + codes); !o.ok())
        return o;
    return codes;
}

bool isTableCode(const Tournament &state, int table, const QString &code)
{
    const QStringList &lines = state.tableCodes();
    const bool known = inProgress(state) && codesRound(lines) == state.currentRound() && table >= 1 &&
                       table <= state.tableCount() && table < lines.size() && isCode(lines[table]);
    // An unknown table is compared with a text no code equals, so that it takes the same time.
    const QString expected = known ? lines[table] : QString(codeLength, QLatin1Char('?'));
    const QString given = code.toUpper();
    unsigned difference = known ? 0 : 1;
    difference |= unsigned(given.size() ^ codeLength);
    for (int i = 0; i < codeLength; ++i)
        difference |= unsigned((i < given.size() ? given[i].unicode() : 0) ^ expected[i].unicode());
    return difference == 0;
}

QString refusalOfSubmission(const Tournament &state, const Submission &submission)
{
    if (!inProgress(state))
        return QStringLiteral("Aucun tour n'est en cours.");
    if (submission.round != state.currentRound())
        return QStringLiteral("Le tour en cours est le tour %1.").arg(state.currentRound());
    if (submission.table < 1 || submission.table > state.tableCount())
        return QStringLiteral("Cette table n'existe pas dans ce tour.");
    const rounds::TableEntry entry = rounds::tableEntry(state, submission.table);
    for (size_t i = 0; i < 4; ++i) {
        const QString &score = submission.scores[i];
        // An empty box counts 0 in the dialog, but the table is not recorded until it is filled.
        if (score.isEmpty())
            return QStringLiteral("Le score de %1 manque.").arg(seatNames[i]);
        const std::optional<qint64> value = rounds::scoreValue(score);
        if (!value)
            return QStringLiteral("Le score de %1 n'est pas un nombre entier.").arg(seatNames[i]);
        if (entry.emptyChairs[i] && *value != 0)
            return QStringLiteral("La chaise de %1 est vide : son score est 0.").arg(seatNames[i]);
    }
    if (!rounds::balanced(submission.scores))
        return QStringLiteral("La somme des quatre scores doit être nulle.");
    return {};
}

Result<QString> receiveSubmission(Tournament &state, const QString &code, const Submission &submission)
{
    if (QString refusal = refusalOfSubmission(state, submission); !refusal.isEmpty())
        return refusal;
    if (!isTableCode(state, submission.table, code))
        return QStringLiteral("Ce code n'est pas celui de la table %1.").arg(submission.table);
    const Outcome written = state.setSubmissions(withoutTable(state, submission.table) << lineOf(submission));
    return {QString(), written};
}

QList<Submission> waitingSubmissions(const Tournament &state)
{
    QList<Submission> waiting;
    for (const QString &line : state.submissions())
        if (const std::optional<Submission> s = submissionOf(line))
            waiting << *s;
    return waiting;
}

bool wouldReplace(const Tournament &state, int table)
{
    return rounds::enteredTables(state).value(table - 1);
}

Result<Acceptance> acceptSubmission(Tournament &state, int table)
{
    Acceptance acceptance;
    std::optional<Submission> waiting;
    for (const Submission &s : waitingSubmissions(state))
        if (s.round == state.currentRound() && s.table == table)
            waiting = s;
    if (!waiting) {
        acceptance.refusal = QStringLiteral("Aucun score n'attend pour la table %1.").arg(table);
        return acceptance;
    }
    // The round may have changed since it came: an exchange, a late player in an empty chair.
    acceptance.refusal = refusalOfSubmission(state, *waiting);
    if (!acceptance.refusal.isEmpty())
        return acceptance;
    acceptance.replaced = wouldReplace(state, table);
    std::array<QString, 4> boxes = waiting->scores;
    const Result<int> recorded = rounds::recordTable(state, rounds::tableEntry(state, table).seated.seatCodes, boxes);
    if (!recorded.ok())
        return {acceptance, recorded.outcome()};
    // Only now: a crash in between offers the submission again, and accepting it twice is harmless.
    return {acceptance, state.setSubmissions(withoutTable(state, table))};
}

Outcome rejectSubmission(Tournament &state, int table)
{
    return state.setSubmissions(withoutTable(state, table));
}

} // namespace tableentry
