#include "app/application.h"
#include "app/aboutbox.h"
#include "platform/helpwindow.h"
#include "app/mainwindow.h"
#include "store/newtournamentdialog.h"
#include "support/testing.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The main window as main() builds it, driven through its menus.
class TestMainWindow : public QObject
{
    Q_OBJECT

    QAction *act(Application &app, const char *caption) { return findAction(&app.mainWindow(), QString::fromUtf8(caption)); }

private slots:
    void everyCaptionIsThere()
    {
        TestPlatform p;
        Application app;
        for (const CommandInfo &info : commandTable())
            QVERIFY2(act(app, info.caption), info.caption);
        QCOMPARE(app.windows().size(), 22);
        QCOMPARE(app.windows().at(2)->objectName(), QStringLiteral("TForm3"));
        QCOMPARE(app.windows().last()->objectName(), QStringLiteral("TBtnBottomDlg10"));
    }

    void firstActivationWithNoTournament()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!act(app, "Joueurs")->isEnabled());
        QVERIFY(!act(app, "Tables")->isEnabled());
        QVERIFY(!act(app, "Classements")->isEnabled());
        QVERIFY(act(app, "Nouveau")->isEnabled());
        QVERIFY(act(app, "&Ouvrir")->isEnabled());
        QVERIFY(act(app, "&Enregistrer")->isEnabled());
        QVERIFY(!act(app, "&Annuler l'attribution")->isVisible());
        QVERIFY(!act(app, "&Modifier un tour antérieur")->isVisible());
        QVERIFY(!act(app, "Points de classement")->isVisible());
        QVERIFY(!act(app, "&Attribuer les positions")->isEnabled());
    }

    void newTournamentConfirmedAndCancelled()
    {
        TestPlatform p;
        p.write(QStringLiteral("penal.tmp"), {QStringLiteral("N1=-50")});
        p.write(QStringLiteral("TOUR3.TMP"), {QStringLiteral("N1=10")});
        p.write(QStringLiteral("notes.txt"), {QStringLiteral("garder")});
        Application app;
        app.mainWindow().firstActivation();
        auto &dialog = app.window<NewTournamentDialog>();

        // Cancel after typing a place: files and menus unchanged, the place kept.
        QTimer::singleShot(0, [&] {
            auto *place = dialog.findChild<QLineEdit *>(QStringLiteral("Edit2"));
            QCOMPARE(place->text(), QStringLiteral("Rubrique non servie"));
            place->setText(QStringLiteral("Salle des fêtes"));
            dialog.findChild<QPushButton *>(QStringLiteral("CancelBtn"))->click();
        });
        act(app, "Nouveau")->trigger();
        QVERIFY(p.exists(QStringLiteral("penal.tmp")));
        QVERIFY(!act(app, "Joueurs")->isEnabled());
        QCOMPARE(app.state().place, QStringLiteral("Salle des fêtes"));

        QTimer::singleShot(0, [&] { dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"))->click(); });
        act(app, "Nouveau")->trigger();
        QCOMPARE(p.files(), QStringList{QStringLiteral("notes.txt")});
        QVERIFY(act(app, "Joueurs")->isEnabled());
        QVERIFY(act(app, "&Inscription")->isEnabled());
        QVERIFY(!act(app, "&Attribuer les positions")->isEnabled());
        QVERIFY(act(app, "&Attribuer les positions")->isVisible());
        QVERIFY(!act(app, "Tables")->isEnabled());
        QVERIFY(app.state().modified);
    }

    void newTournamentAsksBeforeDiscarding()
    {
        TestPlatform p;
        p.write(QStringLiteral("inscrits.tmp"), {QStringLiteral("DUPONT Jean")});
        Application app;
        app.state().modified = true;
        p.messages.answers = {Messages::No};
        act(app, "Nouveau")->trigger();
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QVERIFY(p.exists(QStringLiteral("inscrits.tmp")));
    }

    void dateOrPlaceOpeningASectionIsRefused()
    {
        TestPlatform p;
        Application app;
        auto &dialog = app.window<NewTournamentDialog>();
        QTimer::singleShot(0, [&] {
            dialog.findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("[INSCRITS]"));
            dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
            QVERIFY(dialog.isVisible()); // refused: the dialog stays
            dialog.findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QStringLiteral("Lyon"));
            dialog.findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
        });
        act(app, "Nouveau")->trigger();
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("[")));
        QCOMPARE(app.state().place, QStringLiteral("Lyon"));
        QCOMPARE(app.state().date, QStringLiteral("08/12/2026"));
    }

    void quitPrompt()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().show();
        app.mainWindow().firstActivation();
        // Flag clear: closes at once.
        act(app, "&Quitter")->trigger();
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!app.mainWindow().isVisible());

        app.mainWindow().show();
        app.state().modified = true;
        p.messages.answers = {Messages::Yes};
        p.fileDialogs.saveAnswers = {p.path(QStringLiteral("club.trt"))};
        act(app, "&Quitter")->trigger();
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Vous n'avez pas sauvegardé le tournoi, voulez-vous le faire ?"));
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QVERIFY(app.mainWindow().isVisible()); // Yes saves and stays
        QVERIFY(p.exists(QStringLiteral("club.trt")));
        QVERIFY(!app.state().modified);
        act(app, "&Quitter")->trigger(); // saved: closes without asking
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(!app.mainWindow().isVisible());

        app.mainWindow().show();
        app.state().modified = true;
        p.messages.answers = {Messages::No};
        act(app, "&Quitter")->trigger();
        QVERIFY(!app.mainWindow().isVisible());
    }

    void helpKeywords()
    {
        TestPlatform p;
        Application app;
        act(app, "Aide")->trigger();
        QCOMPARE(p.help.keywords, QStringList{QStringLiteral("sommaire")});
        // Every topic the windows open is bundled; an unknown one is reported by the help window.
        for (const char *keyword : {"sommaire", "index", "deroulement", "incident", "depltour", "deplace", "imposit",
                                    "tournoi"})
            QVERIFY2(!HelpWindow::pageFor(QString::fromLatin1(keyword)).contains(QStringLiteral("Rubrique introuvable")),
                     keyword);
        QVERIFY(HelpWindow::pageFor(QStringLiteral("inconnu")).contains(QStringLiteral("Rubrique introuvable")));
    }

    void aboutBoxShowsTheWorkingDirectory()
    {
        TestPlatform p;
        Application app;
        QTimer::singleShot(0, [&] {
            auto &about = app.window<AboutBox>();
            const QString shown = about.findChild<QLabel *>(QStringLiteral("WorkingDirectory"))->text();
            QVERIFY(shown.contains(QDir::toNativeSeparators(p.directory.path())));
            about.accept();
        });
        act(app, "A propos de...")->trigger();
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
