#pragma once

#include "windows/dialog.h"

class QListWidget;
class QSpinBox;

// "Voir un tour antérieur": the scores of a finished round, one line per player, by name.
class PreviousRoundDialog : public Dialog
{
    Q_OBJECT
public:
    PreviousRoundDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void buildList();

    QListWidget *m_list = nullptr;
    QSpinBox *m_round = nullptr;
};
