#ifndef VALIDATOR_H
#define VALIDATOR_H

#include <QString>
#include <QValidator>

// Line-edit filter: refuses any text holding a character matched by the
// pattern (a negated character class such as "[^0-9]"). No range checks.
class Validator : public QValidator
{
public:
    explicit Validator(QString pattern);
    ~Validator() override;

    State validate(QString &input, int &pos) const override;

private:
    QString pattern;
};

#endif // VALIDATOR_H
