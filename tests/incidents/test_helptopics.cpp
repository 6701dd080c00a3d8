#include "platform/helpwindow.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

// The bundled help: every link leads to a page and a place that exist, and the contents and the index lead to every
// page.
class TestHelpTopics : public QObject
{
    Q_OBJECT

private slots:
    void linksResolve()
    {
        const QStringList pages = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QCOMPARE(pages.size(), 9);
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)(#([^\"]+))?\""));
        for (const QString &page : pages) {
            const QString html = HelpWindow::pageFor(page.chopped(5));
            QVERIFY2(html.contains(QStringLiteral("<h1>")), qPrintable(page));
            for (const QRegularExpressionMatch &m : link.globalMatch(html)) {
                const QString target = m.captured(1), anchor = m.captured(3);
                QVERIFY2(pages.contains(target), qPrintable(page + QStringLiteral(" → ") + target));
                if (!anchor.isEmpty())
                    QVERIFY2(HelpWindow::pageFor(target.chopped(5)).contains(QStringLiteral("name=\"%1\"").arg(anchor)),
                             qPrintable(page + QStringLiteral(" → ") + target + QLatin1Char('#') + anchor));
            }
        }
        // The contents and the index each lead to every other page.
        for (const char *guide : {"sommaire", "index"}) {
            const QString html = HelpWindow::pageFor(QString::fromLatin1(guide));
            for (const QString &page : pages)
                if (page != QString::fromLatin1(guide) + QStringLiteral(".html") &&
                    page != QStringLiteral("sommaire.html"))
                    QVERIFY2(html.contains(QStringLiteral("href=\"%1").arg(page)), qPrintable(guide + (" → " + page)));
        }
    }
};

QTEST_MAIN(TestHelpTopics)
#include "test_helptopics.moc"
