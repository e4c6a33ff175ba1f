#include <QtTest>

#include <QLabel>
#include <QTableWidget>

#include "testsupport.h"
#include "displaydescriptor.h"

namespace {

const char *const kColorManagement = "00 00 00 F9 00 03 FF FF 34 12 00 00 01 00 02 01 EF BE";
// Range limits whose last byte is not the standard padding: a rewrite shows.
const char *const kOddRangeLimits = "00 00 00 FD 00 32 4B 1E 53 11 00 0A 20 20 20 20 20 21";
const QColor kLoaded(238, 134, 24);

QComboBox *kinds(DisplayDescriptor &slot)
{
    return child<QComboBox>(&slot, "monitorDescMulti");
}

QColor itemColour(DisplayDescriptor &slot, int item)
{
    return kinds(slot)->itemData(item, Qt::ForegroundRole).value<QColor>();
}

// Attaches the slot editor to descriptor `index` and loads it, as the page
// does (`locked` for Block 1).
void attach(DisplayDescriptor &slot, EdidImages &image, int index, bool locked)
{
    slot.resetFields(image.reference, image.working, index);
    slot.initFields(image.decode(index), image.reference, image.working, index, locked);
}

} // namespace

class TestDisplayDescriptor : public QObject
{
    Q_OBJECT

private slots:
    void constructedState();
    void pickingKindWritesSlot_data();
    void pickingKindWritesSlot();
    void pickingCurrentKindWritesNothing();
    void loadShowsKindAndWritesNothing();
    void blockOneStaysLocked();
    void revisionSwitchRemovesAndRestoresKinds();
    void revision3DropsRevision4Kind();
    void rangeLimitsRewrittenOnlyOnSwitch();
    void revision4KindLoadedBeforeAdaptation();
    void revision3ImageKeepsRevision4Descriptor();
    void unknownTagKeptUntilKindPicked_data();
    void unknownTagKeptUntilKindPicked();
    void blockOneOfOtherKindRepainted();
};

void TestDisplayDescriptor::constructedState()
{
    DisplayDescriptor slot;
    slot.setBlockTitle(QStringLiteral("Block 2"));
    QCOMPARE(child<QLabel>(&slot, "titleLabel")->text(), QStringLiteral("Block 2"));
    QCOMPARE(int(slot.getType()), 0);
    QCOMPARE(kinds(slot)->count(), 8);
    QCOMPARE(kinds(slot)->currentText(), QStringLiteral("Unused"));
    QCOMPARE(kinds(slot)->itemText(7), QStringLiteral("Standard Timing Identifications"));
    QVERIFY(kinds(slot)->isEnabled());

    // Before an image is attached, a pick shows the kind and writes nothing.
    for (int kind = 0; kind < 8; ++kind)
        pick(kinds(slot), kind);
    QCOMPARE(int(slot.getType()), 7);
}

void TestDisplayDescriptor::pickingKindWritesSlot_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("tagRow");

    QTest::newRow("unused") << 0 << hexBytes("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00") << "Unused";
    QTest::newRow("preferred timing") << 1 << hexBytes("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00") << "";
    QTest::newRow("serial number") << 2 << hexBytes("00 00 00 FF 00 0A 20 20 20 20 20 20 20 20 20 20 20 20") << "Serial Number";
    QTest::newRow("data string") << 3 << hexBytes("00 00 00 FE 00 0A 20 20 20 20 20 20 20 20 20 20 20 20") << "ASCII Data String";
    QTest::newRow("range limits") << 4 << hexBytes("00 00 00 FD 00 00 00 00 00 00 00 0A 20 20 20 20 20 20") << "Range Limits";
    QTest::newRow("product name") << 5 << hexBytes("00 00 00 FC 00 0A 20 20 20 20 20 20 20 20 20 20 20 20") << "Product Name";
    QTest::newRow("color point") << 6 << hexBytes("00 00 00 FB 00 00 00 00 00 00 00 00 00 00 00 0A 20 20") << "Color Point Data";
    QTest::newRow("standard timings") << 7 << hexBytes("00 00 00 FA 00 01 01 01 01 01 01 01 01 01 01 01 01 0A") << "Standard Timings";
    QTest::newRow("color management") << 8 << hexBytes("00 00 00 F9 00 03 00 00 00 00 00 00 00 00 00 00 00 00") << "Display Color Management";
    QTest::newRow("CVT codes") << 9 << hexBytes("00 00 00 F8 00 01 00 00 00 00 00 00 00 00 00 00 00 00") << "CVT Code Descriptor";
    QTest::newRow("established III") << 10 << hexBytes("00 00 00 F7 00 0A 00 00 00 00 00 00 00 00 00 00 00 00") << "Established Timings III";
}

void TestDisplayDescriptor::pickingKindWritesSlot()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, expected);
    QFETCH(QString, tagRow);

    EdidImages image;
    QVERIFY(image.load(QStringLiteral("displayport-1.4.bin")));
    DisplayDescriptor slot;
    slot.adaptToEDIDVersion(4, false);
    slot.resetFields(image.reference, image.working, 2);
    QCOMPARE(image.slot(2), image.referenceSlot(2));   // a reset writes nothing

    // The kind shown picked again writes nothing: pick another one first.
    if (kind == int(slot.getType()))
        pick(kinds(slot), kind == 1 ? 2 : 1);
    pick(kinds(slot), kind);
    QCOMPARE(int(slot.getType()), kind);
    QCOMPARE(image.slot(2).toHex(' '), expected.toHex(' '));
    QVERIFY(!image.changedOutsideSlot(2));
    QVERIFY(image.checksumOk());
    if (!tagRow.isEmpty())
        QCOMPARE(ViewerPane::now().rows().first(), qMakePair(QStringLiteral("Monitor Data Type Tag"), tagRow));
    if (kind == 0)
        QCOMPARE(ViewerPane::now().rows().size(), 1);
}

void TestDisplayDescriptor::pickingCurrentKindWritesNothing()
{
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("dtd-clock-low-byte-zero.bin")));
    DisplayDescriptor slot;
    attach(slot, image, 2, false);
    memset(image.working + 54 + 36, 0, 18);
    // The kind shown, picked again: no edit.
    pick(kinds(slot), EDID_DESC_SERIAL_NUMBER);
    QCOMPARE(image.slot(2), QByteArray(18, '\0'));

    // Away to "Unused" and back: the serial number editor still holds the text.
    pick(kinds(slot), EDID_DESC_UNUSED);
    pick(kinds(slot), EDID_DESC_SERIAL_NUMBER);
    QCOMPARE(image.slot(2).toHex(' '), image.referenceSlot(2).toHex(' '));
}

void TestDisplayDescriptor::loadShowsKindAndWritesNothing()
{
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    DisplayDescriptor blocks[4];
    for (int i = 0; i < 4; ++i)
        blocks[i].resetFields(image.reference, image.working, i);
    for (int i = 0; i < 4; ++i)
        blocks[i].initFields(image.decode(i), image.reference, image.working, i, i == 0);
    for (int i = 0; i < 4; ++i)
        blocks[i].adaptToEDIDVersion(3, false);

    const int expected[4] = {1, 2, 4, 5};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(int(blocks[i].getType()), expected[i]);
        QCOMPARE(kinds(blocks[i])->currentIndex(), expected[i]);
        QCOMPARE(kinds(blocks[i])->isEnabled(), i != 0);
        QCOMPARE(itemColour(blocks[i], expected[i]), kLoaded);
    }
    // Only the product name editor writes its slot back, with the same bytes.
    QCOMPARE(image.workingBytes(), image.referenceBytes());

    blocks[2].resetFields(image.reference, image.working, 2);
    QCOMPARE(itemColour(blocks[2], 4), QColor(255, 255, 255));
    QCOMPARE(kinds(blocks[2])->currentIndex(), 0);
}

void TestDisplayDescriptor::blockOneStaysLocked()
{
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("analog-1.3.bin")));
    DisplayDescriptor block1;
    attach(block1, image, 0, true);
    QVERIFY(!kinds(block1)->isEnabled());
    block1.resetFields(image.reference, image.working, 0);
    QVERIFY(!kinds(block1)->isEnabled());
    QCOMPARE(image.slot(0), image.referenceSlot(0));

    // New image: Block 1 fixed to the preferred timing and written.
    DisplayDescriptor fresh;
    fresh.resetFields(image.reference, image.working, 0);
    fresh.setLockedType(EDID_DESC_DETAILED_TIMING);
    QVERIFY(!kinds(fresh)->isEnabled());
    QCOMPARE(kinds(fresh)->currentIndex(), 1);
    QCOMPARE(image.slot(0).toHex(' '),
             hexBytes("01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00").toHex(' '));
    QVERIFY(image.checksumOk());
}

void TestDisplayDescriptor::revisionSwitchRemovesAndRestoresKinds()
{
    DisplayDescriptor slot;
    slot.adaptToEDIDVersion(4, false);
    slot.adaptToEDIDVersion(4, true);
    QCOMPARE(kinds(slot)->count(), 11);
    QCOMPARE(kinds(slot)->itemText(8), QStringLiteral("Display Color Management (1.4)"));
    QCOMPARE(kinds(slot)->itemText(9), QStringLiteral("CVT Timing Codes (1.4)"));
    QCOMPARE(kinds(slot)->itemText(10), QStringLiteral("Established Timings III (1.4)"));
    slot.adaptToEDIDVersion(3, false);
    slot.adaptToEDIDVersion(3, false);
    QCOMPARE(kinds(slot)->count(), 8);
    slot.adaptToEDIDVersion(4, false);
    QCOMPARE(kinds(slot)->count(), 11);
}

void TestDisplayDescriptor::revision3DropsRevision4Kind()
{
    EdidImages image;
    image.build(4, 1, hexBytes(kColorManagement));
    DisplayDescriptor slot;
    attach(slot, image, 1, false);
    slot.adaptToEDIDVersion(4, false);
    QCOMPARE(int(slot.getType()), 8);
    QCOMPARE(image.slot(1), image.referenceSlot(1));

    slot.adaptToEDIDVersion(3, true);
    QCOMPARE(int(slot.getType()), 0);
    QCOMPARE(kinds(slot)->currentText(), QStringLiteral("Unused"));
    QCOMPARE(kinds(slot)->count(), 8);
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00").toHex(' '));
    QVERIFY(image.checksumOk());
}

void TestDisplayDescriptor::rangeLimitsRewrittenOnlyOnSwitch()
{
    EdidImages image;
    image.build(3, 3, hexBytes(kOddRangeLimits));
    DisplayDescriptor slot;
    attach(slot, image, 3, false);
    slot.adaptToEDIDVersion(3, false);
    QCOMPARE(image.slot(3), image.referenceSlot(3));
    slot.adaptToEDIDVersion(4, true);
    QCOMPARE(image.slot(3).toHex(' '),
             hexBytes("00 00 00 FD 00 32 4B 1E 53 11 00 0A 20 20 20 20 20 20").toHex(' '));

    // The range limits editor follows the revision also while another kind is shown.
    slot.adaptToEDIDVersion(3, true);
    pick(kinds(slot), EDID_DESC_UNUSED);
    pick(kinds(slot), EDID_DESC_RANGE_LIMITS);
    QCOMPARE(child<QComboBox>(&slot, "videoTimingMulti")->count(), 2);
}

void TestDisplayDescriptor::revision4KindLoadedBeforeAdaptation()
{
    // The page loads the slots before it adapts them to the revision: the
    // loaded revision-4 kind is still shown in the combo box, marked.
    EdidImages image;
    image.build(4, 2, hexBytes(kColorManagement));
    DisplayDescriptor slot;
    attach(slot, image, 2, false);
    QCOMPARE(kinds(slot)->currentIndex(), 8);
    QCOMPARE(itemColour(slot, 8), kLoaded);
    slot.adaptToEDIDVersion(4, false);
    QCOMPARE(kinds(slot)->count(), 11);
    QCOMPARE(kinds(slot)->currentIndex(), 8);
    QCOMPARE(itemColour(slot, 8), kLoaded);
    QCOMPARE(itemColour(slot, 9), QColor(255, 255, 255));
}

void TestDisplayDescriptor::revision3ImageKeepsRevision4Descriptor()
{
    // A real established timings III descriptor in an image read as revision 3:
    // the adaptation after the load must not drop it unasked.
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("established-timings-iii.bin"), 3));
    const QByteArray loaded = image.slot(1);
    DisplayDescriptor slot;
    attach(slot, image, 1, false);
    slot.adaptToEDIDVersion(3, false);
    QCOMPARE(image.slot(1).toHex(' '), loaded.toHex(' '));
    QCOMPARE(kinds(slot)->count(), 8);
    QCOMPARE(kinds(slot)->currentIndex(), -1);
    QVERIFY(child<QLabel>(&slot, "keptTagLabel")->text().startsWith(
        QStringLiteral("Established Timings III (0xF7)")));
    slot.updateCurrentBlock();
    QCOMPARE(image.slot(1).toHex(' '), loaded.toHex(' '));

    // Back at revision 4 the slot shows its kind again, still unwritten.
    slot.adaptToEDIDVersion(4, true);
    QCOMPARE(int(slot.getType()), int(EDID_DESC_ESTABLISHED_TIMINGS3));
    QCOMPARE(kinds(slot)->currentIndex(), 10);
    QCOMPARE(itemColour(slot, 10), kLoaded);
    QVERIFY(child<QLabel>(&slot, "keptTagLabel")->isHidden());
    QCOMPARE(ViewerPane::now().rows(), (StringInfo{qMakePair(QStringLiteral("Monitor Data Type Tag"),
                                                 QStringLiteral("Established Timings III"))}));
    QCOMPARE(image.slot(1).toHex(' '), loaded.toHex(' '));

    // The user's own switch to revision 3 drops it, as asked.
    slot.adaptToEDIDVersion(3, true);
    QCOMPARE(int(slot.getType()), int(EDID_DESC_UNUSED));
    QCOMPARE(kinds(slot)->currentText(), QStringLiteral("Unused"));
    QCOMPARE(image.slot(1).toHex(' '),
             hexBytes("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00").toHex(' '));
    QVERIFY(image.checksumOk());
}

void TestDisplayDescriptor::unknownTagKeptUntilKindPicked_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fixture");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");

    QTest::newRow("manufacturer 0x00") << "manufacturer-descriptor.bin" << QByteArray() << 1
                                       << "Manufacturer Specified (0x00)";
    QTest::newRow("manufacturer 0x02") << "displayid-extension.bin" << QByteArray() << 3
                                       << "Manufacturer Specified (0x02)";
    QTest::newRow("reserved 0x50") << "" << hexBytes("00 00 00 50 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D") << 2
                                   << "Unknown (0x50)";
}

void TestDisplayDescriptor::unknownTagKeptUntilKindPicked()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, fixture);
    QFETCH(int, slot);
    QFETCH(QString, name);

    EdidImages image;
    if (fixture.isEmpty())
        QVERIFY(image.load(file));
    else
        image.build(4, slot, fixture);
    const QByteArray loaded = image.slot(slot);
    DisplayDescriptor descriptor;
    attach(descriptor, image, slot, false);
    QCOMPARE(kinds(descriptor)->currentIndex(), -1);
    QVERIFY(child<QLabel>(&descriptor, "keptTagLabel")->text().startsWith(name));
    QCOMPARE(ViewerPane::now().rows(), (StringInfo{qMakePair(QStringLiteral("Monitor Data Type Tag"), name)}));

    // Nothing but the user's pick writes the slot.
    descriptor.updateCurrentBlock();
    descriptor.adaptToEDIDVersion(4, true);
    descriptor.adaptToEDIDVersion(3, true);
    descriptor.adaptToEDIDVersion(4, true);
    QCOMPARE(image.slot(slot).toHex(' '), loaded.toHex(' '));

    pick(kinds(descriptor), EDID_DESC_UNUSED);
    QCOMPARE(image.slot(slot).toHex(' '),
             hexBytes("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00").toHex(' '));
}

void TestDisplayDescriptor::blockOneOfOtherKindRepainted()
{
    // A real image whose Block 1 holds standard timing identifiers: a write
    // of that kind repaints Block 1's bytes in the viewer.
    EdidImages image;
    QVERIFY(image.load(QStringLiteral("standard-timing-ids.bin")));
    HexaViewer *viewer = HexaViewer::getInstance();
    viewer->displayByteArray(image.reference);
    DisplayDescriptor block1;
    attach(block1, image, 0, true);
    QCOMPARE(int(block1.getType()), int(EDID_DESC_STANDARD_TIMINGS));

    ExtraStandTiming *first = nullptr;
    for (ExtraStandTiming *item : block1.findChildren<ExtraStandTiming *>())
        if (item->title() == QLatin1String("Timing 9"))
            first = item;
    QVERIFY(first);
    first->setChecked(true);
    emit first->clicked(true);
    typeAndReturn(child<QLineEdit>(first, "hActiveField"), QStringLiteral("1920"));
    pick(child<QComboBox>(first, "aspectRatioMulti"), 3);
    QCOMPARE(image.slot(0).mid(5, 2).toHex(' '), QByteArray("d1 c0"));

    auto *table = viewer->findChild<QTableWidget *>(QStringLiteral("displayByteArray"));
    QVERIFY(table);
    // Byte 59 is at row 3, column 11.
    QVERIFY(table->item(3, 11));
    QCOMPARE(table->item(3, 11)->text(), QStringLiteral("D1"));
}

QTEST_MAIN(TestDisplayDescriptor)
#include "tst_displaydescriptor.moc"
