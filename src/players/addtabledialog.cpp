#include "players/addtabledialog.h"

#include "platform/platform.h"
#include "players/lastminute.h"
#include "players/uppercaseedit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

AddTableDialog::AddTableDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg2"), QStringLiteral("Ajouter une table"),
             QStringLiteral("sommaire"))
{
    useBoldFont();
    m_table = new QLineEdit(this);
    m_table->setObjectName(QStringLiteral("Edit9"));
    m_table->setReadOnly(true);
    m_table->setFocusPolicy(Qt::NoFocus);
    m_table->setAlignment(Qt::AlignCenter);
    m_table->setMaximumWidth(90);
    QFont big = font(); // bold already
    big.setPointSize(big.pointSize() * 2);
    m_table->setFont(big);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Table n°"), this), 0, 0);
    grid->addWidget(m_table, 0, 1);
    static const char *seats[] = {"Nord", "Sud", "Est", "Ouest"};
    grid->addWidget(new QLabel(QStringLiteral("Nom"), this), 2, 0);
    grid->addWidget(new QLabel(QStringLiteral("Prénom"), this), 3, 0);
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(seats[i]), this), 1, i + 1, Qt::AlignHCenter);
        m_surnames[i] = upperCaseEdit(this, QStringLiteral("Edit%1").arg(i + 1));
        m_firstNames[i] = new QLineEdit(this);
        m_firstNames[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 5));
        grid->addWidget(m_surnames[i], 2, i + 1);
        grid->addWidget(m_firstNames[i], 3, i + 1);
        connect(m_surnames[i], &QLineEdit::textChanged, this, &AddTableDialog::surnameEdited);
        QLineEdit *first = m_firstNames[i];
        // Only the first letter goes to upper case; the rest stays as typed.
        connect(first, &QLineEdit::textEdited, this, [first](const QString &text) {
            const QString shown = text.isEmpty() ? text : entries::upperAscii(text.left(1)) + text.mid(1);
            if (shown != text) {
                const int cursor = first->cursorPosition();
                first->setText(shown);
                first->setCursorPosition(cursor);
            }
        });
    }

    m_store = new QPushButton(QStringLiteral("Enregistrer"), this);
    m_store->setObjectName(QStringLiteral("Button1"));
    m_store->setDefault(true);
    m_store->setEnabled(false);
    auto *clear = new QPushButton(QStringLiteral("Effacer"), this);
    clear->setObjectName(QStringLiteral("Button2"));
    clear->setAutoDefault(false);
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setAutoDefault(false);
    connect(m_store, &QPushButton::clicked, this, &AddTableDialog::storeTableClicked);
    connect(clear, &QPushButton::clicked, this, &AddTableDialog::clearClicked);
    connect(close, &QPushButton::clicked, this, &AddTableDialog::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_store);
    buttons->addWidget(clear);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(helpButton(QStringLiteral("sommaire")));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    resize(560, 200);
}

void AddTableDialog::run()
{
    Tournament &s = state();
    if (!s.playerRegisterList().isEmpty() && !entries::anySeated(s.playerRegisterList())) {
        platform().messages->warning(QStringLiteral("ajout d'une table"),
                                     QStringLiteral("vous devez attribuer les positions"));
        return;
    }
    exec();
}

void AddTableDialog::activated()
{
    m_tableNumber = lastminute::nextTable(state().playerRegisterList());
    showTable();
    m_surnames[0]->setFocus();
}

void AddTableDialog::showTable()
{
    m_table->setText(QString::number(m_tableNumber));
}

void AddTableDialog::surnameEdited()
{
    bool all = true;
    for (QLineEdit *edit : m_surnames)
        all = all && !edit->text().isEmpty();
    m_store->setEnabled(all);
}

bool AddTableDialog::storeTableClicked()
{
    std::array<QString, 4> surnames, firstNames;
    for (int i = 0; i < 4; ++i) {
        surnames[i] = m_surnames[i]->text();
        firstNames[i] = m_firstNames[i]->text();
    }
    const QString why = lastminute::refusalOfTable(surnames, firstNames);
    if (!why.isEmpty()) {
        platform().messages->warning(QStringLiteral("Nom refusé"), why);
        return false;
    }
    if (const std::optional<Prompt> notice = entries::registerOpeningNotice())
        platform().messages->show(*notice);
    report(lastminute::addTable(state(), surnames, firstNames, m_tableNumber));
    clearClicked();
    ++m_tableNumber;
    showTable();
    m_surnames[0]->setFocus();
    return true;
}

void AddTableDialog::clearClicked()
{
    for (int i = 0; i < 4; ++i) {
        m_surnames[i]->clear();
        m_firstNames[i]->clear();
    }
}

void AddTableDialog::reject()
{
    if (m_store->isEnabled() &&
        platform().messages->question(QStringLiteral("Ajout d'une table"),
                                      QStringLiteral("Enregistrer la table en cours ?")) &&
        !storeTableClicked())
        return; // refused: the table typed stays in the dialog
    Dialog::reject();
}
