#include "tournament/workingfilenames.h"
#include "app/mainwindow.h"
#include "menus.h"
#include "movements/positions.h"
#include "support/testing.h"

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>

// The program killed (SIGKILL; TerminateProcess on Windows) at many points of an evening, then
// started again with every recovery question answered Yes: every player, table, penalty and
// exclusion it had recorded is back. The points: just before each operation the evening asks of the system on
// a working file (inside a file's write, between two files of one command, in a dialog), and
// a few milliseconds after each step of its journal.
class TestCrashSafety : public QObject
{
    Q_OBJECT

    QStringList m_operations; // of the whole evening, in order: "call file what it was doing"
    int m_steps = 0;          // the lines of its journal

    static QStringList journalLines(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        lines.removeAll(QString()); // the line being written when the kill came is not there yet
        return lines;
    }

    // Plays the evening in p's working directory. With `operation` it kills itself just before
    // that file operation; else once its journal holds `steps` lines, it is killed `delay` ms
    // later. Returns the journal.
    static QStringList killedAfter(TestPlatform &p, int steps, int delay, int operation = 0,
                                   const QString &listTo = QString())
    {
        const QTemporaryDir outside; // the journal stays out of the working directory
        const QString journal = outside.filePath(QStringLiteral("journal.txt"));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (operation > 0)
            environment.insert(QStringLiteral("KILL_BEFORE"), QString::number(operation));
        if (!listTo.isEmpty())
            environment.insert(QStringLiteral("OPERATIONS"), listTo);
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(SCRIPTED_EVENING), {p.directory.path(), journal});
        // Under Wine on a loaded machine a process may take long to start.
        if (!child.waitForStarted(120000))
            qFatal("the evening did not start: %s", qPrintable(child.errorString()));
        if (operation > 0 || !listTo.isEmpty()) {
            if (!child.waitForFinished(120000))
                qFatal("the evening did not end");
            if (operation > 0 && child.exitStatus() != QProcess::CrashExit)
                qFatal("the evening ended before its operation %d", operation);
            return journalLines(journal);
        }
        QElapsedTimer timer;
        timer.start();
        while (journalLines(journal).size() < steps && child.state() != QProcess::NotRunning &&
               timer.elapsed() < 120000)
            QThread::usleep(300);
        QThread::msleep(ulong(delay));
        child.kill(); // SIGKILL, TerminateProcess on Windows
        child.waitForFinished();
        return journalLines(journal);
    }

    // A register line of that player, seated or not.
    static bool registered(const QStringList &list, const QString &entry)
    {
        return std::any_of(list.begin(), list.end(), [&](const QString &line) {
            return line == entry || line.startsWith(entry + QStringLiteral(" = "));
        });
    }

    static int count(const QStringList &lines, const QString &line) { return int(lines.count(line)); }

private slots:
    // The whole evening once, its file operations listed.
    void initTestCase()
    {
        TestPlatform p;
        const QTemporaryDir outside;
        const QString list = outside.filePath(QStringLiteral("operations.txt"));
        const QStringList journal = killedAfter(p, 0, 0, 0, list);
        QVERIFY(journal.contains(QStringLiteral("fin")));
        QFile file(list);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_operations = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        m_steps = int(journal.size());
        // Each kind: a file created, written, synced and renamed into place, in every part of the evening.
        // The appended lines synced too. Windows has no unnamed file to link into place: QSaveFile
        // writes a named temporary, flushes it and renames it over the old file.
#ifdef Q_OS_WIN
        for (const char *kind : {
                 "open ", "write ", "rename ", "flush ", "fsync penal.tmp", "fsync exclu.tmp",
#else
        for (const char *kind : {"open ", "write ", "rename ", "link ", "fdatasync ", "fsync penal.tmp", "fsync exclu.tmp",
#endif
                     " inscription", " attribution", " saisie", " ouverture-saisie", " penalite", " exclusion",
                     " proposition"
             })
            QVERIFY2(!m_operations.filter(QLatin1String(kind)).isEmpty(), kind);
    }

    void killedAnywhere_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("delay");
        QTest::addColumn<int>("operation");
        // Every operation but those of one table's scores in two: each table's are the same.
        for (int n = 1; n <= int(m_operations.size()); ++n)
            if (!m_operations[n - 1].endsWith(QLatin1String(" saisie")) || n % 2 == 0)
                QTest::addRow("before operation %d: %s", n, qPrintable(m_operations[n - 1])) << 0 << 0 << n;
        // Between the operations, a few milliseconds after a step of the journal.
        for (int steps = 0; steps <= m_steps; steps += 2)
            QTest::addRow("after step %d", steps) << steps << (steps * 7) % 5 << 0;
    }

    void killedAnywhere()
    {
        QFETCH(int, steps);
        QFETCH(int, delay);
        QFETCH(int, operation);
        TestPlatform p;
        const QStringList journal = killedAfter(p, steps, delay, operation);
        QVERIFY(journal.size() >= steps);

        p.messages.defaultAnswer = Messages::Yes;
        Application app;
        app.mainWindow().firstActivation();
        for (const auto &box : p.messages.boxes)
            QVERIFY2(box.title != QLatin1String("Erreur de fichier"), qPrintable(box.text));

        // What the model took up, not what the files hold.
        const Tournament &state = app.state();
        const QStringList &penal = state.penalties();
        const QStringList &exclu = state.exclusions();
        for (const QString &entry : journal) {
            const QStringList words = entry.split(QLatin1Char(' '));
            const QString &what = words.first();
            if (what == QLatin1String("inscrit")) {
                QVERIFY2(registered(state.playerRegisterList(), entry.mid(what.size() + 1)), qPrintable(entry));
            } else if (what == QLatin1String("desinscrit")) {
                QVERIFY2(!registered(state.playerRegisterList(), entry.mid(what.size() + 1)), qPrintable(entry));
            } else if (what == QLatin1String("inscrits")) {
                QCOMPARE(state.playerRegisterList().size(), words[1].toInt());
            } else if (what == QLatin1String("positions")) {
                QCOMPARE(state.playerRegisterList(), p.read(QStringLiteral("position.tmp")));
                QCOMPARE(state.playerRegisterList().size(), 24);
                QVERIFY(usable(app, Cmd::MenuTables));
            } else if (what == QLatin1String("tour")) {
                QVERIFY2(state.currentRound() >= words[1].toInt(), qPrintable(entry));
            } else if (what == QLatin1String("score")) {
                const int round = words[1].toInt();
                QVERIFY2(round <= state.currentRound(), qPrintable(entry));
                const QStringList lines = round < state.currentRound() ? state.finishedRound(round) : state.scoreList();
                const SeatedTable seated = tableInRound(state, words[2].toInt(), round); // the movements
                for (int i = 0; i < 4; ++i) {
                    const QString &line = words[3 + i];
                    QVERIFY2(lines.contains(line), qPrintable(entry));
                    QVERIFY2(line.startsWith(seated.seatCodes[size_t(i)] + QLatin1Char('=')), qPrintable(entry));
                }
            } else if (what == QLatin1String("propose") &&
                       words[1].section(QLatin1Char(';'), 0, 0).toInt() == state.currentRound()) {
                // On disk before the phone is told: waiting still, or accepted.
                bool recorded = true;
                for (int i = 0; i < 4; ++i)
                    recorded = recorded && state.scoreList().contains(words[2 + i]);
                QVERIFY2(state.submissions().contains(words[1]) || recorded, qPrintable(entry));
            } else if (what == QLatin1String("penal")) {
                QVERIFY2(count(penal, words[1]) >= count(journal, entry), qPrintable(entry));
            } else if (what == QLatin1String("exclu")) {
                QVERIFY2(exclu.contains(words[1]), qPrintable(entry));
            }
        }
        if (journal.contains(QStringLiteral("fin"))) {
            QCOMPARE(state.currentRound(), 4);
            QCOMPARE(state.scoreList().size(), 12);
            QCOMPARE(penal.size(), 2);
            QCOMPARE(state.submissions().size(), 1);
        }
    }
};

QTEST_MAIN(TestCrashSafety)
#include "test_crashsafety.moc"
