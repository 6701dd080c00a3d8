#include "store/recovery.h"
#include "players/entries.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
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
Outcome askStages(Tournament &state)
{
    const WorkingFiles &files = platform().files;
    QStringList lines;
    if (!ask(QStringLiteral("Voulez-vous récupérer la liste des joueurs ?")))
        return discard({QStringLiteral("*.tmp")});
    state.modified = true;
    if (Outcome read = files.read(workingfile::registered, lines); !read.ok())
        return read;
    tell(QStringLiteral("Récupération des joueurs"), lines.size(), QStringLiteral(" joueurs récupérés"));

    if (!files.exists(workingfile::positions))
        return Outcome::success();
    if (Outcome read = files.read(workingfile::positions, lines); !read.ok())
        return read;
    if (!entries::anySeated(lines))
        return Outcome::success(); // a cancelled draw: the register is inscrits.tmp, no round rests on it
    if (!ask(QStringLiteral("Voulez-vous récupérer les positions ?")))
        return discard({workingfile::movements, workingfile::positions, workingfile::penalties,
                        workingfile::exclusions, QStringLiteral("tour*.tmp")});
    tell(QStringLiteral("Récupération des positions"), lines.size() / 4, QStringLiteral(" tables récupérées"));

    if (files.exists(workingfile::finishedRound(1))) {
        if (!ask(QStringLiteral("Voulez-vous récupérer les tours effectués ?")))
            return discard({workingfile::movements, QStringLiteral("tour*.tmp")});
        tell(QStringLiteral("tours précédents"), files.countTourFiles(), QStringLiteral(" tours récupérés"));
        if (Outcome emptied = emptyRepeatedRound(files); !emptied.ok())
            return emptied;
    }
    if (files.exists(workingfile::currentRound)) {
        if (!ask(QStringLiteral("Voulez-vous récupérer le tour en cours de saisie ?")))
            return discard({workingfile::currentRound});
        if (Outcome read = files.read(workingfile::currentRound, lines); !read.ok())
            return read;
        tell(QStringLiteral("Tour en cours"), lines.size(), QStringLiteral(" scores récupérés pour le dernier tour"));
    }
    return Outcome::success();
}

} // namespace

Outcome runRecovery(Tournament &state)
{
    // A "Nouveau" with no player yet: nothing to offer, but the date and place typed are kept.
    if (!platform().files.exists(workingfile::registered))
        return state.loadDescription(platform().files);
    const Outcome asked = askStages(state);
    // Whatever was answered, the tournament is what the remaining files describe.
    const Outcome taken = takeUpTournament(state, platform().files);
    return asked.ok() ? taken : asked;
}
