#include "uppercasevalidator.h"

#include <QCoreApplication>
#include <QPointer>
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

const QValidator *UpperCaseValidator::hexDigits()
{
    static QPointer<UpperCaseValidator> validator;
    if (validator.isNull()) {
        validator = new UpperCaseValidator(QStringLiteral("[^0-9A-F]"));
        validator->setParent(QCoreApplication::instance());
    }
    return validator.data();
}
