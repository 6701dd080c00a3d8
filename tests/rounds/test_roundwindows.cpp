#include "rounds/cancelrounddialog.h"
#include "rounds/previousrounddialog.h"
#include "rounds/rounds.h"
#include "rounds/scoreentrydialog.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QLabel>
#include <QSpinBox>

using tournaments::seat;
using tournaments::seatedRegister;

namespace {

const char *saisie = "&Saisie des résultats";
const char *voir = "&Voir un tour antérieur";
const char *annuler = "Annuler le tour en cours";

QStringList fields(QWidget &dialog, int first)
{
    QStringList texts;
    for (int i = first; i < first + 4; ++i)
        texts << child(dialog, qPrintable(QStringLiteral("Edit%1").arg(i)))->text();
    return texts;
}

QPushButton *ok(QWidget &dialog)
{
    return child<QPushButton>(dialog, "OKBtn");
}

QString comment(QWidget &dialog)
{
    return child<QLabel>(dialog, "comment")->text();
}

QStringList listLines(QWidget &dialog)
{
    return itemsOf(child<QListWidget>(dialog, "ListBox1"));
}

} // namespace

// The score entry, previous-round and cancellation windows, driven through their controls.
class TestRoundWindows : public QObject
{
    Q_OBJECT

private slots:
    void typingTablesWithEnter()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(5));
        QVERIFY(drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            QCOMPARE(child(d, "tour")->text(), QStringLiteral("1"));
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->maximum(), 5);
            QCOMPARE(comment(d), QStringLiteral("Vous avez 5 tables à saisir."));
            QCOMPARE(fields(d, 1), QStringList({"1", "1", "1", "1"}));
            QCOMPARE(fields(d, 5), QStringList({"JOUEUR N1 ", "JOUEUR S1 ", "JOUEUR E1 ", "JOUEUR O1 "}));
            QCOMPARE(d.focusWidget(), child(d, "Edit9"));

            // Enter goes from box to box while the table does not balance, then records it.
            typeScores(d, {"+120", "-40"});
            QCOMPARE(d.focusWidget(), child(d, "Edit11"));
            QVERIFY(!ok(d)->isEnabled());
            typeScores(d, {"-40"});
            QTest::keyClicks(d.focusWidget(), "-40");
            QVERIFY(ok(d)->isEnabled());
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
            QCOMPARE(p.read("tour.tmp"), QStringList({"N1=120", "O1=-40", "E1=-40", "S1=-40"}));
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->value(), 2);
            QCOMPARE(comment(d), QStringLiteral("tables restant à saisir : 2  3  4  5 "));
            QCOMPARE(fields(d, 9), QStringList({"", "", "", ""}));
            QCOMPARE(d.focusWidget(), child(d, "Edit9"));

            // Not whole numbers, or beyond a million: the table never balances.
            typeScores(d, {"5x", "-5"});
            QVERIFY(!ok(d)->isEnabled());
            child<QPushButton>(d, "CancelBtn")->click();
            QCOMPARE(fields(d, 9), QStringList({"", "", "", ""}));
            QVERIFY(!ok(d)->isEnabled());
            child(d, "Edit9")->setFocus();
            typeScores(d, {"2000000", "-2000000", "0", "0"});
            QVERIFY(!ok(d)->isEnabled());
            QCOMPARE(p.read("tour.tmp").size(), 4);

            // Back to table 1: its scores come back, without the "+".
            child<QSpinBox>(d, "SpinEdit1")->setValue(1);
            QCOMPARE(fields(d, 9), QStringList({"120", "-40", "-40", "-40"}));
            QVERIFY(ok(d)->isEnabled());
            child<QSpinBox>(d, "SpinEdit1")->setValue(4);
            child(d, "Edit9")->setText("10");
            child(d, "Edit10")->setText("-10");
            QVERIFY(ok(d)->isEnabled());
            // "Quitter" on a balanced table records it first, but an empty box stops the record.
            child<QPushButton>(d, "BitBtn1")->click();
            QVERIFY(!d.isVisible());
        }));
        QCOMPARE(p.read("tour.tmp"), QStringList({"N1=120", "O1=-40", "E1=-40", "S1=-40"}));
        QVERIFY(findAction(&app.mainWindow(), "Classements")->isEnabled());
        QVERIFY(!findAction(&app.mainWindow(), "&Annuler l'attribution")->isEnabled());
        QVERIFY(app.state().modified());

        // The dialog keeps its table and says what remains; "Quitter" records the balanced one shown.
        drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->value(), 4);
            QCOMPARE(comment(d), QStringLiteral("tables restant à saisir : 2  3  4  5 "));
            child(d, "Edit9")->setText("10");
            child(d, "Edit10")->setText("-10");
            child(d, "Edit11")->setText("0");
            child(d, "Edit12")->setText("0");
            child<QPushButton>(d, "BitBtn1")->click();
        });
        QCOMPARE(p.read("tour.tmp").mid(4), QStringList({"N4=10", "O4=0", "E4=0", "S4=-10"}));
    }

    // A three-player table: the chair's box holds 0 and takes no typing; the running sum shows
    // beside OK, in red until the table balances; a box that is no whole number is marked.
    void emptyChairAndRunningSum()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(2, 1)); // the chair at Nord 1
        QVERIFY(drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            auto *chair = child<QLineEdit>(d, "Edit9");
            auto *sum = child<QLabel>(d, "sum");
            QCOMPARE(chair->text(), QStringLiteral("0"));
            QVERIFY(chair->isReadOnly());
            QCOMPARE(chair->focusPolicy(), Qt::NoFocus);
            QCOMPARE(d.focusWidget(), child(d, "Edit10"));
            QCOMPARE(sum->text(), QStringLiteral("Somme : 0"));

            QTest::keyClicks(d.focusWidget(), "20");
            QCOMPARE(sum->text(), QStringLiteral("Somme : +20"));
            QVERIFY(sum->styleSheet().contains(QStringLiteral("color")));
            QTest::keyClick(d.focusWidget(), Qt::Key_Return); // to Est, past nothing
            QCOMPARE(d.focusWidget(), child(d, "Edit11"));
            QTest::keyClicks(d.focusWidget(), "5x");
            QVERIFY(!child(d, "Edit11")->styleSheet().isEmpty());
            QVERIFY(child(d, "Edit10")->styleSheet().isEmpty());
            child(d, "Edit11")->setText("-5");
            child(d, "Edit12")->setText("-15");
            QTest::keyClick(child(d, "Edit12"), Qt::Key_Return); // Enter at Ouest skips the chair: balanced, recorded
            QCOMPARE(p.read("tour.tmp"), QStringList({"N1=0", "O1=-15", "E1=-5", "S1=20"}));
            child<QSpinBox>(d, "SpinEdit1")->setValue(1);
            QCOMPARE(sum->text(), QStringLiteral("Somme : 0"));
            QVERIFY(sum->styleSheet().isEmpty());
            child<QPushButton>(d, "CancelBtn")->click(); // "Effacer" leaves the chair's 0
            QCOMPARE(chair->text(), QStringLiteral("0"));
            child<QPushButton>(d, "BitBtn1")->click();
        }));
    }

    void closeBoxKeepsWhatWasRecorded()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(2));
        app.syncMenus();
        drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            child<QSpinBox>(d, "SpinEdit1")->setValue(2);
            typeScores(d, {"30", "-30", "0", "0"});
            QCOMPARE(comment(d), QStringLiteral("Il reste la table 1 à saisir."));
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->value(), 1); // from the last table back to 1
            child(d, "Edit9")->setText("7");
        });
        QCOMPARE(p.read("tour.tmp"), QStringList({"N2=30", "O2=0", "E2=0", "S2=-30"}));
        QCOMPARE(app.state().scoreList(), p.read("tour.tmp"));
        QVERIFY(findAction(&app.mainWindow(), "Classements")->isEnabled()); // a table is on disk
    }

    void newRoundQuestion()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(2));
        Tournament &state = app.state();
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        arrange(state, [&](Tournament::Data &d) { d.movement.est = 1; });
        arrange(state, [&](Tournament::Data &d) { d.movement.ouest = -1; });
        drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            typeScores(d, {"30", "-30", "0", "0"});
            typeScores(d, {"-8", "8", "4", "-4"});
            QCOMPARE(comment(d), QStringLiteral("Tour complet, appuyez sur Quitter."));
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->value(), 1);
            child<QPushButton>(d, "BitBtn1")->click();
        });
        const QStringList round1 = {"N1=30", "O1=0", "E1=0", "S1=-30", "N2=-8", "O2=-4", "E2=4", "S2=8"};
        QCOMPARE(p.read("tour.tmp"), round1);

        // No: the dialog opens on the complete round, for corrections. "Quitter" recorded the
        // balanced table 1 shown, as OK does, and so moved on to table 2.
        p.messages.answers = {Messages::No};
        QVERIFY(drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            QCOMPARE(child(d, "tour")->text(), QStringLiteral("1"));
            QCOMPARE(fields(d, 9), QStringList({"-8", "8", "4", "-4"}));
        }));
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° 2) ?"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Question);
        QCOMPARE(state.currentRound(), 1);
        QVERIFY(!p.exists("tour1.tmp"));

        p.messages.answers = {Messages::Yes};
        QVERIFY(drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            QCOMPARE(child(d, "tour")->text(), QStringLiteral("2"));
            child<QSpinBox>(d, "SpinEdit1")->setValue(1);
            QCOMPARE(fields(d, 1), QStringList({"1", "2", "2", "2"})); // Sud, Est, Ouest moved one table
            QCOMPARE(fields(d, 9), QStringList({"", "", "", ""}));
            QVERIFY(!findAction(&app.mainWindow(), "Dernière minute")->isVisible());
        }));
        QCOMPARE(p.read("tour1.tmp"), round1);
        QCOMPARE(p.read("tour.tmp"), QStringList());
        QCOMPARE(p.read("depl.tmp"), QStringList({"N2=0", "E2=1", "O2=-1", "S2=1"}));
        QCOMPARE(state.currentRound(), 2);
    }

    void smallFieldShowsPlayerNumbers()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(3));
        arrange(app.state(), [&](Tournament::Data &d) { d.scoreList = QStringList(12, QStringLiteral("N1=0")); });
        drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            QCOMPARE(fields(d, 1), QStringList({"1", "8", "7", "10"}));
            QCOMPARE(fields(d, 5), QStringList({"JOUEUR N1 ", "JOUEUR O2 ", "JOUEUR E2 ", "JOUEUR S3 "}));
        });
        QCOMPARE(app.state().currentRound(), 2);
    }

    void viewingAPreviousRound()
    {
        TestPlatform p;
        Application app;
        seat(p, app, {"BRUN Eve = S1", "COLIN Guy = N1", "AUBERT Lea = E1", "DUMAS Tom = O1"});
        QVERIFY(!drive<PreviousRoundDialog>(app, voir, [](PreviousRoundDialog &) {}));
        QCOMPARE(p.messages.texts(), QStringList{"Vous êtes au premier tour !"});
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Impossible"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);

        p.write("tour1.tmp", {"N1=10", "O1=-10", "E1=0", "S1=0"});
        p.write("tour2.tmp", {"N1=-3", "O1=1", "E1=1", "S1=1"});
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        arrange(app.state(), [&](Tournament::Data &d) { d.currentRound = 3; });
        QVERIFY(drive<PreviousRoundDialog>(app, voir, [&](PreviousRoundDialog &d) {
            auto *round = child<QSpinBox>(d, "SpinEdit1");
            QCOMPARE(round->maximum(), 2);
            QCOMPARE(round->value(), 2);
            QCOMPARE(listLines(d), QStringList({"AUBERT Lea                Est 1                              1",
                                                "BRUN Eve                  Sud 1                              1",
                                                "COLIN Guy                 Nord 1                            -3",
                                                "DUMAS Tom                 Ouest 1                            1"}));
            p.write("tour1.tmp", {"N1=10", "O1=-10", "E1=0", "S1=0", "N7=4"}); // taken up again
            QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
            arrange(app.state(), [&](Tournament::Data &d) { d.currentRound = 3; });
            round->setValue(1);
            QCOMPARE(listLines(d).size(), 5);
            QCOMPARE(listLines(d).at(2),
                     QStringLiteral("COLIN Guy                 Nord 1                            10"));
            QCOMPARE(listLines(d).at(4), QStringLiteral("N7=4"));
            QFile::remove(p.path("tour1.tmp"));
            QFile::remove(p.path("tour.tmp"));
            QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
            round->setValue(2);
            round->setValue(1);
            QCOMPARE(listLines(d), QStringList());
            child<QPushButton>(d, "OKBtn")->click();
        }));
        QCOMPARE(p.messages.texts().last(), QStringLiteral("Aucun score n'est enregistré pour le tour 1."));
    }

    void cancellingTheRoundInProgress()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(2));
        Tournament &state = app.state();
        const QStringList round1 = {"N1=30", "O1=0", "E1=0", "S1=-30", "N2=-8", "O2=-4", "E2=4", "S2=8"};
        p.write("tour1.tmp", round1);
        p.write("depl.tmp", {"N2=0", "E2=2", "O2=-2", "S2=1"});
        QVERIFY(state.loadRoundsAndIncidents(platform().files).ok());
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 2; });
        arrange(state, [&](Tournament::Data &d) { d.scoreList = {"N1=1", "O2=-1", "E1=0", "S2=0"}; });

        // Annuler: nothing changes.
        drive<CancelRoundDialog>(app, annuler, [&](CancelRoundDialog &d) {
            QCOMPARE(child(d, "Edit1")->text(), QStringLiteral("Tour n°2"));
            child<QPushButton>(d, "CancelBtn")->click();
        });
        // OK then No: nothing changes either, and the dialog closes.
        p.messages.answers = {Messages::No};
        drive<CancelRoundDialog>(app, annuler, [&](CancelRoundDialog &d) {
            ok(d)->click();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(p.messages.texts(), QStringList{"Vous allez supprimer 4 scores. En êtes-vous sûr ?"});
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QCOMPARE(state.currentRound(), 2);
        QCOMPARE(p.read("depl.tmp").size(), 4);
        QVERIFY(p.exists("tour1.tmp"));

        p.messages.answers = {Messages::Yes};
        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        drive<CancelRoundDialog>(app, annuler, [&](CancelRoundDialog &d) { ok(d)->click(); });
        QCOMPARE(state.currentRound(), 1);
        QCOMPARE(state.scoreList(), round1);
        QCOMPARE(p.read("tour.tmp"), round1);
        QVERIFY(!p.exists("tour1.tmp"));
        QCOMPARE(p.read("depl.tmp"), QStringList());
        QVERIFY(state.modified());

        // The round can be started again at once.
        p.messages.answers = {Messages::Yes};
        drive<ScoreEntryDialog>(app, saisie,
                                [&](ScoreEntryDialog &d) { QCOMPARE(child(d, "tour")->text(), QStringLiteral("2")); });
        QCOMPARE(p.read("tour1.tmp"), round1);
        QCOMPARE(p.messages.texts().last(), QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° 2) ?"));
    }

    void nothingBeforeTheDraw()
    {
        TestPlatform p;
        Application app;
        arrange(app.state(), [&](Tournament::Data &d) {
            d.playerRegisterList = {"DUPONT Jean", "DURAND Marie"};
            d.started = d.opened = true;
        });
        app.syncMenus();
        // The "Tables" menu waits for the draw; its commands would refuse anyway.
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Tables"))->isEnabled());
        QCOMPARE(rounds::refusalWithoutSeats(app.state()),
                 QStringLiteral("Aucun joueur n'est placé : attribuez d'abord les positions."));
        QVERIFY(p.files().size() == 0);
    }

    void helpTopics()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(2));
        drive<ScoreEntryDialog>(app, saisie, [&](ScoreEntryDialog &d) {
            child<QPushButton>(d, "HelpBtn")->click();
            pressF1(d);
        });
        drive<CancelRoundDialog>(app, annuler,
                                 [&](CancelRoundDialog &d) { child<QPushButton>(d, "HelpBtn")->click(); });
        QCOMPARE(p.help.keywords, QStringList({"deroulement", "sommaire", "depltour"}));
    }
};

QTEST_MAIN(TestRoundWindows)
#include "test_roundwindows.moc"
