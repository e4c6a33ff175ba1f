// CEA-861 extension: decoding, block search, header writers and block editing.

#include "edid.h"
#include "testimage.h"

#include <QtTest>

#include <cstring>
#include <vector>

namespace {

// An image whose extension starts with `bytes` at byte 128 (the rest 0), with
// a correct extension checksum. Bytes 0-127 hold a marker pattern.
Image extensionImage(const std::vector<int>& bytes)
{
    Image image{};
    for (int i = 0; i < 128; ++i)
        image[size_t(i)] = Byte(0xA5 ^ i);
    for (size_t i = 0; i < bytes.size() && i < 127; ++i)
        image[128 + i] = Byte(bytes[i]);
    fixChecksum(image, 128);
    return image;
}

// Extension header 02 03 d 00 followed by `collection`.
std::vector<int> withHeader(int d, const std::vector<int>& collection)
{
    std::vector<int> bytes{0x02, 0x03, d, 0x00};
    bytes.insert(bytes.end(), collection.begin(), collection.end());
    return bytes;
}

// The recorded blocks as "tag:length@offset" words (offset of the payload from byte 128).
QString describeBlocks(const _EDID_CEA_EXTENSION_INFO& info, const Image& image)
{
    QStringList words;
    for (const _EDID_CEA_DATA_BLOCK_INFO& b : info.dataBlocks) {
        if (b.tag == 0)
            break;
        words << QStringLiteral("%1:%2@%3").arg(b.tag).arg(b.length).arg(b.payload - image.data() - 128);
    }
    return words.join(QLatin1Char(' '));
}

// What edid-decode's text of a sample says about its CTA-861 block: the data
// block kinds as "tag" or "7.ext" (tag-0 headers left out, as the decoder
// passes over them), the flags of byte 131 and the number of detailed timings.
struct DecodedText {
    QStringList blocks;
    int version = -1;
    int support = 0;
    int dtds = 0;
};

DecodedText readEdidDecodeText(const QString& name)
{
    static const struct { const char* title; const char* kind; } kinds[] = {
        {"Audio Data Block", "1"},
        {"Video Data Block", "2"},
        {"Vendor-Specific Data Block", "3"},
        {"Speaker Allocation Data Block", "4"},
        {"Video Capability Data Block", "7.00"},
        {"Colorimetry Data Block", "7.05"},
        {"HDR Static Metadata Data Block", "7.06"},
        {"Video Format Preference Data Block", "7.0d"},
        {"YCbCr 4:2:0 Video Data Block", "7.0e"},
        {"YCbCr 4:2:0 Capability Map Data Block", "7.0f"},
        {"InfoFrame Data Block", "7.20"},
        {"Vendor-Specific Video Data Block", "7.01"},
        {"Vendor-Specific Audio Data Block", "7.11"},
    };
    DecodedText out;
    QFile file(QStringLiteral(VOZEVU_TEST_DATA "/") + name + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return out;
    bool inCta = false;
    bool inTimings = false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("Block ")))
            inCta = line.contains(QLatin1String("CTA-861 Extension Block"));
        if (!inCta || !line.startsWith(QLatin1String("  ")))
            continue;
        const QString text = line.trimmed();
        if (!line.startsWith(QLatin1String("   ")))
            inTimings = text == QLatin1String("Detailed Timing Descriptors:");
        if (line.startsWith(QLatin1String("  Revision: ")))
            out.version = text.mid(10).toInt();
        else if (text.startsWith(QLatin1String("Underscans IT")))
            out.support |= 0x80;
        else if (text == QLatin1String("Basic audio support"))
            out.support |= 0x40;
        else if (text == QLatin1String("Supports YCbCr 4:4:4"))
            out.support |= 0x20;
        else if (text == QLatin1String("Supports YCbCr 4:2:2"))
            out.support |= 0x10;
        else if (text.startsWith(QLatin1String("Native detailed modes: ")))
            out.support |= text.mid(23).toInt();
        else if (inTimings && line.startsWith(QLatin1String("    DTD ")))
            ++out.dtds;
        else if (!line.startsWith(QLatin1String("   "))) {
            for (const auto& k : kinds)
                if (text.startsWith(QLatin1String(k.title)))
                    out.blocks << QLatin1String(k.kind);
        }
    }
    return out;
}

} // namespace

class TestEdidCea : public QObject
{
    Q_OBJECT

private slots:
    void refusedExtensionWritesNothing_data();
    void refusedExtensionWritesNothing();
    void paddingCheck_data();
    void paddingCheck();
    void dataBlockWalk_data();
    void dataBlockWalk();
    void detailedTimingList_data();
    void detailedTimingList();
    void realSamples_data();
    void realSamples();
    void searchBlock();
    void headerWriters();
    void blockEditing();
    void blockEditingRefusals();
    void anyExtensionStaysInBounds();
};

void TestEdidCea::refusedExtensionWritesNothing_data()
{
    QTest::addColumn<QString>("sample");   // empty: an all-zero image
    QTest::addColumn<int>("result");

    QTest::newRow("no extension") << QString() << 1;
    QTest::newRow("DisplayID extension") << QStringLiteral("displayid-extension") << 1;
    QTest::newRow("checksum error") << QStringLiteral("cea-bad-checksum") << 3;
}

// An image without a CEA extension (1) or with a bad checksum (3): nothing
// but the present flag (0 for the former) is written.
void TestEdidCea::refusedExtensionWritesNothing()
{
    QFETCH(QString, sample);
    QFETCH(int, result);

    const Image image = sample.isEmpty() ? Image{} : loadSample(sample);
    _EDID_CEA_EXTENSION_INFO info;
    memset(&info, 0x5A, sizeof info);
    _EDID_CEA_EXTENSION_INFO before;
    memcpy(&before, &info, sizeof info);
    QCOMPARE(EDIDGetExtensionInfo(image.data(), &info), result);
    if (result == 1) {
        QCOMPARE(int(info.present), 0);
        before.present = 0;
    }
    QCOMPARE(int(info.version), 0x5A5A);   // nothing else written
    QVERIFY(memcmp(&info, &before, sizeof info) == 0);
}

void TestEdidCea::paddingCheck_data()
{
    QTest::addColumn<std::vector<int>>("bytes");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("units");   // of the timing area
    QTest::addColumn<int>("timings");

    std::vector<int> lastByte = withHeader(4, {});
    lastByte.resize(127, 0);
    lastByte[126] = 0x01;   // byte 254
    QTest::newRow("byte 254 set") << lastByte << 2 << 0 << 0;

    std::vector<int> midPadding = withHeader(6, {0x41, 0x01});
    midPadding.resize(127, 0);
    midPadding[60] = 0x20;   // byte 188, after the collection, no timing
    QTest::newRow("padding byte mid-way") << midPadding << 2 << 0 << 0;

    // One timing at 128 + 109 ends exactly at byte 254: no padding to test.
    std::vector<int> fullTiming = withHeader(109, std::vector<int>(105, 0x20));
    for (int i = 0; i < 18; ++i)
        fullTiming.push_back(0x11 + i);
    QTest::newRow("timing ends at 254") << fullTiming << 0 << 1 << 1;

    // The same bytes with d = 110: the timing would pass byte 254, so its
    // bytes are padding, and not zero.
    std::vector<int> pastEnd = fullTiming;
    pastEnd[2] = 110;
    QTest::newRow("timing past 254 is padding") << pastEnd << 2 << 0 << 0;

    // A collection that reaches byte 254 (d = 127): no padding either.
    QTest::newRow("collection to 254") << withHeader(127, std::vector<int>(123, 0x20)) << 0 << 0 << 0;
    QTest::newRow("clean") << withHeader(6, {0x41, 0x01}) << 0 << 0 << 0;

    // Display descriptors after a timing, or between two, are content.
    const std::vector<int> timing{0x3A, 0x02, 0x80, 0x18, 0x71, 0x38, 0x2D, 0x40, 0x58,
                                  0x2C, 0x45, 0x00, 0x13, 0x8E, 0x21, 0x00, 0x00, 0x1E};
    const std::vector<int> serial{0x00, 0x00, 0x00, 0xFF, 0x00, 0x31, 0x31, 0x30, 0x4D,
                                  0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20};
    std::vector<int> after = withHeader(6, {0x41, 0x01});
    for (const auto* unit : {&timing, &serial})
        after.insert(after.end(), unit->begin(), unit->end());
    QTest::newRow("descriptor after the timing") << after << 0 << 2 << 1;
    std::vector<int> between = after;
    between.insert(between.end(), timing.begin(), timing.end());
    QTest::newRow("descriptor between timings") << between << 0 << 3 << 1;
    // An all-zero unit ends the area: what follows is padding.
    std::vector<int> gap = withHeader(6, {0x41, 0x01});
    gap.insert(gap.end(), timing.begin(), timing.end());
    gap.resize(gap.size() + 18, 0);
    gap.insert(gap.end(), serial.begin(), serial.end());
    QTest::newRow("descriptor after a zero unit") << gap << 2 << 1 << 1;
}

void TestEdidCea::paddingCheck()
{
    QFETCH(std::vector<int>, bytes);
    QFETCH(int, result);
    QFETCH(int, units);
    QFETCH(int, timings);
    const Image image = extensionImage(bytes);
    _EDID_CEA_EXTENSION_INFO info{};
    QCOMPARE(EDIDGetExtensionInfo(image.data(), &info), result);
    QCOMPARE(int(info.present), 1);
    QCOMPARE(int(info.version), 3);
    QCOMPARE(int(EDIDGetCEATimingUnitCount(image.data())), units);
    QCOMPARE(int(info.dtds.length), timings);
}

void TestEdidCea::dataBlockWalk_data()
{
    QTest::addColumn<std::vector<int>>("bytes");
    QTest::addColumn<QString>("blocks");   // tag:length@payload offset from 128

    QTest::newRow("two blocks, tag-0 byte") << withHeader(12, {0x42, 1, 2, 0x00, 0x23, 3, 4, 5})
                                            << QStringLiteral("2:2@5 1:3@9");
    QTest::newRow("eleven blocks") << withHeader(15, std::vector<int>(11, 0x20))
                                   << QStringLiteral("1:0@5 1:0@6 1:0@7 1:0@8 1:0@9 1:0@10 1:0@11 1:0@12 1:0@13 1:0@14 1:0@15");
    // A tag-0 header with length bits is passed over whole.
    QTest::newRow("tag 0 with length") << withHeader(9, {0x02, 0x41, 0x41, 0x41, 0x07})
                                       << QStringLiteral("2:1@8");
    // An extended-tag block of length 0 has no extended tag.
    QTest::newRow("tag 7 length 0") << withHeader(8, {0xE0, 0x62, 1, 2})
                                    << QStringLiteral("7:0@5 3:2@6");
    QTest::newRow("length past collection") << withHeader(10, {0x41, 1, 0x5F, 1, 2, 3})
                                            << QStringLiteral("2:1@5 2:3@7");
    QTest::newRow("d 0") << withHeader(0, {0x41, 1}) << QString();
    QTest::newRow("d 3") << withHeader(3, {0x41, 1}) << QString();
    QTest::newRow("d 4") << withHeader(4, {0x41, 1}) << QString();

    // d beyond the block: the collection stops at byte 254.
    std::vector<int> tail(118, 0x00);
    tail.push_back(0x5F);
    tail.push_back(1);
    tail.push_back(2);
    tail.push_back(3);
    tail.push_back(4);
    QTest::newRow("length past byte 254") << withHeader(200, tail) << QStringLiteral("2:4@123");
}

void TestEdidCea::dataBlockWalk()
{
    QFETCH(std::vector<int>, bytes);
    QFETCH(QString, blocks);
    const Image image = extensionImage(bytes);
    _EDID_CEA_EXTENSION_INFO info;
    memset(&info, 0x5A, sizeof info);
    const int result = EDIDGetExtensionInfo(image.data(), &info);
    QVERIFY(result == 0 || result == 2);
    QCOMPARE(describeBlocks(info, image), blocks);

    // The same list through the single-purpose reader.
    std::vector<_EDID_CEA_DATA_BLOCK_INFO> entries(EDID_CEA_MAX_DATA_BLOCKS);
    EDIDGetCEADataBlockInfo(image.data(), entries.data());
    for (int i = 0; i < EDID_CEA_MAX_DATA_BLOCKS; ++i) {
        QCOMPARE(entries[size_t(i)].tag, info.dataBlocks[i].tag);
        QCOMPARE(entries[size_t(i)].length, info.dataBlocks[i].length);
    }
}

void TestEdidCea::detailedTimingList_data()
{
    QTest::addColumn<std::vector<int>>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");   // payload offset from 128

    std::vector<int> timing{0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E,
                            0x28, 0x55, 0x00, 0xC4, 0x8E, 0x21, 0x00, 0x00, 0x1E};
    std::vector<int> lowZero = timing;
    lowZero[0] = 0x00;
    lowZero[1] = 0x0A;   // 25.60 MHz

    std::vector<int> d4 = withHeader(4, timing);
    QTest::newRow("d 4, from 132") << d4 << 1 << 4;
    std::vector<int> two = withHeader(4, timing);
    two.insert(two.end(), {0x00, 0x00, 0x00, 0xFC});
    QTest::newRow("second starts 00 00") << two << 1 << 4;
    std::vector<int> low = withHeader(6, {0x41, 0x01});
    low.insert(low.end(), lowZero.begin(), lowZero.end());
    low.insert(low.end(), timing.begin(), timing.end());
    QTest::newRow("clock low byte 0") << low << 2 << 6;
    std::vector<int> six = withHeader(4, {});
    for (int k = 0; k < 7; ++k)
        six.insert(six.end(), timing.begin(), timing.end());
    QTest::newRow("six fit, seventh passes 254") << six << 6 << 4;
    std::vector<int> at109 = withHeader(109, std::vector<int>(105, 0x20));
    at109.insert(at109.end(), timing.begin(), timing.end());
    QTest::newRow("d 109 ends at 254") << at109 << 1 << 109;
    std::vector<int> at110 = at109;
    at110[2] = 110;
    QTest::newRow("d 110 none") << at110 << 0 << 110;
    QTest::newRow("d 0 none") << withHeader(0, timing) << 0 << 0;
    QTest::newRow("d 255 none") << withHeader(255, timing) << 0 << 127;
}

void TestEdidCea::detailedTimingList()
{
    QFETCH(std::vector<int>, bytes);
    QFETCH(int, count);
    QFETCH(int, start);
    const Image image = extensionImage(bytes);
    _EDID_CEA_EXTENSION_INFO info{};
    EDIDGetExtensionInfo(image.data(), &info);
    QCOMPARE(info.dtds.length, count);
    QCOMPARE(int(info.dtds.payload - image.data() - 128), start);

    _EDID_CEA_DATA_BLOCK_INFO dtds{};
    dtds.tag = 9;
    const int used = EDIDGetCEADetTimingInfo(image.data(), &dtds);
    QCOMPARE(dtds.tag, 9u);
    QCOMPARE(dtds.length, count);
    const int d = image[130];
    QCOMPARE(used, (d < 4 ? 0 : qMin(d - 4, 123)) + 18 * count);
    if (count > 0)
        QCOMPARE(EDIDGetCEADetailedTiming(info.dtds.payload).hActive, Word(bytes[size_t(start) + 2] | (bytes[size_t(start) + 4] >> 4) << 8));
}

void TestEdidCea::realSamples_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    for (const char* name : {"hdmi-tv", "hdr-static-metadata", "more-than-ten-blocks", "cea-full-no-padding",
                             "dtd-clock-low-byte-zero", "reserved-cea-tags", "infoframe-block",
                             "video-format-preference", "ycbcr420-capability-map", "ycbcr420-video"})
        QTest::newRow(name) << QString::fromLatin1(name) << 0;
}

// Each sample's data blocks, flags and timings as edid-decode reads them.
void TestEdidCea::realSamples()
{
    QFETCH(QString, name);
    QFETCH(int, result);
    const Image image = loadSample(name);
    const DecodedText expected = readEdidDecodeText(name);
    QVERIFY(expected.version > 0);

    _EDID_CEA_EXTENSION_INFO info{};
    QCOMPARE(EDIDGetExtensionInfo(image.data(), &info), result);
    QCOMPARE(int(info.version), expected.version);
    const _EDID_CEA_SUPPORT_INFO& s = info.support;
    QCOMPARE(s.underscan * 0x80 + s.basicAudio * 0x40 + s.ycbcr444 * 0x20 + s.ycbcr422 * 0x10 + s.nativeCount,
             expected.support);
    QCOMPARE(info.dtds.length, expected.dtds);

    QStringList blocks;
    const Byte* next = image.data() + 132;
    for (const _EDID_CEA_DATA_BLOCK_INFO& b : info.dataBlocks) {
        if (b.tag == 0)
            break;
        const Byte header = b.payload[-1];
        // Each entry is a header of its own tag and length; only tag-0 bytes lie between.
        QCOMPARE(uint32_t(header >> 5), b.tag);
        QCOMPARE(b.length, int32_t(header & 0x1F));
        while (next < b.payload - 1) {
            QCOMPARE(*next >> 5, 0);
            next += 1 + (*next & 0x1F);
        }
        next = b.payload + b.length;
        blocks << (b.tag == 7 ? QStringLiteral("7.%1").arg(b.payload[0], 2, 16, QLatin1Char('0')) : QString::number(b.tag));
    }
    while (next < image.data() + 128 + image[130]) {
        QCOMPARE(*next >> 5, 0);
        next += 1 + (*next & 0x1F);
    }
    QCOMPARE(blocks, expected.blocks);
    QCOMPARE(next, image.data() + 128 + image[130]);
}

void TestEdidCea::searchBlock()
{
    // Video, a tag-7 block of extended tag 0, a tag-7 block of length 0, an
    // audio block whose header byte (0x25) equals the extended tag searched,
    // then the tag-7 block of extended tag 5.
    const Image image = extensionImage(withHeader(18, {0x41, 0x10, 0xE2, 0x00, 0x01, 0xE0, 0x23, 9, 8, 7, 0xE2, 0x05, 0x81}));
    unsigned char* header = nullptr;
    unsigned int offset = 0;
    QVERIFY(EDIDSearchBlockTypeLL(image.data(), 7, 5, &header, &offset));
    QCOMPARE(int(header - image.data()), 142);
    QCOMPARE(offset, 10u);
    QVERIFY(EDIDSearchBlockTypeLL(image.data(), 7, 0, &header, &offset));
    QCOMPARE(offset, 2u);
    QVERIFY(EDIDSearchBlockTypeLL(image.data(), 2, 0, &header, &offset));
    QCOMPARE(offset, 0u);
    QVERIFY(EDIDSearchBlockTypeLL(image.data(), 2, 0, nullptr, nullptr));

    // The length-0 block has no extended tag: the next header is not read as one.
    header = reinterpret_cast<unsigned char*>(0x1);
    offset = 77;
    QVERIFY(!EDIDSearchBlockTypeLL(image.data(), 7, 0x23, &header, &offset));
    QVERIFY(!EDIDSearchBlockTypeLL(image.data(), 4, 0, &header, &offset));
    QVERIFY(!EDIDSearchBlockTypeLL(image.data(), 9, 0, &header, &offset));
    QCOMPARE(header, reinterpret_cast<unsigned char*>(0x1));
    QCOMPARE(offset, 77u);

    QCOMPARE(EDIDSearchBlockType(const_cast<Byte*>(image.data()), 7, 5), const_cast<Byte*>(image.data()) + 143);
    QCOMPARE(EDIDSearchBlockType(const_cast<Byte*>(image.data()), 4, 0), static_cast<Byte*>(nullptr));
    QCOMPARE(EDIDSearchBlockSize(image.data(), 1, 0), 3u);
    QCOMPARE(EDIDSearchBlockSize(image.data(), 4, 0), 0u);

    // No collection: d below 4 or equal to 4.
    QVERIFY(!EDIDSearchBlockTypeLL(extensionImage(withHeader(2, {0x41, 0})).data(), 2, 0, &header, &offset));
    QVERIFY(!EDIDSearchBlockTypeLL(extensionImage(withHeader(4, {0x41, 0})).data(), 2, 0, &header, &offset));

    // The capability map's lookup in a real image: the video block at byte 132.
    const Image sample = loadSample(QStringLiteral("ycbcr420-capability-map"));
    QVERIFY(EDIDSearchBlockTypeLL(sample.data(), 2, 0, &header, &offset));
    QCOMPARE(int(header - sample.data()), 132);
    QVERIFY(EDIDSearchBlockTypeLL(sample.data(), 7, 0x0F, &header, &offset));
    QCOMPARE(int(header[1]), 0x0F);
}

void TestEdidCea::headerWriters()
{
    Image image = loadSample(QStringLiteral("hdmi-tv"));
    const Image before = image;
    EDIDSetCEAHeaderTag(image.data());
    QCOMPARE(hexText(image, 128, 4), QByteArray("02 03 04 71"));
    QCOMPARE(hexText(image, 132, 123), hexText(before, 132, 123));
    QCOMPARE(blockSum(image, 128), 0);

    EDIDUpdateCEAVersion(0x103, image.data());
    QCOMPARE(int(image[129]), 3);
    QCOMPARE(blockSum(image, 128), 0);

    _EDID_CEA_SUPPORT_INFO support{};
    support.underscan = 1;
    support.ycbcr422 = 1;
    support.nativeCount = 17;
    EDIDUpdateMonitorSupport(support, image.data());
    QCOMPARE(int(image[131]), 0x91);
    QCOMPARE(blockSum(image, 128), 0);
    const _EDID_CEA_SUPPORT_INFO back = EDIDGetCEASupportInfo(image.data());
    QCOMPARE(int(back.underscan), 1);
    QCOMPARE(int(back.basicAudio), 0);
    QCOMPARE(int(back.ycbcr422), 1);
    QCOMPARE(int(back.nativeCount), 1);

    QCOMPARE(hexText(image, 0, 128), hexText(before, 0, 128));
    EDIDRemoveAllCEAData(image.data());
    QCOMPARE(hexText(image, 0, 128), hexText(before, 0, 128));   // byte 126 kept
    QCOMPARE(hexText(image, 128, 128), hexText(Image{}, 128, 128));

    QCOMPARE(EDIDGetCEAVendorSpecificBlock(0xBEEF), Word(0xBEEF));
}

void TestEdidCea::blockEditing()
{
    // An empty extension holding one detailed timing after its collection.
    Image image = extensionImage(withHeader(4, {0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E,
                                                0x28, 0x55, 0x00, 0xC4, 0x8E, 0x21, 0x00, 0x00, 0x1E}));
    const QByteArray timing = hexText(image, 132, 18);
    const QByteArray base = hexText(image, 0, 128);
    Byte* e = image.data();
    QCOMPARE(EDIDGetCEANumberOfUnusedBytes(e), 122 - 18);

    // Each step keeps the timing right after the collection and byte 255 right.
    auto check = [&](int d, const char* collection) {
        QCOMPARE(int(image[130]), d);
        QCOMPARE(hexText(image, 132, d - 4), QByteArray(collection));
        QCOMPARE(hexText(image, 128 + d, 18), timing);
        QCOMPARE(blockSum(image, 128), 0);
        QCOMPARE(hexText(image, 0, 128), base);
        QCOMPARE(EDIDGetCEANumberOfUnusedBytes(e), 122 - (d - 4) - 18);
    };

    QVERIFY(EDIDAddCEABlock(e, 2, 0));
    check(5, "40");
    QVERIFY(EDIDAddCEASubBlock(e, 3, 2, 0));
    check(8, "43 01 1D 00");   // the opened bytes are the caller's to fill
    const Byte svds[3] = {0x90, 0x04, 0x03};
    QCOMPARE(EDIDUpdateCEABlock(svds, 3, e, 2, 0), image[255]);
    check(8, "43 90 04 03");

    QVERIFY(EDIDAddCEABlock(e, 7, 5));
    check(10, "E1 05 43 90 04 03");
    QVERIFY(EDIDAddCEASubBlock(e, 2, 7, 5));
    check(12, "E3 05 43 90 43 90 04 03");
    const Byte colorimetry[2] = {0x80, 0x01};
    EDIDUpdateCEABlock(colorimetry, 2, e, 7, 5);
    check(12, "E3 05 80 01 43 90 04 03");
    // More data than the block holds: only its own bytes are written.
    const Byte many[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    EDIDUpdateCEABlock(many, 8, e, 2, 0);
    check(12, "E3 05 80 01 43 01 02 03");
    EDIDUpdateCEABlock(many, 8, e, 7, 5);
    check(12, "E3 05 01 02 43 01 02 03");
    QCOMPARE(EDIDSearchBlockSize(e, 7, 5), 3u);

    QVERIFY(EDIDDeleteCEASubBlock(e, 1, 2, 0));
    check(11, "E3 05 01 02 42 01 02");
    QVERIFY(EDIDDeleteCEABlock(e, 2, 7, 5));
    check(9, "E1 05 42 01 02");
    QVERIFY(EDIDDeleteFullCEABlock(e, 7, 5));
    check(7, "42 01 02");
    QVERIFY(EDIDDeleteFullCEABlock(e, 2, 0));
    QCOMPARE(int(image[130]), 4);
    QCOMPARE(hexText(image, 132, 18), timing);
    QCOMPARE(hexText(image, 150, 105), hexText(Image{}, 150, 105));   // padding stays 0
    QCOMPARE(blockSum(image, 128), 0);

    // Opening a gap leaves the checksum to the caller.
    const Byte checksum = image[255];
    QVERIFY(EDIDGetEmplyExtentionBlock(e, 3));
    QCOMPARE(int(image[130]), 7);
    QCOMPARE(hexText(image, 135, 18), timing);
    QCOMPARE(image[255], checksum);
}

// Every refusal changes nothing at all.
void TestEdidCea::blockEditingRefusals()
{
    std::vector<int> full = withHeader(4 + 31 + 1, {0x5F});
    full.resize(36, 0x11);                       // a 31-byte video block
    for (int k = 0; k < 4; ++k)                  // and four timings: 32 + 72 = 104 bytes used
        full.insert(full.end(), {0x01, 0x1D, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    Image image = extensionImage(full);
    const Image before = image;
    Byte* e = image.data();
    QCOMPARE(EDIDGetCEANumberOfUnusedBytes(e), 18);

    QVERIFY(!EDIDAddCEASubBlock(e, 1, 2, 0));        // length would pass 31
    QVERIFY(!EDIDAddCEASubBlock(e, 1, 1, 0));        // no audio block
    QVERIFY(!EDIDAddCEASubBlock(e, -1, 2, 0));
    QVERIFY(!EDIDDeleteCEABlock(e, 33, 2, 0));       // more than the block
    QVERIFY(!EDIDDeleteCEABlock(e, -1, 2, 0));
    QVERIFY(!EDIDDeleteFullCEABlock(e, 4, 0));
    QVERIFY(!EDIDGetEmplyExtentionBlock(e, 19));
    QVERIFY(!EDIDGetEmplyExtentionBlock(e, -2));
    QVERIFY(image == before);

    // With 18 bytes free, 18 one-byte blocks fit and the 19th does not.
    for (int k = 0; k < 18; ++k)
        QVERIFY(EDIDAddCEABlock(e, 4, 0));
    const Image filled = image;
    QVERIFY(!EDIDAddCEABlock(e, 4, 0));
    QVERIFY(!EDIDAddCEABlock(e, 7, 1));
    QVERIFY(image == filled);
    QCOMPARE(EDIDGetCEANumberOfUnusedBytes(e), 0);
    QCOMPARE(blockSum(image, 128), 0);

    // An extension whose offset byte is below 4 has no room to edit.
    Image bad = extensionImage(withHeader(2, {}));
    const Image badBefore = bad;
    QCOMPARE(EDIDGetCEANumberOfUnusedBytes(bad.data()), 0);
    QVERIFY(!EDIDAddCEABlock(bad.data(), 2, 0));
    QVERIFY(bad == badBefore);
}

// For every offset byte and several fillings, decoding yields blocks and
// timings that end before byte 255, and no editing function writes outside
// the extension or leaves its checksum wrong.
void TestEdidCea::anyExtensionStaysInBounds()
{
    const Byte fills[] = {0x00, 0xFF, 0xE0, 0x5F, 0x1F, 0x20};
    for (int d = 0; d < 256; ++d) {
        for (int variant = 0; variant < 8; ++variant) {
            Image image{};
            for (int i = 128; i < 255; ++i)
                image[size_t(i)] = variant < 6 ? fills[variant] : Byte((i * (variant == 6 ? 73 : 151) + d) & 0xFF);
            image[128] = 0x02;
            image[130] = Byte(d);
            fixChecksum(image, 128);

            _EDID_CEA_EXTENSION_INFO info{};
            const int result = EDIDGetExtensionInfo(image.data(), &info);
            QVERIFY(result == 0 || result == 2);
            for (const _EDID_CEA_DATA_BLOCK_INFO& b : info.dataBlocks) {
                if (b.tag == 0)
                    break;
                QVERIFY(b.length >= 0);
                QVERIFY(b.payload >= image.data() + 133);
                QVERIFY(b.payload + b.length <= image.data() + 255);
                QVERIFY(b.payload + b.length <= image.data() + 128 + qMax(d, 4));
            }
            QVERIFY(info.dtds.length >= 0);
            QVERIFY(info.dtds.payload + 18 * info.dtds.length <= image.data() + 255);

            for (int tag = 0; tag < 8; ++tag) {
                for (unsigned ext : {0u, 5u, unsigned(fills[variant % 6])}) {
                    Image work = image;
                    Byte* e = work.data();
                    const Byte data[40] = {};
                    EDIDUpdateCEABlock(data, 40, e, tag, ext);
                    EDIDAddCEASubBlock(e, 3, tag, ext);
                    EDIDDeleteCEABlock(e, 2, tag, ext);
                    EDIDDeleteFullCEABlock(e, tag, ext);
                    EDIDAddCEABlock(e, tag, ext);
                    QVERIFY(memcmp(e, image.data(), 128) == 0);
                    QCOMPARE(blockSum(work, 128), 0);
                }
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestEdidCea)
#include "tst_edidcea.moc"
