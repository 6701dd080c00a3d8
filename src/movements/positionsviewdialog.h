#pragma once

#include "windows/dialog.h"

#include <QPixmap>

class QLabel;
class QSpinBox;

// "Visualiser les positions": one table of one round seen from above, with the occupant of
// each seat written on its side; any round, rounds not started yet included.
class PositionsViewDialog : public Dialog
{
    Q_OBJECT
public:
    PositionsViewDialog(Tournament &tournament, QWidget *parent);

signals:
    // "Impression": the positions printout is to be shown, over the view.
    void printRequested();

protected:
    void activated() override;

private:
    void drawLabels();
    void printClicked();

    QSpinBox *m_round = nullptr; // SpinEdit1
    QSpinBox *m_table = nullptr; // SpinEdit2
    QLabel *m_image = nullptr;   // Image1
    QPixmap m_bare;              // the table without labels
};
