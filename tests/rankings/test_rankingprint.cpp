#include "rankings/rankingprint.h"
#include "support/testing.h"

#include <QTest>

namespace {

RankingTable rows(int n, bool pcn)
{
    RankingTable t(pcn ? QStringList{"NOM", "POSITION", "SCORE", "PCN"} : QStringList{"NOM", "POSITION", "SCORE"});
    for (int i = 1; i <= n; ++i)
        t.append({QStringLiteral("NOM%1 ").arg(i), QStringLiteral("Nord %1").arg(i), QString::number(1000 - i),
                  pcn && i <= 15 ? QString::number(16 * i) : QString()});
    return t;
}

Tournament tournament(int round)
{
    Tournament s;
    arrange(s, [&](Tournament::Data &d) { d.currentRound = round; });
    arrange(s, [&](Tournament::Data &d) { d.date = QStringLiteral("08/12/2026"); });
    arrange(s, [&](Tournament::Data &d) { d.place = QStringLiteral("Salle des fêtes"); });
    return s;
}

// Fixed metrics: size 10 text is 100 high, so L = (H - 10) div 110; 4430 high gives H = 4410, L = 40.
RecordingCanvas page(int height = 4430)
{
    RecordingCanvas c;
    c.height = height;
    return c;
}

} // namespace

class TestRankingPrint : public QObject
{
    Q_OBJECT

private slots:
    void generalRankingOnTwoPages()
    {
        RecordingCanvas c = page();
        QVERIFY(printGeneralRanking(c, tournament(5), rows(60, true)));
        const int w = 4780;
        const QString title = QStringLiteral("Classement Général Tournoi du 08/12/2026 Salle des fêtes");
        const auto t = c.find(title);
        // Too wide at double size for this page: set at the largest size that fits.
        QCOMPARE(t.size, 16);
        QCOMPARE(t.x, (w - int(title.size()) * 80) / 2);
        QCOMPARE(t.y, 200 / 2 + 10);
        QCOMPARE(c.pages(), 2);

        // Header at slot 4, row 1 at slot 5, row 35 at slot 39; then 36 at slot 1 of page 2.
        QCOMPARE(c.find("NOM").y, 440);
        QCOMPARE(c.find("PCN").x, (w / 5) * 4);
        const auto first = c.find("NOM1 ");
        QCOMPARE(first.x, 100);
        QCOMPARE(first.y, 550);
        QCOMPARE(c.find("Nord 1").x, w / 3);
        QCOMPARE(c.find("999").x, (w / 3) * 2);
        QCOMPARE(c.find("16").x, (w / 5) * 4);
        QCOMPARE(c.find("NOM35 ").page, 1);
        QCOMPARE(c.find("NOM35 ").y, 39 * 110);
        QCOMPARE(c.find("NOM36 ").page, 2);
        QCOMPARE(c.find("NOM36 ").y, 110);
        const auto rank36 = c.find("36");
        QCOMPARE(rank36.x, 20);
        QCOMPARE(rank36.page, 2);

        const auto footer1 = c.find("Page 1");
        QCOMPARE(footer1.page, 1);
        QCOMPARE(footer1.size, 8);
        QCOMPARE(footer1.x, w - 6 * 40 - 100);
        QCOMPARE(footer1.y, 4410 - 50);
        const auto last = c.find("Page 2 Tour 5");
        QCOMPARE(last.page, 2);
        QCOMPARE(last.x, w - 13 * 40 - 100);
        QVERIFY(c.find("Page 2").kind.isEmpty());
        QCOMPARE(c.ops.last().kind, QStringLiteral("end"));
    }

    // A last row that fills its page gives one more page with the frame and the last footer.
    void aFullLastPageIsFollowedByItsFooterPage()
    {
        RecordingCanvas c = page();
        printGeneralRanking(c, tournament(6), rows(35, false));
        QCOMPARE(c.pages(), 2);
        QCOMPARE(c.find("Page 1").page, 1);
        QCOMPARE(c.textsOnPage(2).size(), 1);
        QCOMPARE(c.find("Page 2 Tour 6").page, 2);
        QVERIFY(c.find("PCN").kind.isEmpty());

        c = page();
        printGeneralRanking(c, tournament(6), rows(74, false)); // 35 + 39
        QCOMPARE(c.pages(), 3);
        QCOMPARE(c.find("NOM74 ").y, 39 * 110);
        QCOMPARE(c.find("NOM74 ").page, 2);
        QCOMPARE(c.find("Page 3 Tour 6").page, 3);
    }

    void roundRankingLayout()
    {
        RecordingCanvas c = page();
        RankingTable t = rows(3, false);
        QVERIFY(printRoundRanking(c, tournament(5), t, 3));
        const int w = 4780;
        QVERIFY(!c.find("Classement du tour n°3 Tournoi du 08/12/2026 Salle des fêtes").kind.isEmpty());
        QCOMPARE(c.find("Nord 2").x, w / 2);
        QCOMPARE(c.find("998").x, (w / 4) * 3);
        QCOMPARE(c.find("2").x, 20);
        QCOMPARE(c.find("Page 1").page, 1);

        // An excluded player and an empty chair print no rank.
        c = page();
        RankingTable unranked = rows(1, false);
        unranked.append({"EXCLU Paul ", "Sud 1", "EXCLU"});
        unranked.append({" CHAISE VIDE 1 ", "Est 1", "SANS OBJET"});
        unranked.append({"NOM4 ", "Ouest 1", "-3"});
        printRoundRanking(c, tournament(5), unranked, 3);
        QStringList ranksPrinted;
        for (const auto &op : c.texts())
            if (op.x == 20)
                ranksPrinted << op.text;
        QCOMPARE(ranksPrinted, (QStringList{"1", "2"}));
        QCOMPARE(c.find("2").y, c.find("NOM4 ").y);

        // An empty round: the title and the header only.
        c = page();
        t.truncate(0);
        printRoundRanking(c, tournament(5), t, 4);
        QCOMPARE(c.texts().size(), 5);
    }

    void tinyPagesStillBreak()
    {
        RecordingCanvas c = page(20 + 10 + 3 * 110); // L = 3
        printGeneralRanking(c, tournament(2), rows(9, false));
        // Each page after the first holds row slots 1 and 2 only.
        for (int p = 2; p <= c.pages(); ++p)
            for (const auto &op : c.textsOnPage(p))
                QVERIFY(op.y <= 2 * 110 || op.size == 8);
        QCOMPARE(c.find("NOM9 ").page, c.pages());
        QCOMPARE(c.pages(), 6);
    }

    // A name longer than its column is cut two blanks before the next one; the last column ends
    // inside the frame.
    void longCellsAreCutInsideTheirColumn()
    {
        RankingTable t({"NOM", "POSITION", "SCORE", "PCN"});
        const QString name = QString(60, QLatin1Char('N'));
        t.append({name, QStringLiteral("Ouest 24"), QStringLiteral("-1200"), QString(30, QLatin1Char('9'))});
        RecordingCanvas c = page();
        QVERIFY(printGeneralRanking(c, tournament(5), t));
        const int w = 4780;
        // Up to w / 3 less two blanks: 1393 units, 27 characters.
        QCOMPARE(c.find(name.left(26) + QStringLiteral("…")).x, 100);
        QCOMPARE(c.find(QString(16, QLatin1Char('9')) + QStringLiteral("…")).x,
                 (w / 5) * 4); // 866 units: 17 characters
        QCOMPARE(c.find("Ouest 24").x, w / 3);
        QCOMPARE(c.crowding(15, w - 90), QString());
    }

    // At a large printing size the ranks are set smaller, to end two blanks before the names.
    void ranksKeepBeforeTheNames()
    {
        Tournament state = tournament(5);
        arrange(state, [&](Tournament::Data &d) { d.printFont.size = 24; });
        RecordingCanvas c = page();
        QVERIFY(printGeneralRanking(c, state, rows(96, true)));
        QCOMPARE(c.find("NOM96 ").size, 24);
        const auto rank = c.find("90");
        QCOMPARE(rank.x, 20);
        QCOMPARE(rank.size, 4); // 20 + 2 × 20 + 2 × 20 <= 100
        QCOMPARE(rank.y, c.find("NOM90 ").y);
        QCOMPARE(c.find("1").size, 4);
        QCOMPARE(c.crowding(15, 4780 - 90), QString());
    }

    void refusedPrinter()
    {
        RecordingCanvas c = page();
        c.refuse = true;
        QVERIFY(!printGeneralRanking(c, tournament(2), rows(3, false)));
        QVERIFY(c.texts().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRankingPrint)
#include "test_rankingprint.moc"
