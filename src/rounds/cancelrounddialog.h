#pragma once

#include "windows/dialog.h"

class QLineEdit;

// "SUPPRESSION DU TOUR EN COURS": discards the round in progress so that it can be started
// again with other movements.
class CancelRoundDialog : public Dialog
{
    Q_OBJECT
public:
    CancelRoundDialog(Tournament &tournament, QWidget *parent);

protected:
    void activated() override;

private:
    void cancelRoundClicked();

    QLineEdit *m_round = nullptr;
};
