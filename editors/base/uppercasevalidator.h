#ifndef UPPERCASEVALIDATOR_H
#define UPPERCASEVALIDATOR_H

#include <QString>
#include <QValidator>

// Line-edit filter of the fields that hold upper-case codes (manufacturer,
// hexadecimal fields): the text is turned to upper case, then refused when it
// holds a character matched by the pattern (a negated character class such
// as "[^A-Z]").
class UpperCaseValidator : public QValidator
{
public:
    explicit UpperCaseValidator(QString pattern);
    ~UpperCaseValidator() override;

    State validate(QString &input, int &pos) const override;

    // The filter of every hexadecimal field: digits 0-9 and A-F, lower-case
    // letters taken upper-cased. One instance, owned by the application object.
    static const QValidator *hexDigits();

private:
    QString pattern;
};

#endif // UPPERCASEVALIDATOR_H
