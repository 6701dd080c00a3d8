#pragma once

#include "players/entries.h"

#include <QLineEdit>
#include <QValidator>

// A surname edit: what is typed shows in upper case.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = entries::upperTyped(input);
        return Acceptable;
    }
};

inline QLineEdit *upperCaseEdit(QWidget *parent, const QString &objectName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    edit->setValidator(new UpperCaseValidator(edit));
    return edit;
}
