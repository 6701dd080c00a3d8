#include "incidents/exclusiondialog.h"

#include "incidents/incidents.h"
#include "incidents/picklist.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ExclusionDialog::ExclusionDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg17"), QStringLiteral("Exclusion/Abandon d'un joueur"),
             QStringLiteral("sommaire"))
{
    useBoldFont();

    QBoxLayout *inside = nullptr;
    QFrame *frame = picklist::frame(this, inside);
    inside->addWidget(new QLabel(QStringLiteral("Sélectionnez le joueur à exclure"), frame));
    m_players = picklist::create(frame, QStringLiteral("ComboBox1"));
    inside->addWidget(m_players);
    inside->addSpacing(6);
    inside->addWidget(new QLabel(QStringLiteral("Cette option ne supprime pas les scores mais"), frame));
    inside->addWidget(new QLabel(QStringLiteral("interdit l'affichage de son classement."), frame));
    inside->addSpacing(6);
    inside->addWidget(new QLabel(QStringLiteral("Pour annuler l'effet des exclusions, cliquez sur :"), frame));
    auto *recuperer = new QPushButton(QStringLiteral("Récupérer les exclus"), frame);
    recuperer->setObjectName(QStringLiteral("RecupererBtn"));
    recuperer->setAutoDefault(false);
    connect(recuperer, &QPushButton::clicked, this, &ExclusionDialog::liftExclusionsClicked);
    inside->addWidget(recuperer, 0, Qt::AlignHCenter);
    inside->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelButtons([this] { excludeClicked(); }, QStringLiteral("incident")));
    setClientSize(317, 270);
}

void ExclusionDialog::activated()
{
    picklist::refill(m_players, state());
    m_players->setFocus();
}

void ExclusionDialog::excludeClicked()
{
    state().setModified(true); // the director's OK counts as a change, recorded or not
    const QString seatCode = picklist::pickedSeatCode(m_players);
    if (seatCode.isEmpty())
        return; // the director picks a player and tries again
    if (platform().messages->show(incidents::exclusionQuestion(m_players->currentText())) == Messages::Yes)
        report(state().addExclusion(seatCode));
    accept();
}

void ExclusionDialog::liftExclusionsClicked()
{
    state().setModified(true);
    report(state().liftExclusions());
}
