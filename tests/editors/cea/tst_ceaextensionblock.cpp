#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "ceaaudiodescriptor.h"
#include "ceadetailedtimingdescriptor.h"
#include "ceaextensionblock.h"
#include "ceakeptdescriptor.h"
#include "ceapage.h"
#include "ceahelpblock.h"
#include "ceaspeakerallocationblock.h"
#include "ceavendordescriptor.h"
#include "ceavideodescriptor.h"
#include "testsupport.h"

namespace {

const char *const warningTitle = "CEA extention warning";
const char *const warningText =
    "CEA Extension size exceeded.\nThe blocks in red will not be added to the EDID.";

QByteArray withChecksum(QByteArray ext)
{
    fixChecksum(ext, 0);
    return ext;
}

QByteArray raw(int tag, int payloadSize, char fill)
{
    return QByteArray(1, static_cast<char>((tag << 5) | payloadSize)) + QByteArray(payloadSize, fill);
}

// The page with a count of its assemblies.
struct Page : CEAPage {
    int assemblies = 0;

    Page()
    {
        QObject::connect(&page, &CEAExtensionBlock::valueChanged, [this]() { ++assemblies; });
    }
    template <typename T> T *child(const char *name) { return page.findChild<T *>(name); }
    void addKind(const QString &name)
    {
        QListWidget *types = child<QListWidget>("blockTypeList");
        QList<QListWidgetItem *> items = types->findItems(name, Qt::MatchExactly);
        QVERIFY(!items.isEmpty());
        types->setCurrentItem(items.first());
        child<QPushButton>("addBlockButton")->click();
    }
    CEADetailedTimingDescriptor *timingEditor(int row) { return editorAt<CEADetailedTimingDescriptor>(row); }
    // Selects the editor of class T and clicks its button `name`.
    template <typename T> void click(const char *name)
    {
        int row = -1;
        T *block = editor<T>(&row);
        QVERIFY(block);
        select(row);
        QPushButton *button = block->template findChild<QPushButton *>(name);
        QVERIFY(button && button->isEnabled());
        button->click();
    }
    void removeRow(int row)
    {
        select(row);
        child<QPushButton>("removeBlockButton")->click();
    }
    // One edit of the user's, by name; the timing removed is the current tab.
    void apply(const QString &edit)
    {
        if (edit == "VIC added")
            click<CEAVideoDescriptor>("addVideoItemButton");
        else if (edit == "VIC removed")
            click<CEAVideoDescriptor>("delVideoItemButton");
        else if (edit == "audio descriptor added")
            click<CEAAudioDescriptor>("addAudioTabButton");
        else if (edit == "vendor byte added")
            click<CEAVendorSpecificDescriptor>("addVSDBButton");
        else if (edit == "block added")
            addKind("Speaker allocation");
        else if (edit == "block removed")
            removeRow(rows().indexOf(QRegularExpression("^Speaker allocation .*")));
        else if (edit == "timing added")
            click<CEADetailedTimingDescriptor>("addDTDTabButton");
        else if (edit == "timing removed")
            click<CEADetailedTimingDescriptor>("delDTDTabButton");
        else if (edit == "version 2" || edit == "version 3")
            child<QRadioButton>(edit == "version 2" ? "version2RB" : "version3RB")->click();
        else
            QFAIL(qPrintable("no such edit: " + edit));
    }
};

// Display descriptors as monitors put them among the extension's timings.
const QByteArray serialUnit = QByteArray::fromHex("000000ff00") + QByteArray("110MXYZ123\n  ");
const QByteArray dummyUnit = QByteArray::fromHex("0000001000") + QByteArray(13, '\0');

bool isTiming(const QByteArray &unit)
{
    return unit[0] != 0 || unit[1] != 0;
}

// Timing k of a sample's extension.
QByteArray sampleTiming(const QString &sample, int k)
{
    const QByteArray image = readSample(sample);
    return image.mid(128 + static_cast<unsigned char>(image[130]) + 18 * k, 18);
}

// A sample whose timing area holds `units` instead of its own.
QByteArray withUnits(const QString &sample, const QList<QByteArray> &units)
{
    QByteArray image = readSample(sample).left(256);
    const int d = static_cast<unsigned char>(image[130]);
    image.replace(128 + d, 127 - d, QByteArray(127 - d, '\0'));
    int at = 128 + d;
    for (const QByteArray &unit : units) {
        image.replace(at, 18, unit);
        at += 18;
    }
    fixChecksum(image, 128);
    return image;
}

QList<QByteArray> serialAfterTimings()
{
    return {sampleTiming("hdmi-tv", 0), sampleTiming("hdmi-tv", 1), serialUnit};
}

QList<QByteArray> dummiesAfterTiming()
{
    return {sampleTiming("video-format-preference", 0), dummyUnit, dummyUnit};
}

QList<QByteArray> serialBetweenTimings()
{
    return {sampleTiming("hdmi-tv", 0), serialUnit, sampleTiming("hdmi-tv", 1)};
}

// The extension's timing area as two kinds of reader take it: the 18-byte
// units from d up to the first all-zero one, and every 18-byte slot from d
// whose pixel clock is set.
QList<QByteArray> unitsToFirstZero(const QByteArray &ext)
{
    QList<QByteArray> units;
    for (int at = static_cast<unsigned char>(ext[2]); at + 18 <= 127; at += 18) {
        const QByteArray unit = ext.mid(at, 18);
        if (unit.count('\0') == 18)
            break;
        units << unit;
    }
    return units;
}

QList<QByteArray> timingSlots(const QByteArray &ext)
{
    QList<QByteArray> timings;
    for (int at = static_cast<unsigned char>(ext[2]); at + 18 <= 127; at += 18) {
        if (isTiming(ext.mid(at, 18)))
            timings << ext.mid(at, 18);
    }
    return timings;
}

// edid-decode's reading of the display descriptors of the extension, and
// every complaint it makes about descriptors; empty without the tool.
QStringList decodedDescriptors(const QByteArray &image)
{
    const QString decoder = QStandardPaths::findExecutable("edid-decode");
    if (decoder.isEmpty())
        return {};
    QTemporaryFile file;
    if (!file.open())
        return {"no temporary file"};
    file.write(image);
    file.close();
    QProcess run;
    run.start(decoder, {file.fileName()});
    if (!run.waitForFinished(10000))
        return {"edid-decode did not finish"};
    const QStringList lines = QString::fromLatin1(run.readAllStandardOutput()).split('\n');
    QStringList found;
    bool inExtension = false;
    for (const QString &line : lines) {
        if (line.startsWith("Block 1,"))
            inExtension = true;
        const bool descriptor = inExtension && line.startsWith("    ") && !line.startsWith("     ")
                                && !line.startsWith("    DTD");
        if (line.contains("Display Descriptor") || line.contains("descriptor ordering")
            || (descriptor && line.contains("Descriptor")) || (descriptor && line.contains(": '")))
            found << line.trimmed();
    }
    return found;
}

} // namespace

class TestCEAExtensionBlock : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void loadsEveryBlockInOrder();
    void assembly_data();
    void assembly();
    void overBudget();
    void keepsLoadedLayout_data();
    void keepsLoadedLayout();
    void changeRewritesOnlyItsPart();
    void versionOneKeepsOnlyTimings();
    void addAndRemoveSelect();
    void lateEditingFinishedAfterRemoval();
    void nativeCountIsFourBits();
    void descriptorsMoveWithTimings_data();
    void descriptorsMoveWithTimings();
    void keptDescriptorRows();
    void contentDescriptorIsNeverCut();
    void dummiesGiveWay();
    void leftOutOnlyWhenLost_data();
    void leftOutOnlyWhenLost();
    void bytesPastTimingsMoveWithThem_data();
    void bytesPastTimingsMoveWithThem();
    void bytesPastTimingsThatNoLongerFit();
    void bytesInNoSlot();
};

// Every sound CEA extension among the sample images.
void TestCEAExtensionBlock::roundTrip_data()
{
    QTest::addColumn<QByteArray>("image");
    int rows = 0;
    for (const QString &name : sampleNames()) {
        const QByteArray image = readSample(name);
        if (image.size() < 256 || static_cast<unsigned char>(image[128]) != 0x02)
            continue;
        if (blockSum(image, 128) != 0)
            continue;
        QTest::newRow(qPrintable(name)) << image.left(256);
        ++rows;
    }
    QVERIFY(rows >= 5);
}

void TestCEAExtensionBlock::roundTrip()
{
    QFETCH(QByteArray, image);
    Page p;
    ModalCloser closer;
    const int result = p.load(image);
    QVERIFY(result == 0 || result == 2);
    const QByteArray file = image.mid(128, 128);

    QCOMPARE(p.page.getEDIDData(), file);
    QCOMPARE(p.images.workingBytes(128, 128), file);

    QCheckBox *underscan = p.child<QCheckBox>("underscanCB");
    underscan->click();
    QVERIFY(p.images.working[131] != static_cast<unsigned char>(file[3]));
    underscan->click();

    QCOMPARE(p.page.getEDIDData(), file);
    QCOMPARE(p.images.workingBytes(128, 128), file);
    QVERIFY(p.child<QLabel>("Totalsize")->styleSheet().isEmpty());
    QVERIFY(closer.titles.isEmpty());
}

void TestCEAExtensionBlock::loadsEveryBlockInOrder()
{
    Page p;
    // More than ten data blocks (nine blocks and seven reserved header bytes 0x00).
    p.load(readSample("more-than-ten-blocks"));
    QCOMPARE(p.rows().size(), 17);
    QCOMPARE(p.rows().at(9), QStringLiteral("Raw: Reserved (tag 0) (size = 1)"));
    QVERIFY(p.rows().last().startsWith("Detailed timing (size = 18)"));
    QCOMPARE(p.list()->currentRow(), 16);
    QVERIFY(p.page.getBlocks().last()->isVisible() || !p.page.isVisible());

    // Extended tag 6 is HDR static metadata: a data block, not the timing list.
    p.load(readSample("hdr-static-metadata"));
    QCOMPARE(p.rows().filter("HDR static metadata (tag 7, ext. tag 6)").size(), 1);
    QCOMPARE(p.rows().filter("Detailed timing").size(), 1);
    QCOMPARE(p.timingEditor(p.rows().size() - 1)->tabCount(), 1);

    // A timing whose pixel clock low byte is 0 is still a timing.
    p.load(readSample("dtd-clock-low-byte-zero"));
    QVERIFY(p.rows().last().startsWith("Detailed timing (size = 18)"));
}

void TestCEAExtensionBlock::assembly_data()
{
    QTest::addColumn<QByteArray>("image");     // empty: a reset page
    QTest::addColumn<QByteArray>("expected");  // the 128 assembled bytes
    QTest::addColumn<int>("total");

    QByteArray empty(128, '\0');
    empty[0] = 0x02;
    empty[1] = 0x03;
    empty[2] = 0x04;
    QTest::newRow("empty extension") << QByteArray() << withChecksum(empty) << 0;

    const QByteArray video = QByteArray::fromHex("421004");
    QTest::newRow("one video-like block")
        << ceaExtensionImage(video) << ceaExtensionImage(video).mid(128) << 3;

    // 3 x 32 + 27 bytes: all 123 bytes of offsets 4-126 used.
    const QByteArray full = raw(3, 31, 'a') + raw(3, 31, 'b') + raw(3, 31, 'c') + raw(1, 26, 'd');
    QTest::newRow("full 123 bytes") << ceaExtensionImage(full) << ceaExtensionImage(full).mid(128) << 123;

    // Blocks and six timings filling the extension to byte 126.
    const QByteArray timings = QByteArray(18 * 6, char(0x1D));
    const QByteArray someBlocks = raw(2, 10, 0x10) + raw(7, 3, 0x05);
    QTest::newRow("blocks then timings")
        << ceaExtensionImage(someBlocks, timings) << ceaExtensionImage(someBlocks, timings).mid(128) << 123;

    // A version outside 1-3 is written back, its blocks all assembled.
    const QByteArray odd = ceaExtensionImage(video, QByteArray(18, char(0x3A)), 7, 0xC1);
    QTest::newRow("unknown version kept") << odd << odd.mid(128) << 21;

    // An extended-tag block without payload, then one whose length runs past
    // the collection: kept whole, as loaded.
    QByteArray cut = ceaExtensionImage(QByteArray::fromHex("e03f010203"));
    QTest::newRow("length past collection") << cut << cut.mid(128) << 33;

    // Offset byte beyond the block: the collection stops before the checksum.
    QByteArray wide = ceaExtensionImage(QByteArray());
    wide[130] = char(0xFF);
    for (int i = 132; i < 255; ++i)
        wide[i] = char(0x20);  // 123 empty audio blocks
    fixChecksum(wide, 128);
    QTest::newRow("offset past the end") << wide << wide.mid(128) << 123;
}

void TestCEAExtensionBlock::assembly()
{
    QFETCH(QByteArray, image);
    QFETCH(QByteArray, expected);
    QFETCH(int, total);

    Page p;
    ModalCloser closer;
    if (image.isEmpty())
        p.page.resetFields(p.images.reference, p.images.working);
    else
        QCOMPARE(p.load(image), 0);
    QCOMPARE(p.page.getEDIDData(), expected);
    QCOMPARE(p.child<QLabel>("Totalsize")->text(), QStringLiteral("Total size = %1/123").arg(total));
    QVERIFY(p.child<QLabel>("Totalsize")->styleSheet().isEmpty());
    QVERIFY(closer.titles.isEmpty());
}

void TestCEAExtensionBlock::overBudget()
{
    Page p;
    ModalCloser closer;
    const QByteArray blocks = raw(3, 31, 'a') + raw(3, 31, 'b') + raw(3, 31, 'c');
    QCOMPARE(p.load(ceaExtensionImage(blocks)), 0);

    // While the box is open, a late edit asks for the bytes again: no second box.
    int nested = 0;
    closer.whileOpen = [&]() {
        QCOMPARE(p.page.getEDIDData().size(), 128);
        ++nested;
    };

    p.addKind("Detailed timing");
    CEADetailedTimingDescriptor *timings = p.timingEditor(3);
    QVERIFY(timings);
    QCOMPARE(p.list()->currentRow(), 3);
    QPushButton *addTab = timings->findChild<QPushButton *>("addDTDTabButton");
    addTab->click();
    addTab->click();

    QCOMPARE(closer.titles, QStringList({warningTitle}));
    QCOMPARE(closer.texts, QStringList({warningText}));
    QCOMPARE(nested, 1);
    QLabel *total = p.child<QLabel>("Totalsize");
    QCOMPARE(total->text(), QStringLiteral("Total size = 132/123"));
    QCOMPARE(total->styleSheet(), QStringLiteral("QLabel { background-color : red; color : Black; }"));
    QCOMPARE(p.rows().at(3), QStringLiteral("Detailed timing (size = 36)"));
    QCOMPARE(p.list()->item(3)->background().color(), QColor(Qt::red));
    QCOMPARE(p.list()->item(3)->foreground().color(), QColor(Qt::black));
    QCOMPARE(p.list()->item(0)->background().color(), QColor(33, 33, 33));
    QCOMPARE(p.list()->item(0)->foreground().color(), QColor(Qt::white));

    // The rejected timings are left out; the blocks that fit are written.
    const QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext, ceaExtensionImage(blocks).mid(128));
    QCOMPARE(p.images.workingBytes(128, 128), ext);

    // A later block is rejected too, even an empty one; no second box.
    p.addKind("Detailed timing");
    QCOMPARE(p.list()->item(4)->background().color(), QColor(Qt::red));
    QCOMPARE(closer.titles.size(), 1);

    // Removing the big timing list brings everything back within the budget.
    p.list()->setCurrentRow(3);
    p.child<QPushButton>("removeBlockButton")->click();
    QVERIFY(total->styleSheet().isEmpty());
    QCOMPARE(total->text(), QStringLiteral("Total size = 96/123"));
    for (int i = 0; i < p.list()->count(); ++i)
        QCOMPARE(p.list()->item(i)->background().color(), QColor(33, 33, 33));

    // Going beyond again shows the box again.
    p.list()->setCurrentRow(3);
    timings = p.timingEditor(3);
    for (int i = 0; i < 2; ++i)
        timings->findChild<QPushButton *>("addDTDTabButton")->click();
    QCOMPARE(closer.titles.size(), 2);

    // A reset page shows an empty budget, not the last count in red.
    p.page.resetFields(p.images.reference, p.images.working);
    QCOMPARE(total->text(), QStringLiteral("Total size = 0/123"));
    QVERIFY(total->styleSheet().isEmpty());
}

// Extensions whose bytes the assembly would not write this way itself: kept
// whole while nothing changes, also across a version switch and back.
void TestCEAExtensionBlock::keepsLoadedLayout_data()
{
    QTest::addColumn<QByteArray>("image");
    const QByteArray timing = readSample("hdmi-tv").mid(128 + 0x27, 18);
    const QByteArray video = QByteArray::fromHex("421004");

    QByteArray stray = ceaExtensionImage(video, timing);
    stray[132 + 3 + 18 + 5] = 0x1E;
    fixChecksum(stray, 128);
    QTest::newRow("stray byte after the last timing") << stray;

    QByteArray serial = ceaExtensionImage(video, timing + timing);
    const QByteArray text("SN0123456789A");
    serial.replace(132 + 3 + 36 + 20, text.size(), text);
    fixChecksum(serial, 128);
    QTest::newRow("serial text in the padding") << serial;

    // d = 0: no data blocks, no timings, yet bytes 132-200 hold data.
    QByteArray none = ceaExtensionImage(QByteArray());
    none[130] = 0;
    for (int i = 132; i <= 200; ++i)
        none[i] = char(i);
    fixChecksum(none, 128);
    QTest::newRow("offset 0 with data") << none;

    QTest::newRow("serial number after the timings") << withUnits("hdmi-tv", serialAfterTimings());
    QTest::newRow("two dummies after a timing")
        << withUnits("video-format-preference", dummiesAfterTiming());
    QTest::newRow("serial number between timings") << withUnits("hdmi-tv", serialBetweenTimings());

    // A reserved block whose length (16) runs past d = 16.
    QByteArray past = ceaExtensionImage(QByteArray::fromHex("d0") + QByteArray(16, char(0x33)));
    past[130] = 16;
    fixChecksum(past, 128);
    QTest::newRow("block past offset d") << past;
}

void TestCEAExtensionBlock::keepsLoadedLayout()
{
    QFETCH(QByteArray, image);
    Page p;
    ModalCloser closer;
    p.load(image);
    const QByteArray file = image.mid(128, 128);
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), file.toHex(' '));

    p.child<QRadioButton>("version3RB")->click();
    QVERIFY(p.child<QRadioButton>("version3RB")->isChecked());
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), file.toHex(' '));

    p.child<QRadioButton>("version2RB")->click();
    p.child<QRadioButton>("version3RB")->click();
    QCOMPARE(p.page.getEDIDData().toHex(' '), file.toHex(' '));
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), file.toHex(' '));
    QVERIFY(closer.titles.isEmpty());
}

// A change rewrites the blocks, timings and offset it touched; loaded bytes
// past the old content move as far as its end moved.
void TestCEAExtensionBlock::changeRewritesOnlyItsPart()
{
    const QByteArray timing = readSample("hdmi-tv").mid(128 + 0x27, 18);
    QByteArray image = ceaExtensionImage(QByteArray::fromHex("421004"), timing);
    const int stray = 4 + 3 + 18 + 40;
    image[128 + stray] = 0x5A;   // past the old content
    fixChecksum(image, 128);
    Page p;
    ModalCloser closer;
    p.load(image);

    // A second timing: written after the first, d and the blocks untouched,
    // the stray byte 18 further.
    p.click<CEADetailedTimingDescriptor>("addDTDTabButton");
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.left(4 + 3 + 18), image.mid(128, 4 + 3 + 18));
    QCOMPARE(ext.mid(4 + 3, 36), p.editor<CEADetailedTimingDescriptor>()->getEDIDData());
    QCOMPARE(ext.mid(4 + 3 + 36, 127 - 43).toHex(' '), image.mid(128 + 25, 127 - 43).toHex(' '));
    QCOMPARE(ext[stray + 18], char(0x5A));

    // Removed again: the extension is as loaded.
    QTabWidget *tabs = p.editor<CEADetailedTimingDescriptor>()->findChild<QTabWidget *>("tabDTD");
    tabs->setCurrentIndex(1);
    p.click<CEADetailedTimingDescriptor>("delDTDTabButton");
    QCOMPARE(p.page.getEDIDData().toHex(' '), image.mid(128).toHex(' '));

    // The first timing removed: the stray byte follows the blocks' end.
    p.list()->setCurrentRow(p.list()->count() - 1);
    p.child<QPushButton>("removeBlockButton")->click();
    ext = p.page.getEDIDData();
    QCOMPARE(int(ext[2]), 7);
    QCOMPARE(ext.mid(7, 120 - 18).toHex(' '), image.mid(128 + 25, 120 - 18).toHex(' '));
    QCOMPARE(ext.mid(109, 18), QByteArray(18, '\0'));
    QCOMPARE(ext[stray - 18], char(0x5A));
    QVERIFY(closer.titles.isEmpty());
}

void TestCEAExtensionBlock::versionOneKeepsOnlyTimings()
{
    Page p;
    const QByteArray image = readSample("hdmi-tv");
    p.load(image);
    const QByteArray file = image.mid(128, 128);
    const int d = static_cast<unsigned char>(file[2]);
    const int blockRows = p.rows().size() - 1;

    p.child<QRadioButton>("version1RB")->click();
    QListWidget *types = p.child<QListWidget>("blockTypeList");
    QCOMPARE(types->count(), 1);
    QCOMPARE(types->item(0)->text(), QStringLiteral("Detailed timing"));
    QVERIFY(!p.child<QWidget>("monitorSupportWidget")->isEnabled());
    QVERIFY(!p.child<QSpinBox>("nativeDTDSB")->isEnabled());
    for (int i = 0; i < blockRows; ++i)
        QVERIFY(p.list()->item(i)->isHidden());

    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(int(ext[1]), 1);
    QCOMPARE(int(ext[2]), 4);
    QCOMPARE(int(ext[3]), 0);
    QCOMPARE(ext.mid(4, 72), file.mid(d, 72));
    QCOMPARE(p.images.workingBytes(128, 128), ext);

    // Version 3 brings the blocks back with their data.
    p.child<QRadioButton>("version3RB")->click();
    QCOMPARE(types->count(), 13);
    ext = p.page.getEDIDData();
    QCOMPARE(int(ext[2]), d);
    QCOMPARE(ext.mid(4, d - 4 + 72), file.mid(4, d - 4 + 72));
    for (int i = 0; i < p.list()->count(); ++i)
        QVERIFY(!p.list()->item(i)->isHidden());
}

void TestCEAExtensionBlock::addAndRemoveSelect()
{
    Page p;
    p.page.resetFields(p.images.reference, p.images.working);
    p.page.show();
    QLabel *tutorial = p.child<QLabel>("noBlockLabel");
    ceaHelpBlock *help = p.page.findChild<ceaHelpBlock *>();
    QVERIFY(tutorial->isVisible());

    // Nothing selected in the type list: nothing added.
    p.child<QListWidget>("blockTypeList")->setCurrentRow(-1);
    const int before = p.assemblies;
    p.child<QPushButton>("addBlockButton")->click();
    QCOMPARE(p.page.getBlocks().size(), 0);
    QCOMPARE(p.assemblies, before);

    p.addKind("Detailed timing");
    p.addKind("Detailed timing");
    QCOMPARE(p.list()->currentRow(), 1);
    QVERIFY(p.page.getBlocks().at(1)->isVisible());
    QVERIFY(!p.page.getBlocks().at(0)->isVisible());
    QVERIFY(!tutorial->isVisible());

    // The help button shows the panel; removing the last row selects the new last.
    QToolButton *helpButton = p.page.getBlocks().at(1)->findChild<QToolButton *>("helpButton");
    helpButton->click();
    QVERIFY(help->isVisible());
    QCOMPARE(help->helpText(), p.page.getBlocks().at(1)->getHelpMessage());
    p.child<QPushButton>("removeBlockButton")->click();
    QCOMPARE(p.page.getBlocks().size(), 1);
    QCOMPARE(p.list()->currentRow(), 0);
    QVERIFY(!help->isVisible());

    p.child<QPushButton>("removeBlockButton")->click();
    QCOMPARE(p.list()->count(), 0);
    QVERIFY(tutorial->isVisible());
    QVERIFY(!help->isVisible());
    QVERIFY(!tutorial->pixmap(Qt::ReturnByValue).isNull());

    // Removing with nothing selected does nothing.
    const int count = p.assemblies;
    p.child<QPushButton>("removeBlockButton")->click();
    QCOMPARE(p.assemblies, count);
}

// A timing field holding the focus when its block goes must not reach the page.
void TestCEAExtensionBlock::lateEditingFinishedAfterRemoval()
{
    for (int viaReset = 0; viaReset < 2; ++viaReset) {
        Page p;
        ModalCloser closer;
        p.load(readSample("hdmi-tv"));
        p.page.show();
        QApplication::setActiveWindow(&p.page);
        QVERIFY(QTest::qWaitForWindowActive(&p.page));

        const int last = p.list()->count() - 1;
        QCOMPARE(p.list()->currentRow(), last);
        QTabWidget *tabs = p.timingEditor(last)->findChild<QTabWidget *>("tabDTD");
        QLineEdit *field = tabs->currentWidget()->findChild<QLineEdit *>("hImSizeField");
        QVERIFY(field);
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->setText("7");

        const int before = p.assemblies;
        if (viaReset)
            p.page.resetFields(p.images.reference, p.images.working);
        else
            p.child<QPushButton>("removeBlockButton")->click();
        QCOMPARE(p.assemblies, before + (viaReset ? 0 : 1));
        const QByteArray ext = p.page.getEDIDData();
        QCOMPARE(ext.size(), 128);
        if (!viaReset)
            QCOMPARE(ext.mid(4, 35), readSample("hdmi-tv").mid(132, 35));
    }
}

void TestCEAExtensionBlock::nativeCountIsFourBits()
{
    Page p;
    p.load(readSample("hdmi-tv"));
    QSpinBox *count = p.child<QSpinBox>("nativeDTDSB");
    QCOMPARE(count->value(), 1);
    QCOMPARE(count->maximum(), 15);
    count->setValue(15);
    emit count->editingFinished();
    QCOMPARE(p.images.working[131] & 0x0F, 15);
    QCOMPARE(p.images.working[131] & 0xF0, 0x70);
}

// Every edit that moves offset d or changes the timings: the timings and the
// descriptors stand whole at their new offsets, the padding after them is 0,
// and edid-decode reads the same descriptors as before.
void TestCEAExtensionBlock::descriptorsMoveWithTimings_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QList<QByteArray>>("units");
    QTest::addColumn<QString>("edit");

    const struct {
        const char *name;
        const char *sample;
        QList<QByteArray> units;
    } fixtures[] = {
        {"serial after", "hdmi-tv", serialAfterTimings()},
        {"dummies after", "video-format-preference", dummiesAfterTiming()},
        {"serial between", "hdmi-tv", serialBetweenTimings()},
    };
    const char *edits[] = {"VIC added", "VIC removed", "audio descriptor added", "block added",
                           "block removed", "timing added", "timing removed"};
    for (const auto &fixture : fixtures) {
        for (const char *edit : edits)
            QTest::addRow("%s: %s", fixture.name, edit)
                << QString(fixture.sample) << fixture.units << QString(edit);
    }
}

void TestCEAExtensionBlock::descriptorsMoveWithTimings()
{
    QFETCH(QString, sample);
    QFETCH(QList<QByteArray>, units);
    QFETCH(QString, edit);
    const QByteArray image = withUnits(sample, units);
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 0);
    const QStringList decodedBefore = decodedDescriptors(image);

    p.apply(edit);

    const QByteArray ext = p.page.getEDIDData();
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), ext.toHex(' '));
    QVERIFY2(ext.mid(132, 127 - 4) != image.mid(132, 127 - 4), "the edit wrote nothing");
    QVERIFY(closer.titles.isEmpty());
    QVERIFY(p.page.leftOut().isEmpty());

    // The blocks, then the timing area at d.
    const int d = static_cast<unsigned char>(ext[2]);
    int count = 0;
    QCOMPARE(ext.mid(4, d - 4).toHex(' '), p.page.getEDIDDataBlocks(&count, 0, false).toHex(' '));
    QByteArray timings;
    for (CEADetailedTimingDescriptor *editor : p.editors<CEADetailedTimingDescriptor>())
        timings += editor->getEDIDData();
    QList<QByteArray> descriptors;
    QString loadedOrder;
    for (const QByteArray &unit : units) {
        loadedOrder += isTiming(unit) ? 'T' : 'D';
        if (!isTiming(unit))
            descriptors << unit;
    }
    const int n = timings.size() / 18 + descriptors.size();
    QVERIFY(d + 18 * n <= 127);
    QByteArray writtenTimings;
    QList<QByteArray> writtenDescriptors;
    QString order;
    for (int u = 0; u < n; ++u) {
        const QByteArray unit = ext.mid(d + 18 * u, 18);
        order += isTiming(unit) ? 'T' : 'D';
        if (isTiming(unit))
            writtenTimings += unit;
        else
            writtenDescriptors << unit;
    }
    QCOMPARE(writtenTimings.toHex(' '), timings.toHex(' '));
    QCOMPARE(writtenDescriptors, descriptors);
    // The loaded order stands while the timings are as many; otherwise the
    // timings come first.
    if (order.count('T') == loadedOrder.count('T'))
        QCOMPARE(order, loadedOrder);
    else
        QCOMPARE(order, QString(order.count('T'), 'T') + QString(descriptors.size(), 'D'));
    const int end = d + 18 * n;
    QCOMPARE(ext.mid(end, 127 - end), QByteArray(127 - end, '\0'));

    QCOMPARE(decodedDescriptors(image.left(128) + ext), decodedBefore);
    QVERIFY(decodedBefore.size() == 0 || decodedBefore.filter("Descriptor #").isEmpty());
}

// Each kept descriptor has its row, shows its bytes and can be removed.
void TestCEAExtensionBlock::keptDescriptorRows()
{
    const QByteArray image = withUnits("hdmi-tv", serialBetweenTimings() + QList<QByteArray>{dummyUnit});
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 0);
    const QStringList rows = p.rows();
    QCOMPARE(rows.mid(rows.size() - 3),
             QStringList({"Detailed timing (size = 36)", "Serial number descriptor (kept) (size = 18)",
                          "Dummy descriptor (kept) (size = 18)"}));
    const int serialRow = rows.size() - 2;
    auto *serial = p.editorAt<CEAKeptDescriptor>(serialRow);
    QVERIFY(serial);
    QCOMPARE(serial->getEDIDData(), serialUnit);
    QCOMPARE(serial->findChild<QPlainTextEdit *>("rawDataField")->toPlainText(),
             QStringLiteral("00 00 00 FF 00 31 31 30\n4D 58 59 5A 31 32 33 0A\n20 20"));
    QCOMPARE(serial->findChild<QLabel *>("textLabel")->text(), QStringLiteral("Text: \"110MXYZ123\""));
    QCOMPARE(CEAKeptDescriptor::kindName(0x03), QStringLiteral("Manufacturer specified"));
    QCOMPARE(CEAKeptDescriptor::kindName(0x11), QStringLiteral("Reserved"));

    // At version 2 the blocks go, the timing area stays whole.
    p.child<QRadioButton>("version2RB")->click();
    QVERIFY(!p.list()->item(serialRow)->isHidden());
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(4, 18 * 4).toHex(' '), image.mid(128 + 39, 18 * 4).toHex(' '));
    p.child<QRadioButton>("version3RB")->click();
    QCOMPARE(p.page.getEDIDData().toHex(' '), image.mid(128).toHex(' '));

    // Removed: the timings close up, the dummy follows them, the rest is padding.
    p.removeRow(serialRow);
    ext = p.page.getEDIDData();
    QCOMPARE(int(ext[2]), 39);
    QCOMPARE(ext.mid(39, 54).toHex(' '),
             (sampleTiming("hdmi-tv", 0) + sampleTiming("hdmi-tv", 1) + dummyUnit).toHex(' '));
    QCOMPARE(ext.mid(93, 127 - 93), QByteArray(127 - 93, '\0'));
    QCOMPARE(p.images.workingBytes(128, 128), ext);
    QVERIFY(closer.titles.isEmpty());
}

// The monitor of the fault: three timings and a serial number after them,
// 16 bytes free. A fourth timing takes the room: the descriptor is left out
// whole and named, never written over or cut.
void TestCEAExtensionBlock::contentDescriptorIsNeverCut()
{
    const QByteArray image = withUnits(
        "hdmi-tv", {sampleTiming("hdmi-tv", 0), sampleTiming("hdmi-tv", 1), sampleTiming("hdmi-tv", 2), serialUnit});
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 0);
    QVERIFY(p.page.leftOut().isEmpty());

    p.click<CEADetailedTimingDescriptor>("addDTDTabButton");
    QCOMPARE(closer.titles, QStringList({warningTitle}));
    QCOMPARE(p.page.leftOut(), QStringList({"Serial number descriptor (kept)"}));
    const int serialRow = p.rows().size() - 1;
    QCOMPARE(p.list()->item(serialRow)->background().color(), QColor(Qt::red));
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.left(39 + 54).toHex(' '), image.mid(128, 39 + 54).toHex(' '));
    QCOMPARE(ext.mid(39 + 72, 127 - 39 - 72), QByteArray(127 - 39 - 72, '\0'));

    // The new timing gone again: everything is back where it was.
    QTabWidget *tabs = p.timingEditor(serialRow - 1)->findChild<QTabWidget *>("tabDTD");
    tabs->setCurrentIndex(tabs->count() - 1);
    p.click<CEADetailedTimingDescriptor>("delDTDTabButton");
    QCOMPARE(p.page.getEDIDData().toHex(' '), image.mid(128).toHex(' '));
    QVERIFY(p.page.leftOut().isEmpty());

    // A longer Video block: the descriptor fits up to the last byte, then not.
    for (int i = 0; i < 16; ++i)
        p.click<CEAVideoDescriptor>("addVideoItemButton");
    QVERIFY(p.page.leftOut().isEmpty());
    QCOMPARE(p.page.getEDIDData().mid(39 + 16 + 54, 18), serialUnit);
    p.click<CEAVideoDescriptor>("addVideoItemButton");
    QCOMPARE(p.page.leftOut(), QStringList({"Serial number descriptor (kept)"}));
    QCOMPARE(closer.titles.size(), 2);
    ext = p.page.getEDIDData();
    const int d = static_cast<unsigned char>(ext[2]);
    QCOMPARE(d, 39 + 17);
    QCOMPARE(ext.mid(d, 54).toHex(' '), image.mid(128 + 39, 54).toHex(' '));
    QCOMPARE(ext.mid(d + 54, 127 - d - 54), QByteArray(127 - d - 54, '\0'));
}

// Dummy descriptors are filler: new content takes their room without a word.
void TestCEAExtensionBlock::dummiesGiveWay()
{
    const QByteArray image = withUnits("video-format-preference", dummiesAfterTiming());
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 0);
    const int d = static_cast<unsigned char>(image[130]);
    QCOMPARE(d + 18 * 3, 91);   // 36 bytes free

    for (int i = 0; i < 3; ++i)
        p.click<CEADetailedTimingDescriptor>("addDTDTabButton");
    QVERIFY(closer.titles.isEmpty());
    QVERIFY(p.page.leftOut().isEmpty());
    const int last = p.rows().size() - 1;
    QCOMPARE(p.list()->item(last)->foreground().color(), QColor(Qt::gray));
    QCOMPARE(p.list()->item(last - 1)->foreground().color(), QColor(Qt::white));
    QVERIFY(p.child<QLabel>("Totalsize")->styleSheet().isEmpty());

    const QByteArray timings = p.timingEditor(last - 2)->getEDIDData();
    QCOMPARE(timings.size(), 18 * 4);
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(d, 18 * 5).toHex(' '), (timings + dummyUnit).toHex(' '));
    QCOMPARE(d + 18 * 5, 127);

    // The room back: both dummies are written again.
    p.click<CEADetailedTimingDescriptor>("delDTDTabButton");
    ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(d + 18 * 3, 36).toHex(' '), (dummyUnit + dummyUnit).toHex(' '));
    QCOMPARE(p.list()->item(last)->foreground().color(), QColor(Qt::white));
}

// A block running past d: the timings read from the overlap are red from the
// load on, yet the loaded bytes hold them. Nothing is called left out while
// those bytes stand; once the extension is laid out again the timings are
// really lost.
void TestCEAExtensionBlock::leftOutOnlyWhenLost_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QStringList>("leftOut");
    const QStringList timings{"Detailed timing"};
    QTest::newRow("unchanged") << "" << QStringList();
    QTest::newRow("version picked again") << "version 3" << QStringList();
    QTest::newRow("VIC added and removed") << "VIC added, VIC removed" << QStringList();
    QTest::newRow("VIC added") << "VIC added" << timings;
    QTest::newRow("timing added") << "timing added" << timings;
}

void TestCEAExtensionBlock::leftOutOnlyWhenLost()
{
    QFETCH(QString, edit);
    QFETCH(QStringList, leftOut);
    const QByteArray image = audioPastOffsetD();
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 0);
    QCOMPARE(closer.titles, QStringList({warningTitle}));
    const int timingRow = p.rows().size() - 1;
    QCOMPARE(p.list()->item(timingRow)->background().color(), QColor(Qt::red));

    for (const QString &step : edit.split(", ", Qt::SkipEmptyParts))
        p.apply(step);
    const QByteArray ext = p.page.getEDIDData();
    QCOMPARE(p.page.leftOut(), leftOut);
    if (leftOut.isEmpty())
        QCOMPARE(ext.toHex(' '), image.mid(128).toHex(' '));
    else
        QVERIFY(!ext.contains(p.timingEditor(timingRow)->getEDIDData()));
}

// Timings past the first all-zero unit of the timing area: one reader stops
// at that unit, a driver reads every slot. Whatever an edit moves, both find
// what they found before, less or plus the unit edited.
void TestCEAExtensionBlock::bytesPastTimingsMoveWithThem_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("removed");   // index in both readers' lists, -1: none
    QTest::addColumn<int>("added");
    QTest::newRow("VIC added") << "VIC added" << -1 << -1;
    QTest::newRow("VIC removed") << "VIC removed" << -1 << -1;
    QTest::newRow("vendor-specific byte added") << "vendor byte added" << -1 << -1;
    QTest::newRow("timing added") << "timing added" << -1 << 1;
    QTest::newRow("first timing removed") << "timing removed" << 0 << -1;
    QTest::newRow("version 2") << "version 2" << -1 << -1;
}

void TestCEAExtensionBlock::bytesPastTimingsMoveWithThem()
{
    QFETCH(QString, edit);
    QFETCH(int, removed);
    QFETCH(int, added);
    const QByteArray image = readSample("dtds-past-zero-unit");
    const QByteArray before = image.mid(128, 128);
    QCOMPARE(unitsToFirstZero(before).size(), 1);
    QCOMPARE(timingSlots(before).size(), 3);
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 2);   // not 0 past the first all-zero unit
    QCOMPARE(p.page.getEDIDData().toHex(' '), before.toHex(' '));

    CEADetailedTimingDescriptor *timings = p.editor<CEADetailedTimingDescriptor>();
    QVERIFY(timings);
    p.apply(edit);

    const QByteArray ext = p.page.getEDIDData();
    QCOMPARE(p.images.workingBytes(128, 128).toHex(' '), ext.toHex(' '));
    QCOMPARE(blockSum(ext, 0), 0);
    QVERIFY(closer.titles.isEmpty());
    QVERIFY(p.page.leftOut().isEmpty());
    QVERIFY2(ext[2] != before[2] || edit.contains("timing"), "the edit moved nothing");

    QList<QByteArray> toFirstZero = unitsToFirstZero(before);
    QList<QByteArray> everySlot = timingSlots(before);
    if (removed >= 0) {
        toFirstZero.removeAt(removed);
        everySlot.removeAt(removed);
    }
    if (added >= 0) {
        const QByteArray unit = timings->getEDIDData().mid(18 * added, 18);
        toFirstZero.insert(added, unit);
        everySlot.insert(added, unit);
    }
    QCOMPARE(unitsToFirstZero(ext), toFirstZero);
    QCOMPARE(timingSlots(ext), everySlot);
    // Nothing but zeros after the moved bytes.
    const int last = ext.lastIndexOf(everySlot.last()) + 18;
    QCOMPARE(ext.mid(last, 127 - last), QByteArray(127 - last, '\0'));
}

// Content grown past what the moved bytes leave room for: a slot that no
// longer fits is left out whole and named; zeros give way without a word.
void TestCEAExtensionBlock::bytesPastTimingsThatNoLongerFit()
{
    const QByteArray image = readSample("dtds-past-zero-unit");
    const QByteArray before = image.mid(128, 128);
    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 2);

    // 19 zero bytes follow the last timing: 19 vendor-specific bytes take them.
    for (int i = 0; i < 19; ++i)
        p.click<CEAVendorSpecificDescriptor>("addVSDBButton");
    QVERIFY(p.page.leftOut().isEmpty());
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(timingSlots(ext), timingSlots(before));
    QCOMPARE(ext.mid(36 + 19, 127 - 55).toHex(' '), before.mid(36, 127 - 55).toHex(' '));

    // One more: the last timing's slot would pass offset 126.
    p.click<CEAVendorSpecificDescriptor>("addVSDBButton");
    QCOMPARE(p.page.leftOut(), QStringList({"Bytes past the detailed timings"}));
    ext = p.page.getEDIDData();
    QCOMPARE(int(ext[2]), 56);
    QCOMPARE(timingSlots(ext), timingSlots(before).mid(0, 2));
    QCOMPARE(ext.mid(56, 54).toHex(' '), before.mid(36, 54).toHex(' '));
    QCOMPARE(ext.mid(110, 17), QByteArray(17, '\0'));
    QCOMPARE(blockSum(ext, 0), 0);
    QVERIFY(closer.titles.isEmpty());

    // The room back: the timing is written again.
    p.click<CEAVendorSpecificDescriptor>("delVSDBButton");
    QVERIFY(p.page.leftOut().isEmpty());
    QCOMPARE(timingSlots(p.page.getEDIDData()), timingSlots(before));
}

// The last (127 - d) mod 18 bytes lie in no slot. A byte there that is not 0
// moves with the timings while it stays out of every slot; where it would
// complete one (a unit nobody wrote) or pass offset 126, it is left out.
void TestCEAExtensionBlock::bytesInNoSlot()
{
    QByteArray image = readSample("hdmi-tv").left(256);
    QCOMPARE(static_cast<unsigned char>(image[130]) + 18 * 4, 111);   // 16 bytes in no slot
    image[254] = 0x01;
    fixChecksum(image, 128);
    const QByteArray before = image.mid(128, 128);

    Page p;
    ModalCloser closer;
    QCOMPARE(p.load(image), 2);
    p.click<CEAVideoDescriptor>("delVideoItemButton");   // d 39 -> 38
    QVERIFY(p.page.leftOut().isEmpty());
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(38 + 72, 17).toHex(' '), (before.mid(111, 16) + QByteArray(1, '\0')).toHex(' '));

    // A speaker allocation block less: d = 34, slots up to offset 124.
    p.removeRow(p.rows().indexOf(QRegularExpression("^Speaker allocation .*")));
    QCOMPARE(p.page.leftOut(), QStringList({"Bytes past the detailed timings"}));
    ext = p.page.getEDIDData();
    QCOMPARE(int(ext[2]), 34);
    QCOMPARE(timingSlots(ext), timingSlots(before));
    QCOMPARE(ext.mid(34 + 72, 21), QByteArray(21, '\0'));

    // Loaded again, a VIC more: the byte would pass offset 126.
    QCOMPARE(p.load(image), 2);
    p.click<CEAVideoDescriptor>("addVideoItemButton");
    QCOMPARE(p.page.leftOut(), QStringList({"Bytes past the detailed timings"}));
    ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(40 + 72, 15), QByteArray(15, '\0'));
    QCOMPARE(blockSum(ext, 0), 0);
    QVERIFY(closer.titles.isEmpty());
}

QTEST_MAIN(TestCEAExtensionBlock)
#include "tst_ceaextensionblock.moc"
