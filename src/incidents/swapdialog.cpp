#include "incidents/swapdialog.h"
#include "tournament/workingfilenames.h"

#include "incidents/incidents.h"
#include "incidents/picklist.h"
#include "platform/platform.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

SwapDialog::SwapDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg16"), QStringLiteral("Inversion de deux joueurs"),
             QStringLiteral("sommaire"))
{
    useBoldFont();

    QBoxLayout *inside = nullptr;
    QFrame *frame = picklist::frame(this, inside);
    inside->addWidget(new QLabel(QStringLiteral("Sélectionnez le premier joueur"), frame));
    m_first = picklist::create(frame, QStringLiteral("ComboBox1"));
    inside->addWidget(m_first);
    inside->addWidget(new QLabel(QStringLiteral("Sélectionnez le second joueur"), frame));
    m_second = picklist::create(frame, QStringLiteral("ComboBox2"));
    inside->addWidget(m_second);
    inside->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(okCancelButtons([this] { swapClicked(); }, QStringLiteral("incident")));
    setClientSize(317, 187);
}

void SwapDialog::activated()
{
    picklist::refill(m_first, state());
    m_second->clear();
    for (int i = 0; i < m_first->count(); ++i)
        m_second->addItem(m_first->itemText(i));
    m_second->setCurrentIndex(-1);
    m_first->setFocus();
}

void SwapDialog::swapClicked()
{
    state().setModified(true); // the director's OK counts as a change, swapped or not
    const QString first = picklist::pickedSeatCode(m_first);
    if (first.isEmpty())
        return;
    const QString second = picklist::pickedSeatCode(m_second);
    if (second.isEmpty())
        return;
    const QString title = QStringLiteral("Impossible d'intervertir !");
    QStringList scores = state().scoreList();
    switch (incidents::swapScores(scores, first, second)) {
    case incidents::Swap::SamePlayer:
        platform().messages->warning(title, QStringLiteral("Vous avez choisi deux fois le même joueur : choisissez "
                                                           "les deux joueurs qui ont permuté."));
        return;
    case incidents::Swap::MissingScore:
        platform().messages->warning(title, QStringLiteral("Vous n'avez pas saisi les scores des joueurs !"));
        break;
    case incidents::Swap::Done: report(state().setScores(scores)); break;
    }
    accept();
}
