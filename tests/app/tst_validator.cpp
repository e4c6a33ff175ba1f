#include <QLineEdit>
#include <QtTest>

#include "validator.h"

class TestValidator : public QObject
{
    Q_OBJECT

private slots:
    void validate_data();
    void validate();
    void lineEditRefusesForbiddenInput();
};

void TestValidator::validate_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("acceptable");

    const QString digits = QStringLiteral("[^0-9]");
    const QString decimal = QStringLiteral("[^0-9.]");
    const QString hex = QStringLiteral("[^0-9A-F]");

    QTest::newRow("digits empty") << digits << QString() << true;
    QTest::newRow("digits year") << digits << "2016" << true;
    QTest::newRow("digits blank") << digits << "20 16" << false;
    QTest::newRow("digits minus") << digits << "-5" << false;
    QTest::newRow("digits full stop") << digits << "2.5" << false;
    QTest::newRow("digits letter at end") << digits << "123a" << false;

    QTest::newRow("decimal empty") << decimal << QString() << true;
    QTest::newRow("decimal gamma") << decimal << "2.20" << true;
    QTest::newRow("decimal two stops") << decimal << "..5" << true;
    QTest::newRow("decimal comma") << decimal << "2,20" << false;
    QTest::newRow("decimal exponent") << decimal << "1e3" << false;

    QTest::newRow("hex empty") << hex << QString() << true;
    QTest::newRow("hex upper") << hex << "0C03" << true;
    QTest::newRow("hex lower") << hex << "0c03" << false;
    QTest::newRow("hex prefix") << hex << "0x0C" << false;
    QTest::newRow("hex beyond F") << hex << "0G" << false;
    QTest::newRow("hex non-ascii digit") << hex << QString::fromUtf8("\xd9\xa3") << false;
}

void TestValidator::validate()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, acceptable);

    Validator validator(pattern);
    QString input = text;
    int pos = text.size() / 2;
    const QValidator::State state = validator.validate(input, pos);

    QCOMPARE(state, acceptable ? QValidator::Acceptable : QValidator::Invalid);
    QCOMPARE(input, text);
    QCOMPARE(pos, text.size() / 2);
}

void TestValidator::lineEditRefusesForbiddenInput()
{
    QLineEdit edit;
    Validator validator(QStringLiteral("[^0-9]"));
    edit.setValidator(&validator);

    QTest::keyClicks(&edit, "12");
    QCOMPARE(edit.text(), QStringLiteral("12"));
    QTest::keyClicks(&edit, "a-3");
    QCOMPARE(edit.text(), QStringLiteral("123"));

    // A paste that brings in a forbidden character is refused whole.
    edit.clear();
    edit.insert(QStringLiteral("4 5"));
    QCOMPARE(edit.text(), QString());
    QVERIFY(edit.hasAcceptableInput());
}

QTEST_MAIN(TestValidator)
#include "tst_validator.moc"
