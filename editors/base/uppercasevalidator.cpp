#include "uppercasevalidator.h"

#include <QRegExp>

UpperCaseValidator::UpperCaseValidator(QString pattern)
    : QValidator(nullptr), pattern(std::move(pattern))
{
}

UpperCaseValidator::~UpperCaseValidator() = default;

QValidator::State UpperCaseValidator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    input = input.toUpper();
    const QRegExp forbidden(pattern);
    return input.indexOf(forbidden) != -1 ? Invalid : Acceptable;
}
