#pragma once

#include <QString>

// The standard open and save dialogs. Both return an empty string on Cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // filter in the Windows form "description|*.ext".
    virtual QString openFile(const QString &title, const QString &filter, const QString &defaultSuffix,
                             const QString &initialName) = 0;
    // Does not ask about an existing file: the caller does (confirmOverwrite).
    virtual QString saveFile(const QString &title, const QString &filter, const QString &defaultSuffix,
                             const QString &initialName) = 0;
    // An existing folder (a season adds its tournament files at once); Cancel by default.
    virtual QString openFolder(const QString &title)
    {
        (void)title;
        return {};
    }
};
