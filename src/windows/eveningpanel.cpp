#include "windows/eveningpanel.h"

#include "live/tableentry.h"
#include "store/evening.h"
#include "store/takeup.h"
#include "tournament/plural.h"
#include "tournament/tournament.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int tilesPerRow = 10;

QLabel *line(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// "aucune pénalité", "1 pénalité", "2 pénalités".
QString counted(qsizetype n, const QString &singular, const QString &plural)
{
    return n == 0 ? QStringLiteral("aucune ") + singular
                  : ::plural(n, QStringLiteral("%1 ") + singular, QStringLiteral("%1 ") + plural);
}

// The scores each table of the round sent and that wait for the director, as its tile tells them:
// "Nord DUPONT Jean 120, Sud …".
QHash<int, QString> proposedScores(const Tournament &state)
{
    QHash<int, QString> proposed;
    for (const tableentry::Submission &s : tableentry::waitingSubmissions(state))
        if (s.round == state.currentRound() && s.table >= 1 && s.table <= state.tableCount())
            proposed.insert(s.table, tableentry::describeSubmission(state, s).join(QStringLiteral(", ")));
    return proposed;
}

} // namespace

EveningPanel::EveningPanel(const Tournament &tournament, QWidget *parent) : QFrame(parent), m_tournament(tournament)
{
    setObjectName(QStringLiteral("eveningPanel"));
    // Readable over the background tile, which still shows around it.
    setStyleSheet(QStringLiteral("#eveningPanel { background: rgba(255, 255, 255, 230); border: 1px solid #8a8a9a; "
                                 "border-radius: 6px; }"));
    m_description = line(this, "description");
    m_stage = line(this, "stage");
    QFont bold = m_stage->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_stage->setFont(bold);
    m_tiles = new QWidget(this);
    m_tiles->setObjectName(QStringLiteral("tables"));
    m_tileGrid = new QGridLayout(m_tiles);
    m_tileGrid->setContentsMargins(0, 0, 0, 0);
    m_tileGrid->setSpacing(4);
    m_tileGrid->setColumnStretch(tilesPerRow, 1); // tiles packed on the left, a row of ten at most
    m_missing = line(this, "missingTables");
    m_missing->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_missing, &QLabel::linkActivated, this, [this](const QString &link) { emit tableClicked(link.toInt()); });
    m_proposed = line(this, "proposedTables");
    m_proposed->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(m_proposed, &QLabel::linkActivated, this,
            [this](const QString &link) { emit proposedTableClicked(link.toInt()); });
    m_locked = line(this, "lockedTables");
    m_locked->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold;"));
    m_locked->hide();
    m_incidents = line(this, "incidents");
    m_saved = line(this, "saved");
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("nextStep"));
    m_next->setDefault(true);
    m_next->setMinimumHeight(34);
    connect(m_next, &QPushButton::clicked, this, [this] { emit commandChosen(m_nextCommand); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->addWidget(m_description);
    layout->addWidget(m_stage);
    layout->addWidget(m_tiles);
    layout->addWidget(m_missing);
    layout->addWidget(m_proposed);
    layout->addWidget(m_locked);
    layout->addWidget(m_incidents);
    layout->addWidget(m_saved);
    layout->addSpacing(6);
    layout->addWidget(m_next, 0, Qt::AlignHCenter);
    refresh();
}

void EveningPanel::refresh()
{
    const Tournament &state = m_tournament;
    const Evening now = evening(state, state.movement().plannedRounds);
    const QString description = descriptionText(state);
    m_description->setText(description);
    m_description->setVisible(state.opened() && !description.isEmpty());
    m_stage->setText(now.stage);
    const QHash<int, QString> proposed = proposedScores(state);
    showTables(now.tablesEntered, proposed, now.round);
    showProposed(now.tablesEntered, proposed);
    QString incidents = counted(now.penalties, QStringLiteral("pénalité"), QStringLiteral("pénalités")) +
                        QStringLiteral(", ") +
                        counted(now.exclusions, QStringLiteral("exclusion"), QStringLiteral("exclusions"));
    incidents[0] = incidents[0].toUpper(); // "Aucune pénalité, 1 exclusion"
    m_incidents->setText(incidents);
    m_incidents->setVisible(state.opened());
    m_saved->setText(savedText());
    m_next->setText(now.nextStep);
    m_nextCommand = now.nextCommand;
    m_next->setEnabled(menuStates(state).isEnabled(now.nextCommand));
}

void EveningPanel::showLockedTables(const QList<int> &tables)
{
    QStringList lines;
    for (const int table : tables)
        lines << QStringLiteral("Table %1 bloquée une minute : cinq codes faux envoyés d'un téléphone.").arg(table);
    m_locked->setText(lines.join(QLatin1Char('\n')));
    m_locked->setVisible(!lines.isEmpty());
}

void EveningPanel::showProposed(const QList<bool> &entered, const QHash<int, QString> &proposed)
{
    QList<int> tables = proposed.keys();
    std::sort(tables.begin(), tables.end());
    QStringList lines;
    for (const int table : std::as_const(tables).first(std::min(tables.size(), qsizetype(maxProposedListed))))
        lines << QStringLiteral("<a href=\"%1\">Table %1</a> %2 : %3")
                     .arg(table)
                     .arg(entered.value(table - 1) ? QStringLiteral("déjà saisie, correction proposée")
                                                   : QStringLiteral("proposée"),
                          proposed[table].toHtmlEscaped());
    if (tables.size() > maxProposedListed)
        lines << QStringLiteral("… et %1").arg(plural(
            tables.size() - maxProposedListed, QStringLiteral("%1 autre table"), QStringLiteral("%1 autres tables")));
    m_proposed->setText(lines.join(QStringLiteral("<br>")));
    m_proposed->setVisible(!lines.isEmpty());
}

void EveningPanel::showTables(const QList<bool> &entered, const QHash<int, QString> &proposed, int round)
{
    const qsizetype tables = entered.size();
    const bool asTiles = tables > 0 && tables <= maxTiles;
    if (!asTiles) {
        qDeleteAll(m_tileButtons);
        m_tileButtons.clear();
    }
    m_tiles->setVisible(asTiles);
    m_missing->setVisible(tables > maxTiles);
    if (tables > maxTiles) {
        QStringList missing;
        qsizetype missingCount = 0;
        for (qsizetype t = 0; t < tables; ++t)
            if (!entered[t] && ++missingCount <= maxMissingListed)
                missing << QStringLiteral("<a href=\"%1\">%1</a>").arg(t + 1);
        QString text =
            QStringLiteral("Tour %1 : %2 tables sur %3 saisies.").arg(round).arg(tables - missingCount).arg(tables);
        if (missingCount > 0) {
            text += QStringLiteral("<br>À saisir : ") + missing.join(QStringLiteral(", "));
            if (missingCount > maxMissingListed)
                text += QStringLiteral(" … (%1 de plus)").arg(missingCount - maxMissingListed);
        }
        m_missing->setText(text);
        return;
    }
    if (!asTiles)
        return;
    while (m_tileButtons.size() > tables)
        delete m_tileButtons.takeLast();
    while (m_tileButtons.size() < tables) {
        const int table = int(m_tileButtons.size()) + 1;
        auto *tile = new QToolButton(m_tiles);
        tile->setObjectName(QStringLiteral("table%1").arg(table));
        tile->setFixedSize(46, 34);
        connect(tile, &QToolButton::clicked, this, [this, table, tile] {
            if (tile->property("proposed").toBool())
                emit proposedTableClicked(table);
            else
                emit tableClicked(table);
        });
        m_tileGrid->addWidget(tile, (table - 1) / tilesPerRow, (table - 1) % tilesPerRow);
        m_tileButtons << tile;
    }
    for (qsizetype t = 0; t < tables; ++t) {
        QToolButton *tile = m_tileButtons[t];
        const bool done = entered[t];
        const auto waiting = proposed.constFind(int(t) + 1);
        if (waiting != proposed.cend()) {
            // A correction of a table entered is proposed too: the director decides.
            tile->setText(QStringLiteral("%1 ?").arg(t + 1));
            tile->setToolTip(QStringLiteral("Table %1 : proposée%2 — %3.\nCliquez pour accepter ou refuser.")
                                 .arg(t + 1)
                                 .arg(done ? QStringLiteral(" (déjà saisie)") : QString(), *waiting));
            tile->setStyleSheet(QStringLiteral("QToolButton { background: #ffb300; color: black; border: 2px solid "
                                               "#e65100; border-radius: 4px; font-weight: bold; }"));
        } else {
            tile->setText(done ? QStringLiteral("%1 ✓").arg(t + 1) : QString::number(t + 1));
            tile->setToolTip(
                done ? QStringLiteral("Table %1 : saisie").arg(t + 1)
                     : QStringLiteral("Table %1 : à saisir (cliquez pour saisir ses résultats)").arg(t + 1));
            tile->setStyleSheet(done ? QStringLiteral("QToolButton { background: #2e7d32; color: white; border: 1px "
                                                      "solid #1b5e20; border-radius: 4px; font-weight: bold; }")
                                     : QStringLiteral("QToolButton { background: white; color: #b71c1c; border: 2px "
                                                      "solid #b71c1c; border-radius: 4px; font-weight: bold; }"));
        }
        tile->setProperty("entered", done);
        tile->setProperty("proposed", waiting != proposed.cend());
    }
}

QString EveningPanel::savedText() const
{
    const Tournament &state = m_tournament;
    if (!state.opened())
        return {};
    if (state.tournamentFile().isEmpty())
        return QStringLiteral("Pas encore enregistré");
    QString text = QStringLiteral("Enregistré");
    if (state.savedAt().isValid())
        text += state.savedAt().toString(QStringLiteral(" 'le' dd/MM/yyyy 'à' HH:mm"));
    text += QStringLiteral(" dans « %1 »").arg(QDir::toNativeSeparators(state.tournamentFile()));
    if (state.modified())
        text += QStringLiteral(", modifié depuis");
    return text;
}
