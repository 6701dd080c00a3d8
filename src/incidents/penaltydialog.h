#pragma once

#include "windows/dialog.h"

class QComboBox;
class QSpinBox;

// "Dialogue": a penalty (negative) or a bonus (positive) for one player, appended to penal.tmp.
class PenaltyDialog : public Dialog
{
    Q_OBJECT
public:
    PenaltyDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void recordPenaltyClicked();

    QComboBox *m_players = nullptr;
    QSpinBox *m_value = nullptr; // keeps its value from one use to the next
};
