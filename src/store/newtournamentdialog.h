#pragma once

#include "app/dialog.h"

class QLineEdit;

// "Initialisation d'un tournoi": the tournament's date and place.
class NewTournamentDialog : public Dialog
{
    Q_OBJECT
public:
    explicit NewTournamentDialog(Application &app);

    // "Nouveau": today's date, "Rubrique non servie", then the dialog. True when confirmed.
    bool ask();
    // "&Ouvrir": the date and place of the tournament opened.
    void setDescription(const QString &date, const QString &place);

protected:
    void activated() override;

private:
    void okClicked();
    void keepFields(); // the fields are the tournament's date and place

    QLineEdit *m_date = nullptr;
    QLineEdit *m_place = nullptr;
};
