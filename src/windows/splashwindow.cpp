#include "windows/splashwindow.h"

#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTimer>

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(QStringLiteral(":/images/splash.png"))
{
    setObjectName(QStringLiteral("TForm18"));
    setFixedSize(408, 307);
    setCursor(Qt::CrossCursor);
}

void SplashWindow::hold(int milliseconds)
{
    if (const QScreen *s = screen()) {
        const QRect area = s->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    show();
    raise();
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGreen);
    painter.drawPixmap(0, 0, m_picture); // 512 x 384, clipped to the window
}
