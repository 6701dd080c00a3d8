#include "players/entries.h"
#include "rankings/ranking.h"
#include "season/season.h"
#include "season/seasondocument.h"
#include "season/seasonwindow.h"
#include "store/tournamentfile.h"
#include "support/driving.h"
#include "support/tournaments.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace season;

namespace {

// A tournament file made by the program: the fixture builder's working files, then Save.
// `edit` changes the working files first.
void makeFile(const TestPlatform &p, const QString &path, const tournaments::Shape &shape, const QString &date,
              const std::function<void()> &edit = {})
{
    if (!platform().files.removeMatching(QStringLiteral("*.tmp")).ok())
        qFatal("cannot empty the working directory");
    tournaments::write(p, shape);
    if (edit)
        edit();
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!saveTournament(platform().files, path, date, QStringLiteral("Club du jeudi")).ok())
        qFatal("cannot save %s", qPrintable(path));
}

// The file's general ranking as the program shows it once the file is opened.
RankingTable openedRanking(const QString &path, bool pcn)
{
    Tournament state;
    if (!openTournament(state, platform().files, path).outcome.ok())
        qFatal("cannot open %s", qPrintable(path));
    RankingTable table = buildGeneralRanking(state);
    if (pcn)
        ranking::setPcn(table, true, state.tableCount());
    return table;
}

Season seasonOf(const QStringList &paths, Rule rule = {})
{
    Season s;
    s.rule = rule;
    for (const QString &path : paths)
        s.evenings.append(readEvening(path));
    return s;
}

const Standing::Row *rowOf(const Standing &standing, const QString &name)
{
    for (const Standing::Row &row : standing.rows)
        if (row.name == name)
            return &row;
    return nullptr;
}

} // namespace

class TestSeason : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_example = QStringLiteral(EXAMPLE_FILE);
    QString m_first, m_second, m_broken;

    void makeSeason(const TestPlatform &p)
    {
        m_first = m_dir.filePath(QStringLiteral("soirees/jeudi1.trt"));
        m_second = m_dir.filePath(QStringLiteral("soirees/jeudi2.trt"));
        m_broken = m_dir.filePath(QStringLiteral("soirees/abime.trt"));
        makeFile(p, m_first, {24, true, 4}, QStringLiteral("01/12/2026"));
        // The second evening: five rounds (PCN), a penalty, an exclusion (E2), and a name typed
        // with an accent.
        makeFile(p, m_second, {24, true, 5, -1, true}, QStringLiteral("15/12/2026"), [&] {
            for (const char *name : {"inscrits.tmp", "position.tmp"}) {
                QStringList lines = p.read(QString::fromLatin1(name));
                lines.replaceInStrings(QStringLiteral("NOM05 Prenom"), QStringLiteral("NOM05 Prénom"));
                p.write(QString::fromLatin1(name), lines);
            }
        });
        QFile broken(m_broken);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("pas un tournoi\r\n[TOUR1]\r\n");
    }

private slots:
    // Each evening counts as its own general ranking, computed from its file as Open would, and
    // the working files of the tournament in progress are left as they are.
    void singleTournamentIsItsGeneralRanking()
    {
        TestPlatform p;
        makeSeason(p);
        makeFile(p, m_dir.filePath(QStringLiteral("autre.trt")), {16, true, 2, 3}, QStringLiteral("02/02/2027"));
        const auto before = tournaments::snapshot(p);
        struct Case
        {
            QString path;
            Measure measure;
        };
        for (const Case &c :
             {Case{m_example, Measure::Score}, Case{m_second, Measure::Score}, Case{m_second, Measure::Pcn}}) {
            const Standing standing = rank(seasonOf({c.path}, {c.measure, 0}));
            QCOMPARE(tournaments::snapshot(p), before);
            const RankingTable table = openedRanking(c.path, c.measure == Measure::Pcn);
            QList<QStringList> expected;
            for (const QStringList &row : table.rows())
                if (!entries::isEmptyChair(row[0]))
                    expected.append({row[0].trimmed(), row[2] == ranking::excluded
                                                           ? QStringLiteral("EXCLU")
                                                           : QString::number(ranking::value(
                                                                 row.value(c.measure == Measure::Pcn ? 3 : 2)))});
            QCOMPARE(standing.rows.size(), expected.size());
            for (qsizetype r = 0; r < expected.size(); ++r) {
                const Standing::Row &row = standing.rows[r];
                QCOMPARE(row.name, expected[r][0]);
                QCOMPARE(row.played, 1);
                QCOMPARE(row.cells.value(0), expected[r][1]);
                QCOMPARE(row.total, row.cells[0] == ranking::excluded ? 0 : ranking::value(expected[r][1]));
                // An excluded player comes last, with no rank, as in the evening's own ranking.
                QCOMPARE(row.rank, row.cells[0] == ranking::excluded ? 0 : int(r) + 1);
            }
            if (!platform().files.removeMatching(QStringLiteral("*.tmp")).ok())
                QFAIL("cannot empty the working directory");
            for (auto it = before.begin(); it != before.end(); ++it)
                QVERIFY(replaceFile(p.path(it.key()), it.value()).isEmpty());
        }
        const Evening example = readEvening(m_example);
        QCOMPARE(example.date, QStringLiteral("08/12/2026"));
        QCOMPARE(example.place, QStringLiteral("Salle des fêtes de Saint-Aubin"));
        QCOMPARE(example.players, 24);
        QCOMPARE(example.finishedRounds, 3);
        QVERIFY(!example.pcn);
        QVERIFY(readEvening(m_second).pcn);
    }

    // Three evenings, a refused file: columns in date order, each rule's totals, best k, EXCLU.
    void totalsByEachRule()
    {
        TestPlatform p;
        makeSeason(p);
        const QStringList paths = {m_second, m_broken, m_example, m_first};
        const RankingTable first = openedRanking(m_first, true), second = openedRanking(m_second, true);
        auto cell = [](const RankingTable &t, const QString &name, int k) {
            for (const QStringList &row : t.rows())
                if (row[0].trimmed() == name)
                    return row.value(k);
            return QString();
        };

        Season s = seasonOf(paths);
        QVERIFY(!s.evenings[1].counts());
        QVERIFY(s.evenings[1].refusal.contains(QStringLiteral("corrompu")));
        Standing standing = rank(s);
        QCOMPARE(standing.columns, (QList<int>{3, 2, 0}));
        QCOMPARE(standing.header,
                 (QStringList{QStringLiteral("Joueur"), QStringLiteral("Tournois"), QStringLiteral("01/12/2026"),
                              QStringLiteral("08/12/2026"), QStringLiteral("15/12/2026"), QStringLiteral("Total")}));
        QCOMPARE(title(standing), QStringLiteral("Classement de la saison du 01/12/2026 au 15/12/2026"));
        QCOMPARE(standing.rows.size(), 24 + 24 + 1); // NOM05 twice until merged
        // By total; the player excluded from every evening he played last, with no rank.
        for (qsizetype r = 1; r < standing.rows.size(); ++r) {
            QVERIFY(standing.rows[r - 1].rank > 0 || standing.rows[r].rank == 0);
            if (standing.rows[r].rank > 0)
                QVERIFY(standing.rows[r - 1].total >= standing.rows[r].total);
        }

        const QString one = QStringLiteral("NOM01 Prenom");
        const qint64 a = ranking::value(cell(first, one, 2)), b = ranking::value(cell(second, one, 2));
        QVERIFY(a != b);
        QCOMPARE(rowOf(standing, one)->played, 2);
        QCOMPARE(rowOf(standing, one)->cells, (QStringList{QString::number(a), QString(), QString::number(b)}));
        QCOMPARE(rowOf(standing, one)->total, a + b);
        const QString aubry = QStringLiteral("AUBRY Lucienne");
        QCOMPARE(rowOf(standing, aubry)->played, 1);
        QCOMPARE(rowOf(standing, aubry)->cells[0], QString());

        // The player excluded from the second evening: EXCLU, nothing counted, still played.
        QString excluded;
        for (const QStringList &row : second.rows())
            if (row[2] == ranking::excluded)
                excluded = row[0].trimmed();
        QVERIFY(!excluded.isEmpty());
        QCOMPARE(rowOf(standing, excluded)->cells[2], QStringLiteral("EXCLU"));
        QCOMPARE(rowOf(standing, excluded)->played, 2);
        QCOMPARE(rowOf(standing, excluded)->total, ranking::value(cell(first, excluded, 2)));

        s.rule = {Measure::Score, 1};
        standing = rank(s);
        const QString kept = QString::number(std::max(a, b)), left = QStringLiteral("(%1)").arg(std::min(a, b));
        QCOMPARE(rowOf(standing, one)->total, std::max(a, b));
        QCOMPARE(rowOf(standing, one)->cells,
                 a > b ? (QStringList{kept, QString(), left}) : (QStringList{left, QString(), kept}));
        QVERIFY(QString::fromUtf8(exporting::html(exportTable(standing)))
                    .contains(QStringLiteral("<td class=\"nombre\">%1</td>").arg(left))); // aligned with the numbers

        // PCN: both evenings made by the program reach round 5 with 24 players; the example does not.
        s.rule = {Measure::Pcn, 0};
        standing = rank(s);
        for (const Standing::Row &row : standing.rows)
            QCOMPARE(row.total, ranking::value(cell(first, row.name, 3)) +
                                    (row.name == excluded ? 0 : ranking::value(cell(second, row.name, 3))));
        QCOMPARE(rowOf(standing, aubry)->cells[1], QStringLiteral("0"));
    }

    // The accented name is offered; merged, it is one player; kept apart, it is no longer offered.
    void duplicatesOfferedAndDecided()
    {
        QVERIFY(probableDuplicate(QStringLiteral("LEFEBVRE Élodie"), QStringLiteral("LEFEBVRE Elodie")));
        QVERIFY(probableDuplicate(QStringLiteral("MARTIN Paul"), QStringLiteral("MARTIN Paula")));
        QVERIFY(probableDuplicate(QStringLiteral("DUPONT Jaen"), QStringLiteral("DUPONT Jean")) ==
                false); // two letters
        QVERIFY(
            !probableDuplicate(QStringLiteral("DUPONT Jean"), QStringLiteral("DUPONT jean"))); // the register's equal
        QVERIFY(!probableDuplicate(QStringLiteral("DURAND Luc"), QStringLiteral("MARTIN Luc")));
        QCOMPARE(folded(QStringLiteral("LŒUF Hélène")), QStringLiteral("LOEUF HELENE"));

        TestPlatform p;
        makeSeason(p);
        Season s = seasonOf({m_first, m_second, m_example});
        // NOM01 ... NOM24 differ by one letter, but each evening's players are different people.
        const QList<NamePair> offered = probableDuplicates(s);
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered[0].first, QStringLiteral("NOM05 Prenom"));
        QCOMPARE(offered[0].second, QStringLiteral("NOM05 Prénom"));

        s.merges = offered;
        QVERIFY(probableDuplicates(s).isEmpty());
        const Standing merged = rank(s);
        QCOMPARE(merged.rows.size(), 48);
        QCOMPARE(rowOf(merged, QStringLiteral("NOM05 Prenom"))->played, 2);
        QVERIFY(!rowOf(merged, QStringLiteral("NOM05 Prénom")));

        s.merges.clear();
        s.keptApart = {{QStringLiteral("NOM05 Prénom"), QStringLiteral("nom05 prenom")}};
        QVERIFY(probableDuplicates(s).isEmpty());
        QCOMPARE(rank(s).rows.size(), 49);
    }

    // The season file: relative paths, the rule and the decisions; moved with its tournaments it
    // reopens the same; a tournament gone is named and the rest kept; a broken file is refused.
    void seasonFileSavedMovedReopened()
    {
        TestPlatform p;
        makeSeason(p);
        Season s = seasonOf({m_first, m_second, m_example, m_broken}, {Measure::Pcn, 3});
        s.merges = {{QStringLiteral("NOM05 Prenom"), QStringLiteral("NOM05 Prénom")}};
        s.keptApart = {{QStringLiteral("NOM01 Prenom"), QStringLiteral("NOM02 Prenom")}};
        const QString saved = m_dir.filePath(QStringLiteral("hiver.sai"));
        QVERIFY(saveSeason(s, saved).ok());
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        file.close(); // Windows refuses to move a file still open
        QCOMPARE(text, QStringLiteral("[SAISON]\r\nREGLE=PCN\r\nMEILLEURS=3\r\n[TOURNOIS]\r\nsoirees/jeudi1.trt\r\n"
                                      "soirees/jeudi2.trt\r\n%1\r\nsoirees/abime.trt\r\n[FUSIONS]\r\n"
                                      "NOM05 Prenom\tNOM05 Prénom\r\n[DISTINCTS]\r\nNOM01 Prenom\tNOM02 Prenom\r\n")
                           .arg(QDir::cleanPath(QFileInfo(m_example).absoluteFilePath())));

        const QString moved = m_dir.filePath(QStringLiteral("ailleurs"));
        QVERIFY(QDir().mkpath(moved));
        QVERIFY(QDir().rename(m_dir.filePath(QStringLiteral("soirees")), moved + QStringLiteral("/soirees")));
        QVERIFY(QFile::rename(saved, moved + QStringLiteral("/hiver.sai")));
        OpenedSeason opened = openSeason(moved + QStringLiteral("/hiver.sai"));
        QVERIFY(opened.outcome.ok());
        QVERIFY(opened.missing.isEmpty());
        QCOMPARE(opened.season.rule, s.rule);
        QCOMPARE(opened.season.evenings.size(), 4);
        QCOMPARE(opened.season.merges.size(), 1);
        QCOMPARE(opened.season.keptApart.size(), 1);
        const Standing before = rank(s), after = rank(opened.season);
        QCOMPARE(exporting::csv(exportTable(after)), exporting::csv(exportTable(before)));

        QVERIFY(QFile::remove(moved + QStringLiteral("/soirees/jeudi2.trt")));
        opened = openSeason(moved + QStringLiteral("/hiver.sai"));
        QVERIFY(opened.outcome.ok());
        QCOMPARE(opened.missing, QStringList{moved + QStringLiteral("/soirees/jeudi2.trt")});
        QCOMPARE(opened.season.evenings.size(), 4);
        QCOMPARE(opened.season.evenings[1].refusal, QStringLiteral("fichier introuvable"));
        QCOMPARE(rank(opened.season).columns.size(), 2);
        QVERIFY(
            missingMessage(opened.missing).startsWith(QStringLiteral("Ce tournoi de la saison est introuvable : « ")));

        for (const QByteArray &bytes :
             {QByteArray("[TOURNOIS]\r\n/x.trt\r\n"), QByteArray("\xff\xfe\0\0", 4), QByteArray()}) {
            QVERIFY(replaceFile(saved, bytes).isEmpty());
            opened = openSeason(saved);
            QVERIFY(opened.outcome.error.contains(QStringLiteral("n'est pas un fichier de saison")));
        }
        QVERIFY(replaceFile(saved, "[SAISON]\nREGLE=??\nMEILLEURS=-4\n[FUSIONS]\nseul\n\t\n[TOURNOIS]\n\n[DISTINCTS]")
                    .isEmpty());
        opened = openSeason(saved);
        QVERIFY(opened.outcome.ok());
        QCOMPARE(opened.season.rule, Rule{});
        QVERIFY(opened.season.evenings.isEmpty() && opened.season.merges.isEmpty());
    }

    // The document: saved, it is named and not modified; a change modifies it and tells the
    // listeners still alive; revert brings back the season saved; a failed save or open changes
    // nothing.
    void documentSavedChangedReverted()
    {
        TestPlatform p;
        SeasonDocument document;
        int told = 0, toldGone = 0;
        QObject context;
        document.listen(&context, [&] { ++told; });
        {
            QObject gone;
            document.listen(&gone, [&] { ++toldGone; });
        }
        const QString missing = m_dir.filePath(QStringLiteral("absent.trt"));
        QCOMPARE(document.addEvenings({m_example, missing, m_example}), QStringList{m_example});
        QVERIFY(document.isModified() && document.fileName().isEmpty());
        QCOMPARE(told, 1);

        const QString path = m_dir.filePath(QStringLiteral("automne.sai"));
        QVERIFY(document.save(path).ok());
        QCOMPARE(document.fileName(), path);
        QVERIFY(!document.isModified());
        QCOMPARE(told, 2);
        const QByteArray saved = seasonBytes(document.season(), path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), saved);

        document.merge({QStringLiteral("NOM01 Prenom"), QStringLiteral("NOM02 Prenom")});
        document.setRule({Measure::Pcn, 2});
        document.setRule({Measure::Pcn, 2}); // the same rule: no change
        document.removeEvening(1);
        QVERIFY(document.isModified());
        QCOMPARE(told, 5);
        QVERIFY(!document.save(m_dir.filePath(QStringLiteral("absent/hiver.sai"))).ok());
        QVERIFY(document.isModified());
        QCOMPARE(document.fileName(), path);

        document.revert();
        QVERIFY(!document.isModified());
        QCOMPARE(seasonBytes(document.season(), path), saved);
        QCOMPARE(told, 6);

        document.takeBack(0); // no decision to take back
        QVERIFY(!document.open(missing).outcome.ok());
        QVERIFY(!document.isModified());
        QCOMPARE(told, 6);
        QCOMPARE(toldGone, 0);
    }

    // The command, always there; the window with three tournaments, a merge, and the export.
    void windowMergesPrintsAndExports()
    {
        TestPlatform p;
        makeSeason(p);
        Application app;
        app.mainWindow().firstActivation(); // the last evening made is taken up as the tournament in progress
        p.messages.clear();
        const auto inProgress = tournaments::snapshot(p);
        QVERIFY(findAction(&app.mainWindow(), QStringLiteral("S&aison..."))->isEnabled());
        SeasonWindow &window = app.window<SeasonWindow>();
        const QString html = m_dir.filePath(QStringLiteral("saison.html"));
        p.fileDialogs.openAnswers = {m_first};
        p.fileDialogs.saveAnswers = {html};
        QVERIFY(drive(
            window, [&] { trigger(app, "S&aison..."); },
            [&] {
                QTest::mouseClick(child<QPushButton>(window, "AddBtn"), Qt::LeftButton);
                window.addFiles({m_second, m_example, m_first});
                QCOMPARE(p.messages.texts(),
                         QStringList{QStringLiteral("Déjà dans la saison, non ajouté : jeudi1.trt.")});
                auto *files = child<QListWidget>(window, "ListBox1");
                QCOMPARE(files->count(), 3);
                QCOMPARE(files->item(0)->text(),
                         QStringLiteral("01/12/2026 — Club du jeudi — 24 joueurs, 4 tours terminés — jeudi1.trt"));
                auto *duplicates = child<QListWidget>(window, "ListBox2");
                QCOMPARE(duplicates->count(), 1);
                duplicates->setCurrentRow(0);
                QTest::mouseClick(child<QPushButton>(window, "MergeBtn"), Qt::LeftButton);
                QCOMPARE(duplicates->count(), 0);
                auto *grid = child<QTableWidget>(window, "Grid1");
                QCOMPARE(grid->rowCount(), 48);
                QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1er"));
                QCOMPARE(grid->horizontalHeaderItem(6)->text(), QStringLiteral("Total"));
                child<QComboBox>(window, "ComboBox1")->setCurrentIndex(1);
                QTest::mouseClick(child<QPushButton>(window, "ExportBtn"), Qt::LeftButton);
                QTest::mouseClick(child<QPushButton>(window, "PrintBtn"), Qt::LeftButton);
                window.accept();
            }));
        QCOMPARE(tournaments::snapshot(p), inProgress);
        QFile page(html);
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        QVERIFY(text.contains(QStringLiteral("<h1>Classement de la saison du 01/12/2026 au 15/12/2026</h1>")));
        QVERIFY(text.contains(QStringLiteral("<th>RANG</th><th>Joueur</th><th>Tournois</th>")));
        QVERIFY(text.contains(
            QStringLiteral("<p class=\"tournoi\">3 tournois — somme des scores du classement général</p>")));
        QCOMPARE(p.printing.documents, QStringList{QStringLiteral("Classement de la saison")});
        QCOMPARE(p.printing.last.find(QStringLiteral("Classement de la saison du 01/12/2026 au 15/12/2026")).kind,
                 QStringLiteral("text"));
        QCOMPARE(p.printing.last.find(QStringLiteral("NOM05 Prenom")).kind, QStringLiteral("text"));

        const QString pdf = m_dir.filePath(QStringLiteral("saison.pdf"));
        QVERIFY(exportStanding(window.standing(), PrintFont{}, exporting::Format::Pdf, pdf).ok());
        QFile document(pdf);
        QVERIFY(document.open(QIODevice::ReadOnly));
        QVERIFY(document.read(5) == "%PDF-");
    }

    // Thirty evenings: the font stays, the evenings go over groups of pages that each repeat the
    // names and the total, every page its header row, nothing beyond the frame.
    void manyEveningsPrintInGroups()
    {
        TestPlatform p;
        makeSeason(p);
        Season s = seasonOf(QStringList(30, m_first));
        for (qsizetype e = 0; e < s.evenings.size(); ++e)
            s.evenings[e].date = QDate(2026, 9, 3).addDays(7 * e).toString(QStringLiteral("dd/MM/yyyy"));
        RecordingCanvas canvas;
        canvas.height = 2000; // a page holds part of the 24 players
        QVERIFY(print(canvas, PrintFont{}, rank(s)));
        const int groups = int(std::count_if(canvas.ops.begin(), canvas.ops.end(),
                                             [](const auto &op) { return op.text == QStringLiteral("NOM01 Prenom"); }));
        QVERIFY(groups > 1);
        QCOMPARE(canvas.pages(), 2 * groups);
        QList<int> totals(canvas.pages() + 1);
        for (const RecordingCanvas::Op &op : canvas.texts()) {
            QVERIFY2(op.x >= 20 && op.x + int(op.text.size()) * op.size * 5 <= canvas.width - 20, qPrintable(op.text));
            if (op.text == QStringLiteral("Total"))
                ++totals[op.page];
            if (op.text.startsWith(QStringLiteral("NOM")))
                QCOMPARE(op.size, PrintFont{}.size);
        }
        QCOMPARE(totals.mid(1), QList<int>(canvas.pages(), 1));
        QCOMPARE(canvas.find(QStringLiteral("03/09")).kind, QStringLiteral("text"));
        QCOMPARE(canvas.find(QStringLiteral("25/03")).kind, QStringLiteral("text")); // the last evening
    }

    // A merge made by mistake undone, then the question about changes not saved: on closing the
    // window and on quitting the program while it is open. Last: Quit ends the event loops.
    void undoneMergeAndUnsavedSeason()
    {
        TestPlatform p;
        makeSeason(p);
        Application app;
        app.mainWindow().show();
        app.mainWindow().firstActivation();
        arrange(app.state(), [&](Tournament::Data &d) { d.modified = false; });
        p.messages.clear();
        SeasonWindow &window = app.window<SeasonWindow>();
        auto *duplicates = child<QListWidget>(window, "ListBox2");
        auto *decisions = child<QListWidget>(window, "ListBox3");
        const QString saved = m_dir.filePath(QStringLiteral("printemps.sai"));
        const QString question = QStringLiteral("Vous n'avez pas sauvegardé la saison, voulez-vous le faire ?");
        QVERIFY(drive(window, triggering(app, "S&aison..."), [&] {
            window.addFiles({m_first, m_second});
            duplicates->setCurrentRow(0);
            click(window, "MergeBtn");
            auto *grid = child<QTableWidget>(window, "Grid1");
            QCOMPARE(grid->rowCount(), 24);
            QCOMPARE(itemsOf(decisions), QStringList{QStringLiteral("Fusionnés : NOM05 Prenom  /  NOM05 Prénom")});
            decisions->setCurrentRow(0);
            click(window, "UndoBtn");
            QCOMPARE(itemsOf(decisions), QStringList{QStringLiteral("Séparés : NOM05 Prenom  /  NOM05 Prénom")});
            QCOMPARE(duplicates->count(), 0);
            QCOMPARE(grid->rowCount(), 25);
            p.messages.answers = {Messages::Cancel};
            click(window, "OKBtn");
            QVERIFY(window.isVisible());
            p.messages.answers = {Messages::Yes};
            p.fileDialogs.saveAnswers = {saved};
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
        }));
        QCOMPARE(p.messages.texts(), (QStringList{question, question}));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("[FUSIONS]\r\n[DISTINCTS]\r\nNOM05 Prenom\tNOM05 Pr\xc3\xa9nom\r\n"));

        // "Kept apart" undone offers the pair again; No brings the season back as saved.
        QVERIFY(drive(window, triggering(app, "S&aison..."), [&] {
            decisions->setCurrentRow(0);
            click(window, "UndoBtn");
            QCOMPARE(duplicates->count(), 1);
            p.messages.answers = {Messages::No};
            click(window, "OKBtn");
        }));
        QCOMPARE(app.season().season().keptApart.size(), 1);
        QCOMPARE(decisions->count(), 1);

        p.messages.clear();
        QVERIFY(drive(window, triggering(app, "S&aison..."), [&] {
            child<QRadioButton>(window, "RadioButton2")->click();
            p.messages.answers = {Messages::Cancel};
            trigger(app, "&Quitter");
            QVERIFY(window.isVisible() && app.mainWindow().isVisible());
            p.messages.answers = {Messages::No};
            trigger(app, "&Quitter");
            QVERIFY(!app.mainWindow().isVisible());
        }));
        QCOMPARE(p.messages.texts(), (QStringList{question, question}));
        QCOMPARE(app.season().season().rule.measure, Measure::Score);
    }
};

QTEST_MAIN(TestSeason)
#include "test_season.moc"
