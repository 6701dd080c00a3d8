#include "menus.h"
#include "store/diagnostic.h"
#include "store/diagnosticdialog.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QPlainTextEdit>

// "Mode Diagnostic" opened from the "?" menu, and the classgen.dia rule in core.
class TestDiagnostic : public QObject
{
    Q_OBJECT

    // Opens the dialog from its menu and closes it with OK; returns the report lines shown.
    static QStringList diagnose(Application &app)
    {
        auto &dialog = app.window<DiagnosticDialog>();
        drive(
            dialog, [&] { app.action(Cmd::Diagnostic)->trigger(); }, clicking(dialog, "OKBtn"));
        return child<QPlainTextEdit>(dialog, "Memo1")->toPlainText().split(QLatin1Char('\n'));
    }

    static QStringList started(TestPlatform &p, Application &app)
    {
        app.mainWindow().firstActivation();
        p.messages.clear();
        return diagnose(app);
    }

private slots:
    // 22 players on 6 tables, three rounds of which one lost a line, round 4 in progress.
    void fullReport()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 22, .finishedRounds = 3, .inProgressLines = 12, .incidents = true});
        QStringList round2 = tournaments::round(6, 2);
        QCOMPARE(round2.takeAt(9), QStringLiteral("O3=-10")); // table 3: N, O, E, S
        p.write(QStringLiteral("tour2.tmp"), round2);
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("S3=-150"), QStringLiteral("N4=50")});
        const auto before = tournaments::snapshot(p);
        Application app;
        const QStringList memo = started(p, app);

        QCOMPARE(memo, (QStringList{"Diagnostic ",
                                    "08/12/2026 20:30 : démarrage du diagnostic.",
                                    "Classement général récupéré",
                                    "Vérification des inscriptions",
                                    "22 joueurs inscrits. OK",
                                    "tour n°1 : 24 scores.OK",
                                    "Scores vérifiés OK.",
                                    "tour n°2 : 23 scores. *** ATTENTION ***",
                                    "O3 non trouvé",
                                    "Ce fichier doit être corrigé.",
                                    "total des scores : 10 *** ATTENTION ***",
                                    "tour n°3 : 24 scores.OK",
                                    "Scores vérifiés OK.",
                                    "tour en cours : 12 scores.",
                                    "nombre de déplacements enregistrés : 3OK",
                                    "Exclusions enregistrées :",
                                    "E2",
                                    "Pénalités enregistrées :",
                                    "S3=-150",
                                    "N4=50",
                                    "08/12/2026 20:30 : diagnostic terminé."}));
        QVERIFY(p.messages.boxes.isEmpty());
        auto after = tournaments::snapshot(p);
        const QStringList classgen = splitLines(after.take(QStringLiteral("classgen.dia")));
        QCOMPARE(after, before); // no working file changed
        QCOMPARE(classgen.size(), 25);
        QCOMPARE(classgen.first(), QStringLiteral("POSITION=SCORE"));
        for (const QString &line : classgen.mid(1))
            QVERIFY2(line.contains(QLatin1Char('=')) && line.size() > 2, qPrintable(line));
        QVERIFY(classgen.contains(QStringLiteral("Est 2=EXCLU")));
    }

    // The search for a missing seat reaches the last table.
    void seatMissingAtTheLastTable()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 22, .finishedRounds = 1});
        QStringList round1 = tournaments::round(6, 1);
        QVERIFY(round1.takeLast().startsWith(QLatin1String("S6=")));
        p.write(QStringLiteral("tour1.tmp"), round1);
        Application app;
        const QStringList memo = started(p, app);
        const qsizetype at = memo.indexOf(QStringLiteral("tour n°1 : 23 scores. *** ATTENTION ***"));
        QVERIFY(at > 0);
        QCOMPARE(memo.mid(at + 1, 2), (QStringList{"S6 non trouvé", "Ce fichier doit être corrigé."}));
    }

    // The example a newcomer opens: consistent in every check.
    void exampleTournament()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        p.fileDialogs.openAnswers = {QStringLiteral(EXAMPLE_FILE)};
        app.action(Cmd::Ouvrir)->trigger();
        QCOMPARE(app.state().currentRound(), 4);
        QCOMPARE(app.state().playerRegisterList().size(), 24);
        QCOMPARE(app.state().place(), QStringLiteral("Salle des fêtes de Saint-Aubin"));
        QVERIFY(usable(app, Cmd::MenuTables));
        const QStringList memo = diagnose(app);
        QVERIFY(p.messages.boxes.isEmpty());
        QCOMPARE(memo.filter(QStringLiteral("ATTENTION")), QStringList{});
        for (const char *line : {"Classement général récupéré", "24 joueurs inscrits. OK", "tour n°3 : 24 scores.OK",
                                 "tour en cours : 12 scores.", "nombre de déplacements enregistrés : 3OK",
                                 "Exclusions enregistrées :", "Pénalités enregistrées :"})
            QVERIFY2(memo.contains(QString::fromUtf8(line)), line);
        QCOMPARE(memo.count(QStringLiteral("Scores vérifiés OK.")), 3);
        QCOMPARE(p.read(QStringLiteral("penal.tmp")).size(), 2);
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")).size(), 1);
    }

    void secondReportFollowsTheFirst()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 8});
        Application app;
        const QStringList first = started(p, app);
        const QStringList both = diagnose(app);
        QCOMPARE(both.size(), 2 * first.size() - 1);
        QCOMPARE(both.mid(first.size()), first.mid(1));
        QCOMPARE(both.count(QStringLiteral("Vérification des inscriptions")), 2);
    }

    void registrationChecks_data()
    {
        QTest::addColumn<int>("registered");
        QTest::addColumn<int>("seats");
        QTest::addColumn<QString>("line");
        QTest::newRow("three empty chairs") << 21 << 24 << "21 joueurs inscrits. OK";
        QTest::newRow("players without seat") << 26 << 24 << "2 joueurs sans position !*** ATTENTION ***";
        QTest::newRow("players lost") << 20 << 24 << "4 joueurs perdus !*** ATTENTION ***";
    }

    void registrationChecks()
    {
        QFETCH(int, registered);
        QFETCH(int, seats);
        QFETCH(QString, line);
        TestPlatform p;
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(registered));
        p.write(QStringLiteral("position.tmp"), tournaments::seated(seats));
        Tournament state;
        const Result<QStringList> diagnosed = ::diagnose(state, platform().files, QDateTime());
        const QStringList report = diagnosed.value();
        const Outcome outcome = diagnosed.outcome();
        QVERIFY(outcome.ok());
        QCOMPARE(report.at(report.indexOf(QStringLiteral("Vérification des inscriptions")) + 1), line);
    }

    // Missing files are reported, never a failure.
    void missingFiles()
    {
        TestPlatform p;
        p.write(QStringLiteral("position.tmp"), tournaments::seated(8));
        p.write(QStringLiteral("tour1.tmp"), tournaments::round(2, 1));
        Application app;
        QStringList memo = started(p, app);
        QVERIFY(p.messages.boxes.isEmpty());
        QCOMPARE(memo.mid(memo.indexOf(QStringLiteral("Vérification des inscriptions")) + 1, 3),
                 (QStringList{"Les inscriptions sont absentes.*** ATTENTION ***", "tour n°1 : 8 scores.OK",
                              "Scores vérifiés OK."}));
        QVERIFY(memo.last().endsWith(QStringLiteral("diagnostic terminé.")));

        QVERIFY(QFile::remove(p.path(QStringLiteral("position.tmp"))));
        p.write(QStringLiteral("inscrits.tmp"), tournaments::players(9));
        memo = diagnose(app);
        QCOMPARE(memo.mid(memo.lastIndexOf(QStringLiteral("Vérification des inscriptions")) + 1, 3),
                 (QStringList{"Les positions sont absentes.*** ATTENTION ***", "9 joueurs inscrits.",
                              "tour n°1 : 8 scores. *** ATTENTION ***"}));
        QVERIFY(p.messages.boxes.isEmpty());
    }

    // A cancelled round 2 leaves an empty depl.tmp: no movement for no finished round.
    void roundOneAfterACancellation()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 8, .inProgressLines = 4});
        p.write(QStringLiteral("depl.tmp"), {});
        Tournament state;
        const Result<QStringList> diagnosed = ::diagnose(state, platform().files, QDateTime());
        const QStringList report = diagnosed.value();
        const Outcome outcome = diagnosed.outcome();
        QVERIFY(report.contains(QStringLiteral("tour en cours : 4 scores.")));
        QVERIFY(report.contains(QStringLiteral("nombre de déplacements enregistrés : 0OK")));
    }

    void movementsOutOfStep()
    {
        TestPlatform p;
        tournaments::write(p, {.players = 8, .finishedRounds = 2});
        p.write(QStringLiteral("depl.tmp"), p.read(QStringLiteral("depl.tmp")).mid(0, 7));
        Tournament state;
        const Result<QStringList> diagnosed = ::diagnose(state, platform().files, QDateTime());
        const QStringList report = diagnosed.value();
        const Outcome outcome = diagnosed.outcome();
        QVERIFY(report.contains(QStringLiteral("nombre de déplacements enregistrés : 1 *** ATTENTION ***")));
    }

    // Without a ranking to copy, an earlier classgen.dia stays as it was.
    void classgenNeverEmptied()
    {
        TestPlatform p;
        p.write(QStringLiteral("classgen.dia"), {QStringLiteral("POSITION=SCORE"), QStringLiteral("N1=40")});
        Application app;
        const QStringList memo = started(p, app);
        QVERIFY(!memo.contains(QStringLiteral("Classement général récupéré")));
        QCOMPARE(p.read(QStringLiteral("classgen.dia")), (QStringList{"POSITION=SCORE", "N1=40"}));
    }

    void classgenPositions_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("written");
        QTest::newRow("nord") << "NORD 3"
                              << "N3";
        QTest::newRow("ouest before est") << "OUEST 12"
                                          << "O12";
        QTest::newRow("est") << "EST 1"
                             << "E1";
        QTest::newRow("sud") << "SUD 4"
                             << "S4";
        QTest::newRow("inside a text") << "x NORD 7"
                                       << "N7";
        QTest::newRow("table's own text") << "Nord 3"
                                          << "Nord 3";
        QTest::newRow("header") << "POSITION"
                                << "POSITION";
    }

    void classgenPositions()
    {
        QFETCH(QString, position);
        QFETCH(QString, written);
        QCOMPARE(classgenPosition(position), written);
        RankingTable table({"NOM", "POSITION", "SCORE", "PCN"});
        table.append({"DUPONT Jean ", position, "120", "40"});
        QCOMPARE(classgenLines(table), (QStringList{"POSITION=SCORE", written + "=120"}));
    }
};

QTEST_MAIN(TestDiagnostic)
#include "test_diagnostic.moc"
