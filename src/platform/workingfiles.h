#pragma once

#include "platform/filesource.h"
#include "platform/outcome.h"

#include <QString>
#include <QStringList>

// The working files: small Windows-1252, CR LF text files in the working directory.
// Every path is the working directory plus the name, whatever the process's current directory.
class WorkingFiles : public FileSource
{
public:
    WorkingFiles() = default;
    explicit WorkingFiles(const QString &directory);

    QString directory() const { return m_directory; }
    QString path(const QString &name) const;

    bool exists(const QString &name) const override;
    // The path of stem + suffix, or of stem + " (2)" + suffix, " (3)" ... when that is taken, so
    // that a new document never replaces an earlier one.
    QString unusedPath(const QString &stem, const QString &suffix) const;

    // Reads the whole file; lines end with CR LF or LF. A missing file is an error here:
    // callers that accept absence test exists() first or use readIfPresent().
    Outcome read(const QString &name, QStringList &lines) const override;
    // The file's bytes as they are.
    Outcome readBytes(const QString &name, QByteArray &bytes) const override;
    // readIfPresent() (absent file: empty list and success) and countTourFiles() come from FileSource.

    // Replaces the file atomically: a crash never leaves half a file.
    Outcome write(const QString &name, const QStringList &lines) const;
    // Appends one line (creating the file) and has the system put it on the disk (fsync).
    Outcome append(const QString &name, const QString &line) const;

    Outcome remove(const QString &name) const;
    // Deletes every file matching the wildcard (case-insensitive); tries them all and reports
    // each one it could not delete.
    Outcome removeMatching(const QString &pattern) const;

private:
    QString m_directory;
};

// The lines of raw file content, CR LF or LF, a last line without end included.
QStringList splitLines(const QByteArray &bytes);
// Lines joined with CR LF after each one, encoded in Windows-1252.
QByteArray joinLines(const QStringList &lines);
// Appends to out what joinLines(splitLines(bytes)) gives, without decoding: the same lines,
// each ended by CR LF.
void appendLines(QByteArray &out, const QByteArray &bytes);
// Replaces the file at path by bytes through QSaveFile, the previous file staying whole unless
// every byte reached the disk. The system's reason on failure, empty on success.
QString replaceFile(const QString &path, const QByteArray &bytes);
