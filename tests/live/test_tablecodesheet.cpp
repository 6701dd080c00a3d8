#include "live/tablecodesheet.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "rounds/rounds.h"
#include "store/tournamentfile.h"
#include "support/testing.h"
#include "support/tournaments.h"

#include <QTest>

namespace {

// Prints the round's slips and checks each table's number, round, code and seats on the page its
// rank gives, eight slips to an A4 page, each text inside its slip's column.
void printsEverySlip(Tournament &state, RecordingCanvas &canvas)
{
    const QStringList codes = tableentry::codesOfRound(state).value();
    QCOMPARE(codes.size(), state.tableCount());
    QVERIFY(printTableCodes(canvas, PrintFont{}, state, codes));
    QCOMPARE(canvas.pages(), (state.tableCount() + 7) / 8);
    for (int t = 1; t <= state.tableCount(); ++t) {
        QStringList expected{QStringLiteral("Table %1").arg(t), QStringLiteral("Tour %1").arg(state.currentRound()),
                             codes[t - 1].split(QString(), Qt::SkipEmptyParts).join(QLatin1Char(' '))};
        const rounds::TableEntry entry = rounds::tableEntry(state, t);
        for (size_t i = 0; i < 4; ++i)
            expected << seatName(QChar(seatLetters[i])) + QStringLiteral(" : ") +
                            (entry.emptyChairs[i] ? QStringLiteral("chaise vide") : entry.names[i].trimmed());
        QStringList drawn;
        for (const RecordingCanvas::Op &op : canvas.textsOnPage((t + 7) / 8))
            drawn << op.text;
        for (const QString &text : expected)
            QVERIFY2(drawn.contains(text), qPrintable(text));
    }
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
        const QString longName = QStringLiteral("DE LA TOUR D'AUVERGNE-LAURAGUAIS Marie-Thérèse Gabrielle");
        arrange(state, [&](Tournament::Data &d) {
            for (QString &line : d.playerRegisterList)
                if (line.endsWith(QLatin1String(" = N2")))
                    line = longName + QStringLiteral(" = N2");
        });
        RecordingCanvas canvas;
        printsEverySlip(state, canvas);
        int longSize = 0, seatSize = 0;
        for (const RecordingCanvas::Op &op : canvas.texts()) {
            if (op.text.endsWith(longName))
                longSize = op.size;
            else if (op.text.startsWith(QLatin1String("Sud : ")))
                seatSize = op.size;
        }
        QVERIFY(longSize > 0 && longSize < seatSize);

        canvas.refuse = true;
        QVERIFY(!printTableCodes(canvas, PrintFont{}, state, tableentry::codesOfRound(state).value()));
    }

    // Seventeen tables on three pages, two with an empty chair.
    void pagesAndEmptyChairs()
    {
        TestPlatform p;
        Tournament state;
        tournaments::seat(p, state, tournaments::seatedRegister(17, 2));
        RecordingCanvas canvas;
        printsEverySlip(state, canvas);
    }
};

QTEST_MAIN(TestTableCodeSheet)
#include "test_tablecodesheet.moc"
