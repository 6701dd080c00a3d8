#include "live/liveresultsdialog.h"
#include "rounds/rounds.h"
#include "support/driving.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolButton>

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

// A phone's submission, its answer read while the program's event loop runs: "200 {...}".
QByteArray post(quint16 port, const QByteArray &body)
{
    QTcpSocket phone;
    phone.connectToHost(QHostAddress::LocalHost, port);
    phone.write("POST /api/saisie HTTP/1.1\r\nHost: club\r\nConnection: close\r\nContent-Type: application/json\r\n"
                "Content-Length: " +
                QByteArray::number(body.size()) + "\r\n\r\n" + body);
    QByteArray answer;
    (void)QTest::qWaitFor(
        [&] {
            answer += phone.readAll();
            return phone.state() == QAbstractSocket::UnconnectedState;
        },
        5000);
    answer += phone.readAll();
    return answer.mid(9, 3) + ' ' + answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

// Nord wins n from Sud.
QByteArray scores(int round, int table, const QString &code, int n = 12)
{
    return QStringLiteral(R"({"tour":%1,"table":%2,"code":"%3","scores":["%4","-%4","0","0"]})")
        .arg(round)
        .arg(table)
        .arg(code)
        .arg(n)
        .toUtf8();
}

} // namespace

// The director takes the scores the tables send: the live results dialog opens it, the main
// window's tiles show what waits, a click accepts or rejects it.
class TestTableSubmissions : public QObject
{
    Q_OBJECT

private slots:
    void directorTakesScoresFromTheTables()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        p.fileDialogs.openAnswers = {QStringLiteral(EXAMPLE_FILE)};
        choose(app, "&Ouvrir");
        Tournament &state = app.state();
        const int round = state.currentRound();
        const int missing = int(rounds::enteredTables(state).indexOf(false)) + 1;
        QVERIFY(missing > 0);

        const quint16 port = freePort();
        QStringList codes;
        QVERIFY(drive<LiveResultsDialog>(app, "Résultats en direct...", [&](LiveResultsDialog &d) {
            auto *entry = child<QCheckBox>(d, "tableEntryBox");
            QVERIFY(!entry->isEnabled()); // only while publishing
            child<QSpinBox>(d, "portBox")->setValue(port);
            child<QCheckBox>(d, "publishBox")->click();
            entry->click();
            codes = p.read("codes.tmp").mid(1);
            QCOMPARE(codes.size(), state.tableCount());
            click(d, "printCodesButton");
            QCOMPARE(p.printing.documents.constLast(), QStringLiteral("Codes des tables"));
            const QString last = codes.constLast();
            QVERIFY(p.printing.last.find(QStringList(last.begin(), last.end()).join(QLatin1Char(' '))).y > 0);
            click(d, "CloseBtn");
        }));

        const int other = missing % state.tableCount() + 1;
        const int third = other % state.tableCount() + 1;
        QVERIFY(third != missing);

        // Five wrong codes lock the table, its right one included; the main window names it.
        const QByteArray wrong = scores(round, third, codes[missing - 1]);
        for (int i = 0; i < 5; ++i)
            QVERIFY(post(port, wrong).startsWith("400 "));
        auto *locked = child<QLabel>(app.mainWindow(), "lockedTables");
        QVERIFY(locked->isVisibleTo(&app.mainWindow()));
        QVERIFY(locked->text().contains(QStringLiteral("Table %1 bloquée").arg(third)));
        QVERIFY(post(port, scores(round, third, codes[third - 1])).contains("bloquée"));

        // Another table's scores, proposed, then rejected: nothing recorded.
        const QByteArray before = p.bytes("tour.tmp");
        QCOMPARE(post(port, scores(round, other, codes[other - 1], 20)).left(4), "200 ");
        auto *tile = child<QToolButton>(app.mainWindow(), qPrintable(QStringLiteral("table%1").arg(other)));
        QVERIFY(tile->property("proposed").toBool());
        p.messages.answers = {Messages::Cancel};
        tile->click();
        QVERIFY(tile->property("proposed").toBool());
        p.messages.answers = {Messages::No};
        tile->click();
        QVERIFY(!tile->property("proposed").toBool());
        QVERIFY(!p.exists("propositions.tmp") || p.read("propositions.tmp").isEmpty());
        QCOMPARE(p.bytes("tour.tmp"), before);

        // Accepted as they come: tour.tmp holds them before the phone is told.
        QVERIFY(drive<LiveResultsDialog>(app, "Résultats en direct...", [&](LiveResultsDialog &d) {
            child<QCheckBox>(d, "autoAcceptBox")->click();
            click(d, "CloseBtn");
        }));
        QVERIFY(post(port, scores(round, missing, codes[missing - 1])).contains(R"("etat":"saisie")"));
        QCOMPARE(rounds::tableEntry(state, missing).scores[0], QStringLiteral("12"));

        // Publishing again takes no scores until the director says so: refused, nothing written.
        QVERIFY(drive<LiveResultsDialog>(app, "Résultats en direct...", [&](LiveResultsDialog &d) {
            child<QCheckBox>(d, "publishBox")->click();
            child<QCheckBox>(d, "publishBox")->click();
            QVERIFY(d.isPublishing());
            QVERIFY(!child<QCheckBox>(d, "tableEntryBox")->isChecked());
            click(d, "CloseBtn");
        }));
        const QByteArray journal = p.bytes("tour.tmp");
        QVERIFY(post(port, scores(round, other, codes[other - 1], 8)).startsWith("403 "));
        QCOMPARE(p.bytes("tour.tmp"), journal);
        QVERIFY(!p.exists("propositions.tmp") || p.read("propositions.tmp").isEmpty());
    }
};

QTEST_MAIN(TestTableSubmissions)
#include "test_tablesubmissions.moc"
