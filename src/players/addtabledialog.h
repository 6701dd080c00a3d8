#pragma once

#include "windows/dialog.h"

#include <array>

class QLineEdit;

// "Ajouter une table": whole tables of four typed in. Controls: Edit9 "Table n°", surnames
// Edit1 … Edit4 and first names Edit5 … Edit8 in the seat order Nord, Sud, Est, Ouest,
// Button1 "Enregistrer", Button2 "Effacer", CloseBtn, HelpBtn.
class AddTableDialog : public Dialog
{
    Q_OBJECT
public:
    AddTableDialog(Tournament &tournament, QWidget *parent);

    // "Ajouter une table": refused while registered players wait for their seats; after the
    // dialog, the menus of seated players and position.tmp when a table was added.
    void run();

protected:
    void activated() override;
    void reject() override; // the close button and Escape

private:
    bool storeTableClicked();
    void clearClicked();
    void surnameEdited();
    void showTable();

    std::array<QLineEdit *, 4> m_surnames{};
    std::array<QLineEdit *, 4> m_firstNames{};
    QLineEdit *m_table = nullptr;
    QPushButton *m_store = nullptr;
    qint64 m_tableNumber = 1;
};
