#include "movements/positions.h"
#include "movements/positionsprint.h"
#include "support/tournaments.h"

#include <QTest>

using tournaments::seatedState;

namespace {

using Op = RecordingCanvas::Op;

// The texts printed on the row whose name is `name`, left to right, the name excluded.
QStringList rowOf(const RecordingCanvas &canvas, const QString &name)
{
    const Op first = canvas.find(name);
    QList<Op> row;
    for (const Op &op : canvas.texts())
        if (op.page == first.page && op.y == first.y && op.x != 100)
            row << op;
    std::sort(row.begin(), row.end(), [](const Op &a, const Op &b) { return a.x < b.x; });
    QStringList texts;
    for (const Op &op : row)
        texts << op.text;
    return texts;
}

// The y of every thin rule, per page.
QMap<int, QList<int>> rules(const RecordingCanvas &canvas)
{
    QMap<int, QList<int>> found;
    for (const Op &op : canvas.ops)
        if (op.kind == "line" && op.pen == 2)
            found[op.page] << op.y;
    return found;
}

// A register of full tables whose names are 60 characters long, printed at `size`.
Tournament longNames(int tables, int size, int chairs = 0)
{
    Tournament state = seatedState(tables, chairs);
    arrange(state, [&](Tournament::Data &d) {
        for (QString &line : d.playerRegisterList) {
            const RegisterLine split = splitRegisterLine(line);
            QString name = split.name;
            while (name.size() < 60)
                name += QStringLiteral("ABCDEFGHIJ");
            line = name.left(60) + QStringLiteral(" = ") + split.seatCode;
        }
        d.printFont.size = size;
    });
    return state;
}

} // namespace

class TestPositionsPrint : public QObject
{
    Q_OBJECT

private slots:
    void firstPageMeasures()
    {
        RecordingCanvas canvas;
        const Tournament state = seatedState(10);
        QVERIFY(printPositions(canvas, state, 10, 6));
        // Text 50 units a character and 100 high at size 10; W 4780, H 6780.
        const Op title = canvas.find("Liste des positions");
        QCOMPARE(title.size, 20);
        QCOMPARE(QPoint(title.x, title.y), QPoint((4780 - 1900) / 2, 200 / 4 + 10));
        QCOMPARE(canvas.find("NOM").x, 100);
        QCOMPARE(canvas.find("NOM").y, 260);
        // P = the longest line ("JOUEUR E10 = E10") + 50; C = (W - P - 800) / 6; X(d) = 550 + P + (d - 1)C + C / 2.
        const int P = 850, C = (4780 - P - 800) / 6;
        QCOMPARE(canvas.find("POSITION").x, P);
        for (int d = 1; d <= 6; ++d) {
            const Op heading = canvas.find(QStringLiteral("tour %1").arg(d));
            QCOMPARE(heading.x, 550 + P + (d - 1) * C + C / 2 - 150);
            QCOMPARE(heading.y, 260);
        }
        const Op e1 = canvas.find("JOUEUR E1 ");
        QCOMPARE(e1.size, 10);
        QVERIFY(e1.y % 110 == 0 && e1.y >= 440);
        // Est moves 2 tables a round, one more from round 6 at 10 tables.
        QCOMPARE(rowOf(canvas, "JOUEUR E1 "), (QStringList{"Est 1", "1", "3", "5", "7", "9", "2"}));
        QCOMPARE(rowOf(canvas, "JOUEUR O3 "), (QStringList{"Ouest 3", "3", "2", "1", "10", "9", "7"}));
        const QList<Op> cells = canvas.texts();
        const auto cell =
            std::find_if(cells.begin(), cells.end(), [&](const Op &op) { return op.y == e1.y && op.text == "9"; });
        QCOMPARE(cell->x, 550 + P + 4 * C + C / 2);
        QCOMPARE(canvas.pages(), 1);
        QCOMPARE(canvas.find("Page 1").size, 8);
        QCOMPARE(QPoint(canvas.find("Page 1").x, canvas.find("Page 1").y), QPoint(4780 - 240 - 100, 6780 - 50));
        QCOMPARE(canvas.ops.last().kind, QStringLiteral("end"));
    }

    void rulesAndPageBreaks()
    {
        RecordingCanvas canvas;
        canvas.height = 2500; // L = 2470 div 110 = 22 row slots
        Tournament state = seatedState(10);
        QVERIFY(printPositions(canvas, state, 10, 6));
        // Page 1: rows 4 to 21; page 2: rows 1 to 21; page 3 the last row.
        QCOMPARE(canvas.pages(), 3);
        const QList<int> everyFifth = {9 * 110, 14 * 110, 19 * 110};
        QCOMPARE(rules(canvas).value(1), everyFifth);
        QCOMPARE(rules(canvas).value(2), everyFifth);
        QVERIFY(!rules(canvas).contains(3));
        const QList<Op> second = canvas.textsOnPage(2);
        QCOMPARE(second.first().y, 110);
        QCOMPARE(second.size(), 21 * 8 + 1); // name, position, 6 rounds, and the footer
        for (const Op &op : second)
            QVERIFY(op.text != "NOM" && op.text != "Liste des positions" && op.text != "tour 1");
        QCOMPARE(canvas.textsOnPage(1).last().text, QStringLiteral("Page 1"));
        QCOMPARE(canvas.textsOnPage(2).last().text, QStringLiteral("Page 2"));
        QCOMPARE(canvas.textsOnPage(3).last().text, QStringLiteral("Page 3"));
        // The frame is drawn again on every page.
        int frames = 0;
        for (const Op &op : canvas.ops)
            frames += op.kind == "line" && op.x == 10 && op.y == 10;
        QCOMPARE(frames, 3);

        // A register that fills page 2 exactly gives a third page with its frame and footer only,
        // as every printout does.
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList.removeLast(); });
        RecordingCanvas exact;
        exact.height = 2500;
        printPositions(exact, state, 10, 6);
        QCOMPARE(exact.pages(), 3);
        QCOMPARE(exact.textsOnPage(3).size(), 1);
        QCOMPARE(exact.texts().last().text, QStringLiteral("Page 3"));
    }

    void pageTooShortStillBreaks()
    {
        RecordingCanvas canvas;
        canvas.height = 500; // L = 4: the first row already passes the page-full test
        Tournament state;
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = {"A = N1", "B = S1", "C = E1"}; });
        QVERIFY(printPositions(canvas, state, 1, 2));
        QCOMPARE(canvas.pages(), 2);
        QCOMPARE(canvas.find("A ").page, 1);
        QCOMPARE(canvas.find("B ").page, 2);
        QCOMPARE(canvas.find("C ").page, 2);
    }

    void lineWithoutSeatAndRefusedPrinter()
    {
        RecordingCanvas canvas;
        Tournament state = seatedState(2);
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList.prepend("DURAND Paul"); });
        printPositions(canvas, state, 2, 4);
        QCOMPARE(canvas.find("DURAND Paul").x, 100);
        QVERIFY(rowOf(canvas, "DURAND Paul").isEmpty());
        QCOMPARE(rowOf(canvas, "JOUEUR S2 ").size(), 5);

        RecordingCanvas refused;
        refused.refuse = true;
        QVERIFY(!printPositions(refused, state, 2, 4));
        QVERIFY(refused.ops.isEmpty());
    }

    void smallFieldPrintsTheSchedule()
    {
        RecordingCanvas canvas;
        Tournament state = seatedState(4, 1);
        QVERIFY(printPositions(canvas, state, 4, 8));
        QCOMPARE(rowOf(canvas, " CHAISE VIDE 1 "),
                 (QStringList{"n° 1", "1 Nord", "1 Nord", "1 Nord", "1 Nord", "1 Nord", "1 Nord", "1 Nord", "1 Nord"}));
        // Rounds 7 and 8 go on with the rows of rounds 2 and 3.
        QCOMPARE(rowOf(canvas, "JOUEUR S1 "),
                 (QStringList{"n° 2", "1 Sud", "2 Ouest", "3 Sud", "4 Est", "2 Nord", "1 Sud", "2 Ouest", "3 Sud"}));

        RecordingCanvas manual;
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        printPositions(manual, state, 4, 3);
        QCOMPARE(rowOf(manual, "JOUEUR S1 "), (QStringList{"Sud 1", "1", "2", "3"}));

        // A plan for 3 tables from a larger register: the players off the schedule get empty cells.
        RecordingCanvas three;
        Tournament larger = seatedState(5);
        printPositions(three, larger, 3, 2);
        QCOMPARE(rowOf(three, "JOUEUR N4 "), QStringList{"n° 13"});
        QCOMPARE(rowOf(three, "JOUEUR O3 "), (QStringList{"n° 12", "3 Ouest", "2 Ouest"}));

        // Two empty chairs would sit together: the plan follows the movements instead.
        RecordingCanvas chairs;
        printPositions(chairs, seatedState(3, 2), 3, 2);
        QCOMPARE(rowOf(chairs, " CHAISE VIDE 2 "), (QStringList{"Nord 2", "2", "2"}));
    }

    // Players the plan seats together again are told of at the foot of the last page, inside
    // the frame, above the footer; on a page of their own when the rows leave no room.
    void repeatMeetingsAtTheFoot()
    {
        Tournament state;
        arrange(state, [](Tournament::Data &d) { d.playerRegisterList = tournaments::seated(13); });
        const QStringList sentence = {
            QStringLiteral("Avec ces déplacements, 13 joueurs se rencontrent plus d'une fois, jusqu'à 5 fois (par"),
            QStringLiteral("exemple Est 1 et Ouest 1, tours 1, 2, 3, 4 et 5).")};
        RecordingCanvas canvas;
        QVERIFY(printPositions(canvas, state, 4, 6));
        const QList<Op> texts = canvas.texts();
        QCOMPARE(texts.last().text, QStringLiteral("Page 1"));
        for (int i = 0; i < 2; ++i) {
            const Op &line = texts[texts.size() - 3 + i];
            QCOMPARE(line.text, sentence[i]);
            QCOMPARE(QPoint(line.x, line.y), QPoint(100, 6780 - 60 - (2 - i) * 100));
            QCOMPARE(line.size, 10);
        }
        QCOMPARE(canvas.crowding(15, 4780 - 90), QString());

        RecordingCanvas full;
        full.height = 2400; // the last row at 19 × 110: no room left for two lines above the footer
        printPositions(full, state, 4, 6);
        QCOMPARE(full.pages(), 2);
        QCOMPARE(full.textsOnPage(1).last().text, QStringLiteral("Page 1"));
        QCOMPARE(full.textsOnPage(2).size(), 3);
        QCOMPARE(full.textsOnPage(2).first().y, 2380 - 60 - 200);
    }

    // Long names: the name column is narrowed so that every round keeps room for its heading,
    // and the names are cut inside it; the rows keep the printing size.
    void longNamesAreCutInsideTheirColumn()
    {
        RecordingCanvas canvas;
        const Tournament state = longNames(24, 10);
        QVERIFY(printPositions(canvas, state, 24, 6));
        // Packed up to the frame's margin: the position column as wide as "POSITION" and two
        // blanks, the rounds as wide as "tour 6" and two blanks.
        const int P = 4690 - 500 - 6 * (300 + 100);
        QCOMPARE(canvas.find("POSITION").x, P);
        QCOMPARE(canvas.find("tour 6").x, P + 500 + 5 * 400 + 200 - 150);
        const QString first = splitRegisterLine(state.playerRegisterList().first()).name;
        const Op name = canvas.find(first.left(30) + QStringLiteral("…")); // 31 characters: up to P less two blanks
        QCOMPARE(name.x, 100);
        QCOMPARE(name.size, 10);
        QCOMPARE(rowOf(canvas, name.text).size(), 7);
        QCOMPARE(canvas.crowding(15, 4780 - 90), QString());
    }

    // Ten rounds at the largest printing size: the names are cut no shorter than 20 characters,
    // then the rows (headings included) are set smaller, on every page.
    void tenRoundsAtTheLargestSize()
    {
        RecordingCanvas canvas;
        QVERIFY(printPositions(canvas, longNames(24, 24), 24, 10));
        // At size s, C = "tour 10" and two blanks = 45s, the position column 50s, the name column
        // 20 characters and two blanks: 100 + 110s + 50s + 10 × 45s <= 4690 first holds at size 7.
        const Op ten = canvas.find("tour 10");
        QCOMPARE(ten.size, 7);
        QCOMPARE(ten.y, 610); // where the headings stand at size 24
        QCOMPARE(canvas.find("POSITION").x, 4690 - 50 * 7 - 450 * 7);
        QVERIFY(canvas.pages() > 1);
        for (const Op &op : canvas.texts())
            if (op.x == 100 && op.text != "NOM") {
                QCOMPARE(op.size, 7);         // after each page's footer too
                QCOMPARE(op.text.size(), 29); // up to 1190 less two blanks
                QVERIFY(op.text.endsWith(QStringLiteral("…")));
            }
        QCOMPARE(canvas.crowding(15, 4780 - 90), QString());
    }

    // Whatever the rounds, tables and size, no text meets its neighbour or passes the frame,
    // the small-field cells ("2 Ouest") included.
    void nothingCrowdsAtAnySize()
    {
        for (const int tables : {4, 24, 255})
            for (const int rounds : {1, 3, 7, 10})
                for (const int size : {10, 17, 24}) {
                    RecordingCanvas canvas;
                    QVERIFY(printPositions(canvas, longNames(tables, size, tables == 4), tables, rounds));
                    const QString crowded = canvas.crowding(15, 4780 - 90);
                    QVERIFY2(crowded.isEmpty(), qPrintable(QStringLiteral("%1 tables, %2 rounds, size %3: %4")
                                                               .arg(tables)
                                                               .arg(rounds)
                                                               .arg(size)
                                                               .arg(crowded)));
                }
    }
};

QTEST_MAIN(TestPositionsPrint)
#include "test_positionsprint.moc"
