#include "players/playercommands.h"

#include "app/wiring.h"
#include "store/takeup.h"
#include "platform/platform.h"
#include "players/entries.h"
#include "players/importreportdialog.h"
#include "players/namecorrection.h"
#include "players/playerimport.h"
#include "players/playerlist.h"
#include "players/seating.h"
#include "players/completetabledialog.h"
#include "players/addtabledialog.h"
#include "players/exchangedialog.h"
#include "players/playerlistdialog.h"
#include "players/renamedialog.h"
#include "players/registerwindow.h"

namespace {

void printPlayerList(Tournament &state)
{
    Canvas *canvas = platform().printing->canvas(QStringLiteral("Liste des joueurs"));
    if (!playerlist::print(*canvas, state)) {
        platform().messages->warning(QStringLiteral("Impression"),
                                     QStringLiteral("L'imprimante n'a pas accepté le document."));
        return;
    }
    const QString where = platform().printing->whereItWent();
    if (!where.isEmpty())
        platform().messages->information(QStringLiteral("Impression"), where);
}

void correctName(const Wiring &app)
{
    const QString selected = app.window<PlayerListDialog>().pick();
    if (selected.isEmpty())
        return;
    const QString edited = app.window<RenameDialog>().correct(selected);
    if (edited.isNull())
        return;
    if (platform().messages->show(
            QStringLiteral("Changement de nom"), correction::question(selected, edited), Messages::Icon::Warning,
            Messages::Yes | Messages::No | Messages::Cancel | Messages::NoByDefault) != Messages::Yes)
        return;
    report(correction::correctName(app.state(), selected, edited));
}

// "Importer": a list of players into the register, after the director has seen the report.
void importPlayers(const Wiring &app)
{
    Tournament &state = app.state();
    const QString title = QStringLiteral("Importer des joueurs");
    const MenuState menus = menuStates(state);
    if (!menus.isEnabled(Cmd::MenuJoueurs)) {
        platform().messages->information(title, QStringLiteral("Commencez d'abord un tournoi (« Tournoi › Nouveau ») "
                                                               "ou ouvrez-en un (« Tournoi › Ouvrir »)."));
        return;
    }
    if (!menus.isEnabled(Cmd::Inscription)) {
        platform().messages->information(title, QStringLiteral("Les inscriptions sont closes : les places sont "
                                                               "attribuées, on ne peut plus importer de joueurs."));
        return;
    }
    const QString path = platform().fileDialogs->openFile(
        title, QStringLiteral("Listes de joueurs|*.csv *.txt|Fichiers tournoi|*.trt|Tous les fichiers|*"), QString(),
        QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    const playerimport::Report imported = playerimport::readFile(path, state.playerRegisterList());
    if (!imported.error.isEmpty()) {
        platform().messages->warning(title, imported.error);
        return;
    }
    if (app.window<ImportReportDialog>().confirm(imported))
        report(playerimport::addPlayers(state, imported.added));
}

void drawSeats(const Wiring &app)
{
    Tournament &state = app.state();
    const qsizetype entries = state.playerRegisterList().size();
    if (const QString why = seating::refusalOfDraw(entries); !why.isEmpty()) {
        platform().messages->show(Prompt::refusal(why));
        return;
    }
    const int chairs = seating::emptyChairsNeeded(entries);
    const bool allowed =
        chairs == 0 || platform().messages->show(seating::threePlayerTablesQuestion(chairs)) == Messages::Yes;
    if (report(seating::drawSeats(state, allowed)) && entries::anySeated(state.playerRegisterList()))
        app.status(QStringLiteral("Positions attribuées"));
}

void cancelDraw(const Wiring &app)
{
    Tournament &state = app.state();
    const Result<QString> refusal = seating::refusalOfCancel(state);
    if (!report(refusal.outcome()))
        return;
    if (!refusal.value().isEmpty()) {
        platform().messages->show(Prompt::refusal(refusal.value()));
        return;
    }
    const bool confirmed = platform().messages->show(seating::cancelQuestion()) == Messages::Yes;
    if (report(seating::cancelDraw(state, confirmed)) && !entries::anySeated(state.playerRegisterList()))
        app.status(QStringLiteral("Attribution des positions annulée"));
}

} // namespace

void installPlayerCommands(const Wiring &app)
{
    Tournament &state = app.state();
    app.onCommand(Cmd::Inscription, [&app] { app.window<RegisterWindow>().run(); });
    app.onCommand(Cmd::Importer, [&app] { importPlayers(app); });
    app.onCommand(Cmd::AttribuerPositions, [&app] { drawSeats(app); });
    app.onCommand(Cmd::AnnulerAttribution, [&app] { cancelDraw(app); });
    app.onCommand(Cmd::Visualisation, [&app] { app.window<PlayerListDialog>().showList(); });
    app.onCommand(Cmd::ImpressionJoueurs, [&state] { printPlayerList(state); });
    app.onCommand(Cmd::CompleterTable, [&app] { app.window<CompleteTableDialog>().run(); });
    app.onCommand(Cmd::AjouterTable, [&app] { app.window<AddTableDialog>().run(); });
    app.onCommand(Cmd::EchangerPositions, [&app] { app.window<ExchangeDialog>().run(); });
    app.onCommand(Cmd::CorrigerNom, [&app] { correctName(app); });
}
