#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "players/registerwindow.h"
#include "store/newtournamentdialog.h"
#include "support/testing.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Runs f once the dialog w is on screen, polling the event loop. A check that fails inside f
// leaves it early: the dialog is then closed, so that the test fails instead of hanging.
inline void whenShown(QDialog *w, std::function<void()> f)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, w, f] {
        if (!w->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        f();
        if (w->isVisible())
            w->done(QDialog::Rejected);
    });
    timer->start();
}

template <class T> T *child(QWidget *w, const char *name)
{
    T *found = w->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s in %s", name, qPrintable(w->objectName()));
    return found;
}

inline void click(QWidget *w, const char *name)
{
    QPushButton *b = child<QPushButton>(w, name);
    QVERIFY2(b->isEnabled(), name);
    b->click();
}

inline void type(QWidget *w, const char *name, const QString &text)
{
    QLineEdit *edit = child<QLineEdit>(w, name);
    edit->clear();
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(edit, char(c.unicode()));
            continue;
        }
        // Letters beyond ASCII come as the text of a key, as a French keyboard sends them.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

// Triggers a command by its caption, as the director chooses it in the menu.
inline void choose(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    QVERIFY2(a, caption);
    QVERIFY2(a->isEnabled() && a->isVisible(), caption);
    a->trigger();
}

inline bool usable(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    return a && a->isEnabled() && a->isVisible();
}

inline bool shown(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    return a && a->isVisible();
}

// "Nouveau", confirmed.
inline void newTournament(Application &app)
{
    app.mainWindow().firstActivation();
    auto &dialog = app.window<NewTournamentDialog>();
    whenShown(&dialog, [&dialog] { child<QPushButton>(&dialog, "OKBtn")->click(); });
    choose(app, "Nouveau");
}

// Registers surname/first-name pairs through the register window.
inline void registerPlayers(Application &app, const QList<QPair<QString, QString>> &players)
{
    auto &form = app.window<RegisterWindow>();
    whenShown(&form, [&form, players] {
        for (const auto &[surname, firstName] : players) {
            type(&form, "Edit1", surname);
            type(&form, "Edit2", firstName);
            child<QPushButton>(&form, "Button1")->click();
        }
        child<QPushButton>(&form, "CloseBtn")->click();
    });
    choose(app, "&Inscription");
}

inline QList<QPair<QString, QString>> numberedPlayers(int n, const QString &prefix = QStringLiteral("JOUEUR"))
{
    QList<QPair<QString, QString>> players;
    for (int i = 1; i <= n; ++i)
        players.append({prefix + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("prenom")});
    return players;
}

// A tournament of n registered players, seated (Yes to the three-player tables).
inline void seatPlayers(Application &app, TestPlatform &p, int n)
{
    newTournament(app);
    registerPlayers(app, numberedPlayers(n));
    p.messages.answers = {Messages::Yes};
    choose(app, "&Attribuer les positions");
    p.messages.clear();
}

// A double click on a row of a list, as the mouse gives it.
inline void doubleClickRow(QListWidget *list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline QStringList itemsOf(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}
