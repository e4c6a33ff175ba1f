// Decoding of the E-EDID base block: real images against edid-decode's reading
// of them, and byte-exact cases of the field codings.

#include <QtTest>

#include <array>
#include <cstring>

#include "edid.h"
#include "testimage.h"

namespace {

// Writes 18 bytes into descriptor slot `index`.
void setDescriptor(Image& img, int index, const std::array<Byte, 18>& bytes)
{
    std::memcpy(img.data() + 54 + 18 * index, bytes.data(), 18);
    fixChecksum(img);
}

int aspectHeight(int width, _FORMAT_ASP_RATIO aspect)
{
    switch (aspect) {
    case FORMAT_ASP_RATIO_5_4: return width * 4 / 5;
    case FORMAT_ASP_RATIO_4_3: return width * 3 / 4;
    case FORMAT_ASP_RATIO_16_10: return width * 10 / 16;
    case FORMAT_ASP_RATIO_16_9: return width * 9 / 16;
    default: return -1;
    }
}

QString describeStandard(const _EDID_STANDARD_TIMINGS_ITEM* items, int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i) {
        if (items[i].enabled)
            out << QStringLiteral("%1x%2@%3").arg(items[i].hActive)
                       .arg(aspectHeight(items[i].hActive, items[i].aspect)).arg(items[i].refresh);
    }
    return out.join(QStringLiteral("; "));
}

// The same wording as the expected rows (read from edid-decode's output).
QString describeDescriptor(const _EDID_MONITOR_DESC& d)
{
    switch (d.type) {
    case EDID_DESC_DETAILED_TIMING: {
        const _EDID_DETAILED_TIMING_BLOCK& t = d.detailedTiming;
        const char syncLetters[] = "ABCS";
        QString sync(QChar(syncLetters[t.syncType & 3]));
        if (t.syncType == 3)
            sync += QString(t.hSyncFlag ? "P" : "N") + (t.vSyncFlag ? "P" : "N");
        return QStringLiteral("DTD %1x%2%3 clk=%4 h=%5/%6/%7 v=%8/%9/%10 img=%11x%12 %13")
            .arg(t.hActive).arg(t.interlaced ? t.vActive * 2 : t.vActive)
            .arg(t.interlaced ? "i" : "").arg(t.pixelClock)
            .arg(t.hFrontPorch).arg(t.hSyncWidth).arg(t.hBackPorch)
            .arg(t.vFrontPorch).arg(t.vSyncWidth).arg(t.vBackPorch)
            .arg(t.hImageSize).arg(t.vImageSize).arg(sync);
    }
    case EDID_DESC_SERIAL_NUMBER:
        return QStringLiteral("SERIAL '%1'").arg(QString::fromLatin1(d.text.text));
    case EDID_DESC_DATA_STRING:
        return QStringLiteral("STRING '%1'").arg(QString::fromLatin1(d.text.text));
    case EDID_DESC_PRODUCT_NAME:
        return QStringLiteral("NAME '%1'").arg(QString::fromLatin1(d.text.text));
    case EDID_DESC_RANGE_LIMITS: {
        const _EDID_RANGE_LIMITS& r = d.rangeLimits;
        return QStringLiteral("RANGE %1-%2 Hz %3-%4 kHz %5 MHz").arg(r.minVRate).arg(r.maxVRate)
            .arg(r.minHRate).arg(r.maxHRate).arg(r.maxPixelClock);
    }
    case EDID_DESC_UNUSED:
        return d.tag == 0x10 ? QStringLiteral("UNUSED")
                             : QStringLiteral("UNKNOWN %1").arg(d.tag, 2, 16, QChar('0')).toUpper();
    case EDID_DESC_STANDARD_TIMINGS: {
        const QString list = describeStandard(d.standardTimings, 6);
        return list.isEmpty() ? QStringLiteral("STDIDS") : QStringLiteral("STDIDS ") + list;
    }
    case EDID_DESC_ESTABLISHED_TIMINGS3: {
        QString s = QStringLiteral("EST3");
        for (int k = 0; k < 44; ++k) {
            if (d.established3.timings[k])
                s += QStringLiteral(" %1").arg(k);
        }
        return s;
    }
    default:
        return QStringLiteral("KIND %1").arg(d.type);
    }
}

} // namespace

class TestEdidDecode : public QObject
{
    Q_OBJECT

private slots:
    void init() { EDIDCurrentRevision = 3; }

    void realImages_data();
    void realImages();
    void headerAndChecksum_data();
    void headerAndChecksum();
    void vendorProductID_data();
    void vendorProductID();
    void videoInput_data();
    void videoInput();
    void screenSize_data();
    void screenSize();
    void featureSupport_data();
    void featureSupport();
    void colorsAndEstablished();
    void standardTiming_data();
    void standardTiming();
    void detailedTiming();
    void detailedTimingSyncOffsets();
    void textDescriptors_data();
    void textDescriptors();
    void splitProductName();
    void descriptorTags_data();
    void descriptorTags();
    void rangeLimitsTimingSupport_data();
    void rangeLimitsTimingSupport();
    void rangeLimitsOffsets_data();
    void rangeLimitsOffsets();
    void rangeLimitsOffsetsRealImage();
    void rangeLimitsCurves();
    void colorPointAndManagement();
    void cvtTimingCodes_data();
    void cvtTimingCodes();
    void establishedTimings3();
    void displayBlockText();
    void indexOutOfRange();
};

void TestEdidDecode::realImages_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("gamma");
    QTest::addColumn<QString>("chromaticity");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QStringList>("descriptors");

    // Values read from edid-decode's output beside each image (NAME.txt).
    QTest::newRow("analog-1.3") << "analog-1.3.bin" << "AGS" << "3200" << "1" << 23 << 2016 << "1.3" << 220 << QString("654 342 327 614 155 69 300 318")
        << QString("1920x1080@60; 1680x1050@60; 1600x900@60; 1360x765@60; 1280x1024@60; 1280x960@60; 1280x720@60")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=710x410 SPP"
            << "SERIAL '             '"
            << "RANGE 55-76 Hz 31-68 kHz 150 MHz"
            << "NAME 'SVEON'");
    QTest::newRow("cea-bad-checksum") << "cea-bad-checksum.bin" << "AOC" << "1950" << "130" << 19 << 2013 << "1.3" << 220 << QString("663 342 291 622 155 73 320 337")
        << QString("1280x720@60")
        << (QStringList() << "DTD 1366x768 clk=8550 h=70/143/213 v=3/3/24 img=410x230 SPP"
            << "DTD 1360x768 clk=8550 h=64/112/256 v=3/6/18 img=410x230 SPP"
            << "RANGE 50-76 Hz 30-60 kHz 90 MHz"
            << "NAME '1950w'");
    QTest::newRow("cea-full-no-padding") << "cea-full-no-padding.bin" << "AOC" << "3220" << "2896" << 24 << 2019 << "1.4" << 220 << QString("694 321 290 664 152 70 320 337")
        << QString("1920x1080@60; 1280x1024@60; 640x480@100; 640x480@120; 800x600@100; 800x600@120; 1024x768@100; 1024x768@120")
        << (QStringList() << "DTD 2560x1440 clk=24150 h=48/32/80 v=3/5/33 img=697x392 SPP"
            << "DTD 2560x1440 clk=59200 h=8/32/66 v=25/8/70 img=697x392 SPN"
            << "NAME 'AG322QWS4R4'"
            << "RANGE 48-146 Hz 230-230 kHz 600 MHz");
    QTest::newRow("digital-1.3-colour-bits") << "digital-1.3-colour-bits.bin" << "@A^" << "0616" << "0" << 30 << 2009 << "1.3" << 220 << QString("655 338 307 614 154 61 320 337")
        << QString("1152x864@75; 1280x800@60; 1280x960@60; 1280x1024@60; 1440x900@60; 1440x900@75; 1600x1200@60; 1680x1050@60")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=160x90 SPP"
            << "DTD 1920x1080 clk=14850 h=528/44/148 v=4/5/36 img=160x90 SPP"
            << "RANGE 24-75 Hz 26-81 kHz 230 MHz"
            << "NAME 'SyncMaster'");
    QTest::newRow("displayid-extension") << "displayid-extension.bin" << "AUO" << "10AB" << "0" << 2 << 2023 << "1.4" << 220 << QString("675 339 289 648 148 59 321 337")
        << QString("")
        << (QStringList() << "DTD 1920x1200 clk=15476 h=48/32/80 v=10/5/25 img=344x215 SNN"
            << "DTD 1920x1200 clk=10317 h=48/32/80 v=10/5/25 img=344x215 SNN"
            << "UNKNOWN 00"   // all-zero descriptor: tag 0x00 (edid-decode: "Empty Descriptor")
            << "UNKNOWN 02");
    QTest::newRow("displayport-1.4") << "displayport-1.4.bin" << "ADI" << "217A" << "2436" << 11 << 2003 << "1.4" << 220 << QString("655 348 297 625 143 72 317 338")
        << QString("1280x1024@60")
        << (QStringList() << "DTD 1280x1024 clk=10800 h=48/112/248 v=1/3/38 img=330x270 SPP"
            << "DTD 720x400 clk=2832 h=18/108/54 v=13/2/34 img=330x270 SNP"
            << "DTD 640x480 clk=2517 h=16/96/48 v=10/2/33 img=330x270 SNN"
            << "NAME 'ADI MS A715'");
    QTest::newRow("dtd-clock-low-byte-zero") << "dtd-clock-low-byte-zero.bin" << "AUS" << "32A7" << "1" << 14 << 2021 << "1.3" << 220 << QString("663 342 291 622 155 73 320 337")
        << QString("1920x1080@60; 1680x1050@60; 1440x900@60; 1280x1024@60; 1280x960@60; 1280x720@60")
        << (QStringList() << "DTD 3840x2160 clk=52258 h=24/16/40 v=3/5/54 img=700x390 SPN"
            << "RANGE 48-60 Hz 31-133 kHz 540 MHz"
            << "SERIAL 'M4LMDW001870'"
            << "NAME 'VP32UQ'");
    QTest::newRow("established-timings-iii") << "established-timings-iii.bin" << "CHR" << "0608" << "880" << 21 << 2011 << "1.4" << 220 << QString("690 324 192 720 149 64 320 334")
        << QString("")
        << (QStringList() << "DTD 1920x1080 clk=13460 h=16/32/52 v=5/10/16 img=509x286 SNP"
            << "EST3"
            << "RANGE 56-76 Hz 30-83 kHz 170 MHz"
            << "NAME '23\" AIO'");
    QTest::newRow("hdmi-tv") << "hdmi-tv.bin" << "@TV" << "0001" << "16843009" << 40 << 2012 << "1.3" << 220 << QString("640 348 287 609 159 72 290 305")
        << QString("640x480@60; 800x600@60; 1024x768@60; 1280x800@60; 1280x1024@60; 1920x1080@60")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=885x498 SPP"
            << "DTD 1366x1536i clk=8550 h=64/112/256 v=3/6/18 img=885x498 SPP"
            << "NAME 'TV'"
            << "RANGE 49-76 Hz 15-80 kHz 140 MHz");
    QTest::newRow("hdr-static-metadata") << "hdr-static-metadata.bin" << "ACD" << "2750" << "0" << 42 << 2022 << "1.3" << 220 << QString("655 338 307 614 154 61 320 337")
        << QString("1920x1080@60; 1680x1050@60; 1600x900@60; 1440x900@60; 1280x800@60; 1280x1024@60; 1280x960@60; 1280x720@60")
        << (QStringList() << "DTD 2560x1440 clk=24150 h=48/32/80 v=3/5/33 img=597x336 SPP"
            << "DTD 2560x1440 clk=29612 h=8/32/66 v=3/5/33 img=597x336 SPP"
            << "NAME 'W2750QD'"
            << "RANGE 48-75 Hz 30-113 kHz 360 MHz");
    QTest::newRow("infoframe-block") << "infoframe-block.bin" << "HEC" << "0000" << "3518" << 27 << 2020 << "1.3" << 220 << QString("658 340 330 638 150 57 287 297")
        << QString("1152x864@75; 1280x960@60; 1280x1024@60; 1280x800@60; 1440x900@60; 1680x1050@60; 1920x1080@60; 1280x720@60")
        << (QStringList() << "DTD 3840x2160 clk=59400 h=176/88/296 v=8/10/72 img=800x450 SPP"
            << "DTD 3840x2160 clk=29700 h=176/88/296 v=8/10/72 img=800x450 SPP"
            << "NAME '58R6+'"
            << "RANGE 24-75 Hz 15-135 kHz 600 MHz");
    QTest::newRow("manufacturer-descriptor") << "manufacturer-descriptor.bin" << "MAX" << "06D3" << "384" << 9 << 2006 << "1.3" << 220 << QString("659 346 273 637 143 86 321 337")
        << QString("1152x864@75; 1280x1024@60")
        << (QStringList() << "DTD 1280x1024 clk=10800 h=48/112/248 v=1/3/38 img=337x270 SPP"
            << "UNKNOWN 00"   // all-zero descriptor: tag 0x00 (edid-decode: "Empty Descriptor")
            << "RANGE 56-75 Hz 31-83 kHz 140 MHz"
            << "NAME 'B101720'");
    QTest::newRow("more-than-ten-blocks") << "more-than-ten-blocks.bin" << "AUS" << "28CA" << "118627" << 10 << 2022 << "1.3" << 220 << QString("694 322 279 637 149 58 321 337")
        << QString("1280x960@60; 1280x1024@60; 1280x720@60; 1280x800@60; 1440x900@60; 1680x1050@60; 1920x1080@60")
        << (QStringList() << "DTD 3840x2160 clk=52128 h=32/16/22 v=3/5/54 img=621x341 SPN"
            << "DTD 2560x1440 clk=24150 h=48/32/80 v=3/5/33 img=621x341 SPP"
            << "RANGE 40-60 Hz 30-160 kHz 600 MHz"
            << "NAME 'ASUS VG289Q1A'");
    QTest::newRow("range-limit-offsets") << "range-limit-offsets.bin" << "AUS" << "25B6" << "14381" << 28 << 2021 << "1.3" << 220 << QString("655 338 307 614 154 61 320 337")
        << QString("")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=543x302 SPP"
            << "SERIAL '#HLEYMxgwAA4C'"
            << "RANGE 24-240 Hz 30-36 kHz 600 MHz"
            << "NAME 'ROG PG259QNR'");
    QTest::newRow("reserved-cea-tags") << "reserved-cea-tags.bin" << "APT" << "0000" << "0" << 10 << 2023 << "1.4" << 220 << QString("679 336 278 610 137 127 321 337")
        << QString("1920x1080@75; 1920x1080@120; 640x480@120; 800x600@100; 800x600@120; 1024x768@100; 1024x768@120; 1920x1080@60")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=522x293 A"
            << "SERIAL ''"
            << "RANGE 50-241 Hz 255-255 kHz 700 MHz"
            << "NAME 'PS173SJ'");
    QTest::newRow("screen-size-zero") << "screen-size-zero.bin" << "BOE" << "0000" << "0" << 15 << 2017 << "1.3" << 220 << QString("651 357 297 603 146 82 321 337")
        << QString("1280x720@60")
        << (QStringList() << "DTD 1366x768 clk=8550 h=70/143/213 v=3/3/24 img=575x323 SPP"
            << "DTD 1280x768 clk=6825 h=48/32/80 v=3/7/12 img=575x323 SPN"
            << "RANGE 50-76 Hz 30-80 kHz 160 MHz"
            << "NAME 'RT2412'");
    QTest::newRow("standard-timing-01xx") << "standard-timing-01xx.bin" << "CHH" << "0030" << "1" << 26 << 2019 << "1.3" << 220 << QString("655 348 307 707 141 39 289 304")
        << QString("1280x1024@60; 800x600@60; 1024x768@60; 1440x900@60; 944x590@61; 384x240@61"
                   // 01 18: a 256-pixel timing, which edid-decode does not list
                   "; 256x160@84")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=708x398 SPP"
            << "DTD 1360x768 clk=8550 h=64/112/256 v=3/6/18 img=708x398 SPP"
            << "NAME 'CHHWJT'"
            << "RANGE 50-75 Hz 30-80 kHz 230 MHz");
    QTest::newRow("standard-timing-ids") << "standard-timing-ids.bin" << "NSO" << "5605" << "16843009" << 44 << 2003 << "1.2" << 100 << QString("648 344 301 629 148 99 321 337")
        << QString("")
        << (QStringList() << "STDIDS"
            << "RANGE 50-75 Hz 30-61 kHz 80 MHz"
            << "SERIAL '01199'"
            << "NAME 'LD530'");
    QTest::newRow("two-product-names") << "two-product-names.bin" << "ADI" << "2E30" << "50755878" << 15 << 1999 << "1.1" << 225 << QString("640 348 317 606 154 65 288 318")
        << QString("1024x768@60")
        << (QStringList() << "DTD 1280x1024 clk=10800 h=48/112/248 v=1/3/38 img=260x200 SPP"
            << "RANGE 50-100 Hz 30-69 kHz 2550 MHz"
            << "NAME 'Minicom LTD '"
            << "NAME 'Smart Plus '");
    QTest::newRow("video-format-preference") << "video-format-preference.bin" << "CIS" << "0107" << "0" << 27 << 2020 << "1.3" << 220 << QString("655 338 307 614 154 61 320 337")
        << QString("1920x1200@60; 1920x1080@60; 1600x900@60; 1280x720@60")
        << (QStringList() << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=598x336 SPP"
            << "RANGE 30-60 Hz 21-89 kHz 300 MHz"
            << "NAME 'CS-DESKPRO-2'"
            << "SERIAL 'FOC2427NF79'");
    QTest::newRow("ycbcr420-capability-map") << "ycbcr420-capability-map.bin" << "AIM" << "3150" << "0" << 8 << 2021 << "1.3" << 220 << QString("701 317 266 701 154 61 321 337")
        << QString("2048x1152@60; 1920x1200@60; 1920x1080@60; 1680x1050@60; 1600x900@60; 1440x900@60; 1280x800@60; 1280x720@60")
        << (QStringList() << "DTD 3840x2160 clk=59400 h=176/88/296 v=4/10/76 img=698x393 SPN"
            << "SERIAL '0000000000000'"
            << "RANGE 40-60 Hz 15-204 kHz 600 MHz"
            << "NAME 'HX320S-2'");
    QTest::newRow("ycbcr420-video") << "ycbcr420-video.bin" << "AGC" << "0005" << "0" << 0 << 2013 << "1.3" << 220 << QString("656 338 308 615 154 62 287 297")
        << QString("1152x864@75; 1280x720@60; 1280x800@60; 1280x1024@60; 1440x900@60; 1600x900@60; 1680x1050@60")
        << (QStringList() << "DTD 3840x2160 clk=29700 h=176/88/296 v=8/10/72 img=1872x1053 SPP"
            << "DTD 1920x1080 clk=14850 h=88/44/148 v=4/5/36 img=1872x1053 SPP"
            << "RANGE 24-75 Hz 15-81 kHz 300 MHz"
            << "NAME 'AVR5'");
}

void TestEdidDecode::realImages()
{
    QFETCH(QString, file);
    QFETCH(QString, manufacturer);
    QFETCH(QString, productCode);
    QFETCH(QString, serial);
    QFETCH(int, week);
    QFETCH(int, year);
    QFETCH(QString, version);
    QFETCH(int, gamma);
    QFETCH(QString, chromaticity);
    QFETCH(QString, standard);
    QFETCH(QStringList, descriptors);

    const Image img = loadSample(file);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));

    QCOMPARE(QString::fromLatin1(info.vendor.manufacturer), manufacturer);
    QCOMPARE(QString::fromLatin1(info.vendor.productCode), productCode);
    QCOMPARE(QString::fromLatin1(info.vendor.serialNumber), serial);
    QCOMPARE(int(info.vendor.week), week);
    QCOMPARE(int(info.vendor.year), year);
    QCOMPARE(QStringLiteral("%1.%2").arg(info.version.version).arg(info.version.revision), version);
    QCOMPARE(EDIDCurrentRevision, uint32_t(info.version.revision));
    QCOMPARE(int(info.displayParameters.gamma), gamma);
    const _EDID_COLOR_CHARACTERISTICS& c = info.colors;
    const QString chroma = QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
        .arg(c.redX).arg(c.redY).arg(c.greenX).arg(c.greenY)
        .arg(c.blueX).arg(c.blueY).arg(c.whiteX).arg(c.whiteY);
    QCOMPARE(chroma, chromaticity);
    QCOMPARE(describeStandard(info.standard, 8), standard);
    QStringList got;
    for (const _EDID_MONITOR_DESC& d : info.descriptors)
        got << describeDescriptor(d);
    QCOMPARE(got, descriptors);
    QCOMPARE(int(info.extensionCount), int(img[126]));
}

void TestEdidDecode::headerAndChecksum_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("fixSum");   // keep the checksum right, so that only the header is wrong
    for (int i = 0; i < 8; ++i)
        QTest::addRow("header byte %d", i) << i << 1 << true;
    QTest::newRow("checksum + 1") << 127 << 1 << false;
    QTest::newRow("checksum - 1") << 127 << -1 << false;
    QTest::newRow("data byte") << 60 << 1 << false;
}

void TestEdidDecode::headerAndChecksum()
{
    QFETCH(int, byte);
    QFETCH(int, delta);
    QFETCH(bool, fixSum);
    Image img = baseBlockImage(4);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    QCOMPARE(EDIDCurrentRevision, 4u);

    EDIDCurrentRevision = 3;
    img[byte] = Byte(img[byte] + delta);
    if (fixSum)
        fixChecksum(img);
    _EDID_MANDATORY_INFO untouched;
    std::memset(&untouched, 0xA5, sizeof untouched);
    _EDID_MANDATORY_INFO probe = untouched;
    QVERIFY(!EDIDGetMandatoryInfo(img.data(), &probe));
    QVERIFY(std::memcmp(&probe, &untouched, sizeof probe) == 0);
    QCOMPARE(EDIDCurrentRevision, 3u);
}

void TestEdidDecode::vendorProductID_data()
{
    QTest::addColumn<QByteArray>("bytes");   // bytes 8-17
    QTest::addColumn<QString>("manufacturer");
    QTest::addColumn<QString>("productCode");
    QTest::addColumn<QString>("serial");
    QTest::addColumn<int>("week");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("modelYear");

    QTest::newRow("ABC") << QByteArray::fromHex("0443 3412 01000000 0A 1E") << "ABC" << "1234" << "1" << 10 << 2020 << false;
    QTest::newRow("letter codes 0") << QByteArray::fromHex("0000 0000 00000000 00 00") << "@@@" << "0000" << "0" << 0 << 1990 << false;
    QTest::newRow("letter codes 31") << QByteArray::fromHex("7FFF FFFF FFFFFFFF FF FF") << "___" << "FFFF" << "4294967295" << 255 << 2245 << true;
    QTest::newRow("serial above 2^31") << QByteArray::fromHex("4C2D 2D0A 00000080 01 21") << "SAM" << "0A2D" << "2147483648" << 1 << 2023 << false;
    QTest::newRow("model year") << QByteArray::fromHex("10AC 0000 78563412 FF 20") << "DEL" << "0000" << "305419896" << 255 << 2022 << true;
}

void TestEdidDecode::vendorProductID()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, manufacturer);
    QFETCH(QString, productCode);
    QFETCH(QString, serial);
    QFETCH(int, week);
    QFETCH(int, year);
    QFETCH(bool, modelYear);

    Image img = baseBlockImage();
    std::memcpy(img.data() + 8, bytes.constData(), 10);
    fixChecksum(img);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    for (const _EDID_VENDOR_PRODUCT_ID& v : { info.vendor, EDIDGetVendorProductID(img.data()) }) {
        QCOMPARE(QString::fromLatin1(v.manufacturer), manufacturer);
        QCOMPARE(QString::fromLatin1(v.productCode), productCode);
        QCOMPARE(QString::fromLatin1(v.serialNumber), serial);
        QCOMPARE(int(v.week), week);
        QCOMPARE(int(v.year), year);
        QCOMPARE(bool(v.modelYear), modelYear);
    }
}

void TestEdidDecode::videoInput_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("byte20");
    QTest::addColumn<bool>("analog");
    QTest::addColumn<uint>("levelOrDepth");
    QTest::addColumn<uint>("interface");
    QTest::addColumn<QString>("flags");   // blankSetup separateSync compositeSync syncOnGreen serration dfp

    QTest::newRow("rev 3 digital DFP, reserved bits held") << 3 << 0x85 << false << 0u << 5u << "000011";
    QTest::newRow("rev 4 0x85 DisplayPort") << 4 << 0x85 << false << 0u << 5u << "000011";
    QTest::newRow("rev 4 0xE1 depth 6 DVI") << 4 << 0xE1 << false << 6u << 1u << "000011";
    QTest::newRow("rev 4 reserved depth 7") << 4 << 0xF5 << false << 7u << 5u << "000011";
    QTest::newRow("rev 4 reserved interface 6") << 4 << 0xA6 << false << 2u << 6u << "000000";
    QTest::newRow("rev 4 reserved interface 14") << 4 << 0xAE << false << 2u << 14u << "000000";
    QTest::newRow("rev 4 interface 0") << 4 << 0xA0 << false << 2u << 0u << "000000";
    QTest::newRow("rev 2 takes rev 4 rules") << 2 << 0xA5 << false << 2u << 5u << "000011";
    QTest::newRow("analog 0x7F") << 3 << 0x7F << true << 3u << 0u << "111111";
    QTest::newRow("analog 0x0E") << 4 << 0x0E << true << 0u << 0u << "011100";
    QTest::newRow("analog 0x50") << 3 << 0x50 << true << 2u << 0u << "100000";
}

void TestEdidDecode::videoInput()
{
    QFETCH(int, revision);
    QFETCH(int, byte20);
    QFETCH(bool, analog);
    QFETCH(uint, levelOrDepth);
    QFETCH(uint, interface);
    QFETCH(QString, flags);

    Image img = baseBlockImage(Byte(revision));
    img[20] = Byte(byte20);
    fixChecksum(img);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_VIDEO_INPUT_DEF v = info.displayParameters.videoInput;
    QCOMPARE(bool(v.analog), analog);
    QCOMPARE(v.levelOrDepth, levelOrDepth);
    QCOMPARE(v.interface, interface);
    const QString got = QStringLiteral("%1%2%3%4%5%6").arg(v.blankSetup).arg(v.separateSync)
        .arg(v.compositeSync).arg(v.syncOnGreen).arg(v.serration).arg(v.dfp);
    QCOMPARE(got, flags);

    // The single-section decoder follows the revision stored by the whole-block one.
    const _EDID_VIDEO_INPUT_DEF single = EDIDGetVideoInputDef(img.data());
    QCOMPARE(single.levelOrDepth, levelOrDepth);
    QCOMPARE(single.interface, interface);
}

void TestEdidDecode::screenSize_data()
{
    QTest::addColumn<int>("b21");
    QTest::addColumn<int>("b22");
    QTest::addColumn<uint>("kind");
    QTest::addColumn<int>("hSizeOrRatio");
    QTest::addColumn<int>("vSize");

    QTest::newRow("size 52x32") << 52 << 32 << 0u << 52 << 32;
    QTest::newRow("both zero: landscape 99") << 0 << 0 << 1u << 99 << 0;
    QTest::newRow("portrait 0,1") << 0 << 1 << 2u << 100 << 0;
    QTest::newRow("landscape 79,0") << 79 << 0 << 1u << 178 << 0;
    QTest::newRow("landscape 255,0") << 255 << 0 << 1u << 354 << 0;
    QTest::newRow("portrait 0,255") << 0 << 255 << 2u << 28 << 0;
}

void TestEdidDecode::screenSize()
{
    QFETCH(int, b21);
    QFETCH(int, b22);
    QFETCH(uint, kind);
    QFETCH(int, hSizeOrRatio);
    QFETCH(int, vSize);

    Image img = baseBlockImage();
    img[21] = Byte(b21);
    img[22] = Byte(b22);
    const _EDID_SCREEN_SIZE_RATIO s = EDIDGetScreenSizeRatio(img.data());
    QCOMPARE(s.kind, kind);
    QCOMPARE(int(s.hSizeOrRatio), hSizeOrRatio);
    QCOMPARE(int(s.vSize), vSize);
}

void TestEdidDecode::featureSupport_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("byte20");
    QTest::addColumn<int>("byte24");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("flags");   // standby suspend activeOff sRGB preferred continuous

    QTest::newRow("analog mono") << 3 << 0x0E << 0xE0 << 0 << 1 << "111000";
    QTest::newRow("analog RGB") << 3 << 0x0E << 0x0A << 0 << 2 << "000010";
    QTest::newRow("analog non-RGB") << 4 << 0x0E << 0x10 << 0 << 3 << "000000";
    QTest::newRow("analog undefined") << 3 << 0x0E << 0x18 << 0 << 0 << "000000";
    QTest::newRow("digital rev 3: not decoded") << 3 << 0x80 << 0x1F << -1 << 0 << "000111";
    QTest::newRow("digital rev 4 encodings 3") << 4 << 0xA5 << 0x1A << 1 << 3 << "000010";
    QTest::newRow("digital rev 4 encodings 1") << 4 << 0xA5 << 0x0C << 1 << 1 << "000100";
    QTest::newRow("digital rev 2: not decoded") << 2 << 0x80 << 0x18 << -1 << 0 << "000000";
}

void TestEdidDecode::featureSupport()
{
    QFETCH(int, revision);
    QFETCH(int, byte20);
    QFETCH(int, byte24);
    QFETCH(int, kind);
    QFETCH(int, value);
    QFETCH(QString, flags);

    Image img = baseBlockImage(Byte(revision));
    img[20] = Byte(byte20);
    img[24] = Byte(byte24);
    fixChecksum(img);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_FEATURE_SUPPORT f = info.displayParameters.featureSupport;
    QCOMPARE(f.kind, kind);
    QCOMPARE(f.value, value);
    const QString got = QStringLiteral("%1%2%3%4%5%6").arg(f.standby).arg(f.suspend).arg(f.activeOff)
        .arg(f.sRGB).arg(f.preferredTimingMode).arg(f.continuousFrequency);
    QCOMPARE(got, flags);
    const _EDID_FEATURE_SUPPORT single = EDIDGetFeatureSupport(img.data(), byte20 < 0x80);
    QCOMPARE(single.kind, kind);
    QCOMPARE(single.value, value);
}

void TestEdidDecode::colorsAndEstablished()
{
    Image img = baseBlockImage();
    // Low bits: red x 11, red y 10, green x 01, green y 00; blue x 00, blue y 01, white x 10, white y 11.
    const Byte colours[10] = { 0xE4, 0x1B, 0xA3, 0x54, 0x4C, 0x99, 0x26, 0x0F, 0x50, 0x54 };
    std::memcpy(img.data() + 25, colours, 10);
    img[35] = 0x81;
    img[36] = 0x42;
    img[37] = 0x80 | 0x7F;
    fixChecksum(img);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_COLOR_CHARACTERISTICS c = info.colors;
    QCOMPARE(int(c.redX), 0xA3 * 4 + 3);
    QCOMPARE(int(c.redY), 0x54 * 4 + 2);
    QCOMPARE(int(c.greenX), 0x4C * 4 + 1);
    QCOMPARE(int(c.greenY), 0x99 * 4 + 0);
    QCOMPARE(int(c.blueX), 0x26 * 4 + 0);
    QCOMPARE(int(c.blueY), 0x0F * 4 + 1);
    QCOMPARE(int(c.whiteX), 0x50 * 4 + 2);
    QCOMPARE(int(c.whiteY), 0x54 * 4 + 3);

    QString flags;
    for (Bool b : info.established.timings)
        flags += b ? '1' : '0';
    // byte 35, unused entry, byte 36, unused entry, byte 37 bit 7
    QCOMPARE(flags, QStringLiteral("10000001" "0" "01000010" "0" "1"));
}

void TestEdidDecode::standardTiming_data()
{
    QTest::addColumn<int>("b0");
    QTest::addColumn<int>("b1");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("hActive");
    QTest::addColumn<uint>("aspect");
    QTest::addColumn<int>("refresh");

    QTest::newRow("01 01 unused") << 0x01 << 0x01 << false << 0 << 0u << 0;
    QTest::newRow("01 00: 256 pixels") << 0x01 << 0x00 << true << 256 << 2u << 60;
    QTest::newRow("01 18: 256 pixels") << 0x01 << 0x18 << true << 256 << 2u << 84;
    QTest::newRow("00 00") << 0x00 << 0x00 << true << 248 << 2u << 60;
    QTest::newRow("D1 C0 1920 16:9") << 0xD1 << 0xC0 << true << 1920 << 4u << 60;
    QTest::newRow("81 80 1280 5:4") << 0x81 << 0x80 << true << 1280 << 0u << 60;
    QTest::newRow("45 4F 800 4:3 75") << 0x45 << 0x4F << true << 800 << 1u << 75;
    QTest::newRow("FF FF") << 0xFF << 0xFF << true << 2288 << 4u << 123;
    QTest::newRow("02 01") << 0x02 << 0x01 << true << 264 << 2u << 61;
}

void TestEdidDecode::standardTiming()
{
    QFETCH(int, b0);
    QFETCH(int, b1);
    QFETCH(bool, enabled);
    QFETCH(int, hActive);
    QFETCH(uint, aspect);
    QFETCH(int, refresh);

    for (int slot = 0; slot < 8; slot += 7) {
        Image img = baseBlockImage();
        img[38 + 2 * slot] = Byte(b0);
        img[39 + 2 * slot] = Byte(b1);
        fixChecksum(img);
        _EDID_MANDATORY_INFO info{};
        QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
        const _EDID_STANDARD_TIMINGS_ITEM s = info.standard[slot];
        QCOMPARE(bool(s.enabled), enabled);
        QCOMPARE(int(s.hActive), hActive);
        QCOMPARE(uint(s.aspect), aspect);
        QCOMPARE(int(s.refresh), refresh);
    }
    // The same rule inside a standard timing identifier descriptor.
    Image img = baseBlockImage();
    setDescriptor(img, 2, { 0, 0, 0, 0xFA, 0, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
                            0x01, 0x01, 0x01, 0x01, Byte(b0), Byte(b1), 0x0A });
    const _EDID_MONITOR_DESC d = EDIDGet18ByteInfo(img.data(), 2);
    QCOMPARE(d.type, EDID_DESC_STANDARD_TIMINGS);
    for (int k = 0; k < 5; ++k)
        QVERIFY(!d.standardTimings[k].enabled);
    QCOMPARE(bool(d.standardTimings[5].enabled), enabled);
    QCOMPARE(int(d.standardTimings[5].hActive), hActive);
    QCOMPARE(uint(d.standardTimings[5].aspect), aspect);
    QCOMPARE(int(d.standardTimings[5].refresh), refresh);
}

void TestEdidDecode::detailedTiming()
{
    Image img = baseBlockImage();
    setDescriptor(img, 1, { 0x01, 0x1D, 0x00, 0x72, 0x51, 0xD0, 0x1E, 0x20, 0x6E,
                            0x28, 0x55, 0x00, 0xC4, 0x8E, 0x21, 0x00, 0x00, 0x1E });
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_MONITOR_DESC d = info.descriptors[1];
    QCOMPARE(d.type, EDID_DESC_DETAILED_TIMING);
    QCOMPARE(int(d.tag), 0);
    const _EDID_DETAILED_TIMING_BLOCK t = d.detailedTiming;
    QCOMPARE(t.pixelClock, uint64_t(7425));
    QCOMPARE(int(t.hActive), 1280);
    QCOMPARE(int(t.vActive), 720);
    QCOMPARE(int(t.hTotal), 1280 + 370);
    QCOMPARE(int(t.vTotal), 720 + 30);
    QCOMPARE(int(t.hFrontPorch), 110);
    QCOMPARE(int(t.hSyncWidth), 40);
    QCOMPARE(int(t.hBackPorch), 220);
    QCOMPARE(int(t.vFrontPorch), 5);
    QCOMPARE(int(t.vSyncWidth), 5);
    QCOMPARE(int(t.vBackPorch), 20);
    QCOMPARE(int(t.hImageSize), 708);
    QCOMPARE(int(t.vImageSize), 398);
    QCOMPARE(int(t.hBorder), 0);
    QCOMPARE(int(t.vBorder), 0);
    QCOMPARE(t.syncType, 3u);
    QVERIFY(t.hSyncFlag && t.vSyncFlag);
    QVERIFY(!t.interlaced);
    QCOMPARE(t.scan, 0u);
    QCOMPARE(t.stereo, 0u);
    QCOMPARE(t.aspect, FORMAT_ASP_RATIO_16_9);

    const _EDID_DETAILED_TIMING_BLOCK single = EDIDGetDetailedTiming(img.data(), 1);
    QCOMPARE(single.pixelClock, t.pixelClock);
    QCOMPARE(single.hBackPorch, t.hBackPorch);

    // Byte 17 = interlaced, stereo bits 6-5 = 11 and bit 0, digital composite.
    img[54 + 18 + 17] = 0x80 | 0x60 | 0x10 | 0x01;
    fixChecksum(img);
    const _EDID_DETAILED_TIMING_BLOCK i = EDIDGetDetailedTiming(img.data(), 1);
    QVERIFY(i.interlaced);
    QCOMPARE(i.scan, 3u);
    QCOMPARE(i.stereo, 7u);
    QCOMPARE(i.syncType, 2u);
    QVERIFY(!i.hSyncFlag && !i.vSyncFlag);
}

void TestEdidDecode::detailedTimingSyncOffsets()
{
    Image img = baseBlockImage();
    // Vertical offset and width are 6-bit; horizontal ones 10-bit; porches wider than the blanking wrap.
    setDescriptor(img, 0, { 0x10, 0x00, 0x00, 0x10, 0x00, 0x00, 0x20, 0x00, 0x34,
                            0x12, 0xF5, 0xFA, 0x00, 0x00, 0x00, 0x07, 0x09, 0x00 });
    const _EDID_DETAILED_TIMING_BLOCK t = EDIDGetDetailedTiming(img.data(), 0);
    QCOMPARE(int(t.vFrontPorch), 15 + 2 * 16);
    QCOMPARE(int(t.vSyncWidth), 5 + 2 * 16);
    QCOMPARE(int(t.hFrontPorch), 0x34 + 3 * 256);
    QCOMPARE(int(t.hSyncWidth), 0x12 + 3 * 256);
    QCOMPARE(int(t.hBackPorch), (0x10 - (0x34 + 768) - (0x12 + 768)) & 0xFFFF);
    QCOMPARE(int(t.vBackPorch), (0x20 - 47 - 37) & 0xFFFF);
    QCOMPARE(int(t.hBorder), 7);
    QCOMPARE(int(t.vBorder), 9);
    QCOMPARE(t.aspect, FORMAT_ASP_RATIO_NONE);   // no active size
}

void TestEdidDecode::textDescriptors_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QByteArray>("payload");   // d5-d17
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("13 letters, no 0x0A") << 0xFC << QByteArray("ABCDEFGHIJKLM") << 5u << QByteArray("ABCDEFGHIJKLM");
    QTest::newRow("ABC and padding") << 0xFC << QByteArray("ABC\n         ") << 5u << QByteArray("ABC");
    QTest::newRow("serial number") << 0xFF << QByteArray("SN123\n       ") << 2u << QByteArray("SN123");
    QTest::newRow("data string") << 0xFE << QByteArray("Hello world\n ") << 3u << QByteArray("Hello world");
    QTest::newRow("empty") << 0xFF << QByteArray("\n            ") << 2u << QByteArray("");
    QTest::newRow("trailing spaces kept") << 0xFC << QByteArray("Minicom LTD \n") << 5u << QByteArray("Minicom LTD ");
}

void TestEdidDecode::textDescriptors()
{
    QFETCH(int, tag);
    QFETCH(QByteArray, payload);
    QFETCH(uint, type);
    QFETCH(QByteArray, text);

    for (int slot = 0; slot < 4; ++slot) {
        Image img = baseBlockImage();
        std::array<Byte, 18> d{};
        d[3] = Byte(tag);
        std::memcpy(d.data() + 5, payload.constData(), 13);
        setDescriptor(img, slot, d);
        _EDID_MANDATORY_INFO info{};
        QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
        QCOMPARE(uint(info.descriptors[slot].type), type);
        QCOMPARE(int(info.descriptors[slot].tag), tag);
        QCOMPARE(QByteArray(info.descriptors[slot].text.text), text);
    }
}

void TestEdidDecode::splitProductName()
{
    // A long name split over two 0xFC descriptors: each slot keeps its own part.
    Image img = baseBlockImage();
    std::array<Byte, 18> first{}, second{};
    first[3] = second[3] = 0xFC;
    std::memcpy(first.data() + 5, "Minicom LTD \n", 13);
    std::memcpy(second.data() + 5, "Smart Plus \n ", 13);
    setDescriptor(img, 1, first);
    setDescriptor(img, 3, second);
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    QCOMPARE(QByteArray(info.descriptors[1].text.text), QByteArray("Minicom LTD "));
    QCOMPARE(QByteArray(info.descriptors[3].text.text), QByteArray("Smart Plus "));

    // A name descriptor with a non-zero d4 is still read from its own bytes.
    first[4] = 0x01;
    setDescriptor(img, 1, first);
    QCOMPARE(QByteArray(EDIDGet18ByteInfo(img.data(), 1).text.text), QByteArray("Minicom LTD "));
}

void TestEdidDecode::descriptorTags_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("tag");
    QTest::addColumn<uint>("type");

    const struct { int tag; uint type; } known[] = {
        { 0x10, 0 }, { 0xFF, 2 }, { 0xFE, 3 }, { 0xFD, 4 }, { 0xFC, 5 }, { 0xFB, 6 },
        { 0xFA, 7 }, { 0xF9, 8 }, { 0xF8, 9 }, { 0xF7, 10 },
    };
    for (int revision : { 3, 4 }) {
        for (const auto& k : known)
            QTest::addRow("rev %d tag %02X", revision, k.tag) << revision << k.tag << k.type;
    }
    // Manufacturer and reserved tags: unused, with their own tag kept.
    for (int tag : { 0x00, 0x02, 0x0F, 0x11, 0x80, 0xF6 })
        QTest::addRow("unknown tag %02X", tag) << 4 << tag << 0u;
}

void TestEdidDecode::descriptorTags()
{
    QFETCH(int, revision);
    QFETCH(int, tag);
    QFETCH(uint, type);

    Image img = baseBlockImage(Byte(revision));
    // d2 and d4 are not examined.
    setDescriptor(img, 2, { 0, 0, 0x55, Byte(tag), 0x66, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13 });
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    QCOMPARE(uint(info.descriptors[2].type), type);
    QCOMPARE(int(info.descriptors[2].tag), tag);
    QCOMPARE(info.descriptors[2].kind, 0u);
}

void TestEdidDecode::rangeLimitsTimingSupport_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("d10");
    QTest::addColumn<int>("timingSupport");

    QTest::newRow("0x04 rev 4: CVT") << 4 << 0x04 << 3;
    QTest::newRow("0x04 rev 3: default GTF") << 3 << 0x04 << 0;
    QTest::newRow("0x01 rev 4: range only") << 4 << 0x01 << 2;
    QTest::newRow("0x01 rev 3: default GTF") << 3 << 0x01 << 0;
    QTest::newRow("0x02 rev 3: secondary GTF") << 3 << 0x02 << 1;
    QTest::newRow("0x02 rev 4: secondary GTF") << 4 << 0x02 << 1;
    QTest::newRow("0x00") << 4 << 0x00 << 0;
    QTest::newRow("0x03 reserved") << 4 << 0x03 << 0;
}

void TestEdidDecode::rangeLimitsTimingSupport()
{
    QFETCH(int, revision);
    QFETCH(int, d10);
    QFETCH(int, timingSupport);

    Image img = baseBlockImage(Byte(revision));
    setDescriptor(img, 3, { 0, 0, 0, 0xFD, 0, 0x32, 0x4B, 0x1E, 0x53, 0x11, Byte(d10),
                            0x11, 0x2B, 0xF0, 0xE8, 0x48, 0xF0, 0x3C });
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_RANGE_LIMITS r = info.descriptors[3].rangeLimits;
    QCOMPARE(info.descriptors[3].type, EDID_DESC_RANGE_LIMITS);
    QCOMPARE(int(r.minVRate), 50);
    QCOMPARE(int(r.maxVRate), 75);
    QCOMPARE(int(r.minHRate), 30);
    QCOMPARE(int(r.maxHRate), 83);
    QCOMPARE(int(r.maxPixelClock), 170);
    QCOMPARE(r.timingSupport, timingSupport);
    // Only the curve of the decoded kind carries values.
    QCOMPARE(r.gtf.m != 0, timingSupport == 1);
    QCOMPARE(r.cvt.preferredRefresh != 0, timingSupport == 3);
    const _EDID_RANGE_LIMITS single = EDIDGetRangeLimits(img.data(), 3);
    QCOMPARE(single.timingSupport, timingSupport);
}

void TestEdidDecode::rangeLimitsOffsets_data()
{
    QTest::addColumn<int>("revision");
    QTest::addColumn<int>("d4");
    QTest::addColumn<QString>("rates");   // minV maxV minH maxH

    QTest::newRow("rev 4 no offset") << 4 << 0x00 << "10 20 30 40";
    QTest::newRow("rev 4 max V") << 4 << 0x02 << "10 275 30 40";
    QTest::newRow("rev 4 min and max V") << 4 << 0x03 << "265 275 30 40";
    QTest::newRow("rev 4 reserved V 01") << 4 << 0x01 << "10 20 30 40";
    QTest::newRow("rev 4 max H") << 4 << 0x08 << "10 20 30 295";
    QTest::newRow("rev 4 min and max H") << 4 << 0x0C << "10 20 285 295";
    QTest::newRow("rev 4 all") << 4 << 0x0F << "265 275 285 295";
    QTest::newRow("rev 3 ignores offsets") << 3 << 0x0F << "10 20 30 40";
}

void TestEdidDecode::rangeLimitsOffsets()
{
    QFETCH(int, revision);
    QFETCH(int, d4);
    QFETCH(QString, rates);

    Image img = baseBlockImage(Byte(revision));
    setDescriptor(img, 1, { 0, 0, 0, 0xFD, Byte(d4), 10, 20, 30, 40, 0x11, 0x01,
                            0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20 });
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    const _EDID_RANGE_LIMITS r = info.descriptors[1].rangeLimits;
    QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(r.minVRate).arg(r.maxVRate).arg(r.minHRate).arg(r.maxHRate), rates);
}

void TestEdidDecode::rangeLimitsOffsetsRealImage()
{
    // The sample is revision 3 with d4 = 0x08 (maximum horizontal rate + 255):
    // edid-decode reads 30-36 kHz as it is, and 30-291 kHz once byte 19 says 4.
    Image img = loadSample(QStringLiteral("range-limit-offsets.bin"));
    _EDID_MANDATORY_INFO info{};
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    QCOMPARE(describeDescriptor(info.descriptors[2]), QStringLiteral("RANGE 24-240 Hz 30-36 kHz 600 MHz"));
    QCOMPARE(info.descriptors[2].rangeLimits.timingSupport, 0);

    img[19] = 4;
    fixChecksum(img);
    QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
    QCOMPARE(describeDescriptor(info.descriptors[2]), QStringLiteral("RANGE 24-240 Hz 30-291 kHz 600 MHz"));
    QCOMPARE(info.descriptors[2].rangeLimits.timingSupport, 2);   // d10 = 0x01: bare limits
}

void TestEdidDecode::rangeLimitsCurves()
{
    EDIDCurrentRevision = 4;
    Image img = baseBlockImage(4);
    // CVT 1.1, precision 0x0A, max 1920 pixels, all ratios, 16:9 preferred, both blankings, all scalings, 60 Hz.
    setDescriptor(img, 0, { 0, 0, 0, 0xFD, 0, 48, 144, 30, 160, 60, 0x04,
                            0x11, 0x28, 0xF0, 0xF8, 0x38, 0xF0, 60 });
    const _EDID_CVT_SUPPORT_INFO c = EDIDGet18ByteInfo(img.data(), 0).rangeLimits.cvt;
    QCOMPARE(int(c.version), 1);
    QCOMPARE(int(c.revision), 1);
    QCOMPARE(int(c.pixelClockPrecision), 0x0A);
    QCOMPARE(int(c.maxActivePixels), 1920);
    QVERIFY(c.supports4x3 && c.supports16x9 && c.supports16x10 && c.supports5x4 && c.supports15x9);
    QCOMPARE(c.preferredAspect, int32_t(FORMAT_ASP_RATIO_16_9));
    QVERIFY(c.reducedBlanking && c.standardBlanking);
    QVERIFY(c.hShrink && c.hStretch && c.vShrink && c.vStretch);
    QCOMPARE(int(c.preferredRefresh), 60);

    // Max active pixels 8184, preferred aspect codes, reserved aspect code reads 4:3.
    const struct { Byte d15; int aspect; } aspects[] = {
        { 0x00, 1 }, { 0x20, 4 }, { 0x40, 2 }, { 0x60, 0 }, { 0x80, 3 }, { 0xA0, 1 }, { 0xE0, 1 },
    };
    for (const auto& a : aspects) {
        setDescriptor(img, 0, { 0, 0, 0, 0xFD, 0, 48, 144, 30, 160, 60, 0x04,
                                0x11, 0x03, 0xFF, 0x00, a.d15, 0x00, 0 });
        const _EDID_CVT_SUPPORT_INFO s = EDIDGetCVTSupportInfo(img.data(), 0);
        QCOMPARE(int(s.maxActivePixels), 8184);
        QCOMPARE(s.preferredAspect, int32_t(a.aspect));
        QVERIFY(!s.supports4x3 && !s.hShrink);
    }

    setDescriptor(img, 0, { 0, 0, 0, 0xFD, 0, 48, 144, 30, 160, 60, 0x02,
                            0x00, 0x28, 0x50, 0x58, 0x02, 0x80, 0x2C });
    const _EDID_GTF_SECONDARY_CURVE g = EDIDGet18ByteInfo(img.data(), 0).rangeLimits.gtf;
    QCOMPARE(int(g.startFrequency), 0x28);
    QCOMPARE(int(g.c), 0x50);
    QCOMPARE(int(g.m), 0x0258);
    QCOMPARE(int(g.k), 0x80);
    QCOMPARE(int(g.j), 0x2C);
    QCOMPARE(EDIDGetGTFSecondaryCurve(img.data(), 0).m, g.m);
}

void TestEdidDecode::colorPointAndManagement()
{
    Image img = baseBlockImage(4);
    setDescriptor(img, 2, { 0, 0, 0, 0xFB, 0, 0x01, 0x0E, 0x50, 0x54, 0x78,
                            0x02, 0x05, 0xA0, 0xB0, 0xFF, 0x0A, 0x20, 0x20 });
    const _EDID_COLOR_POINT_DATA p = EDIDGet18ByteInfo(img.data(), 2).colorPoint;
    QCOMPARE(int(p.index1), 1);
    QCOMPARE(int(p.x1), 0x50 * 4 + 3);
    QCOMPARE(int(p.y1), 0x54 * 4 + 2);
    QCOMPARE(int(p.gamma1), 220);
    QCOMPARE(int(p.index2), 2);
    QCOMPARE(int(p.x2), 0xA0 * 4 + 1);
    QCOMPARE(int(p.y2), 0xB0 * 4 + 1);
    QCOMPARE(int(p.gamma2), 355);
    Word half[4];
    EDIDGetColorPointData(img.data(), 2, 1, half);
    QCOMPARE(int(half[0]), 2);
    QCOMPARE(int(half[1]), int(p.x2));
    QCOMPARE(int(half[2]), int(p.y2));
    QCOMPARE(int(half[3]), 355);

    setDescriptor(img, 2, { 0, 0, 0, 0xF9, 0, 0x03, 0x01, 0x02, 0x03, 0x04,
                            0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0xFF });
    const _EDID_DISPLAY_COLOR_MANAGEMENT m = EDIDGet18ByteInfo(img.data(), 2).colorManagement;
    QCOMPARE(int(m.redA3), 0x0201);
    QCOMPARE(int(m.redA2), 0x0403);
    QCOMPARE(int(m.greenA3), 0x0605);
    QCOMPARE(int(m.greenA2), 0x0807);
    QCOMPARE(int(m.blueA3), 0x0A09);
    QCOMPARE(int(m.blueA2), 0xFF0B);
    QCOMPARE(EDIDGetDisplayColorMana(img.data(), 2).blueA2, m.blueA2);
}

void TestEdidDecode::cvtTimingCodes_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<int>("lines");
    QTest::addColumn<uint>("aspect");
    QTest::addColumn<uint>("rate");
    QTest::addColumn<QString>("supported");

    QTest::newRow("7F 28: 1280 lines 16:10") << QByteArray::fromHex("7F2828") << 1280 << 2u << 1u << "01000";
    QTest::newRow("1080 16:9 60") << QByteArray::fromHex("1B2428") << 1080 << 4u << 1u << "01000";
    QTest::newRow("4:3 50 all") << QByteArray::fromHex("00001F") << 2 << 1u << 0u << "11111";
    QTest::newRow("15:9 85") << QByteArray::fromHex("FFFC60") << 8192 << 3u << 3u << "00000";
    // Bit 7 is reserved: the preferred rate still comes from bits 6-5.
    QTest::newRow("bit 7 set, 75 Hz") << QByteArray::fromHex("1B24C4") << 1080 << 4u << 2u << "00100";
    QTest::newRow("bit 7 set, 50 Hz") << QByteArray::fromHex("1B2481") << 1080 << 4u << 0u << "00001";
}

void TestEdidDecode::cvtTimingCodes()
{
    QFETCH(QByteArray, code);
    QFETCH(int, lines);
    QFETCH(uint, aspect);
    QFETCH(uint, rate);
    QFETCH(QString, supported);

    for (int c = 0; c < 4; ++c) {
        Image img = baseBlockImage(3);   // the tag is decoded at revision 3 too
        std::array<Byte, 18> d{};
        d[3] = 0xF8;
        d[5] = 0x01;
        std::memcpy(d.data() + 6 + 3 * c, code.constData(), 3);
        setDescriptor(img, 1, d);
        _EDID_MANDATORY_INFO info{};
        QVERIFY(EDIDGetMandatoryInfo(img.data(), &info));
        QCOMPARE(info.descriptors[1].type, EDID_DESC_CVT_CODES);
        for (const _EDID_CVT_TIMING_CODE& t : { info.descriptors[1].cvtCodes[c], EDIDGetCVTTimingCode(img.data(), 1, c) }) {
            QCOMPARE(int(t.vActiveLines), lines);
            QCOMPARE(uint(t.aspect), aspect);
            QCOMPARE(uint(t.preferredRate), rate);
            QString s;
            for (Bool b : t.supported)
                s += b ? '1' : '0';
            QCOMPARE(s, supported);
        }
    }
}

void TestEdidDecode::establishedTimings3()
{
    Image img = baseBlockImage(3);
    setDescriptor(img, 0, { 0, 0, 0, 0xF7, 0, 0x0A, 0x80, 0x00, 0x41, 0x00, 0x01,
                            0xFF, 0xFF, 0, 0, 0, 0, 0 });
    const _EDID_MONITOR_DESC d = EDIDGet18ByteInfo(img.data(), 0);
    QCOMPARE(d.type, EDID_DESC_ESTABLISHED_TIMINGS3);
    QCOMPARE(describeDescriptor(d), QStringLiteral("EST3 0 17 23 39 40 41 42 43"));
    Bool flags[44];
    EDIDGetEstablishedTimings3(img.data(), 0, flags);
    QVERIFY(std::memcmp(flags, d.established3.timings, sizeof flags) == 0);
}

void TestEdidDecode::displayBlockText()
{
    Image img = baseBlockImage();
    setDescriptor(img, 3, { 0, 0, 0, 0xFE, 0, 'A', 'B', '\n', 'C', 0, 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K' });
    QCOMPARE(QByteArray(EDIDGetDisplayBlock(img.data(), 3).text), QByteArray("AB\nC"));
    setDescriptor(img, 3, { 0, 0, 0, 0xFE, 0, 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M' });
    QCOMPARE(QByteArray(EDIDGetDisplayBlock(img.data(), 3).text), QByteArray("ABCDEFGHIJKL"));
}

void TestEdidDecode::indexOutOfRange()
{
    Image img = baseBlockImage();
    for (int index : { -1, 4, 1000 }) {
        QCOMPARE(EDIDGet18ByteInfo(img.data(), index).type, EDID_DESC_UNUSED);
        QCOMPARE(EDIDGetDetailedTiming(img.data(), index).pixelClock, uint64_t(0));
        QCOMPARE(EDIDGetCVTTimingCode(img.data(), index, 0).vActiveLines, Word(0));
    }
    QCOMPARE(EDIDGetCVTTimingCode(img.data(), 0, 4).vActiveLines, Word(0));
    QCOMPARE(EDIDGetCVTTimingCode(img.data(), 0, -1).vActiveLines, Word(0));
}

QTEST_APPLESS_MAIN(TestEdidDecode)
#include "tst_ediddecode.moc"
