#include "support/testing.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWidget>

void Doubles::install(const QString &workingDirectory)
{
    Platform services;
    services.messages = &messages;
    services.fileDialogs = &fileDialogs;
    services.printing = &printing;
    services.help = &help;
    services.random = &random;
    services.clock = &clock;
    services.files = WorkingFiles(workingDirectory);
    installPlatform(services);
}

TestPlatform::TestPlatform()
{
    install(directory.path());
}

QString TestPlatform::path(const QString &name) const
{
    return directory.filePath(name);
}

void TestPlatform::write(const QString &name, const QStringList &lines) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(name));
    file.write(joinLines(lines));
}

QByteArray TestPlatform::bytes(const QString &name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList TestPlatform::read(const QString &name) const
{
    const QByteArray data = bytes(name);
    if (data.contains('\n') && data.count("\r\n") != data.count('\n'))
        qWarning("%s has a line without CR LF", qPrintable(name));
    return splitLines(data);
}

bool TestPlatform::exists(const QString &name) const
{
    return QFile::exists(path(name));
}

QStringList TestPlatform::files() const
{
    QStringList names = QDir(directory.path()).entryList(QDir::Files);
    names.sort();
    return names;
}

QAction *findAction(QWidget *mainWindow, const QString &text)
{
    const auto actions = mainWindow->findChildren<QAction *>();
    for (QAction *a : actions)
        if (a->text() == text)
            return a;
    return nullptr;
}
