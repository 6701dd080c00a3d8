#include "print/pagelayout.h"
#include "support/testing.h"

#include <QTest>

// The page conventions every printout shares, on the recording canvas: a page of 4800 × 6800
// units, text 10 units high per point of size and 5 wide per character and point.
class TestPageLayout : public QObject
{
    Q_OBJECT

    static QList<RecordingCanvas::Op> linesOf(const RecordingCanvas &canvas, int page)
    {
        QList<RecordingCanvas::Op> out;
        for (const RecordingCanvas::Op &op : canvas.ops)
            if (op.kind == QLatin1String("line") && op.page == page)
                out << op;
        return out;
    }

    static void checkFrame(const QList<RecordingCanvas::Op> &lines, int w, int h)
    {
        QVERIFY(lines.size() >= 4);
        const int frame[4][4] = {{10, 10, 10, h}, {10, h, w, h}, {w, h, w, 10}, {w, 10, 10, 10}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(lines[i].x, frame[i][0]);
            QCOMPARE(lines[i].y, frame[i][1]);
            QCOMPARE(lines[i].x2, frame[i][2]);
            QCOMPARE(lines[i].y2, frame[i][3]);
            QCOMPARE(lines[i].pen, 10);
        }
    }

private slots:
    void frameTitleRowsAndFooter()
    {
        RecordingCanvas canvas;
        PrintFont font{QStringLiteral("Times"), 12};
        PageLayout page(canvas, font, QStringLiteral("Liste des joueurs"));
        QCOMPARE(page.width(), 4780);
        QCOMPARE(page.height(), 6780);
        QCOMPARE(page.rowSlots(), (6780 - 10) / (120 + 10));
        QVERIFY(page.begin());
        QCOMPARE(canvas.family, QStringLiteral("Times"));
        page.title(QStringLiteral("Liste des joueurs"), QStringLiteral("Liste des joueurs"), 2);
        const RecordingCanvas::Op title = canvas.find(QStringLiteral("Liste des joueurs"));
        QCOMPARE(title.size, 24); // double size
        QCOMPARE(title.x, (4780 - 17 * 24 * 5) / 2);
        QCOMPARE(title.y, 240 / 2 + 10);
        const QList<RecordingCanvas::Op> lines = linesOf(canvas, 1);
        checkFrame(lines, 4780, 6780);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[4].x, 10);
        QCOMPARE(lines[4].y, 2 * 240 + 10);
        QCOMPARE(lines[4].x2, 4780);
        QCOMPARE(lines[4].y2, 2 * 240 + 10);
        QCOMPARE(canvas.fontSize(), 12); // back to the printing size

        page.startRows(3);
        QCOMPARE(page.nextRow(), 4 * 130); // the row height of "Ljste" plus 10
        QCOMPARE(page.nextRow(), 5 * 130);
        page.finish();
        const RecordingCanvas::Op footer = canvas.find(QStringLiteral("Page 1"));
        QCOMPARE(footer.size, 8);
        QCOMPARE(footer.x, 4780 - 6 * 8 * 5 - 100);
        QCOMPARE(footer.y, 6780 - 50);
        QCOMPARE(canvas.ops.last().kind, QStringLiteral("end"));
        QCOMPARE(canvas.pages(), 1);
    }

    void aFullPageBreaksAfterItsLastRow()
    {
        RecordingCanvas canvas;
        PageLayout page(canvas, PrintFont{}, QStringLiteral("Liste des joueurs"));
        QVERIFY(page.begin());
        const int slotCount = page.rowSlots(); // 61 at size 10
        QCOMPARE(slotCount, 61);
        page.startRows(3);
        int rows = 0;
        while (page.nextRow() && !page.breakIfFull())
            ++rows;
        QCOMPARE(rows + 1, slotCount - 1 - 3); // rows 4 to L - 1 on the first page
        QCOMPARE(canvas.pages(), 2);
        QCOMPARE(page.slot(), 0);
        QCOMPARE(canvas.textsOnPage(1).last().text, QStringLiteral("Page 1"));
        checkFrame(linesOf(canvas, 2), 4780, 6780);
        QCOMPARE(page.nextRow(), 110); // the next pages start at row 1
        page.finish();
        QCOMPARE(canvas.textsOnPage(2).last().text, QStringLiteral("Page 2"));
    }

    void aPageTooShortForTheFirstRowsStillBreaks()
    {
        RecordingCanvas canvas;
        canvas.height = 500; // 3 slots: the first row already stands past them
        PageLayout page(canvas, PrintFont{}, QStringLiteral("Ljste"));
        QVERIFY(page.begin());
        page.startRows(3);
        page.nextRow();
        QVERIFY(page.breakIfFull());
        QCOMPARE(canvas.pages(), 2);
    }

    // 50 units a character at size 10.
    void textsAreCutToTheirWidth()
    {
        RecordingCanvas canvas;
        const QString name = QStringLiteral("DUPONT Jean ");
        QCOMPARE(elided(canvas, name, 550), name); // its trailing blank draws nothing
        QCOMPARE(elided(canvas, name, 549), QStringLiteral("DUPONT Je…"));
        QCOMPARE(elided(canvas, name, 400), QStringLiteral("DUPONT…")); // no blank before "…"
        QCOMPARE(elided(canvas, name, 50), QStringLiteral("…"));
        QCOMPARE(elided(canvas, name, 49), QString());
    }

    void aRefusedDocumentDrawsNothing()
    {
        RecordingCanvas canvas;
        canvas.refuse = true;
        PageLayout page(canvas, PrintFont{}, QStringLiteral("Ljste"));
        QVERIFY(!page.begin());
        QVERIFY(canvas.ops.isEmpty());
    }
};

QTEST_MAIN(TestPageLayout)
#include "test_pagelayout.moc"
