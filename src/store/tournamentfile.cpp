#include "store/tournamentfile.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/workingfiles.h"
#include "store/takeup.h"

#include <QFile>

namespace {
struct SavedFile
{
    const char *header;
    const QString &file;
};
const SavedFile savedFiles[] = {
    {"[INSCRITS]", workingfile::registered}, {"[POSITIONS]", workingfile::positions},
    {"[PENAL]", workingfile::penalties},     {"[EXCLU]", workingfile::exclusions},
    {"[TOUR]", workingfile::currentRound},   {"[DEPL]", workingfile::movements},
    {"[CODES]", workingfile::tableCodes},    {"[PROPOSITIONS]", workingfile::submissions},
};

bool isHeader(const QString &line)
{
    return line.startsWith(QLatin1Char('['));
}

// A name that can only be a file of the working directory, on every system.
bool isPlainName(const QString &name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u'_'))
            return false;
    }
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const QString upper = name.toUpper();
    if (devices.contains(upper))
        return false;
    const bool port = upper.size() == 4 &&
                      (upper.startsWith(QLatin1String("COM")) || upper.startsWith(QLatin1String("LPT"))) &&
                      upper.at(3).isDigit();
    return !port;
}
} // namespace

Result<QByteArray> tournamentBytes(const WorkingFiles &files, const QString &date, const QString &place)
{
    Outcome outcome;
    // The working files are Windows-1252 already: their bytes are copied, not decoded.
    QByteArray out = joinLines({QStringLiteral("[INITIAL]"), date, place});
    auto copy = [&](const QString &header, const QString &name) {
        QByteArray bytes;
        outcome = files.readBytes(name, bytes);
        out += joinLines({header});
        appendLines(out, bytes);
        return outcome.ok();
    };
    for (const SavedFile &s : savedFiles)
        if (files.exists(s.file) && !copy(QLatin1String(s.header), s.file))
            return outcome;
    for (int n = 1; files.exists(workingfile::finishedRound(n)); ++n)
        if (!copy(QStringLiteral("[TOUR%1]").arg(n), workingfile::finishedRound(n)))
            return outcome;
    return out;
}

Outcome saveTournament(const WorkingFiles &files, const QString &path, const QString &date, const QString &place)
{
    const Result<QByteArray> bytes = tournamentBytes(files, date, place);
    if (!bytes.ok())
        return bytes.outcome();
    const QString reason = replaceFile(path, bytes.value());
    if (!reason.isEmpty())
        return Outcome::failure(
            QStringLiteral("Impossible d'enregistrer le tournoi dans « %1 » : %2").arg(path, reason));
    return Outcome::success();
}

bool parseTournament(const QByteArray &content, QList<Section> &sections)
{
    sections.clear();
    const QStringList lines = splitLines(content);
    if (lines.isEmpty() || !isHeader(lines.first()))
        return false;
    for (const QString &line : lines) {
        if (!isHeader(line)) {
            sections.last().lines.append(line);
            continue;
        }
        const QString name = line.mid(1, line.size() - 2);
        if (!isPlainName(name))
            return false;
        sections.append({name, {}});
    }
    return true;
}

QString sectionFile(const QString &name)
{
    // The files keep the names every reader spells (Linux compares names with their case).
    const QString lower = name.toLower();
    if (lower == QLatin1String("positions"))
        return workingfile::positions;
    if (lower == QLatin1String("initial"))
        return workingfile::initial;
    return lower + QStringLiteral(".tmp");
}

TournamentFileRead readTournamentFile(const QString &path)
{
    TournamentFileRead read;
    QFile file(path);
    if (!file.exists()) {
        read.corrupt = true;
        return read;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        read.outcome =
            Outcome::failure(QStringLiteral("Impossible de lire le fichier « %1 » : %2").arg(path, file.errorString()));
        return read;
    }
    if (file.size() > largestTournamentFile || !parseTournament(file.readAll(), read.sections))
        read.corrupt = true;
    return read;
}

SectionFiles::SectionFiles(const QList<Section> &sections)
{
    for (const Section &section : sections)
        m_files.insert(sectionFile(section.name).toLower(), section.lines);
    // Open writes each section with joinLines: the bytes compared are those.
    if (repeatsLastRound(*this))
        m_files.insert(workingfile::currentRound.toLower(), {});
}

bool SectionFiles::exists(const QString &name) const
{
    return m_files.contains(name.toLower());
}

Outcome SectionFiles::read(const QString &name, QStringList &lines) const
{
    const auto it = m_files.constFind(name.toLower());
    if (it == m_files.constEnd())
        return Outcome::failure(QStringLiteral("Le fichier de tournoi n'a pas de section pour « %1 »").arg(name));
    // What reading back the file Open writes gives: the same lines.
    lines = *it;
    return Outcome::success();
}

Outcome SectionFiles::readBytes(const QString &name, QByteArray &bytes) const
{
    QStringList lines;
    Outcome outcome = read(name, lines);
    if (outcome.ok())
        bytes = joinLines(lines);
    return outcome;
}

TakenUp takeUpSections(Tournament &state, const QList<Section> &sections)
{
    TakenUp taken;
    for (const Section &section : sections)
        if (section.name.compare(QLatin1String("INITIAL"), Qt::CaseInsensitive) == 0) {
            taken.date = section.lines.value(0);
            taken.place = section.lines.value(1);
        }
    taken.outcome = takeUpTournament(state, SectionFiles(sections));
    return taken;
}

Opened openTournament(Tournament &state, const WorkingFiles &files, const QString &path)
{
    Opened opened;
    TournamentFileRead read = readTournamentFile(path);
    if (read.corrupt || !read.outcome.ok()) {
        opened.corrupt = read.corrupt;
        opened.outcome = read.outcome;
        return opened;
    }
    const QList<Section> &sections = read.sections;

    const Outcome removed = files.removeMatching(QStringLiteral("*.tmp"));
    state.setModified(false);
    for (const Section &section : sections) {
        opened.outcome = files.write(sectionFile(section.name), section.lines);
        if (!opened.outcome.ok())
            break;
    }
    if (opened.outcome.ok())
        opened.outcome = emptyRepeatedRound(files);
    // The menus follow whatever the files now hold, even after a failed write.
    const Outcome taken = takeUpTournament(state, files);
    if (opened.outcome.ok())
        opened.outcome = removed.ok() ? taken : removed;
    return opened;
}
