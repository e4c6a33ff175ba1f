#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "ceadetailedtimingdescriptor.h"
#include "detailedtimings.h"
#include "testsupport.h"

namespace {

// hdmi-tv's extension holds four detailed timings after its data blocks: both
// images from it, and the first `count` timings as the page hands them over.
_EDID_CEA_DATA_BLOCK_INFO hdmiTimings(EdidImages &images, int count)
{
    images.set(readSample("hdmi-tv"));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = count;
    info.payload = images.reference + 128 + images.reference[130];
    return info;
}

} // namespace

class TestCEADetailedTimingDescriptor : public QObject
{
    Q_OBJECT

private:
    QByteArray defaultTiming();
    QStringList tabTitles(CEADetailedTimingDescriptor &editor);

private slots:
    void loadTwoDescriptors();
    void loadNeverReadsPastImage();
    void addAndDeleteTabs();
    void editedTabTakesPanelBytes();
    void resetKeepsTabs();
};

QByteArray TestCEADetailedTimingDescriptor::defaultTiming()
{
    EdidImages images;
    DetailedTimings panel(nullptr);
    panel.resetFields(images.reference, images.working, 0, true);
    return panel.getEdidData();
}

QStringList TestCEADetailedTimingDescriptor::tabTitles(CEADetailedTimingDescriptor &editor)
{
    QTabWidget *tabs = editor.findChild<QTabWidget *>("tabDTD");
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

// hdmi-tv holds four detailed timings after its data blocks.
void TestCEADetailedTimingDescriptor::loadTwoDescriptors()
{
    EdidImages images;
    const _EDID_CEA_DATA_BLOCK_INFO info = hdmiTimings(images, 2);
    const int d = images.reference[130];

    CEADetailedTimingDescriptor editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.initFields(info, images.reference, images.working);
    QVERIFY(changes.count() >= 1);
    QCOMPARE(tabTitles(editor), QStringList({"DTD 1", "DTD 2"}));
    QCOMPARE(editor.getEDIDData(), images.referenceBytes(128, 128).mid(d, 36));
    // The image is not written by the load.
    QCOMPARE(images.workingBytes(), images.referenceBytes());
}

void TestCEADetailedTimingDescriptor::loadNeverReadsPastImage()
{
    EdidImages images;
    images.set(ceaExtensionImage(QByteArray(), QByteArray(123, char(0x11))));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 9;  // 9 x 18 bytes from byte 132 would run past byte 255
    info.payload = images.reference + 132;

    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference, images.working);
    QCOMPARE(editor.tabCount(), 6);
    QCOMPARE(editor.getEDIDData(), QByteArray(108, char(0x11)));
}

void TestCEADetailedTimingDescriptor::addAndDeleteTabs()
{
    EdidImages images;
    images.set(readSample("hdmi-tv"));
    const QByteArray ext = images.referenceBytes(128, 128);
    const int d = images.reference[130];

    CEADetailedTimingDescriptor editor(nullptr);
    editor.resetFields(images.reference, images.working);
    QCOMPARE(editor.getEDIDData(), QByteArray());

    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.findChild<QPushButton *>("delDTDTabButton")->click();  // no tab: still reports
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.tabCount(), 0);

    editor.findChild<QPushButton *>("addDTDTabButton")->click();
    QCOMPARE(changes.count(), 2);
    QCOMPARE(tabTitles(editor), QStringList({"DTD 1"}));
    QCOMPARE(editor.getEDIDData(), defaultTiming());

    // Three loaded timings; delete the second.
    CEADetailedTimingDescriptor three(nullptr);
    three.initFields(hdmiTimings(images, 3), images.reference, images.working);
    QTabWidget *tabs = three.findChild<QTabWidget *>("tabDTD");
    tabs->setCurrentIndex(1);
    QSignalSpy threeChanges(&three, &CEABlock::valueChanged);
    three.findChild<QPushButton *>("delDTDTabButton")->click();
    QCOMPARE(threeChanges.count(), 1);
    QCOMPARE(tabTitles(three), QStringList({"DTD 1", "DTD 2"}));
    QCOMPARE(three.getEDIDData(), ext.mid(d, 18) + ext.mid(d + 36, 18));
}

void TestCEADetailedTimingDescriptor::editedTabTakesPanelBytes()
{
    EdidImages images;
    const _EDID_CEA_DATA_BLOCK_INFO info = hdmiTimings(images, 2);
    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference, images.working);
    const QByteArray before = editor.getEDIDData();

    // Change the horizontal image size of the second timing (bytes 12 and 14).
    // A tab's panel is built when the tab is first shown.
    QTabWidget *tabs = editor.findChild<QTabWidget *>("tabDTD");
    QVERIFY(!tabs->widget(1)->findChild<QLineEdit *>("hImSizeField"));
    tabs->setCurrentIndex(1);
    QLineEdit *field = tabs->widget(1)->findChild<QLineEdit *>("hImSizeField");
    QVERIFY(field);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    field->setText("123");
    emit field->editingFinished();
    QVERIFY(changes.count() >= 1);

    const QByteArray after = editor.getEDIDData();
    QCOMPARE(after.size(), 36);
    QCOMPARE(after.left(18), before.left(18));
    QCOMPARE(int(static_cast<unsigned char>(after[18 + 12])), 123);
    QCOMPARE(int(static_cast<unsigned char>(after[18 + 14])) >> 4, 0);
}

void TestCEADetailedTimingDescriptor::resetKeepsTabs()
{
    EdidImages images;
    const _EDID_CEA_DATA_BLOCK_INFO info = hdmiTimings(images, 2);
    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference, images.working);

    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.resetFields(images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.tabCount(), 2);
    QCOMPARE(editor.getEDIDData(), defaultTiming() + defaultTiming());
}

QTEST_MAIN(TestCEADetailedTimingDescriptor)
#include "tst_ceadetailedtimingdescriptor.moc"
