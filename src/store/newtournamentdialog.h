#pragma once

#include "windows/dialog.h"

class QLineEdit;

// "Initialisation d'un tournoi": the tournament's date and place.
class NewTournamentDialog : public Dialog
{
    Q_OBJECT
public:
    NewTournamentDialog(Tournament &tournament, QWidget *parent);

    // "Nouveau": today's date, "Rubrique non servie", then the dialog. True when confirmed; the
    // tournament keeps its date and place until the new one starts.
    bool ask();
    QString date() const;
    QString place() const;

protected:
    void activated() override;

private:
    void okClicked();

    QLineEdit *m_date = nullptr;
    QLineEdit *m_place = nullptr;
};
