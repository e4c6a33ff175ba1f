// Writers of the base block: byte layouts, checksum, index limits and the
// decode-then-write round trip of every sample image.

#include "edid.h"
#include "testimage.h"

#include <QtTest>

#include <climits>
#include <cstring>
#include <functional>

namespace {

// An image whose every byte differs from its neighbours, so that a writer
// touching a wrong byte shows.
Image noisyImage()
{
    Image image{};
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = Byte(i * 37 + 11);
    return image;
}

// A text descriptor's 13 bytes as the descriptor editors lay them out.
void layoutText(_EDID_STRING_DATA& s, const char* text)
{
    const size_t n = strnlen(text, 13);
    memcpy(s.text, text, n);
    if (n < 13) {
        s.text[n] = 0x0A;
        memset(s.text + n + 1, 0x20, 13 - n - 1);
    }
}

_EDID_STANDARD_TIMINGS_ITEM standardItem(bool enabled, Word hActive, _FORMAT_ASP_RATIO aspect, Word refresh)
{
    _EDID_STANDARD_TIMINGS_ITEM item{};
    item.enabled = enabled;
    item.hActive = hActive;
    item.aspect = aspect;
    item.refresh = refresh;
    return item;
}

// Writes every section of a decoded base block back with its own record, as
// the panels do; a descriptor of a tag the core does not decode is left alone.
void writeBackBaseBlock(Image& image, const _EDID_MANDATORY_INFO& info)
{
    Byte* edid = image.data();
    EDIDSetHeader(edid);
    EDIDUpdateVendorProductID(edid, info.vendor);
    EDIDUpdateVersionRevision(info.version, edid);
    EDIDUpdateVideoInputDef(info.displayParameters.videoInput, edid);
    EDIDUpdateScreenSizeRatio(info.displayParameters.screenSize, edid);
    EDIDUpdateGamma(info.displayParameters.gamma, edid);
    EDIDUpdateFeatureSupport(info.displayParameters.featureSupport, edid);
    EDIDUpdateDisplayParameters(edid, info.displayParameters);
    EDIDUpdateColorCharact(info.colors, edid);
    EDIDUpdateEstablishedTimings(edid, info.established);
    for (int slot = 1; slot <= 8; ++slot)
        EDIDUpdateStandardTimingItem(info.standard[slot - 1], edid, slot);
    for (int k = 0; k < 4; ++k) {
        _EDID_MONITOR_DESC d = info.descriptors[k];
        switch (d.type) {
        case EDID_DESC_DETAILED_TIMING: EDIDUpdateDetailedTiming(edid, k, d.detailedTiming); break;
        case EDID_DESC_SERIAL_NUMBER:
        case EDID_DESC_DATA_STRING:
        case EDID_DESC_PRODUCT_NAME: {
            char text[14] = {};
            memcpy(text, d.text.text, 13);
            layoutText(d.text, text);
            EDIDUpdateStringDataBlock(edid, k, d);
            break;
        }
        case EDID_DESC_RANGE_LIMITS: EDIDUpdateRangeLimits(edid, k, d); break;
        case EDID_DESC_COLOR_POINT: EDIDUpdateColorPointData(edid, k, d); break;
        case EDID_DESC_STANDARD_TIMINGS:
            for (int item = 0; item < 6; ++item)
                EDIDUpdateExtraStandardTimingItem(edid, k, item, d);
            break;
        case EDID_DESC_COLOR_MANAGEMENT: EDIDUpdateDisplayColorManagement(edid, k, d); break;
        case EDID_DESC_CVT_CODES: EDIDUpdateCVTTimings(edid, k, d); break;
        case EDID_DESC_ESTABLISHED_TIMINGS3: EDIDUpdateEstablishedTimingsBlock(edid, k, d); break;
        case EDID_DESC_UNUSED:
            if (d.tag == 0x10)
                EDIDUpdateUnusedDescriptor(edid, k);
            break;
        }
    }
    EDIDSetExtensionBlockCount(info.extensionCount, edid);
}

// Bits of bytes 0-126 that the record coding of a real image cannot carry:
// mask[i] has a bit set for each bit of byte i that is not compared.
std::array<Byte, 127> unkeptBits(const Image& image)
{
    std::array<Byte, 127> mask{};
    const bool digital = image[20] & 0x80;
    if (digital && image[19] != 4) {
        // Byte 20: only bit 0 (DFP) is written outside revision 4.
        mask[20] = 0x7E;
    }
    for (int k = 0; k < 4; ++k) {
        const int d = 54 + 18 * k;
        if (image[size_t(d)] || image[size_t(d + 1)])
            continue;
        const Byte tag = image[size_t(d + 3)];
        if (tag == 0xFD && image[19] != 4) {
            // Offsets and the range-limits-only / CVT codes exist from revision 4 only.
            mask[size_t(d + 4)] = 0xFF;
            if (image[size_t(d + 10)] == 0x01 || image[size_t(d + 10)] == 0x04)
                mask[size_t(d + 10)] = 0xFF;
        }
        if (tag == 0xFF || tag == 0xFE || tag == 0xFC) {
            // The text ends at 0x0A (or at a NUL of a zero-padded text); the
            // editors write what follows it as 0A 20 20 ...
            int n = 0;
            while (n < 13 && image[size_t(d + 5 + n)] != 0x0A && image[size_t(d + 5 + n)] != 0x00)
                ++n;
            for (int i = n; i < 13; ++i)
                mask[size_t(d + 5 + i)] = 0xFF;
        }
    }
    return mask;
}

} // namespace

class TestEdidWriter : public QObject
{
    Q_OBJECT

private slots:
    void init() { EDIDCurrentRevision = 3; }
    void cleanupTestCase() { EDIDCurrentRevision = 3; }

    void checksumAfterEveryWriter();
    void outOfRangeIndexWritesNothing();
    void vendorProductId_data();
    void vendorProductId();
    void serialNumberRoundTrip_data();
    void serialNumberRoundTrip();
    void versionSetsCurrentRevision();
    void videoInput_data();
    void videoInput();
    void screenSize_data();
    void screenSize();
    void portraitRatioStaysPortrait();
    void gamma_data();
    void gamma();
    void featureSupport_data();
    void featureSupport();
    void colorCharacteristics();
    void establishedTimingsKeepManufacturerBits();
    void standardTiming_data();
    void standardTiming();
    void detailedTiming();
    void detailedTimingBitFields();
    void headerAndExtensionCount();
    void mandatoryInfo();

    void textDescriptor();
    void rangeLimits_data();
    void rangeLimits();
    void rangeLimitsOffsetsRoundTrip_data();
    void rangeLimitsOffsetsRoundTrip();
    void rangeLimitsCvt();
    void colorPoint();
    void standardTimingIdentifiers();
    void colorManagement();
    void cvtTimingCodes();
    void establishedTimingsIII();
    void unusedDescriptor();
    void monitorDescriptorDispatch();

    void roundTrip_data();
    void roundTrip();
};

// Every writer but the header leaves bytes 0-127 summing to 0 and the extension untouched.
void TestEdidWriter::checksumAfterEveryWriter()
{
    _EDID_MANDATORY_INFO info{};
    Image decoded = loadSample(QStringLiteral("displayport-1.4"));
    QVERIFY(EDIDGetMandatoryInfo(decoded.data(), &info));
    _EDID_MONITOR_DESC desc = info.descriptors[0];

    const std::function<void(Byte*)> writers[] = {
        [&](Byte* e) { EDIDUpdateVendorProductID(e, info.vendor); },
        [&](Byte* e) { EDIDUpdateVersionRevision(info.version, e); },
        [&](Byte* e) { EDIDUpdateVideoInputDef(info.displayParameters.videoInput, e); },
        [&](Byte* e) { EDIDUpdateScreenSizeRatio(info.displayParameters.screenSize, e); },
        [&](Byte* e) { EDIDUpdateGamma(info.displayParameters.gamma, e); },
        [&](Byte* e) { EDIDUpdateFeatureSupport(info.displayParameters.featureSupport, e); },
        [&](Byte* e) { EDIDUpdateDisplayParameters(e, info.displayParameters); },
        [&](Byte* e) { EDIDUpdateColorCharact(info.colors, e); },
        [&](Byte* e) { EDIDUpdateEstablishedTimings(e, info.established); },
        [&](Byte* e) { EDIDUpdateStandardTimingItem(info.standard[0], e, 8); },
        [&](Byte* e) { EDIDUpdateDetailedTiming(e, 3, desc.detailedTiming); },
        [&](Byte* e) { EDIDSetExtensionBlockCount(1, e); },
        [&](Byte* e) { EDIDUpdateMandatoryInfo(&info, e); },
        [&](Byte* e) { EDIDUpdateStringDataBlock(e, 1, desc); },
        [&](Byte* e) { EDIDUpdateRangeLimits(e, 2, desc); },
        [&](Byte* e) { EDIDUpdateColorPointData(e, 3, desc); },
        [&](Byte* e) { EDIDUpdateExtraStandardTimingItem(e, 0, 5, desc); },
        [&](Byte* e) { EDIDUpdateDisplayColorManagement(e, 1, desc); },
        [&](Byte* e) { EDIDUpdateCVTTimingCode(e, 2, 3, desc); },
        [&](Byte* e) { EDIDUpdateCVTTimings(e, 3, desc); },
        [&](Byte* e) { EDIDUpdateEstablishedTimingsBlock(e, 0, desc); },
        [&](Byte* e) { EDIDUpdateUnusedDescriptor(e, 1); },
        [&](Byte* e) { EDIDUpdateMonitorDescriptor(e, 2, desc); },
    };
    int n = 0;
    for (const auto& write : writers) {
        Image image = noisyImage();
        const Image before = image;
        write(image.data());
        QVERIFY2(blockSum(image, 0) == 0, qPrintable(QStringLiteral("writer %1").arg(n)));
        QVERIFY2(memcmp(image.data() + 128, before.data() + 128, 128) == 0, qPrintable(QStringLiteral("writer %1").arg(n)));
        ++n;
    }

    // The header writer alone leaves byte 127; the next writer repairs it.
    Image image = noisyImage();
    EDIDSetHeader(image.data());
    QCOMPARE(hexText(image, 0, 8), QByteArray("00 FF FF FF FF FF FF 00"));
    QCOMPARE(image[127], noisyImage()[127]);
    EDIDUpdateVendorProductID(image.data(), info.vendor);
    QCOMPARE(blockSum(image, 0), 0);
}

// Slots, items and codes outside their range change no byte at all.
void TestEdidWriter::outOfRangeIndexWritesNothing()
{
    _EDID_MONITOR_DESC desc{};
    desc.type = EDID_DESC_DETAILED_TIMING;
    desc.detailedTiming.pixelClock = 7425;
    const _EDID_STANDARD_TIMINGS_ITEM item = standardItem(true, 1920, FORMAT_ASP_RATIO_16_9, 60);

    for (int bad : {-1, 4, 5, 100, INT_MIN, INT_MAX}) {
        Image image = noisyImage();
        const Image before = image;
        Byte* e = image.data();
        EDIDUpdateDetailedTiming(e, bad, desc.detailedTiming);
        EDIDUpdateStringDataBlock(e, bad, desc);
        EDIDUpdateRangeLimits(e, bad, desc);
        EDIDUpdateColorPointData(e, bad, desc);
        EDIDUpdateExtraStandardTimingItem(e, bad, 0, desc);
        EDIDUpdateDisplayColorManagement(e, bad, desc);
        EDIDUpdateCVTTimingCode(e, bad, 0, desc);
        EDIDUpdateCVTTimings(e, bad, desc);
        EDIDUpdateEstablishedTimingsBlock(e, bad, desc);
        EDIDUpdateUnusedDescriptor(e, bad);
        EDIDUpdateMonitorDescriptor(e, bad, desc);
        EDIDUpdateCVTTimingCode(e, 0, bad, desc);
        EDIDUpdateExtraStandardTimingItem(e, 0, bad == 4 || bad == 5 ? bad + 2 : bad, desc);
        QVERIFY2(image == before, qPrintable(QString::number(bad)));
    }
    for (int bad : {0, 9, -1, INT_MIN, INT_MAX}) {
        Image image = noisyImage();
        const Image before = image;
        EDIDUpdateStandardTimingItem(item, image.data(), bad);
        QVERIFY2(image == before, qPrintable(QString::number(bad)));
    }
}

void TestEdidWriter::vendorProductId_data()
{
    QTest::addColumn<QByteArray>("manufacturer");
    QTest::addColumn<QByteArray>("product");
    QTest::addColumn<QByteArray>("serial");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");
    QTest::addColumn<QByteArray>("bytes");   // 8-17

    QTest::newRow("AAA") << QByteArray("AAA") << QByteArray("1A2B") << QByteArray("1") << 1 << 1990
                         << QByteArray("04 21 2B 1A 01 00 00 00 01 00");
    QTest::newRow("ZZZ") << QByteArray("ZZZ") << QByteArray("FFFF") << QByteArray("4294967295") << 52 << 2245
                         << QByteArray("6B 5A FF FF FF FF FF FF 34 FF");
    QTest::newRow("empty texts") << QByteArray("ABC") << QByteArray("") << QByteArray("") << 255 << 2020
                                 << QByteArray("04 43 00 00 00 00 00 00 FF 1E");
    QTest::newRow("lower-case hex") << QByteArray("DEL") << QByteArray("a0b1") << QByteArray("305419896") << 12 << 2014
                                    << QByteArray("10 AC B1 A0 78 56 34 12 0C 18");
    QTest::newRow("leading blanks") << QByteArray("GSM") << QByteArray(" 5B0") << QByteArray("  2147483648") << 0 << 2000
                                    << QByteArray("1E 6D B0 05 00 00 00 80 00 0A");
    QTest::newRow("text after digits") << QByteArray("@@@") << QByteArray("12G") << QByteArray("77x") << 3 << 1989
                                       << QByteArray("00 00 12 00 4D 00 00 00 03 FF");
}

void TestEdidWriter::vendorProductId()
{
    QFETCH(QByteArray, manufacturer);
    QFETCH(QByteArray, product);
    QFETCH(QByteArray, serial);
    QFETCH(int, week);
    QFETCH(int, year);
    QFETCH(QByteArray, bytes);

    _EDID_VENDOR_PRODUCT_ID v{};
    qstrncpy(v.manufacturer, manufacturer.constData(), sizeof v.manufacturer);
    qstrncpy(v.productCode, product.constData(), sizeof v.productCode);
    qstrncpy(v.serialNumber, serial.constData(), sizeof v.serialNumber);
    v.week = Word(week);
    v.year = Word(year);
    Image image = noisyImage();
    EDIDUpdateVendorProductID(image.data(), v);
    QCOMPARE(hexText(image, 8, 10), bytes);
    QCOMPARE(hexText(image, 0, 8), hexText(noisyImage(), 0, 8));
    QCOMPARE(hexText(image, 18, 109), hexText(noisyImage(), 18, 109));
}

void TestEdidWriter::serialNumberRoundTrip_data()
{
    QTest::addColumn<QByteArray>("serial");
    for (const char* s : {"0", "1", "65535", "2147483647", "2147483648", "3000000000", "4294967295"})
        QTest::newRow(s) << QByteArray(s);
}

// The serial number is unsigned 32-bit both ways: no value is lost to a sign.
void TestEdidWriter::serialNumberRoundTrip()
{
    QFETCH(QByteArray, serial);
    _EDID_VENDOR_PRODUCT_ID v{};
    qstrncpy(v.manufacturer, "ABC", sizeof v.manufacturer);
    qstrncpy(v.productCode, "0000", sizeof v.productCode);
    qstrncpy(v.serialNumber, serial.constData(), sizeof v.serialNumber);
    v.year = 2000;
    Image image{};
    EDIDUpdateVendorProductID(image.data(), v);
    QCOMPARE(QByteArray(EDIDGetVendorProductID(image.data()).serialNumber), serial);
}

void TestEdidWriter::versionSetsCurrentRevision()
{
    Image image = noisyImage();
    EDIDUpdateVersionRevision(_EDID_VERSION_REVISION{1, 4}, image.data());
    QCOMPARE(hexText(image, 18, 2), QByteArray("01 04"));
    QCOMPARE(EDIDCurrentRevision, 4u);
    QCOMPARE(blockSum(image, 0), 0);
    EDIDUpdateVersionRevision(_EDID_VERSION_REVISION{1, 3}, image.data());
    QCOMPARE(EDIDCurrentRevision, 3u);
}

void TestEdidWriter::videoInput_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<int>("levelOrDepth");
    QTest::addColumn<int>("iface");
    QTest::addColumn<int>("flags");  // bits 4-0: blank setup, separate, composite, sync on green, serration/dfp
    QTest::addColumn<int>("byte20");

    QTest::newRow("analog plain") << 3 << true << 0 << 0 << 0x00 << 0x00;
    QTest::newRow("analog all") << 4 << true << 3 << 0 << 0x1F << 0x7F;
    QTest::newRow("analog level 1 sog") << 3 << true << 1 << 0 << 0x02 << 0x22;
    QTest::newRow("analog level 4 ignored") << 3 << true << 4 << 0 << 0x08 << 0x08;
    QTest::newRow("digital rev3") << 3 << false << 0 << 0 << 0x00 << 0x80;
    QTest::newRow("digital rev3 reserved bits held") << 3 << false << 5 << 3 << 0x00 << 0xD2;
    QTest::newRow("digital rev3 dfp") << 3 << false << 0 << 0 << 0x01 << 0x81;
    QTest::newRow("digital rev4 8-bit DP") << 4 << false << 2 << 5 << 0x00 << 0xA5;
    QTest::newRow("digital rev4 16-bit DVI") << 4 << false << 6 << 1 << 0x01 << 0xE1;
    QTest::newRow("digital rev4 reserved depth 7") << 4 << false << 7 << 2 << 0x00 << 0xF2;
    QTest::newRow("digital rev4 reserved interface 14") << 4 << false << 2 << 14 << 0x00 << 0xAE;
    QTest::newRow("digital rev2 as rev3") << 2 << false << 2 << 4 << 0x01 << 0xA5;
}

void TestEdidWriter::videoInput()
{
    QFETCH(int, revision);
    QFETCH(bool, analog);
    QFETCH(int, levelOrDepth);
    QFETCH(int, iface);
    QFETCH(int, flags);
    QFETCH(int, byte20);

    EDIDCurrentRevision = uint32_t(revision);
    _EDID_VIDEO_INPUT_DEF in{};
    in.analog = analog;
    in.levelOrDepth = uint32_t(levelOrDepth);
    in.interface = uint32_t(iface);
    in.blankSetup = (flags >> 4) & 1;
    in.separateSync = (flags >> 3) & 1;
    in.compositeSync = (flags >> 2) & 1;
    in.syncOnGreen = (flags >> 1) & 1;
    in.serration = flags & 1;
    in.dfp = flags & 1;
    Image image = noisyImage();
    EDIDUpdateVideoInputDef(in, image.data());
    QCOMPARE(int(image[20]), byte20);
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::screenSize_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("size 52x32") << 0 << 52 << 32 << QByteArray("34 20");
    QTest::newRow("size 0x0") << 0 << 0 << 0 << QByteArray("00 00");
    QTest::newRow("size wide values") << 0 << 0x1FF << 0x102 << QByteArray("FF 02");
    QTest::newRow("landscape 1.00") << 1 << 100 << 7 << QByteArray("01 00");
    QTest::newRow("landscape 1.78") << 1 << 178 << 0 << QByteArray("4F 00");
    QTest::newRow("landscape 3.54") << 1 << 354 << 0 << QByteArray("FF 00");
    QTest::newRow("portrait 0.75") << 2 << 75 << 0 << QByteArray("00 22");
    QTest::newRow("portrait 0.28") << 2 << 28 << 0 << QByteArray("00 FF");
    QTest::newRow("portrait 0.29") << 2 << 29 << 0 << QByteArray("00 F5");
    QTest::newRow("portrait 0.99") << 2 << 99 << 0 << QByteArray("00 02");
    QTest::newRow("portrait 1.00") << 2 << 100 << 0 << QByteArray("00 01");
    QTest::newRow("portrait 0 held at 255") << 2 << 0 << 0 << QByteArray("00 FF");
    QTest::newRow("portrait 1.01 held at 1") << 2 << 101 << 0 << QByteArray("00 01");
    QTest::newRow("portrait 655.35 held at 1") << 2 << 65535 << 0 << QByteArray("00 01");
    QTest::newRow("unknown kind as size") << 7 << 40 << 30 << QByteArray("28 1E");
}

void TestEdidWriter::screenSize()
{
    QFETCH(int, kind);
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(QByteArray, bytes);

    _EDID_SCREEN_SIZE_RATIO s{};
    s.kind = uint32_t(kind);
    s.hSizeOrRatio = Word(h);
    s.vSize = Word(v);
    Image image = noisyImage();
    EDIDUpdateScreenSizeRatio(s, image.data());
    QCOMPARE(hexText(image, 21, 2), bytes);
    QCOMPARE(hexText(image, 0, 21), hexText(noisyImage(), 0, 21));
    QCOMPARE(hexText(image, 23, 104), hexText(noisyImage(), 23, 104));
    QCOMPARE(blockSum(image, 0), 0);
}

// Whatever ratio it is given, the portrait writer yields a byte 22 of 1-255
// (so the bytes read back as a portrait ratio), and every ratio it can hold
// (0.28 to 1.00) reads back as written.
void TestEdidWriter::portraitRatioStaysPortrait()
{
    for (int ratio = 0; ratio <= 0xFFFF; ++ratio) {
        _EDID_SCREEN_SIZE_RATIO s{};
        s.kind = 2;
        s.hSizeOrRatio = Word(ratio);
        Image image{};
        EDIDUpdateScreenSizeRatio(s, image.data());
        QVERIFY(image[21] == 0);
        QVERIFY(image[22] >= 1);
        if (ratio >= 28 && ratio <= 100) {
            const _EDID_SCREEN_SIZE_RATIO back = EDIDGetScreenSizeRatio(image.data());
            QCOMPARE(back.kind, 2u);
            QCOMPARE(int(back.hSizeOrRatio), ratio);
        }
    }
}

void TestEdidWriter::gamma_data()
{
    QTest::addColumn<int>("gamma");
    QTest::addColumn<int>("byte23");
    QTest::newRow("1.00") << 100 << 0x00;
    QTest::newRow("2.20") << 220 << 0x78;
    QTest::newRow("3.55") << 355 << 0xFF;
    QTest::newRow("3.56 wraps") << 356 << 0x00;
}

void TestEdidWriter::gamma()
{
    QFETCH(int, gamma);
    QFETCH(int, byte23);
    Image image = noisyImage();
    EDIDUpdateGamma(gamma, image.data());
    QCOMPARE(int(image[23]), byte23);
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::featureSupport_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("flags");   // standby, suspend, activeOff, sRGB, preferred, continuous
    QTest::addColumn<int>("byte24");

    QTest::newRow("analog mono") << 0 << 1 << 0 << 0x00;
    QTest::newRow("analog RGB") << 0 << 2 << 0 << 0x08;
    QTest::newRow("analog non-RGB") << 0 << 3 << 0 << 0x10;
    QTest::newRow("analog undefined") << 0 << 0 << 0 << 0x18;
    QTest::newRow("analog unknown value") << 0 << 9 << 0 << 0x00;
    QTest::newRow("digital 4:4:4") << 1 << 0 << 0 << 0x00;
    QTest::newRow("digital +4:4:4") << 1 << 1 << 0 << 0x08;
    QTest::newRow("digital +4:2:2") << 1 << 2 << 0 << 0x10;
    QTest::newRow("digital both") << 1 << 3 << 0 << 0x18;
    QTest::newRow("digital negative value") << 1 << -1 << 0 << 0x00;
    QTest::newRow("digital rev3 keeps bits 4-3") << -1 << 0 << 0x3F << 0xEF;
    QTest::newRow("all flags") << 1 << 0 << 0x3F << 0xE7;
}

void TestEdidWriter::featureSupport()
{
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(int, flags);
    QFETCH(int, byte24);

    _EDID_FEATURE_SUPPORT f{};
    f.kind = kind;
    f.value = value;
    f.standby = (flags >> 5) & 1;
    f.suspend = (flags >> 4) & 1;
    f.activeOff = (flags >> 3) & 1;
    f.sRGB = (flags >> 2) & 1;
    f.preferredTimingMode = (flags >> 1) & 1;
    f.continuousFrequency = flags & 1;
    Image image = noisyImage();
    image[24] = 0x08;   // colour bits 01
    EDIDUpdateFeatureSupport(f, image.data());
    QCOMPARE(int(image[24]), byte24);
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::colorCharacteristics()
{
    // The chromaticity of displayport-1.4: written from its record, then from
    // hand-picked codes whose low bits all differ.
    const Image sample = loadSample(QStringLiteral("displayport-1.4"));
    Image image = noisyImage();
    EDIDUpdateColorCharact(EDIDGetColorCharacteristics(sample.data()), image.data());
    QCOMPARE(hexText(image, 25, 10), hexText(sample, 25, 10));

    _EDID_COLOR_CHARACTERISTICS c{};
    c.redX = 0x3FF;      // low bits 11
    c.redY = 0x002;      // 10
    c.greenX = 0x101;    // 01
    c.greenY = 0x000;    // 00
    c.blueX = 0x155;     // 01
    c.blueY = 0x2AA;     // 10
    c.whiteX = 0x140;    // 00
    c.whiteY = 0x153;    // 11
    EDIDUpdateColorCharact(c, image.data());
    QCOMPARE(hexText(image, 25, 10), QByteArray("E4 63 FF 00 40 00 55 AA 50 54"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::establishedTimingsKeepManufacturerBits()
{
    _EDID_ESTABLISHED_TIMINGS t{};
    t.timings[0] = 1;    // byte 35 bit 7
    t.timings[7] = 1;    // byte 35 bit 0
    t.timings[8] = 1;    // not written
    t.timings[9] = 1;    // byte 36 bit 7
    t.timings[16] = 1;   // byte 36 bit 0
    t.timings[17] = 1;   // not written
    Image image = noisyImage();
    image[37] = 0xD5;
    EDIDUpdateEstablishedTimings(image.data(), t);
    QCOMPARE(hexText(image, 35, 3), QByteArray("81 81 55"));
    t.timings[18] = 1;
    image[37] = 0x2A;
    EDIDUpdateEstablishedTimings(image.data(), t);
    QCOMPARE(int(image[37]), 0xAA);
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::standardTiming_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("hActive");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<int>("refresh");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("1920 16:9 60") << true << 1920 << int(FORMAT_ASP_RATIO_16_9) << 60 << QByteArray("D1 C0");
    QTest::newRow("1280 5:4 60") << true << 1280 << int(FORMAT_ASP_RATIO_5_4) << 60 << QByteArray("81 80");
    QTest::newRow("1024 4:3 75") << true << 1024 << int(FORMAT_ASP_RATIO_4_3) << 75 << QByteArray("61 4F");
    QTest::newRow("1680 16:10 123") << true << 1680 << int(FORMAT_ASP_RATIO_16_10) << 123 << QByteArray("B3 3F");
    QTest::newRow("15:9 as 16:10") << true << 1280 << int(FORMAT_ASP_RATIO_15_9) << 60 << QByteArray("81 00");
    QTest::newRow("248 pixels") << true << 248 << int(FORMAT_ASP_RATIO_16_10) << 60 << QByteArray("00 00");
    QTest::newRow("unused") << false << 1920 << int(FORMAT_ASP_RATIO_16_9) << 85 << QByteArray("01 01");
}

void TestEdidWriter::standardTiming()
{
    QFETCH(bool, enabled);
    QFETCH(int, hActive);
    QFETCH(int, aspect);
    QFETCH(int, refresh);
    QFETCH(QByteArray, bytes);

    const _EDID_STANDARD_TIMINGS_ITEM item = standardItem(enabled, Word(hActive), _FORMAT_ASP_RATIO(aspect), Word(refresh));
    for (int slot = 1; slot <= 8; ++slot) {
        Image image = noisyImage();
        EDIDUpdateStandardTimingItem(item, image.data(), slot);
        const int first = 36 + 2 * slot;
        QCOMPARE(hexText(image, first, 2), bytes);
        QCOMPARE(hexText(image, 0, first), hexText(noisyImage(), 0, first));
        QCOMPARE(hexText(image, first + 2, 125 - first), hexText(noisyImage(), first + 2, 125 - first));
        QCOMPARE(blockSum(image, 0), 0);
    }
}

void TestEdidWriter::detailedTiming()
{
    // 1280x720 at 74.25 MHz, decoded and written back into each slot.
    static const Byte dtd[18] = {0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E,
                                 0x28, 0x55, 0x00, 0xC4, 0x8E, 0x21, 0x00, 0x00, 0x1E};
    const _EDID_DETAILED_TIMING_BLOCK t = EDIDDecodeDetailedTiming(dtd);
    QCOMPARE(t.hBackPorch, Word(220));
    for (int slot = 0; slot < 4; ++slot) {
        Image image = noisyImage();
        EDIDUpdateDetailedTiming(image.data(), slot, t);
        QVERIFY(memcmp(image.data() + 54 + 18 * slot, dtd, 18) == 0);
        QCOMPARE(hexText(image, 0, 54 + 18 * slot), hexText(noisyImage(), 0, 54 + 18 * slot));
        QCOMPARE(blockSum(image, 0), 0);
    }

    // The blanking comes from the porches and syncs, never from the totals.
    _EDID_DETAILED_TIMING_BLOCK odd = t;
    odd.hTotal = 1;
    odd.vTotal = 2;
    odd.aspect = FORMAT_ASP_RATIO_NONE;
    odd.scan = 3;
    Image image{};
    EDIDUpdateDetailedTiming(image.data(), 0, odd);
    QVERIFY(memcmp(image.data() + 54, dtd, 18) == 0);
}

void TestEdidWriter::detailedTimingBitFields()
{
    _EDID_DETAILED_TIMING_BLOCK t{};
    t.pixelClock = 0x12345;         // 16 bits kept: 0x2345
    t.hActive = 0xABC;
    t.hFrontPorch = 600;
    t.hSyncWidth = 300;
    t.hBackPorch = 0x10;            // blanking 916 = 0x394
    t.vActive = 0x7FF;
    t.vFrontPorch = 48;
    t.vSyncWidth = 20;
    t.vBackPorch = 2;               // blanking 70 = 0x046
    t.hImageSize = 0x5A1;
    t.vImageSize = 0x32F;
    t.hBorder = 0x102;
    t.vBorder = 7;
    t.interlaced = 1;
    t.stereo = 6;                   // bits 6-5 = 11, bit 0 = 0
    t.syncType = 3;
    t.vSyncFlag = 1;
    t.hSyncFlag = 0;
    Image image{};
    EDIDUpdateDetailedTiming(image.data(), 2, t);
    QCOMPARE(hexText(image, 90, 18), QByteArray("45 23 BC 94 A3 FF 46 70 58 2C 04 9D A1 2F 53 02 07 FC"));

    t.stereo = 7;
    t.interlaced = 0;
    t.syncType = 1;
    t.vSyncFlag = 0;
    t.hSyncFlag = 1;
    EDIDUpdateDetailedTiming(image.data(), 2, t);
    QCOMPARE(int(image[107]), 0x6B);
}

void TestEdidWriter::headerAndExtensionCount()
{
    Image image = noisyImage();
    EDIDSetExtensionBlockCount(1, image.data());
    QCOMPARE(int(image[126]), 1);
    QCOMPARE(blockSum(image, 0), 0);
    EDIDSetExtensionBlockCount(0x102, image.data());
    QCOMPARE(int(image[126]), 2);
    QCOMPARE(blockSum(image, 0), 0);
}

// The whole-block writer: sections as their writers, descriptor payloads kept
// (only their tags are written), header and byte 126 untouched.
void TestEdidWriter::mandatoryInfo()
{
    for (const QString& name : sampleNames()) {
        const Image sample = loadSample(name);
        _EDID_MANDATORY_INFO info{};
        if (!EDIDGetMandatoryInfo(sample.data(), &info))
            continue;
        Image piecewise = sample;
        writeBackBaseBlock(piecewise, info);
        EDIDCurrentRevision = 0;
        Image whole = sample;
        whole[126] = 0x33;
        QVERIFY(EDIDUpdateMandatoryInfo(&info, whole.data()));
        QCOMPARE(EDIDCurrentRevision, uint32_t(sample[19]));
        QCOMPARE(int(whole[126]), 0x33);
        QCOMPARE(blockSum(whole, 0), 0);
        // Descriptors keep their payload; sections match the piecewise writers.
        for (int i = 8; i < 126; ++i) {
            const bool inDescriptor = i >= 54;
            const Byte expected = inDescriptor ? sample[size_t(i)] : piecewise[size_t(i)];
            if (whole[size_t(i)] != expected && !(inDescriptor && (i - 54) % 18 == 3))
                QFAIL(qPrintable(QStringLiteral("%1: byte %2").arg(name).arg(i)));
        }
        // A manufacturer tag other than 0x00 survives the dispatcher.
        for (int k = 0; k < 4; ++k) {
            const _EDID_MONITOR_DESC& d = info.descriptors[k];
            if (d.type == EDID_DESC_UNUSED && d.tag != 0x00)
                QCOMPARE(int(whole[size_t(57 + 18 * k)]), int(d.tag));
        }
    }
}

void TestEdidWriter::textDescriptor()
{
    _EDID_MONITOR_DESC desc{};
    desc.type = EDID_DESC_PRODUCT_NAME;
    layoutText(desc.text, "MONITOR");
    Image image = noisyImage();
    EDIDUpdateStringDataBlock(image.data(), 1, desc);
    QCOMPARE(hexText(image, 72, 18), QByteArray("00 00 00 FC 00 4D 4F 4E 49 54 4F 52 0A 20 20 20 20 20"));
    QCOMPARE(blockSum(image, 0), 0);

    desc.type = EDID_DESC_SERIAL_NUMBER;
    EDIDUpdateStringDataBlock(image.data(), 1, desc);
    QCOMPARE(int(image[75]), 0xFF);
    desc.type = EDID_DESC_DATA_STRING;
    EDIDUpdateStringDataBlock(image.data(), 1, desc);
    QCOMPARE(int(image[75]), 0xFE);
    desc.type = EDID_DESC_RANGE_LIMITS;   // not a text kind: d3 stays
    EDIDUpdateStringDataBlock(image.data(), 1, desc);
    QCOMPARE(int(image[75]), 0xFE);

    // Thirteen characters fill d5-d17 without a line feed.
    desc.type = EDID_DESC_DATA_STRING;
    layoutText(desc.text, "ABCDEFGHIJKLM");
    EDIDUpdateStringDataBlock(image.data(), 3, desc);
    QCOMPARE(hexText(image, 108, 18), QByteArray("00 00 00 FE 00 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::rangeLimits_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<QList<int>>("rates");   // min V, max V, min H, max H, pixel clock
    QTest::addColumn<int>("support");
    QTest::addColumn<QByteArray>("bytes");

    const QList<int> usual{50, 75, 30, 83, 170};
    QTest::newRow("default GTF") << 3 << usual << 0 << QByteArray("00 00 00 FD 00 32 4B 1E 53 11 00 0A 20 20 20 20 20 20");
    QTest::newRow("range limits only") << 4 << usual << 2 << QByteArray("00 00 00 FD 00 32 4B 1E 53 11 01 0A 20 20 20 20 20 20");
    QTest::newRow("175 MHz") << 3 << QList<int>{50, 75, 30, 83, 175} << 0 << QByteArray("00 00 00 FD 00 32 4B 1E 53 11 00 0A 20 20 20 20 20 20");
    QTest::newRow("unknown support keeps d10") << 3 << usual << 9 << QByteArray("00 00 00 FD 00 32 4B 1E 53 11 EE 0A 20 20 20 20 20 20");
    QTest::newRow("rev4 max V 300") << 4 << QList<int>{48, 300, 30, 160, 600} << 0 << QByteArray("00 00 00 FD 02 30 2D 1E A0 3C 00 0A 20 20 20 20 20 20");
    QTest::newRow("rev4 all offsets") << 4 << QList<int>{256, 510, 300, 400, 1000} << 0 << QByteArray("00 00 00 FD 0F 01 FF 2D 91 64 00 0A 20 20 20 20 20 20");
    QTest::newRow("rev4 max H only") << 4 << QList<int>{24, 240, 30, 291, 600} << 0 << QByteArray("00 00 00 FD 08 18 F0 1E 24 3C 00 0A 20 20 20 20 20 20");
    QTest::newRow("rev3 no offsets") << 3 << QList<int>{256, 510, 300, 400, 1000} << 0 << QByteArray("00 00 00 FD 00 00 FE 2C 90 64 00 0A 20 20 20 20 20 20");
}

void TestEdidWriter::rangeLimits()
{
    QFETCH(int, revision);
    QFETCH(QList<int>, rates);
    QFETCH(int, support);
    QFETCH(QByteArray, bytes);

    EDIDCurrentRevision = uint32_t(revision);
    _EDID_MONITOR_DESC desc{};
    desc.type = EDID_DESC_RANGE_LIMITS;
    desc.rangeLimits.minVRate = Word(rates[0]);
    desc.rangeLimits.maxVRate = Word(rates[1]);
    desc.rangeLimits.minHRate = Word(rates[2]);
    desc.rangeLimits.maxHRate = Word(rates[3]);
    desc.rangeLimits.maxPixelClock = Word(rates[4]);
    desc.rangeLimits.timingSupport = support;
    Image image = noisyImage();
    image[54 + 10] = 0xEE;
    EDIDUpdateRangeLimits(image.data(), 0, desc);
    QCOMPARE(hexText(image, 54, 18), bytes);
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::rangeLimitsOffsetsRoundTrip_data()
{
    QTest::addColumn<int>("minRate");
    QTest::addColumn<int>("maxRate");
    QTest::newRow("plain") << 0 << 255;
    QTest::newRow("max 256") << 1 << 256;
    QTest::newRow("max 510") << 255 << 510;
    QTest::newRow("both") << 256 << 510;
    QTest::newRow("equal") << 400 << 400;
}

// At revision 4 every rate pair of 0-510 with min <= max decodes as written.
void TestEdidWriter::rangeLimitsOffsetsRoundTrip()
{
    QFETCH(int, minRate);
    QFETCH(int, maxRate);
    EDIDCurrentRevision = 4;
    _EDID_MONITOR_DESC desc{};
    desc.rangeLimits.minVRate = Word(minRate);
    desc.rangeLimits.maxVRate = Word(maxRate);
    desc.rangeLimits.minHRate = Word(minRate);
    desc.rangeLimits.maxHRate = Word(maxRate);
    desc.rangeLimits.timingSupport = 2;
    Image image{};
    EDIDUpdateRangeLimits(image.data(), 2, desc);
    const _EDID_RANGE_LIMITS back = EDIDGetRangeLimits(image.data(), 2);
    QCOMPARE(int(back.minVRate), minRate);
    QCOMPARE(int(back.maxVRate), maxRate);
    QCOMPARE(int(back.minHRate), minRate);
    QCOMPARE(int(back.maxHRate), maxRate);
    QCOMPARE(back.timingSupport, 2);
}

void TestEdidWriter::rangeLimitsCvt()
{
    EDIDCurrentRevision = 4;
    _EDID_MONITOR_DESC desc{};
    _EDID_RANGE_LIMITS& r = desc.rangeLimits;
    r.minVRate = 48;
    r.maxVRate = 144;
    r.minHRate = 30;
    r.maxHRate = 160;
    r.maxPixelClock = 600;
    r.timingSupport = 3;
    r.cvt.version = 1;
    r.cvt.revision = 1;
    r.cvt.pixelClockPrecision = 0x15;
    r.cvt.maxActivePixels = 1920;
    r.cvt.supports4x3 = 1;
    r.cvt.supports16x9 = 1;
    r.cvt.supports15x9 = 1;
    r.cvt.preferredAspect = FORMAT_ASP_RATIO_16_9;
    r.cvt.reducedBlanking = 1;
    r.cvt.hShrink = 1;
    r.cvt.vStretch = 1;
    r.cvt.preferredRefresh = 60;
    Image image = noisyImage();
    EDIDUpdateRangeLimits(image.data(), 1, desc);
    QCOMPARE(hexText(image, 72, 18), QByteArray("00 00 00 FD 00 30 90 1E A0 3C 04 11 54 F0 C8 30 90 3C"));
    QCOMPARE(blockSum(image, 0), 0);

    r.cvt.maxActivePixels = 8184;
    r.cvt.preferredAspect = FORMAT_ASP_RATIO_5_4;
    EDIDUpdateRangeLimits(image.data(), 1, desc);
    QCOMPARE(hexText(image, 72 + 12, 2), QByteArray("57 FF"));
    QCOMPARE(int(image[72 + 15]) >> 5, 3);

    // Secondary GTF curve: d11 is 0 and the curve follows.
    r.timingSupport = 1;
    r.gtf.startFrequency = 120;
    r.gtf.c = 80;
    r.gtf.m = 0x0258;
    r.gtf.k = 128;
    r.gtf.j = 40;
    EDIDUpdateRangeLimits(image.data(), 1, desc);
    QCOMPARE(hexText(image, 72 + 10, 8), QByteArray("02 00 78 50 58 02 80 28"));
    const _EDID_GTF_SECONDARY_CURVE back = EDIDGetGTFSecondaryCurve(image.data(), 1);
    QCOMPARE(back.startFrequency, Word(120));
    QCOMPARE(back.m, Word(0x0258));
}

void TestEdidWriter::colorPoint()
{
    _EDID_MONITOR_DESC desc{};
    _EDID_COLOR_POINT_DATA& p = desc.colorPoint;
    p.index1 = 1;
    p.x1 = 320;
    p.y1 = 337;
    p.gamma1 = 220;
    p.index2 = 2;
    p.x2 = 0x3FF;
    p.y2 = 0x002;
    p.gamma2 = 100;
    Image image = noisyImage();
    EDIDUpdateColorPointData(image.data(), 2, desc);
    QCOMPARE(hexText(image, 90, 18), QByteArray("00 00 00 FB 00 01 01 50 54 78 02 0E FF 00 00 0A 20 20"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::standardTimingIdentifiers()
{
    _EDID_MONITOR_DESC desc{};
    desc.standardTimings[0] = standardItem(true, 1920, FORMAT_ASP_RATIO_16_9, 60);
    desc.standardTimings[5] = standardItem(false, 1280, FORMAT_ASP_RATIO_5_4, 75);
    Image image = noisyImage();
    const Image before = image;
    EDIDUpdateExtraStandardTimingItem(image.data(), 3, 0, desc);
    QCOMPARE(hexText(image, 108, 7), QByteArray("00 00 00 FA 00 D1 C0"));
    QCOMPARE(int(image[125]), 0x0A);
    QCOMPARE(hexText(image, 115, 10), hexText(before, 115, 10));   // items 1-5 untouched
    EDIDUpdateExtraStandardTimingItem(image.data(), 3, 5, desc);
    QCOMPARE(hexText(image, 123, 2), QByteArray("01 01"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::colorManagement()
{
    _EDID_MONITOR_DESC desc{};
    desc.colorManagement = {0x1234, 0xABCD, 0x0001, 0xFF00, 0x0000, 0xFFFF};
    Image image = noisyImage();
    EDIDUpdateDisplayColorManagement(image.data(), 0, desc);
    QCOMPARE(hexText(image, 54, 18), QByteArray("00 00 00 F9 00 03 34 12 CD AB 01 00 00 FF 00 00 FF FF"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::cvtTimingCodes()
{
    _EDID_MONITOR_DESC desc{};
    _EDID_CVT_TIMING_CODE& c = desc.cvtCodes[2];
    c.vActiveLines = 1080;
    c.aspect = FORMAT_ASP_RATIO_16_9;
    c.preferredRate = EDID_VERTICAL_RATE_60HZ;
    c.supported[1] = 1;

    Image image = noisyImage();
    const Image before = image;
    EDIDUpdateCVTTimingCode(image.data(), 1, 2, desc);
    QCOMPARE(hexText(image, 72, 6), QByteArray("00 00 00 F8 00 01"));
    QCOMPARE(hexText(image, 72 + 12, 3), QByteArray("1B 24 28"));
    QCOMPARE(hexText(image, 72 + 6, 6), hexText(before, 72 + 6, 6));
    QCOMPARE(hexText(image, 72 + 15, 3), hexText(before, 72 + 15, 3));
    QCOMPARE(blockSum(image, 0), 0);

    // All four codes: 1280 lines 16:10, 85 Hz preferred, every rate; 5:4 and a
    // bad rate give the zero codes.
    desc.cvtCodes[0] = {1280, FORMAT_ASP_RATIO_16_10, EDID_VERTICAL_RATE_85HZ, {1, 1, 1, 1, 1}};
    desc.cvtCodes[1] = {768, FORMAT_ASP_RATIO_15_9, EDID_VERTICAL_RATE_50HZ, {1, 0, 0, 0, 0}};
    desc.cvtCodes[3] = {600, FORMAT_ASP_RATIO_5_4, _EDID_VERTICAL_RATE(7), {0, 0, 0, 0, 1}};
    EDIDUpdateCVTTimings(image.data(), 1, desc);
    QCOMPARE(hexText(image, 72, 18), QByteArray("00 00 00 F8 00 01 7F 28 7F 7F 1C 10 1B 24 28 2B 10 01"));
}

void TestEdidWriter::establishedTimingsIII()
{
    _EDID_MONITOR_DESC desc{};
    desc.established3.timings[0] = 1;
    Image image = noisyImage();
    EDIDUpdateEstablishedTimingsBlock(image.data(), 2, desc);
    QCOMPARE(hexText(image, 90, 18), QByteArray("00 00 00 F7 00 0A 80 00 00 00 00 00 00 00 00 00 00 00"));
    desc.established3.timings[0] = 0;
    desc.established3.timings[43] = 1;
    desc.established3.timings[17] = 1;
    EDIDUpdateEstablishedTimingsBlock(image.data(), 2, desc);
    QCOMPARE(hexText(image, 96, 6), QByteArray("00 00 40 00 00 10"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::unusedDescriptor()
{
    Image image = noisyImage();
    EDIDUpdateUnusedDescriptor(image.data(), 3);
    QCOMPARE(hexText(image, 108, 18), QByteArray("00 00 00 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(hexText(image, 0, 108), hexText(noisyImage(), 0, 108));
    QCOMPARE(int(image[126]), int(noisyImage()[126]));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::monitorDescriptorDispatch()
{
    static const Byte tags[11] = {0x10, 0x00, 0xFF, 0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xF9, 0xF8, 0xF7};
    for (int type = 0; type <= 12; ++type) {
        if (type == EDID_DESC_DETAILED_TIMING)
            continue;
        _EDID_MONITOR_DESC desc{};
        desc.type = _EDID_DISPLAY_DESCRIPTORS(type);
        Image image = noisyImage();
        const Image before = image;
        EDIDUpdateMonitorDescriptor(image.data(), 1, desc);
        for (int i = 0; i < 18; ++i) {
            const Byte expected = (i == 3 && type <= 10) ? tags[type] : before[size_t(72 + i)];
            QCOMPARE(int(image[size_t(72 + i)]), int(expected));
        }
        QCOMPARE(blockSum(image, 0), 0);
    }

    // A manufacturer-defined tag decoded as unused keeps its tag.
    _EDID_MONITOR_DESC manufacturer{};
    manufacturer.type = EDID_DESC_UNUSED;
    manufacturer.tag = 0x05;
    Image image = noisyImage();
    EDIDUpdateMonitorDescriptor(image.data(), 0, manufacturer);
    QCOMPARE(int(image[57]), 0x05);

    // A detailed timing is written whole.
    _EDID_MONITOR_DESC timing{};
    timing.type = EDID_DESC_DETAILED_TIMING;
    timing.detailedTiming.pixelClock = 0x1D01;
    EDIDUpdateMonitorDescriptor(image.data(), 0, timing);
    QCOMPARE(hexText(image, 54, 5), QByteArray("01 1D 00 00 00"));
    QCOMPARE(blockSum(image, 0), 0);
}

void TestEdidWriter::roundTrip_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : sampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Decoding a real image and writing every section back with its own record
// leaves all 256 bytes as they were, apart from the bits that the record
// coding cannot carry (see unkeptBits).
void TestEdidWriter::roundTrip()
{
    QFETCH(QString, name);
    const Image sample = loadSample(name);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(sample.data(), &info));

    Image image = sample;
    writeBackBaseBlock(image, info);
    QCOMPARE(blockSum(image, 0), 0);
    QVERIFY(memcmp(image.data() + 128, sample.data() + 128, 128) == 0);

    // The extension's own sections: version, support byte and the payload of
    // the first block of each kind (the block writer finds the first match).
    static _EDID_CEA_EXTENSION_INFO cea;
    const int result = EDIDGetExtensionInfo(sample.data(), &cea);
    if (result == 0 || result == 2) {
        EDIDUpdateCEAVersion(cea.version, image.data());
        EDIDUpdateMonitorSupport(cea.support, image.data());
        QSet<int> written;
        for (const _EDID_CEA_DATA_BLOCK_INFO& b : cea.dataBlocks) {
            if (b.tag == 0)
                break;
            const int ext = b.tag == 7 ? b.payload[0] : 0;
            if (written.contains(int(b.tag) << 8 | ext))
                continue;
            written.insert(int(b.tag) << 8 | ext);
            const int skip = b.tag == 7 ? 1 : 0;
            Byte copy[32] = {};
            memcpy(copy, b.payload + skip, size_t(b.length - skip));
            EDIDUpdateCEABlock(copy, b.length - skip, image.data(), int(b.tag), unsigned(ext));
        }
        QVERIFY(!written.isEmpty());
        QCOMPARE(hexText(image, 128, 128), hexText(sample, 128, 128));
    }

    const std::array<Byte, 127> mask = unkeptBits(sample);
    bool unkept = false;
    for (int i = 0; i < 127; ++i) {
        const Byte diff = Byte(image[size_t(i)] ^ sample[size_t(i)]);
        if (diff & ~mask[size_t(i)])
            QFAIL(qPrintable(QStringLiteral("byte %1: %2 written as %3").arg(i).arg(sample[size_t(i)], 2, 16, QChar('0')).arg(image[size_t(i)], 2, 16, QChar('0'))));
        unkept = unkept || diff;
    }
    // Where every bit is kept, the checksum byte is the image's own.
    if (!unkept)
        QCOMPARE(int(image[127]), int(sample[127]));
}

QTEST_APPLESS_MAIN(TestEdidWriter)
#include "tst_edidwriter.moc"
