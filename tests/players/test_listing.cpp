#include "support/driving.h"

#include "players/playerlist.h"
#include "players/playerlistdialog.h"

namespace {

QStringList listing(Application &app)
{
    auto &dialog = app.window<PlayerListDialog>();
    QStringList items;
    drive(dialog, choosing(app, "&Visualisation"), [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Visualisation"));
        QVERIFY(child<QPushButton>(dialog, "CancelBtn")->isHidden());
        items = itemsOf(child<QListWidget>(dialog, "ListBox1"));
        click(dialog, "OKBtn");
    });
    return items;
}

struct Printed
{
    QStringList names;
    QStringList seats;
};

// The rows of the printed list: names at x = 100, seats at the middle of the page.
Printed printed(TestPlatform &p)
{
    Printed out;
    for (const RecordingCanvas::Op &op : p.printing.last.texts()) {
        if (op.x == 100)
            out.names << op.text;
        else if (op.x == (p.printing.width - 20) / 2)
            out.seats << op.text;
    }
    return out;
}

} // namespace

// "&Visualisation" and "&Impression" of the player list.
class TestListing : public QObject
{
    Q_OBJECT

private slots:
    void beforeTheDrawTheNamesAloneInOrder()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, numberedPlayers(15, QStringLiteral("NOM")));
        registerPlayers(app, {{"PION", "joueur"}});
        registerPlayers(app, {}); // a second visit keeps the order
        QCOMPARE(listing(app), app.state().playerRegisterList());
        choose(app, "&Impression");
        QCOMPARE(printed(p).names, app.state().playerRegisterList());
        QVERIFY(printed(p).seats.isEmpty()); // 16 lines, but no seat to number
    }

    void emptyChairsAreListedOnPaperOnly()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 18); // two empty chairs, five tables
        const QStringList shown = listing(app);
        QCOMPARE(shown.size(), 18);
        for (const QString &line : shown)
            QVERIFY2(QRegularExpression(QStringLiteral("^JOUEUR\\d\\d Prenom (NORD|SUD|EST|OUEST) [1-5]$"))
                         .match(line)
                         .hasMatch(),
                     qPrintable(line));
        choose(app, "&Impression");
        const Printed rows = printed(p);
        QCOMPARE(rows.names.size(), 20);
        QCOMPARE(rows.names.mid(0, 2), (QStringList{" CHAISE VIDE 1 ", " CHAISE VIDE 2 "}));
        QCOMPARE(rows.seats.mid(0, 2), (QStringList{"Nord 1", "Nord 2"}));
        QCOMPARE(rows.seats.size(), 20);
        for (int i = 0; i < 20; ++i) { // "Ouest 3" back to "O3": each row is its register line
            const QString seat = rows.seats[i];
            QCOMPARE(rows.names[i] + QStringLiteral("= ") + seat.front() + seat.mid(seat.indexOf(QLatin1Char(' ')) + 1),
                     app.state().playerRegisterList()[i]);
        }
    }

    void threeOrFourTablesArePrintedWithPlayerNumbers_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("lines");
        QTest::newRow("12 players") << 12 << 12;
        QTest::newRow("14 players and 2 empty chairs") << 14 << 16;
    }
    void threeOrFourTablesArePrintedWithPlayerNumbers()
    {
        QFETCH(int, players);
        QFETCH(int, lines);
        TestPlatform p;
        Application app;
        seatPlayers(app, p, players);
        arrange(app.state(), [&](Tournament::Data &d) { d.movement.fft = false; });
        for (const QString &line : listing(app))
            QVERIFY2(!line.contains(QStringLiteral("Joueur")), qPrintable(line));
        choose(app, "&Impression");
        QStringList numbers = printed(p).seats;
        QStringList expected;
        for (int k = 1; k <= lines; ++k)
            expected << QString::fromUtf8("Joueur n° %1").arg(k);
        numbers.sort();
        expected.sort();
        QCOMPARE(numbers, expected);

        // on screen too, with the automatic FFT movements
        arrange(app.state(), [](Tournament::Data &d) { d.movement.fft = true; });
        const QStringList shown = listing(app);
        QCOMPARE(shown.size(), players);
        for (const QString &line : shown)
            QVERIFY2(line.contains(QString::fromUtf8(" Joueur n° ")), qPrintable(line));
    }

    void rowsPagesAndFooters()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        // 57 rows fill the first page exactly (rows 4 to 60 of 61 slots).
        QStringList lines;
        for (int i = 1; i <= 57; ++i)
            lines << QStringLiteral("JOUEUR%1 Prenom = S%2").arg(i, 2, 10, QLatin1Char('0')).arg(i);
        arrange(app.state(), [&](Tournament::Data &d) { d.playerRegisterList = lines; });
        choose(app, "&Impression");
        const RecordingCanvas &canvas = p.printing.last;
        QCOMPARE(p.printing.documents.last(), QStringLiteral("Liste des joueurs"));
        const RecordingCanvas::Op title = canvas.find(QStringLiteral("Liste des joueurs"));
        QCOMPARE(title.x, (4780 - 17 * 20 * 5) / 2);
        QCOMPARE(title.y, 110);
        const RecordingCanvas::Op first = canvas.find(QStringLiteral("JOUEUR01 Prenom "));
        QCOMPARE(first.y, 4 * 110);
        QCOMPARE(canvas.find(QStringLiteral("Sud 1")).y, 4 * 110);
        QCOMPARE(canvas.find(QStringLiteral("Sud 1")).x, 2390);
        QCOMPARE(canvas.find(QStringLiteral("JOUEUR57 Prenom ")).y, 60 * 110);
        QCOMPARE(canvas.pages(), 2);
        const QList<RecordingCanvas::Op> lastPage = canvas.textsOnPage(2);
        QCOMPARE(lastPage.size(), 1); // the frame and its footer only
        QCOMPARE(lastPage[0].text, QStringLiteral("Page 2"));
        QCOMPARE(canvas.find(QStringLiteral("Page 1")).y, 6730);

        // One line more: it opens the second page at row 1, without the title.
        arrange(app.state(), [&](Tournament::Data &d) { d.playerRegisterList << QStringLiteral("ZOE Prenom = N58"); });
        choose(app, "&Impression");
        QCOMPARE(p.printing.last.find(QStringLiteral("ZOE Prenom ")).y, 110);
        QCOMPARE(p.printing.last.find(QStringLiteral("ZOE Prenom ")).page, 2);
        QCOMPARE(p.printing.last.pages(), 2);
        QCOMPARE(p.printing.last.textsOnPage(2).size(), 3);
    }

    // A long name is cut two blanks before the seat column; without a seat it may take the line.
    void longNamesAreCutInsideTheirColumn()
    {
        Tournament state;
        const QString name = QString(100, QLatin1Char('N'));
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = {name + QStringLiteral(" = O24"), name}; });
        RecordingCanvas canvas;
        QVERIFY(playerlist::print(canvas, state));
        // 2390 - 100 - 100 = 2190 units: 43 characters; 4690 - 100: 91 characters.
        QCOMPARE(canvas.find(name.left(42) + QStringLiteral("…")).x, 100);
        QCOMPARE(canvas.find(QStringLiteral("Ouest 24")).x, 2390);
        QCOMPARE(canvas.find(name.left(90) + QStringLiteral("…")).x, 100);
        QCOMPARE(canvas.crowding(15, 4780 - 90), QString());
    }

    void anEmptyRegisterAndAPdfInsteadOfAPrinter()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        p.printing.where = QStringLiteral("Aucune imprimante n'est installée : le document a été enregistré.");
        choose(app, "&Impression");
        QCOMPARE(p.printing.last.texts().size(), 2); // title and footer
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].text, p.printing.where);
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Information);
        QVERIFY(listing(app).isEmpty());
    }

    void aRefusedDocumentIsSaid()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        struct Refusing : RecordingPrinting
        {
            Canvas *canvas(const QString &name) override
            {
                RecordingPrinting::canvas(name);
                last.refuse = true;
                return &last;
            }
        } refusing;
        Platform services = platform();
        services.printing = &refusing;
        installPlatform(services);
        choose(app, "&Impression");
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
    }
};

QTEST_MAIN(TestListing)
#include "test_listing.moc"
