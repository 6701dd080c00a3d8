#include "store/recovery.h"

#include "app/state.h"
#include "platform/platform.h"
#include "store/takeup.h"

namespace {

bool ask(const QString &question)
{
    return platform().messages->question(QStringLiteral("Attention"), question);
}

void tell(const QString &title, qint64 count, const QString &what)
{
    platform().messages->information(title, QString::number(count) + what);
}

// Removes each name or wildcard in turn; the first failure is kept.
Outcome discard(const QStringList &patterns)
{
    for (const QString &pattern : patterns) {
        const WorkingFiles &files = platform().files;
        const Outcome removed =
            pattern.contains(QLatin1Char('*')) ? files.removeMatching(pattern) : files.remove(pattern);
        if (!removed.ok())
            return removed;
    }
    return Outcome::success();
}

// The questions, stage by stage; each declined stage is deleted with all that rests on it.
Outcome askStages(TournamentState &state)
{
    const WorkingFiles &files = platform().files;
    QStringList lines;
    if (!ask(QStringLiteral("Voulez-vous récupérer la liste des joueurs ?")))
        return discard({QStringLiteral("*.tmp")});
    state.modified = true;
    if (Outcome read = files.read(QStringLiteral("inscrits.tmp"), lines); !read.ok())
        return read;
    tell(QStringLiteral("Récupération des joueurs"), lines.size(), QStringLiteral(" joueurs récupérés"));

    if (!files.exists(QStringLiteral("position.tmp")))
        return Outcome::success();
    if (Outcome read = files.read(QStringLiteral("position.tmp"), lines); !read.ok())
        return read;
    if (!hasSeats(lines))
        return Outcome::success(); // a cancelled draw: the register is inscrits.tmp, no round rests on it
    if (!ask(QStringLiteral("Voulez-vous récupérer les positions ?")))
        return discard({QStringLiteral("depl.tmp"), QStringLiteral("position.tmp"), QStringLiteral("penal.tmp"),
                        QStringLiteral("exclu.tmp"), QStringLiteral("tour*.tmp")});
    tell(QStringLiteral("Récupération des positions"), lines.size() / 4, QStringLiteral(" tables récupérées"));

    if (files.exists(WorkingFiles::tourFile(1))) {
        if (!ask(QStringLiteral("Voulez-vous récupérer les tours effectués ?")))
            return discard({QStringLiteral("depl.tmp"), QStringLiteral("tour*.tmp")});
        tell(QStringLiteral("tours précédents"), files.countTourFiles(), QStringLiteral(" tours récupérés"));
        if (Outcome emptied = emptyRepeatedRound(files); !emptied.ok())
            return emptied;
    }
    if (files.exists(QStringLiteral("tour.tmp"))) {
        if (!ask(QStringLiteral("Voulez-vous récupérer le tour en cours de saisie ?")))
            return discard({QStringLiteral("tour.tmp")});
        if (Outcome read = files.read(QStringLiteral("tour.tmp"), lines); !read.ok())
            return read;
        tell(QStringLiteral("Tour en cours"), lines.size(), QStringLiteral(" scores récupérés pour le dernier tour"));
    }
    return Outcome::success();
}

} // namespace

Outcome runRecovery(TournamentState &state)
{
    if (!platform().files.exists(QStringLiteral("inscrits.tmp")))
        return Outcome::success();
    const Outcome asked = askStages(state);
    // Whatever was answered, the tournament is what the remaining files describe.
    const Outcome taken = takeUpTournament(state, platform().files);
    return asked.ok() ? taken : asked;
}
