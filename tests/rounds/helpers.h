#pragma once

#include "players/entries.h"
#include "support/driving.h"

#include <QStringList>

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
