#include "rankings/generalrankingwindow.h"
#include "rankings/roomdisplaywindow.h"
#include "rounds/rounds.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>

namespace {

QString text(QWidget &w, const char *label)
{
    return child<QLabel>(w, label)->text();
}

// A column of a view, or its row headers (column -1).
QStringList column(QWidget &w, const char *view, int k)
{
    const QAbstractItemModel *m = child<QTableView>(w, view)->model();
    QStringList texts;
    for (int r = 0; r < m->rowCount(); ++r)
        texts << (k < 0 ? m->headerData(r, Qt::Vertical).toString() : m->index(r, k).data().toString());
    return texts;
}

// The "Prochain tour" page as it is read: down each group of columns NOM, TABLE, PLACE.
QStringList nextPage(QWidget &w)
{
    const QAbstractItemModel *m = child<QTableView>(w, "nextRound")->model();
    QStringList texts;
    for (int g = 0; g < m->columnCount(); g += 4)
        for (int r = 0; r < m->rowCount(); ++r)
            if (const QString name = m->index(r, g).data().toString(); !name.isEmpty())
                texts << name + '|' + m->index(r, g + 1).data().toString() + '|' + m->index(r, g + 2).data().toString();
    return texts;
}

void record(Application &app, int table)
{
    std::array<QString, 4> boxes{"30", "-10", "-10", "-10"};
    QVERIFY(rounds::recordTable(app.state(), rounds::tableEntry(app.state(), table).seated.seatCodes, boxes).ok());
    app.syncMenus();
}

} // namespace

// The room display, driven as the director drives it while the evening goes on behind it.
class TestRoomDisplay : public QObject
{
    Q_OBJECT

private slots:
    void followsTheEvening()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, tournaments::seatedRegister(5));
        arrange(app.state(), [](Tournament::Data &d) {
            d.date = QStringLiteral("08/12/2026");
            d.place = QStringLiteral("Salle des fêtes");
        });
        QVERIFY(!usable(app, "Classements"));
        record(app, 2);
        QVERIFY(usable(app, "Classements"));
        QVERIFY(usable(app, "Affichage en salle"));
        choose(app, "Affichage en salle");
        auto &w = app.window<RoomDisplayWindow>();
        QVERIFY(w.isVisible());
        QVERIFY(!w.isModal());
        QCOMPARE(w.windowFlags() & Qt::WindowType_Mask, Qt::Window);
        QCOMPARE(text(w, "description"), QStringLiteral("Le 08/12/2026 — Salle des fêtes"));
        QCOMPARE(text(w, "progress"), QStringLiteral("Tour 1 : 1 table saisie sur 5"));
        QCOMPARE(text(w, "title"), QStringLiteral("Classement général"));
        QCOMPARE(column(w, "ranking", 0).first(), QStringLiteral("JOUEUR N2 "));

        // A table recorded and an exclusion appear without a touch, ranked as "Général" ranks.
        record(app, 4);
        QVERIFY(app.state().addExclusion(QStringLiteral("N4")).ok());
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "progress"), QStringLiteral("Tour 1 : 2 tables saisies sur 5"), 1000);
        QCOMPARE(column(w, "ranking", 2).last(), QStringLiteral("EXCLU"));
        trigger(app, "Général");
        auto &general = app.window<GeneralRankingWindow>();
        QCOMPARE(column(w, "ranking", 0), column(general, "StringGrid1", 0));
        QCOMPARE(column(w, "ranking", -1), column(general, "StringGrid1", -1));
        QCOMPARE(column(w, "ranking", -1).last(), QString());
        general.hide();

        // T and the button switch the ranking.
        QTest::keyClick(&w, Qt::Key_T);
        QCOMPARE(text(w, "title"), QStringLiteral("Classement du tour 1"));
        QCOMPARE(child<QPushButton>(w, "rankingToggle")->text(), QStringLiteral("Classement général"));
        click(w, "rankingToggle");
        QCOMPARE(text(w, "title"), QStringLiteral("Classement général"));
        QVERIFY(!child<QPushButton>(w, "nextRoundBtn")->isEnabled());

        // F11 toggles full screen, Escape leaves it and keeps the window.
        QTest::keyClick(&w, Qt::Key_F11);
        QVERIFY(w.isFullScreen());
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isFullScreen());
        QVERIFY(w.isVisible());

        // The round complete, the next round's seats come first.
        record(app, 1);
        record(app, 3);
        record(app, 5);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "title"), QStringLiteral("Prochain tour : tour 2"), 1000);
        const QStringList next = nextPage(w);
        QCOMPARE(next.size(), 20);
        QCOMPARE(next.first(), QStringLiteral("JOUEUR E1|3|Est")); // Est moves two tables on
        QVERIFY(next.contains(QStringLiteral("JOUEUR N3|3|Nord")));
        click(w, "rankingToggle");
        QCOMPARE(text(w, "title"), QStringLiteral("Classement du tour 1"));
        QTest::keyClick(&w, Qt::Key_P);
        QCOMPARE(text(w, "title"), QStringLiteral("Prochain tour : tour 2"));

        // Started, the round keeps the page until its first score.
        QVERIFY(rounds::startRound(app.state()).ok());
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "progress"), QStringLiteral("Tour 2 : 0 table saisie sur 5"), 1000);
        QCOMPARE(nextPage(w), next);
        record(app, 1);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "title"), QStringLiteral("Classement du tour 2"), 1000);
    }

    // A room's field on a projector: the ranking, longer than the screen, scrolls; the next
    // round's sixty players stand in columns on one screen.
    void roomOfSixty()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, tournaments::seatedRegister(15, 0, tournaments::Names::Registered));
        trigger(app, "Affichage en salle");
        auto &w = app.window<RoomDisplayWindow>();
        w.resize(1280, 800);
        for (int t = 1; t <= 15; ++t)
            record(app, t);
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "title"), QStringLiteral("Prochain tour : tour 2"), 1000);
        const auto *next = child<QTableView>(w, "nextRound");
        QCOMPARE(nextPage(w).size(), 60);
        QVERIFY(next->model()->columnCount() > 4);
        QCOMPARE(next->verticalScrollBar()->maximum(), 0);

        click(w, "rankingToggle");
        QScrollBar *ranking = child<QTableView>(w, "ranking")->verticalScrollBar();
        QVERIFY(ranking->maximum() > 0);
        QTRY_VERIFY_WITH_TIMEOUT(ranking->value() > 0, 8000); // after a pause at the top
    }
};

QTEST_MAIN(TestRoomDisplay)
#include "test_roomdisplay.moc"
