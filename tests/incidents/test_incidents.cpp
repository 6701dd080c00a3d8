#include "incidents/incidents.h"
#include "support/testing.h"
#include "tournament/tournament.h"

#include <QTest>

// The incident rules, on real files in a temporary working directory.
class TestIncidents : public QObject
{
    Q_OBJECT

private slots:
    void pickListIsSortedWithBlankChairsFirst()
    {
        const QStringList position = {QStringLiteral("MARTIN Anne = E1"),    QStringLiteral(" CHAISE VIDE 2 = N2"),
                                      QStringLiteral("dupont Jean = S1"),    QStringLiteral("ÉTIENNE Luc = O2"),
                                      QStringLiteral(" CHAISE VIDE 1 = N1"), QStringLiteral("BERNARD Luc = O1"),
                                      QStringLiteral("DURAND Marie = S2"),   QStringLiteral("LEROY Paul = E2")};
        const QStringList expected = {QStringLiteral(" "),
                                      QStringLiteral(" "),
                                      QStringLiteral("BERNARD Luc OUEST 1"),
                                      QStringLiteral("dupont Jean SUD 1"),
                                      QStringLiteral("DURAND Marie SUD 2"),
                                      QStringLiteral("ÉTIENNE Luc OUEST 2"),
                                      QStringLiteral("LEROY Paul EST 2"),
                                      QStringLiteral("MARTIN Anne EST 1")};
        QCOMPARE(incidents::pickList(position), expected);
        // After "Annuler l'attribution" position.tmp holds bare player entries.
        QCOMPARE(incidents::pickList({QStringLiteral("PETIT Claire"), QStringLiteral("GIRARD Eric")}),
                 (QStringList{QStringLiteral("GIRARD Eric"), QStringLiteral("PETIT Claire")}));
    }

    void seatCodeOfPick_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("seatCode");
        QTest::addColumn<QString>("refusal"); // a word of the message, empty when accepted
        QTest::newRow("nord") << "DUPONT Jean NORD 3"
                              << "N3"
                              << "";
        QTest::newRow("ouest, two digits") << "DE LA TOUR Anne OUEST 12"
                                           << "O12"
                                           << "";
        QTest::newRow("sud") << "MOREAU Louis SUD 2"
                             << "S2"
                             << "";
        QTest::newRow("seat word in the name") << "DU SUD Paul EST 4"
                                               << "E4"
                                               << "";
        QTest::newRow("another one") << "LE NORD Yves OUEST 7"
                                     << "O7"
                                     << "";
        QTest::newRow("the seat's own word in the name") << "DU NORD Jean NORD 3"
                                                         << "N3"
                                                         << "";
        QTest::newRow("and again") << "LE SUD Paul SUD 12"
                                   << "S12"
                                   << "";
        QTest::newRow("nothing picked") << ""
                                        << ""
                                        << "Aucun joueur";
        QTest::newRow("empty chair") << " "
                                     << ""
                                     << "chaise vide";
        QTest::newRow("no seat") << "PETIT Claire"
                                 << ""
                                 << "PETIT Claire n'a pas de place";
        // A hand-edited position.tmp can leave a line break after the table number.
        QTest::newRow("line break after the table") << "DUPONT Jean NORD 3\n"
                                                    << ""
                                                    << "DUPONT Jean NORD 3 n'a pas de place";
    }
    void seatCodeOfPick()
    {
        QFETCH(QString, item);
        QFETCH(QString, seatCode);
        QFETCH(QString, refusal);
        QCOMPARE(incidents::seatCodeOfPick(item), seatCode);
        const QString why = incidents::refusalOfPick(item);
        QCOMPARE(why.isEmpty(), refusal.isEmpty());
        QVERIFY2(why.contains(refusal), qPrintable(why));
    }

    void questionsHoldTheWholeEntry()
    {
        const QString longEntry =
            QStringLiteral("DE LA ROCHEFOUCAULD-MONTMORENCY-LAVAL Marie-Antoinette-Josephine OUEST 12");
        const Prompt bonus = incidents::penaltyQuestion(longEntry, 5000);
        QCOMPARE(bonus.title, QStringLiteral("Attention pénalité positive !"));
        QCOMPARE(bonus.text, QStringLiteral("Etes-vous sûr de vouloir AVANTAGER ") + longEntry +
                                 QStringLiteral(" de 5000 points."));
        QCOMPARE(bonus.icon, Messages::Icon::Warning);
        const Prompt penalty = incidents::penaltyQuestion(QStringLiteral("DUPONT Jean NORD 3"), -150);
        QCOMPARE(penalty.title, QStringLiteral("pénalité pour faute de jeu"));
        QCOMPARE(penalty.text, QStringLiteral("Vous pénalisez DUPONT Jean NORD 3 de -150 points."));
        QCOMPARE(penalty.icon, Messages::Icon::Question);
        const Prompt exclusion = incidents::exclusionQuestion(longEntry);
        QCOMPARE(exclusion.title, QStringLiteral("Exclusion/abandon"));
        QCOMPARE(exclusion.text, QStringLiteral("Vous excluez ") + longEntry + QStringLiteral(". En êtes-vous sûr ?"));
        QCOMPARE(exclusion.icon, Messages::Icon::Question);
    }

    void penaltiesAndExclusionsAreAppended()
    {
        TestPlatform p;
        Tournament files; // the journal: the model and its working files
        QVERIFY(files.addPenalty(QStringLiteral("N3"), -150).ok());
        QVERIFY(files.addPenalty(QStringLiteral("S12"), 50).ok());
        QVERIFY(files.addPenalty(QStringLiteral("N3"), -150).ok());
        QCOMPARE(files.penalties(), p.read(QStringLiteral("penal.tmp")));
        QCOMPARE(p.read(QStringLiteral("penal.tmp")),
                 (QStringList{QStringLiteral("N3=-150"), QStringLiteral("S12=50"), QStringLiteral("N3=-150")}));

        QVERIFY(files.liftExclusions().ok()); // nothing to lift
        QVERIFY(files.addExclusion(QStringLiteral("S5")).ok());
        QVERIFY(files.addExclusion(QStringLiteral("O1")).ok());
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")), (QStringList{QStringLiteral("S5"), QStringLiteral("O1")}));
        QVERIFY(files.liftExclusions().ok());
        QVERIFY(!p.exists(QStringLiteral("exclu.tmp")));
        QVERIFY(p.exists(QStringLiteral("penal.tmp")));
        QVERIFY(files.addExclusion(QStringLiteral("E2")).ok());
        QCOMPARE(p.read(QStringLiteral("exclu.tmp")), QStringList{QStringLiteral("E2")});
        QCOMPARE(files.exclusions(), QStringList{QStringLiteral("E2")});
    }

    void swapRefusals()
    {
        // N1 must not be taken for N12, whose line comes first.
        QStringList scores = {QStringLiteral("N12=100"), QStringLiteral("S12=-100"), QStringLiteral("S1=30")};
        const QStringList before = scores;
        QCOMPARE(incidents::swapScores(scores, QStringLiteral("N1"), QStringLiteral("S1")),
                 incidents::Swap::MissingScore);
        QCOMPARE(incidents::swapScores(scores, QStringLiteral("S1"), QStringLiteral("O4")),
                 incidents::Swap::MissingScore);
        QCOMPARE(incidents::swapScores(scores, QStringLiteral("S12"), QStringLiteral("S12")),
                 incidents::Swap::SamePlayer);
        QCOMPARE(scores, before);
        QCOMPARE(incidents::swapScores(scores, QStringLiteral("S1"), QStringLiteral("N12")), incidents::Swap::Done);
        QCOMPARE(scores, (QStringList{QStringLiteral("S1=100"), QStringLiteral("S12=-100"), QStringLiteral("N12=30")}));
        // Swapping again gives each his score back.
        QCOMPARE(incidents::swapScores(scores, QStringLiteral("N12"), QStringLiteral("S1")), incidents::Swap::Done);
        QCOMPARE(scores, (QStringList{QStringLiteral("N12=100"), QStringLiteral("S12=-100"), QStringLiteral("S1=30")}));
    }
};

QTEST_MAIN(TestIncidents)
#include "test_incidents.moc"
