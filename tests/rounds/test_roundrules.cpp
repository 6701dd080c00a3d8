#include "rounds/rounds.h"
#include "store/evening.h"
#include "store/takeup.h"
#include "support/tournaments.h"

#include <QTest>

using rounds::TableEntry;

namespace {

using Boxes = std::array<QString, 4>;
using Codes = std::array<QString, 4>;

Tournament seated(const TestPlatform &p, int tables, int chairs = 0)
{
    Tournament state;
    tournaments::seat(p, state, tournaments::seatedRegister(tables, chairs));
    return state;
}

// Records the table shown at `table` with four scores, as OK does.
int record(Tournament &state, int table, Boxes boxes)
{
    const Result<int> recorded = rounds::recordTable(state, rounds::tableEntry(state, table).seated.seatCodes, boxes);
    if (!recorded.ok())
        qWarning("%s", qPrintable(recorded.outcome().error));
    return recorded.value();
}

} // namespace

// The rules of the rounds, on real files in a temporary working directory.
class TestRoundRules : public QObject
{
    Q_OBJECT

private slots:
    void scoreBoxesBalance_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("balanced");
        QTest::newRow("120 -40 -40 -40") << QStringList{"120", "-40", "-40", "-40"} << true;
        QTest::newRow("leading plus") << QStringList{"+120", "-40", "-40", "-40"} << true;
        QTest::newRow("three typed") << QStringList{"120", "-40", "-40", ""} << false;
        QTest::newRow("all empty") << QStringList{"", "", "", ""} << true;
        QTest::newRow("not a number") << QStringList{"12a", "-12", "", ""} << false;
        QTest::newRow("blank inside") << QStringList{"1 0", "-10", "", ""} << false;
        QTest::newRow("sign alone") << QStringList{"-", "", "", ""} << false;
        QTest::newRow("limit") << QStringList{"1000000", "-1000000", "", ""} << true;
        QTest::newRow("beyond the limit") << QStringList{"1000001", "-1000001", "", ""} << false;
        QTest::newRow("would overflow") << QStringList{"99999999999999999999", "-99999999999999999999", "", ""}
                                        << false;
        QTest::newRow("leading zeros") << QStringList{"0000000000040", "-40", "", ""} << true;
    }

    void scoreBoxesBalance()
    {
        QFETCH(QStringList, boxes);
        QFETCH(bool, balanced);
        QCOMPARE(rounds::balanced({boxes[0], boxes[1], boxes[2], boxes[3]}), balanced);
    }

    void namesAndScoresOfATable()
    {
        const QStringList reg = {"DUPONT Jean = N12", "DURAND Marie = N1", "MARTIN Anne = N1X", "PETIT Luc = N1"};
        QCOMPARE(rounds::nameAtSeat(reg, "N1"), QStringLiteral("PETIT Luc ")); // the last of two, never N12
        QCOMPARE(rounds::nameAtSeat(reg, "N12"), QStringLiteral("DUPONT Jean "));
        QCOMPARE(rounds::nameAtSeat({"DURAND Marie = N1", "DUPONT Jean = N12"}, "N1"), QStringLiteral("DURAND Marie "));
        QCOMPARE(rounds::nameAtSeat(reg, "S4"), QString());
        QCOMPARE(rounds::nameAtSeat({" CHAISE VIDE 1 = N1"}, "N1"), QStringLiteral(" CHAISE VIDE 1 "));

        const QStringList scores = {"N12=5", "N1=-20", "EN1=7", "S1=+3"};
        QCOMPARE(rounds::recordedScore(scores, "N1"), QStringLiteral("-20"));
        QCOMPARE(rounds::recordedScore(scores, "N12"), QStringLiteral("5"));
        QCOMPARE(rounds::recordedScore(scores, "E1"), QString());
    }

    void recordingReplacesInPlaceAndAppendsNOES()
    {
        TestPlatform p;
        Tournament state = seated(p, 4);
        Boxes boxes = {"+120", "-40", "-40", "-40"};
        QCOMPARE(rounds::recordTable(state, {"N1", "S1", "E1", "O1"}, boxes).value(), -1);
        QCOMPARE(boxes[0], QStringLiteral("120"));
        QVERIFY(state.modified());
        QCOMPARE(record(state, 2, {"10", "20", "30", "-60"}), -1);
        QCOMPARE(record(state, 3, {"1", "2", "3", "-6"}), -1);
        QCOMPARE(state.scoreList(), QStringList({"N1=120", "O1=-40", "E1=-40", "S1=-40", "N2=10", "O2=-60", "E2=30",
                                                 "S2=20", "N3=1", "O3=-6", "E3=3", "S3=2"}));
        // Table 2 again: its four lines keep their places with the new scores.
        QCOMPARE(record(state, 2, {"-5", "5", "0", "0"}), -1);
        const QStringList expected = {"N1=120", "O1=-40", "E1=-40", "S1=-40", "N2=-5", "O2=0",
                                      "E2=0",   "S2=5",   "N3=1",   "O3=-6",  "E3=3",  "S3=2"};
        QCOMPARE(state.scoreList(), expected);
        QCOMPARE(p.read("tour.tmp"), expected); // every table is on disk at once

        // An empty box takes the focus and nothing is recorded.
        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        QCOMPARE(record(state, 4, {"10", "", "-10", ""}), 1);
        QCOMPARE(record(state, 4, {"", "", "", ""}), 0);
        QCOMPARE(state.scoreList(), expected);
        QVERIFY(state.modified());
    }

    void progressAtTwelveTables()
    {
        TestPlatform p;
        Tournament state = seated(p, 12);
        QCOMPARE(rounds::tablesToEnterText(12), QStringLiteral("Vous avez 12 tables à saisir."));
        record(state, 1, {"0", "0", "0", "0"});
        QCOMPARE(rounds::progressText(state), QStringLiteral("Il reste 11 tables à saisir."));
        record(state, 5, {"0", "0", "0", "0"});
        QCOMPARE(rounds::progressText(state),
                 QStringLiteral("tables restant à saisir : 2  3  4  6  7  8  9  10  11  12 "));
        for (int t : {2, 3, 4, 6, 7, 8, 9, 10, 12})
            record(state, t, {"0", "0", "0", "0"});
        QCOMPARE(rounds::progressText(state), QStringLiteral("Il reste la table 11 à saisir."));
        record(state, 11, {"0", "0", "0", "0"});
        QCOMPARE(rounds::progressText(state), QStringLiteral("Tour complet, appuyez sur Quitter."));
    }

    void progressFollowsTheNordOfTheCurrentRound()
    {
        // Nord moves one table a round: the Nord player of table 1 in round 2 is N4.
        TestPlatform p;
        Tournament state = seated(p, 4);
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        arrange(state, [&](Tournament::Data &d) { d.movement.nord = 1; });
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(rounds::tableEntry(state, 1).seated.seatCodes, (Codes{"N4", "S4", "E3", "O3"}));
        record(state, 1, {"10", "-10", "0", "0"});
        record(state, 3, {"10", "-10", "0", "0"});
        QCOMPARE(rounds::progressText(state), QStringLiteral("tables restant à saisir : 2  4 "));
        record(state, 2, {"10", "-10", "0", "0"});
        QCOMPARE(rounds::progressText(state), QStringLiteral("Il reste la table 4 à saisir."));
    }

    // The stage in words, three-player tables counted, and a new round begun with no score yet.
    void eveningInWords()
    {
        TestPlatform p;
        Tournament state = seated(p, 3, 2);
        QCOMPARE(evening(state, 5).stage, QStringLiteral("Positions attribuées : 3 tables dont 2 à trois joueurs"));
        QCOMPARE(openedText(state), QStringLiteral("Tournoi ouvert : 10 joueurs"));
        for (int t = 1; t <= 3; ++t)
            record(state, t, {"10", "-10", "0", "0"});
        QVERIFY(rounds::startRound(state).ok());
        arrange(state, [](Tournament::Data &d) { d.penalties = {"N1=-50", "S2=-20"}; });
        const Evening now = evening(state, 5);
        QCOMPARE(now.stage, QStringLiteral("Tour 2 en cours"));
        QCOMPARE(now.tablesEntered, QList<bool>(3, false));
        QCOMPARE(now.penalties, 2);
        QCOMPARE(openedText(state), QStringLiteral("Tournoi ouvert : 10 joueurs, 2 tours"));
    }

    void smallFieldTableShowsPlayerNumbers()
    {
        TestPlatform p;
        Tournament state = seated(p, 3);
        arrange(state, [&](Tournament::Data &d) { d.scoreList = QStringList(12, QStringLiteral("X=0")); });
        QVERIFY(rounds::startRound(state).ok());
        const TableEntry entry = rounds::tableEntry(state, 1);
        QCOMPARE(entry.seated.shown, (Codes{"1", "8", "7", "10"}));
        QCOMPARE(entry.names, (Codes{"JOUEUR N1 ", "JOUEUR O2 ", "JOUEUR E2 ", "JOUEUR S3 "}));
        record(state, 1, {"30", "-10", "-10", "-10"});
        QCOMPARE(state.scoreList(), QStringList({"N1=30", "S3=-10", "E2=-10", "O2=-10"}));
        QCOMPARE(rounds::tableEntry(state, 1).scores, (Boxes{"30", "-10", "-10", "-10"}));
        QCOMPARE(rounds::progressText(state), QStringLiteral("tables restant à saisir : 2  3 "));
    }

    void startingARound()
    {
        TestPlatform p;
        Tournament state = seated(p, 5);
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        arrange(state, [&](Tournament::Data &d) { d.movement.nord = 0; });
        arrange(state, [&](Tournament::Data &d) { d.movement.est = 1; });
        arrange(state, [&](Tournament::Data &d) { d.movement.ouest = -1; });
        arrange(state, [&](Tournament::Data &d) { d.movement.sud = 1; });
        QVERIFY(!rounds::roundComplete(state));
        for (int t = 1; t <= 5; ++t)
            record(state, t, {"40", "-40", "0", "0"});
        QVERIFY(rounds::roundComplete(state));
        const QStringList round1 = state.scoreList();
        QCOMPARE(rounds::newRoundQuestion(2), QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° 2) ?"));
        p.write("depl.tmp", {});
        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(p.read("tour1.tmp"), round1);
        QVERIFY(p.exists("tour.tmp"));
        QCOMPARE(p.read("tour.tmp"), QStringList()); // the finished round is not counted twice
        QVERIFY(state.scoreList().isEmpty());
        QCOMPARE(p.read("depl.tmp"), QStringList({"N2=0", "E2=1", "O2=-1", "S2=1"}));
        QCOMPARE(state.movementList(), p.read("depl.tmp"));
        QCOMPARE(state.currentRound(), 2);
        QVERIFY(state.modified());
        arrange(state, [&](Tournament::Data &d) { d.started = d.opened = true; });
        QVERIFY(!menuStates(state).isVisible(Cmd::DerniereMinute));
        QVERIFY(p.messages.boxes.isEmpty());

        // The movements are the model's: a depl.tmp changed behind its back counts once taken up.
        p.write("depl.tmp", {"N2=0", "E2=3", "O2=-1", "S2=1"});
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(p.read("depl.tmp"), QStringList({"N2=0", "E2=3", "O2=-1", "S2=1", "N3=0", "E3=1", "O3=-1", "S3=1"}));
        QCOMPARE(p.read("tour2.tmp"), QStringList());
    }

    void startingARoundWithAutomaticMovements()
    {
        // Six tables: round 3 changes the values, and its start warns that round 4 does again.
        TestPlatform p;
        Tournament state = seated(p, 6);
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 2; });
        arrange(state, [&](Tournament::Data &d) { d.movementList = {"N2=0", "E2=2", "O2=-1", "S2=1"}; });
        const Result<std::optional<Prompt>> started = rounds::startRound(state);
        QVERIFY(started.ok());
        QCOMPARE(p.read("depl.tmp").mid(4), QStringList({"N3=0", "E3=3", "O3=-1", "S3=1"}));
        QVERIFY(started.value());
        QCOMPARE(started.value()->text, QStringLiteral("Au prochain tour, le déplacement change."));
    }

    void startingARoundByRankingPreparesIt()
    {
        TestPlatform p;
        Tournament state = seated(p, 4);
        arrange(state, [](Tournament::Data &d) { setByRanking(d.movement, true); });
        for (int t = 1; t <= 4; ++t)
            record(state, t, {QString::number(10 * t), QString::number(-10 * t), "0", "0"});
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(state.generalRanking().size(), 16);
        QCOMPARE(state.generalRanking().cell(0, 0), QStringLiteral("JOUEUR N4 "));
        QCOMPARE(state.generalRanking().cell(0, 2), QStringLiteral("40"));
    }

    void previousRoundColumns()
    {
        QCOMPARE(rounds::previousRoundLine("DUPONT Jean = S3", "S3=-40"), QStringLiteral("DUPONT Jean              ") +
                                                                              QStringLiteral(" Sud 3              ") +
                                                                              QStringLiteral("              -40"));
        const QString longName = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY Abcd"); // 30 characters
        const QString line = rounds::previousRoundLine(longName + " = O12", "O12=1234567");
        QCOMPARE(line.indexOf(QStringLiteral(" Ouest 12 ")), 31);
        QCOMPARE(line.size(), 31 + 20 + 17);
        QVERIFY(line.endsWith(QStringLiteral("          1234567")));
    }

    void previousRoundIsSortedByName()
    {
        TestPlatform p;
        Tournament state;
        arrange(state, [&](Tournament::Data &d) {
            d.playerRegisterList = {" CHAISE VIDE 1 = N1", "dupuis Eve = S1", "DURAND Marie = E1", "ABEL Luc = O1"};
        });
        p.write("tour1.tmp", {"N1=0", "O1=-30", "E1=10", "S1=20", "N9=40"});
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 2; });
        QStringList lines = rounds::previousRoundLines(state, 1).value();
        QCOMPARE(lines.size(), 5);
        QVERIFY(lines[0].startsWith(QStringLiteral(" CHAISE VIDE 1            Nord 1"))); // a blank sorts first
        QVERIFY(lines[1].startsWith(QStringLiteral("ABEL Luc ")));
        QVERIFY(lines[2].startsWith(QStringLiteral("dupuis Eve ")));
        QVERIFY(lines[3].startsWith(QStringLiteral("DURAND Marie ")));
        QCOMPARE(lines[4], QStringLiteral("N9=40")); // no seat: shown as stored
        QVERIFY(lines[3].endsWith(QStringLiteral(" Est 1                             10")));

        // Round 2 not finished: the round in progress stands in; then none.
        p.write("tour.tmp", {"S1=5"});
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        lines = rounds::previousRoundLines(state, 2).value();
        QCOMPARE(lines.size(), 1);
        QVERIFY(lines[0].startsWith(QStringLiteral("dupuis Eve ")));
        QFile::remove(p.path("tour.tmp"));
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        const Outcome missing = rounds::previousRoundLines(state, 2).outcome();
        QCOMPARE(missing.error, QStringLiteral("Aucun score n'est enregistré pour le tour 2."));
        arrange(state, [](Tournament::Data &d) {
            d.playerRegisterList = {"dupuis Eve", "DURAND Marie"};
        }); // nobody seated
        QVERIFY(!rounds::previousRoundLines(state, 1).ok());
    }

    void cancellingRoundOne()
    {
        TestPlatform p;
        Tournament state = seated(p, 2);
        record(state, 1, {"10", "-10", "0", "0"});
        record(state, 2, {"10", "-10", "0", "0"});
        QCOMPARE(rounds::cancelQuestion(state.scoreList().size()),
                 QStringLiteral("Vous allez supprimer 8 scores. En êtes-vous sûr ?"));
        QCOMPARE(rounds::cancelQuestion(0), QStringLiteral(" En êtes-vous sûr ?"));
        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        QVERIFY(rounds::cancelRound(state).ok());
        QVERIFY(state.scoreList().isEmpty());
        QCOMPARE(state.currentRound(), 1);
        QVERIFY(state.modified());
        QVERIFY(p.exists("depl.tmp"));
        QCOMPARE(p.read("depl.tmp"), QStringList());
        QVERIFY(!p.exists("tour.tmp")); // no score left anywhere
    }

    void cancellingALaterRound()
    {
        TestPlatform p;
        Tournament state = seated(p, 2);
        const QStringList round1 = {"N1=1", "O1=-1", "E1=0", "S1=0", "N2=0", "O2=0", "E2=0", "S2=0"};
        const QStringList round2 = {"N1=2", "O1=-2", "E1=0", "S1=0", "N2=0", "O2=0", "E2=0", "S2=0"};
        p.write("tour1.tmp", round1);
        p.write("tour2.tmp", round2);
        p.write("tour.tmp", {});
        const QStringList depl = {"N2=0", "E2=2", "O2=-2", "S2=1", "N3=0", "E3=2", "O3=-2", "S3=1"};
        p.write("depl.tmp", depl);
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 3; });
        QVERIFY(rounds::cancelRound(state).ok());
        QCOMPARE(state.currentRound(), 2);
        QCOMPARE(state.scoreList(), round2);
        QCOMPARE(p.read("tour.tmp"), round2); // round 2 is the round in progress again, complete
        QVERIFY(!p.exists("tour2.tmp"));
        QCOMPARE(p.read("tour1.tmp"), round1);
        QCOMPARE(p.read("depl.tmp"), depl.mid(0, 4));
        QCOMPARE(state.movementList(), depl.mid(0, 4));

        // Started again: the same archive, the movement lines of round 3 once more.
        QVERIFY(rounds::roundComplete(state));
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(p.read("tour2.tmp"), round2);
        QCOMPARE(p.read("depl.tmp"), depl);
        QCOMPARE(state.currentRound(), 3);
    }

    void cancellingKeepsAShortMovementFile()
    {
        TestPlatform p;
        Tournament state = seated(p, 2);
        p.write("depl.tmp", {"N2=0", "E2=2", "O2=-2"});
        p.write("tour1.tmp", {"N1=5"});
        p.write("tour2.tmp", {"N1=6"});
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 2; });
        QVERIFY(rounds::cancelRound(state).ok());
        QCOMPARE(p.read("depl.tmp"), QStringList({"N2=0", "E2=2", "O2=-2"}));
        QVERIFY(!p.exists("tour2.tmp")); // a stray file of the cancelled round goes too
        QCOMPARE(p.read("tour.tmp"), QStringList{"N1=5"});
        QCOMPARE(state.currentRound(), 1);
    }
};

QTEST_MAIN(TestRoundRules)
#include "test_roundrules.moc"
