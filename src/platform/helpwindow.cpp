#include "platform/helpwindow.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

QString HelpWindow::pageFor(const QString &keyword)
{
    QFile file(QStringLiteral(":/help/%1.html").arg(keyword.toLower()));
    if (file.open(QIODevice::ReadOnly))
        return QString::fromUtf8(file.readAll());
    return QStringLiteral("<html><body><h2>Rubrique introuvable</h2>"
                          "<p>L'aide ne contient pas de rubrique « %1 ».</p>"
                          "<p><a href=\"sommaire.html\">Retour au sommaire</a></p></body></html>")
        .arg(keyword.toHtmlEscaped());
}

void HelpWindow::ensureWindow()
{
    if (m_window)
        return;
    m_window = new QWidget(nullptr, Qt::Window);
    m_window->setObjectName(QStringLiteral("HelpWindow"));
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->setWindowTitle(QStringLiteral("Aide de Verlandis"));
    m_window->resize(640, 520);
    m_browser = new QTextBrowser(m_window);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
}

void HelpWindow::show(const QString &keyword)
{
    ensureWindow();
    m_browser->setHtml(pageFor(keyword));
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QWidget *HelpWindow::window() const
{
    return m_window;
}
