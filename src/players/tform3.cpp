#include "players/tform3.h"

#include "app/application.h"
#include "platform/platform.h"
#include "players/entries.h"
#include "players/uppercaseedit.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {
QPushButton *button(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}
} // namespace

TForm3::TForm3(Application &app)
    : Dialog(app, QStringLiteral("TForm3"), QStringLiteral("Gestion des joueurs"), QStringLiteral("index"))
{
    m_surname = upperCaseEdit(this, QStringLiteral("Edit1"));
    m_firstName = new QLineEdit(this);
    m_firstName->setObjectName(QStringLiteral("Edit2"));
    m_add = button(this, QStringLiteral("Button1"), QStringLiteral("Ajouter"));
    m_add->setDefault(true);
    m_delete = button(this, QStringLiteral("Button2"), QStringLiteral("Supprimer"));
    m_modify = button(this, QStringLiteral("Button3"), QStringLiteral("Modifier"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_count = new QLineEdit(QStringLiteral("0"), this);
    m_count->setObjectName(QStringLiteral("Edit3"));
    m_count->setReadOnly(true);
    m_count->setFocusPolicy(Qt::NoFocus);
    m_count->setMaximumWidth(60);
    auto *close = button(this, QStringLiteral("CloseBtn"), QStringLiteral("Fermer"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Nom : "), this), 0, 0);
    grid->addWidget(m_surname, 0, 1);
    grid->addWidget(m_add, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Prénom :"), this), 1, 0);
    grid->addWidget(m_firstName, 1, 1);
    grid->addWidget(m_delete, 1, 2);
    grid->addWidget(m_modify, 2, 2);
    grid->addWidget(m_list, 3, 0, 1, 3);
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(QStringLiteral("Nombre de joueurs enregistrés :"), this));
    counter->addWidget(m_count);
    counter->addStretch();
    grid->addLayout(counter, 4, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("sommaire")));
    grid->addLayout(buttons, 5, 0, 1, 3);
    resize(420, 460);

    connect(m_add, &QPushButton::clicked, this, &TForm3::ajouterClick);
    connect(m_delete, &QPushButton::clicked, this, &TForm3::supprimerClick);
    connect(m_modify, &QPushButton::clicked, this, &TForm3::modifierClick);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TForm3::listDblClick);
    connect(m_list, &QListWidget::itemClicked, this, &TForm3::listClick);
    connect(m_surname, &QLineEdit::textChanged, this, &TForm3::surnameChange);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    m_delete->setEnabled(false);
    m_modify->setEnabled(false);
    surnameChange();
}

void TForm3::run()
{
    exec();
    // The whole list, in its order, as the window closes.
    Application::report(platform().files.write(QStringLiteral("inscrits.tmp"), state().playerRegisterList));
    state().menus.enable(Cmd::AttribuerPositions, state().playerRegisterList.size() > 5);
}

void TForm3::activated()
{
    m_list->clear();
    m_list->addItems(state().playerRegisterList);
    m_count->setText(QString::number(state().playerRegisterList.size()));
    m_surname->setFocus();
}

int TForm3::selectedRow() const
{
    // The current row counts only when the director selected it: focus alone makes one current.
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? m_list->row(item) : -1;
}

bool TForm3::refused(const QString &surname, const QString &firstName)
{
    const QString why = entries::refusalOfName(surname, firstName);
    if (!why.isEmpty())
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
    return !why.isEmpty();
}

void TForm3::afterEdit()
{
    state().modified = true;
    m_count->setText(QString::number(state().playerRegisterList.size()));
    m_surname->setFocus();
}

void TForm3::ajouterClick()
{
    const QString surname = m_surname->text(), firstName = m_firstName->text();
    if ((!surname.isEmpty() || !firstName.isEmpty()) && refused(surname, firstName))
        return; // the edits keep what was typed
    const QString entry = entries::entryToAdd(surname, firstName);
    if (entry != QLatin1String(" ")) {
        QStringList &list = state().playerRegisterList;
        const qsizetype at = entries::sortedIndex(list, entry);
        list.insert(at, entry);
        m_list->insertItem(int(at), entry);
    }
    m_surname->clear();
    m_firstName->clear();
    afterEdit();
}

void TForm3::supprimerClick()
{
    const int row = selectedRow();
    if (row >= 0) {
        state().playerRegisterList.removeAt(row);
        delete m_list->takeItem(row);
    }
    m_modify->setEnabled(false);
    m_delete->setEnabled(false);
    afterEdit();
}

void TForm3::modifierClick()
{
    const QString surname = m_surname->text(), firstName = m_firstName->text();
    if (refused(surname, firstName))
        return;
    const QString entry = entries::entryToModify(surname, firstName);
    const int row = selectedRow();
    if (entry.size() > 2 && row >= 0) {
        state().playerRegisterList[row] = entry; // in place, without sorting again
        m_list->item(row)->setText(entry);
    }
    m_modify->setEnabled(false);
    afterEdit();
}

void TForm3::listDblClick()
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

void TForm3::listClick()
{
    m_modify->setEnabled(selectedRow() >= 0 && m_add->isEnabled());
}

void TForm3::surnameChange()
{
    const QString text = m_surname->text();
    const bool typed = !text.isEmpty() && text != QLatin1String(" ");
    m_add->setEnabled(typed);
    m_modify->setEnabled(typed && selectedRow() >= 0);
}
