#pragma once

#include "app/application.h"

#include <QAction>
#include <QStringList>

// What the director sees of every command: "caption E V", "caption D H", ...
inline QStringList shownMenus(Application &app)
{
    QStringList out;
    for (const CommandInfo &info : commandTable()) {
        const QAction *a = app.action(info.cmd);
        out << QStringLiteral("%1 %2 %3")
                   .arg(QString::fromUtf8(info.caption), a->isEnabled() ? QStringLiteral("E") : QStringLiteral("D"),
                        a->isVisible() ? QStringLiteral("V") : QStringLiteral("H"));
    }
    return out;
}

inline bool usable(Application &app, Cmd cmd)
{
    return app.action(cmd)->isEnabled() && app.action(cmd)->isVisible();
}
