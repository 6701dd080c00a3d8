#include "live/tableentry.h"
#include "platform/platform.h"
#include "players/seating.h"
#include "rounds/rounds.h"
#include "store/takeup.h"
#include "support/tournaments.h"

#include <QSet>
#include <QTest>

using tableentry::Submission;
using Scores = std::array<QString, 4>;

namespace {

Tournament seated(const TestPlatform &p, int tables, int chairs = 0)
{
    Tournament state;
    tournaments::seat(p, state, tournaments::seatedRegister(tables, chairs));
    return state;
}

// The round complete, then the next one started.
void nextRound(Tournament &state)
{
    arrange(state, [](Tournament::Data &d) { d.scoreList = QStringList(d.playerRegisterList.size(), "X=0"); });
    QVERIFY(rounds::startRound(state).ok());
}

QStringList codes(Tournament &state)
{
    const Result<QStringList> drawn = tableentry::codesOfRound(state);
    if (!drawn.ok())
        qWarning("%s", qPrintable(drawn.outcome().error));
    return drawn.value();
}

QString receive(Tournament &state, const QString &code, const Submission &s, qint64 now = 0)
{
    static tableentry::CodeLocks locks;
    const Result<QString> received = tableentry::receiveSubmission(state, code, s, locks, now);
    if (!received.ok())
        qWarning("%s", qPrintable(received.outcome().error));
    return received.value();
}

} // namespace

// Scores entered at the tables: the codes, the submissions and their journal, the acceptance.
class TestTableEntry : public QObject
{
    Q_OBJECT

private slots:
    // One code a table, unique in the round, kept through a take-up, new at each round start and
    // after a cancelled round starts again.
    void codesOfEachRound()
    {
        TestPlatform p;
        Tournament state = seated(p, 300);
        const QStringList first = codes(state);
        QCOMPARE(first.size(), 300);
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), 300);
        for (const QString &code : first) {
            QCOMPARE(code.size(), tableentry::codeLength);
            for (const QChar c : code)
                QVERIFY2(tableentry::codeAlphabet.contains(c), qPrintable(code));
        }
        QCOMPARE(p.read("codes.tmp"), QStringList{"1"} + first);

        Tournament again;
        QVERIFY(takeUpTournament(again, platform().files).ok());
        QCOMPARE(codes(again), first);
        // A late table gets a code of its own; the others keep theirs.
        QStringList fewer = p.read("codes.tmp").mid(0, 300);
        p.write("codes.tmp", fewer);
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        const QStringList completed = codes(state);
        QCOMPARE(completed.mid(0, 299), first.mid(0, 299));
        QVERIFY(!first.mid(0, 299).contains(completed[299]));

        nextRound(state);
        QVERIFY(!p.exists("codes.tmp"));
        const QStringList second = codes(state);
        QCOMPARE(p.read("codes.tmp").first(), QStringLiteral("2"));
        QVERIFY(second != first);
        QVERIFY(rounds::cancelRound(state).ok());
        QVERIFY(!p.exists("codes.tmp"));
        QVERIFY(rounds::startRound(state).ok());
        const QStringList restarted = codes(state);
        QVERIFY(restarted != second);
        // Codes written for another round are not this round's.
        p.write("codes.tmp", QStringList{"7"} + second);
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        QVERIFY(codes(state) != second);
    }

    void codeCheck()
    {
        TestPlatform p;
        Tournament state = seated(p, 3);
        QVERIFY(!tableentry::isTableCode(state, 1, QStringLiteral("AAAA"))); // none drawn yet
        const QStringList round1 = codes(state);
        for (int t = 1; t <= 3; ++t) {
            QVERIFY(tableentry::isTableCode(state, t, round1[t - 1]));
            QVERIFY(tableentry::isTableCode(state, t, round1[t - 1].toLower()));
            QVERIFY(!tableentry::isTableCode(state, t, round1[t % 3])); // another table's
            QVERIFY(!tableentry::isTableCode(state, t, round1[t - 1].left(3)));
            QVERIFY(!tableentry::isTableCode(state, t, round1[t - 1] + QLatin1Char('A')));
        }
        for (const int table : {0, 4, -1})
            QVERIFY(!tableentry::isTableCode(state, table, round1[0]));
        QVERIFY(!tableentry::isTableCode(state, 1, QString()));
        QVERIFY(!tableentry::isTableCode(state, 1, QStringLiteral("????")));
        nextRound(state);
        const QStringList round2 = codes(state);
        for (int t = 1; t <= 3; ++t)
            QCOMPARE(tableentry::isTableCode(state, t, round1[t - 1]), round2[t - 1] == round1[t - 1]);
    }

    void refusals_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("scores");
        QTest::addColumn<QString>("refusal");
        // Three tables, an empty chair at Nord of table 1.
        QTest::newRow("taken") << 2 << QStringList{"+120", "-40", "-40", "-40"} << QString();
        QTest::newRow("empty chair at 0") << 1 << QStringList{"0", "40", "-20", "-20"} << QString();
        QTest::newRow("no table 4") << 4 << QStringList{"0", "0", "0", "0"}
                                    << QStringLiteral("Cette table n'existe pas dans ce tour.");
        QTest::newRow("no table 0") << 0 << QStringList{"0", "0", "0", "0"}
                                    << QStringLiteral("Cette table n'existe pas dans ce tour.");
        QTest::newRow("unbalanced") << 2 << QStringList{"120", "-40", "-40", "-39"}
                                    << QStringLiteral("La somme des quatre scores doit être nulle.");
        QTest::newRow("text") << 2 << QStringList{"120", "-40", "-4O", "-40"}
                              << QStringLiteral("Le score de Est n'est pas un nombre entier.");
        QTest::newRow("huge") << 2 << QStringList{"0", "99999999999999999999", "0", "-99999999999999999999"}
                              << QStringLiteral("Le score de Sud n'est pas un nombre entier.");
        QTest::newRow("missing") << 2 << QStringList{"10", "-10", "0", ""}
                                 << QStringLiteral("Le score de Ouest manque.");
        QTest::newRow("empty chair not 0") << 1 << QStringList{"10", "-10", "0", "0"}
                                           << QStringLiteral("La chaise de Nord est vide : son score est 0.");
    }

    void refusals()
    {
        QFETCH(int, table);
        QFETCH(QStringList, scores);
        QFETCH(QString, refusal);
        TestPlatform p;
        Tournament state = seated(p, 3, 1);
        const Submission s{1, table, {scores[0], scores[1], scores[2], scores[3]}};
        QCOMPARE(tableentry::refusalOfSubmission(state, s), refusal);
        // A refused submission is never written; a wrong code is refused after the scores.
        const QString code = table >= 1 && table <= 3 ? codes(state)[table - 1] : QStringLiteral("AAAA");
        QCOMPARE(receive(state, code, s), refusal);
        QCOMPARE(p.exists("propositions.tmp"), refusal.isEmpty());
        if (refusal.isEmpty())
            QCOMPARE(receive(state, QStringLiteral("AAAA"), s),
                     QStringLiteral("Ce code n'est pas celui de la table %1.").arg(table));
    }

    void refusedOutsideTheRound()
    {
        TestPlatform p;
        Tournament unseated;
        arrange(unseated, [](Tournament::Data &d) {
            d.opened = true;
            d.playerRegisterList = tournaments::players(8);
        });
        const Submission s{1, 1, {"0", "0", "0", "0"}};
        QCOMPARE(tableentry::refusalOfSubmission(unseated, s), QStringLiteral("Aucun tour n'est en cours."));
        QVERIFY(codes(unseated).isEmpty());
        QVERIFY(!p.exists("codes.tmp"));

        Tournament state = seated(p, 3);
        const QString code = codes(state)[0];
        nextRound(state);
        // Round 1's table, or its code, once round 2 has started.
        QCOMPARE(receive(state, code, s), QStringLiteral("Le tour en cours est le tour 2."));
        QCOMPARE(receive(state, code, {2, 1, {"0", "0", "0", "0"}}),
                 QStringLiteral("Ce code n'est pas celui de la table 1."));
    }

    // Written before the phone is told, one waiting a table, taken up again after a power cut,
    // dropped with the round or the draw.
    void journalOfSubmissions()
    {
        TestPlatform p;
        Tournament state = seated(p, 3);
        const QStringList code = codes(state);
        QCOMPARE(receive(state, code[1], {1, 2, {"+120", "-40", "-40", "-40"}}), QString());
        QCOMPARE(receive(state, code[2], {1, 3, {"10", "-10", "0", "0"}}), QString());
        QCOMPARE(receive(state, code[1], {1, 2, {"100", "-40", "-40", "-20"}}), QString()); // replaces
        QCOMPARE(p.read("propositions.tmp"), QStringList({"1;3;10;-10;0;0", "1;2;100;-40;-40;-20"}));
        QVERIFY(state.modified());

        Tournament again;
        QVERIFY(takeUpTournament(again, platform().files).ok());
        const QList<Submission> waiting = tableentry::waitingSubmissions(again);
        QCOMPARE(waiting.size(), 2);
        QCOMPARE(waiting[1].table, 2);
        QCOMPARE(waiting[1].scores, (Scores{"100", "-40", "-40", "-20"}));

        QVERIFY(tableentry::rejectSubmission(again, 3).ok());
        QCOMPARE(p.read("propositions.tmp"), QStringList{"1;2;100;-40;-40;-20"});
        nextRound(again);
        QVERIFY(!p.exists("propositions.tmp"));
        QVERIFY(again.submissions().isEmpty());

        // A cancelled draw drops them too: they were for the players it had seated.
        Tournament redrawn = seated(p, 3);
        QCOMPARE(receive(redrawn, codes(redrawn)[0], {1, 1, {"10", "-10", "0", "0"}}), QString());
        QVERIFY(seating::cancelDraw(redrawn, true).ok());
        QVERIFY(!p.exists("propositions.tmp"));
        QVERIFY(!p.exists("codes.tmp"));
    }

    // Five wrong codes lock a table a minute, its right code included; the same scores again once
    // recorded are a replay.
    void lockAndReplay()
    {
        TestPlatform p;
        Tournament state = seated(p, 3);
        const QStringList code = codes(state);
        tableentry::CodeLocks locks;
        const Submission s{1, 2, {"30", "-10", "-10", "-10"}};
        const auto send = [&](const QString &c, qint64 now) {
            return tableentry::receiveSubmission(state, c, s, locks, now).value();
        };
        for (int i = 0; i < 4; ++i)
            QCOMPARE(send(code[0], 1000), QStringLiteral("Ce code n'est pas celui de la table 2."));
        QCOMPARE(send(code[1], 1000), QString()); // the right one: tries again from 0
        for (int i = 0; i < 5; ++i)
            QCOMPARE(send(QStringLiteral("ZZZZ"), 2000), QStringLiteral("Ce code n'est pas celui de la table 2."));
        QCOMPARE(locks.lockedTables(2000), QList<int>{2});
        const QString locked =
            QStringLiteral("La table 2 est bloquée une minute après cinq codes faux : demandez l'arbitre.");
        QCOMPARE(send(code[1], 61999), locked);
        QCOMPARE(tableentry::receiveSubmission(state, code[0], {1, 1, {"0", "0", "0", "0"}}, locks, 3000).value(),
                 QString()); // the other tables go on
        QCOMPARE(send(code[1], 62000), QString());
        QVERIFY(locks.lockedTables(62000).isEmpty());

        QVERIFY(tableentry::acceptSubmission(state, 2).ok());
        const QByteArray journal = p.bytes("propositions.tmp");
        QCOMPARE(send(code[1], 70000), QStringLiteral("Ces scores sont déjà enregistrés pour la table 2."));
        QCOMPARE(p.bytes("propositions.tmp"), journal);
        // Other scores are a correction, for the director to accept.
        QCOMPARE(
            tableentry::receiveSubmission(state, code[1], {1, 2, {"+30", "-10", "-20", "0"}}, locks, 70000).value(),
            QString());
    }

    // One shape, in JSON or as a form; anything else unread.
    void sentShapes()
    {
        const auto read = [](const char *type, const char *body) { return tableentry::readSent(type, body); };
        tableentry::Sent json = read("application/json; charset=utf-8",
                                     R"({"tour":3,"table":2,"code":"k7qd","scores":["+120",-40,"-40",1e30]})");
        QCOMPARE(json.refusal, QString());
        QCOMPARE(json.submission.round, 3);
        QCOMPARE(json.submission.table, 2);
        QCOMPARE(json.code, QStringLiteral("k7qd"));
        QCOMPARE(json.submission.scores, (Scores{"+120", "-40", "-40", "1e+30"}));
        tableentry::Sent form =
            read("application/x-www-form-urlencoded", "tour=3&table=2&code=K7QD&nord=%2B120&sud=-40&est=-40&ouest=-40");
        QCOMPARE(form.refusal, QString());
        QCOMPARE(form.submission.scores, (Scores{"+120", "-40", "-40", "-40"}));
        QCOMPARE(form.code, QStringLiteral("K7QD"));
        const QString unread =
            QStringLiteral("Envoi illisible : il faut le tour, la table, le code et les quatre scores.");
        for (const auto &[type, body] : std::initializer_list<std::pair<const char *, const char *>>{
                 {"text/plain", "tour=3&table=2&code=K7QD&nord=0&sud=0&est=0&ouest=0"},
                 {"application/json", R"({"tour":3,"table":2,"code":"K7QD","scores":["0","0","0"]})"},
                 {"application/json", R"({"tour":3,"table":2,"code":"K7QD","scores":["0","0","0","0"],"x":1})"},
                 {"application/json", R"({"tour":"3","table":2,"code":"K7QD","scores":["0","0","0",null]})"},
                 {"application/json", "[1,2,3]"},
                 {"application/json", ""},
                 {"application/x-www-form-urlencoded", "tour=3&table=2&code=K7QD&nord=0&sud=0&est=0"},
                 {"application/x-www-form-urlencoded", "tour=3&table=2&table=3&code=K&nord=0&sud=0&est=0&ouest=0"},
             })
            QCOMPARE(read(type, body).refusal, unread);
    }

    // Recorded as score entry records it, the director told when it replaces a table entered.
    void acceptance()
    {
        TestPlatform p;
        Tournament state = seated(p, 3, 1);
        const QStringList code = codes(state);
        Scores typed = {"20", "-20", "0", "0"};
        QVERIFY(rounds::recordTable(state, rounds::tableEntry(state, 2).seated.seatCodes, typed).ok());
        QCOMPARE(receive(state, code[1], {1, 2, {"+120", "-40", "-40", "-40"}}), QString());
        QCOMPARE(receive(state, code[0], {1, 1, {"0", "40", "-20", "-20"}}), QString());
        QVERIFY(tableentry::wouldReplace(state, 2));
        QVERIFY(!tableentry::wouldReplace(state, 1));

        Tournament director(state.data());
        const Result<tableentry::Acceptance> accepted = tableentry::acceptSubmission(state, 2);
        QVERIFY(accepted.ok());
        QCOMPARE(accepted.value().refusal, QString());
        QVERIFY(accepted.value().replaced);
        const QByteArray bytes = p.bytes("tour.tmp");
        QCOMPARE(p.read("propositions.tmp"), QStringList{"1;1;0;40;-20;-20"});
        Scores same = {"+120", "-40", "-40", "-40"};
        QVERIFY(rounds::recordTable(director, rounds::tableEntry(director, 2).seated.seatCodes, same).ok());
        QCOMPARE(p.bytes("tour.tmp"), bytes);
        QCOMPARE(state.scoreList(), director.scoreList());

        QCOMPARE(tableentry::acceptSubmission(state, 2).value().refusal,
                 QStringLiteral("Aucun score n'attend pour la table 2."));
        QVERIFY(!tableentry::acceptSubmission(state, 1).value().replaced);
        QVERIFY(!p.exists("propositions.tmp"));
        QCOMPARE(rounds::tableEntry(state, 1).scores, (Scores{"0", "40", "-20", "-20"}));
    }
};

QTEST_MAIN(TestTableEntry)
#include "test_tableentry.moc"
