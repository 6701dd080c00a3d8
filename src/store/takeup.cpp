#include "store/takeup.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/workingfiles.h"
#include "players/entries.h"
#include "players/seating.h"

#include <algorithm>

MenuState menuStates(const Tournament &state)
{
    MenuState m = MenuState::initial();
    if (!state.started())
        return m;
    m.enable(Cmd::Ouvrir);
    m.enable(Cmd::Enregistrer);
    if (!state.opened()) { // nothing to work on until "Nouveau" or "Ouvrir"
        m.disable(Cmd::MenuJoueurs);
        m.disable(Cmd::MenuTables);
        m.disable(Cmd::MenuClassements);
        return m;
    }
    const QStringList &playerRegisterList = state.playerRegisterList();
    m.enable(Cmd::MenuJoueurs);
    if (!entries::anySeated(playerRegisterList)) {
        m.enable(Cmd::Inscription);
        m.enable(Cmd::AttribuerPositions, seating::drawOffered(playerRegisterList.size()));
        m.hide(Cmd::AnnulerAttribution);
        m.hide(Cmd::EchangerPositions);
        m.hide(Cmd::CompleterTable);
        m.disable(Cmd::MenuTables);
        m.disable(Cmd::MenuClassements);
        return m;
    }
    const bool scored = !state.finishedRounds().isEmpty() || state.roundStarted();
    const bool roundTwoBegun = !state.finishedRounds().isEmpty();
    m.disable(Cmd::Inscription);
    m.hide(Cmd::AttribuerPositions);
    m.show(Cmd::AnnulerAttribution);
    m.enable(Cmd::AnnulerAttribution, !scored);
    m.enable(Cmd::MenuTables);
    m.enable(Cmd::MenuClassements, scored);
    // The room display shows the general ranking: it goes with "Général".
    m.enable(Cmd::AffichageSalle, m.isEnabled(Cmd::ClassementGeneral));
    // Last-minute changes end when round 2 begins.
    m.show(Cmd::DerniereMinute, !roundTwoBegun);
    m.show(Cmd::EchangerPositions, !roundTwoBegun);
    m.show(Cmd::CompleterTable,
           !roundTwoBegun && std::any_of(playerRegisterList.begin(), playerRegisterList.end(), entries::isEmptyChair));
    return m;
}

namespace {
// Whether tour.tmp repeats the last tour file; a read failure is returned.
Outcome repeated(const FileSource &files, bool &repeats)
{
    repeats = false;
    const int n = files.countTourFiles();
    if (n == 0 || !files.exists(workingfile::currentRound))
        return Outcome::success();
    QByteArray last, current;
    if (Outcome read = files.readBytes(workingfile::finishedRound(n), last); !read.ok())
        return read;
    if (Outcome read = files.readBytes(workingfile::currentRound, current); !read.ok())
        return read;
    repeats = !current.isEmpty() && current == last;
    return Outcome::success();
}
} // namespace

bool repeatsLastRound(const FileSource &files)
{
    bool repeats = false;
    return repeated(files, repeats).ok() && repeats;
}

Outcome emptyRepeatedRound(const WorkingFiles &files)
{
    bool repeats = false;
    if (Outcome read = repeated(files, repeats); !read.ok() || !repeats)
        return read;
    return files.write(workingfile::currentRound, {});
}

Outcome takeUpTournament(Tournament &state, const FileSource &files)
{
    Tournament::Data taken = state.data();
    taken.playerRegisterList.clear();
    taken.forgetRoundsAndIncidents();
    taken.currentRound = 1;
    taken.generalRanking = {};
    taken.opened = true;
    bool seated = false;
    Outcome outcome = taken.loadDescription(files);
    if (outcome.ok())
        outcome = files.readIfPresent(workingfile::registered, taken.playerRegisterList);
    // A position.tmp without seats is what a cancelled draw leaves: the register kept changing in
    // inscrits.tmp since, so that file holds it.
    if (outcome.ok() && files.exists(workingfile::registered) && files.exists(workingfile::positions)) {
        QStringList positions;
        outcome = files.read(workingfile::positions, positions);
        seated = outcome.ok() && entries::anySeated(positions);
        if (seated)
            taken.playerRegisterList = positions;
    }
    entries::sort(taken.playerRegisterList);
    if (outcome.ok() && seated) {
        outcome = taken.loadRoundsAndIncidents(files);
        taken.currentRound = int(taken.finishedRounds.size()) + 1;
    }
    state.restore(std::move(taken));
    return outcome;
}
