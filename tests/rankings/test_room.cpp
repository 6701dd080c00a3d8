#include "rankings/room.h"
#include "rounds/rounds.h"
#include "support/tournaments.h"

#include <QTest>

namespace {

Tournament seated(const TestPlatform &p, int tables, int chairs = 0)
{
    Tournament state;
    tournaments::seat(p, state, tournaments::seatedRegister(tables, chairs));
    return state;
}

void record(Tournament &state, int table)
{
    std::array<QString, 4> boxes{"10", "-10", "0", "0"};
    QVERIFY(rounds::recordTable(state, rounds::tableEntry(state, table).seated.seatCodes, boxes).ok());
}

void playRound(Tournament &state)
{
    for (int t = 1; t <= state.tableCount(); ++t)
        record(state, t);
}

QStringList shown(const QList<room::Place> &places)
{
    QStringList texts;
    for (const room::Place &place : places)
        texts << QStringLiteral("%1|%2|%3").arg(place.name).arg(place.table).arg(place.seat);
    return texts;
}

} // namespace

// The room display's rules: its header, and the next round's seats.
class TestRoom : public QObject
{
    Q_OBJECT

private slots:
    // The header counts the tables entered; the next round is shown between rounds only, up to
    // the last planned one.
    void progressAndNextRound()
    {
        TestPlatform p;
        Tournament state = seated(p, 4);
        arrange(state, [](Tournament::Data &d) { d.movement.plannedRounds = 2; });
        QCOMPARE(room::progressText(state), QStringLiteral("Tour 1 : 0 table saisie sur 4"));
        QCOMPARE(room::nextRound(state), 1);
        record(state, 3);
        QCOMPARE(room::progressText(state), QStringLiteral("Tour 1 : 1 table saisie sur 4"));
        QCOMPARE(room::nextRound(state), 0);
        record(state, 1);
        record(state, 2);
        QCOMPARE(room::nextRound(state), 0);
        record(state, 4);
        QCOMPARE(room::progressText(state), QStringLiteral("Tour 1 : 4 tables saisies sur 4"));
        QCOMPARE(room::nextRound(state), 2);
        QVERIFY(rounds::startRound(state).ok());
        QCOMPARE(room::progressText(state), QStringLiteral("Tour 2 : 0 table saisie sur 4"));
        QCOMPARE(room::nextRound(state), 2);
        playRound(state);
        QCOMPARE(room::nextRound(state), 0); // the last planned round is over

        Tournament none;
        QCOMPARE(room::progressText(none), QString());
        QCOMPARE(room::nextRound(none), 0);
    }

    // Every player in register order, the empty chairs left out, at the table and seat score
    // entry gives him.
    void placesAsScoreEntrySeats()
    {
        TestPlatform p;
        Tournament state = seated(p, 5, 1);
        arrange(state, [](Tournament::Data &d) {
            d.movement.fft = false;
            d.movement.nord = 1;
        });
        const QStringList round1 = shown(room::placesInRound(state, 1));
        QCOMPARE(round1.size(), 19);
        QCOMPARE(round1.first(), QStringLiteral("JOUEUR E1|1|Est"));
        QVERIFY(!round1.join(' ').contains(QStringLiteral("CHAISE")));
        playRound(state);
        // Nord and Sud move one table on, Ouest two back.
        const QStringList round2 = shown(room::placesInRound(state, 2));
        QVERIFY(round2.contains(QStringLiteral("JOUEUR N5|1|Nord")));
        QVERIFY(round2.contains(QStringLiteral("JOUEUR S1|2|Sud")));
        QVERIFY(round2.contains(QStringLiteral("JOUEUR O3|1|Ouest")));
    }

    // The seats foreseen once a round is complete are those its start records, at the special
    // table counts whose automatic values change from round to round, and in the small-field
    // schedule.
    void foreseenSeatsAreThoseRecorded_data()
    {
        QTest::addColumn<int>("tables");
        QTest::addColumn<int>("chairs");
        QTest::newRow("6 tables, automatic") << 6 << 0;
        QTest::newRow("8 tables, automatic") << 8 << 2;
        QTest::newRow("3 tables, schedule") << 3 << 1;
    }
    void foreseenSeatsAreThoseRecorded()
    {
        QFETCH(int, tables);
        QFETCH(int, chairs);
        TestPlatform p;
        Tournament state = seated(p, tables, chairs);
        arrange(state, [](Tournament::Data &d) { d.movement.plannedRounds = 7; });
        for (int round = 1; round < 7; ++round) {
            playRound(state);
            QCOMPARE(room::nextRound(state), round + 1);
            const QStringList foreseen = shown(room::placesInRound(state, round + 1));
            QVERIFY(rounds::startRound(state).ok());
            QCOMPARE(shown(room::placesInRound(state, round + 1)), foreseen);
        }
    }
};

QTEST_MAIN(TestRoom)
#include "test_room.moc"
