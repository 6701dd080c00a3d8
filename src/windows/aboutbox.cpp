#include "windows/aboutbox.h"

#include "platform/platform.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

QString AboutBox::emailAddress()
{
    return QStringLiteral("contact@verlandis.fr");
}

QString AboutBox::webAddress()
{
    return QStringLiteral("https://www.verlandis.fr");
}

AboutBox::AboutBox(Tournament &tournament, QWidget *parent)
    : Dialog(tournament, parent, QStringLiteral("TAboutBox"), QStringLiteral("A propos"), QStringLiteral("sommaire"))
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto *grid = new QGridLayout(panel);

    auto *icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setFixedSize(89, 81);
    icon->setScaledContents(true);
    icon->setPixmap(QPixmap(QStringLiteral(":/images/icon.png")));
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);

    auto *product = new QLabel(QStringLiteral("Verlandis"), panel);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    product->setFont(big);
    grid->addWidget(product, 0, 1);
    auto *version = new QLabel(QStringLiteral("V.2.69a (2005.10.07)"), panel);
    version->setObjectName(QStringLiteral("Version"));
    grid->addWidget(version, 1, 1);
    auto *comments = new QLabel(QStringLiteral("Logiciel de gestion de tournois de tarot en donnes libres."), panel);
    comments->setObjectName(QStringLiteral("Comments"));
    comments->setWordWrap(true);
    grid->addWidget(comments, 2, 1);

    m_mail = new QLabel(emailAddress(), panel);
    m_mail->setObjectName(QStringLiteral("EmailLink"));
    m_web = new QLabel(webAddress(), panel);
    m_web->setObjectName(QStringLiteral("WebLink"));
    for (QLabel *link : {m_mail, m_web}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
    grid->addWidget(m_mail, 3, 0, 1, 2);
    grid->addWidget(m_web, 4, 0, 1, 2);

    m_directory = new QLabel(panel);
    m_directory->setObjectName(QStringLiteral("WorkingDirectory"));
    m_directory->setWordWrap(true);
    m_directory->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont small = m_directory->font();
    small.setPointSize(qMax(6, small.pointSize() - 1));
    m_directory->setFont(small);
    grid->addWidget(m_directory, 5, 0, 1, 2);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    setMouseTracking(true);
    installEventFilter(this);
    panel->installEventFilter(this);
    highlight(nullptr);
    setMinimumSize(298, 219);
}

void AboutBox::activated()
{
    m_directory->setText(
        QStringLiteral("Fichiers de travail : %1").arg(QDir::toNativeSeparators(platform().files.directory())));
    highlight(nullptr);
}

void AboutBox::highlight(QLabel *hovered)
{
    for (QLabel *link : {m_mail, m_web})
        link->setStyleSheet(link == hovered ? QStringLiteral("color: blue; text-decoration: underline;")
                                            : QStringLiteral("color: purple; text-decoration: none;"));
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        highlight(watched == m_mail ? m_mail : watched == m_web ? m_web : nullptr);
    } else if (event->type() == QEvent::MouseButtonRelease && (watched == m_mail || watched == m_web)) {
        // The shell's default handler (mail client, browser); its failure is not reported.
        QDesktopServices::openUrl(QUrl(watched == m_mail ? QStringLiteral("MAILTO:") + emailAddress() : webAddress()));
        return true;
    }
    return Dialog::eventFilter(watched, event);
}
