// The program as main() builds it, playing a whole evening through its windows: 24 players
// registered and seated, three rounds played, a penalty and an exclusion, round 4 begun.
// Every step, once done, is written to a journal outside the working directory, so that a
// process killed at any moment can be checked against what it had recorded.
//
//   scriptedevening <working directory> <journal> [<tournament file to save at the end>]

#include "incidents/exclusiondialog.h"
#include "incidents/penaltydialog.h"
#include "movements/positions.h"
#include "players/entries.h"
#include "rounds/scoreentrydialog.h"
#include "store/newtournamentdialog.h"
#include "support/driving.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QSpinBox>
#include <QTimer>

#include <cstdio>

namespace {

const QList<QPair<QString, QString>> evening = {
    {"AUBRY", "lucienne"},  {"BARRAULT", "gaston"},  {"CAZENAVE", "odette"}, {"DELORME", "firmin"},
    {"ESCOFFIER", "maud"},  {"FOUGERAY", "anselme"}, {"GRANDIN", "solange"}, {"HUCHET", "léon"},
    {"ISNARD", "berthe"},   {"JOUBERT", "armand"},   {"KERVELLA", "yvette"}, {"LAPORTE", "émile"},
    {"MAILLARD", "rosine"}, {"NOUVEL", "octave"},    {"OLLIVIER", "paule"},  {"PASQUIER", "hector"},
    {"QUEMENEUR", "lise"},  {"RAFFIN", "gustave"},   {"SABATIER", "irène"},  {"TESSIER", "marius"},
    {"URVOY", "colette"},   {"VASSEUR", "aristide"}, {"WALTER", "josette"},  {"YVON", "célestin"}};

class Journal
{
public:
    explicit Journal(const QString &path) : m_file(path) { m_file.open(QIODevice::WriteOnly | QIODevice::Append); }
    // Written through at once: a process killed right after still leaves the line.
    void note(const QString &line)
    {
        m_file.write(line.toUtf8() + '\n');
        m_file.flush();
    }

private:
    QFile m_file;
};

// The scores typed at table t of round r: Nord, Sud, Est, Ouest, summing to zero.
std::array<int, 4> scores(int round, int table)
{
    const int n = 10 * ((3 * table + 5 * round) % 11) - 50;
    const int s = 10 * ((7 * table + 2 * round) % 9) - 40;
    const int e = 5 * ((table + 4 * round) % 13) - 30;
    return {n, s, e, -(n + s + e)};
}

// Opens score entry (Yes to a new round) and records tables first..last of the current round.
void playTables(Application &app, Journal &journal, int first, int last)
{
    const int before = app.state().currentRound;
    drive<ScoreEntryDialog>(app, "&Saisie des résultats", [&](ScoreEntryDialog &d) {
        const int round = app.state().currentRound;
        if (round != before)
            journal.note(QStringLiteral("tour %1").arg(round));
        child<QSpinBox>(d, "SpinEdit1")->setValue(first);
        child(d, "Edit9")->setFocus();
        for (int t = first; t <= last; ++t) {
            const std::array<int, 4> v = scores(round, t);
            QStringList typed, lines;
            const SeatedTable seated = tableInRound(app.state(), t, round);
            for (size_t i = 0; i < 4; ++i) {
                typed << QString::number(v[i]);
                lines << seated.seatCodes[i] + QLatin1Char('=') + QString::number(v[i]);
            }
            typeScores(d, typed);
            journal.note(QStringLiteral("score %1 %2").arg(round).arg(lines.join(QLatin1Char(' '))));
        }
        child<QPushButton>(d, "BitBtn1")->click();
    });
}

// Picks the entry at index in the dialog's player list; returns its seat code.
QString pickPlayer(QDialog &d, int index)
{
    auto *list = child<QComboBox>(d, "ComboBox1");
    while (list->itemText(index).trimmed().isEmpty()) // the blank first entries
        ++index;
    list->setCurrentIndex(index);
    return entries::seatCodeOfDisplayed(list->currentText());
}

void penalise(Application &app, Journal &journal, int index, int points)
{
    drive<PenaltyDialog>(app, "&Pénaliser un joueur", [&](PenaltyDialog &d) {
        const QString code = pickPlayer(d, index);
        child<QSpinBox>(d, "SpinEdit1")->setValue(points);
        child<QPushButton>(d, "OKBtn")->click();
        journal.note(QStringLiteral("penal %1=%2").arg(code).arg(points));
    });
}

void exclude(Application &app, Journal &journal, int index)
{
    drive<ExclusionDialog>(app, "&Exclure un joueur", [&](ExclusionDialog &d) {
        const QString code = pickPlayer(d, index);
        child<QPushButton>(d, "OKBtn")->click();
        journal.note(QStringLiteral("exclu %1").arg(code));
    });
}

void playEvening(Application &app, Journal &journal, Doubles &doubles, const QString &saveTo)
{
    app.mainWindow().firstActivation();
    auto &init = app.window<NewTournamentDialog>();
    drive(init, choosing(app, "Nouveau"), [&init] {
        type(init, "Edit2", QStringLiteral("Salle des fêtes de Saint-Aubin"));
        child<QPushButton>(init, "OKBtn")->click();
    });
    journal.note(QStringLiteral("nouveau"));
    registerPlayers(app, evening);
    journal.note(QStringLiteral("inscrits %1").arg(evening.size()));
    choose(app, "&Attribuer les positions");
    journal.note(QStringLiteral("positions"));

    playTables(app, journal, 1, 4);
    penalise(app, journal, 5, -150);
    playTables(app, journal, 5, 6);
    for (int round = 2; round <= 3; ++round) {
        playTables(app, journal, 1, 6);
        if (round == 2)
            exclude(app, journal, 9);
    }
    playTables(app, journal, 1, 3);
    penalise(app, journal, 14, -50);
    if (!saveTo.isEmpty()) {
        doubles.fileDialogs.saveAnswers = {saveTo};
        choose(app, "&Enregistrer");
    }
    journal.note(QStringLiteral("fin"));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: scriptedevening <working directory> <journal> [<file.trt>]\n");
        return 2;
    }
    Doubles doubles; // every question answered Yes
    doubles.install(QString::fromLocal8Bit(argv[1]));
    Journal journal(QString::fromLocal8Bit(argv[2]));
    const QString saveTo = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    Application app;
    QTimer::singleShot(0, [&] {
        playEvening(app, journal, doubles, saveTo);
        QApplication::quit();
    });
    return qapp.exec();
}
