#include "rankings/ranking.h"
#include "support/referencesort.h"
#include "tournament/lines.h"
#include "support/tournaments.h"

#include <QTest>

#include <limits>
#include <random>

using namespace ranking;

using tournaments::Names;
using tournaments::scoreLines;
using tournaments::seatCodesInTableOrder;
using tournaments::seatedRegister;

namespace {

RankingTable table(const QList<QStringList> &rows = {})
{
    RankingTable t({QStringLiteral("NOM"), QStringLiteral("POSITION"), QStringLiteral("SCORE")});
    for (const QStringList &row : rows)
        t.append(row);
    return t;
}

QStringList columnOf(const RankingTable &t, int k)
{
    QStringList texts;
    for (qsizetype r = 0; r < t.size(); ++r)
        texts << t.cell(r, k);
    return texts;
}

// sortRanking's rows against the reference's.
void compareWithReference(const RankingTable &t, int k)
{
    RankingTable fast = t;
    QList<QStringList> literal = t.rows();
    sortRanking(fast, k);
    referenceSort(literal, k);
    QCOMPARE(fast.rows(), literal);
}

} // namespace

class TestRanking : public QObject
{
    Q_OBJECT

private slots:
    void values()
    {
        QCOMPARE(value(u"120"), 120);
        QCOMPARE(value(u"  -40"), -40);
        QCOMPARE(value(u"+7"), 7);
        QCOMPARE(value(u"EXCLU"), 0);
        QCOMPARE(value(u"SANS OBJET"), 0);
        QCOMPARE(value(u""), 0);
        QCOMPARE(value(u"-"), 0);
        QCOMPARE(value(u"12a"), 0);
        QCOMPARE(value(u"99999999999999999999"), 0);
        QCOMPARE(rankText(1), QStringLiteral("1er"));
        QCOMPARE(rankText(2), QStringLiteral("2ème"));
        QCOMPARE(rankText(17), QStringLiteral("17ème"));
    }

    void sortByScoreKeepsTheOrderOfTies()
    {
        RankingTable t = table({{"A", "p1", "10"}, {"B", "p2", "20"}, {"C", "p3", "10"}, {"D", "p4", "20"}});
        sortRanking(t, 2);
        QCOMPARE(columnOf(t, 0), (QStringList{"B", "D", "C", "A"}));

        // -32767 and below never move up, and keep their order at the bottom.
        t = table({{"A", "p1", "-32767"},
                   {"B", "p2", "-50000"},
                   {"C", "p3", "-32766"},
                   {"D", "p4", "EXCLU"},
                   {"E", "p5", "-40000"},
                   {"F", "p6", "5"},
                   {"G", "p7", "SANS OBJET"},
                   {"H", "p8", "-3"}});
        // The excluded player, then the empty chair, after every total.
        sortRanking(t, 2);
        QCOMPARE(columnOf(t, 0), (QStringList{"F", "H", "C", "A", "B", "E", "D", "G"}));
        // Sorting again changes nothing.
        sortRanking(t, 2);
        QCOMPARE(columnOf(t, 0), (QStringList{"F", "H", "C", "A", "B", "E", "D", "G"}));
    }

    void sortByNameUsesTheRegisterOrder()
    {
        RankingTable t = table({{"martin Anne ", "Nord 1", "1"},
                                {" CHAISE VIDE 1 ", "Nord 2", "SANS OBJET"},
                                {"Émile Jean ", "Sud 1", "3"},
                                {"ALLARD Luc ", "Sud 2", "4"},
                                {"", "Est 1", "0"}});
        sortRanking(t, 0);
        QCOMPARE(columnOf(t, 0), (QStringList{" CHAISE VIDE 1 ", "", "ALLARD Luc ", "Émile Jean ", "martin Anne "}));
        QCOMPARE(columnOf(t, 2), (QStringList{"SANS OBJET", "0", "4", "3", "1"}));
    }

    void sortByPosition()
    {
        // 20 rows: Nord 1 to 5, then Sud, Est, Ouest.
        QStringList labels;
        for (const QString &code : seatCodesInTableOrder(5))
            labels << label(code, 20);
        RankingTable t = table();
        for (int i = int(labels.size()) - 1; i >= 0; --i)
            t.append({QString::number(i), labels[i], QString::number(i)});
        sortRanking(t, 1);
        QStringList expected;
        for (const char *seat : {"Nord ", "Sud ", "Est ", "Ouest "})
            for (int i = 1; i <= 5; ++i)
                expected << QString::fromLatin1(seat) + QString::number(i);
        QCOMPARE(columnOf(t, 1), expected);

        // A 12-line register shows player numbers and sorts them 1 to 12.
        QList<QStringList> reversed;
        for (const QString &code : seatCodesInTableOrder(3))
            reversed.prepend({code, label(code, 12), QString()});
        t = table(reversed);
        QCOMPARE(t.cell(11, 1), QStringLiteral(" Joueur n° 1"));
        QCOMPARE(label(QStringLiteral("S3"), 12), QStringLiteral(" Joueur n° 10"));
        QCOMPARE(label(QStringLiteral("S3"), 20), QStringLiteral("Sud 3"));
        QCOMPARE(label(QStringLiteral("X3"), 20), QStringLiteral("X3"));
        sortRanking(t, 1);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(t.cell(i, 1), QStringLiteral(" Joueur n° %1").arg(i + 1));

        // A partly entered round of a 20-player field keeps its 12 rows in seat order, none lost.
        t = table();
        const QStringList some = {"O5", "N2", "S1", "E3", "N1", "S5", "O1", "E2", "N4", "S2", "E5", "O3"};
        for (const QString &code : some)
            t.append({code, label(code, 20), code});
        sortRanking(t, 1);
        QCOMPARE(columnOf(t, 2), (QStringList{"N1", "N2", "N4", "S1", "S2", "S5", "E2", "E3", "E5", "O1", "O3", "O5"}));
    }

    // The fast sort gives the very tables of the literal procedure (over many more tables in the
    // fuzz target fuzz_ranking).
    void sortMatchesTheLiteralProcedure()
    {
        std::mt19937 rng(20261208);
        const QStringList names = {"DUPONT Jean ", "dupont Jean ", "MARTIN Anne ", " CHAISE VIDE 1 ", "", "Émile Luc "};
        const QStringList odd = {"EXCLU", "SANS OBJET", "-32767", "-32768", "-99999", "", "+5", "abc"};
        for (int round = 0; round < 300; ++round) {
            const int sizes[] = {0, 1, 2, 3, 5, 12, 16, 20, 37};
            // Every 50th table is large, its scores mostly apart: texts of few rows are found
            // otherwise than texts of many.
            const int n = round % 50 == 0 ? 300 : round % 5 == 0 ? sizes[rng() % 9] : int(rng() % 64);
            RankingTable t = table();
            for (int i = 0; i < n; ++i) {
                const int spread = n == 300 ? 200 : 7;
                QString score =
                    rng() % 4 == 0 ? odd[rng() % odd.size()] : QString::number(int(rng() % spread) * 10 - 30);
                t.append({names[rng() % names.size()], QStringLiteral("id%1").arg(i), score});
                if (rng() % 3 == 0) // a total, as the general ranking holds it
                    t.setNumber(i, 2, rng() % 2 ? qint64(rng() % 7) * 10 - 30 : std::numeric_limits<qint64>::min());
            }
            for (int k : {0, 2})
                compareWithReference(t, k);
            // POSITION: a whole field shuffled.
            const int lines = sizes[rng() % 9] / 4 * 4;
            QList<QStringList> field;
            for (const QString &code : seatCodesInTableOrder(lines / 4))
                field << QStringList{names[rng() % names.size()], label(code, lines), QString::number(rng() % 9)};
            std::shuffle(field.begin(), field.end(), rng);
            compareWithReference(table(field), 1);
        }
    }

    void namesByCherchenom()
    {
        const QStringList list = {"DUPONT Jean = N12", "MARTIN Anne = N1", "LEROY Paul = S1",
                                  "PETIT Luc = N1",    "SANS SIEGE",       " CHAISE VIDE 2 = N2"};
        QCOMPARE(nameEndingWithSeat(list, QStringLiteral("N1")), QStringLiteral("PETIT Luc "));
        QCOMPARE(nameEndingWithSeat(list, QStringLiteral("N12")), QStringLiteral("DUPONT Jean "));
        QCOMPARE(nameEndingWithSeat(list, QStringLiteral("N2")), QStringLiteral(" CHAISE VIDE 2 "));
        QCOMPARE(nameEndingWithSeat(list, QStringLiteral("E4")), QString());
        QCOMPARE(nameEndingWithSeat(list, QStringLiteral("SIEGE")), QStringLiteral("SANS SIEGE"));
        // N1 before N12: the N12 line must not overwrite N1's name either.
        QCOMPARE(nameEndingWithSeat({"MARTIN Anne = N1", "DUPONT Jean = N12"}, QStringLiteral("N1")),
                 QStringLiteral("MARTIN Anne "));

        // The index answers as nameEndingWithSeat does, odd codes and lines included.
        std::mt19937 rng(7);
        const QStringList pieces = {"N", "S", "E", "O", "1", "2", "12", " = ", "=", "X", "01", "0", ""};
        for (int round = 0; round < 300; ++round) {
            QStringList lines;
            for (int i = 0; i < 12; ++i)
                lines << QStringLiteral("NOM%1").arg(i) + pieces[rng() % pieces.size()] +
                             pieces[rng() % pieces.size()] + pieces[rng() % pieces.size()];
            const NameIndex index(lines);
            for (int i = 0; i < 20; ++i) {
                const QString code = pieces[rng() % pieces.size()] + pieces[rng() % pieces.size()];
                const qsizetype line = index.line(code);
                QCOMPARE(line < 0 ? QString() : ::lines::nameOfEntry(lines[line]).toString(),
                         nameEndingWithSeat(lines, code));
            }
        }
    }

    void generalRankingFromTheFiles()
    {
        TestPlatform p;
        Tournament s;
        arrange(s, [](Tournament::Data &d) {
            d.playerRegisterList = seatedRegister(2, 1, Names::ByNumber);
        }); // a CHAISE VIDE at N1
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 1; });
        // No score file at all.
        RankingTable t = buildGeneralRanking(s);
        QCOMPARE(t.rows(), (QList<QStringList>{{noRanking, "", ""}}));
        QCOMPARE(t.header(), (QStringList{"NOM", "POSITION", "SCORE"}));

        // Round 1 in progress: tour.tmp alone, its texts as stored.
        p.write("tour.tmp", {"N1=0", "O1=007", "E1=-40", "S1=33"});
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());
        t = buildGeneralRanking(s);
        QCOMPARE(columnOf(t, 1), (QStringList{"Sud 1", "Ouest 1", "Est 1", "Nord 1"}));
        QCOMPARE(columnOf(t, 2), (QStringList{"33", "007", "-40", "SANS OBJET"}));
        QCOMPARE(t.cell(0, 0), QStringLiteral("JOUEUR2 Paul "));

        // Round 3 in progress: round 2 complete, round 3 incomplete (left out), penalties, exclusion.
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 3; });
        p.write("tour1.tmp", scoreLines(seatCodesInTableOrder(2), {0, 100, -50, -50, 60, 20, -40, -40}));
        p.write("tour2.tmp", scoreLines(seatCodesInTableOrder(2), {0, -30, 10, 20, -10, 20, -5, -5}));
        p.write("tour.tmp", {"N1=0", "S1=1000", "E1=-500", "O1=-500"});
        p.write("penal.tmp", {"S1=-20", "E2=-15", "E2=-15", "X9=-100", "O2=bad"});
        p.write("exclu.tmp", {"S2", "Z1"});
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());
        t = buildGeneralRanking(s);
        // S1 100-30-20 = 50; N2 60-10 = 50 (after S1, its first); S2 40 EXCLU; O1 -50+20 = -30;
        // E1 -40; E2 -40-5-30 = -75; O2 -45; then S2 excluded, then N1's empty chair.
        QCOMPARE(columnOf(t, 1),
                 (QStringList{"Sud 1", "Nord 2", "Ouest 1", "Est 1", "Ouest 2", "Est 2", "Sud 2", "Nord 1"}));
        QCOMPARE(columnOf(t, 2), (QStringList{"50", "50", "-30", "-40", "-45", "-75", "EXCLU", "SANS OBJET"}));

        // A gap in the tour files: round 2 adds nothing, round 3's tour.tmp still counts when complete.
        p.write("tour.tmp", scoreLines(seatCodesInTableOrder(2), {0, 1, 1, 1, 1, 1, 1, -6}));
        QFile::remove(p.path("tour2.tmp"));
        QFile::remove(p.path("penal.tmp"));
        QFile::remove(p.path("exclu.tmp"));
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());
        t = buildGeneralRanking(s);
        QCOMPARE(columnOf(t, 2), (QStringList{"101", "61", "21", "-39", "-46", "-49", "-49", "SANS OBJET"}));
    }

    void oddSeatCodesAreKeptApart()
    {
        TestPlatform p;
        Tournament s;
        arrange(s, [&](Tournament::Data &d) {
            d.playerRegisterList = {"A a = N1", "B b = N01", "C c = S1", "D d = S1"};
        });
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 2; });
        p.write("tour1.tmp", {"N1=10", "N01=20", "S1=30", "S1=40"});
        p.write("tour.tmp", {"N01=1", "N1=2", "S1=3", "n1=4"});
        p.write("penal.tmp", {"N001=-100", "S1=-1000"});
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());
        const RankingTable t = buildGeneralRanking(s);
        // The first S1 row takes every S1 line; the second keeps its text; N01 is not N1.
        QCOMPARE(t.rows(), (QList<QStringList>{{"D d ", "Sud 1", "40"},
                                               {"B b ", "Nord 01", "21"},
                                               {"A a ", "Nord 1", "12"},
                                               {"D d ", "Sud 1", "-967"}}));
    }

    void pcnColumn()
    {
        QCOMPARE(pcn(1, 5), 200);
        QCOMPARE(pcn(5, 5), 100);
        QCOMPARE(pcn(1, 40), 1500);
        QCOMPARE(pcn(15, 40), 160);
        QCOMPARE(pcn(16, 40), 120);
        QCOMPARE(pcn(40, 40), 120);

        RankingTable t = table();
        for (int i = 0; i < 24; ++i)
            t.append({QStringLiteral("N%1").arg(i, 2, 10, QLatin1Char('0')), "p", QString::number(i)});
        sortRanking(t, 0);
        setPcn(t, true, 5);
        QCOMPARE(t.columnCount(), 4);
        QCOMPARE(t.cell(0, 2), QStringLiteral("23")); // sorted by score again first
        QCOMPARE(columnOf(t, 3).mid(0, 6), (QStringList{"200", "170", "140", "120", "100", ""}));
        sortRanking(t, 0); // the points move with their rows
        QCOMPARE(t.cell(t.size() - 1, 3), QStringLiteral("200"));
        setPcn(t, false, 5);
        QCOMPARE(t.columnCount(), 3);
        QCOMPARE(t.row(0).size(), 3);

        Tournament s;
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 4; });
        QVERIFY(!pcnAvailable(s, t));
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 5; });
        QVERIFY(pcnAvailable(s, t));
        t.truncate(13);
        QVERIFY(!pcnAvailable(s, t));
    }

    // 14 players at 4 tables, round 5, three positive totals, one exclusion: the two empty chairs
    // and the excluded player come last, take no rank and no PCN points.
    void emptyChairsAndExclusionsTakeNoRank()
    {
        TestPlatform p;
        Tournament s;
        arrange(s, [](Tournament::Data &d) {
            d.playerRegisterList = seatedRegister(4, 2, Names::ByNumber);
        }); // chairs at N1 and N2
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 5; });
        const QStringList round =
            scoreLines(seatCodesInTableOrder(4), {0, 30, -10, -20, 0, 20, -5, -15, 10, -2, -3, -5, 0, 0, 0, 0});
        for (int r = 1; r <= 4; ++r)
            p.write(QStringLiteral("tour%1.tmp").arg(r), round);
        p.write("tour.tmp", round);
        p.write("exclu.tmp", {"E3"});
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());

        RankingTable t = buildGeneralRanking(s);
        QCOMPARE(columnOf(t, 2), (QStringList{"150", "100", "50", "0", "0", "0", "0", "-10", "-25", "-25", "-50", "-75",
                                              "-100", "EXCLU", "SANS OBJET", "SANS OBJET"}));
        std::vector<int> expectedRanks(16, 0);
        for (int r = 0; r < 13; ++r)
            expectedRanks[size_t(r)] = r + 1;
        QCOMPARE(ranks(t), expectedRanks);
        QVERIFY(pcnAvailable(s, t));
        setPcn(t, true, s.tableCount());
        QStringList points(16);
        points[0] = "160", points[1] = "136", points[2] = "112", points[3] = "96";
        QCOMPARE(columnOf(t, 3), points);
        // Fewer ranked players than tables: only they get points.
        RankingTable few = table({{"A", "p1", "EXCLU"}, {"B", "p2", "-5"}, {"C", "p3", "SANS OBJET"}});
        setPcn(few, true, 4);
        QCOMPARE(columnOf(few, 3), (QStringList{"160", "", ""}));

        // By name, the ranks count the ranked rows in the new order; the chairs' names come first.
        sortRanking(t, 0);
        QCOMPARE(ranks(t)[0], 0);
        QCOMPARE(ranks(t)[2], 1);

        t = roundRanking(s, 5);
        QCOMPARE(columnOf(t, 2), (QStringList{"30", "20", "10", "0", "0", "0", "0", "-2", "-5", "-5", "-10", "-15",
                                              "-20", "EXCLU", "SANS OBJET", "SANS OBJET"}));
        QCOMPARE(ranks(t), expectedRanks);
    }

    void roundRankingFromItsFile()
    {
        TestPlatform p;
        Tournament s;
        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(2, 0, Names::ByNumber); });
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 2; });
        p.write("tour1.tmp", scoreLines(seatCodesInTableOrder(2), {10, 20, 30, -60, 5, 5, 5, -15}));
        p.write("tour.tmp", {"N1=-5", "O1=15", "E1=-20", "S1=10"});
        p.write("penal.tmp", {"O1=-1000"});
        p.write("exclu.tmp", {"E1"});
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());

        RankingTable t = roundRanking(s, 2);
        QCOMPARE(columnOf(t, 1), (QStringList{"Ouest 1", "Sud 1", "Nord 1", "Est 1"}));
        QCOMPARE(columnOf(t, 2), (QStringList{"15", "10", "-5", "EXCLU"}));
        t = roundRanking(s, 1); // excluded in every round, penalties never shown
        QCOMPARE(columnOf(t, 2), (QStringList{"20", "10", "5", "5", "5", "-15", "-60", "EXCLU"}));
        QCOMPARE(roundRanking(s, 3).size(), 0);

        arrange(s, [&](Tournament::Data &d) { d.scoreList.clear(); });
        QCOMPARE(latestRound(s), 1); // no score entered in the score list yet
        arrange(s, [&](Tournament::Data &d) { d.scoreList = {"N1=-5"}; });
        QCOMPARE(latestRound(s), 2);
    }
};

QTEST_GUILESS_MAIN(TestRanking)
#include "test_ranking.moc"
