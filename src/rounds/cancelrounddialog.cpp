#include "rounds/cancelrounddialog.h"

#include "platform/platform.h"
#include "rounds/rounds.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CancelRoundDialog::CancelRoundDialog(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TBtnBottomDlg12"), QStringLiteral("SUPPRESSION DU TOUR EN COURS"))
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto *lines = new QVBoxLayout(frame);
    lines->setSpacing(0);
    lines->setContentsMargins(6, 6, 6, 6);
    for (const char *text : {"Cette option vous permet de supprimer le tour",
                             "en cours de saisie lorsque vous avez oublié de", "modifier les déplacements."}) {
        auto *label = new QLabel(QString::fromUtf8(text), frame);
        label->setStyleSheet(QStringLiteral("background: red; color: white; padding: 1px 4px;"));
        lines->addWidget(label);
    }
    lines->addSpacing(10);
    for (const char *text : {"Les informations saisies dans ce tour seront", "perdues :"})
        lines->addWidget(new QLabel(QString::fromUtf8(text), frame));
    m_round = new QLineEdit(frame);
    m_round->setObjectName(QStringLiteral("Edit1"));
    m_round->setReadOnly(true);
    m_round->setFrame(false);
    m_round->setStyleSheet(QStringLiteral("background: transparent;"));
    m_round->setFocusPolicy(Qt::NoFocus);
    lines->addWidget(m_round);

    QBoxLayout *buttons = okCancelButtons([this] { cancelRoundClicked(); }, QStringLiteral("depltour"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setClientSize(317, 214);
}

void CancelRoundDialog::activated()
{
    m_round->setText(QStringLiteral("Tour n°%1").arg(state().currentRound()));
}

void CancelRoundDialog::cancelRoundClicked()
{
    Tournament &s = state();
    if (platform().messages->confirm(QStringLiteral("Attention"), rounds::cancelQuestion(s.scoreList().size())))
        report(rounds::cancelRound(s));
    accept();
}
