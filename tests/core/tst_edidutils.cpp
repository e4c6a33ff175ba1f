// Number, text and timing-format helpers of the EDID core.

#include <QtTest>

#include <cstring>

#include "edid.h"

class TestEdidUtils : public QObject
{
    Q_OBJECT

private slots:
    void aspectRatio_data();
    void aspectRatio();
    void aspectRatioValue();
    void closestNormalizeRate_data();
    void closestNormalizeRate();
    void frequencies();
    void hexText();
    void decimalText();
    void stringHelpers();
    void memoryAndRanges();
    void clampedAdditions();
    void rounding();
    void arithmetic();
};

void TestEdidUtils::aspectRatio_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("v");
    QTest::addColumn<uint>("code");

    QTest::newRow("1920x1080") << 1920 << 1080 << 4u;
    QTest::newRow("1366x768") << 1366 << 768 << 4u;
    QTest::newRow("1280x1024") << 1280 << 1024 << 0u;
    QTest::newRow("640x480") << 640 << 480 << 1u;
    QTest::newRow("1024x768") << 1024 << 768 << 1u;
    QTest::newRow("1280x800") << 1280 << 800 << 2u;
    QTest::newRow("1280x768") << 1280 << 768 << 3u;
    QTest::newRow("720x480") << 720 << 480 << 7u;
    QTest::newRow("2560x1080") << 2560 << 1080 << 7u;
    QTest::newRow("height 0") << 1920 << 0 << 7u;
    QTest::newRow("1.900") << 1900 << 1000 << 5u;
    QTest::newRow("2.334 lower edge 2309") << 2309 << 1000 << 6u;
    QTest::newRow("2.334 upper edge 2359") << 2359 << 1000 << 6u;
    QTest::newRow("past the edge 2360") << 2360 << 1000 << 7u;
    QTest::newRow("5:4 lower edge 1225") << 1225 << 1000 << 0u;
    QTest::newRow("below 5:4 1224") << 1224 << 1000 << 7u;
    QTest::newRow("largest sizes") << 65535 << 65535 << 7u;
}

void TestEdidUtils::aspectRatio()
{
    QFETCH(int, h);
    QFETCH(int, v);
    QFETCH(uint, code);
    QCOMPARE(uint(FormatGetAspectRatio(Word(h), Word(v))), code);
}

void TestEdidUtils::aspectRatioValue()
{
    const Word expected[8] = { 1250, 1334, 1600, 1667, 1778, 1900, 2334, 0 };
    for (uint32_t c = 0; c < 8; ++c)
        QCOMPARE(FormatGetAspectRatioValue(_FORMAT_ASP_RATIO(c)), expected[c]);
    QCOMPARE(FormatGetAspectRatioValue(_FORMAT_ASP_RATIO(8)), Word(0));
}

void TestEdidUtils::closestNormalizeRate_data()
{
    QTest::addColumn<qulonglong>("rate");
    QTest::addColumn<uint>("index");

    QTest::newRow("0") << 0ull << 0u;
    QTest::newRow("23000") << 23000ull << 0u;
    QTest::newRow("24975") << 24975ull << 2u;
    QTest::newRow("59940") << 59940ull << 8u;
    QTest::newRow("midpoint 59970") << 59970ull << 9u;
    QTest::newRow("60000") << 60000ull << 9u;
    QTest::newRow("119940") << 119940ull << 15u;
    QTest::newRow("200000") << 200000ull << 15u;
}

void TestEdidUtils::closestNormalizeRate()
{
    QFETCH(qulonglong, rate);
    QFETCH(uint, index);
    QCOMPARE(FormatGetClosestNormalizeRate(rate), index);
}

void TestEdidUtils::frequencies()
{
    // 1080p60: 2200 x 1125 at 60 Hz is 148.5 MHz, 67.5 kHz.
    QCOMPARE(FormatComputeFreqPixel(60000, 2200, 1125, 0), uint64_t(148500000));
    QCOMPARE(FormatComputeFreqPixel(60000, 2200, 1125, 1), uint64_t(74250000));
    QCOMPARE(FormatComputeFreqPixel(59940, 2200, 1125, 0), uint64_t(148351500));
    QCOMPARE(FormatComputeFreqLine(60000, 1125, 0), uint64_t(67500));
    QCOMPARE(FormatComputeFreqLine(60000, 1125, 1), uint64_t(33750));
    QVERIFY(FormatIsInterlaced(3));
    QVERIFY(!FormatIsInterlaced(0));
    QCOMPARE(FormatFieldRateName2Value(0), uint64_t(23976));
    QCOMPARE(FormatFieldRateName2Value(15), uint64_t(120000));
    QCOMPARE(FormatFieldRateName2Value(16), uint64_t(0));
    QCOMPARE(FormatFieldRateName2Value(17), uint64_t(0));
}

void TestEdidUtils::hexText()
{
    char buf[32];
    QCOMPARE(int(UtilsHex2Int('7')), 7);
    QCOMPARE(int(UtilsHex2Int('a')), 10);
    QCOMPARE(int(UtilsHex2Int('F')), 15);
    QCOMPARE(int(UtilsHex2Int('g')), 0);
    QCOMPARE(UtilsChar2Hex(0x1B), 'B');
    QCOMPARE(UtilsChar2Hex(-1), 'F');

    char* end = UtilsByte2Hex(0x0A, buf);
    QCOMPARE(QByteArray(buf), QByteArray("0A"));
    QCOMPARE(end, buf + 2);
    end = UtilsWord2Hex(0xBEEF, buf);
    QCOMPARE(QByteArray(buf), QByteArray("BEEF"));
    QCOMPARE(end, buf + 4);
    end = UtilsDWord2Hex(0x0012ABCDu, buf);
    QCOMPARE(QByteArray(buf), QByteArray("0012ABCD"));
    QCOMPARE(end, buf + 8);
    const Byte tab[3] = { 0x00, 0xFF, 0x5A };
    end = UtilsTab2Hex(tab, buf, 3);
    QCOMPARE(QByteArray(buf), QByteArray("00FF5A"));
    QCOMPARE(end, buf + 6);
    UtilsTab2Hex(tab, buf, 0);
    QCOMPARE(QByteArray(buf), QByteArray(""));
}

void TestEdidUtils::decimalText()
{
    char buf[32];
    QCOMPARE(QByteArray(UtilsDWordToStr(42, buf, 5)), QByteArray("   42"));
    QCOMPARE(QByteArray(UtilsDWordToStr(42, buf, 1)), QByteArray("42"));
    QCOMPARE(QByteArray(UtilsDWordToStr(0, buf, 0)), QByteArray("0"));
    QCOMPARE(QByteArray(UtilsDWordToStr(4294967295u, buf, 0)), QByteArray("4294967295"));

    char* end = UtilsWord2Str(65535, buf);
    QCOMPARE(QByteArray(buf), QByteArray("65535"));
    QCOMPARE(end, buf + 5);

    end = UtilsIntToStr(0, buf, 0, 1);
    QCOMPARE(QByteArray(buf), QByteArray("<0>"));
    QCOMPARE(end, buf + 3);
    UtilsIntToStr(0, buf, 0, 0);
    QCOMPARE(QByteArray(buf), QByteArray("0"));
    UtilsIntToStr(Word(-5), buf, 1, 0);
    QCOMPARE(QByteArray(buf), QByteArray("-5"));
    UtilsIntToStr(Word(-5), buf, 0, 0);
    QCOMPARE(QByteArray(buf), QByteArray("65531"));
    UtilsIntToStr(0x8000, buf, 1, 0);
    QCOMPARE(QByteArray(buf), QByteArray("-32768"));

    end = UtilsWordToPercent(1, 3, buf);
    QCOMPARE(QByteArray(buf), QByteArray("33%"));
    QCOMPARE(end, buf + 3);
    UtilsWordToPercent(2, 3, buf);
    QCOMPARE(QByteArray(buf), QByteArray("67%"));
    UtilsWordToPercent(5, 0, buf);   // no division by zero
    QCOMPARE(QByteArray(buf), QByteArray("0%"));
}

void TestEdidUtils::stringHelpers()
{
    char buf[32];
    char* end = UtilsStrConcat("abcdef", buf, 3);
    QCOMPARE(QByteArray(buf), QByteArray("abc"));
    QCOMPARE(end, buf + 3);
    end = UtilsStrConcat("ab", buf, 10);
    QCOMPARE(QByteArray(buf), QByteArray("ab"));
    QCOMPARE(end, buf + 2);

    QVERIFY(UtilsStrCentered("abc", buf, 10));
    QCOMPARE(QByteArray(buf), QByteArray("    abc"));
    QVERIFY(UtilsStrCentered("abcd", buf, 10));
    QCOMPARE(QByteArray(buf), QByteArray("   abcd"));
    std::strcpy(buf, "keep");
    QVERIFY(!UtilsStrCentered("abc", buf, 2));
    QCOMPARE(QByteArray(buf), QByteArray("keep"));
}

void TestEdidUtils::memoryAndRanges()
{
    Byte bytes[5] = { 1, 1, 1, 1, 1 };
    UtilsMemsetByte(bytes, 0xEE, 4);
    QCOMPARE(int(bytes[3]), 0xEE);
    QCOMPARE(int(bytes[4]), 1);
    Word words[3] = { 0, 0, 0 };
    UtilsMemsetWord(words, 0xABCD, 2);
    QCOMPARE(int(words[1]), 0xABCD);
    QCOMPARE(int(words[2]), 0);
    uint64_t dwords[3] = { 0, 0, 0 };
    UtilsMemsetDWord(dwords, 0x0102030405060708ull, 2);
    QCOMPARE(dwords[1], uint64_t(0x0102030405060708ull));
    QCOMPARE(dwords[2], uint64_t(0));

    QCOMPARE(UtilsSwapWord(0x1234), Word(0x3412));
    QVERIFY(UtilsInRangeU(5, 5, 5));
    QVERIFY(!UtilsInRangeU(4, 5, 6));
    QVERIFY(UtilsInRangeS(-3, -5, 0));
    QVERIFY(!UtilsInRangeS(1, -5, 0));
    QVERIFY(UtilsIsOdd(-3));
    QVERIFY(UtilsIsEven(-4));
    QVERIFY(!UtilsIsEven(7));
}

void TestEdidUtils::clampedAdditions()
{
    QCOMPARE(int(UtilsClampAddByte(250, 10, 0, 255)), 255);
    QCOMPARE(int(UtilsClampAddByte(1, 2, 5, 100)), 5);
    QCOMPARE(int(UtilsClampAddByte(50, 20, 5, 100)), 70);
    QCOMPARE(int(UtilsClampAddWord(0xFFFF, 0, 5, 100)), 5);
    QCOMPARE(int(UtilsClampAddWord(60, 60, 5, 100)), 100);
    QCOMPARE(int(UtilsClampAddWord(30, 40, 5, 100)), 70);
    QCOMPARE(UtilsClampAddDWord(-10, 3, -5, 5), int64_t(-5));
    QCOMPARE(UtilsClampAddDWord(10, 3, -5, 5), int64_t(5));
    QCOMPARE(UtilsClampAddDWord(INT64_MAX, 1, 0, 10), int64_t(0));   // wraps, no overflow trap
}

void TestEdidUtils::rounding()
{
    QCOMPARE(UtilsRound(2.5f), 3.0f);
    QCOMPARE(UtilsRound(-2.5f), -3.0f);
    QCOMPARE(UtilsRound(2.49f), 2.0f);
    QCOMPARE(UtilsRound(-0.4f), 0.0f);

    QCOMPARE(UtilsFastFloat32ToFixedReal32(16, 1.5f), int64_t(0x18000));
    QCOMPARE(UtilsFastFloat32ToFixedReal32(16, -1.5f), int64_t(-0x18000));
    QCOMPARE(UtilsFastFloat32ToFixedReal32(0, 7.9f), int64_t(7));
    QCOMPARE(UtilsFastFloat32ToFixedReal32(8, 0.25f), int64_t(64));
    QCOMPARE(UtilsFastFloat32ToFixedReal32(31, 1e30f), int64_t(INT64_MAX));
}

void TestEdidUtils::arithmetic()
{
    QCOMPARE(UtilsAccurateCrossProduct(10, 3, 4), uint64_t(7));
    QCOMPARE(UtilsAccurateCrossProduct(1ull << 62, 8, 16), uint64_t(1ull << 61));
    QCOMPARE(UtilsAccurateCrossProduct(5, 5, 0), uint64_t(0));
    QCOMPARE(UtilsGetPGDC(12, 18), uint64_t(6));
    QCOMPARE(UtilsGetPGDC(0, 7), uint64_t(7));
    QCOMPARE(UtilsGetPGDC(7, 0), uint64_t(7));
}

QTEST_APPLESS_MAIN(TestEdidUtils)
#include "tst_edidutils.moc"
