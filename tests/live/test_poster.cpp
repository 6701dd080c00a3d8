#include "live/poster.h"
#include "live/qrcode.h"
#include "platform/qtplatform.h"
#include "support/doubles.h"
#include "support/systemcalls.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return "cannot run " + program.toUtf8() +
               " (bash tools/test.sh installs it): " + process.readAllStandardError();
    return process.readAllStandardOutput();
}

} // namespace

// "Imprimer l'affiche": the page the phones scan on the wall.
class TestPoster : public QObject
{
    Q_OBJECT

private slots:
    void qrModulesAndLayoutKeepToTheFrame()
    {
        const QByteArray address = "http://192.168.1.12:8080/";
        const QrCode qr = encodeQr(address);
        QVERIFY(qr.size >= 21 && (qr.size - 17) % 4 == 0); // a real version's side
        QCOMPARE(encodeQr(QByteArray()).size, 0);

        RecordingCanvas canvas;
        QVERIFY(printPoster(canvas, PrintFont{}, QStringLiteral("Le 08/12/2026 — Salle des fêtes"),
                            {QString::fromLatin1(address), QStringLiteral("http://10.0.0.5:8080/")}));
        const qsizetype darkModules = std::count(qr.dark.begin(), qr.dark.end(), true);
        int rects = 0, highest = canvas.height, lowest = 0;
        for (const RecordingCanvas::Op &op : canvas.ops) {
            if (op.kind != QLatin1String("rect"))
                continue;
            ++rects;
            QVERIFY(op.x > 10 && op.x2 < canvas.width - 20);
            highest = qMin(highest, op.y);
            lowest = qMax(lowest, op.y2);
        }
        QCOMPARE(rects, darkModules);
        // Title, evening, code, then the addresses, each below the other.
        QVERIFY(canvas.find(QStringLiteral("Le 08/12/2026 — Salle des fêtes")).y < highest);
        QVERIFY(canvas.find(QStringLiteral("http://10.0.0.5:8080/")).y > lowest);
        QVERIFY(lowest < canvas.height - 20);
        QCOMPARE(canvas.crowding(10, canvas.width - 20), QString());
        QCOMPARE(canvas.pages(), 1);

        canvas.refuse = true;
        QVERIFY(!printPoster(canvas, PrintFont{}, {}, {QString::fromLatin1(address)}));
    }

    // The printed page, read back by a real QR reader and a PDF text reader.
    void aPhoneReadsThePrintedCode()
    {
        if (underWine())
            QSKIP("zbarimg and pdftoppm are Linux programs, out of reach under Wine: the Linux suite reads the poster");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("affiche.pdf"));
        {
            const std::unique_ptr<Canvas> canvas = newPdfCanvas(pdf);
            QVERIFY(printPoster(*canvas, PrintFont{}, QStringLiteral("Le 08/12/2026 — Salle des fêtes"),
                                {QStringLiteral("http://192.168.1.12:8080/")}));
        }
        const QByteArray text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(text.contains("Résultats en direct") && text.contains("http://192.168.1.12:8080/"), text.constData());
        output(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        const QByteArray scanned = output(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"),
                                                                      dir.filePath(QStringLiteral("page.png"))});
        QCOMPARE(scanned.trimmed(), QByteArray("http://192.168.1.12:8080/"));
    }
};

QTEST_MAIN(TestPoster)
#include "test_poster.moc"
