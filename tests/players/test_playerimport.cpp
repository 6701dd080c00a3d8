#include "players/importreportdialog.h"
#include "players/playerimport.h"
#include "platform/cp1252.h"
#include "support/driving.h"

#include <QLabel>
#include <QPlainTextEdit>

using playerimport::Report;

namespace {

QString writeFile(const TestPlatform &p, const QString &name, const QByteArray &bytes)
{
    QFile file(p.path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

// The report as one comparable list: "+entry", "=line entry" (registered), "2line entry" (twice in
// the file), "!line reason".
QStringList flat(const Report &report)
{
    QStringList out;
    if (!report.error.isEmpty())
        out << QStringLiteral("error ") + report.error;
    for (const QString &entry : report.added)
        out << QLatin1Char('+') + entry;
    for (const playerimport::Skipped &s : report.skipped)
        out << QStringLiteral("%1%2 %3").arg(s.inFile ? QLatin1Char('2') : QLatin1Char('=')).arg(s.line).arg(s.entry);
    for (const playerimport::Refused &r : report.refused)
        out << QStringLiteral("!%1 %2").arg(r.line).arg(r.reason);
    return out;
}

const QString equalsRefused = u("Le nom ne peut pas contenir le signe « = ».");
const QString bracketRefused = u("Le nom ne peut pas commencer par « [ ».");
const QString emptySurname = u("Le nom du joueur est vide : tapez au moins une lettre.");

} // namespace

// "Importer": the files a director brings, the report, and the register afterwards.
class TestPlayerImport : public QObject
{
    Q_OBJECT

private slots:
    // One list of players saved by spreadsheets in every shape they write.
    void spreadsheetExportsInEveryShape()
    {
        const QStringList rows = {
            u("Club;Prénom;NOM"), // the columns found by their titles, in any order
            u("A;Jean;Dupont"),
            u("\"Les As; Paris, Nord\tSud\";\"Anne-Marie\";\"LE GALL\""),
            u("B;Paul;\"MARTIN\r\n\""),   // a line break inside a quoted cell
            u("C;Hélène;\"BRI\"\"ÈRE\""), // a doubled quote
            u("D;jean;DUPONT"),           // twice in the file
            u("E;Zoé;BERNARD="),
            u("F;Luc;[ROI"),
            u("G;Paul;"), // a first name without surname
            u("H;;"),     // nothing but the club
            u(""),
        };
        const QStringList expected = {
            u("+BRI\"ÈRE Hélène"),    u("+DUPONT Jean"),         u("+LE GALL Anne-marie"),
            u("=4 MARTIN Paul"),      u("27 DUPONT Jean"), // lines of the file: the quoted line break counts
            u("!8 ") + equalsRefused, u("!9 ") + bracketRefused, u("!10 ") + emptySurname,
        };
        struct Shape
        {
            const char *separator;
            bool cp1252;
            bool bom;
            const char *lineEnd;
        };
        for (const Shape shape : {Shape{";", false, true, "\r\n"}, Shape{",", false, false, "\n"},
                                  Shape{"\t", true, false, "\r\n"}, Shape{";", true, false, "\n"}}) {
            TestPlatform p;
            QString text = rows.join(QString::fromLatin1(shape.lineEnd));
            // The separator of each shape: the fields above are written with ";" outside quotes.
            QString converted;
            bool quoted = false;
            for (const QChar c : text) {
                if (c == QLatin1Char('"'))
                    quoted = !quoted;
                converted += (!quoted && c == QLatin1Char(';')) ? QString::fromLatin1(shape.separator) : QString(c);
            }
            QByteArray bytes = shape.cp1252 ? cp1252::encode(converted) : converted.toUtf8();
            if (shape.bom)
                bytes.prepend("\xEF\xBB\xBF");
            const QString path = writeFile(p, QStringLiteral("joueurs.csv"), bytes);
            QCOMPARE(flat(playerimport::readFile(path, {QStringLiteral("MARTIN Paul")})), expected);
        }
    }

    void headersAndPlainListsAndTournamentFiles()
    {
        TestPlatform p;
        // English titles, accents and case free; without a known title, the first two columns.
        const QString english = writeFile(p, QStringLiteral("en.csv"), "Given name,LAST NAME\nAnn,smith\n");
        QCOMPARE(flat(playerimport::readFile(english, {})), QStringList{"+SMITH Ann"});
        const QString untitled = writeFile(p, QStringLiteral("sans.csv"), "durand;pierre;12\nNOUVEL;Octave;3\n");
        QCOMPARE(flat(playerimport::readFile(untitled, {})), (QStringList{"+DURAND Pierre", "+NOUVEL Octave"}));
        const QString firstOnly = writeFile(p, QStringLiteral("prenoms.csv"), "Prenom;Club\nJean;A\n");
        QCOMPARE(flat(playerimport::readFile(firstOnly, {})).value(0).left(6), QStringLiteral("error "));

        // One "NOM Prénom" a line, split at the last blank as the register's double click does.
        const QString plain =
            writeFile(p, QStringLiteral("liste.txt"),
                      cp1252::encode(u("LE GALL Anne\r\n\r\n  de la tour   élodie  \r\nX=Y\r\nSEUL\r\n")));
        QCOMPARE(flat(playerimport::readFile(plain, {})),
                 (QStringList{"+DE LA TOUR \xc3\xa9lodie", "+LE GALL Anne", "+SEUL ", u("!4 ") + equalsRefused}));

        // A tournament file gives its register only; an empty chair is no player.
        const Report example = playerimport::readFile(QStringLiteral(EXAMPLE_FILE), {u("AUBRY Lucienne")});
        QCOMPARE(example.added.size(), 23);
        QCOMPARE(example.added.first(), u("BARRAULT Gaston"));
        QVERIFY(example.added.contains(u("LAPORTE émile")));
        QCOMPARE(flat(example).mid(23), QStringList{"=5 AUBRY Lucienne"});
        const QString seated = writeFile(p, QStringLiteral("t.trt"),
                                         cp1252::encode(u("[INITIAL]\r\n08/12\r\nIci\r\n[INSCRITS]\r\nPAGE Léa = "
                                                          "N1\r\n CHAISE VIDE 1 = S1\r\n[TOUR1]\r\nN1=10\r\n")));
        QCOMPARE(flat(playerimport::readFile(seated, {})), QStringList{u("+PAGE Léa")});
        const QString notOne = writeFile(p, QStringLiteral("faux.trt"), "DUPONT Jean\r\n[INSCRITS]\r\n");
        QCOMPARE(flat(playerimport::readFile(notOne, {})),
                 QStringList{u("error Le fichier « faux.trt » n'est pas un fichier tournoi lisible.")});
    }

    // Whatever the file holds, a French sentence and nothing added.
    void hostileFilesAreRefused()
    {
        TestPlatform p;
        const QString huge = writeFile(p, QStringLiteral("gros.csv"), QByteArray(1024 * 1024 + 1, 'A'));
        QCOMPARE(flat(playerimport::readFile(huge, {})),
                 QStringList{
                     u("error Le fichier « gros.csv » est trop gros pour être une liste de joueurs (plus de 1 Mo).")});
        const QString binary =
            u("error Le fichier « %1 » n'est pas une liste de joueurs : il contient des données binaires.");
        // Not "nul.txt": NUL is a device on Windows, whatever follows the dot.
        const QString zero = writeFile(p, QStringLiteral("octet-nul.txt"), QByteArray("DUPONT Jean\0\r\n", 14));
        QCOMPARE(flat(playerimport::readFile(zero, {})), QStringList{binary.arg("octet-nul.txt")});
        QByteArray noise;
        for (int i = 0; i < 4000; ++i)
            noise += char((i * 37) % 251 + 1);
        const QString image = writeFile(p, QStringLiteral("image.csv"), noise);
        QCOMPARE(flat(playerimport::readFile(image, {})), QStringList{binary.arg("image.csv")});
        const QString garbage = writeFile(p, QStringLiteral("ligne.txt"), "=====");
        QCOMPARE(
            flat(playerimport::readFile(garbage, {})),
            QStringList{u("error Le fichier « ligne.txt » ne contient aucun nom de joueur utilisable.\nLigne 1 : ") +
                        equalsRefused});
        // A quote never closed: the lines before it count, the rest is refused on its first line.
        const QString unclosed =
            writeFile(p, QStringLiteral("guillemet.csv"), "NOM;Prenom\nPION;Paul\nDUPONT;\"Jean\nMARTIN;Paul\n");
        QCOMPARE(flat(playerimport::readFile(unclosed, {})),
                 (QStringList{"+PION Paul",
                              u("!3 Un guillemet ouvert n'est jamais fermé : la suite du fichier est illisible.")}));
        QVERIFY(flat(playerimport::readFile(p.path(QStringLiteral("absent.csv")), {}))
                    .value(0)
                    .startsWith(u("error Impossible de lire le fichier")));
    }

    // Through the menu: the report first; Cancel adds nothing, OK adds, writes and marks modified.
    void theReportComesBeforeTheRegister()
    {
        TestPlatform p;
        Application app;
        app.mainWindow().firstActivation();
        trigger(app, "Importer");
        QCOMPARE(p.messages.texts(), QStringList{u("Commencez d'abord un tournoi (« Tournoi › Nouveau ») ou ouvrez-en "
                                                   "un (« Tournoi › Ouvrir »).")});
        newTournament(app);
        registerPlayers(app, {{"MARTIN", "Paul"}});
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = false; });
        const QString path = writeFile(p, QStringLiteral("club.csv"), "Nom;Prénom\nZOLA;Emile\nMARTIN;paul\nA=B;x\n");
        auto &report = app.window<ImportReportDialog>();
        p.fileDialogs.openAnswers = {QString(), path, path};
        choose(app, "Importer"); // the open dialog cancelled
        QCOMPARE(p.fileDialogs.calls.last().title, u("Importer des joueurs"));
        QCOMPARE(p.fileDialogs.calls.last().filter,
                 QStringLiteral("Listes de joueurs|*.csv *.txt|Fichiers tournoi|*.trt|Tous les fichiers|*"));
        QVERIFY(drive(report, choosing(app, "Importer"), [&] {
            QCOMPARE(child<QLabel>(report, "Label1")->text(),
                     u("1 joueur sera ajouté à la liste des inscrits.\n1 nom déjà inscrit ou en double sera ignoré.\n"
                       "1 ligne est refusée."));
            QCOMPARE(child<QPlainTextEdit>(report, "Memo1")->toPlainText(),
                     u("Joueurs ajoutés :\n  ZOLA Emile\n\nNoms ignorés :\n  ligne 3 : MARTIN Paul (déjà inscrit)\n\n"
                       "Lignes refusées :\n  ligne 4 : « A=B x » : ") +
                         equalsRefused);
            click(report, "CancelBtn");
        }));
        QCOMPARE(app.state().playerRegisterList(), QStringList{"MARTIN Paul"});
        QVERIFY(!app.state().modified());
        QVERIFY(drive(report, choosing(app, "Importer"), [&] { click(report, "OKBtn"); }));
        QCOMPARE(app.state().playerRegisterList(), (QStringList{"MARTIN Paul", "ZOLA Emile"}));
        QCOMPARE(p.read(QStringLiteral("inscrits.tmp")), app.state().playerRegisterList());
        QVERIFY(app.state().modified());
    }

    void closedWithRegistration()
    {
        TestPlatform p;
        Application app;
        seatPlayers(app, p, 8);
        QVERIFY(!usable(app, "&Inscription"));
        QVERIFY(!usable(app, "Importer"));
        QVERIFY(usable(app, "Exporter"));
    }
};

QTEST_MAIN(TestPlayerImport)
#include "test_playerimport.moc"
