#include "export/exportcommands.h"

#include "app/wiring.h"
#include "export/exportdialog.h"
#include "export/exporting.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString filterOf(exporting::Format format)
{
    switch (format) {
    case exporting::Format::Csv: return QStringLiteral("Fichiers CSV (tableur)|*.csv");
    case exporting::Format::Html: return QStringLiteral("Pages web|*.html");
    case exporting::Format::Pdf: return QStringLiteral("Documents PDF|*.pdf");
    }
    return {};
}

// "Exporter": the list chosen, in its format, to the file chosen; nothing else changes.
void exportList(const Wiring &app)
{
    const Tournament &state = app.state();
    const QString title = QStringLiteral("Exporter");
    if (!exporting::available(state).players) {
        platform().messages->information(title,
                                         QStringLiteral("Aucun joueur n'est inscrit : il n'y a rien à exporter."));
        return;
    }
    const std::optional<exporting::Choice> choice = app.window<ExportDialog>().choose();
    if (!choice)
        return;
    const QString suffix = exporting::suffix(choice->format);
    const QString path = platform().fileDialogs->saveFile(
        title, filterOf(choice->format), suffix, exporting::documentName(state, *choice) + QLatin1Char('.') + suffix);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        !platform().messages->confirm(title,
                                      QStringLiteral("Le fichier « %1 » existe déjà.\r\nVoulez-vous le remplacer ?")
                                          .arg(QFileInfo(path).fileName())))
        return;
    if (!report(exporting::write(state, *choice, path)))
        return;
    const QString where = QDir::toNativeSeparators(path);
    switch (choice->list) {
    case exporting::List::Players:
        app.status(QStringLiteral("Liste des joueurs exportée dans « %1 »").arg(where));
        break;
    case exporting::List::Positions: app.status(QStringLiteral("Positions exportées dans « %1 »").arg(where)); break;
    case exporting::List::GeneralRanking:
    case exporting::List::RoundRanking: app.status(QStringLiteral("Classement exporté dans « %1 »").arg(where)); break;
    }
}

} // namespace

void installExportCommands(const Wiring &app)
{
    app.onCommand(Cmd::Exporter, [&app] { exportList(app); });
}
