#include "windows/aboutbox.h"
#include "platform/helpwindow.h"
#include "rounds/scoreentrydialog.h"
#include "store/newtournamentdialog.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

using namespace tournaments;

// The main window as main() builds it, driven through its menus.
class TestMainWindow : public QObject
{
    Q_OBJECT

    QAction *act(Application &app, const char *caption)
    {
        return findAction(&app.mainWindow(), QString::fromUtf8(caption));
    }

private slots:
    void everyCaptionIsThere()
    {
        TestPlatform p;
        Application app;
        for (const CommandInfo &info : commandTable())
            QVERIFY2(act(app, info.caption), info.caption);
        QCOMPARE(app.windows().size(), 27);
        QCOMPARE(app.windows().last()->objectName(), QStringLiteral("LiveResults"));
        QCOMPARE(app.windows().at(2)->objectName(), QStringLiteral("TForm3"));
        QCOMPARE(app.windows().at(21)->objectName(), QStringLiteral("TBtnBottomDlg10"));
        QCOMPARE(app.windows().at(22)->objectName(), QStringLiteral("ImportReportDlg"));
        QCOMPARE(app.windows().at(23)->objectName(), QStringLiteral("ExportDlg"));
        QCOMPARE(app.windows().at(24)->objectName(), QStringLiteral("SeasonDlg"));
        QCOMPARE(app.windows().at(25)->objectName(), QStringLiteral("RoomDisplay"));
    }

    void firstActivationWithNoTournament()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!act(app, "Joueurs")->isEnabled());
        QVERIFY(!act(app, "Tables")->isEnabled());
        QVERIFY(!act(app, "Classements")->isEnabled());
        QVERIFY(act(app, "Nouveau")->isEnabled());
        QVERIFY(act(app, "&Ouvrir")->isEnabled());
        QVERIFY(act(app, "&Enregistrer")->isEnabled());
        QVERIFY(!act(app, "&Annuler l'attribution")->isVisible());
        QVERIFY(!act(app, "&Modifier un tour antérieur")->isVisible());
        QVERIFY(!act(app, "Points de classement")->isVisible());
        QVERIFY(!act(app, "&Attribuer les positions")->isEnabled());
    }

    void newTournamentConfirmedAndCancelled()
    {
        TestPlatform p;
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("N1=-50")});
        p.write(QStringLiteral("TOUR3.TMP"), {QStringLiteral("N1=10")});
        p.write(QStringLiteral("notes.txt"), {QStringLiteral("garder")});
        Application app;
        app.mainWindow().firstActivation();
        auto &dialog = app.window<NewTournamentDialog>();

        // Cancel after typing a place: files, menus and the tournament's place unchanged.
        drive(dialog, triggering(app, "Nouveau"), [&] {
            auto *place = child(dialog, "Edit2");
            QCOMPARE(place->text(), QStringLiteral("Rubrique non servie"));
            place->setText(QStringLiteral("Salle des fêtes"));
            child<QPushButton>(dialog, "CancelBtn")->click();
        });
        QVERIFY(p.exists(QStringLiteral("penal.tmp")));
        QVERIFY(!act(app, "Joueurs")->isEnabled());
        QCOMPARE(app.state().place(), QStringLiteral("rubrique non servie"));

        // The next "Nouveau" starts afresh; confirmed, its date and place are written at once.
        drive(dialog, triggering(app, "Nouveau"), [&] {
            QCOMPARE(child(dialog, "Edit2")->text(), QStringLiteral("Rubrique non servie"));
            child(dialog, "Edit2")->setText(QStringLiteral("Salle des fêtes"));
            child<QPushButton>(dialog, "OKBtn")->click();
        });
        QCOMPARE(p.files(), (QStringList{QStringLiteral("INITIAL.TMP"), QStringLiteral("notes.txt")}));
        QCOMPARE(p.bytes(QStringLiteral("INITIAL.TMP")), QByteArray("08/12/2026\r\nSalle des f\xEAtes\r\n"));
        QCOMPARE(app.state().place(), QStringLiteral("Salle des fêtes"));
        QVERIFY(act(app, "Joueurs")->isEnabled());
        QVERIFY(act(app, "&Inscription")->isEnabled());
        QVERIFY(!act(app, "&Attribuer les positions")->isEnabled());
        QVERIFY(act(app, "&Attribuer les positions")->isVisible());
        QVERIFY(!act(app, "Tables")->isEnabled());
        QVERIFY(app.state().modified());
    }

    void newTournamentAsksBeforeDiscarding()
    {
        TestPlatform p;
        p.write(QStringLiteral("inscrits.tmp"), {QStringLiteral("DUPONT Jean")});
        Application app;
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        p.messages.answers = {Messages::No};
        trigger(app, "Nouveau");
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QVERIFY(p.exists(QStringLiteral("inscrits.tmp")));
    }

    void dateOrPlaceOpeningASectionIsRefused()
    {
        TestPlatform p;
        Application app;
        auto &dialog = app.window<NewTournamentDialog>();
        drive(dialog, triggering(app, "Nouveau"), [&] {
            child(dialog, "Edit2")->setText(QStringLiteral("[INSCRITS]"));
            child<QPushButton>(dialog, "OKBtn")->click();
            QVERIFY(dialog.isVisible()); // refused: the dialog stays
            child(dialog, "Edit2")->setText(QStringLiteral("Lyon"));
            child<QPushButton>(dialog, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("[")));
        QCOMPARE(app.state().place(), QStringLiteral("Lyon"));
        QCOMPARE(app.state().date(), QStringLiteral("08/12/2026"));
    }

    void quitPrompt()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().show();
        app.mainWindow().firstActivation();
        // Flag clear: closes at once.
        trigger(app, "&Quitter");
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!app.mainWindow().isVisible());

        app.mainWindow().show();
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        p.messages.answers = {Messages::Yes};
        p.fileDialogs.saveAnswers = {p.path(QStringLiteral("club.trt"))};
        trigger(app, "&Quitter");
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].text,
                 QStringLiteral("Vous n'avez pas sauvegardé le tournoi, voulez-vous le faire ?"));
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QVERIFY(app.mainWindow().isVisible()); // Yes saves and stays
        QVERIFY(p.exists(QStringLiteral("club.trt")));
        QVERIFY(!app.state().modified());
        trigger(app, "&Quitter"); // saved: closes without asking
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(!app.mainWindow().isVisible());

        // "Annuler" (or Escape) takes the quit back.
        app.mainWindow().show();
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        p.messages.answers = {Messages::Cancel};
        trigger(app, "&Quitter");
        QCOMPARE(p.messages.boxes.last().buttons, Messages::Yes | Messages::No | Messages::Cancel);
        QVERIFY(app.mainWindow().isVisible());
        QVERIFY(app.state().modified());

        p.messages.answers = {Messages::No};
        trigger(app, "&Quitter");
        QVERIFY(!app.mainWindow().isVisible());
    }

    void helpKeywords()
    {
        TestPlatform p;
        Application app;
        trigger(app, "Aide");
        QCOMPARE(p.help.keywords, QStringList{QStringLiteral("sommaire")});
        // Every topic the windows open is bundled; an unknown one is reported by the help window.
        for (const char *keyword :
             {"sommaire", "index", "deroulement", "incident", "depltour", "deplace", "imposit", "tournoi"})
            QVERIFY2(
                !HelpWindow::pageFor(QString::fromLatin1(keyword)).contains(QStringLiteral("Rubrique introuvable")),
                keyword);
        QVERIFY(HelpWindow::pageFor(QStringLiteral("inconnu")).contains(QStringLiteral("Rubrique introuvable")));
    }

    // From an empty window to the end of the planned rounds: the title, the stage, the tiles and
    // the next-step button, each as the director sees it.
    void eveningAtAGlance()
    {
        TestPlatform p;
        Application app;
        MainWindow &main = app.mainWindow();
        main.firstActivation();
        auto *next = child<QPushButton>(main, "nextStep");
        auto *stage = child<QLabel>(main, "stage");
        QCOMPARE(main.windowTitle(), QStringLiteral("Verlandis — Tournoi sans nom[*]"));
        QCOMPARE(next->text(), QStringLiteral("Commencer un nouveau tournoi"));
        newTournament(app);
        registerPlayers(app, numberedPlayers(3));
        QCOMPARE(stage->text(), QStringLiteral("Inscriptions : 3 joueurs"));
        QCOMPARE(next->text(), QStringLiteral("Inscrire les joueurs")); // too few to draw
        QVERIFY(main.isWindowModified());

        seat(p, app, seatedRegister(3));
        QCOMPARE(stage->text(), QStringLiteral("Positions attribuées : 3 tables"));
        QCOMPARE(next->text(), QStringLiteral("Saisir les résultats du tour 1"));
        QVERIFY(!main.findChild<QToolButton *>(QStringLiteral("table4")));

        // A tile opens score entry on its own table.
        auto &entry = app.window<ScoreEntryDialog>();
        QVERIFY(drive(entry, clicking(main, "table2"), [&] {
            QCOMPARE(child<QSpinBox>(entry, "SpinEdit1")->value(), 2);
            typeScores(entry, {"30", "-30", "0", "0"});
            child<QPushButton>(entry, "BitBtn1")->click();
        }));
        QCOMPARE(child<QToolButton>(main, "table2")->text(), QStringLiteral("2 ✓"));
        QCOMPARE(child<QToolButton>(main, "table1")->text(), QStringLiteral("1"));
        QCOMPARE(stage->text(), QStringLiteral("Tour 1 en cours"));
        QVERIFY(usable(app, "Classements"));

        // The button runs the command it names.
        QVERIFY(drive(entry, clicking(main, "nextStep"), [&] {
            for (int table : {1, 3}) {
                child<QSpinBox>(entry, "SpinEdit1")->setValue(table);
                typeScores(entry, {"10", "-10", "0", "0"});
            }
            child<QPushButton>(entry, "BitBtn1")->click();
        }));
        QCOMPARE(stage->text(), QStringLiteral("Tour 1 complet"));
        QCOMPARE(next->text(), QStringLiteral("Commencer le tour 2"));
        arrange(app.state(), [](Tournament::Data &d) { d.movement.plannedRounds = 1; });
        QCOMPARE(next->text(), QStringLiteral("Voir le classement"));

        // Saved: the file's name in the title, where and when in the centre and the status bar.
        p.fileDialogs.saveAnswers = {p.directory.filePath(QStringLiteral("club.trt"))};
        // The shortcut as the menu shows it (a key sent to a window is not delivered alike everywhere).
        QAction *save = act(app, "&Enregistrer");
        QCOMPARE(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        save->trigger();
        QCOMPARE(main.windowTitle(), QStringLiteral("Verlandis — club.trt[*]"));
        QVERIFY(!main.isWindowModified());
        const QString where = QDir::toNativeSeparators(p.directory.filePath(QStringLiteral("club.trt")));
        QCOMPARE(main.statusBar()->currentMessage(), QStringLiteral("Tournoi enregistré dans « %1 »").arg(where));
        QCOMPARE(child<QLabel>(main, "saved")->text(),
                 QStringLiteral("Enregistré le 08/12/2026 à 20:30 dans « %1 »").arg(where));
    }

    // Past sixty tables the tiles give way to a count and the first missing tables, as links.
    void largeFieldListsTheMissingTables()
    {
        TestPlatform p;
        Application app;
        seat(p, app, seatedRegister(100));
        arrange(app.state(), [](Tournament::Data &d) { d.scoreList = tournaments::round(100, 1).mid(0, 4 * 55); });
        const QString text = child<QLabel>(app.mainWindow(), "missingTables")->text();
        QVERIFY(
            text.startsWith(QStringLiteral("Tour 1 : 55 tables sur 100 saisies.<br>À saisir : <a href=\"56\">56</a>")));
        QVERIFY(text.endsWith(QStringLiteral("<a href=\"95\">95</a> … (5 de plus)")));
        QVERIFY(!app.mainWindow().findChild<QToolButton *>(QStringLiteral("table1")));
    }

    void aboutBoxShowsTheWorkingDirectory()
    {
        TestPlatform p;
        Application app;
        auto &about = app.window<AboutBox>();
        drive(about, triggering(app, "A propos de..."), [&] {
            const QString shown = child<QLabel>(about, "WorkingDirectory")->text();
            QVERIFY(shown.contains(QDir::toNativeSeparators(p.directory.path())));
            about.accept();
        });
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
