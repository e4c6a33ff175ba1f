#include <QCheckBox>
#include <QtTest>

#include "edidwriter.h"
#include "testsupport.h"
#include "uppercasevalidator.h"
#include "vendorproductid.h"

using Row = QPair<QString, QString>;

class TestVendorProductID : public QObject
{
    Q_OBJECT

private slots:
    void upperCaseValidator_data();
    void upperCaseValidator();
    void showsLoadedImage();
    void edit_data();
    void edit();
    void unchangedFieldWritesNothing_data();
    void unchangedFieldWritesNothing();
    void modelYear();
    void newImageDefaults();
};

void TestVendorProductID::upperCaseValidator_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("letters upper-cased") << "[^A-Z]" << "abc" << "ABC" << true;
    QTest::newRow("digit refused") << "[^A-Z]" << "A1" << "A1" << false;
    QTest::newRow("hex upper-cased") << "[^0-9A-F]" << "00ff" << "00FF" << true;
    QTest::newRow("not hex") << "[^0-9A-F]" << "0g" << "0G" << false;
    QTest::newRow("empty") << "[^A-Z]" << "" << "" << true;
}

void TestVendorProductID::upperCaseValidator()
{
    QFETCH(QString, pattern);
    QFETCH(QString, input);
    UpperCaseValidator validator(pattern);
    int pos = 0;
    const QValidator::State state = validator.validate(input, pos);
    QTEST(input, "shown");
    QTEST(state == QValidator::Acceptable, "acceptable");
}

void TestVendorProductID::showsLoadedImage()
{
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    VendorProductID panel;
    panel.initFields(info.vendor, images.reference, images.working);
    panel.adaptToEDIDVersion(3);

    QCOMPARE(child<QLineEdit>(&panel, "manufIDField")->text(), QString("AGS"));
    QCOMPARE(child<QLineEdit>(&panel, "productIDField")->text(), QString("3200"));
    QCOMPARE(child<QLineEdit>(&panel, "serialNumberField")->text(), QString("1"));
    QCOMPARE(child<QLineEdit>(&panel, "weekField")->text(), QString("23"));
    QCOMPARE(child<QLineEdit>(&panel, "yearField")->text(), QString("2016"));
    QVERIFY(!child<QCheckBox>(&panel, "modelYearCB")->isEnabled());
    const StringInfo expected = {Row("Manufacturer ID", "AGS"), Row("Product Code ID", "3200"),
                                 Row("Serial Number", "1"), Row("Week of Manufacture", "23"),
                                 Row("Year of Manufacture", "2016")};
    QCOMPARE(panel.getStringInfo(), expected);
    QVERIFY(images.changedBytes().isEmpty());
}

void TestVendorProductID::edit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // empty: no box

    QTest::newRow("lower-case letters") << "manufIDField" << "abc" << "ABC" << 8 << QByteArray("\x04\x43", 2) << "";
    QTest::newRow("two letters") << "manufIDField" << "AB" << "AAA" << 8 << QByteArray("\x04\x21", 2)
                                 << "Manufacturer ID must have 3 upper cased characters";
    QTest::newRow("ZZZ") << "manufIDField" << "ZZZ" << "ZZZ" << 8 << QByteArray("\x6B\x5A", 2) << "";
    QTest::newRow("product lower-case") << "productIDField" << "1a2b" << "1A2B" << 10 << QByteArray("\x2B\x1A", 2) << "";
    QTest::newRow("product three digits") << "productIDField" << "123" << "0000" << 10 << QByteArray("\x00\x00", 2)
                                          << "Product ID must have 4 hexadecimal characters";
    QTest::newRow("serial max") << "serialNumberField" << "4294967295" << "4294967295" << 12
                                << QByteArray("\xFF\xFF\xFF\xFF", 4) << "";
    QTest::newRow("serial above 32 bits") << "serialNumberField" << "4294967296" << "0" << 12
                                          << QByteArray("\x00\x00\x00\x00", 4)
                                          << "Serial Number must be between 0 and 4294967295";
    QTest::newRow("serial ten digits") << "serialNumberField" << "9999999999" << "0" << 12
                                       << QByteArray("\x00\x00\x00\x00", 4)
                                       << "Serial Number must be between 0 and 4294967295";
    QTest::newRow("serial empty") << "serialNumberField" << "" << "0" << 12 << QByteArray("\x00\x00\x00\x00", 4) << "";
    QTest::newRow("serial 258") << "serialNumberField" << "258" << "258" << 12 << QByteArray("\x02\x01\x00\x00", 4) << "";
    QTest::newRow("week 0") << "weekField" << "0" << "1" << 16 << QByteArray("\x01", 1)
                            << "Week Number must be between 1 and 54";
    QTest::newRow("week empty") << "weekField" << "" << "1" << 16 << QByteArray("\x01", 1)
                                << "Week Number must be between 1 and 54";
    QTest::newRow("week 54") << "weekField" << "54" << "54" << 16 << QByteArray("\x36", 1) << "";
    QTest::newRow("week 55") << "weekField" << "55" << "1" << 16 << QByteArray("\x01", 1)
                             << "Week Number must be between 1 and 54";
    QTest::newRow("year 1990") << "yearField" << "1990" << "1990" << 17 << QByteArray("\x00", 1) << "";
    QTest::newRow("year 2245") << "yearField" << "2245" << "2245" << 17 << QByteArray("\xFF", 1) << "";
    QTest::newRow("year 1989") << "yearField" << "1989" << "1990" << 17 << QByteArray("\x00", 1)
                               << "Year must be between 1990 and 2245";
    QTest::newRow("year 2246") << "yearField" << "2246" << "1990" << 17 << QByteArray("\x00", 1)
                               << "Year must be between 1990 and 2245";
}

void TestVendorProductID::edit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, first);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    VendorProductID panel;
    panel.initFields(info.vendor, images.reference, images.working);

    QLineEdit *edit = child<QLineEdit>(&panel, field);
    ModalCloser boxes;
    typeAndReturn(edit, typed);

    if (message.isEmpty()) {
        QVERIFY(boxes.titles.isEmpty());
    } else {
        QCOMPARE(boxes.titles, QStringList{"Format Error"});
        QCOMPARE(boxes.texts, QStringList{message});
    }
    QCOMPARE(edit->text(), shown);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(images.working + first), bytes.size()), bytes);
    for (int i : images.changedBytes())
        QVERIFY2(i >= first && i < first + bytes.size(), qPrintable(QString("byte %1 changed").arg(i)));
    QVERIFY(images.checksumOk());
}

void TestVendorProductID::unchangedFieldWritesNothing_data()
{
    // Week 0 (not specified) and a week above 99 survive finishing every field untouched.
    QTest::addColumn<int>("loadedWeek");
    QTest::newRow("week 0") << 0;
    QTest::newRow("week 123") << 123;
}

void TestVendorProductID::unchangedFieldWritesNothing()
{
    QFETCH(int, loadedWeek);
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info, {{16, Byte(loadedWeek)}}));

    VendorProductID panel;
    panel.initFields(info.vendor, images.reference, images.working);
    ModalCloser boxes;
    for (const char *name : {"manufIDField", "productIDField", "serialNumberField", "weekField", "yearField"})
        commitUnchanged(child<QLineEdit>(&panel, name));
    QVERIFY(boxes.titles.isEmpty());
    QVERIFY(images.changedBytes().isEmpty());
    QCOMPARE(images.working[127], images.reference[127]);

    // Another field's edit keeps the loaded week.
    typeAndReturn(child<QLineEdit>(&panel, "yearField"), "2020");
    QCOMPARE(images.working[16], Byte(loadedWeek));
    QCOMPARE(images.working[17], Byte(30));
}

void TestVendorProductID::modelYear()
{
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("displayport-1.4", &info));
    VendorProductID panel;
    panel.initFields(info.vendor, images.reference, images.working);
    panel.adaptToEDIDVersion(4);
    auto *box = child<QCheckBox>(&panel, "modelYearCB");
    QLineEdit *week = child<QLineEdit>(&panel, "weekField");
    QVERIFY(box->isEnabled());

    box->click();
    QCOMPARE(images.working[16], Byte(255));
    QVERIFY(!week->isEnabled());
    QCOMPARE(week->text(), QString("1"));
    QVERIFY(panel.getStringInfo().contains(Row("Model Year", "YES")));
    QVERIFY(images.checksumOk());

    // Revision 3 disables the box but keeps the model year.
    panel.adaptToEDIDVersion(3);
    QVERIFY(!box->isEnabled());
    QVERIFY(box->isChecked());
    typeAndReturn(child<QLineEdit>(&panel, "yearField"), "2001");
    QCOMPARE(images.working[16], Byte(255));

    panel.adaptToEDIDVersion(4);
    box->click();
    QCOMPARE(images.working[16], Byte(1));
    QVERIFY(week->isEnabled());
    QCOMPARE(panel.getStringInfo().at(3), Row("Week of Manufacture", "1"));

    // An image with a model year checks the box; the next image with a week clears it.
    EdidImages modelYearImage;
    QVERIFY(modelYearImage.loadDecoded("displayport-1.4", &info, {{16, 255}}));
    panel.initFields(info.vendor, modelYearImage.reference, modelYearImage.working);
    QVERIFY(box->isChecked());
    QVERIFY(modelYearImage.changedBytes().isEmpty());
    QVERIFY(modelYearImage.checksumOk());

    EdidImages weekImage;
    QVERIFY(weekImage.loadDecoded("displayport-1.4", &info));
    panel.initFields(info.vendor, weekImage.reference, weekImage.working);
    QVERIFY(!box->isChecked());
    QVERIFY(week->isEnabled());
    QCOMPARE(week->text(), QString("11"));
    QVERIFY(weekImage.changedBytes().isEmpty());
}

void TestVendorProductID::newImageDefaults()
{
    EdidImages images;
    VendorProductID panel;
    panel.resetFields(images.reference, images.working);
    panel.updateVendorProductID();
    const Byte expected[] = {0x04, 0x21, 0, 0, 0, 0, 0, 0, 1, 0};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(images.working + 8), 10),
             QByteArray(reinterpret_cast<const char *>(expected), 10));
    QVERIFY(images.checksumOk());
}

QTEST_MAIN(TestVendorProductID)
#include "tst_vendorproductid.moc"
