#include "export/exportdialog.h"
#include "export/exporting.h"
#include "players/importreportdialog.h"
#include "rankings/generalrankingwindow.h"
#include "support/driving.h"
#include "support/systemcalls.h"
#include "support/tournaments.h"
#include "rankings/ranking.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>

using exporting::Choice;
using exporting::Format;
using exporting::List;

namespace {

// The output of a checking tool (python3, tidy, pdftotext, installed by tools/test.sh). They are
// Linux programs: the Windows build of the tests, run under Wine, cannot run them (Wine starts
// them but loses their exit status), so it skips what they check and says so.
constexpr char readersUnderWine[] = "python3, tidy and pdftotext are Linux programs, out of reach under Wine: "
                                    "the Linux suite reads these files";
struct Run
{
    int exitCode = -1;
    QByteArray out, err;
};

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run r;
    if (!process.waitForStarted() || !process.waitForFinished(60000)) {
        r.err = "cannot run " + program.toUtf8() + " (bash tools/test.sh installs it)";
        return r;
    }
    r.exitCode = process.exitCode();
    r.out = process.readAllStandardOutput();
    r.err = process.readAllStandardError();
    return r;
}

// The rows as Python's csv module reads the file, the way a spreadsheet is told to: UTF-8 with
// its mark, ";" between fields.
QList<QStringList> csvRows(const QString &path)
{
    const Run r = run(QStringLiteral("python3"),
                      {QStringLiteral("-c"),
                       QStringLiteral("import csv, json, sys\n"
                                      "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                                      "    print(json.dumps(list(csv.reader(f, delimiter=';', strict=True))))\n"),
                       path});
    if (r.exitCode != 0)
        qFatal("csv reader: %s", r.err.constData());
    QList<QStringList> rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(r.out).array()) {
        QStringList cells;
        for (const QJsonValue &cell : row.toArray())
            cells << cell.toString();
        rows << cells;
    }
    return rows;
}

// The printout of the same choice, on the recording canvas: the texts of each printed row, left
// to right, the title and the page footers left out.
QList<QStringList> printedRows(const Tournament &state, const Choice &choice, const QString &title)
{
    RecordingCanvas canvas;
    exporting::print(canvas, state, choice);
    QMap<QPair<int, int>, QMap<int, QString>> rows;
    for (const RecordingCanvas::Op &op : canvas.texts())
        if (op.text != title && !op.text.startsWith(QStringLiteral("Page ")))
            rows[{op.page, op.y}][op.x] = op.text.trimmed();
    QList<QStringList> out;
    for (const auto &row : rows)
        out << row.values();
    return out;
}

QList<QStringList> withoutEmptyCells(QList<QStringList> rows)
{
    for (QStringList &row : rows)
        row.removeAll(QString());
    return rows;
}

// The grid of the general ranking window as the director sees it.
QList<QStringList> gridRows(Application &app)
{
    auto &window = app.window<GeneralRankingWindow>();
    window.showRanking();
    const QAbstractItemModel *model = window.findChild<QTableView *>()->model();
    QList<QStringList> rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString().trimmed();
        rows << cells;
    }
    window.hide();
    return rows;
}

void openExample(Application &app, TestPlatform &p)
{
    app.mainWindow().firstActivation();
    p.fileDialogs.openAnswers = {QStringLiteral(EXAMPLE_FILE)};
    choose(app, "&Ouvrir");
    QCOMPARE(app.state().currentRound(), 4);
}

// "Exporter" with that list and format, saved at path; false when the dialog never showed.
bool exportTo(Application &app, TestPlatform &p, const Choice &choice, const QString &path)
{
    auto &dialog = app.window<ExportDialog>();
    p.fileDialogs.saveAnswers = {path};
    return drive(dialog, choosing(app, "Exporter"), [&] {
        child<QRadioButton>(dialog, qPrintable(QStringLiteral("RadioButton%1").arg(int(choice.list) + 1)))->click();
        child<QRadioButton>(dialog, qPrintable(QStringLiteral("RadioButton%1").arg(int(choice.format) + 5)))->click();
        child<QSpinBox>(dialog, "SpinEdit1")->setValue(choice.round);
        click(dialog, "OKBtn");
    });
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

} // namespace

// "Exporter": every list of the example tournament in every format, read back by real readers.
class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void everyListInEveryFormat()
    {
        if (underWine())
            QSKIP(readersUnderWine);
        TestPlatform p;
        Application app;
        openExample(app, p);
        p.messages.clear();
        const QMap<QString, QByteArray> files = tournaments::snapshot(p);
        const QStringList register_ = app.state().playerRegisterList();
        QTemporaryDir out;
        struct Case
        {
            Choice choice;
            const char *name;
            const char *title;
        };
        const Case cases[] = {
            {{List::Players}, "Liste des joueurs", "Liste des joueurs"},
            {{List::Positions}, "Liste des positions", "Liste des positions"},
            {{List::GeneralRanking},
             "Classement général - tour 4",
             "Classement Général Tournoi du 08/12/2026 Salle des fêtes de Saint-Aubin"},
            {{List::RoundRanking, Format::Csv, 2},
             "Classement du tour 2",
             "Classement du tour n°2 Tournoi du 08/12/2026 Salle des fêtes de Saint-Aubin"},
        };
        for (const Case &c : cases) {
            const QString title = u(c.title);
            const auto exported = [&](Format format) {
                Choice choice = c.choice;
                choice.format = format;
                const QString path =
                    out.filePath(QStringLiteral("%1.").arg(int(choice.list)) + exporting::suffix(format));
                return exportTo(app, p, choice, path) ? path : QString();
            };
            const QString csvPath = exported(Format::Csv);
            QCOMPARE(p.fileDialogs.calls.last().initialName, u(c.name) + QStringLiteral(".csv"));
            const QByteArray csv = contents(csvPath);
            QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
            QCOMPARE(csv.count("\r\n"), csv.count('\n'));
            QList<QStringList> rows = csvRows(csvPath);
            QCOMPARE(rows.size(), 25); // the titles, then 24 players

            // The CSV holds the printed rows, cell for cell; a ranking also the grid on screen.
            QList<QStringList> expected = withoutEmptyCells(rows);
            if (c.choice.list == List::Players)
                expected.removeFirst(); // the printed list has no column titles
            else if (c.choice.list != List::Positions)
                expected.first().removeFirst(); // nor a title over the ranks
            QCOMPARE(printedRows(app.state(), c.choice, title), expected);
            if (c.choice.list == List::GeneralRanking) {
                QCOMPARE(rows.first(), (QStringList{"RANG", "NOM", "POSITION", "SCORE"}));
                QList<QStringList> shown;
                // The excluded player comes last, with no rank.
                for (qsizetype r = 1; r < rows.size(); ++r) {
                    QCOMPARE(rows[r].first(), r < rows.size() - 1 ? QString::number(r) : QString());
                    shown << rows[r].mid(1);
                }
                QCOMPARE(rows.last().at(3), QStringLiteral("EXCLU"));
                QCOMPARE(shown, gridRows(app));
            }

            // The page passes an HTML5 checker and holds the title and every row.
            const QString htmlPath = exported(Format::Html);
            const Run tidy = run(QStringLiteral("tidy"), {QStringLiteral("-q"), QStringLiteral("-e"), htmlPath});
            QVERIFY2(tidy.exitCode == 0 && tidy.err.isEmpty(), tidy.err.constData());
            const QString page = QString::fromUtf8(contents(htmlPath));
            QVERIFY(page.contains(QStringLiteral("<h1>%1</h1>").arg(title.toHtmlEscaped())));
            QVERIFY(page.contains(QStringLiteral("@media print")));
            QVERIFY(!page.contains(QStringLiteral("src=")) && !page.contains(QStringLiteral("href=")));
            QCOMPARE(page.count(QStringLiteral("<tr>")), rows.size());

            // The PDF is the printout: every row on one line of its text.
            const Run text = run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), exported(Format::Pdf), QStringLiteral("-")});
            QVERIFY2(text.exitCode == 0, text.err.constData());
            const QString pdfText = QString::fromUtf8(text.out);
            for (const QStringList &row : withoutEmptyCells(rows.mid(1))) {
                QStringList parts;
                for (const QString &cell : row)
                    parts << QRegularExpression::escape(cell);
                const QRegularExpression line(QStringLiteral("(^|\\s)") + parts.join(QStringLiteral("\\s+")) +
                                                  QStringLiteral("(\\s|$)"),
                                              QRegularExpression::MultilineOption);
                QVERIFY2(line.match(pdfText).hasMatch(), qPrintable(row.join(QLatin1Char('|'))));
            }
        }
        // Nothing changes but the files written.
        QCOMPARE(tournaments::snapshot(p), files);
        QCOMPARE(app.state().playerRegisterList(), register_);
        QVERIFY(!app.state().modified());
        QVERIFY(p.messages.boxes.isEmpty());
    }

    // Only what exists can be chosen: the rankings once a score is in, PCN as the window allows it.
    void onlyWhatExists()
    {
        Tournament state = tournaments::seatedState(6);
        exporting::Available a = exporting::available(state);
        QVERIFY(a.players && a.positions && !a.generalRanking && !a.pcn);
        QCOMPARE(a.lastRound, 0);
        QVERIFY(!exporting::allowed(a, {List::RoundRanking, Format::Csv, 1}));
        for (int r = 1; r <= 4; ++r)
            arrange(state, [&](Tournament::Data &d) { d.finishedRounds << tournaments::round(6, r); });
        arrange(state, [&](Tournament::Data &d) { d.currentRound = 5; });
        arrange(state, [&](Tournament::Data &d) { d.roundStarted = true; });
        a = exporting::available(state);
        QVERIFY(a.generalRanking && a.pcn);
        QCOMPARE(a.lastRound, 4); // round 5 has no score yet
        arrange(state, [&](Tournament::Data &d) { d.scoreList = tournaments::round(6, 5).mid(0, 4); });
        QCOMPARE(exporting::available(state).lastRound, 5);
        const exporting::Table withPcn = exporting::table(state, {List::GeneralRanking, Format::Csv, 1, true});
        QCOMPARE(withPcn.header.last(), QStringLiteral("PCN"));
        QVERIFY(
            exporting::csv(withPcn).split('\n').at(1).endsWith(";" + QByteArray::number(ranking::pcn(1, 6)) + "\r"));

        TestPlatform p;
        Application app;
        newTournament(app);
        choose(app, "Exporter");
        QCOMPARE(p.messages.texts(), QStringList{u("Aucun joueur n'est inscrit : il n'y a rien à exporter.")});
        registerPlayers(app, {{"PION", "Paul"}});
        auto &dialog = app.window<ExportDialog>();
        QVERIFY(drive(dialog, choosing(app, "Exporter"), [&] {
            QVERIFY(child<QRadioButton>(dialog, "RadioButton1")->isChecked());
            for (const char *name : {"RadioButton2", "RadioButton3", "RadioButton4", "CheckBox1", "SpinEdit1"})
                QVERIFY2(!child<QWidget>(dialog, name)->isEnabled(), name);
            click(dialog, "CancelBtn");
        }));
        QVERIFY(p.fileDialogs.calls.isEmpty());
    }

    // Players out as CSV, into a new tournament: the same register; the file asked before replacing.
    void playersRoundTrip()
    {
        TestPlatform p;
        Application app;
        newTournament(app);
        registerPlayers(app, {{"BRI\"ERE;X", "Anne"}, {"DUPONT", u("élodie")}, {"SEUL", ""}, {"LE GALL", "Jo"}});
        const QStringList before = app.state().playerRegisterList();
        const QString path = p.path(QStringLiteral("joueurs.csv"));
        QVERIFY(exportTo(app, p, {List::Players}, path));
        const QByteArray first = p.bytes(QStringLiteral("joueurs.csv"));
        if (underWine())
            qInfo("CSV not read back: %s", readersUnderWine);
        else
            QCOMPARE(csvRows(path).value(1), (QStringList{"BRI\"ERE;X Anne", ""}));

        // An existing file is replaced only when the director says so.
        p.write(QStringLiteral("joueurs.csv"), {QStringLiteral("autre")});
        p.messages.answers = {Messages::No};
        QVERIFY(exportTo(app, p, {List::Players}, path));
        QCOMPARE(p.messages.texts(),
                 QStringList{u("Le fichier « joueurs.csv » existe déjà.\r\nVoulez-vous le remplacer ?")});
        QCOMPARE(p.read(QStringLiteral("joueurs.csv")), QStringList{"autre"});
        p.messages.answers = {Messages::Yes};
        QVERIFY(exportTo(app, p, {List::Players}, path));
        QCOMPARE(p.bytes(QStringLiteral("joueurs.csv")), first);
        // A file that cannot be written is said so.
        p.messages.clear();
        QVERIFY(exportTo(app, p, {List::Players}, p.path(QStringLiteral("absent/joueurs.csv"))));
        QVERIFY(p.messages.texts().value(0).startsWith(u("Impossible d'écrire le fichier")));

        p.messages.clear();
        newTournament(app);
        QVERIFY(app.state().playerRegisterList().isEmpty());
        p.fileDialogs.openAnswers = {path};
        auto &report = app.window<ImportReportDialog>();
        QVERIFY(drive(report, choosing(app, "Importer"), [&] { click(report, "OKBtn"); }));
        QCOMPARE(app.state().playerRegisterList(), before);
    }
};

QTEST_MAIN(TestExport)
#include "test_export.moc"
