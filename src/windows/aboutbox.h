#pragma once

#include "windows/dialog.h"

class QLabel;

// "A propos": name, version, description, the two links and the working directory in use.
class AboutBox : public Dialog
{
    Q_OBJECT
public:
    AboutBox(Tournament &tournament, QWidget *parent);

    static QString emailAddress();
    static QString webAddress();

protected:
    void activated() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void highlight(QLabel *hovered);
    QLabel *m_mail = nullptr;
    QLabel *m_web = nullptr;
    QLabel *m_directory = nullptr;
};
