#pragma once

#include <QWidget>

// The splash window, shown 1.5 seconds while the program starts.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    SplashWindow();
    // Shows the splash and waits 1.5 s, the screen still redrawn meanwhile.
    void hold(int milliseconds = 1500);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
