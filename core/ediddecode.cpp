#include "ediddecode.h"

#include "edidutils.h"

uint32_t EDIDCurrentRevision = 3;

namespace {

const Byte kHeader[8] = { 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };

const int kDescriptorBase = 54;
const int kDescriptorSize = 18;
const int kDescriptorCount = 4;

inline Bool bit(Byte b, int n)
{
    return Bool((b >> n) & 1);
}

// The 18 bytes of descriptor slot `index`, or null outside slots 0-3.
inline const Byte* descriptorBytes(const Byte* edid, int32_t index)
{
    if (index < 0 || index >= kDescriptorCount)
        return nullptr;
    return edid + kDescriptorBase + kDescriptorSize * index;
}

// Display descriptor tags, indexed by kind; 0 for the detailed timing kind.
struct TagKind {
    Byte tag;
    _EDID_DISPLAY_DESCRIPTORS kind;
};

const TagKind kDescriptorTags[] = {
    { 0x10, EDID_DESC_UNUSED },
    { 0xFF, EDID_DESC_SERIAL_NUMBER },
    { 0xFE, EDID_DESC_DATA_STRING },
    { 0xFD, EDID_DESC_RANGE_LIMITS },
    { 0xFC, EDID_DESC_PRODUCT_NAME },
    { 0xFB, EDID_DESC_COLOR_POINT },
    { 0xFA, EDID_DESC_STANDARD_TIMINGS },
    { 0xF9, EDID_DESC_COLOR_MANAGEMENT },
    { 0xF8, EDID_DESC_CVT_CODES },
    { 0xF7, EDID_DESC_ESTABLISHED_TIMINGS3 },
};

// Tags the core does not know (manufacturer 0x00-0x0F, reserved 0x11-0xF6)
// read as unused; the record keeps the raw tag.
_EDID_DISPLAY_DESCRIPTORS kindOfTag(Byte tag)
{
    for (const TagKind& t : kDescriptorTags) {
        if (t.tag == tag)
            return t.kind;
    }
    return EDID_DESC_UNUSED;
}

// Standard timing aspect bits 7-6: 00 16:10, 01 4:3, 10 5:4, 11 16:9.
const _FORMAT_ASP_RATIO kStandardAspect[4] = {
    FORMAT_ASP_RATIO_16_10, FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_5_4, FORMAT_ASP_RATIO_16_9,
};

// CVT 3-byte code aspect bits 3-2: 00 4:3, 01 16:9, 10 16:10, 11 15:9.
const _FORMAT_ASP_RATIO kCvtCodeAspect[4] = {
    FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_16_9, FORMAT_ASP_RATIO_16_10, FORMAT_ASP_RATIO_15_9,
};

// CVT support preferred aspect, range-limits d15 bits 7-5; codes 5-7 are reserved.
const int32_t kCvtPreferredAspect[8] = {
    FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_16_9, FORMAT_ASP_RATIO_16_10, FORMAT_ASP_RATIO_5_4,
    FORMAT_ASP_RATIO_15_9, FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_4_3, FORMAT_ASP_RATIO_4_3,
};

// Analog colour type, byte 24 bits 4-3: 00 monochrome, 01 RGB, 10 non-RGB, 11 undefined.
const int32_t kAnalogColorType[4] = { 1, 2, 3, 0 };

// Depth code 7 is reserved and reads as 16 bits per primary (6).

// Range limits d10: timing support flags.
const Byte kRangeDefaultGTF = 0x00;
const Byte kRangeLimitsOnly = 0x01;
const Byte kRangeSecondaryGTF = 0x02;
const Byte kRangeCVT = 0x04;

// Range limits d4 offset codes (revision 4), per rate pair.
const Byte kOffsetMax = 0x02;      // +255 on the maximum
const Byte kOffsetMinMax = 0x03;   // +255 on the minimum and the maximum
const Word kRateOffset = 255;

// Copies d5 onwards into text, stopping before `stop`, at most `max` characters.
_EDID_STRING_DATA descriptorText(const Byte* d, Byte stop, int max)
{
    _EDID_STRING_DATA s{};
    for (int i = 0; i < max && d[5 + i] != stop; ++i)
        s.text[i] = char(d[5 + i]);
    return s;
}

_EDID_GTF_SECONDARY_CURVE decodeGTF(const Byte* d)
{
    _EDID_GTF_SECONDARY_CURVE g{};
    g.startFrequency = d[12];
    g.c = d[13];
    g.m = Word(d[14] | (d[15] << 8));
    g.k = d[16];
    g.j = d[17];
    return g;
}

_EDID_CVT_SUPPORT_INFO decodeCVTSupport(const Byte* d)
{
    _EDID_CVT_SUPPORT_INFO c{};
    c.version = d[11] >> 4;
    c.revision = d[11] & 0x0F;
    c.pixelClockPrecision = d[12] >> 2;
    c.maxActivePixels = Word((((d[12] & 0x03) << 8) | d[13]) * 8);
    c.supports5x4 = bit(d[14], 4);
    c.supports4x3 = bit(d[14], 7);
    c.supports16x10 = bit(d[14], 5);
    c.supports15x9 = bit(d[14], 3);
    c.supports16x9 = bit(d[14], 6);
    c.preferredAspect = kCvtPreferredAspect[d[15] >> 5];
    c.standardBlanking = bit(d[15], 3);
    c.reducedBlanking = bit(d[15], 4);
    c.hShrink = bit(d[16], 7);
    c.hStretch = bit(d[16], 6);
    c.vShrink = bit(d[16], 5);
    c.vStretch = bit(d[16], 4);
    c.preferredRefresh = d[17];
    return c;
}

// Revision-4 rate offsets: `code` is a 2-bit field of d4.
void applyRateOffset(Byte code, Word& minRate, Word& maxRate)
{
    if (code == kOffsetMax || code == kOffsetMinMax)
        maxRate += kRateOffset;
    if (code == kOffsetMinMax)
        minRate += kRateOffset;
}

_EDID_RANGE_LIMITS decodeRangeLimits(const Byte* d)
{
    _EDID_RANGE_LIMITS r{};
    r.minVRate = d[5];
    r.maxVRate = d[6];
    r.minHRate = d[7];
    r.maxHRate = d[8];
    r.maxPixelClock = Word(d[9] * 10);
    const bool rev4 = EDIDCurrentRevision == 4;
    if (rev4) {
        applyRateOffset(d[4] & 0x03, r.minVRate, r.maxVRate);
        applyRateOffset((d[4] >> 2) & 0x03, r.minHRate, r.maxHRate);
    }
    switch (d[10]) {
    case kRangeSecondaryGTF:
        r.timingSupport = 1;
        r.gtf = decodeGTF(d);
        break;
    case kRangeLimitsOnly:
        r.timingSupport = rev4 ? 2 : 0;
        break;
    case kRangeCVT:
        if (rev4) {
            r.timingSupport = 3;
            r.cvt = decodeCVTSupport(d);
        }
        break;
    case kRangeDefaultGTF:
    default:
        r.timingSupport = 0;
        break;
    }
    return r;
}

_EDID_COLOR_POINT_DATA decodeColorPoint(const Byte* d)
{
    _EDID_COLOR_POINT_DATA c{};
    c.index1 = d[5];
    c.x1 = Word(d[7] * 4 + ((d[6] >> 2) & 0x03));
    c.y1 = Word(d[8] * 4 + (d[6] & 0x03));
    c.gamma1 = Word(d[9] + 100);
    c.index2 = d[10];
    c.x2 = Word(d[12] * 4 + ((d[11] >> 2) & 0x03));
    c.y2 = Word(d[13] * 4 + (d[11] & 0x03));
    c.gamma2 = Word(d[14] + 100);
    return c;
}

_EDID_DISPLAY_COLOR_MANAGEMENT decodeColorManagement(const Byte* d)
{
    _EDID_DISPLAY_COLOR_MANAGEMENT m{};
    m.redA3 = Word(d[6] | (d[7] << 8));
    m.redA2 = Word(d[8] | (d[9] << 8));
    m.greenA3 = Word(d[10] | (d[11] << 8));
    m.greenA2 = Word(d[12] | (d[13] << 8));
    m.blueA3 = Word(d[14] | (d[15] << 8));
    m.blueA2 = Word(d[16] | (d[17] << 8));
    return m;
}

_EDID_CVT_TIMING_CODE decodeCVTCode(const Byte* c)
{
    _EDID_CVT_TIMING_CODE t{};
    t.vActiveLines = Word((c[0] + (c[1] >> 4) * 256 + 1) * 2);
    t.aspect = kCvtCodeAspect[(c[1] >> 2) & 0x03];
    // Bit 7 is reserved: the preferred rate is bits 6-5 whatever it holds.
    t.preferredRate = _EDID_VERTICAL_RATE((c[2] >> 5) & 0x03);
    for (int i = 0; i < 5; ++i)
        t.supported[i] = bit(c[2], 4 - i);
    return t;
}

void decodeEstablished3(const Byte* d, Bool* flags)
{
    for (int k = 0; k < 44; ++k)
        flags[k] = bit(d[6 + k / 8], 7 - k % 8);
}

_EDID_VIDEO_INPUT_DEF decodeVideoInput(Byte b)
{
    _EDID_VIDEO_INPUT_DEF v{};
    v.analog = !bit(b, 7);
    v.serration = bit(b, 0);
    v.dfp = bit(b, 0);
    if (v.analog) {
        v.levelOrDepth = (b >> 5) & 0x03;
        v.blankSetup = bit(b, 4);
        v.separateSync = bit(b, 3);
        v.compositeSync = bit(b, 2);
        v.syncOnGreen = bit(b, 1);
    } else {
        // Colour depth (bits 6-4) and interface (bits 3-0) as they stand,
        // reserved codes included; below revision 4 these bits are reserved
        // (bit 0 is the DFP flag) and are kept for the writer.
        v.levelOrDepth = (b >> 4) & 0x07;
        v.interface = b & 0x0F;
    }
    return v;
}

_EDID_FEATURE_SUPPORT decodeFeatureSupport(Byte b, Bool analog)
{
    _EDID_FEATURE_SUPPORT f{};
    f.standby = bit(b, 7);
    f.suspend = bit(b, 6);
    f.activeOff = bit(b, 5);
    const int colour = (b >> 3) & 0x03;
    if (analog) {
        f.kind = 0;
        f.value = kAnalogColorType[colour];
    } else if (EDIDCurrentRevision == 4) {
        f.kind = 1;
        f.value = colour;
    } else {
        f.kind = -1;
        f.value = 0;
    }
    f.sRGB = bit(b, 2);
    f.continuousFrequency = bit(b, 0);
    f.preferredTimingMode = bit(b, 1);
    return f;
}

_EDID_SCREEN_SIZE_RATIO decodeScreenSize(Byte h, Byte v)
{
    _EDID_SCREEN_SIZE_RATIO s{};
    if (h && v) {
        s.kind = 0;
        s.hSizeOrRatio = h;
        s.vSize = v;
    } else if (!v) {
        s.kind = 1;
        s.hSizeOrRatio = Word(h + 99);
    } else {
        s.kind = 2;
        s.hSizeOrRatio = Word(10000 / (v + 99));
    }
    return s;
}

_EDID_VERSION_REVISION decodeVersion(const Byte* edid)
{
    _EDID_VERSION_REVISION v{};
    v.version = edid[18];
    v.revision = edid[19];
    return v;
}

_EDID_DISPLAY_PARAMETERS decodeDisplayParameters(const Byte* edid)
{
    _EDID_DISPLAY_PARAMETERS p{};
    p.videoInput = decodeVideoInput(edid[20]);
    p.screenSize = decodeScreenSize(edid[21], edid[22]);
    p.gamma = Word(edid[23] + 100);
    p.featureSupport = decodeFeatureSupport(edid[24], p.videoInput.analog);
    return p;
}

} // namespace

// --- Base block ---------------------------------------------------------------

_EDID_VENDOR_PRODUCT_ID EDIDGetVendorProductID(const Byte* edid)
{
    _EDID_VENDOR_PRODUCT_ID v{};
    const Byte b8 = edid[8];
    const Byte b9 = edid[9];
    v.manufacturer[0] = char(0x40 + ((b8 >> 2) & 0x1F));
    v.manufacturer[1] = char(0x40 + (((b8 & 0x03) << 3) | (b9 >> 5)));
    v.manufacturer[2] = char(0x40 + (b9 & 0x1F));
    v.manufacturer[3] = '\0';
    UtilsWord2Hex(Word(edid[10] | (edid[11] << 8)), v.productCode);
    const uint32_t serial = uint32_t(edid[12]) | uint32_t(edid[13]) << 8
                            | uint32_t(edid[14]) << 16 | uint32_t(edid[15]) << 24;
    UtilsDWordToStr(serial, v.serialNumber, 0);
    v.year = Word(edid[17] + 1990);
    v.week = edid[16];
    v.modelYear = edid[16] == 0xFF;
    return v;
}

_EDID_VERSION_REVISION EDIDGetVersionRevision(const Byte* edid)
{
    EDIDCurrentRevision = edid[19];
    return decodeVersion(edid);
}

_EDID_VIDEO_INPUT_DEF EDIDGetVideoInputDef(const Byte* edid)
{
    return decodeVideoInput(edid[20]);
}

_EDID_SCREEN_SIZE_RATIO EDIDGetScreenSizeRatio(const Byte* edid)
{
    return decodeScreenSize(edid[21], edid[22]);
}

_EDID_FEATURE_SUPPORT EDIDGetFeatureSupport(const Byte* edid, Bool analog)
{
    return decodeFeatureSupport(edid[24], analog);
}

_EDID_DISPLAY_PARAMETERS EDIDGetDisplayParameters(const Byte* edid)
{
    return decodeDisplayParameters(edid);
}

_EDID_COLOR_CHARACTERISTICS EDIDGetColorCharacteristics(const Byte* edid)
{
    const Byte lo1 = edid[25];
    const Byte lo2 = edid[26];
    _EDID_COLOR_CHARACTERISTICS c{};
    c.redX = Word(edid[27] * 4 + ((lo1 >> 6) & 0x03));
    c.redY = Word(edid[28] * 4 + ((lo1 >> 4) & 0x03));
    c.greenX = Word(edid[29] * 4 + ((lo1 >> 2) & 0x03));
    c.greenY = Word(edid[30] * 4 + (lo1 & 0x03));
    c.blueX = Word(edid[31] * 4 + ((lo2 >> 6) & 0x03));
    c.blueY = Word(edid[32] * 4 + ((lo2 >> 4) & 0x03));
    c.whiteX = Word(edid[33] * 4 + ((lo2 >> 2) & 0x03));
    c.whiteY = Word(edid[34] * 4 + (lo2 & 0x03));
    return c;
}

_EDID_ESTABLISHED_TIMINGS EDIDGetEstablishedTimings(const Byte* edid)
{
    _EDID_ESTABLISHED_TIMINGS e{};
    for (int i = 0; i < 8; ++i) {
        e.timings[i] = bit(edid[35], 7 - i);
        e.timings[9 + i] = bit(edid[36], 7 - i);
    }
    e.timings[18] = bit(edid[37], 7);
    return e;
}

Byte EDIDGetExtensionBlockCount(const Byte* edid)
{
    return edid[126];
}

_EDID_STANDARD_TIMINGS_ITEM EDIDGetStandardTimingItem(Byte b0, Byte b1)
{
    _EDID_STANDARD_TIMINGS_ITEM s{};
    if (b0 == 0x01 && b1 == 0x01)
        return s;
    s.enabled = 1;
    s.hActive = Word(b0 * 8 + 248);
    s.aspect = kStandardAspect[b1 >> 6];
    s.refresh = Word((b1 & 0x3F) + 60);
    return s;
}

Bool EDIDGetMandatoryInfo(const Byte* edid, _EDID_MANDATORY_INFO* info)
{
    if (!edid || !info)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (edid[i] != kHeader[i])
            return false;
    }
    Byte sum = 0;
    for (int i = 0; i < 128; ++i)
        sum = Byte(sum + edid[i]);
    if (sum != 0)
        return false;

    _EDID_MANDATORY_INFO m{};
    m.vendor = EDIDGetVendorProductID(edid);
    // The revision is stored before bytes 20 and 24 are decoded, so that they
    // follow the image's own revision byte.
    m.version = EDIDGetVersionRevision(edid);
    m.displayParameters = decodeDisplayParameters(edid);
    m.colors = EDIDGetColorCharacteristics(edid);
    m.established = EDIDGetEstablishedTimings(edid);
    for (int k = 0; k < 8; ++k)
        m.standard[k] = EDIDGetStandardTimingItem(edid[38 + 2 * k], edid[39 + 2 * k]);
    for (int k = 0; k < kDescriptorCount; ++k)
        m.descriptors[k] = EDIDGet18ByteInfo(edid, k);
    m.extensionCount = edid[126];
    *info = m;
    return true;
}

// --- 18-byte descriptors --------------------------------------------------------

_EDID_DETAILED_TIMING_BLOCK EDIDDecodeDetailedTiming(const Byte* d)
{
    _EDID_DETAILED_TIMING_BLOCK t{};
    const Word hBlank = Word(d[3] + (d[4] & 0x0F) * 256);
    const Word vBlank = Word(d[6] + (d[7] & 0x0F) * 256);
    t.hImageSize = Word(d[12] + (d[14] >> 4) * 256);
    t.hBorder = d[15];
    t.vImageSize = Word(d[13] + (d[14] & 0x0F) * 256);
    t.vBorder = d[16];
    t.interlaced = bit(d[17], 7);
    t.pixelClock = uint64_t(d[0]) + uint64_t(d[1]) * 256;
    t.hActive = Word(d[2] + (d[4] >> 4) * 256);
    t.vActive = Word(d[5] + (d[7] >> 4) * 256);
    t.hTotal = Word(t.hActive + hBlank);
    t.vTotal = Word(t.vActive + vBlank);
    t.hFrontPorch = Word(d[8] + ((d[11] >> 6) & 0x03) * 256);
    t.hSyncWidth = Word(d[9] + ((d[11] >> 4) & 0x03) * 256);
    t.vFrontPorch = Word((d[10] >> 4) + ((d[11] >> 2) & 0x03) * 16);
    t.vSyncWidth = Word((d[10] & 0x0F) + (d[11] & 0x03) * 16);
    t.hBackPorch = Word(hBlank - t.hFrontPorch - t.hSyncWidth);
    t.vBackPorch = Word(vBlank - t.vFrontPorch - t.vSyncWidth);
    t.vSyncFlag = bit(d[17], 2);
    t.hSyncFlag = bit(d[17], 1);
    t.aspect = FormatGetAspectRatio(t.hActive, t.vActive);
    t.scan = t.interlaced ? 3 : 0;
    t.stereo = ((d[17] >> 5) & 0x03) * 2u + (d[17] & 0x01);
    t.syncType = (d[17] >> 3) & 0x03;
    return t;
}

_EDID_DETAILED_TIMING_BLOCK EDIDGetDetailedTiming(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    if (!d)
        return _EDID_DETAILED_TIMING_BLOCK{};
    return EDIDDecodeDetailedTiming(d);
}

_EDID_RANGE_LIMITS EDIDGetRangeLimits(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    return d ? decodeRangeLimits(d) : _EDID_RANGE_LIMITS{};
}

_EDID_GTF_SECONDARY_CURVE EDIDGetGTFSecondaryCurve(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    return d ? decodeGTF(d) : _EDID_GTF_SECONDARY_CURVE{};
}

_EDID_CVT_SUPPORT_INFO EDIDGetCVTSupportInfo(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    return d ? decodeCVTSupport(d) : _EDID_CVT_SUPPORT_INFO{};
}

void EDIDGetColorPointData(const Byte* edid, int32_t index, int32_t point, Word out[4])
{
    out[0] = out[1] = out[2] = out[3] = 0;
    const Byte* d = descriptorBytes(edid, index);
    if (!d || point < 0 || point > 1)
        return;
    const _EDID_COLOR_POINT_DATA c = decodeColorPoint(d);
    out[0] = point ? c.index2 : c.index1;
    out[1] = point ? c.x2 : c.x1;
    out[2] = point ? c.y2 : c.y1;
    out[3] = point ? c.gamma2 : c.gamma1;
}

_EDID_DISPLAY_COLOR_MANAGEMENT EDIDGetDisplayColorMana(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    return d ? decodeColorManagement(d) : _EDID_DISPLAY_COLOR_MANAGEMENT{};
}

_EDID_CVT_TIMING_CODE EDIDGetCVTTimingCode(const Byte* edid, int32_t index, int32_t code)
{
    const Byte* d = descriptorBytes(edid, index);
    if (!d || code < 0 || code > 3)
        return _EDID_CVT_TIMING_CODE{};
    return decodeCVTCode(d + 6 + 3 * code);
}

void EDIDGetEstablishedTimings3(const Byte* edid, int32_t index, Bool* flags)
{
    const Byte* d = descriptorBytes(edid, index);
    if (!d) {
        UtilsMemsetByte(flags, 0, 44);
        return;
    }
    decodeEstablished3(d, flags);
}

_EDID_STRING_DATA EDIDGetDisplayBlock(const Byte* edid, int32_t index)
{
    const Byte* d = descriptorBytes(edid, index);
    return d ? descriptorText(d, 0x00, 12) : _EDID_STRING_DATA{};
}

_EDID_MONITOR_DESC EDIDGet18ByteInfo(const Byte* edid, int32_t index)
{
    _EDID_MONITOR_DESC m{};
    const Byte* d = descriptorBytes(edid, index);
    if (!d)
        return m;
    if (d[0] || d[1]) {
        m.type = EDID_DESC_DETAILED_TIMING;
        m.detailedTiming = EDIDDecodeDetailedTiming(d);
        return m;
    }
    m.tag = d[3];
    m.type = kindOfTag(d[3]);
    switch (m.type) {
    case EDID_DESC_SERIAL_NUMBER:
    case EDID_DESC_DATA_STRING:
    case EDID_DESC_PRODUCT_NAME:
        // Each text descriptor is read from its own slot: a long product name
        // is often split over two 0xFC descriptors.
        m.text = descriptorText(d, 0x0A, 13);
        break;
    case EDID_DESC_RANGE_LIMITS:
        m.rangeLimits = decodeRangeLimits(d);
        break;
    case EDID_DESC_COLOR_POINT:
        m.colorPoint = decodeColorPoint(d);
        break;
    case EDID_DESC_STANDARD_TIMINGS:
        for (int k = 0; k < 6; ++k)
            m.standardTimings[k] = EDIDGetStandardTimingItem(d[5 + 2 * k], d[6 + 2 * k]);
        break;
    case EDID_DESC_COLOR_MANAGEMENT:
        m.colorManagement = decodeColorManagement(d);
        break;
    case EDID_DESC_CVT_CODES:
        for (int c = 0; c < 4; ++c)
            m.cvtCodes[c] = decodeCVTCode(d + 6 + 3 * c);
        break;
    case EDID_DESC_ESTABLISHED_TIMINGS3:
        decodeEstablished3(d, m.established3.timings);
        break;
    case EDID_DESC_UNUSED:
    case EDID_DESC_DETAILED_TIMING:
    default:
        break;
    }
    return m;
}
