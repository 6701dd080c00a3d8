#include "live/tableentry.h"

#include "rounds/rounds.h"
#include "tournament/lines.h"
#include "tournament/tournament.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSet>
#include <QUrlQuery>

namespace tableentry {

namespace {

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

Sent readSent(QByteArrayView contentType, QByteArrayView body)
{
    Sent sent;
    const QByteArray type = contentType.toByteArray().split(';').first().trimmed().toLower();
    bool read = false;
    // A whole number, or 0 (no round, no table) that the refusal of the submission then names.
    const auto whole = [](const QString &text) { return int(lines::lenientValue(text)); };
    if (type == "application/json") {
        const QJsonObject o = QJsonDocument::fromJson(body.toByteArray()).object();
        const QJsonArray scores = o.value(QLatin1String("scores")).toArray();
        read = o.size() == 4 && o.value(QLatin1String("tour")).isDouble() &&
               o.value(QLatin1String("table")).isDouble() && o.value(QLatin1String("code")).isString() &&
               scores.size() == 4;
        sent.submission.round = o.value(QLatin1String("tour")).toInt();
        sent.submission.table = o.value(QLatin1String("table")).toInt();
        sent.code = o.value(QLatin1String("code")).toString();
        for (size_t i = 0; read && i < 4; ++i) {
            const QJsonValue score = scores[qsizetype(i)];
            read = score.isString() || score.isDouble();
            // A number is written back as text, so that 1.5 or 1e30 is refused as text would be.
            sent.submission.scores[i] =
                score.isString() ? score.toString() : QString::number(score.toDouble(), 'g', 17);
        }
    } else if (type == "application/x-www-form-urlencoded") {
        QUrlQuery form(QString::fromUtf8(body).replace(QLatin1Char('+'), QLatin1Char(' ')));
        const QStringList keys = {QStringLiteral("tour"), QStringLiteral("table"), QStringLiteral("code"),
                                  QStringLiteral("nord"), QStringLiteral("sud"),   QStringLiteral("est"),
                                  QStringLiteral("ouest")};
        read = form.queryItems().size() == keys.size();
        for (const QString &key : keys)
            read = read && form.allQueryItemValues(key).size() == 1;
        const auto value = [&](int k) { return form.queryItemValue(keys[k], QUrl::FullyDecoded); };
        sent.submission.round = whole(value(0));
        sent.submission.table = whole(value(1));
        sent.code = value(2);
        for (size_t i = 0; i < 4; ++i)
            sent.submission.scores[i] = value(int(i) + 3);
    }
    if (!read)
        sent.refusal = QStringLiteral("Envoi illisible : il faut le tour, la table, le code et les quatre scores.");
    return sent;
}

bool CodeLocks::isLocked(int table, qint64 now) const
{
    return m_tables.value(table).lockedUntil > now;
}

void CodeLocks::wrongCode(int table, qint64 now)
{
    Count &count = m_tables[table];
    if (count.lockedUntil != 0 && count.lockedUntil <= now)
        count = {}; // the lock is over: five more tries
    if (++count.wrong >= maxWrongCodes && count.lockedUntil == 0)
        count.lockedUntil = now + lockMilliseconds;
}

QList<int> CodeLocks::lockedTables(qint64 now) const
{
    QList<int> locked;
    for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it)
        if (it->lockedUntil > now)
            locked << it.key();
    std::sort(locked.begin(), locked.end());
    return locked;
}

Result<QString> receiveSubmission(Tournament &state, const QString &code, const Submission &submission,
                                  CodeLocks &locks, qint64 now)
{
    if (locks.isLocked(submission.table, now))
        return QStringLiteral("La table %1 est bloquée une minute après cinq codes faux : demandez l'arbitre.")
            .arg(submission.table);
    if (QString refusal = refusalOfSubmission(state, submission); !refusal.isEmpty())
        return refusal;
    if (!isTableCode(state, submission.table, code)) {
        locks.wrongCode(submission.table, now);
        return QStringLiteral("Ce code n'est pas celui de la table %1.").arg(submission.table);
    }
    locks.rightCode(submission.table);
    if (wouldReplace(state, submission.table)) {
        const std::array<QString, 4> recorded = rounds::tableEntry(state, submission.table).scores;
        bool same = true;
        for (size_t i = 0; i < 4; ++i)
            same = same && rounds::scoreValue(recorded[i]) == rounds::scoreValue(submission.scores[i]);
        if (same)
            return QStringLiteral("Ces scores sont déjà enregistrés pour la table %1.").arg(submission.table);
    }
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

std::optional<Submission> waitingSubmission(const Tournament &state, int table)
{
    std::optional<Submission> waiting;
    for (const Submission &s : waitingSubmissions(state))
        if (s.round == state.currentRound() && s.table == table)
            waiting = s;
    return waiting;
}

QStringList describeSubmission(const Tournament &state, const Submission &submission)
{
    const rounds::TableEntry entry = rounds::tableEntry(state, submission.table);
    QStringList seats;
    for (size_t i = 0; i < 4; ++i)
        seats << QStringLiteral("%1 %2 %3")
                     .arg(seatNames[i],
                          entry.emptyChairs[i] ? QStringLiteral("(chaise vide)") : entry.names[i].trimmed(),
                          submission.scores[i]);
    return seats;
}

bool wouldReplace(const Tournament &state, int table)
{
    return rounds::enteredTables(state).value(table - 1);
}

Result<Acceptance> acceptSubmission(Tournament &state, int table)
{
    Acceptance acceptance;
    const std::optional<Submission> waiting = waitingSubmission(state, table);
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
