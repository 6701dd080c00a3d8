#include "windows/dialog.h"

#include "platform/platform.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>

bool report(const Outcome &outcome)
{
    if (!outcome.ok() && platform().messages)
        platform().messages->warning(QStringLiteral("Erreur de fichier"), outcome.error);
    return outcome.ok();
}

void openHelp(const QString &keyword)
{
    if (platform().help)
        platform().help->show(keyword);
}

void bindF1(QWidget *window, const QString &keyword)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F1), window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [keyword] { openHelp(keyword); });
}

Dialog::Dialog(Tournament &tournament, QWidget *parent, const QString &className, const QString &caption,
               const QString &f1Keyword)
    : QDialog(parent), m_tournament(tournament)
{
    setObjectName(className);
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);
    if (!f1Keyword.isEmpty())
        bindF1(this, f1Keyword);
}

void Dialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        activated();
}

QPushButton *Dialog::helpButton(const QString &keyword, const QString &text)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QStringLiteral("HelpBtn"));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [keyword] {
        if (!keyword.isEmpty())
            openHelp(keyword);
    });
    return button;
}

QPushButton *Dialog::button(const QString &objectName, const QString &text)
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

void Dialog::useBoldFont()
{
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

void Dialog::setClientSize(int width, int height)
{
    // The given size is the least the dialog takes; a larger screen font makes it grow to fit.
    setFixedSize(sizeHint().expandedTo(QSize(width, height)));
}

QBoxLayout *Dialog::okCancelButtons(std::function<void()> onOk, const QString &helpKeyword, Qt::Orientation orientation)
{
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, std::move(onOk));
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    const bool row = orientation == Qt::Horizontal;
    auto *buttons = new QBoxLayout(row ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    if (row)
        buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    if (!helpKeyword.isEmpty())
        buttons->addWidget(helpButton(helpKeyword));
    if (!row)
        buttons->addStretch();
    return buttons;
}
