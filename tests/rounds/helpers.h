#pragma once

#include "app/application.h"
#include "app/mainwindow.h"
#include "players/entries.h"
#include "support/testing.h"

#include <QAction>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>

// Players seated as the draw leaves them, written to the files and loaded in the register.
namespace seats {

inline void seat(const TestPlatform &p, Tournament &state, const QStringList &seated)
{
    QStringList players;
    for (const QString &line : seated)
        if (!entries::isEmptyChair(line))
            players << line.left(line.indexOf(QStringLiteral(" = ")));
    p.write(QStringLiteral("inscrits.tmp"), players);
    p.write(QStringLiteral("position.tmp"), seated);
    state.playerRegisterList = seated;
    state.menus.enable(Cmd::MenuTables);
}

inline void seat(const TestPlatform &p, Application &app, const QStringList &seated)
{
    seat(p, app.state(), seated);
    app.syncMenus();
}

} // namespace seats

// Chooses the command and, once its modal dialog is up, runs steps on it; a dialog still open
// afterwards is closed by its close box. Returns whether the dialog opened.
template <class D> bool drive(Application &app, const char *caption, const std::function<void(D &)> &steps)
{
    D &dialog = app.window<D>();
    bool opened = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        opened = true;
        steps(dialog);
        if (dialog.isVisible())
            dialog.reject();
    });
    timer.start(0);
    QAction *action = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    if (!action)
        qFatal("no command %s", caption);
    action->trigger();
    timer.stop();
    return opened;
}

template <class T = QLineEdit> T *control(QWidget &dialog, const char *name)
{
    T *child = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// Types each text into the box that has the focus, then Enter, as the director does.
inline void typeScores(QWidget &dialog, const QStringList &texts)
{
    for (const QString &text : texts) {
        QWidget *box = dialog.focusWidget();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
}
