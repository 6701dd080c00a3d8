#include "live/livecommands.h"

#include "app/wiring.h"
#include "live/liveresultsdialog.h"
#include "live/tableentry.h"
#include "platform/platform.h"
#include "windows/eveningpanel.h"

namespace {

// The scores a table sent from a phone: accepted (once more confirmed when they replace the table's),
// rejected, or left waiting.
void reviewSubmission(Tournament &state, int table)
{
    const std::optional<tableentry::Submission> waiting = tableentry::waitingSubmission(state, table);
    if (!waiting)
        return;
    const QString text = QStringLiteral("La table %1 propose ces scores :\n\n%2\n\nOui : les accepter. Non : les "
                                        "refuser. Annuler : décider plus tard.")
                             .arg(table)
                             .arg(tableentry::describeSubmission(state, *waiting).join(QLatin1Char('\n')));
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
