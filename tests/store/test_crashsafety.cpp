#include "tournament/workingfilenames.h"
#include "app/mainwindow.h"
#include "menus.h"
#include "support/testing.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The program killed with SIGKILL at many points of an evening, then started again with
// every recovery question answered Yes: every table, penalty and exclusion it had recorded
// is back.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    static QStringList journalLines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        lines.removeAll(QString()); // the line being written when the kill came is not there yet
        return lines;
    }

    // Plays the evening in p's working directory; once its journal holds `steps` lines, waits
    // `delay` ms more and kills it. Returns the journal.
    static QStringList killedAfter(TestPlatform &p, int steps, int delay)
    {
        const QTemporaryDir outside; // the journal stays out of the working directory
        const QString journal = outside.filePath(QStringLiteral("journal.txt"));
        QProcess child;
        child.start(QStringLiteral(SCRIPTED_EVENING), {p.directory.path(), journal});
        if (!child.waitForStarted())
            qFatal("the evening did not start");
        QElapsedTimer timer;
        timer.start();
        while (journalLines(journal).size() < steps && child.state() != QProcess::NotRunning &&
               timer.elapsed() < 120000)
            QThread::usleep(300);
        QThread::msleep(ulong(delay));
        child.kill(); // SIGKILL
        child.waitForFinished();
        return journalLines(journal);
    }

    static int count(const QStringList &lines, const QString &line) { return int(lines.count(line)); }

private slots:
    void killedAnywhere_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("delay");
        // The evening journals 31 steps; each is a kill point, a few milliseconds after it.
        for (int steps = 0; steps <= 31; ++steps)
            QTest::addRow("after step %d", steps) << steps << (steps * 7) % 5;
        // Later within a step: while a table's file is written, a round starts, a penalty is added.
        for (const int steps : {5, 11, 12, 19, 26})
            QTest::addRow("within step %d", steps + 1) << steps << 15;
    }

    void killedAnywhere()
    {
        QFETCH(int, steps);
        QFETCH(int, delay);
        TestPlatform p;
        const QStringList journal = killedAfter(p, steps, delay);
        QVERIFY(journal.size() >= steps);

        p.messages.defaultAnswer = Messages::Yes;
        Application app;
        app.mainWindow().firstActivation();
        for (const auto &box : p.messages.boxes)
            QVERIFY2(box.title != QLatin1String("Erreur de fichier"), qPrintable(box.text));

        const Tournament &state = app.state();
        const QStringList penal = p.read(QStringLiteral("penal.tmp"));
        const QStringList exclu = p.read(QStringLiteral("exclu.tmp"));
        for (const QString &entry : journal) {
            const QStringList words = entry.split(QLatin1Char(' '));
            const QString &what = words.first();
            if (what == QLatin1String("inscrits")) {
                QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).size(), words[1].toInt());
            } else if (what == QLatin1String("positions")) {
                QCOMPARE(state.playerRegisterList, p.read(QStringLiteral("position.tmp")));
                QCOMPARE(state.playerRegisterList.size(), 24);
                QVERIFY(usable(app, Cmd::MenuTables));
            } else if (what == QLatin1String("tour")) {
                QVERIFY2(state.currentRound >= words[1].toInt(), qPrintable(entry));
            } else if (what == QLatin1String("score")) {
                const int round = words[1].toInt();
                QVERIFY2(round <= state.currentRound, qPrintable(entry));
                const QStringList lines =
                    round < state.currentRound ? p.read(workingfile::finishedRound(round)) : state.scoreList;
                for (const QString &line : words.mid(2))
                    QVERIFY2(lines.contains(line), qPrintable(entry));
            } else if (what == QLatin1String("penal")) {
                QVERIFY2(count(penal, words[1]) >= count(journal, entry), qPrintable(entry));
            } else if (what == QLatin1String("exclu")) {
                QVERIFY2(exclu.contains(words[1]), qPrintable(entry));
            }
        }
        if (journal.contains(QStringLiteral("fin"))) {
            QCOMPARE(state.currentRound, 4);
            QCOMPARE(state.scoreList.size(), 12);
            QCOMPARE(penal.size(), 2);
        }
    }
};

QTEST_MAIN(TestCrashSafety)
#include "test_crashsafety.moc"
