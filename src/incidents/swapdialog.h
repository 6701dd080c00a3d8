#pragma once

#include "windows/dialog.h"

class QComboBox;

// "Inversion de deux joueurs": two players who sat in each other's place get their own scores
// back in the round in progress.
class SwapDialog : public Dialog
{
    Q_OBJECT
public:
    SwapDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void swapClicked();

    QComboBox *m_first = nullptr;
    QComboBox *m_second = nullptr;
};
