#pragma once

#include "windows/dialog.h"
#include "season/season.h"

class SeasonDocument;

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

// "Saison": the ranking over the tournament files of a season. It reads those files only, never
// the working files of the tournament in progress. Controls: ListBox1 the tournaments, AddBtn,
// FolderBtn, RemoveBtn; RadioButton1 (scores) and RadioButton2 (PCN), CheckBox1 and SpinEdit1
// (only the best k results); ListBox2 the probable duplicates, MergeBtn, ApartBtn; ListBox3 the
// decisions taken, UndoBtn; Grid1 the ranking; OpenBtn, SaveBtn, PrintBtn, ComboBox1 (CSV, HTML,
// PDF) and ExportBtn; OKBtn, HelpBtn. It shows the season document it is given and changes it
// only through it. Closing it with changes not saved asks first.
class SeasonWindow : public Dialog
{
    Q_OBJECT
public:
    SeasonWindow(Tournament &tournament, SeasonDocument &season, QWidget *parent);

    const season::Standing &standing() const { return m_standing; }

    // What the buttons do once a file is chosen.
    void addFiles(const QStringList &paths);
    void openSeasonFile(const QString &path);

    // Asks to save the changes not saved yet: false when the director cancels or the save fails.
    bool mayClose() override;
    // Escape and the close box ask as "Fermer" does.
    void reject() override;

private:
    void addClicked();
    void folderClicked();
    void removeClicked();
    void ruleChanged();
    void decide(bool merge);
    void undoClicked();
    void openClicked();
    // Whether the season was saved.
    bool save();
    void printClicked();
    void exportClicked();
    // Ranks again and shows everything: after every change of the document.
    void refresh();

    SeasonDocument &m_document;
    season::Standing m_standing;
    QList<season::NamePair> m_duplicates;
    bool m_showing = false;

    QListWidget *m_files;
    QRadioButton *m_scores;
    QRadioButton *m_pcn;
    QCheckBox *m_bestOnly;
    QSpinBox *m_best;
    QLabel *m_duplicatesLabel;
    QListWidget *m_duplicatesList;
    QPushButton *m_merge;
    QPushButton *m_apart;
    QListWidget *m_decisionsList;
    QPushButton *m_undo;
    QTableWidget *m_grid;
    QComboBox *m_format;
};
