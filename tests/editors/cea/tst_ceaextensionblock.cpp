#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "ceadetailedtimingdescriptor.h"
#include "ceaextensionblock.h"
#include "ceapage.h"
#include "ceahelpblock.h"
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
};

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
// past the old content stay where the new content leaves them.
void TestCEAExtensionBlock::changeRewritesOnlyItsPart()
{
    const QByteArray timing = readSample("hdmi-tv").mid(128 + 0x27, 18);
    QByteArray image = ceaExtensionImage(QByteArray::fromHex("421004"), timing);
    image[128 + 4 + 3 + 18 + 40] = 0x5A;   // past the old content
    fixChecksum(image, 128);
    Page p;
    ModalCloser closer;
    p.load(image);

    // A second timing: written after the first, d and the blocks untouched.
    p.addKind(QStringLiteral("Detailed timing"));
    QByteArray ext = p.page.getEDIDData();
    QCOMPARE(ext.left(4 + 3 + 18), image.mid(128, 4 + 3 + 18));
    QCOMPARE(ext.mid(4 + 3 + 18, 18).size(), 18);
    QCOMPARE(ext[4 + 3 + 18 + 40], char(0x5A));

    // Removed again: the extension is as loaded.
    p.list()->setCurrentRow(p.list()->count() - 1);
    p.child<QPushButton>("removeBlockButton")->click();
    QCOMPARE(p.page.getEDIDData().toHex(' '), image.mid(128).toHex(' '));

    // The first timing removed: its 18 bytes become padding, the stray byte stays.
    p.list()->setCurrentRow(p.list()->count() - 1);
    p.child<QPushButton>("removeBlockButton")->click();
    ext = p.page.getEDIDData();
    QCOMPARE(ext.mid(4 + 3, 18), QByteArray(18, '\0'));
    QCOMPARE(ext[4 + 3 + 18 + 40], char(0x5A));
    QCOMPARE(int(ext[2]), 7);
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

QTEST_MAIN(TestCEAExtensionBlock)
#include "tst_ceaextensionblock.moc"
