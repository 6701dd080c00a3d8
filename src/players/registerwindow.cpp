#include "players/registerwindow.h"
#include "players/seating.h"
#include "tournament/workingfilenames.h"

#include "platform/platform.h"
#include "players/entries.h"
#include "players/uppercaseedit.h"
#include "tournament/lines.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

RegisterWindow::RegisterWindow(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TForm3"), QStringLiteral("Gestion des joueurs"),
             QStringLiteral("index"))
{
    m_surname = upperCaseEdit(this, QStringLiteral("Edit1"));
    m_firstName = new QLineEdit(this);
    m_firstName->setObjectName(QStringLiteral("Edit2"));
    m_add = button(QStringLiteral("Button1"), QStringLiteral("Ajouter"));
    m_add->setDefault(true);
    m_delete = button(QStringLiteral("Button2"), QStringLiteral("Supprimer"));
    m_modify = button(QStringLiteral("Button3"), QStringLiteral("Modifier"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("searchBox"));
    m_search->setPlaceholderText(QStringLiteral("Rechercher un joueur"));
    m_search->setClearButtonEnabled(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_count = new QLineEdit(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("Edit3"));
    m_count->setReadOnly(true);
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setMaximumWidth(60);
    auto *close = button(QStringLiteral("CloseBtn"), QStringLiteral("Fermer"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Nom : "), this), 0, 0);
    grid->addWidget(m_surname, 0, 1);
    grid->addWidget(m_add, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Prénom :"), this), 1, 0);
    grid->addWidget(m_firstName, 1, 1);
    grid->addWidget(m_delete, 1, 2);
    grid->addWidget(m_modify, 2, 2);
    grid->addWidget(m_search, 3, 0, 1, 3);
    grid->addWidget(m_list, 4, 0, 1, 3);
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(QStringLiteral("Nombre de joueurs enregistrés :"), this));
    counter->addWidget(m_count);
    counter->addStretch();
    grid->addLayout(counter, 5, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("sommaire")));
    grid->addLayout(buttons, 6, 0, 1, 3);
    resize(420, 460);

    connect(m_add, &QPushButton::clicked, this, &RegisterWindow::addClicked);
    connect(m_delete, &QPushButton::clicked, this, &RegisterWindow::removeClicked);
    connect(m_modify, &QPushButton::clicked, this, &RegisterWindow::modifyClicked);
    connect(m_list, &QListWidget::itemClicked, this, &RegisterWindow::entryChosen);
    connect(m_surname, &QLineEdit::textChanged, this, &RegisterWindow::surnameEdited);
    connect(m_search, &QLineEdit::textChanged, this, &RegisterWindow::searched);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_delete->setEnabled(false);
    m_modify->setEnabled(false);
    surnameEdited();
}

void RegisterWindow::run()
{
    exec();
    // Each change was written as it was made; the window closed untouched still leaves the
    // file, as it always has.
    report(state().saveRegister());
}

void RegisterWindow::activated()
{
    m_list->clear();
    m_list->addItems(state().playerRegisterList());
    m_search->clear();
    m_count->setText(QString::number(state().playerRegisterList().size()));
    m_surname->setFocus();
}

int RegisterWindow::selectedRow() const
{
    // The current row counts only when the director selected it: focus alone makes one current.
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? m_list->row(item) : -1;
}

bool RegisterWindow::refused(const QString &surname, const QString &firstName)
{
    const QString why = entries::refusalOfName(surname, firstName);
    if (!why.isEmpty())
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
    return !why.isEmpty();
}

void RegisterWindow::afterEdit(const std::optional<QStringList> &changed)
{
    state().setModified(true);
    // At once, so that a power cut during the registration loses no name typed.
    if (changed && !report(state().setRegister(*changed))) {
        m_list->clear();
        m_list->addItems(state().playerRegisterList());
    }
    searched(); // a line added shows only when it matches the search
    m_count->setText(QString::number(state().playerRegisterList().size()));
    m_surname->setFocus();
}

void RegisterWindow::addClicked()
{
    const QString surname = m_surname->text(), firstName = m_firstName->text();
    if ((!surname.isEmpty() || !firstName.isEmpty()) && refused(surname, firstName))
        return; // the edits keep what was typed
    const QString entry = entries::entryToAdd(surname, firstName);
    const bool adding = entry != QLatin1String(" ");
    if (adding && !secondEntryWanted(entry))
        return; // the edits keep what was typed
    std::optional<QStringList> list;
    if (adding) {
        list = state().playerRegisterList();
        const qsizetype at = entries::sortedIndex(*list, entry);
        list->insert(at, entry);
        m_list->insertItem(int(at), entry);
    }
    m_surname->clear();
    m_firstName->clear();
    afterEdit(list);
}

bool RegisterWindow::secondEntryWanted(const QString &entry)
{
    // The register is sorted but for names modified in place.
    QStringList sorted = state().playerRegisterList();
    entries::sort(sorted);
    if (!entries::isRegistered(sorted, entry))
        return true;
    return platform().messages->show(
               QStringLiteral("Attention"),
               QStringLiteral("« %1 » est déjà inscrit. Voulez-vous l'inscrire une seconde fois ?").arg(entry),
               Messages::Icon::Question, Messages::Yes | Messages::No | Messages::NoByDefault) == Messages::Yes;
}

void RegisterWindow::removeClicked()
{
    const int row = selectedRow();
    if (row >= 0) {
        const QString name = lines::nameOfEntry(m_list->item(row)->text()).trimmed().toString();
        if (platform().messages->show(
                QStringLiteral("Attention"), QStringLiteral("Supprimer %1 de la liste des inscrits ?").arg(name),
                Messages::Icon::Question, Messages::Yes | Messages::No | Messages::NoByDefault) != Messages::Yes)
            return;
    }
    std::optional<QStringList> list;
    if (row >= 0) {
        list = state().playerRegisterList();
        list->removeAt(row);
        delete m_list->takeItem(row);
        // The list selects the next line by itself: nobody is chosen until the director clicks.
        m_list->clearSelection();
    }
    m_modify->setEnabled(false);
    m_delete->setEnabled(false);
    afterEdit(list);
}

void RegisterWindow::modifyClicked()
{
    const QString surname = m_surname->text(), firstName = m_firstName->text();
    if (refused(surname, firstName))
        return;
    const QString entry = entries::entryToModify(surname, firstName);
    const int row = selectedRow();
    std::optional<QStringList> list;
    if (entry.size() > 2 && row >= 0) {
        list = state().playerRegisterList();
        (*list)[row] = entry; // in place, without sorting again
        m_list->item(row)->setText(entry);
    }
    m_modify->setEnabled(false);
    afterEdit(list);
}

void RegisterWindow::entryChosen()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const entries::EditTexts texts = entries::editTextsOf(m_list->item(row)->text());
    m_surname->setText(texts.surname);
    if (!texts.firstName.isNull())
        m_firstName->setText(texts.firstName);
    m_modify->setEnabled(true);
    m_delete->setEnabled(true);
}

void RegisterWindow::surnameEdited()
{
    const QString text = m_surname->text();
    const bool typed = !text.isEmpty() && text != QLatin1String(" ");
    m_add->setEnabled(typed);
    m_modify->setEnabled(typed && selectedRow() >= 0);
}

void RegisterWindow::searched()
{
    const QString wanted = entries::folded(m_search->text());
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setHidden(!entries::folded(item->text()).contains(wanted));
    }
    // "Supprimer" and "Modifier" never act on a line the director no longer sees.
    const QListWidgetItem *current = m_list->currentItem();
    if (current && current->isHidden() && current->isSelected()) {
        m_list->clearSelection();
        m_delete->setEnabled(false);
        m_modify->setEnabled(false);
    }
}
