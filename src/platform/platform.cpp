#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
Platform g_platform;
bool g_installed = false;

bool writable(const QString &directory)
{
    QTemporaryFile probe(directory + QStringLiteral("/verlandis-XXXXXX.probe"));
    return probe.open();
}

// Whether the executable's directory is an installation's (e.g. /usr/bin, or Program Files):
// the install rules (packaging/CMakeLists.txt) put the desktop entry in ../share/applications,
// and Windows' installer its uninstaller in the folder above bin. Such a folder belongs to the
// system, even when an administrator may write in it; an unpacked ZIP has neither.
bool isInstallation(const QString &directory)
{
#ifdef Q_OS_WIN
    return QFileInfo::exists(directory + QStringLiteral("/../Uninstall.exe"));
#else
    return QFileInfo::exists(directory + QStringLiteral("/../share/applications/fr.verlandis.Verlandis.desktop"));
#endif
}
} // namespace

Platform &platform()
{
    return g_platform;
}

bool platformInstalled()
{
    return g_installed;
}

void installPlatform(const Platform &services)
{
    g_platform = services;
    g_installed = true;
}

QString defaultWorkingDirectory()
{
    const QString own = QCoreApplication::applicationDirPath();
    if (!isInstallation(own) && writable(own))
        return own;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}
