#include <QtTest>

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "cvtcodedescriptor.h"
#include "testsupport.h"
#include "displaydesccolorpointdata.h"
#include "displaydesccvttimings.h"
#include "displaydescdcm.h"
#include "displaydescestabtimings.h"
#include "displaydescstandtimings.h"

namespace {

// White point 1: index 1, x code 321, y code 337, gamma 2.20; white point 2:
// index 2, x code 640, y code 675, gamma byte 0xFF.
const char *const kColorPoint = "00 00 00 FB 00 01 05 50 54 78 02 03 A0 A8 FF 0A 20 20";
// 1920 16:9 60 Hz, 1600 4:3 85 Hz, unused, 1280 5:4 60 Hz, unused, unused.
const char *const kStandardTimings = "00 00 00 FA 00 D1 C0 A9 59 01 01 81 80 01 01 01 01 0A";
const char *const kColorManagement = "00 00 00 F9 00 03 FF FF 34 12 00 00 01 00 02 01 EF BE";
// 1080 lines 16:9 60 Hz (60 and 60 RB), 1280 lines 16:10 75 Hz (60),
// 8192 lines 4:3 50 Hz (none), and an empty code.
const char *const kCVTCodes = "00 00 00 F8 00 01 1B 24 29 7F 28 48 FF F0 00 00 00 00";
// Flags 0 (640 x 350 @ 85 Hz) and 43 (1920 x 1440 @ 75 Hz).
const char *const kEstablished3 = "00 00 00 F7 00 0A 80 00 00 00 00 10 00 00 00 00 00 00";

QLineEdit *field(QWidget *editor, const QString &name)
{
    return editor->findChild<QLineEdit *>(name);
}

// Attaches the editor to descriptor `slot` and loads the slot into it, as the page does.
template <class Editor>
void attach(Editor &editor, EdidImages &image, int slot)
{
    editor.resetFields(image.reference, image.working, slot);
    editor.initFields(image.decode(slot), image.reference, image.working, slot);
}

// A user's edit that leaves the text as it is.
void leaveUnchanged(QLineEdit *f)
{
    emit f->editingFinished();
}

} // namespace

class TestDescriptorEditors : public QObject
{
    Q_OBJECT

private slots:
    // Colour point
    void colorPointShownAndWrittenBack();
    void colorPointUntouchedValuesKept();
    void colorPointEdit_data();
    void colorPointEdit();
    void colorPointRefused_data();
    void colorPointRefused();
    void colorPointGroups();
    // Standard timing identifiers
    void standardTimingsShownAndWrittenBack_data();
    void standardTimingsShownAndWrittenBack();
    void standardTimingEdit();
    void standardTimingRefused_data();
    void standardTimingRefused();
    void standardTimingsPickedWritesWholeSlot();
    // Colour management
    void colorManagementShownAndWrittenBack();
    void colorManagementEdit();
    void colorManagementRefused();
    // CVT timing codes
    void cvtCodesShownAndWrittenBack();
    void cvtReservedBitStillGivesPreferredRate();
    void cvtCodeEdit();
    void cvtLinesRefused_data();
    void cvtLinesRefused();
    // Established timings III
    void established3ShownAndWrittenBack_data();
    void established3ShownAndWrittenBack();
    void established3Edit();
};

// ---------------------------------------------------------------------------
// Colour point

void TestDescriptorEditors::colorPointShownAndWrittenBack()
{
    EdidImages image;
    image.build(3, 2, hexBytes(kColorPoint));
    DisplayDescColorPointData editor;
    attach(editor, image, 2);

    QStringList shown;
    for (const char *name : {"whitePointField", "whiteXField", "whiteYField", "gammaField",
                             "whitePointField2", "whiteXField2", "whiteYField2", "gammaField2"})
        shown << field(&editor, name)->text();
    QCOMPARE(shown, (QStringList{"1", "0.313", "0.329", "2.20", "2", "0.625", "0.659", "3.55"}));
    QVERIFY(child<QGroupBox>(&editor, "firstColorPointGB")->isChecked());
    QVERIFY(child<QGroupBox>(&editor, "secondColorPointGB")->isChecked());
    QCOMPARE(ViewerPane::now().rows().size(), 11);
    QCOMPARE(ViewerPane::now().rows().at(6), qMakePair(QStringLiteral("Second Additional Color Point"), QStringLiteral("~")));

    editor.updateColorPoint();
    QCOMPARE(image.slot(2).toHex(' '), hexBytes(kColorPoint).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(2));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::colorPointUntouchedValuesKept()
{
    // Leaving every field without a change keeps the loaded codes and the
    // gamma byte 0xFF exactly.
    EdidImages image;
    image.build(3, 2, hexBytes(kColorPoint));
    DisplayDescColorPointData editor;
    attach(editor, image, 2);
    ModalCloser boxes;
    for (const char *name : {"whitePointField", "whiteXField", "whiteYField", "gammaField",
                             "whitePointField2", "whiteXField2", "whiteYField2", "gammaField2"})
        leaveUnchanged(field(&editor, name));
    QVERIFY(boxes.texts.isEmpty());
    QCOMPARE(image.slot(2).toHex(' '), hexBytes(kColorPoint).toHex(' '));
}

void TestDescriptorEditors::colorPointEdit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("expected");   // descriptor bytes 5 to 14

    // A chromaticity is stored as round(x x 1024).
    QTest::newRow("x 0.500") << "whiteXField" << "0.500" << "0.500"
        << hexBytes("01 01 80 54 78 02 03 A0 A8 FF");
    QTest::newRow("x 0.999") << "whiteXField" << "0.999" << "0.999"
        << hexBytes("01 0D FF 54 78 02 03 A0 A8 FF");
    QTest::newRow("y 0.001") << "whiteYField2" << ".001" << "0.001"
        << hexBytes("01 05 50 54 78 02 01 A0 00 FF");
    QTest::newRow("x 0.3") << "whiteXField2" << "0.3" << "0.300"
        << hexBytes("01 05 50 54 78 02 0F 4C A8 FF");
    // Gamma is stored as round(gamma x 100) - 100.
    QTest::newRow("gamma 2.10") << "gammaField" << "2.10" << "2.10"
        << hexBytes("01 05 50 54 6E 02 03 A0 A8 FF");
    QTest::newRow("gamma 1") << "gammaField2" << "1" << "1.00"
        << hexBytes("01 05 50 54 78 02 03 A0 A8 00");
    QTest::newRow("gamma 3.54") << "gammaField" << "3.54" << "3.54"
        << hexBytes("01 05 50 54 FE 02 03 A0 A8 FF");
    QTest::newRow("index 255") << "whitePointField2" << "255" << "255"
        << hexBytes("01 05 50 54 78 FF 03 A0 A8 FF");
}

void TestDescriptorEditors::colorPointEdit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, expected);

    EdidImages image;
    image.build(3, 1, hexBytes(kColorPoint));
    DisplayDescColorPointData editor;
    attach(editor, image, 1);
    typeAndReturn(::field(&editor, field), typed);
    QCOMPARE(::field(&editor, field)->text(), shown);
    QCOMPARE(image.slot(1).mid(5, 10).toHex(' '), expected.toHex(' '));
    QCOMPARE(image.slot(1).mid(15).toHex(' '), QByteArray("0a 20 20"));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::colorPointRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");

    const QString index = QStringLiteral("White point index must be in range of 1 to 255");
    QTest::newRow("index 0") << "whitePointField" << "0" << "Format Error" << index << "1" << 5 << 1;
    QTest::newRow("index 256") << "whitePointField" << "256" << "Format Error" << index << "1" << 5 << 1;
    QTest::newRow("second index 0") << "whitePointField2" << "0" << "Format Error" << index << "2" << 10 << 2;
    QTest::newRow("x 1") << "whiteXField" << "1" << "Range error"
        << "White x Chromaticity must be in range of 0 to 0.999" << "0" << 7 << 0;
    QTest::newRow("y empty") << "whiteYField2" << "" << "Range error"
        << "White y Chromaticity must be in range of 0 to 0.999" << "0" << 13 << 0;
    QTest::newRow("x lone point") << "whiteXField2" << "." << "Range error"
        << "White x Chromaticity must be in range of 0 to 0.999" << "0" << 12 << 0;
    QTest::newRow("gamma 3.55") << "gammaField" << "3.55" << "Format Error"
        << "Gamma must be in range of 1.00 to 3.54" << "1.00" << 9 << 0;
    QTest::newRow("gamma 0.9") << "gammaField2" << "0.9" << "Format Error"
        << "Gamma must be in range of 1.00 to 3.54" << "1.00" << 14 << 0;
}

void TestDescriptorEditors::colorPointRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, fallback);
    QFETCH(int, byte);
    QFETCH(int, value);

    EdidImages image;
    image.build(3, 1, hexBytes(kColorPoint));
    DisplayDescColorPointData editor;
    attach(editor, image, 1);
    ModalCloser boxes;
    typeAndReturn(::field(&editor, field), typed);
    QCOMPARE(boxes.titles, QStringList{title});
    QCOMPARE(boxes.texts, QStringList{text});
    QCOMPARE(::field(&editor, field)->text(), fallback);
    QCOMPARE(int((unsigned char)image.slot(1).at(byte)), value);
}

void TestDescriptorEditors::colorPointGroups()
{
    EdidImages image;
    image.build(3, 3, hexBytes(kColorPoint));
    DisplayDescColorPointData editor;
    editor.resetFields(image.reference, image.working, 3);
    editor.updateColorPoint();
    QCOMPARE(image.slot(3).toHex(' '),
             hexBytes("00 00 00 FB 00 00 00 00 00 00 00 00 00 00 00 0A 20 20").toHex(' '));
    QCOMPARE(editor.getStringInfo().last(),
             qMakePair(QStringLiteral("Second Additional Color Point"), QStringLiteral("none")));

    auto *first = child<QGroupBox>(&editor, "firstColorPointGB");
    first->setChecked(true);
    emit first->clicked(true);
    QCOMPARE(image.slot(3).mid(5, 5).toHex(' '), QByteArray("01 00 00 00 00"));
    first->setChecked(false);
    emit first->clicked(false);
    QCOMPARE(image.slot(3).mid(5, 5).toHex(' '), QByteArray("00 00 00 00 00"));
}

// ---------------------------------------------------------------------------
// Standard timing identifiers

void TestDescriptorEditors::standardTimingsShownAndWrittenBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fixture");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QStringList>("shown");   // per item: H active, refresh, aspect, or "-" when unused

    // A real image that holds the descriptor in Block 1, all six unused.
    QTest::newRow("real, all unused") << "standard-timing-ids.bin" << QByteArray() << 0
        << QStringList{"-", "-", "-", "-", "-", "-"};
    QTest::newRow("mixed") << "" << hexBytes(kStandardTimings) << 2
        << QStringList{"1920 60 16:9", "1600 85 4:3", "-", "1280 60 5:4", "-", "-"};
}

void TestDescriptorEditors::standardTimingsShownAndWrittenBack()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, fixture);
    QFETCH(int, slot);
    QFETCH(QStringList, shown);

    EdidImages image;
    if (fixture.isEmpty())
        QVERIFY(image.load(file));
    else
        image.build(3, slot, fixture);
    DisplayDescStandTimings editor;
    attach(editor, image, slot);

    const QList<ExtraStandTiming *> items = editor.findChildren<ExtraStandTiming *>();
    QCOMPARE(items.size(), 6);
    QStringList seen;
    for (int k = 0; k < 6; ++k) {
        ExtraStandTiming *item = nullptr;
        for (ExtraStandTiming *candidate : items)
            if (candidate->title() == QStringLiteral("Timing %1").arg(k + 9))
                item = candidate;
        QVERIFY(item);
        if (!item->isChecked()) {
            seen << QStringLiteral("-");
            continue;
        }
        seen << QStringLiteral("%1 %2 %3").arg(field(item, "hActiveField")->text(),
                                               field(item, "refreshField")->text(),
                                               child<QComboBox>(item, "aspectRatioMulti")->currentText());
    }
    QCOMPARE(seen, shown);

    editor.updateStandTimings();
    QCOMPARE(image.slot(slot).toHex(' '), image.referenceSlot(slot).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(slot));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::standardTimingEdit()
{
    EdidImages image;
    image.build(3, 1, hexBytes(kStandardTimings));
    DisplayDescStandTimings editor;
    attach(editor, image, 1);
    ExtraStandTiming *third = nullptr;
    for (ExtraStandTiming *item : editor.findChildren<ExtraStandTiming *>())
        if (item->title() == QLatin1String("Timing 11"))
            third = item;
    QVERIFY(third);

    // Checking the unused third item writes 256 x 60 Hz 16:10, then the edits.
    third->setChecked(true);
    emit third->clicked(true);
    QCOMPARE(image.slot(1).mid(9, 2).toHex(' '), QByteArray("01 00"));
    typeAndReturn(field(third, "hActiveField"), QStringLiteral("1600"));
    typeAndReturn(field(third, "refreshField"), QStringLiteral("85"));
    pick(child<QComboBox>(third, "aspectRatioMulti"), 1);
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 FA 00 D1 C0 A9 59 A9 59 81 80 01 01 01 01 0A").toHex(' '));
    QVERIFY(!image.changedOutsideSlot(1));
    QVERIFY(image.checksumOk());

    third->setChecked(false);
    emit third->clicked(false);
    QCOMPARE(image.slot(1).mid(9, 2).toHex(' '), QByteArray("01 01"));
}

void TestDescriptorEditors::standardTimingRefused_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QByteArray>("pair");

    const QString hActive = QStringLiteral("Horizontal Active Pixels must be in range of 256 to 2288 in increments of 8 pixels");
    QTest::newRow("2289") << "hActiveField" << "2289" << hActive << "256" << hexBytes("01 C0");
    QTest::newRow("2284") << "hActiveField" << "2284" << hActive << "256" << hexBytes("01 C0");
    QTest::newRow("empty") << "hActiveField" << "" << hActive << "256" << hexBytes("01 C0");
    QTest::newRow("refresh 124") << "refreshField" << "124"
        << "Refresh Rate must be in range of 60 to 123 Hz" << "60" << hexBytes("D1 C0");
}

void TestDescriptorEditors::standardTimingRefused()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, fallback);
    QFETCH(QByteArray, pair);

    EdidImages image;
    image.build(3, 1, hexBytes(kStandardTimings));
    DisplayDescStandTimings editor;
    attach(editor, image, 1);
    ExtraStandTiming *first = nullptr;
    for (ExtraStandTiming *item : editor.findChildren<ExtraStandTiming *>())
        if (item->title() == QLatin1String("Timing 9"))
            first = item;
    QVERIFY(first);
    ModalCloser boxes;
    typeAndReturn(::field(first, field), typed);
    QCOMPARE(boxes.titles, QStringList{"Format Error"});
    QCOMPARE(boxes.texts, QStringList{text});
    QCOMPARE(::field(first, field)->text(), fallback);
    QCOMPARE(image.slot(1).mid(5, 2).toHex(' '), pair.toHex(' '));
}

void TestDescriptorEditors::standardTimingsPickedWritesWholeSlot()
{
    // Written over another descriptor, no byte of the former one survives.
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    DisplayDescStandTimings editor;
    editor.resetFields(image.reference, image.working, 3);
    editor.updateStandTimings();
    QCOMPARE(image.slot(3).toHex(' '),
             hexBytes("00 00 00 FA 00 01 01 01 01 01 01 01 01 01 01 01 01 0A").toHex(' '));
    QCOMPARE(ViewerPane::now().rows(), (StringInfo{qMakePair(QStringLiteral("Monitor Data Type Tag"),
                                                  QStringLiteral("Standard Timings"))}));
}

// ---------------------------------------------------------------------------
// Colour management

void TestDescriptorEditors::colorManagementShownAndWrittenBack()
{
    EdidImages image;
    image.build(4, 2, hexBytes(kColorManagement));
    DisplayDescDCM editor;
    attach(editor, image, 2);
    QStringList shown;
    for (const char *name : {"reda3Field", "reda2Field", "greena3Field", "greena2Field", "bluea3Field", "bluea2Field"})
        shown << field(&editor, name)->text();
    QCOMPARE(shown, (QStringList{"65535", "4660", "0", "1", "258", "48879"}));
    QCOMPARE(ViewerPane::now().rows().size(), 10);
    QCOMPARE(ViewerPane::now().rows().at(4), qMakePair(QStringLiteral("Green"), QStringLiteral("~")));

    editor.updateDCM();
    QCOMPARE(image.slot(2).toHex(' '), hexBytes(kColorManagement).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(2));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::colorManagementEdit()
{
    EdidImages image;
    image.build(4, 1, hexBytes(kColorManagement));
    DisplayDescDCM editor;
    attach(editor, image, 1);
    typeAndReturn(field(&editor, "greena3Field"), QStringLiteral("00012"));
    QCOMPARE(field(&editor, "greena3Field")->text(), QStringLiteral("00012"));
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 F9 00 03 FF FF 34 12 0C 00 01 00 02 01 EF BE").toHex(' '));
    QCOMPARE(editor.getStringInfo().at(5), qMakePair(QStringLiteral("Green a3"), QStringLiteral("00012")));
}

void TestDescriptorEditors::colorManagementRefused()
{
    EdidImages image;
    image.build(4, 1, hexBytes(kColorManagement));
    DisplayDescDCM editor;
    attach(editor, image, 1);
    ModalCloser boxes;
    typeAndReturn(field(&editor, "reda2Field"), QStringLiteral("65536"));
    typeAndReturn(field(&editor, "bluea3Field"), QString());
    QCOMPARE(boxes.titles, (QStringList{"Range error", "Range error"}));
    QCOMPARE(boxes.texts, (QStringList{"Polynomial coefficients must be in range of 0 to 65535",
                                       "Polynomial coefficients must be in range of 0 to 65535"}));
    QCOMPARE(field(&editor, "reda2Field")->text(), QStringLiteral("0"));
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 F9 00 03 FF FF 00 00 00 00 01 00 00 00 EF BE").toHex(' '));
}

// ---------------------------------------------------------------------------
// CVT timing codes

void TestDescriptorEditors::cvtCodesShownAndWrittenBack()
{
    EdidImages image;
    image.build(4, 3, hexBytes(kCVTCodes));
    DisplayDescCVTTimings editor;
    attach(editor, image, 3);

    QStringList shown;
    for (int k = 1; k <= 4; ++k) {
        CVTCodeDescriptor *code = nullptr;
        for (CVTCodeDescriptor *candidate : editor.findChildren<CVTCodeDescriptor *>())
            if (candidate->title() == QStringLiteral("CVT Code %1").arg(k))
                code = candidate;
        QVERIFY(code);
        QString rates;
        for (const char *box : {"suppVRate50CB", "suppVRate60CB", "suppVRate75CB", "suppVRate85CB", "suppVRate60RedCB"})
            rates += child<QCheckBox>(code, box)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        QString preferred;
        for (const char *radio : {"prefVRate50RB", "prefVRate60RB", "prefVRate75RB", "prefVRate85RB"})
            if (child<QRadioButton>(code, radio)->isChecked())
                preferred = QString::fromLatin1(radio).mid(9, 2);
        shown << QStringLiteral("%1 %2 %3 %4").arg(field(code, "vActField")->text(),
                                                   child<QComboBox>(code, "aspectRatioMulti")->currentText(),
                                                   preferred, rates);
    }
    QCOMPARE(shown, (QStringList{"1080 16:9 60 01001", "1280 16:10 75 01000", "8192 4:3 50 00000", "2 4:3 50 00000"}));
    QCOMPARE(ViewerPane::now().rows(), (StringInfo{qMakePair(QStringLiteral("Monitor Data Type Tag"),
                                                  QStringLiteral("CVT Code Descriptor"))}));

    editor.updateCVTTimings();
    QCOMPARE(image.slot(3).toHex(' '), hexBytes(kCVTCodes).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(3));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::cvtReservedBitStillGivesPreferredRate()
{
    QByteArray bytes = hexBytes(kCVTCodes);
    bytes[11] = char(0xC8);   // reserved bit 7 set, preferred 75 Hz
    EdidImages image;
    image.build(4, 1, bytes);
    CVTCodeDescriptor code;
    code.resetFields(image.reference, image.working, 1, 1);
    code.initFields(image.decode(1), image.reference, image.working, 1, 1);
    QCOMPARE(int(code.getPrefVRate()), int(EDID_VERTICAL_RATE_75HZ));
    QVERIFY(child<QRadioButton>(&code, "prefVRate75RB")->isChecked());
    code.updateCVTTiming();
    QCOMPARE(image.slot(1).mid(9, 3).toHex(' '), QByteArray("7f 28 48"));
}

void TestDescriptorEditors::cvtCodeEdit()
{
    EdidImages image;
    image.build(4, 1, hexBytes(kCVTCodes));
    CVTCodeDescriptor code;
    code.resetFields(image.reference, image.working, 1, 2);
    code.initFields(image.decode(1), image.reference, image.working, 1, 2);
    pick(child<QComboBox>(&code, "aspectRatioMulti"), 2);   // 16:10
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 F8 00 01 1B 24 29 7F 28 48 FF F8 00 00 00 00").toHex(' '));

    typeAndReturn(field(&code, "vActField"), QStringLiteral("1080"));
    child<QRadioButton>(&code, "prefVRate60RB")->click();
    child<QCheckBox>(&code, "suppVRate60CB")->click();
    child<QCheckBox>(&code, "suppVRate60RedCB")->click();
    QCOMPARE(image.slot(1).mid(12, 3).toHex(' '), QByteArray("1b 28 29"));
    // Unchecking the preferred rate's box leaves the preferred rate alone.
    child<QCheckBox>(&code, "suppVRate60CB")->click();
    QCOMPARE(image.slot(1).mid(12, 3).toHex(' '), QByteArray("1b 28 21"));
    QVERIFY(!image.changedOutsideSlot(1));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::cvtLinesRefused_data()
{
    QTest::addColumn<QString>("typed");
    for (const char *text : {"0", "1", "3", "8193", "8194", ""})
        QTest::newRow(*text ? text : "empty") << QString::fromLatin1(text);
}

void TestDescriptorEditors::cvtLinesRefused()
{
    QFETCH(QString, typed);
    EdidImages image;
    image.build(4, 1, hexBytes(kCVTCodes));
    CVTCodeDescriptor code;
    code.resetFields(image.reference, image.working, 1, 0);
    code.initFields(image.decode(1), image.reference, image.working, 1, 0);
    ModalCloser boxes;
    typeAndReturn(field(&code, "vActField"), typed);
    QCOMPARE(boxes.titles, QStringList{"CEA extention warning"});
    QCOMPARE(boxes.texts, QStringList{"Vertical Active Lines must be in range of 2 to 8192 in increments of 2 pixels"});
    QCOMPARE(field(&code, "vActField")->text(), QStringLiteral("2"));
    QCOMPARE(int(code.getVActiveLines()), 2);
    QCOMPARE(image.slot(1).mid(6, 3).toHex(' '), QByteArray("00 04 29"));
}

// ---------------------------------------------------------------------------
// Established timings III

void TestDescriptorEditors::established3ShownAndWrittenBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fixture");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("checked");

    QTest::newRow("real") << "established-timings-iii.bin" << QByteArray() << 1 << QList<int>{};
    QTest::newRow("first and last") << "" << hexBytes(kEstablished3) << 2 << QList<int>{1, 44};
}

void TestDescriptorEditors::established3ShownAndWrittenBack()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, fixture);
    QFETCH(int, slot);
    QFETCH(QList<int>, checked);

    EdidImages image;
    if (fixture.isEmpty())
        QVERIFY(image.load(file));
    else
        image.build(4, slot, fixture);
    DisplayDescEstabTimings editor;
    attach(editor, image, slot);
    QList<int> seen;
    for (int n = 1; n <= 44; ++n)
        if (child<QCheckBox>(&editor, QStringLiteral("estabTimingCB%1").arg(n).toLatin1().constData())->isChecked())
            seen << n;
    QCOMPARE(seen, checked);
    QCOMPARE(image.slot(slot), image.referenceSlot(slot));   // loading writes nothing

    editor.updateEstablishedTimings();
    QCOMPARE(image.slot(slot).toHex(' '), image.referenceSlot(slot).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(slot));
    QVERIFY(image.checksumOk());
}

void TestDescriptorEditors::established3Edit()
{
    EdidImages image;
    image.build(4, 2, hexBytes(kEstablished3));
    DisplayDescEstabTimings editor;
    attach(editor, image, 2);
    child<QCheckBox>(&editor, "estabTimingCB1")->click();    // off
    child<QCheckBox>(&editor, "estabTimingCB9")->click();    // 1280 x 768 @ 60 Hz (RB)
    child<QCheckBox>(&editor, "estabTimingCB40")->click();   // 1920 x 1200 @ 60 Hz
    QCOMPARE(image.slot(2).toHex(' '),
             hexBytes("00 00 00 F7 00 0A 00 80 00 00 01 10 00 00 00 00 00 00").toHex(' '));
    QCOMPARE(editor.getStringInfo(), (StringInfo{qMakePair(QStringLiteral("Monitor Data Type Tag"),
                                                            QStringLiteral("Established Timings III"))}));
    QVERIFY(image.checksumOk());
}

QTEST_MAIN(TestDescriptorEditors)
#include "tst_descriptoreditors.moc"
