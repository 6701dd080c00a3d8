#include "store/newtournament.h"

#include "tournament/tournament.h"
#include "platform/cp1252.h"
#include "platform/platform.h"

#include <QLocale>

QString today()
{
    return QLocale(QLocale::French, QLocale::France).toString(platform().clock->now().date(), QLocale::ShortFormat);
}

Tournament::Data startingData()
{
    Tournament::Data data;
    data.date = today();
    data.place = QStringLiteral("rubrique non servie");
    return data;
}

Outcome startNewTournament(Tournament &state, const QString &date, const QString &place)
{
    Outcome outcome = platform().files.removeMatching(QStringLiteral("*.tmp"));
    Tournament::Data fresh = state.data();
    fresh.playerRegisterList.clear();
    fresh.forgetRoundsAndIncidents();
    fresh.currentRound = 1;
    fresh.tournamentFile.clear();
    fresh.generalRanking = {};
    fresh.opened = true;
    state.restore(std::move(fresh));
    state.setModified(true);
    if (const Outcome written = state.setDescription(date, place); outcome.ok())
        outcome = written;
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
