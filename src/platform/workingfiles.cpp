#include "platform/workingfiles.h"
#include "tournament/workingfilenames.h"

#include "platform/cp1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

WorkingFiles::WorkingFiles(const QString &directory)
    : m_directory(QDir::cleanPath(QDir(directory).absolutePath()) + QLatin1Char('/'))
{
}

QString WorkingFiles::path(const QString &name) const
{
    return m_directory + name;
}

namespace {

// On a case-sensitive file system, finds the existing file whose name matches without case,
// as the Windows file system the files come from would.
QString resolve(const QString &directory, const QString &name)
{
    const QString exact = directory + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return directory + entry;
    return exact;
}

QString reasonOf(const QFileDevice &file)
{
    return file.errorString();
}

// Has the system put the file's bytes on the disk, as QSaveFile does before its rename: a
// flushed line may still sit in the system's cache when the power goes. The reason on failure.
QString syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    return synced ? QString() : QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool WorkingFiles::exists(const QString &name) const
{
    return QFileInfo(resolve(m_directory, name)).isFile();
}

QString WorkingFiles::unusedPath(const QString &stem, const QString &suffix) const
{
    QString name = stem + suffix;
    for (int n = 2; exists(name); ++n)
        name = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(suffix);
    return path(name);
}

namespace {
// Calls line(start, length) for every line of bytes, its CR LF or LF excluded.
template<class F>
void forEachLine(const QByteArray &bytes, F line)
{
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = n;
        qsizetype stop = end;
        if (stop > start && bytes.at(stop - 1) == '\r')
            --stop;
        line(start, stop - start);
        start = end + 1;
    }
}
} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    forEachLine(bytes, [&](qsizetype start, qsizetype length) {
        lines.append(cp1252::decode(QByteArrayView(bytes).sliced(start, length)));
    });
    return lines;
}

void appendLines(QByteArray &out, const QByteArray &bytes)
{
    forEachLine(bytes, [&](qsizetype start, qsizetype length) {
        out.append(bytes.constData() + start, length);
        out.append("\r\n", 2);
    });
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

Outcome WorkingFiles::readBytes(const QString &name, QByteArray &bytes) const
{
    QFile file(resolve(m_directory, name));
    if (!file.open(QIODevice::ReadOnly))
        return Outcome::failure(
            QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(file.fileName(), reasonOf(file)));
    bytes = file.readAll();
    return Outcome::success();
}

Outcome WorkingFiles::read(const QString &name, QStringList &lines) const
{
    QByteArray bytes;
    const Outcome outcome = readBytes(name, bytes);
    if (outcome.ok())
        lines = splitLines(bytes);
    return outcome;
}

Outcome FileSource::readIfPresent(const QString &name, QStringList &lines) const
{
    lines.clear();
    if (!exists(name))
        return Outcome::success();
    return read(name, lines);
}

QString replaceFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    // commit() does not see a failure of the last buffered write (a full disk): flush first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

Outcome WorkingFiles::write(const QString &name, const QStringList &lines) const
{
    const QString path = resolve(m_directory, name);
    const QString reason = replaceFile(path, joinLines(lines));
    if (!reason.isEmpty())
        return Outcome::failure(QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(path, reason));
    return Outcome::success();
}

Outcome WorkingFiles::append(const QString &name, const QString &line) const
{
    QFile file(resolve(m_directory, name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return Outcome::failure(
            QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(file.fileName(), reasonOf(file)));
    const QByteArray bytes = cp1252::encode(line) + "\r\n";
    QString reason;
    if (file.write(bytes) != bytes.size() || !file.flush())
        reason = reasonOf(file);
    else
        reason = syncToDisk(file);
    if (!reason.isEmpty())
        return Outcome::failure(
            QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(file.fileName(), reason));
    return Outcome::success();
}

Outcome WorkingFiles::remove(const QString &name) const
{
    QFile file(resolve(m_directory, name));
    if (!file.exists() || file.remove())
        return Outcome::success();
    return Outcome::failure(
        QStringLiteral("Impossible de supprimer le fichier « %1 » : %2").arg(file.fileName(), reasonOf(file)));
}

Outcome WorkingFiles::removeMatching(const QString &pattern) const
{
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    QStringList failures;
    const QStringList entries = QDir(m_directory).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &entry : entries) {
        if (!re.match(entry).hasMatch())
            continue;
        QFile file(m_directory + entry);
        if (!file.remove())
            failures << QStringLiteral("« %1 » : %2").arg(file.fileName(), reasonOf(file));
    }
    if (failures.isEmpty())
        return Outcome::success();
    return Outcome::failure(
        QStringLiteral("Impossible de supprimer le fichier de travail %1").arg(failures.join(QStringLiteral(", "))));
}

int FileSource::countTourFiles() const
{
    int n = 0;
    while (exists(workingfile::finishedRound(n + 1)))
        ++n;
    return n;
}
