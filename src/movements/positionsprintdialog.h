#pragma once

#include "windows/dialog.h"

class QSpinBox;

// "impression des positions": prints every player's planned table in every round.
class PositionsPrintDialog : public Dialog
{
    Q_OBJECT
public:
    PositionsPrintDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void printClicked();

    QSpinBox *m_tables = nullptr; // SpinEdit1
    QSpinBox *m_rounds = nullptr; // SpinEdit2, kept between openings
};
