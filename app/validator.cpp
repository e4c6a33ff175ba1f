#include "validator.h"

#include <QRegExp>

#include <utility>

Validator::Validator(QString pattern)
    : QValidator(nullptr), pattern(std::move(pattern))
{
}

Validator::~Validator() = default;

QValidator::State Validator::validate(QString &input, int &pos) const
{
    Q_UNUSED(pos)
    const QRegExp forbidden(pattern);
    return input.indexOf(forbidden) != -1 ? Invalid : Acceptable;
}
