#include "live/tablecodesheet.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "rounds/rounds.h"
#include "store/tournamentfile.h"
#include "support/testing.h"
#include "support/tournaments.h"

#include <QTest>

namespace {

const QString longName = QStringLiteral("DE LA TOUR D'AUVERGNE-LAURAGUAIS Marie-Thérèse Gabrielle");

// Prints the round's slips and checks that each table's number, round, code and seats are on the
// page its rank gives, eight slips to an A4 page, each slip's texts inside its column.
void printsEverySlip(Tournament &state, RecordingCanvas &canvas)
{
    const Result<QStringList> codes = tableentry::codesOfRound(state);
    QVERIFY(codes.ok());
    const int tables = state.tableCount();
    QCOMPARE(codes.value().size(), tables);
    QVERIFY(printTableCodes(canvas, PrintFont{}, state, codes.value()));
    QCOMPARE(canvas.pages(), (tables + 7) / 8);
    for (int t = 1; t <= tables; ++t) {
        QStringList expected{QStringLiteral("Table %1").arg(t), QStringLiteral("Tour %1").arg(state.currentRound())};
        QStringList characters;
        for (const QChar c : codes.value()[t - 1])
            characters << QString(c);
        expected << characters.join(QLatin1Char(' '));
        const rounds::TableEntry entry = rounds::tableEntry(state, t);
        for (size_t i = 0; i < 4; ++i)
            expected << QStringLiteral("%1 : %2").arg(seatName(QChar(seatLetters[i])),
                                                      entry.emptyChairs[i] ? QStringLiteral("chaise vide")
                                                                           : entry.names[i].trimmed());
        const int page = (t + 7) / 8;
        QStringList drawn;
        for (const RecordingCanvas::Op &op : canvas.textsOnPage(page))
            drawn << op.text;
        for (const QString &text : expected)
            QVERIFY2(drawn.contains(text), qPrintable(QStringLiteral("page %1: %2").arg(page).arg(text)));
    }
    QCOMPARE(canvas.find(QStringLiteral("Codes des tables")).page, 1);
    QCOMPARE(canvas.crowding(10, canvas.width - 20), QString());
    const int middle = 10 + (canvas.width - 30) / 2;
    for (const RecordingCanvas::Op &op : canvas.texts())
        if (op.x < middle && op.text != QLatin1String("Codes des tables"))
            QVERIFY2(op.x + op.text.size() * op.size * 5 <= middle, qPrintable(op.text));
}

} // namespace

// "Codes des tables": the slips laid on the tables of the round in progress.
class TestTableCodeSheet : public QObject
{
    Q_OBJECT

private slots:
    // The example's round, a long name among its players: set smaller than the others, whole.
    void theExamplesRound()
    {
        TestPlatform p;
        Tournament state;
        QVERIFY(openTournament(state, platform().files, QStringLiteral(EXAMPLE_FILE)).outcome.ok());
        arrange(state, [](Tournament::Data &d) {
            for (QString &line : d.playerRegisterList)
                if (line.endsWith(QLatin1String(" = N2")))
                    line = longName + QStringLiteral(" = N2");
        });
        RecordingCanvas canvas;
        printsEverySlip(state, canvas);
        if (QTest::currentTestFailed())
            return;
        int longSize = 0, seatSize = 0;
        for (const RecordingCanvas::Op &op : canvas.texts()) {
            if (op.text.endsWith(longName))
                longSize = op.size;
            else if (op.text.startsWith(QStringLiteral("Sud : ")))
                seatSize = qMax(seatSize, op.size);
        }
        QVERIFY(longSize > 0 && longSize < seatSize);

        canvas.refuse = true;
        QVERIFY(!printTableCodes(canvas, PrintFont{}, state, tableentry::codesOfRound(state).value()));
    }

    // Seventeen tables, two with an empty chair: three pages.
    void pagesAndEmptyChairs()
    {
        TestPlatform p;
        Tournament state;
        tournaments::seat(p, state, tournaments::seatedRegister(17, 2));
        RecordingCanvas canvas;
        printsEverySlip(state, canvas);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(canvas.pages(), 3);
        QVERIFY(canvas.find(QStringLiteral("Nord : chaise vide")).page == 1);
    }
};

QTEST_MAIN(TestTableCodeSheet)
#include "test_tablecodesheet.moc"
