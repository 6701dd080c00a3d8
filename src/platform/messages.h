#pragma once

#include <QString>

// The system message box, always with a French title.
class Messages;

// What a rule has the director read or decide. Core never shows a box: it returns the prompt,
// the window or command that runs the rule shows it and calls the rule back with the answer.
struct Prompt;

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
    inline Button show(const Prompt &prompt);
};

struct Prompt
{
    QString title;
    QString text;
    Messages::Icon icon = Messages::Icon::Information;
    int buttons = Messages::Ok;

    static Prompt question(const QString &title, const QString &text) // Yes / No, question icon
    {
        return {title, text, Messages::Icon::Question, Messages::Yes | Messages::No};
    }
    static Prompt confirmation(const QString &title, const QString &text) // Yes / No, warning, No by default
    {
        return {title, text, Messages::Icon::Warning, Messages::Yes | Messages::No | Messages::NoByDefault};
    }
    static Prompt refusal(const QString &text) // "Impossible", OK
    {
        return {QStringLiteral("Impossible"), text, Messages::Icon::Warning, Messages::Ok};
    }
};

Messages::Button Messages::show(const Prompt &prompt)
{
    return show(prompt.title, prompt.text, prompt.icon, prompt.buttons);
}
