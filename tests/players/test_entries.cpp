#include "players/entries.h"
#include "support/testing.h"

#include <QTest>

// The register's line rules, on their own.
class TestEntries : public QObject
{
    Q_OBJECT

private slots:
    void frenchOrderIgnoresCaseAndPutsLeadingBlanksFirst()
    {
        QStringList list;
        for (const char *name : {"martin Paul", "Émile ZOLA", "DUPONT Jean", "éric Bas", "Durand Marie",
                                 "DE LA TOUR Anne", "DELACROIX Eve"})
            entries::insertSorted(list, QString::fromUtf8(name));
        entries::insertSorted(list, entries::emptyChair(2));
        entries::insertSorted(list, entries::emptyChair(1));
        const QStringList expected = {QStringLiteral(" CHAISE VIDE 1 = N1"), QStringLiteral(" CHAISE VIDE 2 = N2"),
                                      QStringLiteral("DE LA TOUR Anne"),     QStringLiteral("DELACROIX Eve"),
                                      QStringLiteral("DUPONT Jean"),         QStringLiteral("Durand Marie"),
                                      QStringLiteral("Émile ZOLA"),          QStringLiteral("éric Bas"),
                                      QStringLiteral("martin Paul")};
        QCOMPARE(list, expected);
        // Equal names keep their order of insertion: the newcomer goes after.
        entries::insertSorted(list, QStringLiteral("dupont jean"));
        QCOMPARE(list.at(5), QStringLiteral("dupont jean"));
    }

    // The search box's folding: every letter of Windows-1252 that carries an accent or a case.
    void searchFoldsCaseAndAccents()
    {
        QCOMPARE(entries::folded(QStringLiteral("DURAND Éléonore")), QStringLiteral("durand eleonore"));
        QCOMPARE(entries::folded(QStringLiteral("FRANÇOIS Zoë ÀÂÄÈÊËÎÏÔÖÙÛÜŸÑ")),
                 QStringLiteral("francois zoe aaaeeeiioouuuyn"));
        QCOMPARE(entries::folded(QStringLiteral("CŒUR Lætitia")), QStringLiteral("coeur laetitia"));
        QCOMPARE(entries::folded(QStringLiteral(" CHAISE VIDE 1 = N1")), QStringLiteral(" chaise vide 1 = n1"));
    }

    void playerEntries_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("modified");
        QTest::newRow("two leading blanks") << "  martin"
                                            << "pierre"
                                            << "MARTIN Pierre"
                                            << "MARTIN Pierre";
        QTest::newRow("two characters keep the blank") << " A"
                                                       << "wei"
                                                       << " A Wei"
                                                       << "A Wei";
        QTest::newRow("accented first letter stays")
            << "DURAND" << QString::fromUtf8("éLODIE") << QString::fromUtf8("DURAND élodie")
            << QString::fromUtf8("DURAND élodie");
        QTest::newRow("mixed case") << "dupont"
                                    << "jEAN"
                                    << "DUPONT Jean"
                                    << "DUPONT Jean";
        QTest::newRow("no first name") << "DUPONT"
                                       << ""
                                       << "DUPONT "
                                       << "DUPONT ";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << " "
                                    << " ";
    }
    void playerEntries()
    {
        QFETCH(QString, surname);
        QFETCH(QString, firstName);
        QFETCH(QString, added);
        QFETCH(QString, modified);
        QCOMPARE(entries::entryToAdd(surname, firstName), added);
        QCOMPARE(entries::entryToModify(surname, firstName), modified);
    }

    void doubleClickSplitsAtTheLastBlank()
    {
        const entries::EditTexts compound = entries::editTextsOf(QStringLiteral("DE LA TOUR Anne"));
        QCOMPARE(compound.surname, QStringLiteral("DE LA TOUR"));
        QCOMPARE(compound.firstName, QStringLiteral("Anne"));
        const entries::EditTexts bare = entries::editTextsOf(QStringLiteral("DUPONT  "));
        QCOMPARE(bare.surname, QStringLiteral("DUPONT"));
        QVERIFY(bare.firstName.isNull());
    }

    void refusedNames_data()
    {
        QTest::addColumn<QString>("surname");
        QTest::addColumn<QString>("firstName");
        QTest::addColumn<QString>("word");
        QTest::newRow("equals in surname") << "A=B"
                                           << "Jean"
                                           << "=";
        QTest::newRow("equals in first name") << "DUPONT"
                                              << "J="
                                              << "=";
        QTest::newRow("section header") << "[INSCRITS]"
                                        << ""
                                        << "[";
        QTest::newRow("section header behind blanks") << "   [POSITIONS]"
                                                      << ""
                                                      << "[";
        QTest::newRow("outside Windows-1252") << "DUPONT" << QString::fromUtf8("Jeanπ") << QString::fromUtf8("π");
        QTest::newRow("blanks only") << "   "
                                     << "Jean"
                                     << "vide";
        QTest::newRow("empty") << ""
                               << "Jean"
                               << "vide";
    }
    void refusedNames()
    {
        QFETCH(QString, surname);
        QFETCH(QString, firstName);
        QFETCH(QString, word);
        QVERIFY(entries::refusalOfName(surname, firstName).contains(word));
    }

    void acceptedNames()
    {
        QVERIFY(entries::refusalOfName(QStringLiteral("DE L'ÉTANG"), QString::fromUtf8("Œdipe")).isEmpty());
        QVERIFY(entries::refusalOfName(QStringLiteral("DUPONT"), QStringLiteral("[Jean]")).isEmpty());
    }

    void typedSurnameGoesUpperWhereItCanBeStored()
    {
        QCOMPARE(entries::upperTyped(QString::fromUtf8("dé la ÿ")), QString::fromUtf8("DÉ LA Ÿ"));
        QCOMPARE(entries::upperTyped(QString::fromUtf8("µ")), QString::fromUtf8("µ")); // its capital is Greek
    }

    void playerNumbers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("numbered");
        QTest::addColumn<QString>("key");
        QTest::newRow("player entry") << "DUPONT Jean"
                                      << "DUPONT Jean"
                                      << "";
        QTest::newRow("O4") << "DUPONT Jean = O4" << QString::fromUtf8("DUPONT Jean Joueur n° 16") << " = O4";
        QTest::newRow("N10") << "DUPONT Jean = N10" << QString::fromUtf8("DUPONT Jean Joueur n° 37") << " = N10";
        QTest::newRow("S2") << "DUPONT Jean = S2" << QString::fromUtf8("DUPONT Jean Joueur n° 6") << " = S2";
        QTest::newRow("E3") << "A B = E3" << QString::fromUtf8("A B Joueur n° 11") << " = E3";
        QTest::newRow("empty chair") << " CHAISE VIDE 1 = N1" << QString::fromUtf8(" CHAISE VIDE 1 Joueur n° 1")
                                     << " = N1";
    }
    void playerNumbers()
    {
        QFETCH(QString, line);
        QFETCH(QString, numbered);
        QFETCH(QString, key);
        QCOMPARE(entries::withPlayerNumber(line), numbered);
        if (!key.isEmpty())
            QCOMPARE(entries::seatKeyOfPlayerNumber(entries::splitDisplayed(numbered).seat), key);
    }

    void placenumeroOfEveryNumberOfThreeTables()
    {
        static const char *codes[] = {"N1", "S1", "E1", "O1", "N2", "S2", "E2", "O2", "N3", "S3", "E3", "O3"};
        for (int k = 1; k <= 12; ++k)
            QCOMPARE(entries::seatKeyOfPlayerNumber(QStringLiteral(" Joueur n° %1").arg(k)),
                     QStringLiteral(" = ") + QString::fromLatin1(codes[k - 1]));
    }

    void displayedEntriesBackToSeatKeys_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("nord") << "DUPONT Jean = N3"
                              << "DUPONT Jean NORD 3"
                              << "DUPONT Jean"
                              << " = N3";
        QTest::newRow("ouest") << "DUPONT Jean = O12"
                               << "DUPONT Jean OUEST 12"
                               << "DUPONT Jean"
                               << " = O12";
        QTest::newRow("table 1012") << "DUPONT Jean = E1012"
                                    << "DUPONT Jean EST 1012"
                                    << "DUPONT Jean"
                                    << " = E1012";
        QTest::newRow("seat word in the name") << "LE SUD Anne = N3"
                                               << "LE SUD Anne NORD 3"
                                               << "LE SUD Anne"
                                               << " = N3";
        QTest::newRow("no first name") << "DUPONT  = S4"
                                       << "DUPONT  SUD 4"
                                       << "DUPONT "
                                       << " = S4";
        QTest::newRow("not seated") << "DUPONT Jean"
                                    << "DUPONT Jean"
                                    << "DUPONT Jean"
                                    << "";
    }
    void displayedEntriesBackToSeatKeys()
    {
        QFETCH(QString, line);
        QFETCH(QString, shown);
        QFETCH(QString, name);
        QFETCH(QString, key);
        QCOMPARE(entries::displayed(line), shown);
        const entries::DisplayedParts parts = entries::splitDisplayed(shown);
        QCOMPARE(parts.name, name);
        QCOMPARE(entries::seatKeyOfDisplayedSeat(parts.seat), key);
    }

    void ajouteinscritCreatesTheFileOnceWithItsMessage()
    {
        TestPlatform p;
        const std::optional<Prompt> notice = entries::registerOpeningNotice();
        QVERIFY(notice);
        QCOMPARE(notice->title, QStringLiteral("Information"));
        QCOMPARE(notice->text, QString::fromUtf8("Je n'ai trouvé aucun inscrit.\r\nOuverture des inscriptions."));
        QCOMPARE(notice->icon, Messages::Icon::Information);
        QVERIFY(entries::appendRegistered(QStringLiteral("DUPONT Jean")).ok());
        QVERIFY(!entries::registerOpeningNotice());
        QVERIFY(entries::appendRegistered(QStringLiteral("MARTIN ")).ok());
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), (QStringList{"DUPONT Jean", "MARTIN "}));
    }
};

QTEST_MAIN(TestEntries)
#include "test_entries.moc"
