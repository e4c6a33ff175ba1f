#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QStringListModel>
#include <QTableWidget>
#include <QtTest>

#include <array>
#include <cstring>
#include <functional>
#include <vector>

#include "floatinghexaviewer.h"
#include "hexaviewer.h"
#include "testsupport.h"

namespace {

const QColor kGrey(QStringLiteral("#ADADAE"));

} // namespace

class TestHexaViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void singleInstance();
    void instanceSurvivesHolderDestruction();
    void formSettings();
    void toolTips_data();
    void toolTips();
    void displayShowsImageInBlack();
    void changedBytesAreRed();
    void updateRepaintsOnlyRangeAndChecksum();
    void updateOutOfRangeIsHarmless();
    void saveClearsMarking();
    void clickReadsByte_data();
    void clickReadsByte();
    void clickBeforeImageReadsZero();
    void clickRoutesToSection_data();
    void clickRoutesToSection();
    void descriptionOperations_data();
    void descriptionOperations();
    void highlightMovesWhiteRange();
    void setterStoresAndShowsRows();
    void emptySetterStillShowsSection();
    void versionRevisionSetter();
    void standardTimingsJoinItems();
    void monitorDescriptorSlots();
    void invalidIndexesAreIgnored();
    void composedDescriptions();
    void updateRedescribesCurrentCell();
    void floatingViewerMirrorsTable();
    void floatingWindowCommands();

private:
    QTableWidget *table() { return viewer->findChild<QTableWidget *>("displayByteArray"); }
    QTableWidgetItem *cell(int byte) { return table()->item(byte / 16, byte % 16); }
    QString field(const char *name) { return viewer->findChild<QLineEdit *>(name)->text(); }
    QString sizeText() { return viewer->findChild<QLabel *>("nbOfBytesLabel")->text(); }
    QStringList labels() { return ViewerPane::now(viewer).labels; }
    QStringList values() { return ViewerPane::now(viewer).values; }
    FloatingHexaViewer *floating();
    void clickByte(int byte);
    void verifyHighlight(int first, int end);

    QPointer<HexaViewer> viewer;
};

FloatingHexaViewer *TestHexaViewer::floating()
{
    const auto windows = QApplication::topLevelWidgets();
    FloatingHexaViewer *found = nullptr;
    for (QWidget *w : windows) {
        if (auto *f = qobject_cast<FloatingHexaViewer *>(w)) {
            if (found)
                qFatal("more than one floating viewer alive");
            found = f;
        }
    }
    return found;
}

void TestHexaViewer::clickByte(int byte)
{
    QTableWidget *t = table();
    const QRect rect = t->visualItemRect(t->item(byte / 16, byte % 16));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

void TestHexaViewer::verifyHighlight(int first, int end)
{
    for (int i = 0; i < 256; ++i) {
        const QColor expected = (i >= first && i < end) ? QColor(Qt::white) : kGrey;
        if (cell(i)->background().color() != expected)
            QFAIL(qPrintable(QStringLiteral("byte %1 has background %2")
                                 .arg(i)
                                 .arg(cell(i)->background().color().name())));
    }
}

void TestHexaViewer::init()
{
    // Each test starts from a fresh viewer: destroying the old one must leave
    // getInstance() able to build a new one.
    delete viewer;
    viewer = HexaViewer::getInstance();
    viewer->resize(1000, 600);
    viewer->show();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
}

void TestHexaViewer::cleanupTestCase()
{
    delete viewer;
    viewer = nullptr;
}

void TestHexaViewer::singleInstance()
{
    QCOMPARE(HexaViewer::getInstance(), viewer);
    QCOMPARE(HexaViewer::getInstance(), HexaViewer::getInstance());
    QVERIFY(viewer->parentWidget() == nullptr);
}

void TestHexaViewer::instanceSurvivesHolderDestruction()
{
    // A main window places the viewer in a tab; closing that window destroys it.
    Image image = loadSample("hdmi-tv");
    for (int round = 0; round < 3; ++round) {
        auto *holder = new QWidget;
        QPointer<HexaViewer> held = HexaViewer::getInstance();
        held->setParent(holder);
        held->displayByteArray(image.data());
        delete holder;
        QVERIFY(held.isNull());

        HexaViewer *fresh = HexaViewer::getInstance();
        QVERIFY(fresh);
        QVERIFY(fresh->parentWidget() == nullptr);
        fresh->displayByteArray(image.data());
        fresh->updateByteArray(image.data(), image.data(), 8, 17);
        QCOMPARE(fresh->findChild<QTableWidget *>("displayByteArray")->item(0, 1)->text(),
                 QStringLiteral("FF"));
        QVERIFY(floating());   // the old floating window went with its viewer
    }
    viewer = HexaViewer::getInstance();
}

void TestHexaViewer::formSettings()
{
    QTableWidget *t = table();
    QCOMPARE(t->rowCount(), 16);
    QCOMPARE(t->columnCount(), 16);
    QCOMPARE(t->horizontalHeaderItem(0)->text(), QStringLiteral("00"));
    QCOMPARE(t->horizontalHeaderItem(15)->text(), QStringLiteral("0F"));
    QCOMPARE(t->verticalHeaderItem(1)->text(), QStringLiteral("10"));
    QCOMPARE(t->verticalHeaderItem(15)->text(), QStringLiteral("F0"));
    QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!t->horizontalHeader()->isEnabled());
    QVERIFY(!t->verticalHeader()->isEnabled());
    QVERIFY(t->horizontalHeader()->isVisible());
    QCOMPARE(field("blockName"), QString());
    QCOMPARE(sizeText(), QStringLiteral("size: 0 Bytes"));
    for (int i = 0; i < 256; ++i) {
        QVERIFY(cell(i)->text().isEmpty());
        QCOMPARE(cell(i)->background().color(), kGrey);
        QCOMPARE(cell(i)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignVCenter));
    }

    // Double-clicking a cell opens no editor.
    const QRect rect = t->visualItemRect(cell(20));
    QTest::mouseDClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QVERIFY(!t->findChild<QLineEdit *>());
}

void TestHexaViewer::toolTips_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<QString>("tip");
    const struct { int byte; const char *tip; } rows[] = {
        {0, "Header"}, {7, "Header"}, {8, "ID Manufacturer Name"}, {11, "ID Product Code"},
        {12, "ID Serial Number"}, {15, "ID Serial Number"}, {16, "Week of Manufacture"},
        {17, "Year of Manufacture"}, {18, "EDID Version Number"}, {19, "EDID Revision Number"},
        {20, "Video Input Definition"}, {21, "H. Screen Size"}, {22, "V. Screen Size"},
        {23, "Gamma"}, {24, "Feature Support"}, {25, "Color Characteristics"},
        {34, "Color Characteristics"}, {36, "Established Timings"}, {37, "Manufacturer Timing"},
        {38, "Standard Timings"}, {53, "Standard Timings"}, {54, "Preferred Timing Block"},
        {71, "Preferred Timing Block"}, {72, "Descriptor Block 2"}, {107, "Descriptor Block 3"},
        {108, "Descriptor Block 4"}, {125, "Descriptor Block 4"}, {126, "Extension count"},
        {127, "Checksum"}, {128, "Extension Data"}, {255, "Extension Data"},
    };
    for (const auto &row : rows)
        QTest::addRow("byte %d", row.byte) << row.byte << QString::fromLatin1(row.tip);
}

void TestHexaViewer::toolTips()
{
    QFETCH(int, byte);
    QFETCH(QString, tip);
    QCOMPARE(cell(byte)->toolTip(), tip);
}

void TestHexaViewer::displayShowsImageInBlack()
{
    Image image = loadSample("hdmi-tv");
    viewer->displayByteArray(image.data());
    for (int i = 0; i < 256; ++i) {
        QCOMPARE(cell(i)->text(), QStringLiteral("%1").arg(image[i], 2, 16, QChar('0')).toUpper());
        QCOMPARE(cell(i)->foreground().color(), QColor(Qt::black));
    }
    QCOMPARE(cell(1)->text(), QStringLiteral("FF"));
    QVERIFY(cell(0)->isSelected());
    QCOMPARE(field("blockName"), QStringLiteral("Header"));
    verifyHighlight(0, 8);
}

void TestHexaViewer::changedBytesAreRed()
{
    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    viewer->displayByteArray(reference.data());

    working[10] ^= 0x01;
    working[127] = u8(working[127] + 1);
    working[200] = u8(working[200] + 0x10);
    viewer->updateByteArray(reference.data(), working.data(), 0, 255);

    for (int i = 0; i < 256; ++i) {
        const bool changed = i == 10 || i == 127 || i == 200;
        QCOMPARE(cell(i)->foreground().color(), changed ? QColor(255, 0, 0) : QColor(Qt::black));
        QCOMPARE(cell(i)->text().toInt(nullptr, 16), int(working[i]));
    }

    // Putting the bytes back turns them black at the next refresh.
    working = reference;
    viewer->updateByteArray(reference.data(), working.data(), 8, 17);
    viewer->updateByteArray(reference.data(), working.data(), 128, 255);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(cell(i)->foreground().color(), QColor(Qt::black));
}

void TestHexaViewer::updateRepaintsOnlyRangeAndChecksum()
{
    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    viewer->displayByteArray(reference.data());

    for (int i : {5, 19, 20, 25, 26, 127, 255})
        working[i] = u8(~working[i]);

    viewer->updateByteArray(reference.data(), working.data(), 20, 25);
    for (int i = 0; i < 256; ++i) {
        const bool repainted = (i >= 20 && i <= 25) || i == 127;
        const u8 shown = repainted ? working[i] : reference[i];
        QCOMPARE(cell(i)->text().toInt(nullptr, 16), int(shown));
        const bool red = repainted && working[i] != reference[i];
        QCOMPARE(cell(i)->foreground().color(), red ? QColor(255, 0, 0) : QColor(Qt::black));
    }

    // The extension range takes byte 255 and still byte 127.
    working[127] = u8(reference[127] + 7);
    viewer->updateByteArray(reference.data(), working.data(), 128, 255);
    QCOMPARE(cell(255)->text().toInt(nullptr, 16), int(working[255]));
    QCOMPARE(cell(255)->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(cell(127)->text().toInt(nullptr, 16), int(working[127]));
    QCOMPARE(cell(5)->text().toInt(nullptr, 16), int(reference[5]));

    // An empty range (first above last) still refreshes the checksum.
    working[127] = reference[127];
    viewer->updateByteArray(reference.data(), working.data(), 30, 29);
    QCOMPARE(cell(127)->foreground().color(), QColor(Qt::black));
    QCOMPARE(cell(5)->text().toInt(nullptr, 16), int(reference[5]));
}

void TestHexaViewer::updateOutOfRangeIsHarmless()
{
    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    working[0] = 0x12;
    viewer->displayByteArray(reference.data());
    viewer->updateByteArray(reference.data(), working.data(), -5, 300);
    QCOMPARE(cell(0)->text(), QStringLiteral("12"));
    viewer->highlight(-3, 400);
    verifyHighlight(0, 256);
    viewer->displayByteArray(nullptr);
    viewer->updateByteArray(nullptr, working.data(), 0, 10);
    QCOMPARE(cell(0)->text(), QStringLiteral("12"));
}

void TestHexaViewer::saveClearsMarking()
{
    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    viewer->displayByteArray(reference.data());
    working[23] = u8(working[23] + 1);
    working[127] = u8(working[127] - 1);
    viewer->updateByteArray(reference.data(), working.data(), 20, 25);
    viewer->highlight(20, 25);
    QCOMPARE(cell(23)->foreground().color(), QColor(255, 0, 0));

    viewer->saveByteArray();
    for (int i = 0; i < 256; ++i)
        QCOMPARE(cell(i)->foreground().color(), QColor(Qt::black));
    QCOMPARE(cell(23)->text().toInt(nullptr, 16), int(working[23]));
    verifyHighlight(20, 25);

    // The reference was not copied yet: the next refresh marks the byte again.
    viewer->updateByteArray(reference.data(), working.data(), 20, 25);
    QCOMPARE(cell(23)->foreground().color(), QColor(255, 0, 0));
}

void TestHexaViewer::clickReadsByte_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("hexa");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("ascii");

    QTest::newRow("letter A") << 0x41 << "41" << "65" << "A";
    QTest::newRow("zero") << 0x00 << "00" << "0" << "";
    QTest::newRow("line feed") << 0x0A << "0A" << "10" << "\n";
    QTest::newRow("tilde") << 0x7E << "7E" << "126" << "~";
    QTest::newRow("high byte") << 0xC3 << "C3" << "195" << QString(QChar(0xFFFD));
    QTest::newRow("0x80") << 0x80 << "80" << "128" << QString(QChar(0xFFFD));
    QTest::newRow("FF") << 0xFF << "FF" << "255" << QString(QChar(0xFFFD));
}

void TestHexaViewer::clickReadsByte()
{
    QFETCH(int, value);
    QFETCH(QString, hexa);
    QFETCH(QString, decimal);
    QFETCH(QString, ascii);

    Image image{};
    image[45] = u8(value);
    viewer->displayByteArray(image.data());
    clickByte(45);

    QCOMPARE(field("hexaValueField"), hexa);
    QCOMPARE(field("decValueField"), decimal);
    QCOMPARE(field("asciiValueField"), ascii);
    QCOMPARE(field("blockName"), QStringLiteral("Standard Timings"));
}

void TestHexaViewer::clickBeforeImageReadsZero()
{
    clickByte(0);
    QCOMPARE(field("hexaValueField"), QString());
    QCOMPARE(field("decValueField"), QStringLiteral("0"));
    QCOMPARE(field("asciiValueField"), QString());
    // The header description is composed by the viewer itself.
    QCOMPARE(field("blockName"), QStringLiteral("Header"));
    QCOMPARE(labels(), (QStringList{"Byte 0", "Byte 1", "Byte 2", "Byte 3", "Byte 4", "Byte 5",
                                    "Byte 6", "Byte 7"}));
    QCOMPARE(values(), (QStringList{"00", "FF", "FF", "FF", "FF", "FF", "FF", "00"}));
}

void TestHexaViewer::clickRoutesToSection_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("cea");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");

    QTest::newRow("header") << 3 << false << "Header" << 0 << 8;
    QTest::newRow("vendor first") << 8 << false << "Vendor & Product ID" << 8 << 18;
    QTest::newRow("vendor last") << 17 << true << "Vendor & Product ID" << 8 << 18;
    QTest::newRow("version") << 19 << false << "Version / Revision" << 18 << 20;
    QTest::newRow("display params") << 24 << false << "Display Parameters" << 20 << 25;
    QTest::newRow("colour") << 25 << false << "Color Characteristics" << 25 << 35;
    QTest::newRow("established") << 37 << false << "Established Timings" << 35 << 38;
    QTest::newRow("standard") << 38 << false << "Standard Timings" << 38 << 54;
    QTest::newRow("slot 0") << 71 << false << "Detailed Timings Block" << 54 << 72;
    QTest::newRow("slot 1") << 72 << false << "Monitor Descriptor Block 2" << 72 << 90;
    QTest::newRow("slot 2") << 100 << false << "Monitor Descriptor Block 3" << 90 << 108;
    QTest::newRow("slot 3") << 125 << false << "Monitor Descriptor Block 4" << 108 << 126;
    QTest::newRow("ext count") << 126 << false << "Extension Block Count" << 126 << 127;
    QTest::newRow("checksum") << 127 << true << "Checksum" << 127 << 128;
    QTest::newRow("no cea 130") << 130 << false << "Extention Block" << 128 << 256;
    QTest::newRow("no cea 255") << 255 << false << "Extention Block" << 128 << 256;
    QTest::newRow("cea 130") << 130 << true << "CEA Flag & Version" << 128 << 131;
    QTest::newRow("cea 131") << 131 << true << "Monitor Support (CEA)" << 131 << 132;
    QTest::newRow("cea 200") << 200 << true << "Descriptor Blocks (CEA)" << 132 << 254;
    QTest::newRow("cea 253") << 253 << true << "Descriptor Blocks (CEA)" << 132 << 254;
    QTest::newRow("cea 254") << 254 << true << "End of zero padding" << 254 << 255;
    QTest::newRow("cea 255") << 255 << true << "Checksum" << 255 << 256;
}

void TestHexaViewer::clickRoutesToSection()
{
    QFETCH(int, byte);
    QFETCH(bool, cea);
    QFETCH(QString, title);
    QFETCH(int, first);
    QFETCH(int, end);

    Image image = loadSample("hdmi-tv");
    viewer->displayByteArray(image.data());
    viewer->setIsCEA(cea);
    clickByte(byte);
    QCOMPARE(field("blockName"), title);
    verifyHighlight(first, end);
    QCOMPARE(field("hexaValueField"), cell(byte)->text());
}

void TestHexaViewer::descriptionOperations_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("end");

    QTest::newRow("header") << 0 << "Header" << "Size: 8 Bytes" << 0 << 8;
    QTest::newRow("vendor") << 1 << "Vendor & Product ID" << "Size: 10 Bytes" << 8 << 18;
    QTest::newRow("version") << 2 << "Version / Revision" << "Size: 2 Bytes" << 18 << 20;
    QTest::newRow("params") << 3 << "Display Parameters" << "Size: 5 Bytes" << 20 << 25;
    QTest::newRow("colour") << 4 << "Color Characteristics" << "Size: 10 Bytes" << 25 << 35;
    QTest::newRow("established") << 5 << "Established Timings" << "Size: 3 Bytes" << 35 << 38;
    QTest::newRow("standard") << 6 << "Standard Timings" << "Size: 16 Bytes" << 38 << 54;
    QTest::newRow("detailed") << 7 << "Detailed Timings Block" << "Size: 18 Bytes" << 54 << 72;
    QTest::newRow("block 2") << 8 << "Monitor Descriptor Block 2" << "Size: 18 Bytes" << 72 << 90;
    QTest::newRow("block 3") << 9 << "Monitor Descriptor Block 3" << "Size: 18 Bytes" << 90 << 108;
    QTest::newRow("block 4") << 10 << "Monitor Descriptor Block 4" << "Size: 18 Bytes" << 108
                             << 126;
    QTest::newRow("ext count") << 11 << "Extension Block Count" << "Size: 1 Byte" << 126 << 127;
    QTest::newRow("checksum") << 12 << "Checksum" << "Size: 1 Byte" << 127 << 128;
    QTest::newRow("extension") << 13 << "Extention Block" << "Size: 128 Byte" << 128 << 256;
    QTest::newRow("cea basic") << 14 << "CEA Flag & Version" << "Size: 2 Bytes" << 128 << 131;
    QTest::newRow("cea support") << 15 << "Monitor Support (CEA)" << "Size: 1 Byte" << 131 << 132;
    QTest::newRow("cea blocks") << 16 << "Descriptor Blocks (CEA)" << "Size: 122 Bytes" << 132
                                << 254;
    QTest::newRow("padding") << 17 << "End of zero padding" << "Size: 1 Bytes" << 254 << 255;
}

void TestHexaViewer::descriptionOperations()
{
    QFETCH(int, op);
    QFETCH(QString, title);
    QFETCH(QString, size);
    QFETCH(int, first);
    QFETCH(int, end);

    using Operation = std::function<void(HexaViewer *)>;
    const std::vector<Operation> ops = {
        &HexaViewer::displayHeaderInfo,          &HexaViewer::displayVendorProductIDInfo,
        &HexaViewer::displayVersionRevisionInfo, &HexaViewer::displayDisplayParameters,
        &HexaViewer::displayColorCharactInfo,    &HexaViewer::displayEstabTimingsInfo,
        &HexaViewer::displayStandTimingsInfo,    &HexaViewer::displayDetailedTimingsInfo,
        &HexaViewer::displayMonitorDescBlock2Info, &HexaViewer::displayMonitorDescBlock3Info,
        &HexaViewer::displayMonitorDescBlock4Info, &HexaViewer::displayExtensionBlockCountInfo,
        &HexaViewer::displayChecksumInfo,        &HexaViewer::displayCEAExtensionInfo,
        &HexaViewer::displayCEABasicInfo,        &HexaViewer::displayCEAMonitorSupportInfo,
        &HexaViewer::displayCEADataBlockInfo,    &HexaViewer::displayPaddingBlockInfo,
    };

    // Start from a different section so that the old highlight must be cleared.
    viewer->highlight(100, 140);
    ops.at(size_t(op))(viewer);
    QCOMPARE(field("blockName"), title);
    QCOMPARE(sizeText(), size);
    verifyHighlight(first, end);
}

void TestHexaViewer::highlightMovesWhiteRange()
{
    viewer->highlight(8, 18);
    verifyHighlight(8, 18);
    viewer->highlight(0, 256);
    verifyHighlight(0, 256);
    viewer->highlight(30, 30);
    verifyHighlight(0, 0);
}

void TestHexaViewer::setterStoresAndShowsRows()
{
    const StringInfo rows{{"Manufacturer", "QBL"}, {"Features", "~"}, {"sRGB", "YES"}};
    struct Setter { void (HexaViewer::*set)(StringInfo); const char *title; int first; int end; };
    const Setter setters[] = {
        {&HexaViewer::setVendorProductStringInfo, "Vendor & Product ID", 8, 18},
        {&HexaViewer::setDisplayParamsStringInfo, "Display Parameters", 20, 25},
        {&HexaViewer::setColorCharactStringInfo, "Color Characteristics", 25, 35},
        {&HexaViewer::setEstabTimingsStringInfo, "Established Timings", 35, 38},
        {&HexaViewer::setExtBlockCountInfo, "Extension Block Count", 126, 127},
        {&HexaViewer::setCEABasicInfo, "CEA Flag & Version", 128, 131},
        {&HexaViewer::setCEAMonitorSupportInfo, "Monitor Support (CEA)", 131, 132},
    };
    for (const Setter &s : setters) {
        viewer->displayChecksumInfo();
        (viewer->*s.set)(rows);
        QCOMPARE(field("blockName"), QString::fromLatin1(s.title));
        QCOMPARE(labels(), (QStringList{"Manufacturer", "Features", "sRGB"}));
        QCOMPARE(values(), (QStringList{"QBL", "~", "YES"}));
        verifyHighlight(s.first, s.end);
    }

    // The rows are kept: another section shown in between does not lose them.
    viewer->setVendorProductStringInfo({{"Product", "1234"}});
    viewer->displayHeaderInfo();
    viewer->setIsCEA(true);
    clickByte(130);
    QCOMPARE(labels(), (QStringList{"Manufacturer", "Features", "sRGB"}));
    clickByte(9);
    QCOMPARE(labels(), QStringList{"Product"});
    QCOMPARE(values(), QStringList{"1234"});
}

void TestHexaViewer::emptySetterStillShowsSection()
{
    viewer->setColorCharactStringInfo({{"Red x", "0.640"}});
    viewer->setColorCharactStringInfo(StringInfo());
    QCOMPARE(field("blockName"), QStringLiteral("Color Characteristics"));
    QCOMPARE(sizeText(), QStringLiteral("Size: 10 Bytes"));
    QVERIFY(labels().isEmpty());
    QVERIFY(values().isEmpty());
    verifyHighlight(25, 35);
}

void TestHexaViewer::versionRevisionSetter()
{
    viewer->setVersionRevisionStringInfo({"Version", "Revision"}, {"1", "4"});
    QCOMPARE(field("blockName"), QStringLiteral("Version / Revision"));
    QCOMPARE(labels(), (QStringList{"Version", "Revision"}));
    QCOMPARE(values(), (QStringList{"1", "4"}));
    verifyHighlight(18, 20);
}

void TestHexaViewer::standardTimingsJoinItems()
{
    viewer->setStdTimingsStringInfo({{"Resolution", "1920 x 1080"}, {"Rate", "60 Hz"}}, 2);
    QCOMPARE(field("blockName"), QStringLiteral("Standard Timings"));
    QCOMPARE(labels(), (QStringList{"Standard Timing 3", ""}));
    QCOMPARE(values(), (QStringList{"Resolution: 1920 x 1080", "Rate: 60 Hz"}));
    verifyHighlight(38, 54);

    viewer->setStdTimingsStringInfo({{"Unused", "~"}}, 0);
    viewer->setStdTimingsStringInfo({{"Resolution", "1280 x 1024"}}, 7);
    QCOMPARE(labels(), (QStringList{"Standard Timing 1", "Standard Timing 3", "",
                                    "Standard Timing 8"}));
    QCOMPARE(values(), (QStringList{"Unused: ~", "Resolution: 1920 x 1080", "Rate: 60 Hz",
                                    "Resolution: 1280 x 1024"}));

    // An empty list removes that item's rows, heading included.
    viewer->setStdTimingsStringInfo(StringInfo(), 2);
    QCOMPARE(labels(), (QStringList{"Standard Timing 1", "Standard Timing 8"}));
    QCOMPARE(values(), (QStringList{"Unused: ~", "Resolution: 1280 x 1024"}));
}

void TestHexaViewer::monitorDescriptorSlots()
{
    const char *titles[] = {"Detailed Timings Block", "Monitor Descriptor Block 2",
                            "Monitor Descriptor Block 3", "Monitor Descriptor Block 4"};
    for (int slot = 0; slot < 4; ++slot) {
        viewer->setMonitorDescStringInfo({{"Slot", QString::number(slot)}}, slot);
        QCOMPARE(field("blockName"), QString::fromLatin1(titles[slot]));
        QCOMPARE(sizeText(), QStringLiteral("Size: 18 Bytes"));
        QCOMPARE(values(), QStringList{QString::number(slot)});
        verifyHighlight(54 + 18 * slot, 72 + 18 * slot);
    }
    // Each slot keeps its own rows.
    clickByte(95);
    QCOMPARE(values(), QStringList{"2"});
    clickByte(54);
    QCOMPARE(values(), QStringList{"0"});
}

void TestHexaViewer::invalidIndexesAreIgnored()
{
    viewer->setMonitorDescStringInfo({{"Slot", "1"}}, 1);
    viewer->setStdTimingsStringInfo({{"Rate", "60"}}, 8);
    viewer->setStdTimingsStringInfo({{"Rate", "60"}}, -1);
    viewer->setMonitorDescStringInfo({{"Slot", "4"}}, 4);
    viewer->setMonitorDescStringInfo({{"Slot", "-1"}}, -1);
    // Nothing was stored or shown: the pane still describes slot 1.
    QCOMPARE(field("blockName"), QStringLiteral("Monitor Descriptor Block 2"));
    QCOMPARE(values(), QStringList{"1"});
    viewer->displayStandTimingsInfo();
    QVERIFY(labels().isEmpty());
}

void TestHexaViewer::composedDescriptions()
{
    viewer->setVendorProductStringInfo({{"Manufacturer", "QBL"}});
    viewer->displayChecksumInfo();
    QCOMPARE(labels(), QStringList{"Checksum"});
    QCOMPARE(values(), QStringList{"Checksum"});

    viewer->displayCEADataBlockInfo();
    QVERIFY(labels().isEmpty());
    QVERIFY(values().isEmpty());

    // Back to a stored section: the value list shows its own model again.
    viewer->displayVendorProductIDInfo();
    QCOMPARE(labels(), QStringList{"Manufacturer"});
    QCOMPARE(values(), QStringList{"QBL"});
    auto *descList = viewer->findChild<QListView *>("descList");
    auto *valueList = viewer->findChild<QListView *>("valueList");
    QVERIFY(descList->model() != valueList->model());

    // Switching the models back and forth does not pile up selection models.
    const int before = valueList->findChildren<QItemSelectionModel *>().size();
    for (int i = 0; i < 50; ++i) {
        viewer->displayChecksumInfo();
        viewer->displayVendorProductIDInfo();
    }
    QCOMPARE(valueList->findChildren<QItemSelectionModel *>().size(), before);
}

void TestHexaViewer::updateRedescribesCurrentCell()
{
    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    viewer->displayByteArray(reference.data());
    viewer->setVendorProductStringInfo({{"Serial", "1"}});

    clickByte(12);
    QCOMPARE(field("blockName"), QStringLiteral("Vendor & Product ID"));

    // A panel of another section writes its bytes: the pane goes back to the
    // clicked cell's section and reads its new value.
    viewer->setEstabTimingsStringInfo({{"720 x 400 @ 70Hz", "YES"}});
    QCOMPARE(field("blockName"), QStringLiteral("Established Timings"));
    working[12] = 0x41;
    viewer->updateByteArray(reference.data(), working.data(), 12, 12);
    QCOMPARE(field("blockName"), QStringLiteral("Vendor & Product ID"));
    QCOMPARE(field("hexaValueField"), QStringLiteral("41"));
    QCOMPARE(field("decValueField"), QStringLiteral("65"));
    QCOMPARE(field("asciiValueField"), QStringLiteral("A"));
}

void TestHexaViewer::floatingViewerMirrorsTable()
{
    FloatingHexaViewer *f = floating();
    QVERIFY(f);
    QCOMPARE(f->windowTitle(), QStringLiteral("HexaDecimal View"));
    QTableWidget *ft = f->findChild<QTableWidget *>("displayByteArray");
    QVERIFY(ft);

    Image reference = loadSample("hdmi-tv");
    Image working = reference;
    viewer->displayByteArray(reference.data());
    working[9] = u8(working[9] + 1);
    working[127] = u8(working[127] - 1);
    working[140] = 0x55;
    viewer->updateByteArray(reference.data(), working.data(), 8, 17);

    for (int i = 0; i < 256; ++i) {
        QTableWidgetItem *fc = ft->item(i / 16, i % 16);
        QCOMPARE(fc->text(), cell(i)->text());
        const bool red = i == 9 || i == 127;
        QCOMPARE(fc->foreground().color(), red ? QColor(255, 0, 0) : QColor(Qt::lightGray));
        QCOMPARE(cell(i)->foreground().color(), red ? QColor(255, 0, 0) : QColor(Qt::black));
    }
    QCOMPARE(ft->item(140 / 16, 140 % 16)->text().toInt(nullptr, 16), int(reference[140]));
}

void TestHexaViewer::floatingWindowCommands()
{
    FloatingHexaViewer *f = floating();
    QVERIFY(f);
    QVERIFY(!f->isVisible());

    // Closed: raising does nothing.
    viewer->raiseFloatingWindow(true);
    QVERIFY(!f->isVisible());
    QVERIFY(!f->isRaised());

    const QString style = QStringLiteral("#titleFrame { background: #202020; }");
    viewer->openFloatingWindow(style);
    QVERIFY(f->isVisible());
    QVERIFY(f->isRaised());
    QCOMPARE(f->styleSheet(), style);
    QVERIFY((f->windowFlags() & ~Qt::WindowType_Mask)
            == (Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint));
    QVERIFY(f->isWindow());
    f->move(120, 80);
    const QPoint where = f->pos();

    viewer->raiseFloatingWindow(false);
    QVERIFY(!f->isVisible());
    QVERIFY(f->isRaised());
    viewer->raiseFloatingWindow(true);
    QVERIFY(f->isVisible());
    QCOMPARE(f->pos(), where);
    QVERIFY(f->windowFlags() & Qt::FramelessWindowHint);

    viewer->closeFloatingWindow();
    QVERIFY(!f->isVisible());
    QVERIFY(!f->isRaised());
    viewer->raiseFloatingWindow(true);
    QVERIFY(!f->isVisible());
}

QTEST_MAIN(TestHexaViewer)
#include "tst_hexaviewer.moc"
