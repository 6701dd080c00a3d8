#include "export/exportdialog.h"

#include "tournament/tournament.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

ExportDialog::ExportDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("ExportDlg"), QStringLiteral("Exporter"), QStringLiteral("deroulement"))
{
    auto *what = new QGroupBox(QStringLiteral("Liste à exporter"), this);
    auto *grid = new QGridLayout(what);
    const char *lists[] = {"Liste des &joueurs", "Tableau des &positions", "Classement &général",
                           "Classement du &tour"};
    auto *listGroup = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_lists[i] = new QRadioButton(QString::fromUtf8(lists[i]), what);
        m_lists[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        listGroup->addButton(m_lists[i]);
        grid->addWidget(m_lists[i], i, 0);
        connect(m_lists[i], &QRadioButton::toggled, this, &ExportDialog::follow);
    }
    m_rounds = new QSpinBox(what);
    m_rounds->setObjectName(QStringLiteral("SpinEdit2"));
    m_rounds->setRange(1, 10);
    m_rounds->setValue(6);
    auto *rounds = new QHBoxLayout;
    rounds->addWidget(new QLabel(QStringLiteral("Nombre de tours :"), what));
    rounds->addWidget(m_rounds);
    rounds->addStretch();
    grid->addLayout(rounds, 1, 1);
    m_pcn = new QCheckBox(QStringLiteral("avec les points PCN"), what);
    m_pcn->setObjectName(QStringLiteral("CheckBox1"));
    grid->addWidget(m_pcn, 2, 1);
    m_round = new QSpinBox(what);
    m_round->setObjectName(QStringLiteral("SpinEdit1"));
    auto *round = new QHBoxLayout;
    round->addWidget(new QLabel(QStringLiteral("Tour :"), what));
    round->addWidget(m_round);
    round->addStretch();
    grid->addLayout(round, 3, 1);

    auto *how = new QGroupBox(QStringLiteral("Format du fichier"), this);
    auto *formats = new QVBoxLayout(how);
    const char *names[] = {"Tableur (&CSV)", "Page web (&HTML)", "Document P&DF"};
    auto *formatGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_formats[i] = new QRadioButton(QString::fromUtf8(names[i]), how);
        m_formats[i]->setObjectName(QStringLiteral("RadioButton%1").arg(i + 5));
        formatGroup->addButton(m_formats[i]);
        formats->addWidget(m_formats[i]);
    }
    m_formats[0]->setChecked(true);

    QBoxLayout *buttons = okCancelButtons([this] { accept(); }, QStringLiteral("deroulement"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(how);
    layout->addLayout(buttons);
}

std::optional<exporting::Choice> ExportDialog::choose()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    const exporting::Choice choice = current();
    if (!exporting::allowed(m_available, choice))
        return std::nullopt;
    return choice;
}

void ExportDialog::activated()
{
    m_available = exporting::available(state());
    const bool can[4] = {m_available.players, m_available.positions, m_available.generalRanking,
                         m_available.lastRound > 0};
    for (int i = 0; i < 4; ++i)
        m_lists[i]->setEnabled(can[i]);
    // The last list chosen stays chosen while it can be; else the first that can.
    int chosen = -1;
    for (int i = 0; i < 4; ++i)
        if (m_lists[i]->isChecked() && can[i])
            chosen = i;
    for (int i = 0; i < 4 && chosen < 0; ++i)
        if (can[i])
            chosen = i;
    if (chosen >= 0)
        m_lists[chosen]->setChecked(true);
    m_round->setRange(1, std::max(1, m_available.lastRound));
    m_round->setValue(m_available.lastRound);
    // As the general ranking window shows it last.
    m_pcn->setChecked(m_available.pcn && state().generalRanking().header().contains(QStringLiteral("PCN")));
    follow();
}

void ExportDialog::follow()
{
    m_rounds->setEnabled(m_lists[1]->isChecked());
    m_pcn->setEnabled(m_lists[2]->isChecked() && m_available.pcn);
    m_round->setEnabled(m_lists[3]->isChecked() && m_available.lastRound > 1);
}

exporting::Choice ExportDialog::current() const
{
    exporting::Choice choice;
    for (int i = 0; i < 4; ++i)
        if (m_lists[i]->isChecked())
            choice.list = exporting::List(i);
    for (int i = 0; i < 3; ++i)
        if (m_formats[i]->isChecked())
            choice.format = exporting::Format(i);
    choice.round = m_round->value();
    choice.pcn = m_pcn->isChecked() && m_available.pcn;
    choice.rounds = m_rounds->value();
    return choice;
}
