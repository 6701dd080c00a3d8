#include "live/livecommands.h"

#include "app/wiring.h"
#include "live/liveresultsdialog.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "rounds/rounds.h"
#include "windows/eveningpanel.h"

namespace {

// The scores a table sent from a phone: accepted (once more confirmed when they replace the table's),
// rejected, or left waiting.
void reviewSubmission(Tournament &state, int table)
{
    std::optional<tableentry::Submission> waiting;
    for (const tableentry::Submission &s : tableentry::waitingSubmissions(state))
        if (s.round == state.currentRound() && s.table == table)
            waiting = s;
    if (!waiting)
        return;
    static const char *const seats[] = {"Nord", "Sud", "Est", "Ouest"};
    const rounds::TableEntry entry = rounds::tableEntry(state, table);
    QString text = QStringLiteral("La table %1 propose ces scores :\n\n").arg(table);
    for (size_t i = 0; i < 4; ++i)
        text += QStringLiteral("%1 : %2   %3\n")
                    .arg(QLatin1String(seats[i]), entry.emptyChairs[i] ? QStringLiteral("chaise vide") : entry.names[i],
                         waiting->scores[i]);
    text += QStringLiteral("\nOui : les accepter. Non : les refuser. Annuler : décider plus tard.");
    const QString title = QStringLiteral("Scores proposés par la table %1").arg(table);
    const Messages::Button answer = platform().messages->show(title, text, Messages::Icon::Question,
                                                              Messages::Yes | Messages::No | Messages::Cancel);
    if (answer == Messages::No) {
        report(tableentry::rejectSubmission(state, table));
        return;
    }
    if (answer != Messages::Yes)
        return;
    if (tableentry::wouldReplace(state, table) &&
        !platform().messages->confirm(title, QStringLiteral("La table %1 est déjà saisie. Remplacer ses scores par "
                                                            "ceux qu'elle propose ?")
                                                 .arg(table)))
        return;
    const Result<tableentry::Acceptance> accepted = tableentry::acceptSubmission(state, table);
    if (report(accepted.outcome()) && !accepted.value().refusal.isEmpty())
        platform().messages->warning(QStringLiteral("Impossible"), accepted.value().refusal);
}

} // namespace

void installLiveCommands(const Wiring &app)
{
    app.onCommand(Cmd::ResultatsDirect, [&app] {
        LiveResultsDialog &dialog = app.window<LiveResultsDialog>();
        const bool was = dialog.isPublishing();
        dialog.exec();
        if (dialog.isPublishing() != was)
            app.status(dialog.isPublishing() ? QStringLiteral("Résultats publiés sur le réseau local")
                                             : QStringLiteral("Résultats en direct arrêtés"));
    });
    EveningPanel &evening = app.evening();
    QObject::connect(&evening, &EveningPanel::proposedTableClicked, &evening, [&app](int table) {
        reviewSubmission(app.state(), table);
        app.syncMenus();
    });
    LivePublication &publication = app.window<LiveResultsDialog>().publication();
    QObject::connect(&publication, &LivePublication::lockedTablesChanged, &evening,
                     [&evening, &publication] { evening.showLockedTables(publication.lockedTables()); });
}
