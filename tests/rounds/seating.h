#pragma once

#include "app/application.h"
#include "players/entries.h"
#include "support/testing.h"

#include <QStringList>

// Players seated as the draw leaves them, written to the files and loaded in the register.
namespace seating {

// A register of `tables` tables: "JOUEUR <seat code>" at every seat, an empty chair at Nord of
// the first `chairs` tables; sorted as the register keeps it.
inline QStringList seatedRegister(int tables, int chairs = 0)
{
    QStringList lines;
    for (int t = 1; t <= tables; ++t)
        for (const char seat : {'N', 'S', 'E', 'O'}) {
            if (seat == 'N' && t <= chairs)
                lines << entries::emptyChair(t);
            else
                lines << QStringLiteral("JOUEUR %1%2 = %1%2").arg(QLatin1Char(seat)).arg(t);
        }
    entries::sort(lines);
    return lines;
}

inline void seat(const TestPlatform &p, TournamentState &state, const QStringList &seated)
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

} // namespace seating
