#pragma once

#include "platform/outcome.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Where a tournament is taken up from, by working-file name: the working files on disk, or the
// sections of a tournament file held in memory (a season reads its tournaments that way, without
// touching the working files of the tournament in progress).
class FileSource
{
public:
    virtual ~FileSource() = default;

    virtual bool exists(const QString &name) const = 0;
    // The whole file's lines (CR LF or LF); a missing file is an error.
    virtual Outcome read(const QString &name, QStringList &lines) const = 0;
    // The file's bytes as they are.
    virtual Outcome readBytes(const QString &name, QByteArray &bytes) const = 0;

    // Absent file: empty list and success.
    Outcome readIfPresent(const QString &name, QStringList &lines) const;
    // The finished rounds' files, counted from tour1.tmp to the first missing number.
    int countTourFiles() const;
};
