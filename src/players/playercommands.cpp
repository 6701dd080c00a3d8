#include "players/playercommands.h"

#include "app/application.h"
#include "platform/platform.h"
#include "players/namecorrection.h"
#include "players/playerlist.h"
#include "players/seating.h"
#include "players/tbtnbottomdlg1.h"
#include "players/tbtnbottomdlg2.h"
#include "players/tbtnbottomdlg3.h"
#include "players/tbtnbottomdlg4.h"
#include "players/tchangenom.h"
#include "players/tform3.h"

namespace {

void printPlayerList(TournamentState &state)
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

void correctName(Application &app)
{
    const QString selected = app.window<TBtnBottomDlg4>().pick();
    if (selected.isEmpty())
        return;
    const QString edited = app.window<Tchangenom>().correct(selected);
    if (edited.isNull())
        return;
    if (platform().messages->show(QStringLiteral("Changement de nom"), correction::question(selected, edited),
                                  Messages::Icon::Warning,
                                  Messages::Yes | Messages::No | Messages::Cancel) != Messages::Yes)
        return;
    Application::report(correction::correctName(app.state(), selected, edited));
}

} // namespace

void installPlayerCommands(Application &app)
{
    TournamentState &state = app.state();
    app.onCommand(Cmd::Inscription, [&app] { app.window<TForm3>().run(); });
    app.onCommand(Cmd::AttribuerPositions, [&state] { Application::report(seating::attribuerPositions(state)); });
    app.onCommand(Cmd::AnnulerAttribution, [&state] { Application::report(seating::annulerAttribution(state)); });
    app.onCommand(Cmd::Visualisation, [&app] { app.window<TBtnBottomDlg4>().showList(); });
    app.onCommand(Cmd::ImpressionJoueurs, [&state] { printPlayerList(state); });
    app.onCommand(Cmd::CompleterTable, [&app] { app.window<TBtnBottomDlg1>().run(); });
    app.onCommand(Cmd::AjouterTable, [&app] { app.window<TBtnBottomDlg2>().run(); });
    app.onCommand(Cmd::EchangerPositions, [&app] { app.window<TBtnBottomDlg3>().run(); });
    app.onCommand(Cmd::CorrigerNom, [&app] { correctName(app); });
}
