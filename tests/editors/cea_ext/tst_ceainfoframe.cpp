#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <random>

#include "ceabuilder.h"
#include "ceainfoframe.h"
#include "exteditortest.h"

namespace {

struct Editor {
    EdidImages images;
    CEAInfoFrame editor{nullptr};

    QListWidget *blocks() { return child<QListWidget>(&editor, "infoBlocks"); }
    QListWidget *types() { return child<QListWidget>(&editor, "infoBlockType"); }
    QSpinBox *vsif() { return child<QSpinBox>(&editor, "VSIFSpinBox"); }
    QLineEdit *oui() { return child<QLineEdit>(&editor, "ieeeField"); }
    bool ouiEnabled() { return child<QGroupBox>(&editor, "ieeOui")->isEnabled(); }
    void click(const char *button) { child<QPushButton>(&editor, button)->click(); }
    QString written() { return QString::fromLatin1(editor.getEDIDData().toHex(' ')); }

    QStringList rows()
    {
        QStringList texts;
        for (int i = 0; i < blocks()->count(); ++i)
            texts << blocks()->item(i)->text();
        return texts;
    }
    void reset() { editor.resetFields(images.reference, images.working); }
    bool load(const char *hex) { return loadQuietly(editor, images, hexBytes(hex)); }
    // Adds a descriptor of type code 1 to 6.
    void add(int code)
    {
        types()->setCurrentRow(code - 1);
        click("addBlockButton");
    }
};

const char *const VS = "Vendor specific";
const char *const AVI = "Auxiliary video";
const char *const SPD = "Source product description";
const char *const MPEG = "MPEG source";

} // namespace

class TestCEAInfoFrame : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void load_data();
    void load();
    void editAfterMalformedLoad();
    void anyPayloadComesBack();
    void addEveryType();
    void payloadStopsAtThirtyBytes();
    void removeAndMove();
    void oui_data();
    void oui();
    void ouiFollowsCurrentRow();
    void ouiBytes_data();
    void ouiBytes();
};

void TestCEAInfoFrame::form()
{
    QScopedPointer<CEABlock> block(CEABuilder::make(CEA_INFO_FRAME));
    auto *editor = qobject_cast<CEAInfoFrame *>(block.data());
    verifyIdentity(editor, 0x20, "Info frame", "Info frame",
                   "This block defines the order in which a display prefer to receive an Info Frame. "
                   "That mean the first one in the list is the most desired one.");
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(child<QLabel>(editor, "label_2")->text(), QStringLiteral("Max simulataneous VSIFs :"));
    QCOMPARE(child<QLabel>(editor, "label")->text(), QStringLiteral("IEE OUI : 0x"));
    QCOMPARE(child<QPushButton>(editor, "upButton")->text(), QString::fromUtf8("\u25B2"));
    QCOMPARE(child<QPushButton>(editor, "downButton")->text(), QString::fromUtf8("\u25BC"));

    Editor e;
    QStringList types;
    for (int i = 0; i < e.types()->count(); ++i)
        types << e.types()->item(i)->text();
    QCOMPARE(types, QStringList({VS, AVI, SPD, "Audio", MPEG, "NTSC VBI"}));
    QCOMPARE(e.types()->currentRow(), 0);
    QCOMPARE(e.blocks()->count(), 0);
    QCOMPARE(e.blocks()->currentRow(), -1);
    QCOMPARE(e.vsif()->maximum(), 255);
    QCOMPARE(e.oui()->text(), QStringLiteral("000000"));
    QCOMPARE(e.oui()->maxLength(), 6);
    QVERIFY(!e.ouiEnabled());

    QSignalSpy changes(&e.editor, &CEABlock::valueChanged);
    e.reset();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(e.written(), QStringLiteral("20 00 00"));
}

// The payload after the extended tag: rows, VSIF count, OUI of the first
// vendor-specific row; written back byte for byte.
void TestCEAInfoFrame::load_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("vsifs");
    QTest::addColumn<QString>("oui");

    QTest::newRow("VSIF 000C03 and AVI") << hexBytes("00020103 0c0002") << QStringList{VS, AVI} << 2
                                         << "000C03";
    // Bits 7-5 of a descriptor header count payload bytes that follow it.
    QTest::newRow("22 05: one descriptor with its payload") << hexBytes("0000 2205") << QStringList{AVI} << 0
                                                            << "";
    QTest::newRow("VSIF with payload, then MPEG")
        << hexBytes("0001 21 d85dc4 aa 65 010203") << QStringList{VS, MPEG} << 1 << "C45DD8";
    QTest::newRow("processing descriptor payload")
        << hexBytes("40 03 aabb 03") << QStringList{SPD} << 3 << "";
    QTest::newRow("processing header reserved bits") << hexBytes("1f00 03") << QStringList{SPD} << 0 << "";
    QTest::newRow("type codes 0, 7 and 31") << hexBytes("0000 00 07 1f") << QStringList{"unknown", "Type code 7", "Type code 31"} << 0 << "";
    QTest::newRow("no descriptor") << hexBytes("00ff") << QStringList() << 255 << "";
    QTest::newRow("thirty bytes") << hexBytes("0000") + QByteArray(28, 0x02) << QStringList(QVector<QString>(28, AVI).toList()) << 0 << "";

    // Blocks that do not follow the layout: read as far as they go.
    QTest::newRow("no VSIF count") << hexBytes("00") << QStringList() << 0 << "";
    QTest::newRow("empty") << QByteArray() << QStringList() << 0 << "";
    QTest::newRow("processing payload past the end") << hexBytes("e001aa03") << QStringList() << 1 << "";
    QTest::newRow("descriptor payload past the end") << hexBytes("0000 03 a505") << QStringList{SPD, MPEG} << 0
                                                     << "";
    // A vendor-specific header without its OUI is not a descriptor: kept as it is.
    QTest::newRow("OUI past the end") << hexBytes("0000 02 0103") << QStringList{AVI} << 0 << "";
}

void TestCEAInfoFrame::load()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, rows);
    QFETCH(int, vsifs);
    QFETCH(QString, oui);

    Editor e;
    QVERIFY(loadQuietly(e.editor, e.images, payload));
    QCOMPARE(e.rows(), rows);
    QCOMPARE(e.vsif()->value(), vsifs);
    QCOMPARE(e.blocks()->currentRow(), -1);
    QCOMPARE(e.editor.getEDIDData().toHex(' '), (hexBytes("20") + payload).toHex(' '));

    const int vendor = rows.indexOf(VS);
    if (vendor >= 0) {
        e.blocks()->setCurrentRow(vendor);
        QVERIFY(e.ouiEnabled());
        QCOMPARE(e.oui()->text(), oui);
        // Return in the field without typing writes nothing new.
        commitUnchanged(e.oui());
    }
    e.editor.updateUI();
    QCOMPARE(e.editor.getEDIDData().toHex(' '), (hexBytes("20") + payload).toHex(' '));
}

// Once changed, a block read in part is written in the layout, with what
// it lacked as 0 and its descriptors' lengths as they now are; it never grows
// past the bytes it had but by a missing VSIF count.
void TestCEAInfoFrame::editAfterMalformedLoad()
{
    Editor e;
    e.load("0000 02 0103");
    QSignalSpy changes(&e.editor, &CEABlock::valueChanged);
    e.vsif()->setValue(1);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(e.written(), QStringLiteral("20 00 01 02 01 03"));
    e.add(5);
    QCOMPARE(e.written(), QStringLiteral("20 00 01 02 05 01 03"));

    e.load(qPrintable(QByteArray("0000") + QByteArray(26, '\x02').toHex() + "0103"));
    QCOMPARE(e.editor.getEDIDData().size(), 31);
    e.vsif()->setValue(9);
    QCOMPARE(e.editor.getEDIDData().size(), 31);
    QCOMPARE(e.editor.getEDIDData().right(3).toHex(' '), QByteArray("02 01 03"));

    e.load("00");
    e.vsif()->setValue(4);
    QCOMPARE(e.written(), QStringLiteral("20 00 04"));

    e.load("e001aa03");
    QCOMPARE(e.written(), QStringLiteral("20 e0 01 aa 03"));
    e.vsif()->setValue(2);
    QCOMPARE(e.written(), QStringLiteral("20 40 02 aa 03"));

    e.load("0000 03 a505");
    e.add(6);
    QCOMPARE(e.written(), QStringLiteral("20 00 00 03 25 05 06"));
}

// Whatever the bytes, a loaded block comes back as it was, and an edited one
// still fits in a data block.
void TestCEAInfoFrame::anyPayloadComesBack()
{
    std::mt19937 random(16u);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> value(0, 255);
    Editor e;
    for (int n = 0; n < 2000; ++n) {
        QByteArray payload(length(random), '\0');
        for (char &byte : payload)
            byte = static_cast<char>(value(random));
        loadQuietly(e.editor, e.images, payload);
        QCOMPARE(e.editor.getEDIDData(), hexBytes("20") + payload);
        e.vsif()->setValue((e.vsif()->value() + 1) % 256);
        QVERIFY2(e.editor.getEDIDData().size() <= 31, payload.toHex(' ').constData());
    }
}

void TestCEAInfoFrame::addEveryType()
{
    Editor e;
    e.reset();
    QSignalSpy changes(&e.editor, &CEABlock::valueChanged);
    for (int code = 1; code <= 6; ++code)
        e.add(code);
    QCOMPARE(changes.count(), 6);
    QCOMPARE(e.rows(), QStringList({VS, AVI, SPD, "Audio", MPEG, "NTSC VBI"}));
    QCOMPARE(e.written(), QStringLiteral("20 00 00 01 00 00 00 02 03 04 05 06"));
    // The current row does not follow an added descriptor.
    QCOMPARE(e.blocks()->currentRow(), -1);
}

// 28 one-byte descriptors fill the 30 bytes after the extended tag.
void TestCEAInfoFrame::payloadStopsAtThirtyBytes()
{
    Editor e;
    e.reset();
    QPushButton *add = child<QPushButton>(&e.editor, "addBlockButton");
    for (int i = 0; i < 26; ++i)
        e.add(2);
    QCOMPARE(e.editor.getEDIDData().size(), 29);
    e.types()->setCurrentRow(0);
    QVERIFY(!add->isEnabled());  // 4 bytes do not fit in 2
    emit add->clicked();
    QCOMPARE(e.editor.getEDIDData().size(), 29);
    e.add(3);
    e.add(4);
    QCOMPARE(e.editor.getEDIDData().size(), 31);
    QVERIFY(!add->isEnabled());
    emit add->clicked();
    QCOMPARE(e.editor.getEDIDData().size(), 31);
    QCOMPARE(e.rows().size(), 28);

    e.blocks()->setCurrentRow(0);
    e.click("removeBlockButton");
    QVERIFY(add->isEnabled());
}

void TestCEAInfoFrame::removeAndMove()
{
    Editor e;
    e.load("0000 01 030c00 02 03");
    QCOMPARE(e.rows(), QStringList({VS, AVI, SPD}));

    // Remove with no row current removes nothing, and still reports.
    QSignalSpy changes(&e.editor, &CEABlock::valueChanged);
    e.click("removeBlockButton");
    QCOMPARE(changes.count(), 1);
    QCOMPARE(e.rows().size(), 3);

    // Down with no row current makes the first row current.
    e.click("downButton");
    QCOMPARE(e.blocks()->currentRow(), 0);
    QVERIFY(e.ouiEnabled());
    QCOMPARE(e.rows(), QStringList({VS, AVI, SPD}));

    // The moved descriptor stays current.
    e.click("downButton");
    QCOMPARE(e.rows(), QStringList({AVI, VS, SPD}));
    QCOMPARE(e.blocks()->currentRow(), 1);
    QCOMPARE(e.written(), QStringLiteral("20 00 00 02 01 03 0c 00 03"));
    e.click("downButton");
    QCOMPARE(e.rows(), QStringList({AVI, SPD, VS}));
    QCOMPARE(e.blocks()->currentRow(), 2);

    // Down on the last row moves nothing and leaves no row current.
    e.click("downButton");
    QCOMPARE(e.rows(), QStringList({AVI, SPD, VS}));
    QCOMPARE(e.blocks()->currentRow(), -1);
    QVERIFY(!e.ouiEnabled());

    e.blocks()->setCurrentRow(1);
    e.click("upButton");
    QCOMPARE(e.rows(), QStringList({SPD, AVI, VS}));
    QCOMPARE(e.blocks()->currentRow(), 0);
    // Up on the first row keeps the order and leaves no row current.
    e.click("upButton");
    QCOMPARE(e.rows(), QStringList({SPD, AVI, VS}));
    QCOMPARE(e.blocks()->currentRow(), -1);
    QVERIFY(!e.ouiEnabled());

    // Removing the last row makes the new last row current.
    e.blocks()->setCurrentRow(2);
    e.click("removeBlockButton");
    QCOMPARE(e.rows(), QStringList({SPD, AVI}));
    QCOMPARE(e.blocks()->currentRow(), 1);
    e.click("removeBlockButton");
    e.click("removeBlockButton");
    QCOMPARE(e.rows(), QStringList());
    QCOMPARE(e.blocks()->currentRow(), -1);
    QCOMPARE(e.written(), QStringLiteral("20 00 00"));
}

// Text typed into the OUI field of a new vendor-specific descriptor: hex
// digits only, lower-case letters taken upper-cased, other keys refused.
void TestCEAInfoFrame::oui_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("bytes");

    QTest::newRow("000C03") << "000C03" << "000C03" << "03 0c 00";
    QTest::newRow("abcdef") << "abcdef" << "ABCDEF" << "ef cd ab";
    QTest::newRow("mixed case") << "aBc12f" << "ABC12F" << "2f c1 ab";
    QTest::newRow("ABC") << "ABC" << "ABC" << "bc 0a 00";
    QTest::newRow("0x12") << "0x12" << "012" << "12 00 00";
    QTest::newRow("12G4") << "12G4" << "124" << "24 01 00";
    QTest::newRow("empty") << "" << "000000" << "00 00 00";
    QTest::newRow("no digit") << "zz" << "000000" << "00 00 00";
    QTest::newRow("xyz!") << "xyz!" << "000000" << "00 00 00";
    QTest::newRow("blank and sign") << " -c 3" << "C3" << "c3 00 00";
    QTest::newRow("seven characters") << "1234567" << "123456" << "56 34 12";
}

void TestCEAInfoFrame::oui()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, bytes);

    Editor e;
    e.reset();
    e.add(2);
    e.add(1);
    e.blocks()->setCurrentRow(1);
    QVERIFY(e.ouiEnabled());
    QSignalSpy changes(&e.editor, &CEABlock::valueChanged);
    typeAndReturn(e.oui(), typed);
    QVERIFY(changes.count() >= 1);
    QCOMPARE(e.oui()->text(), stored);
    QCOMPARE(e.written(), QStringLiteral("20 00 00 02 01 ") + bytes);
}

void TestCEAInfoFrame::ouiFollowsCurrentRow()
{
    Editor e;
    e.load("0000 01 030c00 02 01 d85dc4");
    e.blocks()->setCurrentRow(2);
    QCOMPARE(e.oui()->text(), QStringLiteral("C45DD8"));
    e.blocks()->setCurrentRow(1);
    QVERIFY(!e.ouiEnabled());
    QCOMPARE(e.oui()->text(), QStringLiteral("C45DD8"));
    e.blocks()->setCurrentRow(0);
    QCOMPARE(e.oui()->text(), QStringLiteral("000C03"));
    finishEdit(e.oui(), QStringLiteral("00001A"));
    QCOMPARE(e.written(), QStringLiteral("20 00 00 01 1a 00 00 02 01 d8 5d c4"));
    e.blocks()->setCurrentRow(2);
    QCOMPARE(e.oui()->text(), QStringLiteral("C45DD8"));
}

void TestCEAInfoFrame::ouiBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("leading blanks") << "  c03" << hexBytes("030c00");
    QTest::newRow("0X") << "0XfF" << hexBytes("ff0000");
    QTest::newRow("0x alone") << "0x" << hexBytes("000000");
    QTest::newRow("above 24 bits") << "1234567" << hexBytes("674523");
    QTest::newRow("non-Latin digit") << QString::fromUtf8("1\u0663") << hexBytes("010000");
}

void TestCEAInfoFrame::ouiBytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CEAInfoFrameShortBlock::ouiBytes(text), bytes);
}

QTEST_MAIN(TestCEAInfoFrame)
#include "tst_ceainfoframe.moc"
