#include "incidents/exclusiondialog.h"
#include "incidents/penaltydialog.h"
#include "incidents/swapdialog.h"
#include "incidents/swapreminderdialog.h"
#include "rankings/ranking.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// Four tables, the first two with an empty chair at Nord.
const QStringList seated = {
    QStringLiteral(" CHAISE VIDE 1 = N1"), QStringLiteral(" CHAISE VIDE 2 = N2"), QStringLiteral("ARNAUD Lucie = S1"),
    QStringLiteral("BERNARD Luc = E1"),    QStringLiteral("BLANC Pierre = O1"),   QStringLiteral("DUPONT Jean = S2"),
    QStringLiteral("DURAND Marie = E2"),   QStringLiteral("FABRE Alain = O2"),    QStringLiteral("GIRARD Eric = N3"),
    QStringLiteral("LEROY Paul = S3"),     QStringLiteral("MARTIN Anne = E3"),    QStringLiteral("MOREAU Louis = O3"),
    QStringLiteral("PETIT Claire = N4"),   QStringLiteral("ROUX Emma = S4"),      QStringLiteral("SIMON Hugo = E4"),
    QStringLiteral("VINCENT Rose = O4")};

void pick(QComboBox *box, const QString &text)
{
    const int i = box->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    box->setCurrentIndex(i);
}

QStringList items(QComboBox *box)
{
    QStringList list;
    for (int i = 0; i < box->count(); ++i)
        list << box->itemText(i);
    return list;
}

// The SCORE cell of the player named name ("DUPONT Jean"); "absent" when he has no row.
QString scoreOf(const RankingTable &table, const QString &name)
{
    for (const QStringList &row : table.rows())
        if (row.at(0).trimmed() == name)
            return row.at(2);
    return QStringLiteral("absent");
}

// Every round the same scores, each table summing to zero.
const QStringList roundScores = {
    QStringLiteral("N1=0"),  QStringLiteral("S1=20"),  QStringLiteral("E1=-10"), QStringLiteral("O1=-10"),
    QStringLiteral("N2=0"),  QStringLiteral("S2=30"),  QStringLiteral("E2=-20"), QStringLiteral("O2=-10"),
    QStringLiteral("N3=40"), QStringLiteral("S3=-20"), QStringLiteral("E3=-10"), QStringLiteral("O3=-10"),
    QStringLiteral("N4=10"), QStringLiteral("S4=10"),  QStringLiteral("E4=-30"), QStringLiteral("O4=10")};

} // namespace

// The three incident dialogs and the reminder, driven from the "Tables" menu.
class TestIncidentDialogs : public QObject
{
    Q_OBJECT

    // Runs the command; while its dialog is up, steps() plays the director.
    template<class D>
    void run(Application &app, const char *caption, std::function<void(D &)> steps)
    {
        bool driven = false;
        drive<D>(app, caption, [&](D &dialog) {
            QVERIFY(dialog.isVisible());
            steps(dialog);
            driven = true;
        });
        QVERIFY(driven);
        QVERIFY(!app.window<D>().isVisible());
    }

private slots:
    void penaltyListAndValue()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            auto *list = child<QComboBox>(d, "ComboBox1");
            QCOMPARE(list->count(), 16);
            QCOMPARE(list->itemText(0), QStringLiteral(" "));
            QCOMPARE(list->itemText(1), QStringLiteral(" "));
            QCOMPARE(list->itemText(2), QStringLiteral("ARNAUD Lucie SUD 1"));
            QCOMPARE(list->itemText(15), QStringLiteral("VINCENT Rose OUEST 4"));
            QCOMPARE(list->currentIndex(), -1);
            auto *value = child<QSpinBox>(d, "SpinEdit1");
            QCOMPARE(value->value(), -150);
            QCOMPARE(value->minimum(), -5000);
            QCOMPARE(value->maximum(), 5000);
            value->setValue(-75);
            child<QPushButton>(d, "HelpBtn")->click();
            pressF1(d);
        });
        QCOMPARE(p.help.keywords, (QStringList{QStringLiteral("incident"), QStringLiteral("sommaire")}));
        QVERIFY(!p.exists(QStringLiteral("penal.tmp")));
        QVERIFY(!app.state().modified()); // Cancel records nothing

        // The value stays as the director left it; the list is refilled, never doubled.
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            QCOMPARE(child<QSpinBox>(d, "SpinEdit1")->value(), -75);
            QCOMPARE(child<QComboBox>(d, "ComboBox1")->count(), 16);
        });
    }

    void bonusAndPenalty()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("DUPONT Jean SUD 2"));
            child<QSpinBox>(d, "SpinEdit1")->setValue(50);
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Attention pénalité positive !"));
        QCOMPARE(p.messages.boxes[0].text,
                 QStringLiteral("Etes-vous sûr de vouloir AVANTAGER DUPONT Jean SUD 2 de 50 points."));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Warning);
        QCOMPARE(p.messages.boxes[0].buttons, Messages::Yes | Messages::No);

        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("SIMON Hugo EST 4"));
            auto *value = child<QSpinBox>(d, "SpinEdit1");
            QCOMPARE(value->value(), 50);
            // Typed, not yet confirmed by leaving the box.
            value->selectAll();
            QTest::keyClicks(value, QStringLiteral("-20"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 2);
        QCOMPARE(p.messages.boxes[1].title, QStringLiteral("pénalité pour faute de jeu"));
        QCOMPARE(p.messages.boxes[1].text, QStringLiteral("Vous pénalisez SIMON Hugo EST 4 de -20 points."));
        QCOMPARE(p.messages.boxes[1].icon, Messages::Icon::Question);
        QCOMPARE(p.read(QStringLiteral("penal.tmp")), (QStringList{QStringLiteral("S2=50"), QStringLiteral("E4=-20")}));
        QVERIFY(app.state().modified());
    }

    // A seat word between blanks in a name ("DU NORD", "LE SUD") is no seat: such players are
    // picked like any other.
    void namesHoldingASeatWordArePicked()
    {
        TestPlatform p;
        Application app;
        QStringList withSeatWords = seated;
        withSeatWords[5] = QStringLiteral("DU SUD Jean = S2");
        withSeatWords[8] = QStringLiteral("LE NORD Eric = N3");
        tournaments::seat(p, app, withSeatWords);
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("DU SUD Jean SUD 2"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("LE NORD Eric NORD 3"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.bytes(QStringLiteral("penal.tmp")), QByteArray("S2=-150\r\n"));
        QCOMPARE(p.bytes(QStringLiteral("exclu.tmp")), QByteArray("N3\r\n"));
    }

    void penaltyRecordsNothing()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        // Value 0: no question, nothing written, yet the tournament counts as changed.
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("LEROY Paul SUD 3"));
            child<QSpinBox>(d, "SpinEdit1")->setValue(0);
            child<QPushButton>(d, "OKBtn")->click();
            QVERIFY(!d.isVisible());
        });
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(!p.exists(QStringLiteral("penal.tmp")));
        QVERIFY(app.state().modified());

        // No: nothing written, the dialog closes.
        p.messages.answers = {Messages::No};
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("LEROY Paul SUD 3"));
            child<QSpinBox>(d, "SpinEdit1")->setValue(-150);
            child<QPushButton>(d, "OKBtn")->click();
            QVERIFY(!d.isVisible());
        });
        QCOMPARE(p.messages.boxes.size(), 1);
        QVERIFY(!p.exists(QStringLiteral("penal.tmp")));

        // Nobody picked, then an empty chair: told why, the dialog stays for another pick.
        p.messages.clear();
        run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
            auto *list = child<QComboBox>(d, "ComboBox1");
            child<QPushButton>(d, "OKBtn")->click();
            QVERIFY(d.isVisible());
            list->setCurrentIndex(1);
            child<QPushButton>(d, "OKBtn")->click();
            QVERIFY(d.isVisible());
            pick(list, QStringLiteral("ROUX Emma SUD 4"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 3);
        for (int i : {0, 1}) {
            QCOMPARE(p.messages.boxes[i].icon, Messages::Icon::Warning);
            QCOMPARE(p.messages.boxes[i].buttons, int(Messages::Ok));
        }
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("Aucun joueur")));
        QVERIFY(p.messages.boxes[1].text.contains(QStringLiteral("chaise vide")));
        QCOMPARE(p.read(QStringLiteral("penal.tmp")), QStringList{QStringLiteral("S4=-150")});
    }

    void reminderThenSwap()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        arrange(app.state(), [](Tournament::Data &d) {
            d.scoreList = {QStringLiteral("N2=40"),  QStringLiteral("S2=-10"), QStringLiteral("E2=-20"),
                           QStringLiteral("O2=-10"), QStringLiteral("N3=5"),   QStringLiteral("S3=25"),
                           QStringLiteral("E3=-15"), QStringLiteral("O3=-15")};
        });
        auto &swap = app.window<SwapDialog>();
        run<SwapReminderDialog>(app, "intervertir &deux joueurs", [&](SwapReminderDialog &reminder) {
            QCOMPARE(reminder.windowTitle(), QStringLiteral("Dialogue"));
            QStringList texts;
            for (int i = 1; i <= 8; ++i)
                texts << child<QLabel>(reminder, qPrintable(QStringLiteral("Label%1").arg(i)))->text();
            QCOMPARE(texts, (QStringList{QStringLiteral("RAPPEL"),
                                         QStringLiteral("Cette option vous permet d'inverser deux scores"),
                                         QStringLiteral("lorsque deux joueurs ont permuté  leur  position."),
                                         QStringLiteral("Par exemple,  si Sud 2 s'est installé à la table où"),
                                         QStringLiteral("devait jouer  Sud   3   et  inversement."), QString(),
                                         QStringLiteral("Vous devez  donc  d'abord  saisir les scores de "),
                                         QStringLiteral("chacune des tables  puis  utiliser cette option.")}));
            QVERIFY(!reminder.findChild<QPushButton *>(QStringLiteral("HelpBtn")));
            drive(swap, clicking(reminder, "OKBtn"), [&] {
                QVERIFY(swap.isVisible());
                QCOMPARE(swap.windowTitle(), QStringLiteral("Inversion de deux joueurs"));
                auto *first = child<QComboBox>(swap, "ComboBox1");
                auto *second = child<QComboBox>(swap, "ComboBox2");
                QCOMPARE(items(second), items(first));
                QCOMPARE(second->currentIndex(), -1);
                pick(first, QStringLiteral("DUPONT Jean SUD 2"));
                pick(second, QStringLiteral("LEROY Paul SUD 3"));
                child<QPushButton>(swap, "OKBtn")->click();
            });
            QVERIFY(!swap.isVisible());
            QVERIFY(!reminder.isVisible()); // closes with the swap
        });
        const QStringList swapped = {QStringLiteral("N2=40"),  QStringLiteral("S3=-10"), QStringLiteral("E2=-20"),
                                     QStringLiteral("O2=-10"), QStringLiteral("N3=5"),   QStringLiteral("S2=25"),
                                     QStringLiteral("E3=-15"), QStringLiteral("O3=-15")};
        QCOMPARE(p.read(QStringLiteral("tour.tmp")), swapped);
        QCOMPARE(app.state().scoreList(), swapped);
        QVERIFY(p.messages.boxes.isEmpty());
        QVERIFY(app.state().modified());

        // A second opening lists every player once.
        run<SwapReminderDialog>(app, "intervertir &deux joueurs", [&](SwapReminderDialog &reminder) {
            drive(swap, clicking(reminder, "OKBtn"), [&] {
                QCOMPARE(child<QComboBox>(swap, "ComboBox1")->count(), 16);
                QCOMPARE(child<QComboBox>(swap, "ComboBox2")->count(), 16);
                child<QPushButton>(swap, "CancelBtn")->click();
            });
        });
        QCOMPARE(p.read(QStringLiteral("tour.tmp")), swapped);
    }

    void helpOfTheSwapAndExclusion()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        run<SwapReminderDialog>(app, "intervertir &deux joueurs", [&](SwapReminderDialog &reminder) {
            pressF1(reminder);
            auto &swap = app.window<SwapDialog>();
            drive(swap, clicking(reminder, "OKBtn"), [&] {
                child<QPushButton>(swap, "HelpBtn")->click();
                pressF1(swap);
                swap.reject();
            });
        });
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            child<QPushButton>(d, "HelpBtn")->click();
            pressF1(d);
        });
        QCOMPARE(p.help.keywords.join(QLatin1Char(' ')),
                 QStringLiteral("sommaire incident sommaire incident sommaire"));
    }

    void swapRefused()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        arrange(app.state(), [](Tournament::Data &d) {
            d.scoreList = {QStringLiteral("N3=60"), QStringLiteral("S3=-20"), QStringLiteral("E3=-20"),
                           QStringLiteral("O3=-20")};
        });
        const QStringList before = app.state().scoreList();
        auto &swap = app.window<SwapDialog>();
        auto swapping = [&](std::function<void()> inSwap) {
            run<SwapReminderDialog>(app, "intervertir &deux joueurs", [&](SwapReminderDialog &reminder) {
                drive(swap, clicking(reminder, "OKBtn"), inSwap);
            });
        };
        // The same player twice: said so, the dialog stays for another pick.
        swapping([&] {
            pick(child<QComboBox>(swap, "ComboBox1"), QStringLiteral("LEROY Paul SUD 3"));
            pick(child<QComboBox>(swap, "ComboBox2"), QStringLiteral("LEROY Paul SUD 3"));
            child<QPushButton>(swap, "OKBtn")->click();
            QVERIFY(swap.isVisible());
        });
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Impossible d'intervertir !"));
        QVERIFY(p.messages.boxes[0].text.contains(QStringLiteral("deux fois le même joueur")));

        // A player of table 4, whose scores are not entered yet.
        swapping([&] {
            pick(child<QComboBox>(swap, "ComboBox1"), QStringLiteral("LEROY Paul SUD 3"));
            pick(child<QComboBox>(swap, "ComboBox2"), QStringLiteral("ROUX Emma SUD 4"));
            child<QPushButton>(swap, "OKBtn")->click();
            QVERIFY(!swap.isVisible());
        });
        QCOMPARE(p.messages.boxes.size(), 2);
        QCOMPARE(p.messages.boxes[1].title, QStringLiteral("Impossible d'intervertir !"));
        QCOMPARE(p.messages.boxes[1].text, QStringLiteral("Vous n'avez pas saisi les scores des joueurs !"));
        QCOMPARE(p.messages.boxes[1].icon, Messages::Icon::Warning);
        QCOMPARE(p.messages.boxes[1].buttons, int(Messages::Ok));

        // The second player not picked.
        swapping([&] {
            pick(child<QComboBox>(swap, "ComboBox1"), QStringLiteral("LEROY Paul SUD 3"));
            child<QPushButton>(swap, "OKBtn")->click();
            QVERIFY(swap.isVisible());
        });
        QCOMPARE(p.messages.boxes.size(), 3);
        QVERIFY(p.messages.boxes[2].text.contains(QStringLiteral("Aucun joueur")));

        QCOMPARE(app.state().scoreList(), before);
        QVERIFY(!p.exists(QStringLiteral("tour.tmp")));
        QVERIFY(app.state().modified());
    }

    void exclusionAndRecovery()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Exclusion/Abandon d'un joueur"));
            QStringList labels;
            for (QLabel *label : d.findChildren<QLabel *>())
                labels << label->text();
            QCOMPARE(labels, (QStringList{QStringLiteral("Sélectionnez le joueur à exclure"),
                                          QStringLiteral("Cette option ne supprime pas les scores mais"),
                                          QStringLiteral("interdit l'affichage de son classement."),
                                          QStringLiteral("Pour annuler l'effet des exclusions, cliquez sur :")}));
            auto *list = child<QComboBox>(d, "ComboBox1");
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->itemText(0), QStringLiteral(" "));
            pick(list, QStringLiteral("DURAND Marie EST 2"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), 1);
        QCOMPARE(p.messages.boxes[0].title, QStringLiteral("Exclusion/abandon"));
        QCOMPARE(p.messages.boxes[0].text, QStringLiteral("Vous excluez DURAND Marie EST 2. En êtes-vous sûr ?"));
        QCOMPARE(p.messages.boxes[0].icon, Messages::Icon::Question);
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")), QStringList{QStringLiteral("E2")});

        // No, then nobody picked: nothing more written.
        p.messages.answers = {Messages::No};
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("GIRARD Eric NORD 3"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            child<QPushButton>(d, "OKBtn")->click();
            QVERIFY(d.isVisible());
            QVERIFY(p.messages.boxes.last().text.contains(QStringLiteral("Aucun joueur")));
        });
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")), QStringList{QStringLiteral("E2")});

        // "Récupérer les exclus": the file goes, the dialog stays; a new exclusion starts a new file.
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = false; });
        const int boxes = int(p.messages.boxes.size());
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            child<QPushButton>(d, "RecupererBtn")->click();
            QVERIFY(d.isVisible());
            QVERIFY(!p.exists(QStringLiteral("exclu.tmp")));
            QVERIFY(app.state().modified());
            child<QPushButton>(d, "RecupererBtn")->click(); // nothing left to lift
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("VINCENT Rose OUEST 4"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.boxes.size(), boxes + 1); // the question only
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")), QStringList{QStringLiteral("O4")});
    }

    void incidentsInBothRankings()
    {
        TestPlatform p;
        Application app;
        tournaments::seat(p, app, seated);
        // Two rounds finished, the third entered.
        p.write(QStringLiteral("tour1.tmp"), roundScores);
        p.write(QStringLiteral("tour2.tmp"), roundScores);
        p.write(QStringLiteral("tour.tmp"), roundScores);
        QVERIFY(app.state().loadRoundsAndIncidents(platform().files).ok());
        arrange(app.state(), [&](Tournament::Data &d) { d.currentRound = 3; });
        auto penalise = [&](const char *entry, int value) {
            run<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
                pick(child<QComboBox>(d, "ComboBox1"), QString::fromUtf8(entry));
                child<QSpinBox>(d, "SpinEdit1")->setValue(value);
                child<QPushButton>(d, "OKBtn")->click();
            });
        };
        penalise("DUPONT Jean SUD 2", 50);
        penalise("SIMON Hugo EST 4", -20);
        penalise("LEROY Paul SUD 3", -150);
        penalise("LEROY Paul SUD 3", -150);

        RankingTable general = buildGeneralRanking(app.state());
        QCOMPARE(scoreOf(general, QStringLiteral("DUPONT Jean")), QStringLiteral("140")); // 3 × 30 + 50
        QCOMPARE(general.cell(0, 0).trimmed(), QStringLiteral("DUPONT Jean"));            // the bonus puts him first
        QCOMPARE(scoreOf(general, QStringLiteral("SIMON Hugo")), QStringLiteral("-110"));
        QCOMPARE(scoreOf(general, QStringLiteral("LEROY Paul")), QStringLiteral("-360")); // both penalties
        QCOMPARE(scoreOf(general, QStringLiteral("GIRARD Eric")), QStringLiteral("120"));
        for (int round = 1; round <= 3; ++round) {
            const RankingTable ofRound = roundRanking(app.state(), round);
            QCOMPARE(scoreOf(ofRound, QStringLiteral("DUPONT Jean")), QStringLiteral("30"));
            QCOMPARE(scoreOf(ofRound, QStringLiteral("LEROY Paul")), QStringLiteral("-20"));
        }

        // Excluded during round 3: "EXCLU" in the general ranking and in every round, the first included.
        run<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
            pick(child<QComboBox>(d, "ComboBox1"), QStringLiteral("DURAND Marie EST 2"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        general = buildGeneralRanking(app.state());
        QCOMPARE(scoreOf(general, QStringLiteral("DURAND Marie")), QStringLiteral("EXCLU"));
        QCOMPARE(scoreOf(general, QStringLiteral("DUPONT Jean")), QStringLiteral("140"));
        for (int round = 1; round <= 3; ++round)
            QCOMPARE(scoreOf(roundRanking(app.state(), round), QStringLiteral("DURAND Marie")),
                     QStringLiteral("EXCLU"));
        QCOMPARE(p.read(QStringLiteral("tour1.tmp")), roundScores); // his scores stay

        // Swapped in round 3 only.
        run<SwapReminderDialog>(app, "intervertir &deux joueurs", [&](SwapReminderDialog &reminder) {
            auto &swap = app.window<SwapDialog>();
            drive(swap, clicking(reminder, "OKBtn"), [&] {
                pick(child<QComboBox>(swap, "ComboBox1"), QStringLiteral("DUPONT Jean SUD 2"));
                pick(child<QComboBox>(swap, "ComboBox2"), QStringLiteral("LEROY Paul SUD 3"));
                child<QPushButton>(swap, "OKBtn")->click();
            });
        });
        QCOMPARE(scoreOf(roundRanking(app.state(), 3), QStringLiteral("DUPONT Jean")), QStringLiteral("-20"));
        QCOMPARE(scoreOf(roundRanking(app.state(), 2), QStringLiteral("DUPONT Jean")), QStringLiteral("30"));
        general = buildGeneralRanking(app.state());
        QCOMPARE(scoreOf(general, QStringLiteral("DUPONT Jean")), QStringLiteral("90"));  // 30 + 30 - 20 + 50
        QCOMPARE(scoreOf(general, QStringLiteral("LEROY Paul")), QStringLiteral("-310")); // -20 - 20 + 30 - 300

        // "Récupérer les exclus": the totals are back everywhere.
        run<ExclusionDialog>(app, "&Exclure un joueur",
                             [&](ExclusionDialog &d) { child<QPushButton>(d, "RecupererBtn")->click(); });
        QCOMPARE(scoreOf(buildGeneralRanking(app.state()), QStringLiteral("DURAND Marie")), QStringLiteral("-60"));
        for (int round = 1; round <= 3; ++round)
            QCOMPARE(scoreOf(roundRanking(app.state(), round), QStringLiteral("DURAND Marie")), QStringLiteral("-20"));
    }
};

QTEST_MAIN(TestIncidentDialogs)
#include "test_incidentdialogs.moc"
