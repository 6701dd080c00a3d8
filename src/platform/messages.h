#pragma once

#include <QString>

// The system message box, always with a French title.
class Messages
{
public:
    enum class Icon { None, Question, Information, Warning };
    enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };
    // With the buttons: No is the default button (a question whose Yes destroys or replaces).
    static constexpr int NoByDefault = 0x100;

    virtual ~Messages() = default;
    // Shows the box and returns the button pressed (Cancel, or No, when the box is closed).
    virtual Button show(const QString &title, const QString &text, Icon icon, int buttons) = 0;

    // The usual shapes. Only Yes proceeds.
    bool question(const QString &title, const QString &text) // Yes / No, question icon
    {
        return show(title, text, Icon::Question, Yes | No) == Yes;
    }
    bool confirm(const QString &title, const QString &text) // Yes / No, exclamation icon, No by default
    {
        return show(title, text, Icon::Warning, Yes | No | NoByDefault) == Yes;
    }
    void information(const QString &title, const QString &text) { show(title, text, Icon::Information, Ok); }
    void warning(const QString &title, const QString &text) { show(title, text, Icon::Warning, Ok); }
};
