#ifndef UPPERCASEVALIDATOR_H
#define UPPERCASEVALIDATOR_H

#include <QString>
#include <QValidator>

// Line-edit filter of the manufacturer and product code fields: the text is
// turned to upper case, then refused when it holds a character matched by the
// pattern (a negated character class such as "[^A-Z]").
class UpperCaseValidator : public QValidator
{
public:
    explicit UpperCaseValidator(QString pattern);
    ~UpperCaseValidator() override;

    State validate(QString &input, int &pos) const override;

private:
    QString pattern;
};

#endif // UPPERCASEVALIDATOR_H
