#include "store/takeup.h"
#include "tournament/workingfilenames.h"

#include "tournament/tournament.h"
#include "platform/workingfiles.h"
#include "players/entries.h"

#include <algorithm>

MenuState tournamentMenus(const QStringList &playerRegisterList, const Stage &stage)
{
    MenuState m = MenuState::initial();
    m.enable(Cmd::Ouvrir);
    m.enable(Cmd::Enregistrer);
    m.enable(Cmd::MenuJoueurs);
    if (!stage.seated) {
        m.enable(Cmd::Inscription);
        m.enable(Cmd::AttribuerPositions, playerRegisterList.size() > 7);
        m.hide(Cmd::AnnulerAttribution);
        m.hide(Cmd::EchangerPositions);
        m.hide(Cmd::CompleterTable);
        m.disable(Cmd::MenuTables);
        m.disable(Cmd::MenuClassements);
        return m;
    }
    const bool scored = stage.finishedRounds > 0 || stage.roundInProgress;
    const bool roundTwoBegun = stage.finishedRounds > 0;
    m.disable(Cmd::Inscription);
    m.hide(Cmd::AttribuerPositions);
    m.show(Cmd::AnnulerAttribution);
    m.enable(Cmd::AnnulerAttribution, !scored);
    m.enable(Cmd::MenuTables);
    m.enable(Cmd::MenuClassements, scored);
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
    state.playerRegisterList.clear();
    state.forgetRoundsAndIncidents();
    state.currentRound = 1;
    state.generalRanking = {};
    Stage stage;
    Outcome outcome = state.loadDescription(files);
    if (outcome.ok())
        outcome = files.readIfPresent(workingfile::registered, state.playerRegisterList);
    // A position.tmp without seats is what a cancelled draw leaves: the register kept changing in
    // inscrits.tmp since, so that file holds it.
    if (outcome.ok() && files.exists(workingfile::registered) && files.exists(workingfile::positions)) {
        QStringList positions;
        outcome = files.read(workingfile::positions, positions);
        stage.seated = outcome.ok() && entries::anySeated(positions);
        if (stage.seated)
            state.playerRegisterList = positions;
    }
    entries::sort(state.playerRegisterList);
    if (outcome.ok() && stage.seated) {
        outcome = state.loadRoundsAndIncidents(files);
        stage.finishedRounds = int(state.finishedRounds.size());
        stage.roundInProgress = files.exists(workingfile::currentRound);
        state.currentRound = stage.finishedRounds + 1;
    }
    state.menus = tournamentMenus(state.playerRegisterList, stage);
    return outcome;
}
