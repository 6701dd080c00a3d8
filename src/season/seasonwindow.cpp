#include "season/seasonwindow.h"

#include "platform/platform.h"
#include "rankings/ranking.h"
#include "rankings/rankinggrid.h"
#include "season/seasondocument.h"
#include "tournament/plural.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString windowCaption = QStringLiteral("Saison");

QString described(const season::Evening &evening)
{
    const QString file = QFileInfo(evening.path).fileName();
    if (!evening.counts())
        return QStringLiteral("%1 — refusé : %2").arg(file, evening.refusal);
    const QString players = plural(evening.players, QStringLiteral("%1 joueur"), QStringLiteral("%1 joueurs"));
    const QString rounds =
        plural(evening.finishedRounds, QStringLiteral("%1 tour terminé"), QStringLiteral("%1 tours terminés"));
    QString where = evening.date.trimmed();
    if (!evening.place.trimmed().isEmpty())
        where += (where.isEmpty() ? QString() : QStringLiteral(" — ")) + evening.place.trimmed();
    if (where.isEmpty())
        where = QStringLiteral("sans date ni lieu");
    return QStringLiteral("%1 — %2, %3 — %4").arg(where, players, rounds, file);
}

// A list a few lines high, so that the ranking keeps most of the window.
void fewLines(QListWidget *list, int lines)
{
    list->setMaximumHeight(list->fontMetrics().height() * lines + 2 * list->frameWidth() + 6);
}

// Buttons one under the other, at the top.
QVBoxLayout *buttonColumn(std::initializer_list<QWidget *> buttons)
{
    auto *column = new QVBoxLayout;
    for (QWidget *b : buttons)
        column->addWidget(b);
    column->addStretch();
    return column;
}

bool confirmReplace(const QString &title, const QString &path)
{
    return !QFileInfo::exists(path) ||
           platform().messages->confirm(title,
                                        QStringLiteral("Le fichier « %1 » existe déjà.\r\nVoulez-vous le remplacer ?")
                                            .arg(QFileInfo(path).fileName()));
}

} // namespace

SeasonWindow::SeasonWindow(Tournament &tournament, SeasonDocument &season, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("SeasonDlg"), windowCaption, QStringLiteral("deroulement")),
      m_document(season)
{
    // The tournaments.
    auto *files = new QGroupBox(QStringLiteral("Tournois de la saison"), this);
    m_files = new QListWidget(files);
    m_files->setObjectName(QStringLiteral("ListBox1"));
    m_files->setWordWrap(true); // a long place name wraps rather than hides the file's name
    m_files->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPushButton *add = button(QStringLiteral("AddBtn"), QStringLiteral("Ajouter un &tournoi..."));
    QPushButton *folder = button(QStringLiteral("FolderBtn"), QStringLiteral("Ajouter un &dossier..."));
    QPushButton *remove = button(QStringLiteral("RemoveBtn"), QStringLiteral("&Retirer"));
    connect(add, &QPushButton::clicked, this, &SeasonWindow::addClicked);
    connect(folder, &QPushButton::clicked, this, &SeasonWindow::folderClicked);
    connect(remove, &QPushButton::clicked, this, &SeasonWindow::removeClicked);
    auto *filesLayout = new QHBoxLayout(files);
    filesLayout->addWidget(m_files, 1);
    filesLayout->addLayout(buttonColumn({add, folder, remove}));

    // The rule.
    auto *rule = new QGroupBox(QStringLiteral("Règle du classement"), this);
    m_scores = new QRadioButton(QStringLiteral("Somme des &scores du classement général"), rule);
    m_scores->setObjectName(QStringLiteral("RadioButton1"));
    m_pcn = new QRadioButton(QStringLiteral("Somme des &points PCN"), rule);
    m_pcn->setObjectName(QStringLiteral("RadioButton2"));
    auto *measures = new QButtonGroup(this);
    measures->addButton(m_scores);
    measures->addButton(m_pcn);
    m_scores->setChecked(true);
    m_bestOnly = new QCheckBox(QStringLiteral("Ne compter que les &meilleurs résultats de chaque joueur :"), rule);
    m_bestOnly->setObjectName(QStringLiteral("CheckBox1"));
    m_best = new QSpinBox(rule);
    m_best->setObjectName(QStringLiteral("SpinEdit1"));
    m_best->setRange(1, 99);
    m_best->setValue(5);
    m_best->setEnabled(false);
    for (QRadioButton *radio : {m_scores, m_pcn})
        connect(radio, &QRadioButton::toggled, this, &SeasonWindow::ruleChanged);
    connect(m_bestOnly, &QCheckBox::toggled, this, &SeasonWindow::ruleChanged);
    connect(m_best, &QSpinBox::valueChanged, this, &SeasonWindow::ruleChanged);
    auto *best = new QHBoxLayout;
    best->addWidget(m_bestOnly);
    best->addWidget(m_best);
    best->addStretch();
    auto *ruleLayout = new QVBoxLayout(rule);
    ruleLayout->addWidget(m_scores);
    ruleLayout->addWidget(m_pcn);
    ruleLayout->addLayout(best);

    // The probable duplicates.
    auto *duplicates = new QGroupBox(QStringLiteral("Doublons probables"), this);
    m_duplicatesLabel = new QLabel(duplicates);
    m_duplicatesLabel->setWordWrap(true);
    m_duplicatesLabel->setMinimumHeight(2 *
                                        m_duplicatesLabel->fontMetrics().lineSpacing()); // steady as its text changes
    m_duplicatesList = new QListWidget(duplicates);
    m_duplicatesList->setObjectName(QStringLiteral("ListBox2"));
    m_merge = button(QStringLiteral("MergeBtn"), QStringLiteral("&Fusionner"));
    m_apart = button(QStringLiteral("ApartBtn"), QStringLiteral("&Garder séparés"));
    connect(m_merge, &QPushButton::clicked, this, [this] { decide(true); });
    connect(m_apart, &QPushButton::clicked, this, [this] { decide(false); });
    // The decisions taken, so that a merge made by mistake can be undone.
    auto *decisionsLabel = new QLabel(QStringLiteral("Décisions prises :"), duplicates);
    m_decisionsList = new QListWidget(duplicates);
    m_decisionsList->setObjectName(QStringLiteral("ListBox3"));
    fewLines(m_duplicatesList, 4);
    fewLines(m_decisionsList, 3);
    m_undo = button(QStringLiteral("UndoBtn"), QStringLiteral("Déf&aire"));
    m_undo->setToolTip(QStringLiteral("Une fusion défaite sépare les deux noms ; des noms séparés redeviennent des "
                                      "doublons probables."));
    connect(m_undo, &QPushButton::clicked, this, &SeasonWindow::undoClicked);
    auto *duplicatesLayout = new QGridLayout(duplicates);
    duplicatesLayout->addWidget(m_duplicatesLabel, 0, 0, 1, 2);
    duplicatesLayout->addWidget(m_duplicatesList, 1, 0);
    duplicatesLayout->addLayout(buttonColumn({m_merge, m_apart}), 1, 1);
    duplicatesLayout->addWidget(decisionsLabel, 2, 0, 1, 2);
    duplicatesLayout->addWidget(m_decisionsList, 3, 0);
    duplicatesLayout->addLayout(buttonColumn({m_undo}), 3, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(files, 3);
    auto *right = new QVBoxLayout;
    right->addWidget(rule);
    right->addWidget(duplicates);
    top->addLayout(right, 2);

    // The ranking.
    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);

    // Files, printout, export.
    QPushButton *open = button(QStringLiteral("OpenBtn"), QStringLiteral("&Ouvrir une saison..."));
    QPushButton *save = button(QStringLiteral("SaveBtn"), QStringLiteral("&Enregistrer la saison..."));
    QPushButton *print = button(QStringLiteral("PrintBtn"), QStringLiteral("&Imprimer"));
    m_format = new QComboBox(this);
    m_format->setObjectName(QStringLiteral("ComboBox1"));
    m_format->addItems(
        {QStringLiteral("Tableur (CSV)"), QStringLiteral("Page web (HTML)"), QStringLiteral("Document PDF")});
    QPushButton *exportButton = button(QStringLiteral("ExportBtn"), QStringLiteral("E&xporter..."));
    QPushButton *close = button(QStringLiteral("OKBtn"), QStringLiteral("Fermer"));
    connect(open, &QPushButton::clicked, this, &SeasonWindow::openClicked);
    connect(save, &QPushButton::clicked, this, &SeasonWindow::save);
    connect(print, &QPushButton::clicked, this, &SeasonWindow::printClicked);
    connect(exportButton, &QPushButton::clicked, this, &SeasonWindow::exportClicked);
    connect(close, &QPushButton::clicked, this, [this] {
        if (mayClose())
            accept();
    });
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(open);
    bottom->addWidget(save);
    bottom->addStretch();
    bottom->addWidget(print);
    bottom->addWidget(m_format);
    bottom->addWidget(exportButton);
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(helpButton(QStringLiteral("deroulement")));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    resize(1000, 720);
    m_document.listen(this, [this] { refresh(); });
    refresh();
}

void SeasonWindow::addFiles(const QStringList &paths)
{
    QStringList already;
    {
        BusyCursor busy;
        already = m_document.addEvenings(paths);
    }
    for (QString &path : already)
        path = QFileInfo(path).fileName();
    if (!already.isEmpty())
        platform().messages->information(
            windowCaption,
            QStringLiteral("Déjà dans la saison, non ajouté : %1.").arg(already.join(QStringLiteral(", "))));
}

void SeasonWindow::addClicked()
{
    const QString path = platform().fileDialogs->openFile(QStringLiteral("Ajouter un tournoi à la saison"),
                                                          QStringLiteral("Fichiers tournoi|*.trt"),
                                                          QStringLiteral("trt"), QStringLiteral("*.trt"));
    if (!path.isEmpty())
        addFiles({path});
}

void SeasonWindow::folderClicked()
{
    const QString folder = platform().fileDialogs->openFolder(QStringLiteral("Ajouter les tournois d'un dossier"));
    if (folder.isEmpty())
        return;
    const QStringList paths = season::tournamentFilesIn(folder);
    if (paths.isEmpty()) {
        platform().messages->information(windowCaption,
                                         QStringLiteral("Le dossier « %1 » ne contient aucun fichier tournoi (.trt).")
                                             .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    addFiles(paths);
}

void SeasonWindow::removeClicked()
{
    const int row = m_files->currentRow();
    if (row < 0 || row >= m_document.season().evenings.size()) {
        platform().messages->information(windowCaption, QStringLiteral("Choisissez d'abord le tournoi à retirer."));
        return;
    }
    m_document.removeEvening(row);
    m_files->setCurrentRow(std::min(row, int(m_files->count()) - 1));
}

void SeasonWindow::ruleChanged()
{
    if (m_showing)
        return;
    m_document.setRule({m_pcn->isChecked() ? season::Measure::Pcn : season::Measure::Score,
                        m_bestOnly->isChecked() ? m_best->value() : 0});
}

void SeasonWindow::decide(bool merge)
{
    const int row = m_duplicatesList->currentRow();
    if (row < 0 || row >= m_duplicates.size()) {
        platform().messages->information(windowCaption,
                                         QStringLiteral("Choisissez d'abord deux noms dans la liste des doublons."));
        return;
    }
    if (merge)
        m_document.merge(m_duplicates[row]);
    else
        m_document.keepApart(m_duplicates[row]);
}

void SeasonWindow::undoClicked()
{
    const int row = m_decisionsList->currentRow();
    if (row < 0 || row >= season::decisions(m_document.season()).size()) {
        platform().messages->information(windowCaption, QStringLiteral("Choisissez d'abord la décision à défaire."));
        return;
    }
    m_document.takeBack(row);
}

void SeasonWindow::openSeasonFile(const QString &path)
{
    season::OpenedSeason opened;
    {
        BusyCursor busy;
        opened = m_document.open(path);
    }
    if (!report(opened.outcome))
        return;
    if (!opened.missing.isEmpty())
        platform().messages->warning(windowCaption, season::missingMessage(opened.missing));
}

void SeasonWindow::openClicked()
{
    const QString path =
        platform().fileDialogs->openFile(QStringLiteral("Ouvrir une saison"), QStringLiteral("Fichiers saison|*.sai"),
                                         QStringLiteral("sai"), QStringLiteral("*.sai"));
    if (!path.isEmpty() && mayClose())
        openSeasonFile(path);
}

bool SeasonWindow::mayClose()
{
    if (!m_document.isModified())
        return true;
    switch (platform().messages->show(QStringLiteral("Attention"),
                                      QStringLiteral("Vous n'avez pas sauvegardé la saison, voulez-vous le faire ?"),
                                      Messages::Icon::Question, Messages::Yes | Messages::No | Messages::Cancel)) {
    case Messages::Yes: return save();
    case Messages::No:
        // The window stays for the next use: it shows the season as it was saved.
        m_document.revert();
        return true;
    default: return false;
    }
}

void SeasonWindow::reject()
{
    if (mayClose())
        Dialog::reject();
}

bool SeasonWindow::save()
{
    const QString title = QStringLiteral("Enregistrer la saison");
    const QString current = m_document.fileName();
    const QString path =
        platform().fileDialogs->saveFile(title, QStringLiteral("Fichiers saison|*.sai"), QStringLiteral("sai"),
                                         current.isEmpty() ? QStringLiteral("Saison.sai") : current);
    if (path.isEmpty() || (path != current && !confirmReplace(title, path)))
        return false;
    return report(m_document.save(path));
}

void SeasonWindow::printClicked()
{
    bool begun = false;
    {
        BusyCursor busy;
        begun = season::print(*platform().printing->canvas(QStringLiteral("Classement de la saison")),
                              state().printFont(), m_standing);
    }
    reportPrinting(begun);
}

void SeasonWindow::exportClicked()
{
    static const exporting::Format formats[] = {exporting::Format::Csv, exporting::Format::Html,
                                                exporting::Format::Pdf};
    static const char *const filters[] = {"Fichiers CSV (tableur)|*.csv", "Pages web|*.html", "Documents PDF|*.pdf"};
    const int choice = std::clamp(m_format->currentIndex(), 0, 2);
    const QString title = QStringLiteral("Exporter la saison");
    const QString suffix = exporting::suffix(formats[choice]);
    const QString path = platform().fileDialogs->saveFile(title, QString::fromUtf8(filters[choice]), suffix,
                                                          QStringLiteral("Classement de la saison.") + suffix);
    if (path.isEmpty() || !confirmReplace(title, path))
        return;
    BusyCursor busy;
    report(season::exportStanding(m_standing, state().printFont(), formats[choice], path));
}

void SeasonWindow::refresh()
{
    const season::Season &shown = m_document.season();
    m_standing = season::rank(shown);
    m_duplicates = season::probableDuplicates(shown);

    m_showing = true;
    m_pcn->setChecked(shown.rule.measure == season::Measure::Pcn);
    m_scores->setChecked(shown.rule.measure == season::Measure::Score);
    m_bestOnly->setChecked(shown.rule.best > 0);
    if (shown.rule.best > 0)
        m_best->setValue(shown.rule.best);
    m_best->setEnabled(shown.rule.best > 0);
    m_showing = false;

    m_files->clear();
    for (const season::Evening &evening : std::as_const(shown.evenings))
        m_files->addItem(described(evening));

    const QList<season::Decision> decisions = season::decisions(shown);
    m_duplicatesList->clear();
    for (const season::NamePair &pair : std::as_const(m_duplicates))
        m_duplicatesList->addItem(QStringLiteral("%1  /  %2").arg(pair.first, pair.second));
    m_duplicatesLabel->setText(
        m_duplicates.isEmpty() ? (decisions.isEmpty() ? QStringLiteral("Aucun nom ne ressemble à un autre.")
                                                      : QStringLiteral("Plus aucun doublon probable à examiner."))
                               : QStringLiteral("Ces noms désignent-ils le même joueur ? Fusionnez-les, ou gardez-les "
                                                "séparés : votre choix est enregistré avec la saison."));
    m_merge->setEnabled(!m_duplicates.isEmpty());
    m_apart->setEnabled(!m_duplicates.isEmpty());

    m_decisionsList->clear();
    for (const season::Decision &decision : decisions)
        m_decisionsList->addItem(
            (decision.merged ? QStringLiteral("Fusionnés : %1  /  %2") : QStringLiteral("Séparés : %1  /  %2"))
                .arg(decision.pair.first, decision.pair.second));
    m_undo->setEnabled(!decisions.isEmpty());

    const exporting::Table table = season::exportTable(m_standing);
    m_grid->clear();
    m_grid->setColumnCount(int(table.header.size()) + 1);
    m_grid->setRowCount(int(table.rows.size()));
    m_grid->setHorizontalHeaderLabels(QStringList{QStringLiteral("Rang")} + table.header);
    for (int r = 0; r < table.rows.size(); ++r) {
        const int rank = table.ranks[size_t(r)];
        m_grid->setItem(r, 0, new QTableWidgetItem(rank > 0 ? ranking::rankText(rank) : QString()));
        for (int k = 0; k < table.rows[r].size(); ++k) {
            auto *item = new QTableWidgetItem(table.rows[r][k]);
            if (k > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, k + 1, item);
        }
    }
    m_grid->resizeColumnsToContents();
    const QString &file = m_document.fileName();
    setWindowTitle(file.isEmpty() ? windowCaption : windowCaption + QStringLiteral(" — ") + QFileInfo(file).fileName());
}
