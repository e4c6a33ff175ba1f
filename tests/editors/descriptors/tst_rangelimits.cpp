#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>

#include "testsupport.h"
#include "displayrangelimits.h"

namespace {

// Range limits with a secondary GTF curve: start 40 kHz (byte 0x14), C x 2 = 80,
// M = 600, K = 128, J x 2 = 40.
const char *const kSecondaryGTF = "00 00 00 FD 00 32 4B 1E 53 11 02 00 14 50 58 02 80 28";
// CVT 1.1, 1920 active pixels, all ratios supported, 16:9 preferred, both
// blankings, all scalings, 60 Hz preferred.
const char *const kCVT = "00 00 00 FD 00 32 4B 1E 53 11 04 11 00 F0 F8 38 F0 3C";

struct Editor
{
    DisplayRangeLimits editor;
    EdidImages image;
    int slot = 0;

    QLineEdit *field(const char *name) { return child<QLineEdit>(&editor, name); }
    QComboBox *kinds() { return child<QComboBox>(&editor, "videoTimingMulti"); }

    void load(int at)
    {
        slot = at;
        editor.resetFields(image.reference, image.working, slot);
        editor.initFields(image.decode(slot), image.reference, image.working, slot);
        editor.adaptToEDIDVersion(image.working[19] == 4 ? 4 : 3);
    }
    unsigned char byte(int n) const { return image.working[54 + 18 * slot + n]; }
};

} // namespace

class TestRangeLimits : public QObject
{
    Q_OBJECT

private slots:
    void realDescriptorShownAndWrittenBack_data();
    void realDescriptorShownAndWrittenBack();
    void editGivesBytes_data();
    void editGivesBytes();
    void refusedEntry_data();
    void refusedEntry();
    void untypedFieldsKeepLoadedValues();
    void ratesAbove255UseOffsetsAtRevision4();
    void minimumAbove255NeedsOffsetMaximum();
    void revision3AcceptsRatesUpTo255();
    void kindChoiceWritesItsGroup();
    void switchingKindKeepsGroupValues();
    void revisionAdaptation();
    void descriptionRows();
};

void TestRangeLimits::realDescriptorShownAndWrittenBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("revision");
    QTest::addColumn<QByteArray>("fixture");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("rates");
    QTest::addColumn<int>("kind");

    QTest::newRow("default GTF, 1.3") << "analog-1.3.bin" << 0 << QByteArray() << 2
        << QStringList{"55", "76", "31", "68", "150"} << 0;
    QTest::newRow("range limits only, 1.4") << "cea-full-no-padding.bin" << 0 << QByteArray() << 3
        << QStringList{"48", "146", "230", "230", "600"} << 2;
    QTest::newRow("rates of 255, 1.4") << "reserved-cea-tags.bin" << 0 << QByteArray() << 2
        << QStringList{"50", "241", "255", "255", "700"} << 2;
    // A real 1.3 image whose byte 4 carries the +255 maximum horizontal rate
    // offset, read as the revision-4 image it is meant to be.
    QTest::newRow("rate offsets, 1.4") << "range-limit-offsets.bin" << 4 << QByteArray() << 2
        << QStringList{"24", "240", "30", "291", "600"} << 2;
    QTest::newRow("secondary GTF") << "" << 3 << hexBytes(kSecondaryGTF) << 1
        << QStringList{"50", "75", "30", "83", "170"} << 1;
    QTest::newRow("CVT support") << "" << 4 << hexBytes(kCVT) << 1
        << QStringList{"50", "75", "30", "83", "170"} << 3;
}

void TestRangeLimits::realDescriptorShownAndWrittenBack()
{
    QFETCH(QString, file);
    QFETCH(int, revision);
    QFETCH(QByteArray, fixture);
    QFETCH(int, slot);
    QFETCH(QStringList, rates);
    QFETCH(int, kind);

    Editor e;
    if (fixture.isEmpty())
        QVERIFY(e.image.load(file, revision));
    else
        e.image.build(revision, slot, fixture);
    e.load(slot);

    const char *names[] = {"minVRateField", "maxVRateField", "minHRateField", "maxHRateField", "maxPixClockField"};
    QStringList shown;
    for (const char *name : names)
        shown << e.field(name)->text();
    QCOMPARE(shown, rates);
    QCOMPARE(e.kinds()->currentIndex(), kind);
    QCOMPARE(child<QGroupBox>(&e.editor, "gtfGB")->isHidden(), kind != 1);
    QCOMPARE(child<QGroupBox>(&e.editor, "cvtSupportGB")->isHidden(), kind != 3);
    if (kind == 1)
        QCOMPARE(e.field("startFreqField")->text(), QStringLiteral("40"));
    if (kind == 3) {
        QCOMPARE(e.field("maxActivePixField")->text(), QStringLiteral("1920"));
        QVERIFY(child<QRadioButton>(&e.editor, "pref169ARRB")->isChecked());
    }

    e.editor.updateRangeLimits();
    QCOMPARE(e.image.slot(slot).toHex(' '), e.image.referenceSlot(slot).toHex(' '));
    QVERIFY(!e.image.changedOutsideSlot(slot));
    QVERIFY(e.image.checksumOk());
}

void TestRangeLimits::editGivesBytes_data()
{
    QTest::addColumn<QByteArray>("fixture");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("expected");   // descriptor bytes 4 to 17

    const QByteArray gtf = hexBytes(kSecondaryGTF);
    const QByteArray cvt = hexBytes(kCVT);
    QTest::newRow("pixel clock 1650") << cvt << "maxPixClockField" << "1650"
        << hexBytes("00 32 4B 1E 53 A5 04 11 00 F0 F8 38 F0 3C");
    QTest::newRow("max active 8184") << cvt << "maxActivePixField" << "8184"
        << hexBytes("00 32 4B 1E 53 11 04 11 03 FF F8 38 F0 3C");
    QTest::newRow("preferred refresh 75") << cvt << "prefVRateField" << "75"
        << hexBytes("00 32 4B 1E 53 11 04 11 00 F0 F8 38 F0 4B");
    QTest::newRow("pixel clock precision 63") << cvt << "pixClockPrecField" << "63"
        << hexBytes("00 32 4B 1E 53 11 04 11 FC F0 F8 38 F0 3C");
    // The start break frequency byte counts units of 2 kHz.
    QTest::newRow("start frequency 60 kHz") << gtf << "startFreqField" << "60"
        << hexBytes("00 32 4B 1E 53 11 02 00 1E 50 58 02 80 28");
    QTest::newRow("M 65535") << gtf << "mField" << "65535"
        << hexBytes("00 32 4B 1E 53 11 02 00 14 50 FF FF 80 28");
    QTest::newRow("min above max kept") << gtf << "minVRateField" << "90"
        << hexBytes("00 5A 4B 1E 53 11 02 00 14 50 58 02 80 28");
}

void TestRangeLimits::editGivesBytes()
{
    QFETCH(QByteArray, fixture);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, expected);

    Editor e;
    e.image.build(4, 2, fixture);
    e.load(2);
    typeAndReturn(e.field(field.toLatin1().constData()), typed);
    QCOMPARE(e.image.slot(2).mid(4).toHex(' '), expected.toHex(' '));
    QVERIFY(e.image.checksumOk());
}

void TestRangeLimits::refusedEntry_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");

    QTest::newRow("pixel clock step") << "maxPixClockField" << "2555"
        << "Maximum Pixel Clock must be in range of 0 to 2550 MHz in increments of 10 MHz" << "0" << 9 << 0;
    // The maximum of this fixture is below 256, so the minimum cannot use an offset.
    QTest::newRow("empty min V") << "minVRateField" << ""
        << "Minimum Vertical Rate must be in range of 0 to 255 Hz" << "0" << 5 << 0;
    QTest::newRow("max H") << "maxHRateField" << "511"
        << "Maximum Horizontal Rate must be in range of 0 to 510 kHz" << "0" << 8 << 0;
    QTest::newRow("max active step") << "maxActivePixField" << "1921"
        << "Maximum Active Pixels must be in range of 0 to 8184 in increments of 8" << "0" << 13 << 0;
    QTest::newRow("empty refresh") << "prefVRateField" << ""
        << "Preferred Vertical Refresh Rate must be in range of 1 to 255" << "1" << 17 << 1;
    QTest::newRow("precision") << "pixClockPrecField" << "64"
        << "Pixel Clock Precision must be in range of 0 to 63" << "0" << 12 << 0;
}

void TestRangeLimits::refusedEntry()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, fallback);
    QFETCH(int, byte);
    QFETCH(int, value);

    Editor e;
    e.image.build(4, 1, hexBytes(kCVT));
    e.load(1);
    ModalCloser boxes;
    typeAndReturn(e.field(field.toLatin1().constData()), typed);
    QCOMPARE(boxes.titles, QStringList{"Format error"});
    QCOMPARE(boxes.texts, QStringList{text});
    QCOMPARE(e.field(field.toLatin1().constData())->text(), fallback);
    QCOMPARE(int(e.byte(byte)), value);
    QVERIFY(e.image.checksumOk());
}

// A loaded value that no entry could give (a preferred rate of 0) stays while
// the user finishes its field, or any other, without typing.
void TestRangeLimits::untypedFieldsKeepLoadedValues()
{
    QByteArray fixture = hexBytes(kCVT);
    fixture[17] = 0x00;
    Editor e;
    e.image.build(4, 1, fixture);
    e.load(1);
    ModalCloser boxes;
    for (QLineEdit *field : e.editor.findChildren<QLineEdit *>()) {
        if (!field->isVisibleTo(&e.editor) || field->isReadOnly())
            continue;
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    }
    QVERIFY(boxes.titles.isEmpty());
    QCOMPARE(e.field("prefVRateField")->text(), QStringLiteral("0"));
    QCOMPARE(e.image.slot(1).toHex(' '), fixture.toHex(' '));

    // Typed, the value is checked as usual.
    typeAndReturn(e.field("prefVRateField"), QStringLiteral("75"));
    QCOMPARE(int(e.byte(17)), 75);
}

void TestRangeLimits::ratesAbove255UseOffsetsAtRevision4()
{
    Editor e;
    e.image.build(4, 1, hexBytes(kSecondaryGTF));
    e.load(1);
    typeAndReturn(e.field("maxVRateField"), QStringLiteral("400"));
    typeAndReturn(e.field("minVRateField"), QStringLiteral("300"));
    typeAndReturn(e.field("maxHRateField"), QStringLiteral("510"));
    QCOMPARE(e.image.slot(1).mid(4, 5).toHex(' '), hexBytes("0B 2D 91 1E FF").toHex(' '));

    // Read back, the image gives the rates typed.
    const _EDID_RANGE_LIMITS back = e.image.decode(1).rangeLimits;
    QCOMPARE(int(back.minVRate), 300);
    QCOMPARE(int(back.maxVRate), 400);
    QCOMPARE(int(back.maxHRate), 510);
}

void TestRangeLimits::minimumAbove255NeedsOffsetMaximum()
{
    // Byte 4 offsets the maximum alone or both rates, never the minimum alone.
    Editor e;
    e.image.build(4, 1, hexBytes(kSecondaryGTF));
    e.load(1);
    ModalCloser boxes;
    typeAndReturn(e.field("minVRateField"), QStringLiteral("300"));
    QCOMPARE(boxes.texts, QStringList{"Minimum Vertical Rate must be in range of 0 to 255 Hz"});
    QCOMPARE(e.image.slot(1).mid(4, 3).toHex(' '), hexBytes("00 00 4B").toHex(' '));

    typeAndReturn(e.field("maxVRateField"), QStringLiteral("400"));
    typeAndReturn(e.field("minVRateField"), QStringLiteral("300"));
    QCOMPARE(e.image.slot(1).mid(4, 3).toHex(' '), hexBytes("03 2D 91").toHex(' '));

    // Lowering the maximum below 256 would lose the minimum's offset.
    boxes.texts.clear();
    typeAndReturn(e.field("maxVRateField"), QStringLiteral("200"));
    QCOMPARE(boxes.texts, QStringList{"Maximum Vertical Rate must be in range of 256 to 510 Hz"});
    QCOMPARE(e.field("maxVRateField")->text(), QStringLiteral("256"));
    const _EDID_RANGE_LIMITS back = e.image.decode(1).rangeLimits;
    QCOMPARE(int(back.minVRate), 300);
    QCOMPARE(int(back.maxVRate), 256);
    QVERIFY(e.image.checksumOk());
}

void TestRangeLimits::revision3AcceptsRatesUpTo255()
{
    Editor e;
    QVERIFY(e.image.load(QStringLiteral("analog-1.3.bin")));
    e.load(2);
    ModalCloser boxes;
    typeAndReturn(e.field("maxVRateField"), QStringLiteral("300"));
    QCOMPARE(boxes.texts, QStringList{"Maximum Vertical Rate must be in range of 0 to 255 Hz"});
    QCOMPARE(int(e.byte(6)), 0);
    typeAndReturn(e.field("maxVRateField"), QStringLiteral("255"));
    QCOMPARE(int(e.byte(6)), 255);
    QCOMPARE(int(e.byte(4)), 0);

    // Switching a revision-4 editor holding 300 Hz down to revision 3 keeps
    // the rate within what a byte holds.
    Editor f;
    f.image.build(4, 1, hexBytes(kSecondaryGTF));
    f.load(1);
    typeAndReturn(f.field("maxVRateField"), QStringLiteral("300"));
    f.editor.adaptToEDIDVersion(3);
    QCOMPARE(f.field("maxVRateField")->text(), QStringLiteral("255"));
}

void TestRangeLimits::kindChoiceWritesItsGroup()
{
    Editor e;
    e.image.build(4, 1, hexBytes(kSecondaryGTF));
    e.editor.resetFields(e.image.reference, e.image.working, 1);
    e.slot = 1;

    pick(e.kinds(), 3);
    QCOMPARE(e.image.slot(1).mid(10).toHex(' '), hexBytes("04 10 00 00 00 00 00 01").toHex(' '));
    QVERIFY(!child<QGroupBox>(&e.editor, "cvtSupportGB")->isHidden());
    pick(e.kinds(), 0);
    QCOMPARE(e.image.slot(1).mid(10).toHex(' '), hexBytes("00 0A 20 20 20 20 20 20").toHex(' '));
    pick(e.kinds(), 2);
    QCOMPARE(e.image.slot(1).mid(10).toHex(' '), hexBytes("01 0A 20 20 20 20 20 20").toHex(' '));
    QVERIFY(child<QGroupBox>(&e.editor, "cvtSupportGB")->isHidden());
    QVERIFY(child<QGroupBox>(&e.editor, "gtfGB")->isHidden());
    QCOMPARE(e.image.slot(1).left(10).toHex(' '), hexBytes("00 00 00 FD 00 00 00 00 00 00").toHex(' '));
}

void TestRangeLimits::switchingKindKeepsGroupValues()
{
    Editor e;
    e.image.build(4, 1, hexBytes(kCVT));
    e.load(1);
    pick(e.kinds(), 1);
    QCOMPARE(e.image.slot(1).mid(10).toHex(' '), hexBytes("02 00 00 00 00 00 00 00").toHex(' '));
    pick(e.kinds(), 3);
    QCOMPARE(e.image.slot(1).toHex(' '), hexBytes(kCVT).toHex(' '));

    // A click on a check box writes its bit.
    child<QCheckBox>(&e.editor, "vStretchCB")->click();
    QCOMPARE(int(e.byte(16)), 0xE0);
    child<QRadioButton>(&e.editor, "pref54ARRB")->click();
    QCOMPARE(int(e.byte(15)), 0x78);
}

void TestRangeLimits::revisionAdaptation()
{
    Editor e;
    e.image.build(4, 1, hexBytes(kCVT));
    e.load(1);
    QCOMPARE(e.kinds()->count(), 4);

    e.editor.adaptToEDIDVersion(3);
    QCOMPARE(e.kinds()->count(), 2);
    QCOMPARE(e.kinds()->currentIndex(), 0);
    QVERIFY(child<QGroupBox>(&e.editor, "cvtSupportGB")->isHidden());
    QCOMPARE(e.field("maxActivePixField")->text(), QStringLiteral("0"));
    QCOMPARE(e.image.slot(1), e.image.referenceSlot(1));   // nothing written

    e.editor.adaptToEDIDVersion(4);
    e.editor.adaptToEDIDVersion(4);
    QCOMPARE(e.kinds()->count(), 4);
    QCOMPARE(e.kinds()->itemText(3), QStringLiteral("CVT Support (1.4)"));
}

void TestRangeLimits::descriptionRows()
{
    Editor e;
    QVERIFY(e.image.load(QStringLiteral("analog-1.3.bin")));
    e.load(2);
    StringInfo rows = e.editor.getStringInfo();
    QCOMPARE(rows.size(), 7);
    QCOMPARE(rows.first(), qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Range Limits")));
    QCOMPARE(rows.at(1), qMakePair(QStringLiteral("Minimum Vertical Rate (Hz)"), QStringLiteral("55")));
    QCOMPARE(rows.last(), qMakePair(QStringLiteral("Video Timing Support"), QStringLiteral("none")));
    QCOMPARE(ViewerPane::now().rows(), rows);

    Editor c;
    c.image.build(4, 1, hexBytes(kCVT));
    c.load(1);
    rows = c.editor.getStringInfo();
    QCOMPARE(rows.size(), 23);
    QCOMPARE(rows.at(9), qMakePair(QStringLiteral("Version"), QStringLiteral("1.1")));
    QCOMPARE(rows.at(10), qMakePair(QStringLiteral("Preferred Aspect Ratio"), QStringLiteral("16:9")));
    QCOMPARE(rows.last(), qMakePair(QStringLiteral("Preferred Vertical Refresh Rate"), QStringLiteral("60")));
}

QTEST_MAIN(TestRangeLimits)
#include "tst_rangelimits.moc"
