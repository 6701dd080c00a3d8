#include "live/liveresultsdialog.h"
#include "rounds/rounds.h"
#include "rankings/ranking.h"
#include "rounds/scoreentrydialog.h"
#include "support/driving.h"
#include "support/systemcalls.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QProcess>
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

// The browser's next line, the event loop running meanwhile (the program serves the page).
QByteArray nextLine(QProcess &browser, int timeoutMs = 60000)
{
    if (!QTest::qWaitFor([&] { return browser.canReadLine() || browser.state() == QProcess::NotRunning; }, timeoutMs))
        return "timeout";
    const QByteArray line = browser.readLine().trimmed();
    return line.isEmpty() ? "browser ended: " + browser.readAllStandardError() : line;
}

// The total the general ranking gives the player of that name.
QString totalOf(const Tournament &state, const QString &name)
{
    const RankingTable table = buildGeneralRanking(state);
    for (qsizetype row = 0; row < table.size(); ++row)
        if (table.cell(row, 0).trimmed() == name)
            return table.cell(row, 2).trimmed();
    return {};
}

} // namespace

// The phones' page in a real browser (Debian's Chromium, driven by puppeteer-core from
// tests/browser), served by the program as the director publishes it.
class TestLiveBrowser : public QObject
{
    Q_OBJECT

private slots:
    void aPhoneFollowsTheEvening()
    {
        if (underWine())
            QSKIP("Chromium and Node.js are Linux programs here: the Linux suite runs the browser");
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        p.fileDialogs.openAnswers = {QStringLiteral(EXAMPLE_FILE)};
        choose(app, "&Ouvrir");

        const quint16 port = freePort();
        QStringList codes;
        QVERIFY(drive<LiveResultsDialog>(app, "Résultats en direct...", [&](LiveResultsDialog &d) {
            child<QSpinBox>(d, "portBox")->setValue(port);
            child<QCheckBox>(d, "publishBox")->click();
            QVERIFY(d.isPublishing());
            child<QCheckBox>(d, "tableEntryBox")->click();
            codes = p.read("codes.tmp").mid(1);
            QVERIFY(child<QLabel>(d, "tableCodes")
                        ->text()
                        .contains(QStringLiteral("2&nbsp;<b>%1</b>").arg(codes.value(1))));
            click(d, "CloseBtn");
        }));

        QProcess browser;
        browser.setWorkingDirectory(QStringLiteral(BROWSER_DIR));
        browser.setProcessChannelMode(QProcess::SeparateChannels);
        const QString url = QStringLiteral("http://127.0.0.1:%1/").arg(port);
        browser.start(QStringLiteral("node"),
                      {QStringLiteral("live.mjs"), url, qEnvironmentVariable("VERLANDIS_BROWSER_SHOTS")});
        QVERIFY2(browser.waitForStarted(), "node is missing: bash tools/test.sh installs it");

        const QByteArray rows = nextLine(browser);
        QVERIFY2(rows.startsWith("rows "), rows.constData());
        const QJsonArray shown = QJsonDocument::fromJson(rows.mid(5)).array();
        QCOMPARE(shown.size(), buildGeneralRanking(app.state()).size());

        // Table 2's captain sends other scores than those entered with its code; the director sees
        // them proposed, accepts them, confirms they replace the table's, and the page shows them
        // validated and the new totals.
        const rounds::TableEntry table2 = rounds::tableEntry(app.state(), 2);
        QVERIFY(rounds::enteredTables(app.state()).value(1));
        browser.write(QStringLiteral("enter 2 %1 97 -31 -33 -33\n").arg(codes.value(1)).toUtf8());
        const QByteArray sent = nextLine(browser);
        QVERIFY2(sent == "sent Reçu, en attente de validation", sent.constData());
        auto *tile = child<QToolButton>(app.mainWindow(), "table2");
        QVERIFY(QTest::qWaitFor([&] { return tile->property("proposed").toBool(); }));
        QVERIFY(tile->toolTip().contains(table2.names[0].trimmed() + QStringLiteral(" 97")));
        const QString line = table2.seated.seatCodes[0] + QStringLiteral("=97");
        QVERIFY(!p.read("tour.tmp").contains(line));
        p.messages.answers = {Messages::Yes, Messages::No}; // accepted, but not in place of the table's
        tile->click();
        QVERIFY(!p.read("tour.tmp").contains(line));
        QVERIFY(tile->property("proposed").toBool());
        p.messages.answers = {Messages::Yes, Messages::Yes};
        tile->click();
        QVERIFY(p.read("tour.tmp").contains(line));
        QVERIFY(!tile->property("proposed").toBool());
        browser.write("validated\n");
        const QByteArray validated = nextLine(browser);
        QVERIFY2(validated.startsWith("validated "), validated.constData());
        QString nord;
        for (const QJsonValue &row : shown)
            if (row[1].toString() == table2.names[0].trimmed())
                nord = row[0].toString();
        browser.write(
            QStringLiteral("expect %1 %2\n").arg(nord, totalOf(app.state(), table2.names[0].trimmed())).toUtf8());
        const QByteArray accepted = nextLine(browser);
        QVERIFY2(accepted.startsWith("updated "), accepted.constData());

        // Score entry records the first table still missing; its Nord player's new total must
        // reach the page without a reload.
        QString name;
        QVERIFY(drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
            name = child(d, "Edit5")->text().trimmed();
            child(d, "Edit9")->setText(QStringLiteral("60"));
            child(d, "Edit10")->setText(QStringLiteral("-20"));
            child(d, "Edit11")->setText(QStringLiteral("-20"));
            child(d, "Edit12")->setText(QStringLiteral("-20"));
            child<QPushButton>(d, "BitBtn1")->click();
            d.close();
        }));
        QString id;
        for (const QJsonValue &row : shown)
            if (row[1].toString() == name)
                id = row[0].toString();
        QVERIFY2(!id.isEmpty(), qPrintable(name));
        browser.write(QStringLiteral("expect %1 %2\n").arg(id, totalOf(app.state(), name)).toUtf8());
        const QByteArray updated = nextLine(browser);
        QVERIFY2(updated.startsWith("updated "), updated.constData());
        qInfo("the recorded table reached the page in %s ms", updated.mid(8).constData());

        // « Ma place »: a few letters, without case or accents, find the player.
        const QString letters = name.left(4).toLower();
        browser.write(QStringLiteral("search %1 %2\n").arg(letters, name).toUtf8());
        const QByteArray found = nextLine(browser);
        QVERIFY2(found.startsWith("found ") && found.contains(name.toUtf8()), found.constData());

        browser.write(QStringLiteral("card %1\n").arg(id).toUtf8());
        const QByteArray card = nextLine(browser);
        QVERIFY2(card.startsWith("card ") && card.size() > 12, card.constData());

        browser.write("quit\n");
        QVERIFY(QTest::qWaitFor([&] { return browser.state() == QProcess::NotRunning; }, 30000));
        QCOMPARE(browser.exitCode(), 0);

        // Opening another tournament lets the phones go: the page is no longer served.
        p.messages.answers = {Messages::Yes}; // the table recorded is not saved
        p.fileDialogs.openAnswers = {QStringLiteral(EXAMPLE_FILE)};
        choose(app, "&Ouvrir");
        QVERIFY(!app.window<LiveResultsDialog>().isPublishing());
        QTcpSocket phone;
        phone.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!phone.waitForConnected(2000));
    }
};

QTEST_MAIN(TestLiveBrowser)
#include "test_livebrowser.moc"
