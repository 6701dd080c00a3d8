#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "support/testing.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPair>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The windows driven as the director drives them: their controls, the modal dialogs, the menus.

// The control of that objectName in the window. A missing one stops the run, naming both: the
// window was rebuilt, or the test looks in the wrong one.
template<class T = QLineEdit>
T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in the window %s", name, qPrintable(window.objectName()));
    return found;
}

// Runs open(), which shows the modal dialog (a menu command, a button of another dialog), and
// plays the director on it: once the dialog is on screen and active, steps() runs. A window
// shortcut fires only in the active window, and a loaded machine may be slow to activate it:
// after 5 s the steps run all the same. A dialog the steps leave open (they end there, or one of
// their checks failed) is then closed as by its close box, so that the test fails instead of
// hanging. Returns whether the steps ran: false when open() never showed the dialog.
bool drive(QDialog &dialog, const std::function<void()> &open, const std::function<void()> &steps);

// The same driver, armed for as long as it lives: for a dialog that a command opens once an
// earlier dialog of the command has closed (drive() the earlier one meanwhile).
class DialogDriver
{
public:
    [[nodiscard]] DialogDriver(QDialog &dialog, std::function<void()> steps);
    bool ran() const { return m_ran; }

private:
    void poll();

    QDialog &m_dialog;
    std::function<void()> m_steps;
    QTimer m_poll;
    QElapsedTimer m_onScreen;
    bool m_ran = false;
};

// Sets off the command of that caption (with its '&'), without the checks of choose().
void trigger(Application &app, const char *caption);

// What drive() opens its dialog with: a command chosen in the menu (choose()) or set off
// (trigger()), a push button of another dialog clicked.
std::function<void()> choosing(Application &app, const char *caption);
std::function<void()> triggering(Application &app, const char *caption);
std::function<void()> clicking(QWidget &window, const char *button);

// drive() on the dialog of class D that the command of that caption opens.
template<class D>
bool drive(Application &app, const char *caption, const std::function<void(D &)> &steps)
{
    D &dialog = app.window<D>();
    return drive(dialog, triggering(app, caption), [&] { steps(dialog); });
}

// F1 where the director presses it: in the window once it is active, on the control that has
// the focus.
void pressF1(QWidget &window);

// Chooses the command of that caption in the menu, as the director does: it must be usable.
void choose(Application &app, const char *caption);
bool usable(Application &app, const char *caption); // enabled and shown
bool shown(Application &app, const char *caption);

void click(QWidget &window, const char *button); // an enabled push button
// Types the text into the line edit key after key, letters beyond ASCII as a French keyboard sends them.
void type(QWidget &window, const char *edit, const QString &text);
// Types each text into the box that has the focus, then Enter, as score entry is typed.
void typeScores(QWidget &dialog, const QStringList &texts);

// A double click on a row of a list, as the mouse gives it.
void doubleClickRow(QListWidget *list, int row);
QStringList itemsOf(QListWidget *list);

// "Nouveau", confirmed.
void newTournament(Application &app);
// Registers surname/first-name pairs through the register window.
void registerPlayers(Application &app, const QList<QPair<QString, QString>> &players);
// "JOUEUR01 prenom", "JOUEUR02 prenom" ...
QList<QPair<QString, QString>> numberedPlayers(int n, const QString &prefix = QStringLiteral("JOUEUR"));
// A new tournament of n registered players, seated by the draw (Yes to the three-player tables).
void seatPlayers(Application &app, TestPlatform &p, int n);
