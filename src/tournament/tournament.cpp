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

Outcome Tournament::addPenalty(const QString &seatCode, int value)
{
    const QString line = seatCode + QLatin1Char('=') + QString::number(value);
    const Outcome appended = platform().files.append(workingfile::penalties, line);
    if (appended.ok())
        penalties.append(line);
    return appended;
}

Outcome Tournament::addExclusion(const QString &seatCode)
{
    const Outcome appended = platform().files.append(workingfile::exclusions, seatCode);
    if (appended.ok())
        exclusions.append(seatCode);
    return appended;
}

Outcome Tournament::liftExclusions()
{
    const WorkingFiles &files = platform().files;
    const Outcome removed =
        files.exists(workingfile::exclusions) ? files.remove(workingfile::exclusions) : Outcome::success();
    if (removed.ok())
        exclusions.clear();
    return removed;
}

Outcome Tournament::saveScores()
{
    const Outcome written = platform().files.write(workingfile::currentRound, scoreList);
    roundStarted = roundStarted || written.ok();
    return written;
}

Outcome Tournament::saveRegister() const
{
    return platform().files.write(workingfile::registered, playerRegisterList);
}

Outcome Tournament::savePositions() const
{
    return platform().files.write(workingfile::positions, playerRegisterList);
}

Outcome Tournament::setDescription(const QString &newDate, const QString &newPlace)
{
    const Outcome written = platform().files.write(workingfile::initial, {newDate, newPlace});
    if (written.ok()) {
        date = newDate;
        place = newPlace;
    }
    return written;
}

Outcome Tournament::loadDescription(const FileSource &files)
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
    if (Outcome o = platform().files.write(workingfile::finishedRound(currentRound), scoreList); !o.ok())
        return o;
    finishedRounds.truncate(currentRound - 1);
    finishedRounds.append(scoreList);
    scoreList.clear();
    return Outcome::success();
}

Outcome Tournament::reopenLastRound()
{
    const WorkingFiles &files = platform().files;
    const int previous = currentRound - 1;
    scoreList = finishedRound(previous);
    if (Outcome o = saveScores(); !o.ok())
        return o;
    const QString name = workingfile::finishedRound(previous);
    if (files.exists(name))
        if (Outcome o = files.remove(name); !o.ok())
            return o;
    finishedRounds.truncate(previous - 1);
    return Outcome::success();
}

Outcome Tournament::loadRoundsAndIncidents(const FileSource &files)
{
    forgetRoundsAndIncidents();
    for (int n = 1; files.exists(workingfile::finishedRound(n)); ++n) {
        QStringList lines;
        if (Outcome o = files.read(workingfile::finishedRound(n), lines); !o.ok())
            return o;
        finishedRounds.append(lines);
    }
    for (auto [name, lines] : {std::pair{&workingfile::currentRound, &scoreList},
                               std::pair{&workingfile::movements, &movementList},
                               std::pair{&workingfile::penalties, &penalties},
                               std::pair{&workingfile::exclusions, &exclusions}})
        if (Outcome o = files.readIfPresent(*name, *lines); !o.ok())
            return o;
    roundStarted = files.exists(workingfile::currentRound);
    return Outcome::success();
}

void Tournament::forgetRoundsAndIncidents()
{
    scoreList.clear();
    roundStarted = false;
    movementList.clear();
    finishedRounds.clear();
    penalties.clear();
    exclusions.clear();
}
