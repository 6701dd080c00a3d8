#include "support/driving.h"

#include "players/addtabledialog.h"
#include "players/completetabledialog.h"
#include "players/entries.h"
#include "players/exchangedialog.h"
#include "players/lastminute.h"

#include <QComboBox>
#include <QSpinBox>

namespace {

QString lineAt(const QStringList &list, const QString &code)
{
    for (const QString &line : list)
        if (line.endsWith(QStringLiteral(" = ") + code))
            return line;
    return {};
}

// Types the four players of a table into "Ajouter une table".
void typeTable(QWidget &dialog, const QStringList &surnames, const QStringList &firstNames)
{
    static const char *surnameEdits[] = {"Edit1", "Edit2", "Edit3", "Edit4"};
    static const char *firstNameEdits[] = {"Edit5", "Edit6", "Edit7", "Edit8"};
    for (int i = 0; i < 4; ++i) {
        type(dialog, firstNameEdits[i], firstNames.value(i));
        type(dialog, surnameEdits[i], surnames.value(i));
    }
}

} // namespace

// Late players on the empty chairs, tables added, seats exchanged.
class TestLastMinute : public QObject
{
    Q_OBJECT

private slots:
    void latePlayersFillTheEmptyChairsInOrder()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 9); // three empty chairs
        QVERIFY(shown(app, "Compléter une table"));
        auto &dialog = app.window<CompleteTableDialog>();

        // Cancel keeps the chair and the command.
        drive(dialog, choosing(app, "Compléter une table"), [&] { click(dialog, "CancelBtn"); });
        QCOMPARE(lastminuteChairs(app), 3);
        QVERIFY(shown(app, "Compléter une table"));

        const QStringList late = {"retard", "tardif", "dernier"};
        const QStringList seats = {"NORD 1", "NORD 2", "NORD 3"};
        for (int i = 0; i < 3; ++i) {
            drive(dialog, choosing(app, "Compléter une table"), [&, i] {
                QCOMPARE(child<QLineEdit>(dialog, "Edit3")->text(), seats[i]);
                QVERIFY(child<QLineEdit>(dialog, "Edit1")->text().isEmpty());
                type(dialog, "Edit1", QStringLiteral("   ") + late[i]);
                type(dialog, "Edit2", QStringLiteral("aNNE"));
                click(dialog, "OKBtn");
            });
        }
        const QStringList texts = p.messages.texts();
        QCOMPARE(texts.mid(1),
                 (QStringList{"3 places sont disponibles.", "2 places sont disponibles.", "Une place est disponible"}));
        QCOMPARE(p.messages.boxes[1].title, QStringLiteral("Tables incomplètes !"));
        QCOMPARE(p.messages.boxes[3].title, QStringLiteral("Table incomplète !"));
        QCOMPARE(p.messages.boxes[3].icon, Messages::Icon::Information);
        const QStringList &list = app.state().playerRegisterList();
        QCOMPARE(lineAt(list, QStringLiteral("N1")), QStringLiteral("RETARD Anne = N1"));
        QCOMPARE(lineAt(list, QStringLiteral("N2")), QStringLiteral("TARDIF Anne = N2"));
        QCOMPARE(lineAt(list, QStringLiteral("N3")), QStringLiteral("DERNIER Anne = N3"));
        QCOMPARE(list.size(), 12);
        QVERIFY(std::is_sorted(list.begin(), list.end(), entries::less));
        QVERIFY(!shown(app, "Compléter une table"));
        QVERIFY(!usable(app, "&Inscription"));
        // Nothing is lost on a crash: the files follow at once.
        QCOMPARE(p.read(QStringLiteral("position.tmp")), list);
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).mid(9),
                 (QStringList{"RETARD Anne", "TARDIF Anne", "DERNIER Anne"}));
    }

    void aLatePlayerWithABadNameIsRefused()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 7);
        auto &dialog = app.window<CompleteTableDialog>();
        drive(dialog, choosing(app, "Compléter une table"), [&] {
            type(dialog, "Edit1", QStringLiteral("   "));
            click(dialog, "OKBtn");
            QVERIFY(dialog.isVisible());
            type(dialog, "Edit1", QStringLiteral("X=Y"));
            click(dialog, "OKBtn");
            QVERIFY(dialog.isVisible());
            click(dialog, "CancelBtn");
        });
        QCOMPARE(p.messages.boxes.size(), 3);
        QVERIFY(p.messages.boxes[1].text.contains(QStringLiteral("vide")));
        QVERIFY(p.messages.boxes[2].text.contains(QStringLiteral("=")));
        QCOMPARE(lastminuteChairs(app), 1);
        QVERIFY(shown(app, "Compléter une table"));
    }

    void tablesAreAddedAfterTheExistingOnes()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 12);
        auto &dialog = app.window<AddTableDialog>();
        drive(dialog, choosing(app, "Ajouter une table"), [&] {
            QCOMPARE(child<QLineEdit>(dialog, "Edit9")->text(), QStringLiteral("4"));
            QVERIFY(!child<QPushButton>(dialog, "Button1")->isEnabled());
            typeTable(dialog, {"NORD", "SUD", "EST", "OUEST"}, {"nicolas", "sarah", "eve", ""});
            QCOMPARE(child<QLineEdit>(dialog, "Edit5")->text(), QStringLiteral("Nicolas"));
            click(dialog, "Button1");
            QCOMPARE(child<QLineEdit>(dialog, "Edit9")->text(), QStringLiteral("5"));
            QVERIFY(child<QLineEdit>(dialog, "Edit1")->text().isEmpty());
            typeTable(dialog, {"CINQ", "CINQ", "CINQ", "CINQ"}, {"a", "b", "c", "d"});
            click(dialog, "Button2"); // Effacer keeps the table number
            QVERIFY(child<QLineEdit>(dialog, "Edit1")->text().isEmpty());
            QCOMPARE(child<QLineEdit>(dialog, "Edit9")->text(), QStringLiteral("5"));
            typeTable(dialog, {"CINQ", "CINQ", "CINQ"}, {"a", "b", "c"});
            click(dialog, "CloseBtn"); // three surnames: no question, nothing stored
        });
        QVERIFY(p.messages.boxes.isEmpty());
        const QStringList &list = app.state().playerRegisterList();
        QCOMPARE(list.size(), 16);
        QCOMPARE(lineAt(list, QStringLiteral("N4")), QStringLiteral("NORD Nicolas = N4"));
        QCOMPARE(lineAt(list, QStringLiteral("S4")), QStringLiteral("SUD Sarah = S4"));
        QCOMPARE(lineAt(list, QStringLiteral("E4")), QStringLiteral("EST Eve = E4"));
        QCOMPARE(lineAt(list, QStringLiteral("O4")), QStringLiteral("OUEST  = O4"));
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")).mid(12),
                 (QStringList{"NORD Nicolas", "OUEST ", "SUD Sarah", "EST Eve"}));
        QCOMPARE(p.read(QStringLiteral("position.tmp")), list);
        QVERIFY(std::is_sorted(list.begin(), list.end(), entries::less));
    }

    void aTournamentBuiltFromTablesAlone()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        auto &dialog = app.window<AddTableDialog>();
        // Closed without a table: the menus stay as they were.
        drive(dialog, choosing(app, "Ajouter une table"), [&] { click(dialog, "CloseBtn"); });
        QVERIFY(usable(app, "&Inscription"));
        QVERIFY(!usable(app, "&Attribuer les positions"));
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Tables"))->isEnabled());
        QVERIFY(!p.exists(QStringLiteral("position.tmp")));

        p.messages.answers = {Messages::Yes};
        drive(dialog, choosing(app, "Ajouter une table"), [&] {
            QCOMPARE(child<QLineEdit>(dialog, "Edit9")->text(), QStringLiteral("1"));
            typeTable(dialog, {"A", "B", "C", "D"}, {"a", "b", "c", "d"});
            click(dialog, "CloseBtn"); // four surnames: asked, and stored on Yes
        });
        QCOMPARE(p.messages.boxes.size(), 2);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Ajout d'une table"));
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Enregistrer la table en cours ?"));
        QCOMPARE(p.messages.boxes[1].text,
                 QStringLiteral("Je n'ai trouvé aucun inscrit.\r\nOuverture des inscriptions."));
        QCOMPARE(app.state().playerRegisterList(), (QStringList{"A A = N1", "B B = S1", "C C = E1", "D D = O1"}));
        QVERIFY(shown(app, "&Annuler l'attribution"));
        QVERIFY(shown(app, "Echanger les positions"));
        QVERIFY(!usable(app, "&Inscription"));
        QVERIFY(!shown(app, "&Attribuer les positions"));
        QVERIFY(findAction(&app.mainWindow(), QStringLiteral("Tables"))->isEnabled());
        QVERIFY(!findAction(&app.mainWindow(), QStringLiteral("Classements"))->isEnabled()); // no score yet
    }

    void noTableWhileRegisteredPlayersWaitForTheirSeats()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, numberedPlayers(6));
        choose(app, "Ajouter une table");
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("ajout d'une table"));
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("vous devez attribuer les positions"));
        QCOMPARE(app.state().playerRegisterList().size(), 6);
    }

    void exchangeFindsTheWholeSeatCode()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 48); // 12 tables
        const QStringList before = app.state().playerRegisterList();
        auto &dialog = app.window<ExchangeDialog>();
        const auto name = [&](const char *code) {
            const QString line = lineAt(before, QString::fromLatin1(code));
            return line.left(line.indexOf(QStringLiteral(" = ")));
        };
        drive(dialog, choosing(app, "Echanger les positions"), [&] {
            auto *letter1 = child<QComboBox>(dialog, "ComboBox1");
            auto *letter2 = child<QComboBox>(dialog, "ComboBox2");
            auto *table1 = child<QSpinBox>(dialog, "SpinEdit1");
            auto *table2 = child<QSpinBox>(dialog, "SpinEdit2");
            QCOMPARE(letter1->currentText(), QStringLiteral("NORD"));
            QCOMPARE(letter2->currentText(), QStringLiteral("SUD"));
            QCOMPARE(table1->maximum(), 12);
            QCOMPARE(child<QLineEdit>(dialog, "Edit1")->text(), name("N1"));
            QCOMPARE(child<QLineEdit>(dialog, "Edit2")->text(), name("S1"));
            QVERIFY(child<QPushButton>(dialog, "OKBtn")->isEnabled());
            for (int t = 12; t >= 1; --t) { // N1 is never N10, N11 or N12
                table1->setValue(t);
                QCOMPARE(child<QLineEdit>(dialog, "Edit1")->text(), name(qPrintable(QStringLiteral("N%1").arg(t))));
            }
            letter2->setCurrentIndex(0);
            table2->setValue(10);
            QCOMPARE(child<QLineEdit>(dialog, "Edit2")->text(), name("N10"));
            table2->setValue(1); // the same seat twice
            QCOMPARE(child<QLineEdit>(dialog, "Edit2")->text(), name("N1"));
            QVERIFY(!child<QPushButton>(dialog, "OKBtn")->isEnabled());
            table1->setValue(2);
            letter2->setCurrentIndex(1);
            table2->setValue(5);
            click(dialog, "OKBtn");
        });
        const QStringList &list = app.state().playerRegisterList();
        QCOMPARE(lineAt(list, QStringLiteral("N2")), name("S5") + QStringLiteral(" = N2"));
        QCOMPARE(lineAt(list, QStringLiteral("S5")), name("N2") + QStringLiteral(" = S5"));
        for (int i = 0; i < list.size(); ++i) // every other line where it stood
            if (!list[i].endsWith(QStringLiteral(" = N2")) && !list[i].endsWith(QStringLiteral(" = S5")))
                QCOMPARE(list[i], before[i]);
        QCOMPARE(p.read(QStringLiteral("position.tmp")), list);
        QVERIFY(app.state().modified());
        QVERIFY(!usable(app, "&Inscription"));

        // The selections stay for the next time; Cancel changes nothing.
        drive(dialog, choosing(app, "Echanger les positions"), [&] {
            QCOMPARE(child<QComboBox>(dialog, "ComboBox2")->currentText(), QStringLiteral("SUD"));
            QCOMPARE(child<QSpinBox>(dialog, "SpinEdit2")->value(), 5);
            QCOMPARE(child<QLineEdit>(dialog, "Edit2")->text(), name("N2"));
            click(dialog, "CancelBtn");
        });
        QCOMPARE(app.state().playerRegisterList(), list);
    }

    void anEmptyChairCanBeExchanged()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 7); // the empty chair at N1
        auto &dialog = app.window<ExchangeDialog>();
        const QString o2 = lineAt(app.state().playerRegisterList(), QStringLiteral("O2"));
        drive(dialog, choosing(app, "Echanger les positions"), [&] {
            child<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(0);
            child<QSpinBox>(dialog, "SpinEdit1")->setValue(1);
            child<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(3);
            child<QSpinBox>(dialog, "SpinEdit2")->setValue(2);
            QCOMPARE(child<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral(" CHAISE VIDE 1"));
            click(dialog, "OKBtn");
        });
        const QStringList &list = app.state().playerRegisterList();
        QCOMPARE(lineAt(list, QStringLiteral("O2")), QStringLiteral(" CHAISE VIDE 1 = O2"));
        QCOMPARE(lineAt(list, QStringLiteral("N1")),
                 o2.left(o2.indexOf(QStringLiteral(" = "))) + QStringLiteral(" = N1"));
        // The late player then takes the chair where it now stands.
        auto &complete = app.window<CompleteTableDialog>();
        drive(complete, choosing(app, "Compléter une table"), [&] {
            QCOMPARE(child<QLineEdit>(complete, "Edit3")->text(), QStringLiteral("OUEST 2"));
            type(complete, "Edit1", QStringLiteral("TARD"));
            click(complete, "OKBtn");
        });
        QCOMPARE(lineAt(app.state().playerRegisterList(), QStringLiteral("O2")), QStringLiteral("TARD  = O2"));
    }

    void majdialMatchesTheWholeSeatCode()
    {
        QStringList list = {"A = N10", "B = N1", "C = N11", "D = N12", "E = S1", "F = S10", "G = E1", "H = O1"};
        for (int i = 8; i < 48; ++i)
            list << QStringLiteral("X%1 = S%2").arg(i).arg(i);
        list << QStringLiteral("LAST = N1"); // outside the complete groups of four
        const lastminute::SeatLookup found =
            lastminute::refreshExchange(list, QStringLiteral(" = N1"), QStringLiteral(" = S1"));
        QCOMPARE(found.name1, QStringLiteral("B"));
        QCOMPARE(found.index1, 1);
        QCOMPARE(found.name2, QStringLiteral("E"));
        QVERIFY(found.ok());
        const lastminute::SeatLookup same =
            lastminute::refreshExchange(list, QStringLiteral(" = N1"), QStringLiteral(" = N1"));
        QCOMPARE(same.name2, QStringLiteral("B"));
        QVERIFY(!same.ok());
        QVERIFY(!lastminute::refreshExchange(list, QStringLiteral(" = N13"), QStringLiteral(" = S1")).ok());
    }

private:
    static int lastminuteChairs(Application &app)
    {
        return int(std::count_if(app.state().playerRegisterList().begin(), app.state().playerRegisterList().end(),
                                 entries::isEmptyChair));
    }
};

QTEST_MAIN(TestLastMinute)
#include "test_lastminute.moc"
