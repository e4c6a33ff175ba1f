#include "edidutils.h"

#include <math.h>

// --- Timing formats ---------------------------------------------------------

const Word FormatAspectRatioTable[8] = {
    1250,   // 5:4
    1334,   // 4:3
    1600,   // 16:10
    1667,   // 15:9
    1778,   // 16:9
    1900,   // 1.900
    2334,   // 2.334
    0,      // none of these
};

const uint64_t FormatNormalizedRateTable[17] = {
    23976, 24000, 25000, 29970, 30000, 47952, 48000, 50000,
    59940, 60000, 72000, 75000, 85000, 100000, 119880, 120000,
    0,
};

static const uint32_t kAspectTolerance = 25;

_FORMAT_ASP_RATIO FormatGetAspectRatio(Word h, Word v)
{
    const uint32_t r = v ? (uint32_t(h) * 1000u + v / 2u) / v : 0u;
    for (uint32_t code = FORMAT_ASP_RATIO_5_4; code < FORMAT_ASP_RATIO_NONE; ++code) {
        const uint32_t ref = FormatAspectRatioTable[code];
        if (UtilsInRangeU(r, ref - kAspectTolerance, ref + kAspectTolerance))
            return _FORMAT_ASP_RATIO(code);
    }
    return FORMAT_ASP_RATIO_NONE;
}

Word FormatGetAspectRatioValue(_FORMAT_ASP_RATIO code)
{
    return code <= FORMAT_ASP_RATIO_NONE ? FormatAspectRatioTable[code] : 0;
}

Bool FormatIsInterlaced(int32_t scan)
{
    return scan != 0;
}

uint64_t FormatComputeFreqPixel(uint64_t fieldRate, uint32_t hTotal, uint32_t vTotal, Bool interlaced)
{
    const uint64_t pixels = uint64_t(hTotal) * vTotal;
    uint64_t f = (fieldRate % 1000) * pixels / 1000 + pixels * (fieldRate / 1000);
    if (interlaced)
        f >>= 1;
    return f;
}

uint64_t FormatComputeFreqLine(uint64_t fieldRate, uint32_t vTotal, Bool interlaced)
{
    uint64_t f = fieldRate * vTotal / 1000;
    if (interlaced)
        f >>= 1;
    return f;
}

uint32_t FormatGetClosestNormalizeRate(uint64_t fieldRate)
{
    const uint32_t last = 15;
    for (uint32_t i = 0; i < last; ++i) {
        const uint64_t rate = FormatNormalizedRateTable[i];
        const uint64_t mid = (rate + FormatNormalizedRateTable[i + 1]) / 2;
        if (rate > fieldRate || mid > fieldRate)
            return i;
    }
    return last;
}

uint64_t FormatFieldRateName2Value(uint32_t index)
{
    return index <= 16 ? FormatNormalizedRateTable[index] : 0;
}

// --- Numbers and text -------------------------------------------------------

static const char kHexDigits[] = "0123456789ABCDEF";

Byte UtilsHex2Int(char c)
{
    if (c >= '0' && c <= '9')
        return Byte(c - '0');
    if (c >= 'a' && c <= 'f')
        return Byte(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return Byte(c - 'A' + 10);
    return 0;
}

char UtilsChar2Hex(int32_t v)
{
    return kHexDigits[uint32_t(v) & 0x0F];
}

// Writes the `digits` low hexadecimal digits of v and a NUL; returns the end.
static char* writeHex(uint32_t v, int digits, char* buf)
{
    for (int i = digits - 1; i >= 0; --i) {
        buf[i] = kHexDigits[v & 0x0F];
        v >>= 4;
    }
    buf[digits] = '\0';
    return buf + digits;
}

char* UtilsByte2Hex(Byte b, char* buf)
{
    return writeHex(b, 2, buf);
}

char* UtilsWord2Hex(Word w, char* buf)
{
    return writeHex(w, 4, buf);
}

char* UtilsDWord2Hex(uint32_t d, char* buf)
{
    return writeHex(d, 8, buf);
}

char* UtilsTab2Hex(const Byte* src, char* buf, uint32_t n)
{
    *buf = '\0';
    for (uint32_t i = 0; i < n; ++i)
        buf = writeHex(src[i], 2, buf);
    return buf;
}

// Decimal digits of v (no leading zeros) and a NUL; returns the end.
static char* writeDecimal(uint64_t v, char* buf)
{
    char tmp[20];
    int n = 0;
    do {
        tmp[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    while (n)
        *buf++ = tmp[--n];
    *buf = '\0';
    return buf;
}

char* UtilsDWordToStr(uint32_t value, char* dest, Byte width)
{
    uint32_t digits = 1;
    for (uint32_t v = value; v >= 10; v /= 10)
        ++digits;
    char* p = dest;
    for (uint32_t pad = width > digits ? width - digits : 0; pad; --pad)
        *p++ = ' ';
    writeDecimal(value, p);
    return dest;
}

char* UtilsWord2Str(Word value, char* buf)
{
    return writeDecimal(value, buf);
}

char* UtilsIntToStr(Word value, char* buf, Bool isSigned, Bool zeroBrackets)
{
    if (value == 0 && zeroBrackets) {
        buf[0] = '<';
        buf[1] = '0';
        buf[2] = '>';
        buf[3] = '\0';
        return buf + 3;
    }
    if (isSigned && (value & 0x8000)) {
        *buf++ = '-';
        return writeDecimal(0x10000u - value, buf);
    }
    return writeDecimal(value, buf);
}

char* UtilsWordToPercent(Word part, Word whole, char* buf)
{
    const uint32_t percent = whole ? (uint32_t(part) * 100u + whole / 2u) / whole : 0u;
    char* end = writeDecimal(percent, buf);
    end[0] = '%';
    end[1] = '\0';
    return end + 1;
}

char* UtilsStrConcat(const char* src, char* dest, Byte max)
{
    for (uint32_t i = 0; i < max && src[i]; ++i)
        *dest++ = src[i];
    *dest = '\0';
    return dest;
}

Bool UtilsStrCentered(const char* text, char* dest, uint32_t width)
{
    size_t length = 0;
    while (text[length])
        ++length;
    if (length > width)
        return false;
    for (size_t pad = (width - length + 1) / 2; pad; --pad)
        *dest++ = ' ';
    for (size_t i = 0; i <= length; ++i)
        *dest++ = text[i];
    return true;
}

void UtilsMemsetByte(Byte* dst, Byte value, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        dst[i] = value;
}

void UtilsMemsetWord(Word* dst, Word value, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        dst[i] = value;
}

void UtilsMemsetDWord(uint64_t* dst, uint64_t value, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        dst[i] = value;
}

Word UtilsSwapWord(Word w)
{
    return Word((w >> 8) | (w << 8));
}

Bool UtilsInRangeU(uint64_t v, uint64_t lo, uint64_t hi)
{
    return lo <= v && v <= hi;
}

Bool UtilsInRangeS(int64_t v, int64_t lo, int64_t hi)
{
    return lo <= v && v <= hi;
}

Bool UtilsIsOdd(int64_t v)
{
    return (uint64_t(v) & 1u) != 0;
}

Bool UtilsIsEven(int64_t v)
{
    return (uint64_t(v) & 1u) == 0;
}

Byte UtilsClampAddByte(Byte a, Byte b, Byte min, Byte max)
{
    const int32_t s = int16_t(uint16_t(a + b));
    if (s > max)
        return max;
    return Byte(s > min ? s : min);
}

Word UtilsClampAddWord(Word a, Word b, Word min, Word max)
{
    const int32_t s = int16_t(uint16_t(a + b));
    if (s > max)
        return max;
    return Word(s > min ? s : min);
}

int64_t UtilsClampAddDWord(int64_t a, int64_t b, int64_t min, int64_t max)
{
    // Wrapping addition: no signed overflow.
    const int64_t s = int64_t(uint64_t(a) + uint64_t(b));
    if (s > max)
        return max;
    return s > min ? s : min;
}

float UtilsRound(float x)
{
    const double d = x;
    return float(trunc(d >= 0 ? d + 0.5 : d - 0.5));
}

int64_t UtilsFastFloat32ToFixedReal32(uint32_t fractionBits, float x)
{
    if (isnan(x))
        return 0;
    fractionBits &= 31;
    const double magnitude = fabs(double(x));
    const double whole = floor(magnitude);
    const double scale = double(uint64_t(1) << fractionBits);
    // Saturate what does not fit the 64-bit result.
    const double limit = 9223372036854775807.0 / scale;
    uint64_t value;
    if (whole >= limit) {
        value = uint64_t(INT64_MAX);
    } else {
        value = (uint64_t(whole) << fractionBits) | uint64_t((magnitude - whole) * scale);
    }
    return x < 0 ? -int64_t(value) : int64_t(value);
}

uint64_t UtilsAccurateCrossProduct(uint64_t a, uint64_t b, uint64_t c)
{
    if (c == 0)
        return 0;
    return (a / c) * b + (a % c) * b / c;
}

uint64_t UtilsGetPGDC(uint64_t a, uint64_t b)
{
    while (b) {
        const uint64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}
