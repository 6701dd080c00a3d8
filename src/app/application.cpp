#include "app/application.h"
#include "store/takeup.h"

#include "windows/aboutbox.h"
#include "app/mainwindow.h"
#include "windows/splashwindow.h"
#include "export/exportcommands.h"
#include "export/exportdialog.h"
#include "incidents/incidentcommands.h"
#include "incidents/penaltydialog.h"
#include "incidents/swapdialog.h"
#include "incidents/exclusiondialog.h"
#include "incidents/swapreminderdialog.h"
#include "movements/movementcommands.h"
#include "movements/positionsprintdialog.h"
#include "movements/positionsviewdialog.h"
#include "movements/movementsettingsdialog.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "players/playercommands.h"
#include "players/completetabledialog.h"
#include "players/addtabledialog.h"
#include "players/exchangedialog.h"
#include "players/importreportdialog.h"
#include "players/playerlistdialog.h"
#include "players/renamedialog.h"
#include "players/registerwindow.h"
#include "rankings/rankingcommands.h"
#include "rankings/generalrankingwindow.h"
#include "rankings/roundrankingwindow.h"
#include "rankings/roomdisplaywindow.h"
#include "live/livecommands.h"
#include "live/liveresultsdialog.h"
#include "season/seasoncommands.h"
#include "season/seasonwindow.h"
#include "rounds/roundcommands.h"
#include "rounds/previousrounddialog.h"
#include "rounds/cancelrounddialog.h"
#include "rounds/scoreentrydialog.h"
#include "store/storecommands.h"
#include "store/newtournament.h"
#include "store/newtournamentdialog.h"
#include "store/diagnosticdialog.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

template<class T, class... Args>
T *Application::add(Args &...args)
{
    auto *window = new T(m_state, args..., m_main);
    window->hide();
    m_windows.add(window);
    return window;
}

Application::Application()
{
    m_state.restore(startingData());
    m_main = new MainWindow(m_state, m_windows);
    // The creation order of the windows is fixed.
    add<AboutBox>();
    add<RegisterWindow>();
    add<AddTableDialog>();
    add<ExchangeDialog>();
    add<SwapDialog>();
    add<PlayerListDialog>();
    add<PositionsViewDialog>();
    add<PreviousRoundDialog>();
    add<ScoreEntryDialog>();
    add<RoundRankingWindow>();
    add<GeneralRankingWindow>();
    add<MovementSettingsDialog>();
    add<SwapReminderDialog>();
    add<PenaltyDialog>();
    add<ExclusionDialog>();
    add<CompleteTableDialog>();
    add<DiagnosticDialog>();
    add<PositionsPrintDialog>();
    add<CancelRoundDialog>();
    add<RenameDialog>();
    add<NewTournamentDialog>();
    add<ImportReportDialog>();
    add<ExportDialog>();
    add<SeasonWindow>(m_season);
    add<RoomDisplayWindow>();
    add<LiveResultsDialog>();

    m_main->installCommands();
    const Wiring &wiring = m_wiring.emplace(m_state, *m_main, m_windows);
    installStoreCommands(wiring);
    installPlayerCommands(wiring);
    installMovementCommands(wiring);
    installRoundCommands(wiring);
    installIncidentCommands(wiring);
    installRankingCommands(wiring);
    installExportCommands(wiring);
    installSeasonCommands(wiring);
    installLiveCommands(wiring);
    syncMenus();
}

Application::~Application()
{
    delete m_main; // the other windows are its children
}

QList<QWidget *> Application::windows() const
{
    return QList<QWidget *>{m_main} + m_windows.all();
}

QAction *Application::action(Cmd cmd) const
{
    return m_main->action(cmd);
}

void Application::syncMenus()
{
    m_main->syncMenus();
}

void Application::start()
{
    m_main->show();
}

int runVerlandis(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verlandis"));
    // No display name: the desktop would add it to every title, and the main window's already
    // begins with "Verlandis — ".
    // The installed desktop entry, for the desktop to show the right icon beside the windows.
    QApplication::setDesktopFileName(QStringLiteral("fr.verlandis.Verlandis"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Standard buttons read "Oui", "Non", "Annuler", "OK".
    QTranslator translator;
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        translator.load(QStringLiteral("qtbase_fr"),
                        QCoreApplication::applicationDirPath() + QStringLiteral("/translations")))
        QApplication::installTranslator(&translator);

    if (!platformInstalled())
        installQtPlatform();

    SplashWindow splash;
    splash.hold();
    Application app;
    splash.hide();
    app.start();
    return qapp.exec();
}
