#include "support/driving.h"

#include "players/registerwindow.h"
#include "store/newtournamentdialog.h"

#include <QAbstractButton>
#include <QKeyEvent>

DialogDriver::DialogDriver(QDialog &dialog, std::function<void()> steps) : m_dialog(dialog), m_steps(std::move(steps))
{
    m_poll.setInterval(5);
    QObject::connect(&m_poll, &QTimer::timeout, [this] { poll(); });
    m_poll.start();
}

void DialogDriver::poll()
{
    constexpr qint64 activationWait = 5000;
    if (!m_dialog.isVisible())
        return;
    if (!m_onScreen.isValid()) {
        m_onScreen.start();
        m_dialog.activateWindow();
    }
    if (QApplication::activeWindow() != &m_dialog && m_onScreen.elapsed() < activationWait)
        return;
    m_poll.stop();
    m_ran = true;
    m_steps();
    if (m_dialog.isVisible())
        m_dialog.reject(); // as the close box does
    if (m_dialog.isVisible())
        m_dialog.done(QDialog::Rejected); // even when the dialog refuses
}

bool drive(QDialog &dialog, const std::function<void()> &open, const std::function<void()> &steps)
{
    const DialogDriver driver(dialog, steps);
    open();
    return driver.ran();
}

void trigger(Application &app, const char *caption)
{
    QAction *action = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    if (!action)
        qFatal("no command %s", caption);
    action->trigger();
}

std::function<void()> choosing(Application &app, const char *caption)
{
    return [&app, caption] { choose(app, caption); };
}

std::function<void()> triggering(Application &app, const char *caption)
{
    return [&app, caption] { trigger(app, caption); };
}

std::function<void()> clicking(QWidget &window, const char *button)
{
    return [&window, button] { child<QAbstractButton>(window, button)->click(); };
}

void pressF1(QWidget &window)
{
    window.activateWindow();
    QTRY_VERIFY2(QApplication::activeWindow() == &window, qPrintable(window.objectName()));
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_F1);
}

void choose(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    QVERIFY2(a, caption);
    QVERIFY2(a->isEnabled() && a->isVisible(), caption);
    a->trigger();
}

bool usable(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    return a && a->isEnabled() && a->isVisible();
}

bool shown(Application &app, const char *caption)
{
    QAction *a = findAction(&app.mainWindow(), QString::fromUtf8(caption));
    return a && a->isVisible();
}

void click(QWidget &window, const char *button)
{
    QPushButton *b = child<QPushButton>(window, button);
    QVERIFY2(b->isEnabled(), button);
    b->click();
}

void type(QWidget &window, const char *edit, const QString &text)
{
    QLineEdit *line = child<QLineEdit>(window, edit);
    line->clear();
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(line, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(line, &press);
        QApplication::sendEvent(line, &release);
    }
}

void typeScores(QWidget &dialog, const QStringList &texts)
{
    for (const QString &text : texts) {
        QWidget *box = dialog.focusWidget();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
}

void doubleClickRow(QListWidget *list, int row)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList itemsOf(QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void newTournament(Application &app)
{
    app.mainWindow().firstActivation();
    auto &dialog = app.window<NewTournamentDialog>();
    drive(dialog, choosing(app, "Nouveau"), clicking(dialog, "OKBtn"));
}

void registerPlayers(Application &app, const QList<QPair<QString, QString>> &players)
{
    auto &form = app.window<RegisterWindow>();
    drive(form, choosing(app, "&Inscription"), [&] {
        for (const auto &[surname, firstName] : players) {
            type(form, "Edit1", surname);
            type(form, "Edit2", firstName);
            child<QPushButton>(form, "Button1")->click();
        }
        child<QPushButton>(form, "CloseBtn")->click();
    });
}

QList<QPair<QString, QString>> numberedPlayers(int n, const QString &prefix)
{
    QList<QPair<QString, QString>> players;
    for (int i = 1; i <= n; ++i)
        players.append({prefix + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("prenom")});
    return players;
}

void seatPlayers(Application &app, TestPlatform &p, int n)
{
    newTournament(app);
    registerPlayers(app, numberedPlayers(n));
    p.messages.answers = {Messages::Yes};
    choose(app, "&Attribuer les positions");
    p.messages.clear();
}
