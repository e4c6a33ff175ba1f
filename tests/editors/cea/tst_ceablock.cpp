#include <QtTest>

#include "ceablock.h"
#include "ceabuilder.h"

class TestCEABlock : public QObject
{
    Q_OBJECT

private slots:
    void blockType_data();
    void blockType();
    void subType();
    void builder();
    void rawBlock_data();
    void rawBlock();
    void payloadBytesStaysInBlock();
};

void TestCEABlock::blockType_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("extTag");
    QTest::addColumn<int>("kind");
    QTest::newRow("video, any byte") << 2 << 0x99 << int(CEA_VIDEO);
    QTest::newRow("audio") << 1 << 0 << int(CEA_AUDIO);
    QTest::newRow("speaker allocation") << 4 << 0 << int(CEA_SPEAKER_ALLOCATION);
    QTest::newRow("vendor specific") << 3 << 0 << int(CEA_VENDOR_SPECIFIC);
    QTest::newRow("video capability") << 7 << 0 << int(CEA_VIDEO_CAPABILITY);
    QTest::newRow("colorimetry") << 7 << 5 << int(CEA_COLORIMETRY);
    QTest::newRow("vendor specific video") << 7 << 1 << int(CEA_VENDOR_SPECIFIC_VIDEO);
    QTest::newRow("vendor specific audio") << 7 << 17 << int(CEA_VENDOR_SPECIFIC_AUDIO);
    QTest::newRow("info frame") << 7 << 32 << int(CEA_INFO_FRAME);
    QTest::newRow("YCbCr 4:2:0 video") << 7 << 14 << int(CEA_YCBCR420_VIDEO);
    QTest::newRow("capability map") << 7 << 15 << int(CEA_YCBCR420_CAPABILITY_MAP);
    QTest::newRow("format preference") << 7 << 13 << int(CEA_VIDEO_FORMAT_PREFERENCE);
    // HDR static metadata is a data block, never the timing list.
    QTest::newRow("extended tag 6") << 7 << 6 << int(CEA_UNKNOWN);
    QTest::newRow("extended tag 2") << 7 << 2 << int(CEA_UNKNOWN);
    QTest::newRow("reserved tag 0") << 0 << 0 << int(CEA_UNKNOWN);
    QTest::newRow("tag 5") << 5 << 0 << int(CEA_UNKNOWN);
    QTest::newRow("tag 6") << 6 << 0 << int(CEA_UNKNOWN);
}

void TestCEABlock::blockType()
{
    QFETCH(int, tag);
    QFETCH(int, extTag);
    QFETCH(int, kind);
    QCOMPARE(int(CEABlock::getBlockType(tag, extTag)), kind);
}

void TestCEABlock::subType()
{
    QCOMPARE(CEABlock::getSubType(CEA_VIDEO_CAPABILITY), 0);
    QCOMPARE(CEABlock::getSubType(CEA_VIDEO), 0);
    QCOMPARE(CEABlock::getSubType(CEA_COLORIMETRY), 5);
    QCOMPARE(CEABlock::displayName[CEA_YCBCR420_VIDEO], QStringLiteral("YCbCr 4:2:0 Video"));
    QCOMPARE(CEABlock::displayName[CEA_INFO_FRAME], QStringLiteral("Info frame"));
    QCOMPARE(CEABlock::subBlockSize[CEA_AUDIO], 3);
    QCOMPARE(CEABlock::subBlockSize[CEA_DETAILED_TIMING], 18);
}

void TestCEABlock::builder()
{
    QVERIFY(CEABuilder::make(0) == nullptr);
    QVERIFY(CEABuilder::make(14) == nullptr);
    QVERIFY(CEABuilder::make(-1) == nullptr);
    QScopedPointer<CEABlock> timings(CEABuilder::make(CEA_DETAILED_TIMING));
    QVERIFY(timings);
    QVERIFY(timings->isDetailedTimingList());
    QCOMPARE(timings->getDisplayName(), QStringLiteral("Detailed timing"));
    QCOMPARE(timings->parent(), nullptr);
    QVERIFY(!timings->getHelpMessage().isEmpty());
}

void TestCEABlock::rawBlock_data()
{
    QTest::addColumn<QByteArray>("block");  // header byte first
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("extTag");
    QTest::newRow("HDR static metadata")
        << QByteArray::fromHex("e50603010203") << "Raw: HDR static metadata (tag 7, ext. tag 6)" << 7 << 6;
    QTest::newRow("HDMI Forum sink capability")
        << QByteArray::fromHex("e479010378")
        << "Raw: HDMI Forum sink capability (tag 7, ext. tag 121)" << 7 << 121;
    QTest::newRow("native video resolution")
        << QByteArray::fromHex("e20801") << "Raw: Native video resolution (tag 7, ext. tag 8)" << 7 << 8;
    QTest::newRow("unknown extended tag")
        << QByteArray::fromHex("e2 7f 01") << "Raw: Reserved extended tag (tag 7, ext. tag 127)" << 7 << 127;
    QTest::newRow("extended tag without payload")
        << QByteArray::fromHex("e0") << "Raw: Extended tag without code (tag 7)" << 7 << 0;
    QTest::newRow("reserved tag 0") << QByteArray::fromHex("00") << "Raw: Reserved (tag 0)" << 0 << 0;
    QTest::newRow("tag 5") << QByteArray::fromHex("a2 11 22")
                           << "Raw: VESA display transfer characteristic (tag 5)" << 5 << 0;
    QTest::newRow("audio kept whole")
        << QByteArray::fromHex("23 09 07 07") << "Raw: Audio (tag 1)" << 1 << 0;
}

void TestCEABlock::rawBlock()
{
    QFETCH(QByteArray, block);
    QFETCH(QString, name);
    QFETCH(int, tag);
    QFETCH(int, extTag);

    std::vector<unsigned char> image(block.begin(), block.end());
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.tag = image[0] >> 5;
    info.length = image[0] & 0x1F;
    info.payload = image.data() + 1;

    QScopedPointer<CEABlock> raw(CEABuilder::makeRaw());
    QSignalSpy changes(raw.data(), &CEABlock::valueChanged);
    raw->initFields(info, nullptr, nullptr);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(raw->getDisplayName(), name);
    QCOMPARE(raw->getType(), tag);
    QCOMPARE(raw->getSubType(), extTag);
    QVERIFY(!raw->isDetailedTimingList());
    QCOMPARE(raw->getEDIDData(), block.mid(1));
}

void TestCEABlock::payloadBytesStaysInBlock()
{
    std::vector<unsigned char> payload = {1, 2, 3};
    _EDID_CEA_DATA_BLOCK_INFO info{};
    info.length = 3;
    info.payload = payload.data();
    QCOMPARE(CEABlock::payloadBytes(info, 2), QByteArray::fromHex("0102"));
    QCOMPARE(CEABlock::payloadBytes(info, 8), QByteArray::fromHex("010203"));
    info.length = -1;
    QCOMPARE(CEABlock::payloadBytes(info, 8), QByteArray());
}

QTEST_MAIN(TestCEABlock)
#include "tst_ceablock.moc"
