#pragma once

#include "platform/messages.h"
#include "platform/outcome.h"

#include <optional>

class Tournament;

// The start-up recovery: offers back, stage by stage, the tournament the working files hold. The
// window asks each question, gives the answer back and shows the report; what the director
// declines is deleted with all that rests on it. A file that cannot be read or deleted ends the
// questions.
class Recovery
{
public:
    explicit Recovery(Tournament &state);
    // The next question; none once the recovery is over.
    std::optional<Prompt> question();
    // The director's answer to the last question: the report to show, if any.
    std::optional<Prompt> answer(bool yes);
    // Takes up what the files now hold (only the date and place when no player was registered):
    // the outcome of the whole recovery.
    [[nodiscard]] Outcome finish();

private:
    enum class Stage { Players, Positions, Rounds, RoundInProgress, Submissions, Done };
    std::optional<Prompt> stop(Outcome outcome);

    Tournament &m_state;
    Stage m_stage = Stage::Players;
    bool m_offered = false; // inscrits.tmp was there
    qsizetype m_positionLines = 0;
    qsizetype m_submissions = 0; // lines of propositions.tmp
    Outcome m_outcome;
};
