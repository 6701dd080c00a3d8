#pragma once

#include "windows/dialog.h"

#include <QStringList>

#include <optional>

class QLineEdit;
class QListWidget;

// "Gestion des joueurs": the player register. Controls: Edit1 "Nom : ", Edit2 "Prénom :",
// Button1 "Ajouter", Button2 "Supprimer", Button3 "Modifier", searchBox, ListBox1, Edit3 the
// counter, CloseBtn, HelpBtn. The list holds the whole register, row for row: the search box
// only hides rows, so a selected row is always the register's line of the same index.
class RegisterWindow : public Dialog
{
    Q_OBJECT
public:
    RegisterWindow(Tournament &tournament, QWidget *parent);

    // "&Inscription": the window, inscrits.tmp rewritten at each change, then the seat-assignment
    // command.
    void run();

protected:
    void activated() override;

private:
    void addClicked();
    // A name already registered is added again only when the director says so.
    bool secondEntryWanted(const QString &entry);
    void removeClicked();
    void modifyClicked();
    // A click on a line loads it into the edits for "Modifier" and "Supprimer".
    void entryChosen();
    void surnameEdited();
    // Hides the lines the search box does not match.
    void searched();
    // The counter and the focus after an edit; the register and inscrits.tmp take the list
    // when it changed (the list shown again from the register if that fails).
    void afterEdit(const std::optional<QStringList> &changed);
    int selectedRow() const;
    bool refused(const QString &surname, const QString &firstName);

    QLineEdit *m_surname = nullptr;
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_count = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_modify = nullptr;
};
