#include "live/livecommands.h"

#include "app/wiring.h"
#include "live/liveresultsdialog.h"

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
}
