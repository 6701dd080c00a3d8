#include "platform/cp1252.h"
#include "platform/platform.h"
#include "support/testing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

// The working files: code page, line ends, the five access patterns, mass deletion.
class TestWorkingFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyByteButCrLfRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            if (b != '\r' && b != '\n')
                all.append(char(b));
        const QString text = cp1252::decode(all);
        QCOMPARE(text.size(), all.size());
        bool ok = false;
        QCOMPARE(cp1252::encode(text, &ok), all);
        QVERIFY(ok);

        TestPlatform p;
        QVERIFY(platform().files.write(QStringLiteral("all.tmp"), {text, text}).ok());
        QCOMPARE(p.bytes(QStringLiteral("all.tmp")), all + "\r\n" + all + "\r\n");
        QStringList back;
        QVERIFY(platform().files.read(QStringLiteral("all.tmp"), back).ok());
        QCOMPARE(back, (QStringList{text, text}));
    }

    void typographicCharactersUseTheirWindowsBytes()
    {
        const QString text = QStringLiteral("€ œ ’ « » é");
        QCOMPARE(cp1252::encode(text), QByteArray("\x80 \x9c \x92 \xab \xbb \xe9"));
        QCOMPARE(cp1252::decode(QByteArray("\x80\x9c\x92")), QStringLiteral("€œ’"));
        QVERIFY(!cp1252::canEncode(QStringLiteral("Ωmega")));
        QCOMPARE(cp1252::firstUnencodable(QStringLiteral("abc→d")), QChar(0x2192));
    }

    void readsCrLfAndLfWritesCrLf()
    {
        TestPlatform p;
        QFile f(p.path(QStringLiteral("mixed.tmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("N1=10\r\nS1=-10\nE1=0\r\n\r\nO1=0");
        f.close();
        QStringList lines;
        QVERIFY(platform().files.read(QStringLiteral("mixed.tmp"), lines).ok());
        QCOMPARE(lines, (QStringList{"N1=10", "S1=-10", "E1=0", "", "O1=0"}));
        QVERIFY(platform().files.write(QStringLiteral("mixed.tmp"), lines).ok());
        QCOMPARE(p.bytes(QStringLiteral("mixed.tmp")), QByteArray("N1=10\r\nS1=-10\r\nE1=0\r\n\r\nO1=0\r\n"));
    }

    void appendCreatesThenExtends()
    {
        TestPlatform p;
        QVERIFY(platform().files.append(QStringLiteral("penal.tmp"), QStringLiteral("N3=-150")).ok());
        QVERIFY(platform().files.append(QStringLiteral("penal.tmp"), QStringLiteral("N3=-150")).ok());
        QCOMPARE(p.bytes(QStringLiteral("penal.tmp")), QByteArray("N3=-150\r\nN3=-150\r\n"));
    }

    void absentFileIsAStateNotAnError()
    {
        TestPlatform p;
        QStringList lines{QStringLiteral("stale")};
        QVERIFY(!platform().files.exists(QStringLiteral("tour.tmp")));
        QVERIFY(platform().files.readIfPresent(QStringLiteral("tour.tmp"), lines).ok());
        QVERIFY(lines.isEmpty());
        const Outcome missing = platform().files.read(QStringLiteral("tour.tmp"), lines);
        QVERIFY(!missing.ok());
        QVERIFY(missing.error.contains(QStringLiteral("tour.tmp")));
        QVERIFY(platform().files.remove(QStringLiteral("tour.tmp")).ok());
    }

    void namesAreComparedWithoutCase()
    {
        TestPlatform p;
        p.write(QStringLiteral("INSCRITS.TMP"), {QStringLiteral("DUPONT Jean")});
        QVERIFY(platform().files.exists(QStringLiteral("inscrits.tmp")));
        QVERIFY(platform().files.append(QStringLiteral("inscrits.tmp"), QStringLiteral("MARTIN Anne")).ok());
        QCOMPARE(p.read(QStringLiteral("INSCRITS.TMP")), (QStringList{"DUPONT Jean", "MARTIN Anne"}));
        QCOMPARE(p.files(), QStringList{QStringLiteral("INSCRITS.TMP")});
    }

    void massDeletion()
    {
        TestPlatform p;
        for (const char *name :
             {"tour.tmp", "tour1.tmp", "TOUR2.TMP", "tour12.tmp", "depl.tmp", "inscrits.tmp", "notes.txt", "tour.txt"})
            p.write(QString::fromLatin1(name), {QStringLiteral("x")});
        QVERIFY(platform().files.removeMatching(QStringLiteral("tour*.tmp")).ok());
        QCOMPARE(p.files(), (QStringList{"depl.tmp", "inscrits.tmp", "notes.txt", "tour.txt"}));
        QVERIFY(platform().files.removeMatching(QStringLiteral("depl.tmp")).ok());
        QVERIFY(platform().files.removeMatching(QStringLiteral("*.tmp")).ok());
        QCOMPARE(p.files(), (QStringList{"notes.txt", "tour.txt"}));
    }

    // A file that cannot be deleted is reported by name, and the others are still deleted.
    void massDeletionReportsWhatItCouldNotDelete()
    {
        TestPlatform p;
        for (const char *name : {"a.tmp", "b.tmp", "c.tmp"})
            p.write(QString::fromLatin1(name), {QStringLiteral("x")});
        const QString stuck = p.path(QStringLiteral("b.tmp"));
#ifdef Q_OS_WIN
        // Windows refuses to delete a file another program holds open (Qt does not share deletion).
        QFile holder(stuck);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        const Outcome outcome = platform().files.removeMatching(QStringLiteral("*.tmp"));
        holder.close();
        const bool onlyThatOne = true;
#else
        // Root ignores permissions: an immutable file stands in for a locked one.
        const bool root = geteuid() == 0;
        if (root && QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), stuck}) != 0)
            QSKIP("chattr is not available to make an undeletable file");
        if (!root)
            QFile::setPermissions(p.directory.path(), QFile::ReadOwner | QFile::ExeOwner);

        const Outcome outcome = platform().files.removeMatching(QStringLiteral("*.tmp"));

        if (root)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), stuck});
        else
            QFile::setPermissions(p.directory.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const bool onlyThatOne = root; // a read-only folder keeps them all
#endif
        QVERIFY(!outcome.ok());
        QVERIFY2(outcome.error.contains(QStringLiteral("b.tmp")), qPrintable(outcome.error));
        if (onlyThatOne)
            QCOMPARE(p.files(), QStringList{QStringLiteral("b.tmp")}); // a.tmp and c.tmp went all the same
    }

    // A build or an unpacked ZIP keeps its working files beside the program; an installed program
    // (its desktop entry one folder up, or on Windows the installer's uninstaller) in the user's
    // data folder.
    void workingFolderBesideTheProgramUnlessInstalled()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString own = QCoreApplication::applicationDirPath();
        QCOMPARE(defaultWorkingDirectory(), own);
#ifdef Q_OS_WIN
        const QString marker = own + QStringLiteral("/../Uninstall.exe");
#else
        const QString marker = own + QStringLiteral("/../share/applications/fr.verlandis.Verlandis.desktop");
#endif
        const QString markerFolder = QFileInfo(marker).absolutePath();
        const bool madeFolder = !QFileInfo::exists(markerFolder);
        QVERIFY(QDir().mkpath(markerFolder));
        QFile installed(marker);
        QVERIFY(installed.open(QIODevice::WriteOnly));
        installed.close();
        const QString data = defaultWorkingDirectory();
        installed.remove();
        if (madeFolder)
            QDir().rmpath(markerFolder);
        QCOMPARE(data, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(data != own);
        QVERIFY(QFileInfo(data).isDir());
    }

    void currentDirectoryElsewhereChangesNothing()
    {
        TestPlatform p;
        QTemporaryDir elsewhere;
        const QString before = QDir::currentPath();
        QDir::setCurrent(elsewhere.path());
        QVERIFY(platform().files.write(QStringLiteral("inscrits.tmp"), {QStringLiteral("DUPONT Jean")}).ok());
        QVERIFY(platform().files.append(QStringLiteral("penal.tmp"), QStringLiteral("N1=-5")).ok());
        QVERIFY(platform().files.exists(QStringLiteral("inscrits.tmp")));
        QStringList lines;
        QVERIFY(platform().files.read(QStringLiteral("inscrits.tmp"), lines).ok());
        QVERIFY(platform().files.removeMatching(QStringLiteral("penal.tmp")).ok());
        QDir::setCurrent(before);
        QCOMPARE(p.files(), QStringList{QStringLiteral("inscrits.tmp")});
        QVERIFY(QDir(elsewhere.path()).entryList(QDir::Files).isEmpty());
    }

    void tourFilesAreCountedToTheFirstGap()
    {
        TestPlatform p;
        p.write(QStringLiteral("tour1.tmp"), {});
        p.write(QStringLiteral("tour3.tmp"), {});
        QCOMPARE(platform().files.countTourFiles(), 1);
        p.write(QStringLiteral("tour2.tmp"), {});
        QCOMPARE(platform().files.countTourFiles(), 3);
    }
};

QTEST_MAIN(TestWorkingFiles)
#include "test_workingfiles.moc"
