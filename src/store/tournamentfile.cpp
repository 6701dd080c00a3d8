#include "store/tournamentfile.h"

#include "platform/workingfiles.h"

#include <QSaveFile>

namespace {
struct Section
{
    const char *header;
    const char *file;
};
constexpr Section sections[] = {
    {"[INSCRITS]", "inscrits.tmp"}, {"[POSITIONS]", "position.tmp"}, {"[PENAL]", "penal.tmp"},
    {"[EXCLU]", "exclu.tmp"},       {"[TOUR]", "tour.tmp"},          {"[DEPL]", "depl.tmp"},
};
} // namespace

QStringList tournamentLines(const WorkingFiles &files, const QString &date, const QString &place, Outcome &outcome)
{
    QStringList out{QStringLiteral("[INITIAL]"), date, place};
    auto copy = [&](const QString &header, const QString &name) {
        QStringList lines;
        outcome = files.read(name, lines);
        out << header << lines;
        return outcome.ok();
    };
    for (const Section &s : sections)
        if (files.exists(QLatin1String(s.file)) && !copy(QLatin1String(s.header), QLatin1String(s.file)))
            return {};
    for (int n = 1; files.exists(WorkingFiles::tourFile(n)); ++n)
        if (!copy(QStringLiteral("[TOUR%1]").arg(n), WorkingFiles::tourFile(n)))
            return {};
    outcome = Outcome::success();
    return out;
}

Outcome saveTournament(const WorkingFiles &files, const QString &path, const QString &date, const QString &place)
{
    Outcome outcome;
    const QStringList lines = tournamentLines(files, date, place, outcome);
    if (!outcome.ok())
        return outcome;
    QSaveFile file(path);
    const QByteArray bytes = joinLines(lines);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Outcome::failure(
            QStringLiteral("Impossible d'enregistrer le tournoi dans « %1 » : %2").arg(path, file.errorString()));
    return Outcome::success();
}
