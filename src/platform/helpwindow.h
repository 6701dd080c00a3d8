#pragma once

#include "platform/help.h"

#include <QPointer>

class QTextBrowser;
class QWidget;

// The French help bundled in the program's resources, one page per keyword.
class HelpWindow : public Help
{
public:
    void show(const QString &keyword) override;

    // The page shown for a keyword; an unknown keyword gives a page that says so.
    static QString pageFor(const QString &keyword);
    QWidget *window() const;

private:
    void ensureWindow();
    QPointer<QWidget> m_window;
    QTextBrowser *m_browser = nullptr;
};
