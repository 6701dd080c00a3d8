#pragma once

#include <QString>

#include <functional>

class QBoxLayout;
class QComboBox;
class QDialog;
class QFrame;
class QPushButton;
class QWidget;
class Tournament;

// Pieces shared by the penalty, swap and exclusion dialogs.
namespace picklist {

// A drop-down list of players, choice only.
QComboBox *create(QWidget *parent, const QString &objectName);
// Refills the list with the seated players of the register, nothing selected.
void refill(QComboBox *box, const Tournament &tournament);
// The seat code of the player picked, or empty once the director has been told why there is none.
QString pickedSeatCode(const QComboBox *box);

// The frame that holds the dialog's controls, laid out top to bottom.
QFrame *frame(QWidget *parent, QBoxLayout *&inside);

} // namespace picklist
