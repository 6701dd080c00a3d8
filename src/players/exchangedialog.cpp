#include "players/exchangedialog.h"

#include "players/entries.h"
#include "players/lastminute.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

ExchangeDialog::ExchangeDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg3"), QStringLiteral("Echange de deux joueurs"),
             QStringLiteral("sommaire"))
{
    useBoldFont();
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(frame);
    auto *title = new QLabel(QStringLiteral("ECHANGER DEUX JOUEURS"), frame);
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        m_letters[i] = new QComboBox(frame);
        m_letters[i]->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        m_letters[i]->addItems(
            {QStringLiteral("NORD"), QStringLiteral("SUD"), QStringLiteral("EST"), QStringLiteral("OUEST")});
        m_letters[i]->setCurrentIndex(i); // NORD against SUD
        m_tables[i] = new QSpinBox(frame);
        m_tables[i]->setObjectName(QStringLiteral("SpinEdit%1").arg(i + 1));
        m_tables[i]->setRange(1, 1);
        m_names[i] = new QLineEdit(frame);
        m_names[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        m_names[i]->setReadOnly(true);
        m_names[i]->setFocusPolicy(Qt::NoFocus);
        m_names[i]->setMinimumWidth(200);
        const int row = 1 + 2 * i;
        grid->addWidget(m_letters[i], row, 0);
        grid->addWidget(m_tables[i], row, 1);
        grid->addWidget(m_names[i], row, 2);
        connect(m_letters[i], &QComboBox::currentIndexChanged, this, &ExchangeDialog::refreshExchange);
        connect(m_tables[i], &QSpinBox::valueChanged, this, &ExchangeDialog::refreshExchange);
    }
    auto *against = new QLabel(QStringLiteral("Contre"), frame);
    against->setAlignment(Qt::AlignCenter);
    grid->addWidget(against, 2, 0, 1, 3);

    QBoxLayout *buttons = okCancelButtons([this] { exchangeClicked(); }, QStringLiteral("incident"));
    m_ok = findChild<QPushButton *>(QStringLiteral("OKBtn"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void ExchangeDialog::run()
{
    exec();
}

void ExchangeDialog::activated()
{
    const int tables = qMax(1, state().tableCount());
    for (QSpinBox *spin : m_tables)
        spin->setRange(1, tables);
    refreshExchange();
}

QString ExchangeDialog::key(int seat) const
{
    return entries::seatKey(m_letters[seat]->currentText().front(), m_tables[seat]->value());
}

void ExchangeDialog::refreshExchange()
{
    const lastminute::SeatLookup found = lastminute::refreshExchange(state().playerRegisterList(), key(0), key(1));
    m_names[0]->setText(found.index1 >= 0 ? found.name1 : QString());
    m_names[1]->setText(found.index2 >= 0 ? found.name2 : QString());
    m_ok->setEnabled(found.ok());
}

void ExchangeDialog::exchangeClicked()
{
    report(lastminute::exchange(state(), key(0), key(1)));
    refreshExchange();
    accept();
}
