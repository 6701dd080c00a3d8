#include "app/mainwindow.h"

#include "app/windowset.h"
#include "store/takeup.h"
#include "tournament/tournament.h"
#include "windows/dialog.h"
#include "windows/aboutbox.h"
#include "platform/platform.h"
#include "rounds/scoreentrydialog.h"
#include "store/recovery.h"
#include "windows/eveningpanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Tiles the background picture, each row starting where the previous one overshot the width.
class Background : public QWidget
{
public:
    explicit Background(QWidget *parent) : QWidget(parent), m_tile(QStringLiteral(":/images/tile.png")) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
        if (m_tile.isNull())
            return;
        int x = 0;
        for (int y = 0; y < height(); y += m_tile.height()) {
            while (x < width()) {
                painter.drawPixmap(x, y, m_tile);
                x += m_tile.width();
            }
            x = width() - x;
        }
    }

private:
    QPixmap m_tile;
};

} // namespace

MainWindow::MainWindow(Tournament &tournament, const WindowSet &windows) : m_tournament(tournament), m_windows(windows)
{
    setObjectName(QStringLiteral("TForm1"));

    auto *background = new Background(this);
    background->setObjectName(QStringLiteral("background"));
    auto *layout = new QVBoxLayout(background);
    layout->setContentsMargins(0, 12, 0, 0);
    auto *title = new QLabel(QStringLiteral("Verlandis"), background);
    title->setObjectName(QStringLiteral("Label1"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(27);
    font.setBold(true);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: navy; background: transparent;"));
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    m_logo = new QLabel(background);
    m_logo->setObjectName(QStringLiteral("Image1"));
    m_logo->setFixedSize(130, 105);
    m_logo->setScaledContents(true);
    m_logo->setStyleSheet(QStringLiteral("background: transparent;"));
    m_logo->hide(); // until a logo.bmp is found: no empty space above the evening
    layout->addWidget(m_logo, 0, Qt::AlignHCenter);
    m_evening = new EveningPanel(m_tournament, background);
    m_evening->setMaximumWidth(640);
    auto *centre = new QHBoxLayout;
    centre->setContentsMargins(24, 0, 24, 0);
    // As wide as the window allows up to 640 pixels, centred beyond.
    centre->addStretch(1);
    centre->addWidget(m_evening, 100);
    centre->addStretch(1);
    layout->addSpacing(8);
    layout->addLayout(centre);
    layout->addStretch();
    setCentralWidget(background);
    connect(m_evening, &EveningPanel::tableClicked, this, &MainWindow::openScoreEntryAt);
    connect(m_evening, &EveningPanel::commandChosen, this, [this](Cmd cmd) {
        if (action(cmd)->isEnabled())
            action(cmd)->trigger();
    });
    m_tournament.listen(this, [this](Tournament::Changes what) {
        m_evening->refresh();
        if (what & (Tournament::File | Tournament::Modified))
            showTitle();
    });
    showTitle();

    buildMenus();
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    setMinimumSize(560, 520);
    resize(720, 640);
    bindF1(this, QStringLiteral("index"));
}

void MainWindow::showTitle()
{
    const QString file = m_tournament.tournamentFile();
    setWindowTitle(QStringLiteral("Verlandis — %1[*]")
                       .arg(file.isEmpty() ? QStringLiteral("Tournoi sans nom") : QFileInfo(file).fileName()));
    setWindowModified(m_tournament.modified());
}

void MainWindow::showStatus(const QString &text)
{
    statusBar()->showMessage(text, 6000);
}

// A tile of the round: that table's scores, whether missing or to be looked at again.
void MainWindow::openScoreEntryAt(int table)
{
    m_windows.get<ScoreEntryDialog>().openAtTable(table);
    syncMenus();
}

void MainWindow::buildMenus()
{
    std::array<QMenu *, commandCount> menus{};
    for (const CommandInfo &info : commandTable()) {
        const QString text = QString::fromUtf8(info.caption);
        if (info.parent == info.cmd) {
            QMenu *menu = menuBar()->addMenu(text);
            menus[size_t(info.cmd)] = menu;
            m_actions[size_t(info.cmd)] = menu->menuAction();
            continue;
        }
        QMenu *parent = menus[size_t(info.parent)];
        if (info.separatorBefore)
            parent->addSeparator();
        if (info.cmd == Cmd::DerniereMinute) {
            QMenu *sub = parent->addMenu(text);
            menus[size_t(info.cmd)] = sub;
            m_actions[size_t(info.cmd)] = sub->menuAction();
            continue;
        }
        QAction *added = parent->addAction(text);
        if (info.shortcut)
            added->setShortcut(QKeySequence(QString::fromLatin1(info.shortcut)));
        m_actions[size_t(info.cmd)] = added;
    }
}

void MainWindow::onCommand(Cmd cmd, std::function<void()> handler)
{
    connect(action(cmd), &QAction::triggered, this, [this, handler] {
        handler();
        syncMenus();
    });
}

void MainWindow::syncMenus()
{
    const MenuState menus = menuStates(m_tournament);
    for (const CommandInfo &info : commandTable()) {
        QAction *a = action(info.cmd);
        a->setEnabled(menus.isEnabled(info.cmd));
        a->setVisible(menus.isVisible(info.cmd));
    }
}

void MainWindow::installCommands()
{
    Tournament &state = m_tournament;
    onCommand(Cmd::Quitter, [this] { quit(); });
    onCommand(Cmd::OptionImpression, [this, &state] {
        QFontDialog dialog(QFont(state.printFont().family, state.printFont().size), this);
        dialog.setWindowTitle(QStringLiteral("Police d'impression"));
        dialog.setOption(QFontDialog::ScalableFonts, true);
        if (dialog.exec() == QDialog::Accepted) {
            const QFont chosen = dialog.selectedFont();
            state.setPrintFont({chosen.family(), qBound(10, chosen.pointSize(), 24)});
        }
    });
    onCommand(Cmd::ConfigurationImprimante, [] { platform().printing->configure(); });
    onCommand(Cmd::Aide, [] { openHelp(QStringLiteral("sommaire")); });
    onCommand(Cmd::APropos, [this] { m_windows.get<AboutBox>().exec(); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (const QScreen *screen = this->screen()) {
        const QRect area = screen->geometry();
        move((area.width() - frameGeometry().width()) / 2, (area.height() - frameGeometry().height()) / 2);
    }
    if (!m_tournament.started())
        QTimer::singleShot(0, this, [this] {
            if (!m_tournament.started())
                firstActivation();
        });
}

void MainWindow::firstActivation()
{
    Tournament &state = m_tournament;
    state.setStarted();
    Recovery recovery(state);
    while (const std::optional<Prompt> question = recovery.question()) {
        const bool yes = platform().messages->show(*question) == Messages::Yes;
        if (const std::optional<Prompt> report = recovery.answer(yes))
            platform().messages->show(*report);
    }
    report(recovery.finish());
    platform().random->seedFromClock();
    showLogo();
    syncMenus();
}

void MainWindow::showLogo()
{
    const QString logo = platform().files.path(QStringLiteral("logo.bmp"));
    if (platform().files.exists(QStringLiteral("logo.bmp"))) {
        m_logo->setPixmap(QPixmap(logo));
        m_logo->show();
    }
}

void MainWindow::quit()
{
    Tournament &state = m_tournament;
    if (state.modified()) {
        switch (
            platform().messages->show(QStringLiteral("Attention"),
                                      QStringLiteral("Vous n'avez pas sauvegardé le tournoi, voulez-vous le faire ?"),
                                      Messages::Icon::Question, Messages::Yes | Messages::No | Messages::Cancel)) {
        case Messages::Yes: action(Cmd::Enregistrer)->trigger(); return;
        case Messages::No: break;
        default: return; // "Annuler": the evening goes on
        }
    }
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A window open on work of its own not saved (the season) asks first, and may stay.
    for (QWidget *window : m_windows.all())
        if (auto *dialog = qobject_cast<Dialog *>(window); dialog && dialog->isVisible() && !dialog->mayClose()) {
            event->ignore();
            return;
        }
    // The working files stay as they are, for the recovery at the next start.
    event->accept();
    QApplication::quit();
}
