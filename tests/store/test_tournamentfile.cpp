#include "menus.h"
#include "store/newtournamentdialog.h"
#include "store/tournamentfile.h"
#include "support/driving.h"
#include "support/systemcalls.h"
#include "support/tournaments.h"

#include <QDir>

using tournaments::Shape;

// "&Enregistrer" and "&Ouvrir" driven through the menus, and the file layout in core.
class TestTournamentFile : public QObject
{
    Q_OBJECT

    static void started(Application &app) { app.mainWindow().firstActivation(); }
    static void trigger(Application &app, Cmd cmd) { app.action(cmd)->trigger(); }

    static void openFile(TestPlatform &p, Application &app, const QString &name)
    {
        p.fileDialogs.openAnswers = {p.path(name)};
        trigger(app, Cmd::Ouvrir);
    }
    static void saveAs(TestPlatform &p, Application &app, const QString &name)
    {
        p.fileDialogs.saveAnswers = {p.path(name)};
        trigger(app, Cmd::Enregistrer);
    }
    static QMap<QString, QByteArray> workingFiles(const TestPlatform &p)
    {
        QMap<QString, QByteArray> files = tournaments::snapshot(p);
        for (auto it = files.begin(); it != files.end();)
            it = it.key().endsWith(QLatin1String(".trt")) ? files.erase(it) : std::next(it);
        return files;
    }

private slots:
    void sectionsInTheirOrder()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 8, .finishedRounds = 3, .inProgressLines = 4, .incidents = true});
        p.write(QStringLiteral("tour5.tmp"), {QStringLiteral("N1=10")}); // beyond the gap: not saved
        p.write(QStringLiteral("exclu.tmp"), {});                        // empty: its header alone
        Application app;
        started(app);
        arrange(app.state(), [](Tournament::Data &d) { d.place.clear(); }); // an empty place is an empty line
        saveAs(p, app, QStringLiteral("club.trt"));

        const QStringList lines = p.read(QStringLiteral("club.trt"));
        QStringList headers;
        for (const QString &line : lines)
            if (line.startsWith(QLatin1Char('[')))
                headers << line;
        QCOMPARE(headers, (QStringList{"[INITIAL]", "[INSCRITS]", "[POSITIONS]", "[PENAL]", "[EXCLU]", "[TOUR]",
                                       "[DEPL]", "[TOUR1]", "[TOUR2]", "[TOUR3]"}));
        QCOMPARE(lines.mid(0, 4), (QStringList{"[INITIAL]", "08/12/2026", "", "[INSCRITS]"}));
        QCOMPARE(lines.mid(lines.indexOf("[EXCLU]"), 2), (QStringList{"[EXCLU]", "[TOUR]"}));
        QCOMPARE(lines.mid(lines.indexOf("[TOUR2]") + 1, 8), tournaments::round(2, 2));
        QVERIFY(!p.bytes(QStringLiteral("club.trt")).contains("\n\n"));
        QCOMPARE(p.fileDialogs.calls.size(), 1);
        QCOMPARE(p.fileDialogs.calls[0].filter, QStringLiteral("fichiers tournoi|*.trt"));
        QCOMPARE(p.fileDialogs.calls[0].initialName, QStringLiteral("nouveau.trt"));
        QVERIFY(p.fileDialogs.calls[0].save);
    }

    // A power cut after "Nouveau" and the registration: the recovery gives the date and place
    // back, and Save writes them.
    void dateAndPlaceSurviveAPowerCut()
    {
        TestPlatform p;
        {
            Application app;
            started(app);
            auto &dialog = app.window<NewTournamentDialog>();
            drive(
                dialog, [&] { trigger(app, Cmd::Nouveau); },
                [&] {
                    child(dialog, "Edit1")->setText(QStringLiteral("samedi 12 décembre"));
                    child(dialog, "Edit2")->setText(QStringLiteral("Salle des fêtes"));
                    child<QPushButton>(dialog, "OKBtn")->click();
                });
            tournaments::write(p, {.players = 10, .seated = false});
        } // the program stops without saving
        Application app;
        started(app);
        QCOMPARE(app.state().date(), QStringLiteral("samedi 12 décembre"));
        saveAs(p, app, QStringLiteral("club.trt"));
        QCOMPARE(p.read(QStringLiteral("club.trt")).mid(0, 3),
                 (QStringList{"[INITIAL]", "samedi 12 décembre", "Salle des fêtes"}));

        // Without INITIAL.TMP (an older working directory), the values of a run without "Nouveau".
        QVERIFY(QFile::remove(p.path(QStringLiteral("INITIAL.TMP"))));
        Application older;
        started(older);
        QCOMPARE(older.state().place(), QStringLiteral("rubrique non servie"));
    }

    // A [TOUR] that only repeats the last [TOURn]: round n + 1 starts empty, round n counts once.
    void repeatedRoundOpensOnce()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 24, .finishedRounds = 3});
        p.write(QStringLiteral("tour.tmp"), p.read(QStringLiteral("tour3.tmp")));
        saveAs(p, app, QStringLiteral("vieux.trt"));
        openFile(p, app, QStringLiteral("vieux.trt"));
        QCOMPARE(app.state().currentRound(), 4);
        QVERIFY(app.state().scoreList().isEmpty());
        QVERIFY(p.read(QStringLiteral("tour.tmp")).isEmpty());
        QCOMPARE(p.read(QStringLiteral("tour3.tmp")).size(), 24);
    }

    // "Enregistrer sous..." keeps the file opened as it was and makes the new one current.
    void saveUnderAnotherName()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 8, .finishedRounds = 1});
        saveAs(p, app, QStringLiteral("exemple.trt"));
        openFile(p, app, QStringLiteral("exemple.trt"));
        const QByteArray original = p.bytes(QStringLiteral("exemple.trt"));
        QVERIFY(usable(app, Cmd::EnregistrerSous));
        QCOMPARE(app.action(Cmd::EnregistrerSous)->text(), QStringLiteral("Enregistrer &sous..."));

        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        trigger(app, Cmd::EnregistrerSous); // Cancel
        QCOMPARE(p.fileDialogs.calls.last().initialName, QStringLiteral("exemple.trt"));
        QCOMPARE(p.fileDialogs.calls.last().filter, QStringLiteral("fichiers tournoi|*.trt"));
        QVERIFY(app.state().modified());

        p.write(QStringLiteral("autre.trt"), {QStringLiteral("[INITIAL]")});
        p.fileDialogs.saveAnswers = {p.path(QStringLiteral("autre.trt"))};
        p.messages.answers = {Messages::No};
        trigger(app, Cmd::EnregistrerSous);
        QCOMPARE(p.messages.texts(),
                 QStringList{"Le fichier « autre.trt » existe déjà.\r\nVoulez-vous le remplacer ?"});
        QCOMPARE(p.messages.boxes.last().icon, Messages::Icon::Warning);
        QCOMPARE(p.read(QStringLiteral("autre.trt")), QStringList{"[INITIAL]"});
        QVERIFY(app.state().modified());

        p.fileDialogs.saveAnswers = {p.path(QStringLiteral("autre.trt"))};
        p.messages.answers = {Messages::Yes};
        trigger(app, Cmd::EnregistrerSous);
        QCOMPARE(p.bytes(QStringLiteral("autre.trt")), original);
        QVERIFY(!app.state().modified());

        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("N1=-50")});
        const qsizetype dialogs = p.fileDialogs.calls.size();
        trigger(app, Cmd::Enregistrer); // now to autre.trt, without a dialog
        QCOMPARE(p.fileDialogs.calls.size(), dialogs);
        QVERIFY(p.read(QStringLiteral("autre.trt")).contains(QStringLiteral("[PENAL]")));
        QCOMPARE(p.bytes(QStringLiteral("exemple.trt")), original);
    }

    void roundTrip_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<int>("round");
        QTest::newRow("registration only") << Shape{.players = 10, .seated = false} << 1;
        QTest::newRow("seated, 22 players") << Shape{.players = 22} << 1;
        QTest::newRow("round 1 in progress") << Shape{.players = 24, .inProgressLines = 8} << 1;
        QTest::newRow("three rounds, round 4 in progress, incidents")
            << Shape{.players = 24, .finishedRounds = 3, .inProgressLines = 12, .incidents = true} << 4;
        QTest::newRow("scores sent from the tables") << Shape{.players = 8, .inProgressLines = 4} << 1;
    }

    // Save then Open gives back every working file byte for byte, the round and the menus
    // that a recovery of the same files gives; saving again gives the same bytes.
    void roundTrip()
    {
        QFETCH(Shape, shape);
        QFETCH(int, round);
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, shape);
        if (QByteArray(QTest::currentDataTag()) == "scores sent from the tables") {
            p.write(QStringLiteral("codes.tmp"), {"1", "ABCD", "EFGH"});
            p.write(QStringLiteral("propositions.tmp"), {"1;2;10;-10;0;0"});
        }
        p.write(QStringLiteral("tour.tmp.bak"), {QStringLiteral("garder")}); // not a working file
        const auto before = workingFiles(p);
        saveAs(p, app, QStringLiteral("club.trt"));

        // A later tournament of the run, then the file opened again.
        arrange(app.state(), [&](Tournament::Data &d) { d.date = QStringLiteral("01/02/2027"); });
        arrange(app.state(), [&](Tournament::Data &d) { d.place = QStringLiteral("Ailleurs"); });
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("N1=-50")});
        p.write(QStringLiteral("tour9.tmp"), {QStringLiteral("N1=10")});
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = false; });
        openFile(p, app, QStringLiteral("club.trt"));

        auto after = workingFiles(p);
        QCOMPARE(after.take(QStringLiteral("INITIAL.TMP")), QByteArray("08/12/2026\r\nrubrique non servie\r\n"));
        QCOMPARE(after, before);
        QCOMPARE(app.state().currentRound(), round);
        QCOMPARE(app.state().place(), QStringLiteral("rubrique non servie"));
        QVERIFY(!app.state().modified());
        QVERIFY(p.messages.boxes.isEmpty());

        const QByteArray saved = p.bytes(QStringLiteral("club.trt"));
        QVERIFY(QFile::remove(p.path(QStringLiteral("club.trt"))));
        trigger(app, Cmd::Enregistrer); // writes the opened file again, no dialog
        QCOMPARE(p.fileDialogs.calls.size(), 2);
        QCOMPARE(p.bytes(QStringLiteral("club.trt")), saved);

        // The same files taken up at start-up, every question answered Yes.
        const QStringList opened = shownMenus(app);
        const QStringList register_ = app.state().playerRegisterList();
        Application again;
        started(again);
        QCOMPARE(shownMenus(again), opened);
        QCOMPARE(again.state().currentRound(), round);
        QCOMPARE(again.state().playerRegisterList(), register_);
        QCOMPARE(again.state().scoreList(), app.state().scoreList());
        QCOMPARE(again.state().submissions(), app.state().submissions());
    }

    void menusFollowTheFileOpened_data()
    {
        QTest::addColumn<Shape>("shape");
        QTest::addColumn<QStringList>("usableCommands");
        QTest::addColumn<QStringList>("unusable");
        QTest::newRow("5 registered") << Shape{.players = 5, .seated = false}
                                      << QStringList{"Joueurs", "&Inscription", "Dernière minute"}
                                      << QStringList{"&Attribuer les positions", "Tables", "Classements",
                                                     "&Annuler l'attribution", "Echanger les positions"};
        QTest::newRow("6 registered") << Shape{.players = 6, .seated = false}
                                      << QStringList{"&Inscription", "&Attribuer les positions"}
                                      << QStringList{"Tables", "Classements"};
        QTest::newRow("seated, chairs") << Shape{.players = 22}
                                        << QStringList{"Tables", "&Annuler l'attribution", "Echanger les positions",
                                                       "Compléter une table", "Dernière minute"}
                                        << QStringList{"&Inscription", "&Attribuer les positions", "Classements"};
        QTest::newRow("seated, no chair") << Shape{.players = 24} << QStringList{"Tables", "Echanger les positions"}
                                          << QStringList{"Compléter une table", "Classements"};
        QTest::newRow("round 1 scored") << Shape{.players = 22, .inProgressLines = 4}
                                        << QStringList{"Tables", "Classements", "Dernière minute",
                                                       "Compléter une table"}
                                        << QStringList{"&Annuler l'attribution"};
        QTest::newRow("round 2 begun") << Shape{.players = 22, .finishedRounds = 1}
                                       << QStringList{"Tables", "Classements"}
                                       << QStringList{"Dernière minute", "Echanger les positions",
                                                      "Compléter une table", "&Annuler l'attribution", "&Inscription"};
    }

    // Open sets every command from the files, whatever the tournament before it had allowed.
    void menusFollowTheFileOpened()
    {
        QFETCH(Shape, shape);
        QFETCH(QStringList, usableCommands);
        QFETCH(QStringList, unusable);
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, shape);
        saveAs(p, app, QStringLiteral("club.trt"));
        // Opened twice: the menus follow the tournament alone, whatever came before.
        for (int twice = 0; twice < 2; ++twice) {
            openFile(p, app, QStringLiteral("club.trt"));
            for (const QString &c : usableCommands) {
                const QAction *a = findAction(&app.mainWindow(), c);
                QVERIFY2(a->isEnabled() && a->isVisible(), qPrintable(c));
            }
            for (const QString &c : unusable) {
                const QAction *a = findAction(&app.mainWindow(), c);
                QVERIFY2(!a->isEnabled() || !a->isVisible(), qPrintable(c));
            }
            QVERIFY(!app.action(Cmd::ModifierTour)->isVisible());
            QVERIFY(!app.action(Cmd::PointsClassement)->isVisible());
            QVERIFY(usable(app, Cmd::Enregistrer));
        }
    }

    void cancelledDrawIsTakenUpUnseated()
    {
        TestPlatform p;
        Application app;
        started(app);
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(9));
        p.write(QStringLiteral("position.tmp"), tournaments::players(9)); // "&Annuler l'attribution" left it so
        saveAs(p, app, QStringLiteral("club.trt"));
        openFile(p, app, QStringLiteral("club.trt"));
        QVERIFY(usable(app, Cmd::AttribuerPositions));
        QVERIFY(usable(app, Cmd::Inscription));
        QVERIFY(!app.action(Cmd::MenuTables)->isEnabled());
        QVERIFY(!app.action(Cmd::AnnulerAttribution)->isVisible());
        QCOMPARE(app.state().playerRegisterList().size(), 9);
    }

    void registerIsSortedAndDatePlaceGoBack()
    {
        TestPlatform p;
        p.write(QStringLiteral("vieux.trt"),
                {"[INITIAL]", "14/07/2026", "Salle des fêtes", "[INSCRITS]", "ZOLA Emile", "ADAM Luc", "[POSITIONS]",
                 "ZOLA Emile = N1", " CHAISE VIDE 1 = N1", "ADAM Luc = S1", "[TOUR1]", "N1=0"});
        Application app;
        started(app);
        openFile(p, app, QStringLiteral("vieux.trt"));
        QCOMPARE(app.state().playerRegisterList(),
                 (QStringList{" CHAISE VIDE 1 = N1", "ADAM Luc = S1", "ZOLA Emile = N1"}));
        QCOMPARE(app.state().date(), QStringLiteral("14/07/2026"));
        QCOMPARE(app.state().place(), QStringLiteral("Salle des fêtes"));
        QCOMPARE(app.state().currentRound(), 2);
        QCOMPARE(p.read(QStringLiteral("tour1.tmp")), QStringList{"N1=0"});
        // A later save writes the opened file again, with its own date and place.
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        trigger(app, Cmd::Enregistrer);
        QCOMPARE(p.read(QStringLiteral("vieux.trt")).mid(0, 3),
                 (QStringList{"[INITIAL]", "14/07/2026", "Salle des fêtes"}));
        QVERIFY(!app.state().modified());
        QCOMPARE(p.fileDialogs.calls.size(), 1); // the open dialog only
        QCOMPARE(p.fileDialogs.calls[0].title, QStringLiteral("Ouvrir un fichier tournoi"));
        QCOMPARE(p.fileDialogs.calls[0].filter, QStringLiteral("Fichiers tournoi|*.trt"));
        QCOMPARE(p.fileDialogs.calls[0].initialName, QStringLiteral("*.trt"));
    }

    void unsavedDataQuestion()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 8, .seated = false});
        saveAs(p, app, QStringLiteral("club.trt"));
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(12));
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        const QStringList menus = shownMenus(app);

        p.messages.answers = {Messages::No};
        openFile(p, app, QStringLiteral("club.trt"));
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Données en cours non sauvegardée"));
        QCOMPARE(p.messages.boxes[0].text,
                 QStringLiteral("Vous allez écraser les données en cours. En êtes-vous sûr ?"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::None);
        QCOMPARE(p.fileDialogs.calls.size(), 1); // the dialog was not shown
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).size(), 12);

        p.messages.answers = {Messages::Yes};
        p.fileDialogs.openAnswers = {QString()}; // Cancel
        trigger(app, Cmd::Ouvrir);
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).size(), 12);
        QVERIFY(app.state().modified());
        QCOMPARE(shownMenus(app), menus);

        p.messages.answers = {Messages::Yes};
        openFile(p, app, QStringLiteral("club.trt"));
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).size(), 8);
        QVERIFY(!app.state().modified());
    }

    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("Liste des courses\r\n[INSCRITS]\r\nDUPONT Jean\r\n");
        QTest::newRow("blank first line") << QByteArray("\r\n[INSCRITS]\r\n");
        QTest::newRow("parent directory") << QByteArray("[INITIAL]\r\n[../../evil]\r\nx\r\n");
        QTest::newRow("absolute path") << QByteArray("[/tmp/evil]\r\nx\r\n");
        QTest::newRow("backslash") << QByteArray("[INITIAL]\r\n[..\\evil]\r\n");
        QTest::newRow("device") << QByteArray("[INITIAL]\r\n[CON]\r\n");
        QTest::newRow("port") << QByteArray("[INITIAL]\r\n[lpt1]\r\n");
        QTest::newRow("blank in name") << QByteArray("[INITIAL]\r\n[TOUR 1]\r\n");
        QTest::newRow("no name") << QByteArray("[]\r\nx\r\n");
        QTest::newRow("lone bracket") << QByteArray("[INITIAL]\r\n[\r\n");
        QTest::newRow("accented") << QByteArray("[INITIAL]\r\n[D\xc9PL]\r\n");
        QTest::newRow("superscript port") << QByteArray("[INITIAL]\r\n[COM\xb9]\r\n");
        QTest::newRow("too large") << QByteArray("[INITIAL]\r\n") + QByteArray(17 * 1024 * 1024, 'x');
    }

    // Checked before anything is deleted: the working files and the menus stay as they were.
    void hostileFilesAreRefused()
    {
        QFETCH(QByteArray, content);
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 24, .finishedRounds = 1});
        QFile file(p.path(QStringLiteral("x.trt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const auto before = tournaments::snapshot(p);
        const QStringList menus = shownMenus(app);

        openFile(p, app, QStringLiteral("x.trt"));
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Incident lors de la lecture !"));
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Fichier corrompu, récupération impossible"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(tournaments::snapshot(p), before);
        QCOMPARE(shownMenus(app), menus);
        for (const char *name : {"../evil.tmp", "../../evil.tmp", "/tmp/evil.tmp", "CON.tmp", "con.tmp"})
            QVERIFY(!QFile::exists(QDir(p.path({})).absoluteFilePath(QLatin1String(name))));
    }

    void missingFileIsRefused()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 8, .seated = false});
        openFile(p, app, QStringLiteral("parti.trt"));
        QCOMPARE(p.messages.texts(), QStringList{"Fichier corrompu, récupération impossible"});
        QVERIFY(p.exists(QStringLiteral("inscrits.tmp")));
    }

    void sectionFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("known") << QByteArray("[INITIAL]\r\nd\r\nl\r\n[POSITIONS]\r\n[TOUR3]\r\n[depl]\r\n")
                               << QStringList{"INITIAL.TMP", "depl.tmp", "position.tmp", "tour3.tmp"};
        QTest::newRow("unknown name kept") << QByteArray("[NOTES_2]\r\nx\r\n") << QStringList{"notes_2.tmp"};
        QTest::newRow("header without bracket")
            << QByteArray("[INSCRITS]\r\nA\r\n[DEPLx\r\nN2=0\r\n") << QStringList{"depl.tmp", "inscrits.tmp"};
        QTest::newRow("same file twice, last wins")
            << QByteArray("[PENAL]\r\nN1=-5\r\n[penal]\r\nN1=-9\r\n") << QStringList{"penal.tmp"};
    }

    void sectionFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, files);
        TestPlatform p;
        Tournament state;
        QFile file(p.path(QStringLiteral("x.trt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const Opened opened = openTournament(state, platform().files, p.path(QStringLiteral("x.trt")));
        QVERIFY(!opened.corrupt);
        QVERIFY(opened.outcome.ok());
        QStringList names = p.files();
        names.removeOne(QStringLiteral("x.trt"));
        QCOMPARE(names, files);
        if (files.contains(QStringLiteral("penal.tmp")))
            QCOMPARE(p.read(QStringLiteral("penal.tmp")), QStringList{"N1=-9"});
    }

    void firstSaveAsksThenSavesDirectly()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 8, .seated = false});
        p.fileDialogs.saveAnswers = {QString()}; // Cancel: nothing written, still unsaved
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        trigger(app, Cmd::Enregistrer);
        QVERIFY(app.state().modified());
        QCOMPARE(p.files().filter(QStringLiteral(".trt")).size(), 0);

        saveAs(p, app, QStringLiteral("soir.trt"));
        QVERIFY(!app.state().modified());
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(9));
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });
        trigger(app, Cmd::Enregistrer);
        QCOMPARE(p.fileDialogs.calls.size(), 2);
        QCOMPARE(p.read(QStringLiteral("soir.trt")).size(), 3 + 1 + 9);

        // After "Nouveau", the dialog again.
        auto &init = app.window<NewTournamentDialog>();
        drive(
            init, [&] { trigger(app, Cmd::Nouveau); }, [&] { init.accept(); });
        saveAs(p, app, QStringLiteral("autre.trt"));
        QCOMPARE(p.fileDialogs.calls.size(), 3);
        QCOMPARE(p.fileDialogs.calls.last().initialName, QStringLiteral("nouveau.trt"));
        QVERIFY(p.exists(QStringLiteral("autre.trt")));
    }

    // A tournament restored in part is shown as it is, and never saved over a file unasked.
    void failedOpenForgetsTheFile()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 24, .finishedRounds = 3});
        saveAs(p, app, QStringLiteral("grand.trt"));
        const QByteArray saved = p.bytes(QStringLiteral("grand.trt"));

        {
            const FileSizeLimit limit(400); // inscrits.tmp fits, position.tmp does not
            openFile(p, app, QStringLiteral("grand.trt"));
        }

        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("position.tmp")));
        QVERIFY(!p.exists(QStringLiteral("position.tmp")));
        QVERIFY(usable(app, Cmd::Inscription)); // the menus follow what was restored
        QVERIFY(!app.action(Cmd::MenuTables)->isEnabled());
        saveAs(p, app, QStringLiteral("partiel.trt"));
        QCOMPARE(p.fileDialogs.calls.size(), 3); // asked where
        QCOMPARE(p.bytes(QStringLiteral("grand.trt")), saved);
    }

    // A write that fails leaves the previous file whole, says so, and Quit still offers to save.
    void failedSaveKeepsThePreviousFile()
    {
        TestPlatform p;
        Application app;
        started(app);
        tournaments::write(p, {.players = 24, .finishedRounds = 2});
        saveAs(p, app, QStringLiteral("soir.trt"));
        const QByteArray saved = p.bytes(QStringLiteral("soir.trt"));
        p.write(QStringLiteral("tour3.tmp"), tournaments::round(6, 3));
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = true; });

        {
            const FileSizeLimit limit(256);
            trigger(app, Cmd::Enregistrer);
        }

        QCOMPARE(p.bytes(QStringLiteral("soir.trt")), saved);
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("soir.trt")));
        QVERIFY(app.state().modified());
        QCOMPARE(p.files().filter(QStringLiteral("soir")), QStringList{"soir.trt"}); // no temporary left

        p.messages.answers = {Messages::Yes};
        app.mainWindow().quit();
        QVERIFY(!app.state().modified());
        QVERIFY(p.bytes(QStringLiteral("soir.trt")).contains("[TOUR3]"));
    }
};

QTEST_MAIN(TestTournamentFile)
#include "test_tournamentfile.moc"
