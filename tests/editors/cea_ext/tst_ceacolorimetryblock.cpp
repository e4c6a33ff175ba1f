#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

#include "ceabuilder.h"
#include "ceacolorimetryblock.h"
#include "exteditortest.h"

namespace {

// The check boxes, bit 7 of the flags byte first.
const char *const boxNames[8] = {"bt2020rgbCB", "bt2020yccCB",   "bt2020cyccCB", "adobergbCB",
                                 "adobeycc601CB", "sycc501CB", "xvycc709CB",  "xvycc601CB"};

// The flags byte the check boxes show.
int shownFlags(const CEAColorimetryBlock &editor)
{
    int flags = 0;
    for (int i = 0; i < 8; ++i)
        if (child<QCheckBox>(&editor, boxNames[i])->isChecked())
            flags |= 0x80 >> i;
    return flags;
}

} // namespace

class TestCEAColorimetryBlock : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void load_data();
    void load();
    void click_data();
    void click();
    void clickedTwiceKeepsLoadedBytes();
    void resetGivesEmptyBlock();
};

void TestCEAColorimetryBlock::form()
{
    QScopedPointer<CEABlock> block(CEABuilder::make(CEA_COLORIMETRY));
    auto *editor = qobject_cast<CEAColorimetryBlock *>(block.data());
    verifyIdentity(editor, 5, "Colorimetry", "Colorimetry block",
                   "This block defines the support of specific extended colorimetry standards.");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(child<QCheckBox>(editor, "adobergbCB")->text(), QStringLiteral("ADOBE rgb"));
    QCOMPARE(child<QCheckBox>(editor, "xvycc601CB")->toolTip(), QStringLiteral("Enable SD IEC 61966-2-5"));
}

// Payload after the extended tag, the flags the boxes show, the bytes written back.
void TestCEAColorimetryBlock::load_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("E3 05 81 03") << hexBytes("8103") << 0x81 << hexBytes("058103");
    QTest::newRow("every flag, reserved metadata bits") << hexBytes("fff3") << 0xFF << hexBytes("05fff3");
    QTest::newRow("longer block kept whole") << hexBytes("c000aabb") << 0xC0 << hexBytes("05c000aabb");
    QTest::newRow("no metadata byte") << hexBytes("81") << 0x81 << hexBytes("0581");
    QTest::newRow("no flags byte") << QByteArray() << 0 << hexBytes("05");
}

void TestCEAColorimetryBlock::load()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, flags);
    QFETCH(QByteArray, written);

    EdidImages images;
    CEAColorimetryBlock editor(nullptr);
    QVERIFY(loadQuietly(editor, images, payload));
    QCOMPARE(shownFlags(editor), flags);
    QCOMPARE(editor.getEDIDData().toHex(' '), written.toHex(' '));
    editor.updateUI();
    QCOMPARE(editor.getEDIDData().toHex(' '), written.toHex(' '));
}

// A click changes its bit only; the metadata byte and any later byte stay.
void TestCEAColorimetryBlock::click_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("E3 05 81 03 + ADOBE rgb") << hexBytes("8103") << "adobergbCB" << hexBytes("059103");
    QTest::newRow("BT2020 rgb off") << hexBytes("81f3") << "bt2020rgbCB" << hexBytes("0501f3");
    QTest::newRow("xvYCC 601 off") << hexBytes("81f3") << "xvycc601CB" << hexBytes("0580f3");
    QTest::newRow("longer block") << hexBytes("8103aa") << "sycc501CB" << hexBytes("058503aa");
    QTest::newRow("short block completed") << hexBytes("81") << "xvycc709CB" << hexBytes("058300");
    for (int i = 0; i < 8; ++i)
        QTest::newRow(boxNames[i]) << hexBytes("0000") << boxNames[i]
                                   << (hexBytes("05") + char(0x80 >> i) + '\0');
}

void TestCEAColorimetryBlock::click()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, box);
    QFETCH(QByteArray, written);

    EdidImages images;
    CEAColorimetryBlock editor(nullptr);
    loadQuietly(editor, images, payload);
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    child<QCheckBox>(&editor, box)->click();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.getEDIDData().toHex(' '), written.toHex(' '));
    QCOMPARE(shownFlags(editor), int(static_cast<unsigned char>(written.at(1))));
}

// A box clicked twice leaves the block as it was loaded, short or not.
void TestCEAColorimetryBlock::clickedTwiceKeepsLoadedBytes()
{
    for (const QByteArray &payload : {hexBytes("8103"), hexBytes("81"), QByteArray(), hexBytes("0102030405")}) {
        EdidImages images;
        CEAColorimetryBlock editor(nullptr);
        loadQuietly(editor, images, payload);
        for (const char *name : boxNames) {
            child<QCheckBox>(&editor, name)->click();
            child<QCheckBox>(&editor, name)->click();
        }
        QCOMPARE(editor.getEDIDData(), hexBytes("05") + payload);
    }
}

void TestCEAColorimetryBlock::resetGivesEmptyBlock()
{
    EdidImages images;
    CEAColorimetryBlock editor(nullptr);
    loadQuietly(editor, images, hexBytes("ff0faa"));
    QSignalSpy changes(&editor, &CEABlock::valueChanged);
    editor.resetFields(images.reference, images.working);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor.getEDIDData(), hexBytes("050000"));
    QCOMPARE(shownFlags(editor), 0);
}

QTEST_MAIN(TestCEAColorimetryBlock)
#include "tst_ceacolorimetryblock.moc"
