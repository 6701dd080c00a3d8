#pragma once

#include "app/dialog.h"

class QComboBox;

// "Inversion de deux joueurs": two players who sat in each other's place get their own scores
// back in the round in progress.
class SwapDialog : public Dialog
{
    Q_OBJECT
public:
    explicit SwapDialog(Application &app);

protected:
    void activated() override;

private:
    void swapClicked();

    QComboBox *m_first = nullptr;
    QComboBox *m_second = nullptr;
};
