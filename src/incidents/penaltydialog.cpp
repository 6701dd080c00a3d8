#include "incidents/penaltydialog.h"

#include "incidents/incidents.h"
#include "incidents/picklist.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

PenaltyDialog::PenaltyDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg15"), QStringLiteral("Dialogue"),
             QStringLiteral("sommaire"))
{
    useBoldFont();

    QBoxLayout *inside = nullptr;
    QFrame *frame = picklist::frame(this, inside);
    inside->addWidget(new QLabel(QStringLiteral("Sélectionnez le joueur à pénaliser"), frame));
    m_players = picklist::create(frame, QStringLiteral("ComboBox1"));
    m_players->setFixedWidth(265);
    inside->addWidget(m_players);
    m_value = new QSpinBox(frame);
    m_value->setObjectName(QStringLiteral("SpinEdit1"));
    m_value->setRange(-5000, 5000);
    m_value->setValue(-150);
    auto *valueRow = new QHBoxLayout;
    valueRow->addWidget(new QLabel(QStringLiteral("Valeur de la pénalité"), frame));
    valueRow->addWidget(m_value);
    valueRow->addStretch();
    inside->addLayout(valueRow);
    inside->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelButtons([this] { recordPenaltyClicked(); }, QStringLiteral("incident")));
    setClientSize(317, 171);
}

void PenaltyDialog::activated()
{
    picklist::refill(m_players, state());
    m_players->setFocus();
}

void PenaltyDialog::recordPenaltyClicked()
{
    state().setModified(true); // the director's OK counts as a change, recorded or not
    m_value->interpretText();  // a value still being typed counts
    const int value = m_value->value();
    if (value == 0) {
        accept(); // a penalty of nothing is not recorded
        return;
    }
    const QString seatCode = picklist::pickedSeatCode(m_players);
    if (seatCode.isEmpty())
        return; // the director picks a player and tries again
    if (platform().messages->show(incidents::penaltyQuestion(m_players->currentText(), value)) == Messages::Yes)
        report(state().addPenalty(seatCode, value));
    accept();
}
