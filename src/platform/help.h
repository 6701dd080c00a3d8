#pragma once

#include <QString>

// Opens the help at a keyword; an unknown keyword is reported by the help window itself.
class Help
{
public:
    virtual ~Help() = default;
    virtual void show(const QString &keyword) = 0;
};
