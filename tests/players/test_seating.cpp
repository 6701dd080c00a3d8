#include "support/driving.h"
#include "support/tournaments.h"

#include "tournament/tournament.h"
#include "players/entries.h"
#include "players/seating.h"
#include "store/takeup.h"

#include <QMap>
#include <QSet>
#include <QTest>

using tournaments::players;

namespace {

QString codeOf(const QString &line)
{
    return line.mid(line.indexOf(QStringLiteral(" = ")) + 3);
}

// The menus the main window shows for this tournament, once started and opened.
MenuState menusOf(Tournament &state)
{
    arrange(state, [&](Tournament::Data &d) { d.started = d.opened = true; });
    return menuStates(state);
}

} // namespace

// The draw of the round-1 seats and its cancel, on the shared state.
class TestSeating : public QObject
{
    Q_OBJECT

private slots:
    void everyRegisterSizeGetsEverySeatOnce_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("threePlayerTables");
        for (int n = 6; n <= 41; ++n) {
            QTest::addRow("%d yes", n) << n << true;
            if (n % 4 != 0)
                QTest::addRow("%d no", n) << n << false;
        }
    }
    void everyRegisterSizeGetsEverySeatOnce()
    {
        QFETCH(int, n);
        QFETCH(bool, threePlayerTables);
        TestPlatform p;
        Tournament state;
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = players(n); });
        QVERIFY(seating::drawSeats(state, threePlayerTables).ok());
        QVERIFY(state.modified());
        const int r = (4 - n % 4) % 4;
        const MenuState menus = menusOf(state);
        QCOMPARE(menus.isEnabled(Cmd::MenuTables), r == 0 || threePlayerTables);
        QVERIFY(!menus.isEnabled(Cmd::MenuClassements)); // no score yet
        QCOMPARE(menus.isVisible(Cmd::CompleterTable), r > 0 && threePlayerTables);
        QCOMPARE(seating::emptyChairsNeeded(n), r);
        if (r > 0) {
            const Prompt question = seating::threePlayerTablesQuestion(r);
            QCOMPARE(question.title, QStringLiteral("Tables incomplètes !"));
            QCOMPARE(question.text, QStringLiteral("Autoriser %1 table(s) à 3 joueurs ?").arg(r));
            QCOMPARE(question.icon, Messages::Icon::Question);
        }
        if (r > 0 && !threePlayerTables) {
            QCOMPARE(state.playerRegisterList(), players(n));
            QVERIFY(!p.exists(QStringLiteral("position.tmp")));
            QVERIFY(menus.isVisible(Cmd::AttribuerPositions));
            QVERIFY(menus.isEnabled(Cmd::Inscription));
            QVERIFY(!menus.isVisible(Cmd::EchangerPositions));
            return;
        }
        const int tables = (n + r) / 4;
        const QStringList &list = state.playerRegisterList();
        QCOMPARE(list.size(), 4 * tables);
        const QStringList original = players(n);
        QSet<QString> codes;
        for (int i = 0; i < list.size(); ++i) {
            const QString &line = list.at(i);
            if (i < r)
                QCOMPARE(line, entries::emptyChair(i + 1));
            else
                QCOMPARE(seating::unseated(line), original.at(i - r)); // the list order is kept
            codes.insert(codeOf(line));
        }
        QCOMPARE(codes.size(), 4 * tables);
        for (int t = 1; t <= tables; ++t)
            for (const char *letter : {"N", "S", "E", "O"})
                QVERIFY(codes.contains(QString::fromLatin1(letter) + QString::number(t)));
        QCOMPARE(p.read(QStringLiteral("position.tmp")), list);
        QVERIFY(!menus.isEnabled(Cmd::Inscription));
        QVERIFY(!menus.isVisible(Cmd::AttribuerPositions));
        QVERIFY(menus.isVisible(Cmd::AnnulerAttribution));
        QVERIFY(menus.isVisible(Cmd::EchangerPositions));
    }

    void tooFewPlayersForTheTablesIsRefused()
    {
        for (int n : {0, 1, 2, 5}) {
            TestPlatform p;
            Tournament state;
            arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = players(n); });
            QVERIFY(!seating::refusalOfDraw(n).isEmpty());
            QVERIFY(seating::drawSeats(state, true).ok());
            QCOMPARE(state.playerRegisterList(), players(n));
            QVERIFY(!p.exists(QStringLiteral("position.tmp")));
        }
        TestPlatform p; // three players make one three-player table
        Tournament state;
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = players(3); });
        QVERIFY(seating::drawSeats(state, true).ok());
        QCOMPARE(state.playerRegisterList().first(), entries::emptyChair(1));
        QCOMPARE(state.playerRegisterList().size(), 4);
    }

    void seedsGiveDifferentDraws()
    {
        QList<QStringList> draws;
        for (unsigned seed : {1u, 2u}) {
            TestPlatform p;
            p.random.reseed(seed);
            Tournament state;
            arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = players(24); });
            QVERIFY(seating::drawSeats(state, true).ok());
            draws << state.playerRegisterList();
        }
        QVERIFY(draws[0] != draws[1]);
    }

    // Players registered next to each other (a family, a club) must meet no more often than
    // chance: with 16 players, two given players share a table 3 times in 15.
    void neighboursInTheListMeetByChanceOnly()
    {
        TestPlatform p;
        int together = 0, pairs = 0;
        for (int run = 0; run < 400; ++run) {
            QStringList list = players(16);
            seating::draw(list, p.random);
            for (int i = 0; i + 1 < list.size(); ++i, ++pairs)
                together += codeOf(list[i]).mid(1) == codeOf(list[i + 1]).mid(1);
        }
        const double share = double(together) / pairs;
        QVERIFY2(share > 0.17 && share < 0.23, qPrintable(QString::number(share)));
    }

    void cancelGivesBackThePlayersWithoutChairs()
    {
        TestPlatform p;
        Tournament state;
        arrange(state, [&](Tournament::Data &d) {
            d.playerRegisterList = players(6);
            d.playerRegisterList[2] = QStringLiteral("MARTIN "); // a player with no first name
        });
        const QStringList before = state.playerRegisterList();
        QVERIFY(seating::drawSeats(state, true).ok());
        const QStringList firstDraw = state.playerRegisterList();
        QCOMPARE(p.read(QStringLiteral("position.tmp")).size(), 8);

        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        QVERIFY(seating::cancelDraw(state, false).ok());
        QVERIFY(state.modified()); // set as the command starts
        QCOMPARE(state.playerRegisterList(), firstDraw);
        const Prompt question = seating::cancelQuestion();
        QCOMPARE(question.title, QStringLiteral("Annuler l'attribution des places"));
        QCOMPARE(question.text, QStringLiteral("En êtes-vous sûr ?"));
        QCOMPARE(question.icon, Messages::Icon::Warning);
        QCOMPARE(question.buttons, Messages::Yes | Messages::No | Messages::NoByDefault);

        QVERIFY(seating::cancelDraw(state, true).ok());
        QCOMPARE(state.playerRegisterList(), before);
        QCOMPARE(p.read(QStringLiteral("position.tmp")), before);
        const MenuState menus = menusOf(state);
        QVERIFY(menus.isEnabled(Cmd::Inscription));
        QVERIFY(menus.isVisible(Cmd::AttribuerPositions));
        QVERIFY(menus.isEnabled(Cmd::AttribuerPositions));
        QVERIFY(!menus.isVisible(Cmd::AnnulerAttribution));
        QVERIFY(!menus.isVisible(Cmd::EchangerPositions));
        QVERIFY(!menus.isVisible(Cmd::CompleterTable));

        QVERIFY(seating::drawSeats(state, true).ok());
        QVERIFY(state.playerRegisterList() != firstDraw); // a new draw
        QCOMPARE(state.playerRegisterList().size(), 8);
    }

    void cancelRefusedOnceSomethingIsRecorded_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("line");
        QTest::newRow("a table scored, the dialog closed") << "tour.tmp"
                                                           << "N1=20";
        QTest::newRow("a penalty") << "penal.tmp"
                                   << "S2=-150";
        QTest::newRow("an exclusion") << "exclu.tmp"
                                      << "E1";
    }

    // Those lines are keyed by seat code: after a new draw they would belong to other players.
    void cancelRefusedOnceSomethingIsRecorded()
    {
        QFETCH(QString, file);
        QFETCH(QString, line);
        TestPlatform p;
        Tournament state;
        arrange(state, [&](Tournament::Data &d) { d.playerRegisterList = players(8); });
        QVERIFY(seating::drawSeats(state, true).ok());
        p.write(file, {line});
        if (file == QLatin1String("tour.tmp"))
            arrange(state, [&](Tournament::Data &d) { d.scoreList = {line}; });
        const QStringList seated = state.playerRegisterList();
        const QMap<QString, QByteArray> before = tournaments::snapshot(p);
        arrange(state, [&](Tournament::Data &d) { d.modified = false; });
        p.messages.clear();

        const Result<QString> refusal = seating::refusalOfCancel(state);
        QVERIFY(refusal.outcome().ok());
        QVERIFY(refusal.value().contains(QStringLiteral("ne peut plus être annulée")));
        QCOMPARE(state.playerRegisterList(), seated);
        QVERIFY(menusOf(state).isVisible(Cmd::AnnulerAttribution));
        QVERIFY(!state.modified());
        QCOMPARE(tournaments::snapshot(p), before);
    }

    void theMenusFollowTheDrawAndItsCancel()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, numberedPlayers(10));
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Tables"))->isEnabled());
        // No three-player tables: nothing drawn, the menus as they were.
        p.messages.answers = {Messages::No};
        choose(app, "&Attribuer les positions");
        QVERIFY(usable(app, "&Attribuer les positions"));
        QVERIFY(!shown(app, "Compléter une table"));
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Tables"))->isEnabled());
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Classements"))->isEnabled());
        QVERIFY(!shown(app, "Echanger les positions"));

        p.messages.answers = {Messages::Yes};
        choose(app, "&Attribuer les positions");
        QCOMPARE(p.read(QStringLiteral("position.tmp")).size(), 12);
        QVERIFY(!usable(app, "&Inscription"));
        QVERIFY(!shown(app, "&Attribuer les positions"));
        QVERIFY(usable(app, "&Annuler l'attribution"));
        QVERIFY(usable(app, "Echanger les positions"));

        arrange(app.state(), [&](Tournament::Data &d) { d.modified = false; });
        p.messages.answers = {Messages::Yes};
        choose(app, "&Annuler l'attribution");
        QVERIFY(app.state().modified());
        QCOMPARE(p.read(QStringLiteral("position.tmp")), p.read(QStringLiteral("inscrits.tmp")));
        QVERIFY(usable(app, "&Inscription"));
        QVERIFY(usable(app, "&Attribuer les positions"));
        QVERIFY(!shown(app, "&Annuler l'attribution"));
        QVERIFY(!shown(app, "Echanger les positions"));

        // Once a penalty is recorded on the seats, the cancel is refused and changes nothing.
        choose(app, "&Attribuer les positions");
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("S2=-150")});
        const QStringList seated = p.read(QStringLiteral("position.tmp"));
        p.messages.clear();
        choose(app, "&Annuler l'attribution");
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Impossible"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(p.read(QStringLiteral("position.tmp")), seated);
    }
};

QTEST_MAIN(TestSeating)
#include "test_seating.moc"
