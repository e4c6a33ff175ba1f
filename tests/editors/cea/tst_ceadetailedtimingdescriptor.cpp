#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "ceadetailedtimingdescriptor.h"
#include "ceatestutil.h"
#include "detailedtimings.h"

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
    Images images;
    DetailedTimings panel(nullptr);
    panel.resetFields(images.reference.data(), images.working.data(), 0, true);
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
    Images images;
    images.set(readSample("hdmi-tv"));
    const int d = images.reference[130];
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 2;
    info.payload = images.reference.data() + 128 + d;

    CEADetailedTimingDescriptor editor(nullptr);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.initFields(info, images.reference.data(), images.working.data());
    QVERIFY(changes.count() >= 1);
    QCOMPARE(tabTitles(editor), QStringList({"DTD 1", "DTD 2"}));
    QCOMPARE(editor.getEDIDData(), images.extension(images.reference).mid(d, 36));
    // The image is not written by the load.
    QCOMPARE(images.working, images.reference);
}

void TestCEADetailedTimingDescriptor::loadNeverReadsPastImage()
{
    Images images;
    images.set(makeImage(QByteArray(), QByteArray(123, char(0x11))));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 9;  // 9 x 18 bytes from byte 132 would run past byte 255
    info.payload = images.reference.data() + 132;

    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference.data(), images.working.data());
    QCOMPARE(editor.tabCount(), 6);
    QCOMPARE(editor.getEDIDData(), QByteArray(108, char(0x11)));
}

void TestCEADetailedTimingDescriptor::addAndDeleteTabs()
{
    Images images;
    images.set(readSample("hdmi-tv"));
    const QByteArray ext = images.extension(images.reference);
    const int d = images.reference[130];

    CEADetailedTimingDescriptor editor(nullptr);
    editor.resetFields(images.reference.data(), images.working.data());
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
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 3;
    info.payload = images.reference.data() + 128 + d;
    three.initFields(info, images.reference.data(), images.working.data());
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
    Images images;
    images.set(readSample("hdmi-tv"));
    const int d = images.reference[130];
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 2;
    info.payload = images.reference.data() + 128 + d;
    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference.data(), images.working.data());
    const QByteArray before = editor.getEDIDData();

    // Change the horizontal image size of the second timing (bytes 12 and 14).
    QTabWidget *tabs = editor.findChild<QTabWidget *>("tabDTD");
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
    Images images;
    images.set(readSample("hdmi-tv"));
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 2;
    info.payload = images.reference.data() + 128 + images.reference[130];
    CEADetailedTimingDescriptor editor(nullptr);
    editor.initFields(info, images.reference.data(), images.working.data());

    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.resetFields(images.reference.data(), images.working.data());
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.tabCount(), 2);
    QCOMPARE(editor.getEDIDData(), defaultTiming() + defaultTiming());
}

QTEST_MAIN(TestCEADetailedTimingDescriptor)
#include "tst_ceadetailedtimingdescriptor.moc"
