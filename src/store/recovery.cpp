#include "store/recovery.h"
#include "players/entries.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/platform.h"
#include "store/takeup.h"

namespace {

Prompt ask(const QString &question)
{
    return Prompt::question(QStringLiteral("Attention"), question);
}

Prompt tell(const QString &title, qint64 count, const QString &what)
{
    return {title, QString::number(count) + what};
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

} // namespace

Recovery::Recovery(Tournament &state) : m_state(state)
{
    m_offered = platform().files.exists(workingfile::registered);
    if (!m_offered)
        m_stage = Stage::Done;
}

std::optional<Prompt> Recovery::stop(Outcome outcome)
{
    m_outcome = std::move(outcome);
    m_stage = Stage::Done;
    return std::nullopt;
}

std::optional<Prompt> Recovery::question()
{
    const WorkingFiles &files = platform().files;
    for (;;) {
        switch (m_stage) {
        case Stage::Players: return ask(QStringLiteral("Voulez-vous récupérer la liste des joueurs ?"));
        case Stage::Positions: {
            QStringList lines;
            if (!files.exists(workingfile::positions))
                return stop(Outcome::success());
            if (Outcome read = files.read(workingfile::positions, lines); !read.ok())
                return stop(read);
            if (!entries::anySeated(lines))
                return stop(Outcome::success()); // a cancelled draw: the register is inscrits.tmp
            m_positionLines = lines.size();
            return ask(QStringLiteral("Voulez-vous récupérer les positions ?"));
        }
        case Stage::Rounds:
            if (files.exists(workingfile::finishedRound(1)))
                return ask(QStringLiteral("Voulez-vous récupérer les tours effectués ?"));
            m_stage = Stage::RoundInProgress;
            continue;
        case Stage::RoundInProgress:
            if (files.exists(workingfile::currentRound))
                return ask(QStringLiteral("Voulez-vous récupérer le tour en cours de saisie ?"));
            m_stage = Stage::Submissions; // round 1 may have scores sent from the tables before any entered
            continue;
        case Stage::Submissions: {
            QStringList lines;
            if (!files.exists(workingfile::submissions))
                return stop(Outcome::success());
            if (Outcome read = files.read(workingfile::submissions, lines); !read.ok())
                return stop(read);
            m_submissions = lines.size();
            return ask(QStringLiteral("Voulez-vous récupérer les scores proposés par les tables ?"));
        }
        case Stage::Done: return std::nullopt;
        }
    }
}

std::optional<Prompt> Recovery::answer(bool yes)
{
    const WorkingFiles &files = platform().files;
    QStringList lines;
    switch (m_stage) {
    case Stage::Players:
        if (!yes)
            return stop(discard({QStringLiteral("*.tmp")}));
        m_state.setModified(true);
        if (Outcome read = files.read(workingfile::registered, lines); !read.ok())
            return stop(read);
        m_stage = Stage::Positions;
        return tell(QStringLiteral("Récupération des joueurs"), lines.size(), QStringLiteral(" joueurs récupérés"));
    case Stage::Positions:
        if (!yes)
            return stop(discard({workingfile::movements, workingfile::positions, workingfile::penalties,
                                 workingfile::exclusions, QStringLiteral("tour*.tmp"), workingfile::tableCodes,
                                 workingfile::submissions}));
        m_stage = Stage::Rounds;
        return tell(QStringLiteral("Récupération des positions"), m_positionLines / 4,
                    QStringLiteral(" tables récupérées"));
    case Stage::Rounds: {
        if (!yes)
            return stop(discard({workingfile::movements, QStringLiteral("tour*.tmp"), workingfile::tableCodes,
                                 workingfile::submissions}));
        const Prompt report =
            tell(QStringLiteral("tours précédents"), files.countTourFiles(), QStringLiteral(" tours récupérés"));
        m_outcome = emptyRepeatedRound(files);
        m_stage = m_outcome.ok() ? Stage::RoundInProgress : Stage::Done;
        return report;
    }
    case Stage::RoundInProgress:
        if (!yes)
            return stop(discard({workingfile::currentRound, workingfile::submissions}));
        if (Outcome read = files.read(workingfile::currentRound, lines); !read.ok())
            return stop(read);
        m_stage = Stage::Submissions;
        return tell(QStringLiteral("Tour en cours"), lines.size(),
                    QStringLiteral(" scores récupérés pour le dernier tour"));
    case Stage::Submissions:
        if (!yes)
            return stop(discard({workingfile::submissions}));
        m_stage = Stage::Done;
        return tell(QStringLiteral("Scores des tables"), m_submissions,
                    QStringLiteral(" propositions récupérées, en attente d'acceptation"));
    case Stage::Done: break;
    }
    return std::nullopt;
}

Outcome Recovery::finish()
{
    // A "Nouveau" with no player yet: nothing was offered, but the tournament and the date and
    // place typed are kept.
    if (!m_offered) {
        Tournament::Data kept = m_state.data();
        kept.opened = platform().files.exists(workingfile::initial);
        const Outcome read = kept.loadDescription(platform().files);
        m_state.restore(std::move(kept));
        return read;
    }
    // Whatever was answered, the tournament is what the remaining files describe.
    const Outcome taken = takeUpTournament(m_state, platform().files);
    return m_outcome.ok() ? taken : m_outcome;
}
