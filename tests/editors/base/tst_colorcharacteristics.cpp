#include <QtTest>

#include "colorcharacteristics.h"
#include "testsupport.h"

using Row = QPair<QString, QString>;

class TestColorCharacteristics : public QObject
{
    Q_OBJECT

private slots:
    void everyCodeReadsBack();
    void codeTexts_data();
    void codeTexts();
    void showsLoadedImage();
    void edits_data();
    void edits();
    void unchangedFieldsKeepEveryCode();
    void newImage();

private:
    static const char *const fieldNames[8];
};

const char *const TestColorCharacteristics::fieldNames[8] = {
    "redXField", "redYField", "greenXField", "greenYField",
    "blueXField", "blueYField", "whiteXField", "whiteYField"};

void TestColorCharacteristics::everyCodeReadsBack()
{
    int fourDecimals = 0;
    for (int code = 0; code < 1024; ++code) {
        const QString text = ColorCharacteristics::codeToText(Word(code));
        bool good = false;
        QCOMPARE(ColorCharacteristics::textToCode(text, &good), code);
        QVERIFY(good);
        QVERIFY2(text.size() <= 6, qPrintable(text));
        if (text.size() == 6)
            ++fourDecimals;
    }
    // Three decimals cannot tell 1024 codes apart; only the few that need it get a fourth.
    QVERIFY(fourDecimals >= 24 && fourDecimals < 60);
}

void TestColorCharacteristics::codeTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "0.000";
    QTest::newRow("1") << 1 << "0.001";
    QTest::newRow("512") << 512 << "0.500";
    QTest::newRow("655") << 655 << "0.640";
    QTest::newRow("1023") << 1023 << "0.999";
    QTest::newRow("107 needs four decimals") << 107 << "0.1045";
    QTest::newRow("21 needs four decimals") << 21 << "0.0205";
    QTest::newRow("235 needs four decimals") << 235 << "0.2295";
}

void TestColorCharacteristics::codeTexts()
{
    QFETCH(int, code);
    QTEST(ColorCharacteristics::codeToText(Word(code)), "text");
}

void TestColorCharacteristics::showsLoadedImage()
{
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    // edid-decode: red 0.6386, 0.3339; green 0.3193, 0.5996; blue 0.1513, 0.0673; white 0.2929, 0.3105
    QCOMPARE(info.colors.redX, Word(654));
    ColorCharacteristics panel;
    panel.initFields(info.colors, images.reference, images.working);
    const QStringList expected = {"0.639", "0.334", "0.319", "0.600", "0.151", "0.067", "0.293", "0.311"};
    QStringList shown;
    for (const char *name : fieldNames)
        shown << child<QLineEdit>(&panel, name)->text();
    QCOMPARE(shown, expected);
    const StringInfo rows = panel.getStringInfo();
    QCOMPARE(rows.size(), 12);
    QCOMPARE(rows.at(0), Row("Red Chromaticity", "~"));
    QCOMPARE(rows.at(1), Row("Red X", "0.639"));
    QCOMPARE(rows.at(11), Row("White Y", "0.311"));
    QCOMPARE(ViewerPane::now().title, QString("Color Characteristics"));
    QVERIFY(images.changedBytes().isEmpty());
}

void TestColorCharacteristics::edits_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("refused");
    QTest::newRow("0.5") << 0 << "0.5" << "0.5" << 512 << false;
    QTest::newRow(".5") << 3 << ".5" << ".5" << 512 << false;
    QTest::newRow("0.640") << 4 << "0.640" << "0.640" << 655 << false;
    QTest::newRow("0.999") << 7 << "0.999" << "0.999" << 1023 << false;
    QTest::newRow("0.9999 never 1024") << 6 << "0.9999" << "0.9999" << 1023 << false;
    QTest::newRow("0") << 2 << "0" << "0" << 0 << false;
    QTest::newRow("1.2.3 reads 0") << 5 << "1.2.3" << "1.2.3" << 0 << false;
    QTest::newRow("1") << 1 << "1" << "0.000" << 0 << true;
    QTest::newRow("1.000") << 0 << "1.000" << "0.000" << 0 << true;
    QTest::newRow("empty") << 6 << "" << "0.000" << 0 << true;
}

void TestColorCharacteristics::edits()
{
    QFETCH(int, field);
    QFETCH(int, code);
    QFETCH(bool, refused);
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    ColorCharacteristics panel;
    panel.initFields(info.colors, images.reference, images.working);

    QLineEdit *edit = child<QLineEdit>(&panel, fieldNames[field]);
    ModalCloser boxes;
    QFETCH(QString, typed);
    typeAndReturn(edit, typed);
    QCOMPARE(boxes.titles, refused ? QStringList{"CEA extention warning"} : QStringList());
    QCOMPARE(boxes.texts, refused ? QStringList{"Display X, Y chromaticity must be in range of 0.000 to 0.999"}
                                  : QStringList());
    QTEST(edit->text(), "shown");

    // Expected bytes: the loaded codes with this one replaced, laid out by hand.
    Word codes[8] = {info.colors.redX, info.colors.redY, info.colors.greenX, info.colors.greenY,
                     info.colors.blueX, info.colors.blueY, info.colors.whiteX, info.colors.whiteY};
    codes[field] = Word(code);
    Byte expected[10];
    expected[0] = Byte((codes[0] & 3) << 6 | (codes[1] & 3) << 4 | (codes[2] & 3) << 2 | (codes[3] & 3));
    expected[1] = Byte((codes[4] & 3) << 6 | (codes[5] & 3) << 4 | (codes[6] & 3) << 2 | (codes[7] & 3));
    for (int i = 0; i < 8; ++i)
        expected[2 + i] = Byte(codes[i] >> 2);
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(images.working + 25), 10),
             QByteArray(reinterpret_cast<const char *>(expected), 10));
    for (int i : images.changedBytes())
        QVERIFY(i >= 25 && i <= 34);
    QVERIFY(images.checksumOk());
    QCOMPARE(ViewerPane::now().values.at(1 + 3 * (field / 2) + field % 2), edit->text());
}

void TestColorCharacteristics::unchangedFieldsKeepEveryCode()
{
    // Every code shown then finished untouched, and retyped as shown, stays the same.
    EdidImages images;
    _EDID_MANDATORY_INFO info;
    QVERIFY(images.loadDecoded("analog-1.3", &info));
    ColorCharacteristics panel;
    for (int code = 0; code < 1024; code += 8) {
        _EDID_COLOR_CHARACTERISTICS colours;
        Word *all[8] = {&colours.redX, &colours.redY, &colours.greenX, &colours.greenY,
                        &colours.blueX, &colours.blueY, &colours.whiteX, &colours.whiteY};
        for (int i = 0; i < 8; ++i)
            *all[i] = Word(code + i);
        panel.initFields(colours, images.reference, images.working);
        panel.updateColorCharacteristics();
        const QByteArray before(reinterpret_cast<const char *>(images.working), 128);
        for (int i = 0; i < 8; ++i) {
            QLineEdit *edit = child<QLineEdit>(&panel, fieldNames[i]);
            commitUnchanged(edit);
            typeAndReturn(edit, ColorCharacteristics::codeToText(Word(code + i)));
        }
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(images.working), 128), before);
    }
}

void TestColorCharacteristics::newImage()
{
    EdidImages images;
    std::memset(images.working + 25, 0x5A, 10);
    ColorCharacteristics panel;
    panel.resetFields(images.reference, images.working);
    for (const char *name : fieldNames)
        QCOMPARE(child<QLineEdit>(&panel, name)->text(), QString("0.000"));
    panel.updateColorCharacteristics();
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(images.working + 25), 10), QByteArray(10, '\0'));
    QVERIFY(images.checksumOk());
}

QTEST_MAIN(TestColorCharacteristics)
#include "tst_colorcharacteristics.moc"
