#include <QtTest>

#include <memory>

#include "testsupport.h"
#include "displaydescdatastring.h"
#include "displaydescproductname.h"
#include "displaydescserialnumber.h"

namespace {

struct TextEditor
{
    std::unique_ptr<DisplayDescText> editor;
    QLineEdit *field = nullptr;

    explicit TextEditor(int kind)
    {
        switch (kind) {
        case EDID_DESC_SERIAL_NUMBER:
            editor.reset(new DisplayDescSerialNumber);
            field = child<QLineEdit>(editor.get(), "serialNumberField");
            break;
        case EDID_DESC_DATA_STRING:
            editor.reset(new DisplayDescDataString);
            field = child<QLineEdit>(editor.get(), "dataStringField");
            break;
        default:
            editor.reset(new DisplayDescProductName);
            field = child<QLineEdit>(editor.get(), "prodNameField");
            break;
        }
    }

    void update()
    {
        if (auto *e = dynamic_cast<DisplayDescSerialNumber *>(editor.get()))
            e->updateSerialNumber();
        else if (auto *e = dynamic_cast<DisplayDescDataString *>(editor.get()))
            e->updateDataString();
        else if (auto *e = dynamic_cast<DisplayDescProductName *>(editor.get()))
            e->updateProductName();
    }
};

const char *const kHelloDataString = "00 00 00 FE 00 48 45 4C 4C 4F 0A 20 20 20 20 20 20 20";

} // namespace

class TestTextDescriptors : public QObject
{
    Q_OBJECT

private slots:
    void realDescriptorShownAndWrittenBack_data();
    void realDescriptorShownAndWrittenBack();
    void typedTextGivesBytes_data();
    void typedTextGivesBytes();
    void unprintableLoadedBytesShownAsQuestionMarks();
    void editDescribesSlot();
    void productNameWrittenOnLoadOthersNot();
    void resetThenWriteGivesEmptyText();
    void keptTextAfterSwitchingAway();
};

void TestTextDescriptors::realDescriptorShownAndWrittenBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown");

    QTest::newRow("serial of spaces") << "analog-1.3.bin" << 1 << int(EDID_DESC_SERIAL_NUMBER) << "             ";
    QTest::newRow("serial 12 chars") << "dtd-clock-low-byte-zero.bin" << 2 << int(EDID_DESC_SERIAL_NUMBER) << "M4LMDW001870";
    QTest::newRow("serial 13 chars") << "range-limit-offsets.bin" << 1 << int(EDID_DESC_SERIAL_NUMBER) << "#HLEYMxgwAA4C";
    QTest::newRow("serial empty") << "reserved-cea-tags.bin" << 1 << int(EDID_DESC_SERIAL_NUMBER) << "";
    QTest::newRow("name") << "analog-1.3.bin" << 3 << int(EDID_DESC_PRODUCT_NAME) << "SVEON";
    QTest::newRow("name 13 chars") << "more-than-ten-blocks.bin" << 3 << int(EDID_DESC_PRODUCT_NAME) << "ASUS VG289Q1A";
    // Two product names: each slot shows its own text.
    QTest::newRow("first of two names") << "two-product-names.bin" << 2 << int(EDID_DESC_PRODUCT_NAME) << "Minicom LTD ";
    QTest::newRow("second of two names") << "two-product-names.bin" << 3 << int(EDID_DESC_PRODUCT_NAME) << "Smart Plus ";
    QTest::newRow("data string") << "" << 2 << int(EDID_DESC_DATA_STRING) << "HELLO";
}

void TestTextDescriptors::realDescriptorShownAndWrittenBack()
{
    QFETCH(QString, file);
    QFETCH(int, slot);
    QFETCH(int, kind);
    QFETCH(QString, shown);

    EdidImages image;
    if (file.isEmpty())
        image.build(3, slot, hexBytes(kHelloDataString));
    else
        QVERIFY(image.load(file));
    const _EDID_MONITOR_DESC desc = image.decode(slot);
    QCOMPARE(int(desc.type), kind);

    TextEditor e(kind);
    e.editor->resetFields(image.reference, image.working, slot);
    e.editor->initFields(desc, image.reference, image.working, slot);
    QCOMPARE(e.field->text(), shown);

    e.update();
    QCOMPARE(image.slot(slot).toHex(' '), image.referenceSlot(slot).toHex(' '));
    QVERIFY(!image.changedOutsideSlot(slot));
    QVERIFY(image.checksumOk());
}

void TestTextDescriptors::typedTextGivesBytes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("serial ABC") << int(EDID_DESC_SERIAL_NUMBER) << "ABC" << "ABC"
        << hexBytes("00 00 00 FF 00 41 42 43 0A 20 20 20 20 20 20 20 20 20");
    QTest::newRow("data string 13 chars") << int(EDID_DESC_DATA_STRING) << "ABCDEFGHIJKLM" << "ABCDEFGHIJKLM"
        << hexBytes("00 00 00 FE 00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
    QTest::newRow("name cut at 13") << int(EDID_DESC_PRODUCT_NAME) << "ABCDEFGHIJKLMNOP" << "ABCDEFGHIJKLM"
        << hexBytes("00 00 00 FC 00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D");
    QTest::newRow("name empty") << int(EDID_DESC_PRODUCT_NAME) << "" << ""
        << hexBytes("00 00 00 FC 00 0A 20 20 20 20 20 20 20 20 20 20 20 20");
    QTest::newRow("spaces kept") << int(EDID_DESC_SERIAL_NUMBER) << " a b " << " a b "
        << hexBytes("00 00 00 FF 00 20 61 20 62 20 0A 20 20 20 20 20 20 20");
    // Only printable ASCII can be typed.
    QTest::newRow("only printable ASCII") << int(EDID_DESC_SERIAL_NUMBER)
        << QString::fromUtf8("A\u00e9B\u20acC~") << "ABC~"
        << hexBytes("00 00 00 FF 00 41 42 43 7E 0A 20 20 20 20 20 20 20 20");
}

void TestTextDescriptors::typedTextGivesBytes()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, expected);

    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    TextEditor e(kind);
    e.editor->resetFields(image.reference, image.working, 1);
    // An emptied field: something typed first (Return without typing writes nothing).
    if (typed.isEmpty())
        typeAndReturn(e.field, QStringLiteral("X"));
    typeAndReturn(e.field, typed);

    QCOMPARE(e.field->text(), shown);
    QCOMPARE(image.slot(1).toHex(' '), expected.toHex(' '));
    QVERIFY(!image.changedOutsideSlot(1));
    QVERIFY(image.checksumOk());
}

void TestTextDescriptors::unprintableLoadedBytesShownAsQuestionMarks()
{
    // Bytes the field cannot take are shown as '?' (and the field stays
    // editable); loading writes nothing.
    EdidImages image;
    image.build(3, 1, hexBytes("00 00 00 FE 00 41 01 42 E9 43 0A 20 20 20 20 20 20 20"));
    TextEditor e(EDID_DESC_DATA_STRING);
    e.editor->resetFields(image.reference, image.working, 1);
    e.editor->initFields(image.decode(1), image.reference, image.working, 1);
    QCOMPARE(e.field->text(), QStringLiteral("A?B?C"));
    QVERIFY(e.field->hasAcceptableInput());
    QCOMPARE(image.slot(1), image.referenceSlot(1));
    typeAndReturn(e.field, QStringLiteral("ABC"));
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 FE 00 41 42 43 0A 20 20 20 20 20 20 20 20 20").toHex(' '));
}

void TestTextDescriptors::editDescribesSlot()
{
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    TextEditor e(EDID_DESC_SERIAL_NUMBER);
    e.editor->resetFields(image.reference, image.working, 1);
    typeAndReturn(e.field, QStringLiteral("ABC"));

    StringInfo expected;
    expected << qMakePair(QStringLiteral("Monitor Data Type Tag"), QStringLiteral("Serial Number"))
             << qMakePair(QStringLiteral("Monitor Serial Number"), QStringLiteral("ABC"));
    QCOMPARE(e.editor->getStringInfo(), expected);
    QCOMPARE(ViewerPane::now().rows(), expected);
}

void TestTextDescriptors::productNameWrittenOnLoadOthersNot()
{
    // A name ended by NUL bytes and no 0x0A is written back in the standard
    // layout when loaded; a serial number with the same bytes is not written.
    const QByteArray raw = hexBytes("00 00 00 FC 00 41 56 52 35 00 00 00 00 00 00 00 00 00");
    EdidImages image;
    image.build(4, 3, raw);
    TextEditor name(EDID_DESC_PRODUCT_NAME);
    name.editor->resetFields(image.reference, image.working, 3);
    name.editor->initFields(image.decode(3), image.reference, image.working, 3);
    QCOMPARE(name.field->text(), QStringLiteral("AVR5"));
    QCOMPARE(image.slot(3).toHex(' '),
             hexBytes("00 00 00 FC 00 41 56 52 35 0A 20 20 20 20 20 20 20 20").toHex(' '));
    QVERIFY(image.checksumOk());

    QByteArray serial = raw;
    serial[3] = char(0xFF);
    image.build(4, 3, serial);
    TextEditor serialEditor(EDID_DESC_SERIAL_NUMBER);
    serialEditor.editor->resetFields(image.reference, image.working, 3);
    serialEditor.editor->initFields(image.decode(3), image.reference, image.working, 3);
    QCOMPARE(serialEditor.field->text(), QStringLiteral("AVR5"));
    QCOMPARE(image.slot(3), image.referenceSlot(3));
}

void TestTextDescriptors::resetThenWriteGivesEmptyText()
{
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    TextEditor e(EDID_DESC_DATA_STRING);
    e.editor->resetFields(image.reference, image.working, 2);
    QCOMPARE(image.slot(2), image.referenceSlot(2));   // a reset writes nothing
    e.update();
    QCOMPARE(image.slot(2).toHex(' '),
             hexBytes("00 00 00 FE 00 0A 20 20 20 20 20 20 20 20 20 20 20 20").toHex(' '));
}

void TestTextDescriptors::keptTextAfterSwitchingAway()
{
    // The editor keeps the loaded text: writing it again gives the same bytes.
    EdidImages image;
    image.build(3, 1, hexBytes(kHelloDataString));
    TextEditor e(EDID_DESC_DATA_STRING);
    e.editor->resetFields(image.reference, image.working, 1);
    e.editor->initFields(image.decode(1), image.reference, image.working, 1);
    memset(image.working + 72, 0, 18);
    e.update();
    QCOMPARE(image.slot(1).toHex(' '), hexBytes(kHelloDataString).toHex(' '));
}

QTEST_MAIN(TestTextDescriptors)
#include "tst_textdescriptors.moc"
