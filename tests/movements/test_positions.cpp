#include "movements/meetings.h"
#include "movements/positions.h"
#include "players/entries.h"
#include "support/tournaments.h"

#include <QTest>

#include <set>

using tournaments::seatedState;

namespace {

// Records round after round what starting it records, as score entry does; counts the rounds
// after which the automatic movements change again.
int startRounds(Tournament &state, int upTo)
{
    int changes = 0;
    for (int r = state.currentRound() + 1; r <= upTo; ++r) {
        const RoundMovements movements = startRoundMovements(state, r);
        arrange(state, [&](Tournament::Data &d) { d.movementList << movements.lines; });
        changes += movements.changeNext;
        arrange(state, [&](Tournament::Data &d) { d.currentRound = r; });
    }
    return changes;
}

using Codes = std::array<QString, 4>;

} // namespace

class TestPositions : public QObject
{
    Q_OBJECT

private slots:
    void wrapAndTotalise()
    {
        QCOMPARE(wrapTable(6, 5), 1);
        QCOMPARE(wrapTable(0, 5), 5);
        QCOMPARE(wrapTable(-9, 5), 1);
        QCOMPARE(wrapTable(2'000'000'001, 3), 3);
        QCOMPARE(wrapTable(-2'000'000'000, 3), 1);

        const QStringList lines = {"N2=0",  "E2=2",  "O2=-2", "S2=1", "N3=0", "E3=3",          "O3=-1",
                                   "S3=+1", "E10=4", "Ebad",  "X2=7", "E=1",  "E4=2000000000", "E5=99999999999"};
        QCOMPARE(seatDisplacement(lines, 'E', 1), 1); // "E=1" has round 0, so it always counts
        QCOMPARE(seatDisplacement(lines, 'E', 2), 3);
        QCOMPARE(seatDisplacement(lines, 'E', 3), 6);
        QCOMPARE(seatDisplacement(lines, 'E', 9), 2'000'000'006LL); // a value beyond 32 bits counts as 0
        QCOMPARE(seatDisplacement(lines, 'E', 10), 2'000'000'010LL);
        QCOMPARE(seatDisplacement(lines, 'O', 3), -3);
        QCOMPARE(seatDisplacement(lines, 'S', 3), 2);
        QCOMPARE(seatDisplacement({}, 'N', 5), 0);
    }

    void shiftRuleAndForecast()
    {
        Tournament state = seatedState(5);
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        QCOMPARE(tableInRound(state, 3, 1).seatCodes, (Codes{"N3", "S3", "E3", "O3"}));

        arrange(state, [&](Tournament::Data &d) { d.movementList = {"N2=0", "E2=2", "O2=-2", "S2=1"}; });
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 2; });
        const SeatedTable t1 = tableInRound(state, 1, 2);
        QCOMPARE(t1.seatCodes, (Codes{"N1", "S5", "E4", "O3"}));
        QCOMPARE(t1.shown, (Codes{"1", "5", "4", "3"}));
        QVERIFY(!t1.smallField);

        // Round 3 not started: forecast one round of the current settings on top of round 2.
        QCOMPARE(tableInRound(state, 1, 3).seatCodes[3], QStringLiteral("O5"));
        arrange(state, [&](Tournament::Data &d) { d.movement.est = 4; });
        QCOMPARE(tableInRound(state, 1, 4).seatCodes[2], QStringLiteral("E1")); // 1 - 2 - 2 × 4 = -9
        QCOMPARE(tableInRound(state, 1, 2).seatCodes[2], QStringLiteral("E4")); // recorded rounds ignore it

        // A hand-edited huge value neither hangs nor overflows.
        arrange(state, [&](Tournament::Data &d) { d.movementList = {"E2=2000000000"}; });
        QCOMPARE(tableInRound(state, 1, 2).seatCodes[2], QStringLiteral("E1"));

        QCOMPARE(tableInRound(state, 6, 2).seatCodes[0], QString());
        QCOMPARE(tableInRound(state, 0, 2).seatCodes[0], QString());
    }

    void threeTablesWrapSeveralTimes()
    {
        Tournament state = seatedState(3);
        arrange(state, [&](Tournament::Data &d) { d.movement.fft = false; });
        startRounds(state, 4);
        for (int t = 1; t <= 3; ++t)
            QCOMPARE(tableInRound(state, t, 4).seatCodes[2], QStringLiteral("E%1").arg(t));
        QCOMPARE(tableInRound(state, 1, 2).seatCodes, (Codes{"N1", "S3", "E2", "O3"}));
    }

    void automaticValuesAndWarnings()
    {
        TestPlatform p;
        Tournament state = seatedState(6);
        QCOMPARE(startRounds(state, 2), 1);
        QCOMPARE(movementChangeNotice().text, QStringLiteral("Au prochain tour, le déplacement change."));
        QCOMPARE(movementChangeNotice().title, QStringLiteral("Mouvements spéciaux"));
        QCOMPARE(movementChangeNotice().icon, Messages::Icon::Information);
        QCOMPARE(startRounds(state, 5), 1);
        QCOMPARE(state.movementList().mid(4, 4), (QStringList{"N3=0", "E3=3", "O3=-1", "S3=1"}));
        QCOMPARE(state.movementList().mid(8, 4), (QStringList{"N4=0", "E4=2", "O4=-2", "S4=1"}));
        QCOMPARE(state.movementList().mid(12, 4), (QStringList{"N5=0", "E5=2", "O5=-1", "S5=1"}));

        // Not special: the base values every round, never a warning; FFT off: the settings as they are.
        p.messages.clear();
        Tournament seven = seatedState(7);
        startRounds(seven, 9);
        QVERIFY(p.messages.boxes.isEmpty());
        QCOMPARE(seven.movementList().mid(28, 4), (QStringList{"N9=0", "E9=2", "O9=-2", "S9=1"}));
        Tournament manual = seatedState(6);
        arrange(manual, [&](Tournament::Data &d) {
            setAutomaticFft(d.movement, false);
            d.movement.nord = 3;
        });
        startRounds(manual, 3);
        QVERIFY(p.messages.boxes.isEmpty());
        QCOMPARE(manual.movementList().mid(4, 4), (QStringList{"N3=3", "E3=2", "O3=-2", "S3=1"}));
    }

    void warningExactlyBeforeAnOverride()
    {
        const std::set<std::pair<int, int>> warned = {{6, 2},  {6, 3},  {8, 4},  {8, 5},  {9, 3},  {9, 4}, {10, 5},
                                                      {12, 3}, {14, 4}, {16, 4}, {16, 5}, {18, 5}, {20, 5}};
        for (int t = 1; t <= 30; ++t)
            for (int r = 2; r <= 12; ++r) {
                MovementSettings s;
                QCOMPARE(automaticMovements(s, t, r), warned.count({t, r}) == 1);
                QVERIFY(s.value('E') >= -3 && s.value('E') <= 4 && s.value('O') >= -3 && s.value('S') <= 4);
            }
        MovementSettings s;
        automaticMovements(s, 8, 5);
        QCOMPARE((std::array{s.nord, s.est, s.ouest, s.sud}), (std::array{0, 4, -1, 2}));
        automaticMovements(s, 8, 7);
        QCOMPARE((std::array{s.nord, s.est, s.ouest, s.sud}), (std::array{0, 2, -1, 1}));
    }

    void optionInterplay()
    {
        MovementSettings s;
        setAutomaticFft(s, false);
        s.est = 4;
        QVERIFY(!valuesLocked(s));
        setByRanking(s, true);
        QVERIFY(!s.fft && s.byRanking && valuesLocked(s));
        QCOMPARE(s.est, 4);
        setAutomaticFft(s, true);
        QVERIFY(s.fft && !s.byRanking);
        QCOMPARE((std::array{s.nord, s.est, s.ouest, s.sud}), (std::array{0, 2, -2, 1}));
    }

    void closedFormWorkedCases()
    {
        MovementSettings fft;
        QList<qint64> e1, o9, e1at8;
        for (int r = 1; r <= 6; ++r) {
            e1 << position(fft, "E1", r, 6);
            o9 << position(fft, "O9", r, 9);
            e1at8 << position(fft, "E1", r, 8);
        }
        QCOMPARE(e1.mid(0, 5), (QList<qint64>{1, 3, 6, 2, 4}));
        QCOMPARE(o9.mid(0, 5), (QList<qint64>{9, 8, 7, 4, 1}));
        QCOMPARE(e1at8, (QList<qint64>{1, 3, 5, 7, 3, 7}));

        // Whatever automaticMovements last left in the settings, the FFT plan uses the FFT values.
        automaticMovements(fft, 6, 3);
        QCOMPARE(position(fft, "E1", 5, 6), 4);

        MovementSettings manual;
        setAutomaticFft(manual, false);
        manual.est = -3;
        QCOMPARE(position(manual, "E1", 3, 6), 1); // 1 - 6, no corrections without the FFT option
        QCOMPARE(position(manual, "O2", 3, 5), 3);
        QCOMPARE(position(manual, "CHAISE", 3, 5), 0);
    }

    // The printed plan and the recorded movements must put every player at the same table.
    void closedFormAgreesWithRecordedMovements()
    {
        TestPlatform p;
        for (int t : {6, 8, 9, 10, 12, 14, 16, 18, 20, 5, 7}) {
            Tournament state = seatedState(t);
            startRounds(state, 10);
            for (int r = 2; r <= 10; ++r)
                for (int table = 1; table <= t; ++table) {
                    const SeatedTable seated = tableInRound(state, table, r);
                    for (const QString &code : seated.seatCodes)
                        QVERIFY2(position(state.movement(), code, r, t) == table,
                                 qPrintable(QStringLiteral("%1 tables, round %2, %3").arg(t).arg(r).arg(code)));
                }
        }
    }

    void smallFieldSchedules()
    {
        QCOMPARE(smallFieldSeat(4, 1, 5), (std::array{1, 5, 9, 13}));
        QCOMPARE(smallFieldSeat(3, 2, 2), (std::array{5, 2, 11, 12}));
        QCOMPARE(smallFieldSeat(3, 4, 2), (std::array{0, 0, 0, 0}));
        QCOMPARE(troisquatreCell(3, 2, 2), QStringLiteral("2 Sud"));
        QCOMPARE(troisquatreCell(4, 5, 2), QStringLiteral("4 Ouest"));
        QCOMPARE(troisquatreCell(3, 13, 2), QString()); // off the 3-table schedule
        QCOMPARE(troisquatreCell(4, 17, 1), QString());
        // After round 6 the cycle of rounds 2 to 6 goes on.
        QCOMPARE(scheduleRow(4, 7), scheduleRow(4, 2));
        QCOMPARE(scheduleRow(3, 11), scheduleRow(3, 6));
        QCOMPARE(scheduleRow(3, 12), scheduleRow(3, 2));

        for (int tables : {3, 4})
            for (int r = 1; r <= 10; ++r) {
                std::set<int> seen;
                for (int table = 1; table <= tables; ++table)
                    for (int k : smallFieldSeat(tables, table, r))
                        seen.insert(k);
                QCOMPARE(int(seen.size()), 4 * tables);
                QCOMPARE(*seen.begin(), 1);
                QCOMPARE(*seen.rbegin(), 4 * tables);
                for (int k = 1; k <= 4 * tables; ++k)
                    QVERIFY(!troisquatreCell(tables, k, r).isEmpty());
            }
    }

    void smallFieldModeAndItsOccupants()
    {
        Tournament four = seatedState(4, 1);
        QVERIFY(smallFieldMode(four));
        const SeatedTable t1 = tableInRound(four, 1, 5);
        QVERIFY(t1.smallField);
        QCOMPARE(t1.seatCodes, (Codes{"N1", "N2", "N3", "N4"}));
        QCOMPARE(t1.shown, (Codes{"1", "5", "9", "13"}));
        QCOMPARE(viewLabels(t1), (Codes{"n° 1", "n° 5", "n° 9", "n° 13"}));
        QCOMPARE(tableInRound(four, 4, 8).shown, (Codes{"10", "16", "3", "5"})); // round 8 plays round 3's row

        // Two empty chairs would sit together, one or two tables have no schedule, FFT off has none.
        QVERIFY(!smallFieldMode(seatedState(3, 2)));
        QVERIFY(!smallFieldMode(seatedState(2)));
        QVERIFY(!smallFieldMode(seatedState(5)));
        Tournament unseated;
        arrange(unseated,
                [&](Tournament::Data &d) { d.playerRegisterList = QStringList(14, QStringLiteral("JOUEUR")); });
        QVERIFY(!smallFieldMode(unseated)); // 4 tables short of two players
        arrange(unseated, [&](Tournament::Data &d) { d.playerRegisterList << QStringLiteral("DERNIER"); });
        QVERIFY(smallFieldMode(unseated));
        arrange(four, [&](Tournament::Data &d) { d.movement.fft = false; });
        QVERIFY(!smallFieldMode(four));
        QCOMPARE(viewLabels(tableInRound(four, 2, 1)), (Codes{"Nord 2", "Sud 2", "Est 2", "Ouest 2"}));
    }

    // A player's place is the table whose seats name him: recorded movements, huge ones, rounds
    // foreseen, one table, the small-field schedules; a code no table names has none.
    void placeReadsTheTablesBackwards()
    {
        Tournament shifted = seatedState(7);
        startRounds(shifted, 3);
        arrange(shifted, [](Tournament::Data &d) { d.movementList << "E3=2000000000"; });
        const auto check = [](const Tournament &state) {
            for (int r = 1; r <= 8; ++r) {
                const RoundSeating seating(state, r);
                for (qint64 t = 1; t <= state.tableCount(); ++t) {
                    const SeatedTable seated = seating.table(t);
                    for (size_t i = 0; i < 4; ++i) {
                        const TableSeat place = seating.place(seated.seatCodes[i]);
                        QCOMPARE(place.table, t);
                        QCOMPARE(place.seat, QLatin1Char(seatLetters[i]));
                    }
                }
                const QString beyond = QStringLiteral("N%1").arg(state.tableCount() + 1);
                for (const QString &code : {QString(), QStringLiteral("N0"), QStringLiteral("N01"),
                                            QStringLiteral("X1"), QStringLiteral("n1"), QStringLiteral("N 1"), beyond})
                    QCOMPARE(seating.place(code).table, 0);
            }
        };
        check(shifted);
        check(seatedState(1));
        check(seatedState(3));
        check(seatedState(4, 1));
    }

    // Against round-by-round moves, or the schedule read table by table as the positions view
    // reads it, and a pair-by-pair count, at every table count from 2 to 40, empty chair or not.
    void repeatMeetingsAgreeWithBruteForce()
    {
        MovementSettings fft, shift, still;
        shift.fft = false; // 0, 2, -2, 1
        still.fft = false;
        still.est = still.ouest = still.sud = 0; // nobody moves: every table meets every round
        for (const MovementSettings &settings : {fft, shift, still})
            for (qint64 tables = 2; tables <= 40; ++tables)
                for (const int chairs : {0, 1})
                    for (const int rounds : {5, 7}) {
                        const QStringList seated = tournaments::seatedRegister(int(tables), chairs);
                        QStringList codes = tournaments::seatCodesInTableOrder(int(tables));
                        if (chairs == 1)
                            codes.removeOne(QStringLiteral("N1")); // the empty chair
                        const bool schedule = settings.fft && (tables == 3 || tables == 4);
                        QList<QList<qint64>> tableOf; // of each player, from round 1
                        for (const QString &code : codes) {
                            QList<qint64> at = {code.mid(1).toLongLong()};
                            for (int r = 2; r <= rounds; ++r) {
                                MovementSettings values = settings;
                                if (values.fft)
                                    automaticMovements(values, tables, r);
                                at << wrapTable(at.last() + values.value(code.front()), tables);
                            }
                            tableOf << at;
                        }
                        for (qint64 t = 1; schedule && t <= tables; ++t)
                            for (int r = 1; r <= rounds; ++r)
                                for (const int k : smallFieldSeat(tables, t, r))
                                    if (const qsizetype i = codes.indexOf(entries::seatCodeOfPlayer(k)); i >= 0)
                                        tableOf[i][r - 1] = t;
                        QList<RepeatMeeting> expected;
                        for (qsizetype a = 0; a < codes.size(); ++a)
                            for (qsizetype b = a + 1; b < codes.size(); ++b) {
                                QList<int> shared;
                                for (int r = 1; r <= rounds; ++r)
                                    if (tableOf[a][r - 1] == tableOf[b][r - 1])
                                        shared << r;
                                if (shared.size() > 1)
                                    expected.append({codes[a], codes[b], shared});
                            }
                        const QList<RepeatMeeting> found = repeatMeetings(settings, seated, tables, rounds);
                        QCOMPARE(found.size(), expected.size());
                        for (qsizetype k = 0; k < found.size(); ++k) {
                            QCOMPARE(found[k].first, expected[k].first);
                            QCOMPARE(found[k].second, expected[k].second);
                            QCOMPARE(found[k].rounds, expected[k].rounds);
                        }
                        if (!settings.fft && settings.est == 0 && chairs == 0)
                            QCOMPARE(found.size(), 6 * tables); // each table's six pairs, every round
                    }
    }

    // What the director reads, and the values offered instead.
    void repeatMeetingsTextAndAvoidingValues()
    {
        MovementSettings fft, shift;
        shift.fft = false;
        // 13 players at 4 tables: no schedule with three empty chairs, Est and Ouest stay together.
        const QStringList thirteen = tournaments::seated(13);
        QCOMPARE(repeatMeetingsNotice(fft, thirteen, 4),
                 QStringLiteral("Avec ces déplacements, 13 joueurs se rencontrent plus d'une fois, jusqu'à 5 fois "
                                "(par exemple Est 1 et Ouest 1, tours 1, 2, 3, 4 et 5)."));
        // The schedule of 4 tables keeps everybody apart up to round 5; round 6 seats round 1 again.
        const QStringList fifteen = tournaments::seatedRegister(4, 1);
        QCOMPARE(repeatMeetingsNotice(fft, fifteen, 4), QString());
        MovementSettings six = fft;
        six.plannedRounds = 6;
        QCOMPARE(repeatMeetingsNotice(six, fifteen, 4),
                 QStringLiteral("Avec ces déplacements, 15 joueurs se rencontrent deux fois (tours 1 et 6)."));
        // At 3 tables nobody can meet 11 others in 4 rounds of 3.
        QCOMPARE(repeatMeetingsNotice(fft, tournaments::seatedRegister(3), 3),
                 QStringLiteral("Avec ces déplacements, 12 joueurs se rencontrent plus d'une fois, jusqu'à 3 fois "
                                "(par exemple n° 2 et n° 12, tours 2, 3 et 4)."));
        // At 8 tables the special values bring different pairs together in different rounds.
        QCOMPARE(repeatMeetingsNotice(fft, tournaments::seatedRegister(8), 8),
                 QStringLiteral("Avec ces déplacements, 24 joueurs se rencontrent deux fois (par exemple Nord 1 et "
                                "Est 7, tours 2 et 5)."));
        QCOMPARE(repeatMeetingsNotice(fft, tournaments::seatedRegister(1), 1), QString()); // nothing to move

        // The nearest values, as a plain search over every candidate finds them.
        for (const int tables : {2, 3, 4, 5, 6, 7, 8, 9, 14}) {
            const QStringList seated = tournaments::seated(4 * tables - tables % 3);
            std::optional<MovementSettings> nearest;
            for (int distance = 0; distance <= 24 && !nearest; ++distance)
                for (int e = -4; e <= 4 && !nearest; ++e)
                    for (int o = -4; o <= 4 && !nearest; ++o)
                        for (int s = -4; s <= 4 && !nearest; ++s) {
                            MovementSettings v = shift;
                            std::tie(v.est, v.ouest, v.sud) = std::tuple(e, o, s);
                            if (std::abs(e - 2) + std::abs(o + 2) + std::abs(s - 1) == distance &&
                                repeatMeetings(v, seated, tables, 5).isEmpty())
                                nearest = v;
                        }
            QCOMPARE(valuesAvoidingRepeats(fft, seated, tables, 5), nearest);
        }
        // At 14 tables the special values of round 5 bring Est and Ouest together again; the
        // values of the other rounds, kept, do not.
        const std::optional<MovementSettings> better =
            valuesAvoidingRepeats(fft, tournaments::seatedRegister(14), 14, 5);
        QCOMPARE(repeatMeetingsNotice(fft, tournaments::seatedRegister(14), 14),
                 QStringLiteral("Avec ces déplacements, 28 joueurs se rencontrent deux fois (tours 1 et 5)."));
        QVERIFY(better && *better == shift);
    }
};

QTEST_MAIN(TestPositions)
#include "test_positions.moc"
