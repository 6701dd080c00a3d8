#include "rankings/generalrankingwindow.h"
#include "tournament/workingfilenames.h"
#include "rounds/cancelrounddialog.h"
#include "rounds/scoreentrydialog.h"
#include "store/menus.h"
#include "support/driving.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// 22 players: 6 tables, two of them with an empty chair.
const QList<QPair<QString, QString>> players = {
    {"LEFEBVRE", "anne"},  {"MOREAU", "bruno"},    {"GARNIER", "claire"}, {"FAURE", "denis"},
    {"ROUSSEAU", "emma"},  {"BLANC", "fabien"},    {"GUERIN", "gilles"},  {"MULLER", "hélène"},
    {"HENRY", "ines"},     {"ROUSSEL", "jacques"}, {"NICOLAS", "karine"}, {"PERRIN", "louis"},
    {"MORIN", "manon"},    {"MATHIEU", "nathan"},  {"CLEMENT", "odile"},  {"GAUTHIER", "pierre"},
    {"DUMONT", "quentin"}, {"LOPEZ", "rose"},      {"FONTAINE", "simon"}, {"CHEVALIER", "thomas"},
    {"ROBIN", "ursule"},   {"MASSON", "victor"}};
const char seats[] = {'N', 'S', 'E', 'O'};
constexpr int tables = 6;

// The displacements the automatic FFT movements give at 6 tables, worked out by hand from
// their values per round: Sud +1 every round, Est +2 +3 +2 +2 +2, Ouest -1 -1 -2 -1 -1.
const std::map<char, std::array<int, 7>> displacement = {
    {'N', {0, 0, 0, 0, 0, 0, 0}},
    {'S', {0, 0, 1, 2, 3, 4, 5}},
    {'E', {0, 0, 2, 5, 7, 9, 11}},
    {'O', {0, 0, -1, -2, -4, -5, -6}},
};
const QStringList movementLines = {"N2=0",  "E2=2", "O2=-1", "S2=1", "N3=0",  "E3=3", "O3=-1", "S3=1", "N4=0",  "E4=2",
                                   "O4=-2", "S4=1", "N5=0",  "E5=2", "O5=-1", "S5=1", "N6=0",  "E6=2", "O6=-1", "S6=1"};

// The name the windows give a seat code: its seated entry before "=", the blank included.
QString nameOf(const QStringList &reg, const QString &code)
{
    QString name;
    for (const QString &line : reg)
        if (line.endsWith(QStringLiteral(" = ") + code))
            name = line.left(line.indexOf('='));
    return name;
}

// Who sits at seat L of table t in round r.
QString occupant(char seat, int table, int round)
{
    int from = table - displacement.at(seat)[size_t(round)];
    while (from < 1)
        from += tables;
    while (from > tables)
        from -= tables;
    return QStringLiteral("%1%2").arg(QLatin1Char(seat)).arg(from);
}

// The scores typed at a table, Nord, Sud, Est, Ouest; an empty chair scores 0.
std::array<int, 4> scores(int round, int table)
{
    const int n = table <= 2 ? 0 : 10 * ((3 * table + 5 * round) % 11) - 50;
    const int s = 10 * ((7 * table + 2 * round) % 9) - 40;
    const int e = 5 * ((table + 4 * round) % 13) - 30;
    return {n, s, e, -(n + s + e)};
}

// The score file of a round typed table after table: each table's lines N, O, E, S.
QStringList roundFile(int round)
{
    QStringList lines;
    for (int t = 1; t <= tables; ++t) {
        const std::array<int, 4> v = scores(round, t);
        for (const int i : {0, 3, 2, 1})
            lines << QStringLiteral("%1=%2").arg(occupant(seats[i], t, round)).arg(v[size_t(i)]);
    }
    return lines;
}

// The general ranking after `rounds` complete rounds: the header, one row per round-1 line, in descending
// order of total. Ties follow the ranking's own rule: the totals in descending order, then for
// each place the first row from there on with that total is exchanged into it.
QList<QStringList> expectedRanking(int rounds, const QStringList &reg)
{
    std::map<QString, int> total;
    for (int r = 1; r <= rounds; ++r)
        for (const QString &line : roundFile(r))
            total[line.section('=', 0, 0)] += line.section('=', 1).toInt();
    QStringList order;
    for (const QString &line : roundFile(1))
        order << line.section('=', 0, 0);
    // The empty chairs come after every player.
    const auto key = [&](const QString &code) {
        return nameOf(reg, code).startsWith(" CHAISE VIDE") ? std::numeric_limits<int>::min() : total[code];
    };
    std::vector<int> values;
    for (const QString &code : order)
        values.push_back(key(code));
    std::sort(values.begin(), values.end(), std::greater<>());
    for (qsizetype p = 0; p < order.size(); ++p) {
        qsizetype r = p;
        while (key(order[r]) != values[size_t(p)])
            ++r;
        order.swapItemsAt(p, r);
    }
    static const std::map<QChar, QString> seatName = {{'N', "Nord "}, {'S', "Sud "}, {'E', "Est "}, {'O', "Ouest "}};
    QList<QStringList> rows = {{"NOM", "POSITION", "SCORE"}};
    for (const QString &code : order) {
        const QString name = nameOf(reg, code);
        rows << QStringList{name, seatName.at(code[0]) + code.mid(1),
                            name.startsWith(" CHAISE VIDE") ? QStringLiteral("SANS OBJET")
                                                            : QString::number(total[code])};
    }
    return rows;
}

QSpinBox *tableField(ScoreEntryDialog &d)
{
    return child<QSpinBox>(d, "SpinEdit1");
}

// The header and rows of "Classement général" as the window shows them.
QList<QStringList> generalRanking(Application &app)
{
    choose(app, "Général");
    auto &window = app.window<GeneralRankingWindow>();
    const QAbstractItemModel *model = child<QTableView>(window, "StringGrid1")->model();
    QList<QStringList> rows(1);
    for (int k = 0; k < model->columnCount(); ++k)
        rows[0] << model->headerData(k, Qt::Horizontal).toString();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList row;
        for (int k = 0; k < model->columnCount(); ++k)
            row << model->index(r, k).data().toString();
        rows << row;
    }
    window.close();
    return rows;
}

// Types a table's scores from its first box that takes typing; an empty chair's box holds its 0.
void typeTable(ScoreEntryDialog &d, const std::array<int, 4> &values)
{
    QStringList typed;
    QWidget *first = nullptr;
    for (int i = 0; i < 4; ++i) {
        auto *box = child<QLineEdit>(d, qPrintable(QStringLiteral("Edit%1").arg(9 + i)));
        if (box->isReadOnly()) {
            QCOMPARE(values[size_t(i)], 0);
            continue;
        }
        first = first ? first : box;
        typed << QString::number(values[size_t(i)]);
    }
    first->setFocus();
    typeScores(d, typed);
}

void quit(ScoreEntryDialog &d)
{
    child<QPushButton>(d, "BitBtn1")->click();
}

} // namespace

// A whole tournament run through the windows, checked against a hand computation.
class TestTournament : public QObject
{
    Q_OBJECT

    // The menus shown during work are those a recovery of the same files shows.
    static void checkMenusAsRecovered(TestPlatform &p, Application &app)
    {
        const QStringList during = shownMenus(app);
        const ScriptedMessages kept = p.messages;
        p.messages.clear(); // every question answered Yes
        Application recovered;
        recovered.mainWindow().firstActivation();
        QCOMPARE(shownMenus(recovered), during);
        p.messages = kept;
    }

    void checkAfterRound(TestPlatform &p, Application &app, int round)
    {
        for (int r = 1; r < round; ++r)
            QCOMPARE(p.read(workingfile::finishedRound(r)), roundFile(r));
        QVERIFY(!p.exists(workingfile::finishedRound(round)));
        QCOMPARE(p.read("tour.tmp"), roundFile(round));
        if (round > 1)
            QCOMPARE(p.read("depl.tmp"), movementLines.mid(0, 4 * (round - 1)));
        QCOMPARE(generalRanking(app), expectedRanking(round, app.state().playerRegisterList()));
        checkMenusAsRecovered(p, app);
    }

    // Starts the round (answering the question Yes) and types every table in order.
    void playRound(TestPlatform &p, Application &app, int round)
    {
        p.messages.answers = {Messages::Yes};
        QVERIFY(drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
            QCOMPARE(child(d, "tour")->text(), QString::number(round));
            tableField(d)->setValue(1);
            for (int t = 1; t <= tables; ++t) {
                QCOMPARE(tableField(d)->value(), t);
                QCOMPARE(child(d, "Edit1")->text(), occupant('N', t, round).mid(1));
                QCOMPARE(child(d, "Edit3")->text(), occupant('E', t, round).mid(1));
                typeTable(d, scores(round, t));
            }
            QCOMPARE(child<QLabel>(d, "comment")->text(), QStringLiteral("Tour complet, appuyez sur Quitter."));
            quit(d);
        }));
    }

private slots:
    void sixRoundsOfTwentyTwoPlayers()
    {
        TestPlatform p;
        Application app;
        // Registered and seated through the players' windows.
        newTournament(app);
        checkMenusAsRecovered(p, app);
        registerPlayers(app, players);
        checkMenusAsRecovered(p, app);
        p.messages.answers = {Messages::Yes};
        choose(app, "&Attribuer les positions");
        checkMenusAsRecovered(p, app);
        QCOMPARE(p.messages.texts(), QStringList{"Autoriser 2 table(s) à 3 joueurs ?"});
        p.messages.clear();
        const QStringList reg = p.read("position.tmp");
        QCOMPARE(app.state().playerRegisterList(), reg);
        QCOMPARE(reg.size(), 24);
        QCOMPARE(nameOf(reg, "N1"), QStringLiteral(" CHAISE VIDE 1 "));
        QCOMPARE(nameOf(reg, "N2"), QStringLiteral(" CHAISE VIDE 2 "));
        QVERIFY(reg.contains(QRegularExpression("^MULLER Hélène = [NSEO][1-6]$")));
        QVERIFY(app.state().movement().fft);

        // Round 1: table 3 typed wrong first, put right once the others are in.
        QVERIFY(drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
            for (int t = 1; t <= tables; ++t) {
                std::array<int, 4> v = scores(1, t);
                if (t == 3)
                    v = {v[0] + 50, v[1] - 50, v[2], v[3]};
                typeTable(d, v);
            }
            tableField(d)->setValue(3);
            QCOMPARE(child(d, "Edit10")->text(), QString::number(scores(1, 3)[1] - 50));
            child<QPushButton>(d, "CancelBtn")->click();
            typeTable(d, scores(1, 3));
            QCOMPARE(child(d, "Edit5")->text(), nameOf(reg, "N4")); // on to table 4
            quit(d);
        }));
        QVERIFY(p.messages.boxes.isEmpty());
        checkAfterRound(p, app, 1);

        QVERIFY(shown(app, "Dernière minute"));
        const QString warning = QStringLiteral("Au prochain tour, le déplacement change.");
        for (int round = 2; round <= 3; ++round) {
            p.messages.clear();
            playRound(p, app, round);
            QCOMPARE(p.messages.texts(),
                     QStringList(
                         {QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° %1) ?").arg(round), warning}));
            checkAfterRound(p, app, round);
            QVERIFY(!shown(app, "Dernière minute"));
        }

        // Round 4 started, two tables typed, then cancelled: round 3 is current and complete.
        p.messages.answers = {Messages::Yes};
        drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
            tableField(d)->setValue(1);
            typeTable(d, scores(4, 1));
            typeTable(d, scores(4, 2));
            quit(d);
        });
        QCOMPARE(p.read("tour.tmp"), roundFile(4).mid(0, 8));
        QCOMPARE(generalRanking(app), expectedRanking(3, reg)); // an incomplete round adds nothing
        checkMenusAsRecovered(p, app);
        p.messages.clear();
        p.messages.answers = {Messages::Yes};
        drive<CancelRoundDialog>(app, "Annuler le tour en cours", [&](CancelRoundDialog &d) {
            QCOMPARE(child(d, "Edit1")->text(), QStringLiteral("Tour n°4"));
            child<QPushButton>(d, "OKBtn")->click();
        });
        QCOMPARE(p.messages.texts(), QStringList{"Vous allez supprimer 8 scores. En êtes-vous sûr ?"});
        QCOMPARE(app.state().currentRound(), 3);
        QCOMPARE(p.read("depl.tmp"), movementLines.mid(0, 8));
        QVERIFY(!p.exists("tour3.tmp"));
        checkAfterRound(p, app, 3);

        for (int round = 4; round <= 6; ++round) {
            p.messages.clear();
            playRound(p, app, round);
            QCOMPARE(p.messages.texts(),
                     QStringList{QStringLiteral("Voulez-vous entamer un nouveau tour (tour n° %1) ?").arg(round)});
            checkAfterRound(p, app, round);
        }
        QCOMPARE(app.state().currentRound(), 6);
        QCOMPARE(p.files(), QStringList({"INITIAL.TMP", "depl.tmp", "inscrits.tmp", "position.tmp", "tour.tmp",
                                         "tour1.tmp", "tour2.tmp", "tour3.tmp", "tour4.tmp", "tour5.tmp"}));
    }
};

QTEST_MAIN(TestTournament)
#include "test_tournament.moc"
