#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <vector>

#include "ceabuilder.h"
#include "ceahdmi14bvsdb.h"
#include "testsupport.h"

namespace {

const char *const chain[] = {"capabilitiesGroupBox", "tmdsClockGroupBox", "contentTypeGroupBox",
                             "progressivGroupBox", "interlacedGroupBox"};

struct Editor {
    EdidImages images;
    CEAHdmi14bVsdb block{nullptr};

    Editor() { block.show(); }

    // The payload is its own heap block, so that a read past it is caught.
    void load(const QByteArray &payload)
    {
        std::vector<unsigned char> bytes(payload.begin(), payload.end());
        _EDID_CEA_DATA_BLOCK_INFO info{};
        info.tag = 3;
        info.length = static_cast<int>(bytes.size());
        info.payload = bytes.empty() ? nullptr : bytes.data();
        block.initFields(info, images.reference, images.working);
    }
    QByteArray data() { return block.getEDIDData(); }
    QGroupBox *box(int i) { return child<QGroupBox>(&block, QString::fromLatin1(chain[i])); }
    QSpinBox *spin(const char *name) { return child<QSpinBox>(&block, QString::fromLatin1(name)); }
    QCheckBox *check(const char *name) { return child<QCheckBox>(&block, QString::fromLatin1(name)); }
    QLineEdit *oui() { return child<QLineEdit>(&block, QStringLiteral("regIDField")); }

    // As the user does: Space on the box's check box (nothing when disabled).
    void toggle(int i) { QTest::keyClick(box(i), Qt::Key_Space); }
    void type(QSpinBox *spin, int value)
    {
        spin->selectAll();
        QTest::keyClicks(spin, QString::number(value));
    }
    // Every field given a value of its own.
    void fill()
    {
        oui()->selectAll();
        QTest::keyClicks(oui(), QStringLiteral("000C03"));
        type(spin("phyAddressA"), 1);
        for (const char *name : {"supportAICheckBox", "dc48CheckBox", "dc36CheckBox", "dc30CheckBox",
                                 "dcY444CheckBox", "dviDualCheckBox", "graphicCheckBox", "grameCheckBox"})
            check(name)->click();
        type(spin("tmdsClockValue"), 60);
        type(spin("pVideoLattency"), 1);
        type(spin("pAudioLattency"), 2);
        type(spin("iVideoLattency"), 3);
        type(spin("iAudioLattency"), 4);
    }
};

} // namespace

class TestCEAHdmi14bVsdb : public QObject
{
    Q_OBJECT

private slots:
    void notMadeByTheFactory();
    void initialState();
    void byteCounts_data();
    void byteCounts();
    void chainBrokenAndMended();
    void ouiText_data();
    void ouiText();
    void load_data();
    void load();
    void samples_data();
    void samples();
    void reset();
};

void TestCEAHdmi14bVsdb::notMadeByTheFactory()
{
    for (int t = 0; t < CEA_BLOCK_TYPE_COUNT; ++t) {
        QScopedPointer<CEABlock> block(CEABuilder::make(t));
        QVERIFY(qobject_cast<CEAHdmi14bVsdb *>(block.data()) == nullptr);
    }
    CEAHdmi14bVsdb editor(nullptr);
    QCOMPARE(editor.getBlockKind(), CEA_UNKNOWN);
    QVERIFY(editor.findChild<QWidget *>(QStringLiteral("helpButton")) == nullptr);
}

void TestCEAHdmi14bVsdb::initialState()
{
    Editor e;
    QCOMPARE(e.data(), QByteArray(5, '\0'));
    QCOMPARE(e.oui()->text(), QStringLiteral("00000000"));
    for (int i = 0; i < 5; ++i) {
        QVERIFY(!e.box(i)->isChecked());
        QCOMPARE(e.box(i)->isEnabled(), i == 0);
    }
}

// The chain checked from its start decides the block's length; bits 7 and 6
// of the content-type byte tell which latencies are written.
void TestCEAHdmi14bVsdb::byteCounts_data()
{
    QTest::addColumn<int>("checked");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("none") << 0 << hexBytes("03 0C 00 10 00");
    QTest::newRow("capabilities") << 1 << hexBytes("03 0C 00 10 00 F9");
    QTest::newRow("TMDS clock") << 2 << hexBytes("03 0C 00 10 00 F9 3C");
    QTest::newRow("content type") << 3 << hexBytes("03 0C 00 10 00 F9 3C 09");
    QTest::newRow("progressive") << 4 << hexBytes("03 0C 00 10 00 F9 3C 89 01 02");
    QTest::newRow("interlaced") << 5 << hexBytes("03 0C 00 10 00 F9 3C C9 01 02 03 04");
}

void TestCEAHdmi14bVsdb::byteCounts()
{
    QFETCH(int, checked);
    QFETCH(QByteArray, written);

    // The fields of a part can be edited while it is checked only.
    Editor e;
    for (int i = 0; i < 5; ++i)
        e.toggle(i);
    e.fill();
    QSignalSpy changes(&e.block, &CEABlock::valueChanged);
    if (checked < 5)
        e.toggle(checked);
    QCOMPARE(changes.count(), checked < 5 ? 1 : 0);
    QCOMPARE(e.data().toHex(' '), written.toHex(' '));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(e.box(i)->isEnabled(), i <= checked);
}

void TestCEAHdmi14bVsdb::chainBrokenAndMended()
{
    Editor e;
    for (int i = 0; i < 5; ++i)
        e.toggle(i);
    e.fill();
    QCOMPARE(e.data().size(), 12);

    e.toggle(0);
    QCOMPARE(e.data().toHex(' '), hexBytes("03 0C 00 10 00").toHex(' '));
    for (int i = 1; i < 5; ++i) {
        QVERIFY(e.box(i)->isChecked());
        QVERIFY(!e.box(i)->isEnabled());
    }
    e.toggle(0);
    QCOMPARE(e.data().size(), 12);

    e.toggle(3);
    QCOMPARE(e.data().toHex(' '), hexBytes("03 0C 00 10 00 F9 3C 09").toHex(' '));
    QVERIFY(!e.box(4)->isEnabled());
}

void TestCEAHdmi14bVsdb::ouiText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("oui");

    QTest::newRow("HDMI") << "000C03" << hexBytes("03 0C 00");
    QTest::newRow("eight digits") << "12C45DD8" << hexBytes("D8 5D C4");
    QTest::newRow("0x and lower case") << " 0x1a" << hexBytes("1A 00 00");
    QTest::newRow("stops at a non-digit") << "C45Dz8" << hexBytes("5D C4 00");
    QTest::newRow("no digit") << "zz" << hexBytes("00 00 00");
    QTest::newRow("empty") << "" << hexBytes("00 00 00");
}

void TestCEAHdmi14bVsdb::ouiText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, oui);

    Editor e;
    e.load(hexBytes("FF FF FF 10 00"));
    e.oui()->setText(text);
    QCOMPARE(e.data().toHex(' '), (oui + hexBytes("10 00")).toHex(' '));
}

// A loaded block is shown and written back as it was; after an edit that
// changes no value it is written from the fields: exactly for the lengths
// and latency bits the chain can give, with bytes past the block as 0.
void TestCEAHdmi14bVsdb::load_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("checked");
    QTest::addColumn<QByteArray>("rebuilt");

    const QByteArray hdmiTv = hexBytes("03 0C 00 10 00 B8 2D C0 0C 0C 0C 0C");
    QTest::newRow("latencies") << hdmiTv << 5 << hdmiTv;
    QTest::newRow("address only") << hexBytes("03 0C 00 20 00") << 0 << hexBytes("03 0C 00 20 00");
    QTest::newRow("TMDS clock") << hexBytes("03 0C 00 10 00 38 3C") << 2 << hexBytes("03 0C 00 10 00 38 3C");
    QTest::newRow("short") << hexBytes("03 0C") << 0 << hexBytes("03 0C 00 00 00");
    QTest::newRow("empty") << QByteArray() << 0 << QByteArray(5, '\0');
    QTest::newRow("latency bit, no latency") << hexBytes("03 0C 00 10 00 00 00 80") << 3
                                             << hexBytes("03 0C 00 10 00 00 00 00");
    QTest::newRow("HDMI video fields") << hexBytes("03 0C 00 10 00 B8 3C 20 00 80 01 02 03 04") << 5
                                       << hexBytes("03 0C 00 10 00 B8 3C E0 00 80 01 02");
    QTest::newRow("nine bytes") << hexBytes("03 0C 00 10 00 00 00 80 05") << 3
                                << hexBytes("03 0C 00 10 00 00 00 00");
}

void TestCEAHdmi14bVsdb::load()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, checked);
    QFETCH(QByteArray, rebuilt);

    Editor e;
    e.load(payload);
    QCOMPARE(e.data().toHex(' '), payload.toHex(' '));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(e.box(i)->isChecked(), i < checked);

    const QByteArray bytes = payload.leftJustified(13, '\0');
    QCOMPARE(e.oui()->text().toUpper(),
             (bytes.mid(2, 1) + bytes.mid(1, 1) + bytes.mid(0, 1)).toHex().toUpper().rightJustified(8, '0'));
    QCOMPARE(e.spin("phyAddressA")->value(), static_cast<unsigned char>(bytes[3]) >> 4);
    QCOMPARE(e.spin("phyAddressB")->value(), static_cast<unsigned char>(bytes[3]) & 0x0F);
    QCOMPARE(e.spin("tmdsClockValue")->value(), static_cast<int>(static_cast<unsigned char>(bytes[6])));
    QCOMPARE(e.check("supportAICheckBox")->isChecked(), (bytes[5] & 0x80) != 0);
    QCOMPARE(e.spin("iAudioLattency")->value(), static_cast<int>(static_cast<unsigned char>(bytes[11])));

    e.spin("phyAddressD")->stepUp();
    e.spin("phyAddressD")->stepDown();
    QCOMPARE(e.data().toHex(' '), rebuilt.toHex(' '));
}

// The HDMI blocks of real images, as the extension's decoding hands them.
void TestCEAHdmi14bVsdb::samples_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("length");
    QTest::newRow("hdmi-tv") << "hdmi-tv" << 12;
    QTest::newRow("more-than-ten-blocks") << "more-than-ten-blocks" << 7;
    QTest::newRow("ycbcr420-video") << "ycbcr420-video" << 14;
}

void TestCEAHdmi14bVsdb::samples()
{
    QFETCH(QString, sample);
    QFETCH(int, length);

    EdidImages images;
    images.set(sampleImage(sample));
    _EDID_CEA_EXTENSION_INFO info{};
    QCOMPARE(EDIDGetExtensionInfo(images.reference, &info), 0);
    const _EDID_CEA_DATA_BLOCK_INFO *vsdb = nullptr;
    for (const _EDID_CEA_DATA_BLOCK_INFO &block : info.dataBlocks)
        if (block.tag == 3 && vsdb == nullptr)
            vsdb = &block;
    QVERIFY(vsdb != nullptr);
    QCOMPARE(static_cast<int>(vsdb->length), length);
    const QByteArray file(reinterpret_cast<const char *>(vsdb->payload), length);

    CEAHdmi14bVsdb editor(nullptr);
    editor.initFields(*vsdb, images.reference, images.working);
    QCOMPARE(editor.getEDIDData().toHex(' '), file.toHex(' '));
    QCOMPARE(child<QLineEdit>(&editor, QStringLiteral("regIDField"))->text(), QStringLiteral("00000C03"));
    QCOMPARE(child<QSpinBox>(&editor, QStringLiteral("phyAddressA"))->value(), file[3] >> 4);
}

void TestCEAHdmi14bVsdb::reset()
{
    Editor e;
    e.load(hexBytes("03 0C 00 10 00 B8 2D C0 0C 0C 0C 0C"));
    QSignalSpy changes(&e.block, &CEABlock::valueChanged);
    e.block.resetFields(e.images.reference, e.images.working);
    QVERIFY(changes.count() >= 1);
    // The chain is kept: the latencies stay announced.
    QCOMPARE(e.data().toHex(' '), hexBytes("00 00 00 00 00 00 00 C0 00 00 00 00").toHex(' '));
    QCOMPARE(e.oui()->text(), QStringLiteral("00000000"));
    QCOMPARE(e.spin("tmdsClockValue")->value(), 0);
    QVERIFY(!e.check("supportAICheckBox")->isChecked());
}

QTEST_MAIN(TestCEAHdmi14bVsdb)
#include "tst_ceahdmi14bvsdb.moc"
