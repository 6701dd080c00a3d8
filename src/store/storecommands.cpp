#include "store/storecommands.h"

#include "app/wiring.h"
#include "live/liveresultsdialog.h"
#include "platform/platform.h"
#include "store/newtournament.h"
#include "store/newtournamentdialog.h"
#include "store/diagnosticdialog.h"
#include "store/evening.h"
#include "store/tournamentfile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace {

// The phones were shown the tournament being replaced: they are let go.
void endLivePublication(const Wiring &app)
{
    app.window<LiveResultsDialog>().stopPublishing();
}

void newTournament(const Wiring &app)
{
    Tournament &state = app.state();
    if (state.modified() &&
        !platform().messages->confirm(QStringLiteral("Tournoi non sauvegardé"),
                                      QStringLiteral("Le tournoi en cours n'est pas sauvegardé : ses données seront "
                                                     "perdues.\r\nVoulez-vous commencer un nouveau tournoi ?")))
        return;
    NewTournamentDialog &dialog = app.window<NewTournamentDialog>();
    if (!dialog.ask())
        return;
    endLivePublication(app);
    if (report(startNewTournament(state, dialog.date(), dialog.place())))
        app.status(QStringLiteral("Nouveau tournoi commencé"));
}

// The first save of a tournament asks where, and so does every "Enregistrer sous..."; later
// saves write the current file again.
void save(const Wiring &app, bool askWhere)
{
    Tournament &state = app.state();
    QString path = state.tournamentFile();
    if (path.isEmpty() || askWhere) {
        const QString initial = path.isEmpty() ? QStringLiteral("nouveau.trt") : QFileInfo(path).fileName();
        path = platform().fileDialogs->saveFile(QString(), QStringLiteral("fichiers tournoi|*.trt"),
                                                QStringLiteral("trt"), initial);
        if (path.isEmpty())
            return;
        if (QFileInfo::exists(path) &&
            !platform().messages->confirm(QStringLiteral("Enregistrer le tournoi"),
                                          QStringLiteral("Le fichier « %1 » existe déjà.\r\nVoulez-vous le remplacer ?")
                                              .arg(QFileInfo(path).fileName())))
            return;
    }
    if (!report(saveTournament(platform().files, path, state.date(), state.place())))
        return;
    state.setTournamentFile(path, false, platform().clock->now());
    app.status(QStringLiteral("Tournoi enregistré dans « %1 »").arg(QDir::toNativeSeparators(path)));
}

void open(const Wiring &app)
{
    Tournament &state = app.state();
    if (state.modified() &&
        platform().messages->show(QStringLiteral("Données en cours non sauvegardée"),
                                  QStringLiteral("Vous allez écraser les données en cours. En êtes-vous sûr ?"),
                                  Messages::Icon::None,
                                  Messages::Yes | Messages::No | Messages::NoByDefault) != Messages::Yes)
        return;
    const QString path = platform().fileDialogs->openFile(QStringLiteral("Ouvrir un fichier tournoi"),
                                                          QStringLiteral("Fichiers tournoi|*.trt"),
                                                          QStringLiteral("trt"), QStringLiteral("*.trt"));
    if (path.isEmpty())
        return;
    endLivePublication(app);
    const Opened opened = openTournament(state, platform().files, path);
    if (opened.corrupt) {
        platform().messages->warning(QStringLiteral("Incident lors de la lecture !"),
                                     QStringLiteral("Fichier corrompu, récupération impossible"));
        return;
    }
    // A tournament restored in part must not be saved over another file without asking.
    if (!report(opened.outcome)) {
        state.setTournamentFile(QString(), state.modified(), QDateTime());
        return;
    }
    state.setTournamentFile(path, state.modified(), QFileInfo(path).lastModified());
    app.status(openedText(state));
}

} // namespace

void installStoreCommands(const Wiring &app)
{
    app.onCommand(Cmd::Nouveau, [&app] { newTournament(app); });
    app.onCommand(Cmd::Ouvrir, [&app] { open(app); });
    app.onCommand(Cmd::Enregistrer, [&app] { save(app, false); });
    app.onCommand(Cmd::EnregistrerSous, [&app] { save(app, true); });
    app.onCommand(Cmd::Diagnostic, [&app] { app.window<DiagnosticDialog>().exec(); });
}
