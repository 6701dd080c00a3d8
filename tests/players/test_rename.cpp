#include "support/driving.h"
#include "support/tournaments.h"

#include "players/playerlistdialog.h"
#include "players/renamedialog.h"

namespace {

// "Corriger un nom": picks `shown` in the listing, types `corrected`, answers the question.
void correct(Application &app, TestPlatform &p, const QString &shown, const QString &corrected,
             Messages::Button answer = Messages::Yes)
{
    auto &listing = app.window<PlayerListDialog>();
    auto &dialog = app.window<RenameDialog>();
    const DialogDriver renaming(dialog, [&] {
        QCOMPARE(child<QLineEdit>(dialog, "Edit1")->text(), shown);
        type(dialog, "Edit1", corrected);
        click(dialog, "OKBtn");
    });
    p.messages.answers = {answer};
    drive(listing, choosing(app, "Corriger un nom"), [&] {
        QCOMPARE(listing.windowTitle(), QStringLiteral("Sélectionnez le joueur à corriger"));
        QVERIFY(child<QPushButton>(listing, "CancelBtn")->isVisible());
        auto *list = child<QListWidget>(listing, "ListBox1");
        const auto found = list->findItems(shown, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setCurrentItem(found.first());
        click(listing, "OKBtn");
    });
    QCOMPARE(listing.windowTitle(), QStringLiteral("Visualisation"));
    QVERIFY(child<QPushButton>(listing, "CancelBtn")->isHidden());
}

QStringList fourTables()
{
    return {"BERNARD Luc = E2", "DUPONT Jean = N3", "DURAND Marie = O1", "GIRARD Eric = N1",
            "LEROY Paul = N2",  "MARTIN Anne = E1", "MOREAU Louis = S2", "PETIT Claire = O2",
            "ROUX Eve = S1",    "SIMON Leo = S3",   "THOMAS Ana = E3",   "VIDAL Rose = O3",
            "ZOLA Emile = N4",  "ZOLA Jean = S4",   "ZOLA Lou = E4",     "ZOLA Max = O4"};
}

QStringList unseated(const QStringList &lines)
{
    QStringList out;
    for (const QString &line : lines)
        out << line.left(line.indexOf(QStringLiteral(" = ")));
    return out;
}

// A new tournament whose players are seated.
void seated(Application &app, TestPlatform &p, const QStringList &lines)
{
    newTournament(app);
    tournaments::seat(p, app.state(), lines);
}

} // namespace

// "Corriger un nom": the name changes in inscrits.tmp, position.tmp and the register; the seat stays.
class TestRename : public QObject
{
    Q_OBJECT

private slots:
    void bySeatWord()
    {
        TestPlatform p;
        Application app;
        QStringList lines = fourTables();
        lines.removeLast(); // 15 lines: seat words, not numbers
        seated(app, p, lines);
        correct(app, p, QStringLiteral("DUPONT Jean NORD 3"), QStringLiteral("DUPOND Jean NORD 3"));
        const QString question = p.messages.boxes.last().text;
        QCOMPARE(question, QStringLiteral("Vous voulez changer le nom de DUPONT Jean NORD 3 par DUPOND Jean.\r\n"
                                          "En êtes-vous sûr ?"));
        QCOMPARE(p.messages.boxes.last().title, QStringLiteral("Changement de nom"));
        QCOMPARE(p.messages.boxes.last().buttons,
                 Messages::Yes | Messages::No | Messages::Cancel | Messages::NoByDefault);
        QCOMPARE(p.messages.boxes.last().icon, Messages::Icon::Warning);
        QStringList expected = lines;
        expected[1] = QStringLiteral("DUPOND Jean = N3");
        QCOMPARE(p.read(QStringLiteral("position.tmp")), expected);
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), unseated(expected));
        QCOMPARE(app.state().playerRegisterList(), expected);
        QVERIFY(app.state().modified());

        // A name in lower case stays so, and goes to its sorted place everywhere.
        correct(app, p, QStringLiteral("BERNARD Luc EST 2"), QStringLiteral("zorro luc"));
        expected.removeFirst();
        expected.append(QStringLiteral("zorro luc = E2")); // after ZOLA
        QCOMPARE(app.state().playerRegisterList(), expected);
        QCOMPARE(p.read(QStringLiteral("position.tmp")), expected);
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), unseated(expected));
    }

    void byPlayerNumber()
    {
        TestPlatform p;
        Application app;
        seated(app, p, fourTables()); // 16 lines, automatic FFT movements: player numbers
        QVERIFY(app.state().movement().fft);
        correct(app, p, QString::fromUtf8("MOREAU Louis Joueur n° 6"), QStringLiteral("MOREAUX Louis"));
        QCOMPARE(app.state().playerRegisterList().at(6), QStringLiteral("MOREAUX Louis = S2"));
        QVERIFY(p.read(QStringLiteral("position.tmp")).contains(QStringLiteral("MOREAUX Louis = S2")));
        QVERIFY(p.read(QStringLiteral("inscrits.tmp")).contains(QStringLiteral("MOREAUX Louis")));
    }

    void tablesOfAThousandAndMore()
    {
        TestPlatform p;
        Application app;
        seated(app, p, {"ALPHA Un = N1012", "BETA Deux = S1012"});
        correct(app, p, QStringLiteral("ALPHA Un NORD 1012"), QStringLiteral("ALFA Un"));
        QCOMPARE(p.read(QStringLiteral("position.tmp")), (QStringList{"ALFA Un = N1012", "BETA Deux = S1012"}));
    }

    void beforeTheDrawWithoutInscritsOrPositions()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, {{"DUPONT", "Jean"}, {"MARTIN", "Anne"}});
        correct(app, p, QStringLiteral("DUPONT Jean"), QStringLiteral("DUPOND Jean"));
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), (QStringList{"DUPOND Jean", "MARTIN Anne"}));
        QVERIFY(!p.exists(QStringLiteral("position.tmp")));

        QFile::remove(p.path(QStringLiteral("inscrits.tmp"))); // lost: counts as empty, not created
        correct(app, p, QStringLiteral("MARTIN Anne"), QStringLiteral("MARTINE Anne"));
        QCOMPARE(app.state().playerRegisterList(), (QStringList{"DUPOND Jean", "MARTINE Anne"}));
        QVERIFY(!p.exists(QStringLiteral("inscrits.tmp")));
        QVERIFY(p.messages.boxes.size() == 2); // the two questions, no error
    }

    void noOrCancelChangesNothing()
    {
        TestPlatform p;
        Application app;
        seated(app, p, fourTables());
        for (Messages::Button answer : {Messages::No, Messages::Cancel})
            correct(app, p, QStringLiteral("DUPONT Jean Joueur n° 9"), QStringLiteral("DUPOND Jean"), answer);
        QCOMPARE(app.state().playerRegisterList(), fourTables());
        QCOMPARE(p.read(QStringLiteral("position.tmp")), fourTables());

        // Cancel in the listing: no dialog, no question.
        auto &listing = app.window<PlayerListDialog>();
        p.messages.clear();
        drive(listing, choosing(app, "Corriger un nom"), [&] { click(listing, "CancelBtn"); });
        QVERIFY(p.messages.boxes.isEmpty());
    }

    void aNameTheFilesCannotHoldIsRefused()
    {
        TestPlatform p;
        Application app;
        seated(app, p, fourTables());
        auto &listing = app.window<PlayerListDialog>();
        auto &dialog = app.window<RenameDialog>();
        const DialogDriver renaming(dialog, [&] {
            for (const char *bad : {"DUPONT = Jean", "[POSITIONS]", ""}) {
                type(dialog, "Edit1", QString::fromUtf8(bad));
                click(dialog, "OKBtn");
                QVERIFY(dialog.isVisible());
            }
            click(dialog, "CancelBtn");
        });
        drive(listing, choosing(app, "Corriger un nom"), [&] {
            child<QListWidget>(listing, "ListBox1")->setCurrentRow(0);
            click(listing, "OKBtn");
        });
        QCOMPARE(p.messages.boxes.size(), 3);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Nom refusé"));
        QCOMPARE(app.state().playerRegisterList(), fourTables());
    }
};

QTEST_MAIN(TestRename)
#include "test_rename.moc"
