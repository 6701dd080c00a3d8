#include "menus.h"
#include "players/namecorrection.h"
#include "support/driving.h"
#include "support/tournaments.h"

using tournaments::Shape;

// The start-up recovery, as the main window's first activation runs it.
class TestRecovery : public QObject
{
    Q_OBJECT

    using Answers = QList<Messages::Button>;
    static constexpr Messages::Button Y = Messages::Yes, N = Messages::No;

    static QStringList questions(const TestPlatform &p)
    {
        QStringList out;
        for (const auto &box : p.messages.boxes)
            if (box.buttons != Messages::Ok) {
                out << box.text;
                if (box.title != QLatin1String("Attention") || box.icon != Messages::Icon::Question)
                    out << QStringLiteral("(wrong box)");
            }
        return out;
    }
    static QStringList reports(const TestPlatform &p)
    {
        QStringList out;
        for (const auto &box : p.messages.boxes)
            if (box.buttons == Messages::Ok)
                out << box.title + QStringLiteral(": ") + box.text +
                           (box.icon == Messages::Icon::Information ? QString() : QStringLiteral(" (wrong icon)"));
        return out;
    }

private slots:
    void stageByStage_data()
    {
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("round");
        QTest::addColumn<int>("scores");
        const QStringList all{"depl.tmp", "exclu.tmp", "inscrits.tmp", "penal.tmp", "position.tmp",
                              "tour.tmp", "tour1.tmp", "tour2.tmp",    "tour3.tmp"};
        const QString players = QStringLiteral("Récupération des joueurs: 22 joueurs récupérés");
        const QString tables = QStringLiteral("Récupération des positions: 6 tables récupérées");
        const QString rounds = QStringLiteral("tours précédents: 3 tours récupérés");
        const QString current = QStringLiteral("Tour en cours: 12 scores récupérés pour le dernier tour");

        QTest::newRow("players No") << Answers{N} << QStringList{} << 1 << QStringList{} << 1 << 0;
        QTest::newRow("positions No") << Answers{Y, N} << QStringList{"inscrits.tmp"} << 2 << QStringList{players} << 1
                                      << 0;
        QTest::newRow("rounds No") << Answers{Y, Y, N}
                                   << QStringList{"exclu.tmp", "inscrits.tmp", "penal.tmp", "position.tmp"} << 3
                                   << QStringList{players, tables} << 1 << 0;
        QTest::newRow("round in progress No") << Answers{Y, Y, Y, N} << QStringList(all).mid(0, 5) + all.mid(6) << 4
                                              << QStringList{players, tables, rounds} << 4 << 0;
        QTest::newRow("all Yes") << Answers{Y, Y, Y, Y} << all << 4 << QStringList{players, tables, rounds, current}
                                 << 4 << 12;
    }

    void stageByStage()
    {
        QFETCH(Answers, answers);
        QFETCH(QStringList, kept);
        QFETCH(int, asked);
        QFETCH(QStringList, told);
        QFETCH(int, round);
        QFETCH(int, scores);
        TestPlatform p;
        tournaments::write(p, {.players = 22, .finishedRounds = 3, .inProgressLines = 12, .incidents = true});
        p.write(QStringLiteral("notes.txt"), {QStringLiteral("à garder")});
        kept << QStringLiteral("notes.txt");
        kept.sort();
        p.messages.answers = answers;
        Application app;
        app.mainWindow().firstActivation();

        const QStringList expectedQuestions =
            QStringList{"Voulez-vous récupérer la liste des joueurs ?", "Voulez-vous récupérer les positions ?",
                        "Voulez-vous récupérer les tours effectués ?",
                        "Voulez-vous récupérer le tour en cours de saisie ?"}
                .mid(0, asked);
        QCOMPARE(questions(p), expectedQuestions);
        QCOMPARE(reports(p), told);
        QCOMPARE(p.files(), kept);
        QCOMPARE(app.state().currentRound(), round);
        QCOMPARE(app.state().scoreList().size(), scores);
        QCOMPARE(app.state().modified(), answers.first() == Y);

        // Menus as the state kept allows.
        const bool seated = kept.contains(QStringLiteral("position.tmp"));
        const bool scored = round > 1 || scores > 0;
        QVERIFY(usable(app, Cmd::MenuJoueurs));
        QVERIFY(usable(app, Cmd::Enregistrer));
        QVERIFY(usable(app, Cmd::Ouvrir));
        QCOMPARE(usable(app, Cmd::Inscription), !seated);
        QCOMPARE(app.action(Cmd::AttribuerPositions)->isVisible(), !seated);
        QCOMPARE(app.action(Cmd::MenuTables)->isEnabled(), seated);
        QCOMPARE(app.action(Cmd::MenuClassements)->isEnabled(), scored);
        QCOMPARE(app.action(Cmd::AnnulerAttribution)->isVisible(), seated);
        QCOMPARE(usable(app, Cmd::AnnulerAttribution), seated && !scored);
        QCOMPARE(app.action(Cmd::DerniereMinute)->isVisible(), round == 1);
        QCOMPARE(usable(app, Cmd::EchangerPositions), seated && round == 1);
        QCOMPARE(usable(app, Cmd::CompleterTable), seated && round == 1); // 22 players: two empty chairs
        const QStringList expectedRegister =
            seated ? tournaments::seated(22) : (answers.first() == Y ? tournaments::players(22) : QStringList{});
        QCOMPARE(app.state().playerRegisterList(), expectedRegister);
        QCOMPARE(app.state().movementList().size(), round > 1 ? 12 : 0);
    }

    void roundOneInProgress()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 24, .inProgressLines = 8});
        Application app;
        app.mainWindow().firstActivation();
        QCOMPARE(questions(p),
                 (QStringList{"Voulez-vous récupérer la liste des joueurs ?", "Voulez-vous récupérer les positions ?",
                              "Voulez-vous récupérer le tour en cours de saisie ?"}));
        QCOMPARE(app.state().currentRound(), 1);
        QCOMPARE(app.state().scoreList(), tournaments::round(6, 1).mid(0, 8));
        QVERIFY(app.action(Cmd::MenuClassements)->isEnabled());
        QVERIFY(!app.action(Cmd::AnnulerAttribution)->isEnabled());
    }

    // Scores the tables sent and the director had not accepted: offered last, even before any
    // score of round 1 is entered; declined, they are deleted.
    void submissionsOfferedBack_data()
    {
        QTest::addColumn<int>("inProgressLines");
        QTest::addColumn<bool>("yes");
        QTest::newRow("round 1, nothing entered, Yes") << -1 << true;
        QTest::newRow("round 1 in progress, No") << 8 << false;
    }

    void submissionsOfferedBack()
    {
        QFETCH(int, inProgressLines);
        QFETCH(bool, yes);
        TestPlatform p;
        tournaments::write(p, {.players = 24, .inProgressLines = inProgressLines});
        const QStringList waiting = {"1;3;10;-10;0;0", "1;2;100;-40;-40;-20"};
        p.write(QStringLiteral("propositions.tmp"), waiting);
        p.write(QStringLiteral("codes.tmp"), {"1", "ABCD", "EFGH", "JKLM", "NPQR", "STUV", "WXYZ"});
        p.messages.answers = {Y, Y, Y, yes ? Y : N};
        Application app;
        app.mainWindow().firstActivation();
        const QString question = QStringLiteral("Voulez-vous récupérer les scores proposés par les tables ?");
        QCOMPARE(questions(p).last(), question);
        QCOMPARE(questions(p).size(), inProgressLines < 0 ? 3 : 4);
        QCOMPARE(reports(p).last(), yes ? QStringLiteral("Scores des tables: 2 propositions récupérées, en attente "
                                                         "d'acceptation")
                                        : QStringLiteral("Tour en cours: 8 scores récupérés pour le dernier tour"));
        QCOMPARE(app.state().submissions(), yes ? waiting : QStringList());
        QCOMPARE(p.exists(QStringLiteral("propositions.tmp")), yes);
        QCOMPARE(app.state().tableCodes().size(), 7);
    }

    // Killed between archiving round 3 and emptying tour.tmp: round 4 starts empty, and the
    // ranking does not count round 3 twice.
    void interruptedRoundStartIsTakenUpEmpty()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 24, .finishedRounds = 3});
        p.write(QStringLiteral("tour.tmp"), p.read(QStringLiteral("tour3.tmp")));
        Application app;
        app.mainWindow().firstActivation();
        QCOMPARE(app.state().currentRound(), 4);
        QVERIFY(app.state().scoreList().isEmpty());
        QVERIFY(p.read(QStringLiteral("tour.tmp")).isEmpty());
        QCOMPARE(p.read(QStringLiteral("tour3.tmp")).size(), 24);
        QVERIFY(p.messages.texts().contains(QStringLiteral("0 scores récupérés pour le dernier tour")));
    }

    void declinedRoundsTakeTheRoundInProgressWithThem()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 24, .finishedRounds = 3, .inProgressLines = 4});
        p.messages.answers = {Y, Y, N};
        Application app;
        app.mainWindow().firstActivation();
        QCOMPARE(questions(p).size(), 3);
        QCOMPARE(p.files(), (QStringList{"inscrits.tmp", "position.tmp"}));
        QVERIFY(app.state().scoreList().isEmpty());
        QVERIFY(usable(app, Cmd::AnnulerAttribution));
    }

    void drawOfferedFromSixEntries_data()
    {
        QTest::addColumn<int>("entries");
        QTest::newRow("5") << 5;
        QTest::newRow("6") << 6;
    }

    // As during work: the draw is offered from six entries.
    void drawOfferedFromSixEntries()
    {
        QFETCH(int, entries);
        TestPlatform p;
        tournaments::write(p, {.players = entries, .seated = false});
        Application app;
        app.mainWindow().firstActivation();
        QVERIFY(app.action(Cmd::AttribuerPositions)->isVisible());
        QCOMPARE(app.action(Cmd::AttribuerPositions)->isEnabled(), entries > 5);
        QCOMPARE(reports(p),
                 QStringList{QStringLiteral("Récupération des joueurs: %1 joueurs récupérés").arg(entries)});
    }

    void noTournamentAsksNothing()
    {
        TestPlatform p;
        p.write(QStringLiteral("tour1.tmp"), tournaments::round(2, 1)); // no register: not offered
        Application app;
        app.mainWindow().firstActivation();
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!app.action(Cmd::MenuJoueurs)->isEnabled());
        QVERIFY(p.exists(QStringLiteral("tour1.tmp")));
    }

    void cancelledDrawComesBackUnseated()
    {
        TestPlatform p;
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(10));
        p.write(QStringLiteral("position.tmp"), tournaments::players(10));
        Application app;
        app.mainWindow().firstActivation();
        QCOMPARE(questions(p), QStringList{"Voulez-vous récupérer la liste des joueurs ?"});
        QCOMPARE(reports(p), QStringList{"Récupération des joueurs: 10 joueurs récupérés"});
        QVERIFY(!app.action(Cmd::MenuTables)->isEnabled());
        QVERIFY(usable(app, Cmd::AttribuerPositions));
        QVERIFY(!app.action(Cmd::AnnulerAttribution)->isVisible());
    }

    // After a cancelled draw the register goes on changing in inscrits.tmp alone: a restart and
    // a Save then Open both give back the players added and the names corrected since.
    void registerChangedAfterACancelledDraw()
    {
        TestPlatform p;
        QStringList expected;
        {
            Application app;
            seatPlayers(app, p, 10);
            p.messages.answers = {Y};
            choose(app, "&Annuler l'attribution");
            registerPlayers(app, {{"ZOLA", "Emile"}});
            QVERIFY(correction::correctName(app.state(), "JOUEUR03 Prenom", "DURAND Prenom").ok());
            expected = app.state().playerRegisterList();
            QCOMPARE(expected.size(), 11);
            QVERIFY(expected.contains("DURAND Prenom") && expected.contains("ZOLA Emile"));
            p.fileDialogs.saveAnswers = {p.path("club.trt")};
            choose(app, "&Enregistrer");
        }
        p.messages.clear();
        Application restarted;
        restarted.mainWindow().firstActivation();
        QCOMPARE(restarted.state().playerRegisterList(), expected);
        QCOMPARE(questions(p).size(), 1);
        registerPlayers(restarted, {}); // closing the register writes what it holds
        QCOMPARE(p.read("inscrits.tmp"), expected);

        p.fileDialogs.openAnswers = {p.path("club.trt")};
        p.messages.answers = {Y};
        choose(restarted, "&Ouvrir");
        QCOMPARE(restarted.state().playerRegisterList(), expected);
        QVERIFY(usable(restarted, Cmd::AttribuerPositions));
    }

    // The flag set by taking the players up makes Quit offer to save them.
    void quitOffersToSaveWhatWasTakenUp()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 8, .seated = false});
        Application app;
        app.mainWindow().show();
        app.mainWindow().firstActivation();
        p.messages.clear();
        p.messages.answers = {N};
        app.mainWindow().quit();
        QCOMPARE(p.messages.texts(), QStringList{"Vous n'avez pas sauvegardé le tournoi, voulez-vous le faire ?"});
    }
};

QTEST_MAIN(TestRecovery)
#include "test_recovery.moc"
