#include "app/application.h"

#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tform18.h"
#include "incidents/incidentcommands.h"
#include "incidents/tbtnbottomdlg15.h"
#include "incidents/tbtnbottomdlg16.h"
#include "incidents/tbtnbottomdlg17.h"
#include "incidents/tbtnbottomdlg9.h"
#include "movements/movementcommands.h"
#include "movements/tbtnbottomdlg20.h"
#include "movements/tbtnbottomdlg7.h"
#include "movements/tbtnrightdlg.h"
#include "platform/platform.h"
#include "platform/qtplatform.h"
#include "players/playercommands.h"
#include "players/tbtnbottomdlg1.h"
#include "players/tbtnbottomdlg2.h"
#include "players/tbtnbottomdlg3.h"
#include "players/tbtnbottomdlg4.h"
#include "players/tchangenom.h"
#include "players/tform3.h"
#include "rankings/rankingcommands.h"
#include "rankings/tbtnbottomdlg14.h"
#include "rankings/tbtnrightdlg2.h"
#include "rounds/roundcommands.h"
#include "rounds/tbtnbottomdlg11.h"
#include "rounds/tbtnbottomdlg12.h"
#include "rounds/tbtnrightdlg1.h"
#include "store/storecommands.h"
#include "store/tbtnbottomdlg10.h"
#include "store/tbtnbottomdlg18b.h"

#include <QAction>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

template<class T>
T *Application::add()
{
    auto *window = new T(*this);
    window->hide();
    m_windows.append(window);
    return window;
}

Application::Application()
{
    m_main = new TForm1(*this);
    m_windows.append(m_main);
    // The creation order of the windows is fixed.
    add<TAboutBox>();
    add<TForm3>();
    add<TBtnBottomDlg2>();
    add<TBtnBottomDlg3>();
    add<TBtnBottomDlg16>();
    add<TBtnBottomDlg4>();
    add<TBtnBottomDlg7>();
    add<TBtnBottomDlg11>();
    add<TBtnRightDlg1>();
    add<TBtnRightDlg2>();
    add<TBtnBottomDlg14>();
    add<TBtnRightDlg>();
    add<TBtnBottomDlg9>();
    add<TBtnBottomDlg15>();
    add<TBtnBottomDlg17>();
    add<TBtnBottomDlg1>();
    add<TBtnBottomDlg18b>();
    add<TBtnBottomDlg20>();
    add<TBtnBottomDlg12>();
    add<Tchangenom>();
    add<TBtnBottomDlg10>();

    m_main->installCommands();
    installStoreCommands(*this);
    installPlayerCommands(*this);
    installMovementCommands(*this);
    installRoundCommands(*this);
    installIncidentCommands(*this);
    installRankingCommands(*this);
    syncMenus();
}

Application::~Application()
{
    delete m_main; // the other windows are its children
}

QWidget *Application::mainWindowWidget() const
{
    return m_main;
}

QAction *Application::action(Cmd cmd) const
{
    return m_main->action(cmd);
}

void Application::onCommand(Cmd cmd, std::function<void()> handler)
{
    QObject::connect(action(cmd), &QAction::triggered, m_main, [this, handler] {
        handler();
        syncMenus();
    });
}

void Application::syncMenus()
{
    for (const CommandInfo &info : commandTable()) {
        QAction *a = action(info.cmd);
        a->setEnabled(m_state.menus.isEnabled(info.cmd));
        a->setVisible(m_state.menus.isVisible(info.cmd));
    }
}

bool Application::report(const Outcome &outcome)
{
    if (!outcome.ok() && platform().messages)
        platform().messages->warning(QStringLiteral("Erreur de fichier"), outcome.error);
    return outcome.ok();
}

void Application::start()
{
    m_main->show();
}

int runVerlandis(int argc, char *argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Verlandis"));
    QApplication::setApplicationDisplayName(QStringLiteral("Verlandis"));
    // The installed desktop entry, for the desktop to show the right icon beside the windows.
    QApplication::setDesktopFileName(QStringLiteral("fr.verlandis.Verlandis"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Standard buttons read "Oui", "Non", "Annuler", "OK".
    QTranslator translator;
    if (translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || translator.load(QStringLiteral("qtbase_fr"), QCoreApplication::applicationDirPath()
                                                           + QStringLiteral("/translations")))
        QApplication::installTranslator(&translator);

    if (!platformInstalled())
        installQtPlatform();

    TForm18 splash;
    splash.hold();
    Application app;
    splash.hide();
    app.start();
    return qapp.exec();
}
