#include "app/tform18.h"

#include <QEventLoop>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TForm18::TForm18()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(QStringLiteral(":/images/splash.png"))
{
    setObjectName(QStringLiteral("TForm18"));
    setFixedSize(408, 307);
    setCursor(Qt::CrossCursor);
}

void TForm18::hold(int milliseconds)
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

void TForm18::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGreen);
    painter.drawPixmap(0, 0, m_picture); // 512 x 384, clipped to the window
}
