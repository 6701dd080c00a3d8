#pragma once

#include "platform/canvas.h"
#include "platform/filedialogs.h"
#include "platform/help.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/workingfiles.h"

// The services that stand in for the Windows ones. Installed once at start-up (the Qt ones),
// or by a test (its doubles) before the windows are created.
struct Platform
{
    Messages *messages = nullptr;
    FileDialogs *fileDialogs = nullptr;
    Printing *printing = nullptr;
    Help *help = nullptr;
    Random *random = nullptr;
    Clock *clock = nullptr;
    WorkingFiles files;
};

Platform &platform();
bool platformInstalled();
void installPlatform(const Platform &services);

// The executable's directory when it is writable and not an installation's, else the per-user
// data directory (~/.local/share/Verlandis, %APPDATA%\Verlandis).
QString defaultWorkingDirectory();
