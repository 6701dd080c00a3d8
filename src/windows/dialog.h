#pragma once

#include <QDialog>

#include <functional>

#include "platform/outcome.h"
#include "tournament/tournament.h"

class QBoxLayout;
class QPushButton;

// Base of every dialog: created once at start-up, hidden between uses. Its "activation" is its
// being shown: activated() refills it then, not when focus comes back from a message box.
class Dialog : public QDialog
{
    Q_OBJECT
public:
    // className is the window's objectName; f1Keyword, when given, is the help topic of F1.
    Dialog(Tournament &tournament, QWidget *parent, const QString &className, const QString &caption,
           const QString &f1Keyword = {});

    // Asked before the program quits while the window is open: false keeps both open.
    virtual bool mayClose() { return true; }

protected:
    virtual void activated() {}
    void showEvent(QShowEvent *event) override;

    // A button that opens help at keyword (a keyword of "" makes a button that does nothing).
    QPushButton *helpButton(const QString &keyword, const QString &text = QStringLiteral("&Aide"));
    // A push button named objectName that Enter does not press.
    QPushButton *button(const QString &objectName, const QString &text);
    void setClientSize(int width, int height);
    // The bold dialog font several dialogs use.
    void useBoldFont();
    // OK (the default button, "OKBtn", runs onOk), "Annuler" ("CancelBtn", closes) and, when a
    // keyword is given, the Help button: a row at the bottom, or a column on the right.
    QBoxLayout *okCancelButtons(std::function<void()> onOk, const QString &helpKeyword,
                                Qt::Orientation orientation = Qt::Horizontal);

    Tournament &state() { return m_tournament; }

private:
    Tournament &m_tournament;
};

// Opens help at keyword through the platform.
void openHelp(const QString &keyword);
// F1 anywhere in window opens keyword.
void bindF1(QWidget *window, const QString &keyword);
// Shows a failed outcome to the director; returns whether it succeeded.
bool report(const Outcome &outcome);
