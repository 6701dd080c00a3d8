#include "store/newtournament.h"

#include "tournament/tournament.h"
#include "platform/cp1252.h"
#include "platform/platform.h"

Outcome startNewTournament(Tournament &state, const QString &date, const QString &place)
{
    state.modified = true;
    Outcome outcome = platform().files.removeMatching(QStringLiteral("*.tmp"));
    if (const Outcome written = state.setDescription(date, place); outcome.ok())
        outcome = written;
    state.playerRegisterList.clear();
    state.forgetRoundsAndIncidents();
    state.currentRound = 1;
    state.tournamentFile.clear();
    state.generalRanking = {};

    state.menus = MenuState::initial();
    state.menus.enable(Cmd::Ouvrir);
    state.menus.enable(Cmd::Enregistrer);
    state.menus.enable(Cmd::MenuJoueurs);
    state.menus.disable(Cmd::MenuTables);
    state.menus.disable(Cmd::MenuClassements);
    return outcome;
}

QString refusalOfDescription(const QString &text, const QString &what)
{
    if (text.startsWith(QLatin1Char('[')))
        return QStringLiteral("%1 ne peut pas commencer par « [ ».").arg(what);
    const QChar bad = cp1252::firstUnencodable(text);
    if (!bad.isNull())
        return QStringLiteral("%1 contient le caractère « %2 », que le fichier du tournoi ne peut pas enregistrer.")
            .arg(what, QString(bad));
    return {};
}
