#pragma once

#include "windows/dialog.h"

class QComboBox;

// "Exclusion/Abandon d'un joueur": the player keeps his scores but shows "EXCLU" in the rankings.
class ExclusionDialog : public Dialog
{
    Q_OBJECT
public:
    ExclusionDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void excludeClicked();
    void liftExclusionsClicked();

    QComboBox *m_players = nullptr;
};
