#include "store/storecommands.h"

#include "app/application.h"
#include "platform/platform.h"
#include "store/newtournament.h"
#include "store/tbtnbottomdlg10.h"
#include "store/tournamentfile.h"

#include <QAction>

namespace {

void newTournament(Application &app)
{
    TournamentState &state = app.state();
    if (state.modified
        && !platform().messages->confirm(QStringLiteral("Tournoi non sauvegardé"),
                                         QStringLiteral("Le tournoi en cours n'est pas sauvegardé : ses données seront "
                                                        "perdues.\r\nVoulez-vous commencer un nouveau tournoi ?")))
        return;
    if (!app.window<TBtnBottomDlg10>().ask())
        return;
    Application::report(startNewTournament(state));
}

void save(Application &app)
{
    TournamentState &state = app.state();
    QString path = state.tournamentFile;
    if (path.isEmpty()) {
        path = platform().fileDialogs->saveFile(QString(), QStringLiteral("fichiers tournoi|*.trt"),
                                                QStringLiteral("trt"), QStringLiteral("nouveau.trt"));
        if (path.isEmpty())
            return;
    }
    if (!Application::report(saveTournament(platform().files, path, state.date, state.place)))
        return;
    state.tournamentFile = path;
    state.modified = false;
}

} // namespace

void installStoreCommands(Application &app)
{
    app.onCommand(Cmd::Nouveau, [&app] { newTournament(app); });
    app.onCommand(Cmd::Enregistrer, [&app] { save(app); });
}
