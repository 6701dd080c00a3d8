#pragma once

#include "windows/dialog.h"
#include "export/exporting.h"

#include <optional>

class QCheckBox;
class QRadioButton;
class QSpinBox;

// "Exporter": which list and in which format. Controls: RadioButton1 to RadioButton4 the list
// (players, positions, general ranking, round ranking), SpinEdit1 the round, CheckBox1 "avec les
// points PCN", SpinEdit2 the positions' rounds, RadioButton5 to RadioButton7 CSV, HTML, PDF,
// OKBtn, CancelBtn, HelpBtn. Only what exists can be chosen.
class ExportDialog : public Dialog
{
    Q_OBJECT
public:
    ExportDialog(Tournament &tournament, QWidget *parent);

    // The director's choice, or nothing on Cancel.
    std::optional<exporting::Choice> choose();

protected:
    void activated() override;

private:
    void follow();
    exporting::Choice current() const;

    exporting::Available m_available;
    QRadioButton *m_lists[4] = {};
    QRadioButton *m_formats[3] = {};
    QSpinBox *m_round = nullptr;
    QCheckBox *m_pcn = nullptr;
    QSpinBox *m_rounds = nullptr;
};
