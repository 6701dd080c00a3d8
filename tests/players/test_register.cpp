#include "players/registerwindow.h"
#include "support/driving.h"

namespace {

void clickRow(QListWidget *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList shownItemsOf(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        if (!list->item(i)->isHidden())
            out << list->item(i)->text();
    return out;
}

} // namespace

// The register window "Gestion des joueurs", driven through its controls.
class TestRegister : public QObject
{
    Q_OBJECT

private slots:
    void entriesAreBuiltSortedAndCounted()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        auto &form = app.window<RegisterWindow>();
        drive(form, choosing(app, "&Inscription"), [&] {
            auto *add = child<QPushButton>(form, "Button1");
            QVERIFY(!add->isEnabled());
            QVERIFY(!child<QPushButton>(form, "Button2")->isEnabled());
            QVERIFY(!child<QPushButton>(form, "Button3")->isEnabled());
            type(form, "Edit1", QStringLiteral(" "));
            QVERIFY(!add->isEnabled()); // a single blank is no surname
            const QList<QPair<QString, QString>> typed = {
                {"  martin", "pierre"}, {" A", "wei"},      {"durand", QString::fromUtf8("éLODIE")},
                {"dupont", "jean"},     {"DUPONT", "Jean"}, {"de la tour", "anne"}};
            for (const auto &[surname, firstName] : typed) {
                type(form, "Edit1", surname);
                type(form, "Edit2", firstName);
                QCOMPARE(child<QLineEdit>(form, "Edit1")->text(), surname.toUpper()); // shown in upper case
                click(form, "Button1");
                QVERIFY(child<QLineEdit>(form, "Edit1")->text().isEmpty());
                QVERIFY(child<QLineEdit>(form, "Edit2")->text().isEmpty());
                QVERIFY(child<QLineEdit>(form, "Edit1")->hasFocus());
            }
            const QStringList expected = {
                " A Wei",       "DE LA TOUR Anne", "DUPONT Jean", "DUPONT Jean", QString::fromUtf8("DURAND élodie"),
                "MARTIN Pierre"};
            QCOMPARE(itemsOf(child<QListWidget>(form, "ListBox1")), expected);
            QCOMPARE(app.state().playerRegisterList(), expected);
            QCOMPARE(child<QLineEdit>(form, "Edit3")->text(), QStringLiteral("6"));
            // On disk already, window still open: a power cut now loses no name.
            QCOMPARE(p.bytes(QStringLiteral("inscrits.tmp")),
                     QByteArray(" A Wei\r\nDE LA TOUR Anne\r\nDUPONT Jean\r\nDUPONT Jean\r\nDURAND \xe9lodie\r\n"
                                "MARTIN Pierre\r\n"));
            child<QPushButton>(form, "CloseBtn")->click();
        });
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), app.state().playerRegisterList());
        QVERIFY(app.state().modified());
        QVERIFY(usable(app, "&Attribuer les positions")); // 6 entries
    }

    // A name already registered asks first (Non by default); Non adds nothing and keeps the edits.
    void aNameRegisteredTwiceAsks()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        auto &form = app.window<RegisterWindow>();
        p.messages.answers = {Messages::No, Messages::Yes};
        drive(form, choosing(app, "&Inscription"), [&] {
            for (const char *surname : {"dupont", "Dupont", "DUPONT"}) {
                type(form, "Edit1", QString::fromLatin1(surname));
                type(form, "Edit2", QStringLiteral("jean"));
                click(form, "Button1");
            }
            QCOMPARE(child<QLineEdit>(form, "Edit1")->text(), QString()); // the third was added
            child<QPushButton>(form, "CloseBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 2);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention"));
        QCOMPARE(p.messages.boxes[0].text,
                 QStringLiteral("« DUPONT Jean » est déjà inscrit. Voulez-vous l'inscrire une seconde fois ?"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Question);
        QCOMPARE(p.messages.boxes[0].buttons, Messages::Yes | Messages::No | Messages::NoByDefault);
        QCOMPARE(app.state().playerRegisterList(), (QStringList{"DUPONT Jean", "DUPONT Jean"}));
    }

    void refusedNamesKeepWhatWasTyped()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        auto &form = app.window<RegisterWindow>();
        drive(form, choosing(app, "&Inscription"), [&] {
            for (const QString &surname :
                 {QStringLiteral("A=B"), QStringLiteral("[INSCRITS]"), QStringLiteral("   ")}) {
                type(form, "Edit1", surname);
                type(form, "Edit2", QStringLiteral("Jean"));
                click(form, "Button1");
                QCOMPARE(child<QLineEdit>(form, "Edit1")->text(), surname);
                QCOMPARE(child<QLineEdit>(form, "Edit2")->text(), QStringLiteral("Jean"));
            }
            type(form, "Edit1", QStringLiteral("DUPONT"));
            type(form, "Edit2", QString::fromUtf8("Jean€")); // the euro sign is in Windows-1252
            click(form, "Button1");
            type(form, "Edit1", QStringLiteral("DUPONT"));
            type(form, "Edit2", QString::fromUtf8("Jeanπ"));
            click(form, "Button1");
            child<QPushButton>(form, "CloseBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 4);
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("=")));
        QVERIFY(p.messages.boxes[1].text.contains(QStringLiteral("[")));
        QVERIFY(p.messages.boxes[2].text.contains(QStringLiteral("vide")));
        QVERIFY(p.messages.boxes[3].text.contains(QString::fromUtf8("π")));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), QStringList{QString::fromUtf8("DUPONT Jean€")});
        QVERIFY(!usable(app, "&Attribuer les positions")); // 1 entry
    }

    void aClickLoadsALineToModifyOrDelete()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, {{"de la tour", "anne"}, {"zola", "emile"}, {"bernard", "luc"}, {"MARTIN", ""}});
        auto &form = app.window<RegisterWindow>();
        drive(form, choosing(app, "&Inscription"), [&] {
            auto *list = child<QListWidget>(form, "ListBox1");
            QCOMPARE(itemsOf(list), (QStringList{"BERNARD Luc", "DE LA TOUR Anne", "MARTIN ", "ZOLA Emile"}));
            clickRow(list, 1);
            QCOMPARE(child<QLineEdit>(form, "Edit1")->text(), QStringLiteral("DE LA TOUR"));
            QCOMPARE(child<QLineEdit>(form, "Edit2")->text(), QStringLiteral("Anne"));
            QVERIFY(child<QPushButton>(form, "Button2")->isEnabled());
            // A one-word line leaves the first name as it was.
            clickRow(list, 2);
            QCOMPARE(child<QLineEdit>(form, "Edit1")->text(), QStringLiteral("MARTIN"));
            QCOMPARE(child<QLineEdit>(form, "Edit2")->text(), QStringLiteral("Anne"));

            // Modifier replaces the line where it stands, without sorting again.
            type(form, "Edit2", QStringLiteral("paul"));
            type(form, "Edit1", QStringLiteral("ALBERT"));
            click(form, "Button3");
            QCOMPARE(itemsOf(list), (QStringList{"BERNARD Luc", "DE LA TOUR Anne", "ALBERT Paul", "ZOLA Emile"}));
            QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), itemsOf(list)); // written at once
            QVERIFY(!child<QPushButton>(form, "Button3")->isEnabled());
            QCOMPARE(child<QLineEdit>(form, "Edit1")->text(),
                     QStringLiteral("ALBERT")); // the edits keep their text

            // Supprimer asks first, Non by default; Non keeps the line and the choice.
            clickRow(list, 0);
            p.messages.boxes.clear();
            p.messages.answers = {Messages::No};
            click(form, "Button2");
            QCOMPARE(p.messages.boxes.size(), 1);
            QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Supprimer BERNARD Luc de la liste des inscrits ?"));
            QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Question);
            QCOMPARE(p.messages.boxes[0].buttons, Messages::Yes | Messages::No | Messages::NoByDefault);
            QCOMPARE(itemsOf(list).size(), 4);
            QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).size(), 4);
            click(form, "Button2"); // Oui
            QCOMPARE(itemsOf(list), (QStringList{"DE LA TOUR Anne", "ALBERT Paul", "ZOLA Emile"}));
            QVERIFY(list->selectedItems().isEmpty()); // the next line is not chosen in its place
            QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), itemsOf(list));
            QCOMPARE(child<QLineEdit>(form, "Edit3")->text(), QStringLiteral("3"));
            QVERIFY(!child<QPushButton>(form, "Button2")->isEnabled());
            QVERIFY(!child<QPushButton>(form, "Button3")->isEnabled());
            child<QPushButton>(form, "CloseBtn")->click();
        });
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), (QStringList{"DE LA TOUR Anne", "ALBERT Paul", "ZOLA Emile"}));
    }

    // The search ignores case and accents and only hides lines: a line chosen among those shown
    // is the one changed.
    void searchFiltersTheList()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, {{"durand", QString::fromUtf8("Éléonore")},
                              {QString::fromUtf8("françois"), "luc"},
                              {"bernard", "leon"},
                              {"zola", "emile"}});
        auto &form = app.window<RegisterWindow>();
        drive(form, choosing(app, "&Inscription"), [&] {
            auto *list = child<QListWidget>(form, "ListBox1");
            auto *search = child<QLineEdit>(form, "searchBox");
            QCOMPARE(search->placeholderText(), QStringLiteral("Rechercher un joueur"));
            type(form, "searchBox", QStringLiteral("eleo"));
            QCOMPARE(shownItemsOf(list), QStringList{QString::fromUtf8("DURAND Éléonore")});
            clickRow(list, 1);
            type(form, "Edit2", QStringLiteral("Marie"));
            click(form, "Button3");
            QCOMPARE(p.read(QStringLiteral("inscrits.tmp")),
                     (QStringList{"BERNARD Leon", "DURAND Marie", QString::fromUtf8("FRANÇOIS Luc"), "ZOLA Emile"}));
            // The line modified no longer matches: hidden, it is no longer chosen.
            QVERIFY(shownItemsOf(list).isEmpty());
            QVERIFY(!child<QPushButton>(form, "Button2")->isEnabled());

            type(form, "searchBox", QStringLiteral("FRANC"));
            QCOMPARE(shownItemsOf(list), QStringList{QString::fromUtf8("FRANÇOIS Luc")});
            search->clear();
            QCOMPARE(shownItemsOf(list), itemsOf(list));
            child<QPushButton>(form, "CloseBtn")->click();
        });
    }

    void seatAssignmentNeedsSixEntries()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, numberedPlayers(5));
        QVERIFY(!usable(app, "&Attribuer les positions"));
        registerPlayers(app, numberedPlayers(1, QStringLiteral("SIXIEME")));
        QVERIFY(usable(app, "&Attribuer les positions"));
        // Emptied again, the register leaves an empty file.
        auto &form = app.window<RegisterWindow>();
        drive(form, choosing(app, "&Inscription"), [&] {
            auto *list = child<QListWidget>(form, "ListBox1");
            for (int left = 6; left > 0; --left) {
                doubleClickRow(list, 0);
                click(form, "Button2");
                QCOMPARE(list->count(), left - 1);
            }
            child<QPushButton>(form, "CloseBtn")->click();
        });
        QVERIFY(p.exists(QStringLiteral("inscrits.tmp")));
        QVERIFY(p.read(QStringLiteral("inscrits.tmp")).isEmpty());
        QVERIFY(!usable(app, "&Attribuer les positions"));
    }

    void helpKeys()
    {
        TestPlatform p;
        Application app;
        auto &form = app.window<RegisterWindow>();
        drive(
            form, [&] { form.run(); },
            [&] {
                child<QPushButton>(form, "HelpBtn")->click();
                pressF1(form);
                child<QPushButton>(form, "CloseBtn")->click();
            });
        QCOMPARE(p.help.keywords, (QStringList{"sommaire", "index"}));
    }
};

QTEST_MAIN(TestRegister)
#include "test_register.moc"
