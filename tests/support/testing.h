#pragma once

#include "support/doubles.h"

#include <QStringList>
#include <QTemporaryDir>

class QAction;
class QWidget;

// The test double of every platform service.
struct Doubles
{
    ScriptedMessages messages;
    ScriptedFileDialogs fileDialogs;
    RecordingPrinting printing;
    RecordingHelp help;
    SeededRandom random;
    FixedClock clock;

    // Installs them all over the given working directory.
    void install(const QString &workingDirectory);
};

// Every double installed, over a fresh temporary working directory.
struct TestPlatform : Doubles
{
    TestPlatform();

    QTemporaryDir directory;

    QString path(const QString &name) const;
    void write(const QString &name, const QStringList &lines) const;
    QStringList read(const QString &name) const; // CR LF lines; fails the test on a bare LF
    QByteArray bytes(const QString &name) const;
    bool exists(const QString &name) const;
    QStringList files() const; // the names in the working directory, sorted
};

// The main window's action whose caption is text (with its '&').
QAction *findAction(QWidget *mainWindow, const QString &text);

#include "tournament/tournament.h"

// Arranges a situation straight in a tournament's data, as its files would have left it: no file
// is written, the listeners hear of it as of a take-up.
template<class Change>
void arrange(Tournament &state, Change &&change)
{
    Tournament::Data data = state.data();
    change(data);
    state.restore(std::move(data));
}
