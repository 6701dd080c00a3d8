#pragma once

#include "app/dialog.h"
#include "season/season.h"

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
// (only the best k results); ListBox2 the probable duplicates, MergeBtn, ApartBtn; Grid1 the
// ranking; OpenBtn, SaveBtn, PrintBtn, ComboBox1 (CSV, HTML, PDF) and ExportBtn; OKBtn, HelpBtn.
class SeasonWindow : public Dialog
{
    Q_OBJECT
public:
    explicit SeasonWindow(Application &app);

    const season::Season &season() const { return m_season; }
    const season::Standing &standing() const { return m_standing; }

    // What the buttons do once a file is chosen.
    void addFiles(const QStringList &paths);
    void openSeasonFile(const QString &path);

private:
    void addClicked();
    void folderClicked();
    void removeClicked();
    void ruleChanged();
    void decide(bool merge);
    void openClicked();
    void saveClicked();
    void printClicked();
    void exportClicked();
    // Ranks again and shows everything.
    void refresh();

    season::Season m_season;
    season::Standing m_standing;
    QList<season::NamePair> m_duplicates;
    QString m_path; // the season file, empty until saved or opened
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
    QTableWidget *m_grid;
    QComboBox *m_format;
};
