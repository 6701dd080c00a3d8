#pragma once

#include <QString>

#include <functional>

class QBoxLayout;
class QComboBox;
class QDialog;
class QFrame;
class QPushButton;
class QWidget;

// Pieces shared by the penalty, swap and exclusion dialogs.
namespace picklist {

// A drop-down list of players, choice only.
QComboBox *create(QWidget *parent, const QString &objectName);
// Refills the list from position.tmp with nothing selected; a file error is shown.
void refill(QComboBox *box);
// The seat code of the player picked, or empty once the director has been told why there is none.
QString pickedSeatCode(const QComboBox *box);

// The frame that holds the dialog's controls, laid out top to bottom.
QFrame *frame(QWidget *parent, QBoxLayout *&inside);
// "OK" (the default, wired to onOk), "Annuler" and the help button given, right-aligned.
// A fixed border at the given client size, larger when the screen's font needs more room.
void fixSize(QDialog *dialog, int width, int height);

QBoxLayout *okCancelHelp(QDialog *dialog, QPushButton *help, const std::function<void()> &onOk);

} // namespace picklist
