#pragma once

#include "windows/dialog.h"
#include "movements/positions.h"

#include <array>

class QLabel;
class QLineEdit;
class QSpinBox;

// "Saisie des résultats": one table of the current round at a time, its four scores.
class ScoreEntryDialog : public Dialog
{
    Q_OBJECT
public:
    ScoreEntryDialog(Tournament &tournament, QWidget *parent);
    // Opens on table rather than where it was last left.
    void openAtTable(int table);

protected:
    void activated() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshTable();
    void focusFirstScoreBox();
    void scoresChanged();
    void recordTableClicked();
    void clearScoresClicked();
    void quitClicked();
    std::array<QString, 4> boxes() const;
    QLineEdit *scoreBox(int seat) const { return m_edits[size_t(8 + seat)]; }

    QLineEdit *m_tour = nullptr;
    QSpinBox *m_table = nullptr;
    QLabel *m_comment = nullptr;
    QLabel *m_sum = nullptr;               // "Somme : +20"
    std::array<QLineEdit *, 12> m_edits{}; // Edit1..Edit12: tables, names, scores; N, S, E, O
    QPushButton *m_ok = nullptr;
    SeatedTable m_seated; // the table shown
};
