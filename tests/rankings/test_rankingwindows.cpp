#include "platform/qtplatform.h"
#include "tournament/workingfilenames.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/roundrankingwindow.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QHelpEvent>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QToolTip>
#include <QTableView>

using tournaments::Names;
using tournaments::scoreLines;
using tournaments::seatCodesInTableOrder;
using tournaments::seatedRegister;

namespace {

QTableView *grid(QWidget *w)
{
    return child<QTableView>(*w, "StringGrid1");
}

QStringList column(QWidget *w, int k)
{
    QStringList texts;
    const QAbstractItemModel *m = grid(w)->model();
    for (int r = 0; r < m->rowCount(); ++r)
        texts << m->index(r, k).data().toString();
    return texts;
}

QStringList headers(QWidget *w)
{
    QStringList texts;
    const QAbstractItemModel *m = grid(w)->model();
    for (int k = 0; k < m->columnCount(); ++k)
        texts << m->headerData(k, Qt::Horizontal).toString();
    return texts;
}

// The ranks the grid shows at the head of its rows.
QStringList rowHeaders(QWidget *w)
{
    QStringList texts;
    const QAbstractItemModel *m = grid(w)->model();
    for (int r = 0; r < m->rowCount(); ++r)
        texts << m->headerData(r, Qt::Vertical).toString();
    return texts;
}

int alignment(QWidget *w, int row, int k)
{
    return grid(w)->model()->index(row, k).data(Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
}

void clickHeader(QWidget *w, int k)
{
    QHeaderView *h = grid(w)->horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                      QPoint(h->sectionViewportPosition(k) + h->sectionSize(k) / 2, h->height() / 2));
}

void clickCell(QWidget *w, int row)
{
    QTableView *g = grid(w);
    g->scrollTo(g->model()->index(row, 0));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row, 0)).center());
}

// A 20-player field (five tables) in round `round`, rounds before it complete: player k scores
// k - 10 in round 1 and 10 - k in round 2, so the totals cancel and round 3 decides.
void field(TestPlatform &p, Application &app, int round)
{
    arrange(app.state(), [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(5, 0, Names::ByNumber); });
    arrange(app.state(), [&](Tournament::Data &d) { d.currentRound = round; });
    QList<int> up, down, third;
    for (int k = 1; k <= 20; ++k) {
        up << k - 10;
        down << 10 - k;
        third << (k % 2 ? 3 * k : -3 * (k - 1));
    }
    p.write("tour1.tmp", scoreLines(seatCodesInTableOrder(5), up));
    for (int r = 2; r < round; ++r)
        p.write(workingfile::finishedRound(r), scoreLines(seatCodesInTableOrder(5), r == 2 ? down : third));
    QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
}

} // namespace

class TestRankingWindows : public QObject
{
    Q_OBJECT

private slots:
    void generalRankingSortsAndShowsRanks()
    {
        TestPlatform p;
        Application app;
        field(p, app, 3);
        p.write("tour.tmp", scoreLines(seatCodesInTableOrder(2), {1, 2, 3, -6, 4, 4, -4, -4})); // two tables only
        p.write("penal.tmp", {"O5=-100"});
        p.write("exclu.tmp", {"N3"});
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        auto &w = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        QVERIFY(w.isVisible());
        QVERIFY(!w.isModal());
        QCOMPARE(headers(&w), (QStringList{"NOM", "POSITION", "SCORE"}));
        // Rounds 1 and 2 cancel out, round 3 is incomplete: everybody 0 but the penalised O5, then
        // the excluded N3 after every ranked player.
        QCOMPARE(column(&w, 2).at(18), QStringLiteral("-100"));
        QCOMPARE(column(&w, 1).at(18), QStringLiteral("Ouest 5"));
        QCOMPARE(column(&w, 2).last(), QStringLiteral("EXCLU"));
        QCOMPARE(column(&w, 1).last(), QStringLiteral("Nord 3"));
        QCOMPARE(column(&w, 2).count("0"), 18);
        QCOMPARE(column(&w, 2).count("EXCLU"), 1);
        QCOMPARE(column(&w, 1).first(), QStringLiteral("Nord 1")); // ties keep the file order
        // The rank heads each row, none for the excluded player; numbers stand right, names left.
        QVERIFY(grid(&w)->verticalHeader()->isVisible());
        QCOMPARE(rowHeaders(&w).mid(17), (QStringList{"18", "19", ""}));
        QCOMPARE(alignment(&w, 0, 2), int(Qt::AlignRight));
        QCOMPARE(alignment(&w, 0, 0), int(Qt::AlignLeft));
        QCOMPARE(app.state().generalRanking().size(), 20);
        QVERIFY(!child<QCheckBox>(w, "CheckBox1")->isEnabled()); // round 3

        clickHeader(&w, 0);
        QCOMPARE(column(&w, 0).first(), QStringLiteral("JOUEUR1 Paul "));
        QCOMPARE(column(&w, 0).at(1), QStringLiteral("JOUEUR10 Paul "));
        QCOMPARE(app.state().generalRanking().cell(0, 0), QStringLiteral("JOUEUR1 Paul "));
        clickHeader(&w, 1);
        QCOMPARE(column(&w, 1).mid(0, 6), (QStringList{"Nord 1", "Nord 2", "Nord 3", "Nord 4", "Nord 5", "Sud 1"}));
        QCOMPARE(column(&w, 1).last(), QStringLiteral("Ouest 5"));
        QCOMPARE(rowHeaders(&w).mid(0, 4), (QStringList{"1", "2", "", "3"}));

        auto *rank = child<QLineEdit>(w, "Edit1");
        QVERIFY(rank->text().isEmpty());
        clickCell(&w, 0);
        QCOMPARE(rank->text(), QStringLiteral("1er"));
        clickCell(&w, 16);
        QCOMPARE(rank->text(), QStringLiteral("16ème")); // the excluded Nord 3 above takes no rank
        clickCell(&w, 2);
        QVERIFY(rank->text().isEmpty());

        clickHeader(&w, 2);
        QCOMPARE(column(&w, 1).last(), QStringLiteral("Nord 3"));
        QVERIFY(rank->text().isEmpty());

        child<QPushButton>(w, "HelpBtn")->click();
        pressF1(w);
        QCOMPARE(p.help.keywords, (QStringList{"index", "sommaire"}));
        child<QPushButton>(w, "OKBtn")->click();
        QVERIFY(!w.isVisible());
        QVERIFY(!app.state().modified());
        QVERIFY(!p.exists("classgen.dia"));
    }

    void generalRankingWithPcn()
    {
        TestPlatform p;
        Application app;
        field(p, app, 5);
        p.write("tour.tmp", scoreLines(seatCodesInTableOrder(5), QList<int>(20, 0)));
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        auto &w = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        auto *pcn = child<QCheckBox>(w, "CheckBox1");
        QVERIFY(pcn->isEnabled());
        QVERIFY(!pcn->isChecked());

        // Sorted by name first: the box sorts by score again before giving the points.
        clickHeader(&w, 0);
        QTest::mouseClick(pcn, Qt::LeftButton);
        QCOMPARE(headers(&w), (QStringList{"NOM", "POSITION", "SCORE", "PCN"}));
        const QStringList scores = column(&w, 2);
        QStringList sorted = scores;
        std::sort(sorted.begin(), sorted.end(),
                  [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
        QCOMPARE(scores, sorted);
        QCOMPARE(column(&w, 3).mid(0, 6), (QStringList{"200", "170", "140", "120", "100", ""}));

        // The PCN header sorts nothing.
        const QStringList before = column(&w, 0);
        clickHeader(&w, 3);
        QCOMPARE(column(&w, 0), before);

        // Printed as shown, the PCN column included, with the round on the last footer.
        arrange(app.state(), [&](Tournament::Data &d) { d.date = "08/12/2026"; });
        arrange(app.state(), [&](Tournament::Data &d) { d.place = "Lyon"; });
        p.printing.where = "Le document a été enregistré dans le fichier « x.pdf ».";
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(p.printing.documents, QStringList{"Classement général - tour 5"});
        QVERIFY(!p.printing.last.find("Classement Général Tournoi du 08/12/2026 Lyon").kind.isEmpty());
        QCOMPARE(p.printing.last.find("200").x, (4780 / 5) * 4);
        QVERIFY(!p.printing.last.find("Page 1 Tour 5").kind.isEmpty());
        QCOMPARE(p.messages.texts(), QStringList{p.printing.where});

        // Unchecking clears the column: a print no longer has it.
        QTest::mouseClick(pcn, Qt::LeftButton);
        QCOMPARE(headers(&w).size(), 3);
        QCOMPARE(app.state().generalRanking().row(0).size(), 3);
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(p.printing.last.find("PCN").kind.isEmpty());

        // Coming back to the window rebuilds it: a penalty given meanwhile shows, the box is unchecked.
        QTest::mouseClick(pcn, Qt::LeftButton);
        p.write("penal.tmp", {"N1=-500"});
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&w, &deactivate);
        QCoreApplication::sendEvent(&w, &activate);
        QVERIFY(!pcn->isChecked());
        QCOMPARE(headers(&w).size(), 3);
        QCOMPARE(column(&w, 1).last(), QStringLiteral("Nord 1"));

        // The menu command on the open window rebuilds it too.
        p.write("exclu.tmp", {"N1"});
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        trigger(app, "Général");
        QCOMPARE(column(&w, 2).count("EXCLU"), 1);
    }

    void generalRankingWithoutScores()
    {
        TestPlatform p;
        Application app;
        arrange(app.state(),
                [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(3, 1, Names::ByNumber); });
        auto &w = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        QCOMPARE(column(&w, 0), QStringList{"Pas de classement possible"});
        QCOMPARE(rowHeaders(&w), QStringList{""});
        QVERIFY(!child<QCheckBox>(w, "CheckBox1")->isEnabled());
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(!p.printing.last.find("Pas de classement possible").kind.isEmpty());

        // A 12-line register numbers the players; the empty chair is "SANS OBJET".
        p.write("tour.tmp", scoreLines({"N1", "S1", "E1", "O1"}, {0, 30, -10, -20}));
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        trigger(app, "Général");
        QCOMPARE(column(&w, 1), (QStringList{" Joueur n° 2", " Joueur n° 3", " Joueur n° 4", " Joueur n° 1"}));
        QCOMPARE(column(&w, 2), (QStringList{"30", "-10", "-20", "SANS OBJET"}));
        QCOMPARE(rowHeaders(&w), (QStringList{"1", "2", "3", ""}));
    }

    // NOM takes the room the other columns leave, as the window is resized; a name cut short
    // shows whole in its tooltip, a whole cell has none.
    void columnsFollowTheWindow()
    {
        TestPlatform p;
        Application app;
        const QString longName = QStringLiteral("DE LA TOUR D'AUVERGNE-LAURAGUAIS Marie-Éléonore ");
        arrange(app.state(), [&](Tournament::Data &d) {
            d.playerRegisterList = seatedRegister(5, 0, Names::ByNumber);
            d.playerRegisterList.replaceInStrings(QStringLiteral("JOUEUR2 Paul "), longName);
            d.scoreList = scoreLines(seatCodesInTableOrder(5), QList<int>(20, 0));
        });
        auto &w = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        QTableView *g = grid(&w);
        QHeaderView *h = g->horizontalHeader();
        const int row = int(column(&w, 0).indexOf(longName));
        QCOMPARE(h->length(), g->viewport()->width());
        const int name = g->columnWidth(0);
        w.resize(w.width() + 200, w.height());
        QTRY_COMPARE(g->columnWidth(0), name + 200);
        QCOMPARE(h->length(), g->viewport()->width());

        const auto tip = [g](int row, int k) {
            const QPoint at = g->visualRect(g->model()->index(row, k)).center();
            QHelpEvent event(QEvent::ToolTip, at, g->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(g->viewport(), &event);
        };
        tip(row, 2);
        QVERIFY(!QToolTip::isVisible());
        w.resize(200, w.height());
        QTRY_VERIFY(g->columnWidth(0) < name);
        tip(row, 0);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), longName);
    }

    void roundRankingFollowsTheRounds()
    {
        TestPlatform p;
        Application app;
        auto &w = app.window<RoundRankingWindow>();
        auto *spin = child<QSpinBox>(w, "SpinEdit1");

        // Round 1, nothing entered: 1 and disabled, an empty table.
        arrange(app.state(),
                [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(5, 0, Names::ByNumber); });
        trigger(app, "Tour");
        QVERIFY(w.isVisible());
        QVERIFY(!w.isModal());
        QCOMPARE(spin->value(), 1);
        QVERIFY(!spin->isEnabled());
        QCOMPARE(grid(&w)->model()->rowCount(), 0);
        QCOMPARE(headers(&w), (QStringList{"NOM", "POSITION", "SCORE"}));
        w.hide();

        // Round 4 with no score entered yet: rounds 1 to 3 offered.
        field(p, app, 4);
        trigger(app, "Tour");
        QCOMPARE(spin->maximum(), 3);
        QCOMPARE(spin->value(), 3);
        QVERIFY(spin->isEnabled());
        w.hide();

        // Two tables of round 4 entered: round 4 shows their eight players, penalties left out.
        arrange(app.state(), [&](Tournament::Data &d) {
            d.scoreList = scoreLines(seatCodesInTableOrder(2), {50, -10, -20, -20, 5, 5, 5, -15});
        });
        p.write("tour.tmp", app.state().scoreList());
        p.write("penal.tmp", {"N1=-1000"});
        p.write("exclu.tmp", {"E2"});
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        trigger(app, "Tour");
        QCOMPARE(spin->maximum(), 4);
        QCOMPARE(spin->value(), 4);
        QCOMPARE(column(&w, 2), (QStringList{"50", "5", "5", "-10", "-15", "-20", "-20", "EXCLU"}));
        QCOMPARE(column(&w, 1).first(), QStringLiteral("Nord 1"));
        QCOMPARE(column(&w, 0).first(), QStringLiteral("JOUEUR1 Paul "));

        // Going down one round: round 3 in full, the excluded player too.
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(spin->value(), 3);
        QCOMPARE(grid(&w)->model()->rowCount(), 20);
        QCOMPARE(column(&w, 2).count("EXCLU"), 1);

        clickHeader(&w, 1);
        QCOMPARE(column(&w, 1).mid(0, 3), (QStringList{"Nord 1", "Nord 2", "Nord 3"}));
        clickCell(&w, 1);
        QCOMPARE(child<QLineEdit>(w, "Edit1")->text(), QStringLiteral("2ème"));

        // Printed as shown, titled with the round shown.
        arrange(app.state(), [&](Tournament::Data &d) { d.date = "08/12/2026"; });
        arrange(app.state(), [&](Tournament::Data &d) { d.place = "Lyon"; });
        child<QPushButton>(w, "Button1")->click();
        QCOMPARE(p.printing.documents, QStringList{"Classement du tour 3"});
        const RecordingCanvas &c = p.printing.last;
        QVERIFY(!c.find("Classement du tour n°3 Tournoi du 08/12/2026 Lyon").kind.isEmpty());
        QCOMPARE(c.find("Nord 1").y, 550);
        QVERIFY(!c.find("Page 1").kind.isEmpty());
        QVERIFY(p.messages.boxes.isEmpty());

        // Reopening goes back to the latest round.
        child<QPushButton>(w, "OKBtn")->click();
        trigger(app, "Tour");
        QCOMPARE(spin->value(), 4);
        QCOMPARE(grid(&w)->model()->rowCount(), 8);
    }

    // Without a printer each printout is a PDF named for what it holds; a second one of the
    // same round never replaces the first.
    void printoutsWithoutPrinterKeepEachPdf()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("a printer is installed: the pages would go to it");
        TestPlatform p;
        installQtPlatform();
        Platform services = platform();
        p.install(p.directory.path());
        Printing *qtPrinting = services.printing;
        services = platform();
        services.printing = qtPrinting;
        installPlatform(services);

        Application app;
        field(p, app, 4);
        auto &w = app.window<GeneralRankingWindow>();
        trigger(app, "Général");
        child<QPushButton>(w, "Button1")->click();
        child<QPushButton>(w, "Button1")->click();
        QVERIFY(p.bytes("Classement général - tour 4.pdf").startsWith("%PDF"));
        QVERIFY(p.bytes("Classement général - tour 4 (2).pdf").startsWith("%PDF"));
        QCOMPARE(p.messages.boxes.size(), 2);
        QVERIFY(p.messages.texts()[1].contains("Classement général - tour 4 (2).pdf"));
    }
};

QTEST_MAIN(TestRankingWindows)
#include "test_rankingwindows.moc"
