#include "movements/movementsettingsdialog.h"
#include "movements/positions.h"
#include "movements/positionsprintdialog.h"
#include "movements/positionsviewdialog.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using tournaments::seatedRegister;

namespace {

QList<int> values(QWidget &dialog)
{
    QList<int> v;
    for (const char *name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4"})
        v << child<QSpinBox>(dialog, name)->value();
    return v;
}

void clickWithMouse(QWidget &window, const char *name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

QString labels(QWidget &view)
{
    return child<QLabel>(view, "Image1")->accessibleDescription();
}

} // namespace

class TestMovementWindows : public QObject
{
    Q_OBJECT

private slots:
    void movementDialogOptions()
    {
        TestPlatform p;
        Application app;
        auto &dialog = app.window<MovementSettingsDialog>();
        // as automaticMovements leaves it after round 3 at 6 tables
        arrange(app.state(), [](Tournament::Data &d) { d.movement.est = 3; });

        drive(dialog, triggering(app, "&Déplacements"), [&] {
            QCOMPARE(values(dialog), (QList<int>{0, 2, -2, 1})); // Nord, Est, Ouest, Sud
            QVERIFY(!child<QFrame>(dialog, "Panel1")->isEnabled());
            QVERIFY(child<QCheckBox>(dialog, "CheckBox1")->isChecked());
            QVERIFY(!child<QLineEdit>(dialog, "Edit1")->isEnabled());
            QCOMPARE(child<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("1"));

            clickWithMouse(dialog, "CheckBox1");
            QVERIFY(child<QFrame>(dialog, "Panel1")->isEnabled());
            QCOMPARE(child<QSpinBox>(dialog, "SpinEdit2")->palette().color(QPalette::Base),
                     QApplication::palette().color(QPalette::Base));
            child<QSpinBox>(dialog, "SpinEdit2")->setValue(4);
            child<QSpinBox>(dialog, "SpinEdit3")->setValue(-4);
            clickWithMouse(dialog, "CheckBox2");
            QVERIFY(child<QLineEdit>(dialog, "Edit1")->isEnabled());
            clickWithMouse(dialog, "CancelBtn");
        });
        // Cancel undoes nothing, and is no edit.
        QVERIFY(!app.state().movement().fft);
        QCOMPARE((std::array{app.state().movement().nord, app.state().movement().est, app.state().movement().ouest,
                             app.state().movement().sud}),
                 (std::array{0, 4, -4, 1}));
        QVERIFY(app.state().movement().pcnCoefficient);
        QVERIFY(!app.state().modified());

        drive(dialog, triggering(app, "&Déplacements"), [&] {
            QCOMPARE(values(dialog), (QList<int>{0, 4, -4, 1}));
            QVERIFY(child<QFrame>(dialog, "Panel1")->isEnabled());
            clickWithMouse(dialog, "CheckBox3");
            QVERIFY(!child<QFrame>(dialog, "Panel1")->isEnabled());
            QVERIFY(!child<QCheckBox>(dialog, "CheckBox1")->isChecked());
            QCOMPARE(values(dialog), (QList<int>{0, 4, -4, 1}));
            QVERIFY(child<QSpinBox>(dialog, "SpinEdit2")->palette().color(QPalette::Base) !=
                    QApplication::palette().color(QPalette::Base));
            clickWithMouse(dialog, "CheckBox3");
            QVERIFY(child<QFrame>(dialog, "Panel1")->isEnabled());
            clickWithMouse(dialog, "CheckBox3");
            clickWithMouse(dialog, "CheckBox1");
            QVERIFY(!child<QCheckBox>(dialog, "CheckBox3")->isChecked());
            QCOMPARE(values(dialog), (QList<int>{0, 2, -2, 1}));
            clickWithMouse(dialog, "HelpBtn");
            clickWithMouse(dialog, "OKBtn");
        });
        QVERIFY(app.state().movement().fft && !app.state().movement().byRanking);
        QCOMPARE(app.state().movement().est, 2);
        QVERIFY(app.state().modified());
        QCOMPARE(p.help.keywords, QStringList{"depltour"});
    }

    // The players the plan seats together again, told as the director changes the values.
    void movementDialogTellsOfRepeatMeetings()
    {
        TestPlatform p;
        Application app;
        auto &dialog = app.window<MovementSettingsDialog>();
        tournaments::seat(p, app, tournaments::seated(13));
        drive(dialog, triggering(app, "&Déplacements"), [&] {
            auto *sentence = child<QLabel>(dialog, "repeatMeetingsLabel");
            QVERIFY(sentence->isVisible());
            QCOMPARE(sentence->text(), QStringLiteral("Avec ces déplacements, 13 joueurs se rencontrent plus d'une "
                                                      "fois, jusqu'à 5 fois (par exemple Est 1 et Ouest 1, tours 1, "
                                                      "2, 3, 4 et 5)."));
            QVERIFY(!child<QPushButton>(dialog, "applyAvoidingValues")->isVisible()); // none at 4 tables
            child<QSpinBox>(dialog, "plannedRounds")->setValue(1);
            QVERIFY(!sentence->isVisible());
            clickWithMouse(dialog, "OKBtn");
        });
        QCOMPARE(app.state().movement().plannedRounds, 1);

        // At 14 tables the special values of round 5 bring Est and Ouest together again.
        tournaments::seat(p, app, tournaments::seatedRegister(14));
        drive(dialog, triggering(app, "&Déplacements"), [&] {
            auto *sentence = child<QLabel>(dialog, "repeatMeetingsLabel");
            auto *rounds = child<QSpinBox>(dialog, "plannedRounds");
            auto *avoid = child<QPushButton>(dialog, "applyAvoidingValues");
            QCOMPARE(rounds->value(), 1);
            QVERIFY(!sentence->isVisible() && !avoid->isVisible());
            rounds->setValue(5);
            QCOMPARE(sentence->text(),
                     QStringLiteral("Avec ces déplacements, 28 joueurs se rencontrent deux fois (tours 1 et 5)."));
            QCOMPARE(avoid->text(), QStringLiteral("Utiliser Nord 0, Est 2, Ouest -2, Sud 1 (sans FFT)"));
            clickWithMouse(dialog, "CheckBox1");
            QVERIFY(!sentence->isVisible() && !avoid->isVisible());
            child<QSpinBox>(dialog, "SpinEdit2")->setValue(0); // Est stays with Nord
            QVERIFY(sentence->isVisible());
            QCOMPARE(avoid->text(), QStringLiteral("Utiliser Nord 0, Est -1, Ouest -2, Sud 1"));
            clickWithMouse(dialog, "applyAvoidingValues");
            QCOMPARE(values(dialog), (QList<int>{0, -1, -2, 1}));
            QVERIFY(!sentence->isVisible() && !avoid->isVisible());
            clickWithMouse(dialog, "CheckBox1");
            QVERIFY(sentence->isVisible());
            rounds->setValue(2);
            QVERIFY(!sentence->isVisible());
            clickWithMouse(dialog, "OKBtn");
        });
    }

    void viewShowsRecordedAndForecastRounds()
    {
        TestPlatform p;
        p.write("depl.tmp", {"N2=0", "E2=2", "O2=-2", "S2=1"});
        Application app;
        Tournament &s = app.state();
        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(5); });
        arrange(s, [&](Tournament::Data &d) { d.currentRound = 2; });
        QVERIFY(s.loadRoundsAndIncidents(platform().files).ok());
        auto &view = app.window<PositionsViewDialog>();
        QImage tableOne;
        drive(view, triggering(app, "V&oir la position des joueurs"), [&] {
            QCOMPARE(child<QSpinBox>(view, "SpinEdit2")->maximum(), 5);
            child<QSpinBox>(view, "SpinEdit2")->setValue(3);
            QCOMPARE(labels(view), QStringLiteral("Nord 3, Ouest 3, Est 3, Sud 3"));
            child<QSpinBox>(view, "SpinEdit1")->setValue(2);
            child<QSpinBox>(view, "SpinEdit2")->setValue(1);
            QCOMPARE(labels(view), QStringLiteral("Nord 1, Ouest 3, Est 4, Sud 5"));
            tableOne = child<QLabel>(view, "Image1")->pixmap().toImage();
            // Two rounds of the current settings beyond the round in progress.
            child<QSpinBox>(view, "SpinEdit1")->setValue(4);
            QCOMPARE(labels(view), QStringLiteral("Nord 1, Ouest 2, Est 5, Sud 3"));
            child<QSpinBox>(view, "SpinEdit1")->setValue(2);
            for (int t : {2, 5, 4, 1})
                child<QSpinBox>(view, "SpinEdit2")->setValue(t);
            clickWithMouse(view, "OKBtn");
        });
        QCOMPARE(s.movementList().size(), 4);
        QVERIFY(p.messages.boxes.isEmpty());
        // Only the four labels of the table shown are left on the picture.
        QCOMPARE(child<QLabel>(view, "Image1")->pixmap().toImage(), tableOne);
    }

    void viewWarnsAtSpecialCountsAndRefusesWithoutTables()
    {
        TestPlatform p;
        Application app;
        Tournament &s = app.state();
        auto &view = app.window<PositionsViewDialog>();
        const bool opened = drive(view, triggering(app, "V&oir la position des joueurs"), [] {});
        QVERIFY(!opened);
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Impossible"));

        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(6); });
        arrange(s, [&](Tournament::Data &d) { d.movement.fft = false; });
        p.messages.clear();
        for (int opening = 0; opening < 2; ++opening) {
            drive(view, triggering(app, "V&oir la position des joueurs"), [&] { clickWithMouse(view, "OKBtn"); });
            QCoreApplication::processEvents(); // the warning follows the view's showing
        }
        QCOMPARE(p.messages.texts(),
                 QStringList(2, "Pour les déplacements spéciaux, utilisez seulement l'impression !"));
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
    }

    void viewUsesTheSmallFieldScheduleAndOpensThePrintout()
    {
        TestPlatform p;
        Application app;
        Tournament &s = app.state();
        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(4, 1); });
        auto &view = app.window<PositionsViewDialog>();
        auto &print = app.window<PositionsPrintDialog>();
        bool printOpened = false;
        drive(view, triggering(app, "V&oir la position des joueurs"), [&] {
            child<QSpinBox>(view, "SpinEdit1")->setValue(5);
            child<QSpinBox>(view, "SpinEdit2")->setValue(1);
            QCOMPARE(labels(view), QStringLiteral("n° 1, n° 13, n° 9, n° 5"));
            drive(print, clicking(view, "ImpressionBtn"),
                  [&] { printOpened = child<QSpinBox>(print, "SpinEdit1")->value() == 4; });
        });
        QVERIFY(printOpened);
        QVERIFY(p.printing.documents.isEmpty());
    }

    void printDialogPrintsThePlan()
    {
        TestPlatform p;
        p.printing.where = QStringLiteral("Aucune imprimante n'est installée.");
        Application app;
        Tournament &s = app.state();
        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(10); });
        auto &print = app.window<PositionsPrintDialog>();
        drive(print, triggering(app, "&Imprimer la position"), [&] {
            QCOMPARE(child<QSpinBox>(print, "SpinEdit1")->value(), 10);
            QCOMPARE(child<QSpinBox>(print, "SpinEdit2")->value(), 6);
            child<QSpinBox>(print, "SpinEdit2")->setValue(3);
            clickWithMouse(print, "OKBtn");
        });
        QCOMPARE(p.printing.documents, QStringList{"Liste des positions"});
        QVERIFY(p.printing.last.find("tour 3").kind == "text");
        QVERIFY(p.printing.last.find("tour 4").kind.isEmpty());
        QCOMPARE(p.messages.texts(), QStringList{"Aucune imprimante n'est installée."});

        // The rounds are kept; Cancel prints nothing; the table count follows the register.
        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList = seatedRegister(3); });
        drive(print, triggering(app, "&Imprimer la position"), [&] {
            QCOMPARE(child<QSpinBox>(print, "SpinEdit1")->value(), 3);
            QCOMPARE(child<QSpinBox>(print, "SpinEdit2")->value(), 3);
            clickWithMouse(print, "CancelBtn");
        });
        QCOMPARE(p.printing.documents.size(), 1);

        arrange(s, [&](Tournament::Data &d) { d.playerRegisterList.clear(); });
        const bool opened = drive(print, triggering(app, "&Imprimer la position"), [] {});
        QVERIFY(!opened);
        QCOMPARE(p.messages.boxes.last().title, QStringLiteral("Impossible"));
    }
};

QTEST_MAIN(TestMovementWindows)
#include "test_movementwindows.moc"
