#include "tournament/tournament.h"

#include "platform/platform.h"
#include "tournament/workingfilenames.h"

int MovementSettings::value(QChar seat) const
{
    switch (seat.unicode()) {
    case 'N': return nord;
    case 'E': return est;
    case 'O': return ouest;
    case 'S': return sud;
    default: return 0;
    }
}

void MovementSettings::setValue(QChar seat, int v)
{
    switch (seat.unicode()) {
    case 'N': nord = v; break;
    case 'E': est = v; break;
    case 'O': ouest = v; break;
    case 'S': sud = v; break;
    default: break;
    }
}

void Tournament::listen(const QObject *context, std::function<void(Changes)> listener)
{
    m_listeners.add(context, std::move(listener));
}

void Tournament::tell(Changes what)
{
    m_listeners.tell(what);
}

void Tournament::changed(Changes what)
{
    if (!m_data.modified) {
        m_data.modified = true;
        what |= Modified;
    }
    tell(what);
}

namespace {
// What differs between two states of a tournament.
Tournament::Changes differences(const Tournament::Data &a, const Tournament::Data &b)
{
    Tournament::Changes what;
    const auto differ = [&what](bool different, Tournament::Changes part) {
        if (different)
            what |= part;
    };
    differ(a.playerRegisterList != b.playerRegisterList, Tournament::Register | Tournament::Seats);
    differ(a.scoreList != b.scoreList || a.roundStarted != b.roundStarted, Tournament::Scores);
    differ(a.currentRound != b.currentRound || !std::equal(a.finishedRounds.begin(), a.finishedRounds.end(),
                                                           b.finishedRounds.begin(), b.finishedRounds.end()),
           Tournament::Rounds);
    differ(a.movementList != b.movementList, Tournament::Movements);
    differ(a.penalties != b.penalties || a.exclusions != b.exclusions, Tournament::Incidents);
    differ(a.tableCodes != b.tableCodes || a.submissions != b.submissions, Tournament::TableEntries);
    differ(a.date != b.date || a.place != b.place, Tournament::Description);
    differ(a.tournamentFile != b.tournamentFile || a.savedAt != b.savedAt, Tournament::File);
    differ(a.modified != b.modified, Tournament::Modified);
    differ(a.started != b.started || a.opened != b.opened, Tournament::Stage);
    differ(!(a.movement == b.movement) || a.printFont.family != b.printFont.family ||
               a.printFont.size != b.printFont.size,
           Tournament::Settings);
    return what;
}
} // namespace

void Tournament::restore(Data data)
{
    const Changes what = differences(m_data, data);
    m_data = std::move(data);
    if (what)
        tell(what);
}

Outcome Tournament::journal(const QString &file, const QStringList &lines, Changes what,
                            const std::function<void()> &apply)
{
    const Outcome written = platform().files.write(file, lines);
    if (written.ok()) {
        apply();
        changed(what);
    }
    return written;
}

Outcome Tournament::setRegister(const QStringList &lines)
{
    return journal(workingfile::registered, lines, Register, [&] { m_data.playerRegisterList = lines; });
}

Outcome Tournament::setSeats(const QStringList &lines)
{
    return journal(workingfile::positions, lines, Register | Seats, [&] { m_data.playerRegisterList = lines; });
}

Outcome Tournament::saveRegister() const
{
    return platform().files.write(workingfile::registered, m_data.playerRegisterList);
}

void Tournament::adoptRegister(const QStringList &lines)
{
    m_data.playerRegisterList = lines;
    changed(Register);
}

Outcome Tournament::setScores(const QStringList &lines)
{
    return journal(workingfile::currentRound, lines, Scores, [&] {
        m_data.scoreList = lines;
        m_data.roundStarted = true;
    });
}

Outcome Tournament::setMovements(const QStringList &lines)
{
    return journal(workingfile::movements, lines, Movements, [&] { m_data.movementList = lines; });
}

Outcome Tournament::addPenalty(const QString &seatCode, int value)
{
    const QString line = seatCode + QLatin1Char('=') + QString::number(value);
    const Outcome appended = platform().files.append(workingfile::penalties, line);
    if (appended.ok()) {
        m_data.penalties.append(line);
        changed(Incidents);
    }
    return appended;
}

Outcome Tournament::addExclusion(const QString &seatCode)
{
    const Outcome appended = platform().files.append(workingfile::exclusions, seatCode);
    if (appended.ok()) {
        m_data.exclusions.append(seatCode);
        changed(Incidents);
    }
    return appended;
}

Outcome Tournament::liftExclusions()
{
    const WorkingFiles &files = platform().files;
    const Outcome removed =
        files.exists(workingfile::exclusions) ? files.remove(workingfile::exclusions) : Outcome::success();
    if (removed.ok()) {
        m_data.exclusions.clear();
        changed(Incidents);
    }
    return removed;
}

Outcome Tournament::journalOrRemove(const QString &file, const QStringList &lines, QStringList &held)
{
    const WorkingFiles &files = platform().files;
    if (!lines.isEmpty())
        return journal(file, lines, TableEntries, [&] { held = lines; });
    const Outcome removed = files.exists(file) ? files.remove(file) : Outcome::success();
    if (removed.ok() && !held.isEmpty()) {
        held.clear();
        changed(TableEntries);
    }
    return removed;
}

Outcome Tournament::setTableCodes(const QStringList &lines)
{
    return journalOrRemove(workingfile::tableCodes, lines, m_data.tableCodes);
}

Outcome Tournament::setSubmissions(const QStringList &lines)
{
    return journalOrRemove(workingfile::submissions, lines, m_data.submissions);
}

Outcome Tournament::dropTableEntries()
{
    if (Outcome o = setSubmissions({}); !o.ok())
        return o;
    return setTableCodes({});
}

Outcome Tournament::setDescription(const QString &newDate, const QString &newPlace)
{
    const Outcome written = platform().files.write(workingfile::initial, {newDate, newPlace});
    if (written.ok()) {
        m_data.date = newDate;
        m_data.place = newPlace;
        changed(Description);
    }
    return written;
}

Outcome Tournament::Data::loadDescription(const FileSource &files)
{
    QStringList lines;
    if (!files.exists(workingfile::initial))
        return Outcome::success();
    const Outcome read = files.read(workingfile::initial, lines);
    if (read.ok()) {
        date = lines.value(0);
        place = lines.value(1);
    }
    return read;
}

Outcome Tournament::archiveRound()
{
    const int round = m_data.currentRound;
    if (Outcome o = platform().files.write(workingfile::finishedRound(round), m_data.scoreList); !o.ok())
        return o;
    m_data.finishedRounds.truncate(round - 1);
    m_data.finishedRounds.append(m_data.scoreList);
    m_data.scoreList.clear();
    changed(Rounds | Scores);
    return Outcome::success();
}

Outcome Tournament::reopenLastRound()
{
    const WorkingFiles &files = platform().files;
    const int previous = m_data.currentRound - 1;
    if (Outcome o = setScores(finishedRound(previous)); !o.ok())
        return o;
    const QString name = workingfile::finishedRound(previous);
    if (files.exists(name))
        if (Outcome o = files.remove(name); !o.ok())
            return o;
    m_data.finishedRounds.truncate(previous - 1);
    changed(Rounds);
    return Outcome::success();
}

Outcome Tournament::dropRoundInProgress()
{
    const WorkingFiles &files = platform().files;
    m_data.scoreList.clear();
    m_data.roundStarted = false;
    changed(Scores);
    return files.exists(workingfile::currentRound) ? files.remove(workingfile::currentRound) : Outcome::success();
}

void Tournament::setCurrentRound(int round)
{
    m_data.currentRound = round;
    changed(Rounds);
}

Outcome Tournament::loadRoundsAndIncidents(const FileSource &files)
{
    const Outcome loaded = m_data.loadRoundsAndIncidents(files);
    tell(Scores | Rounds | Movements | Incidents | TableEntries);
    return loaded;
}

Outcome Tournament::Data::loadRoundsAndIncidents(const FileSource &files)
{
    forgetRoundsAndIncidents();
    for (int n = 1; files.exists(workingfile::finishedRound(n)); ++n) {
        QStringList lines;
        if (Outcome o = files.read(workingfile::finishedRound(n), lines); !o.ok())
            return o;
        finishedRounds.append(lines);
    }
    for (auto [name, lines] :
         {std::pair{&workingfile::currentRound, &scoreList}, std::pair{&workingfile::movements, &movementList},
          std::pair{&workingfile::penalties, &penalties}, std::pair{&workingfile::exclusions, &exclusions},
          std::pair{&workingfile::tableCodes, &tableCodes}, std::pair{&workingfile::submissions, &submissions}})
        if (Outcome o = files.readIfPresent(*name, *lines); !o.ok())
            return o;
    roundStarted = files.exists(workingfile::currentRound);
    return Outcome::success();
}

void Tournament::Data::forgetRoundsAndIncidents()
{
    scoreList.clear();
    roundStarted = false;
    movementList.clear();
    finishedRounds.clear();
    penalties.clear();
    exclusions.clear();
    tableCodes.clear();
    submissions.clear();
}

void Tournament::setStarted()
{
    m_data.started = true;
    m_data.movementList.clear();
    m_data.modified = false;
    tell(Stage | Movements | Modified);
}

void Tournament::setTournamentFile(const QString &path, bool modified, const QDateTime &savedAt)
{
    m_data.tournamentFile = path;
    m_data.savedAt = savedAt;
    m_data.modified = modified;
    tell(File | Modified);
}

void Tournament::setModified(bool modified)
{
    if (m_data.modified == modified)
        return;
    m_data.modified = modified;
    tell(Modified);
}

void Tournament::setMovementSettings(const MovementSettings &movement)
{
    if (movement == m_data.movement)
        return;
    m_data.movement = movement;
    tell(Settings);
}

void Tournament::setPrintFont(const PrintFont &font)
{
    m_data.printFont = font;
    tell(Settings);
}

void Tournament::setGeneralRanking(RankingTable table)
{
    m_data.generalRanking = std::move(table);
}
