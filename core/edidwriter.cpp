#include "edidwriter.h"

#include "ediddecode.h"

#include <string.h>

namespace {

const int kDescriptorStart = 54;
const int kDescriptorSize = 18;

// Byte 127 = (256 - sum of bytes 0-126) mod 256, over the block as it stands.
void updateBaseChecksum(Byte* edid)
{
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i)
        sum += edid[i];
    edid[127] = static_cast<Byte>(0x100 - (sum & 0xFF));
}

// First byte of descriptor slot 0-3, or null for any other index.
Byte* descriptorSlot(Byte* edid, int index)
{
    if (index < 0 || index > 3)
        return nullptr;
    return edid + kDescriptorStart + kDescriptorSize * index;
}

// d0-d4 of a display descriptor: 00 00 00 tag 00.
void writeDescriptorHeader(Byte* d, Byte tag)
{
    d[0] = 0x00;
    d[1] = 0x00;
    d[2] = 0x00;
    d[3] = tag;
    d[4] = 0x00;
}

inline Byte bit(Bool flag, int position)
{
    return flag ? static_cast<Byte>(1u << position) : 0;
}

inline Byte lowByte(unsigned value)
{
    return static_cast<Byte>(value & 0xFF);
}

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Hexadecimal text as "%04X" reads it: leading blanks, then at most four digits.
unsigned parseHex4(const char* text, size_t size)
{
    size_t i = 0;
    while (i < size && isSpace(text[i]))
        ++i;
    unsigned value = 0;
    for (int digits = 0; digits < 4 && i < size; ++digits, ++i) {
        const char c = text[i];
        unsigned v;
        if (c >= '0' && c <= '9')
            v = static_cast<unsigned>(c - '0');
        else if (c >= 'A' && c <= 'F')
            v = static_cast<unsigned>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            v = static_cast<unsigned>(c - 'a' + 10);
        else
            break;
        value = value * 16 + v;
    }
    return value;
}

// Decimal text with leading blanks and an optional sign, modulo 2^32: every
// value 0 to 4294967295 is read exactly, a negative one as its two's complement.
uint32_t parseDecimal32(const char* text, size_t size)
{
    size_t i = 0;
    while (i < size && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    uint32_t value = 0;
    for (; i < size && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

// Aspect code of a standard timing: 16:10 00, 4:3 01, 5:4 10, 16:9 11.
Byte standardTimingAspect(_FORMAT_ASP_RATIO aspect)
{
    switch (aspect) {
    case FORMAT_ASP_RATIO_5_4: return 0x2;
    case FORMAT_ASP_RATIO_4_3: return 0x1;
    case FORMAT_ASP_RATIO_16_9: return 0x3;
    default: return 0x0;
    }
}

// The two bytes of a standard timing; 01 01 when unused.
void encodeStandardTiming(const _EDID_STANDARD_TIMINGS_ITEM& item, Byte* p)
{
    if (!item.enabled) {
        p[0] = 0x01;
        p[1] = 0x01;
        return;
    }
    p[0] = lowByte(item.hActive / 8u - 31u);
    p[1] = static_cast<Byte>(standardTimingAspect(item.aspect) << 6 | ((item.refresh - 60u) & 0x3F));
}

// The 18 bytes of a detailed timing; the blankings come from porches and syncs.
void encodeDetailedTiming(const _EDID_DETAILED_TIMING_BLOCK& t, Byte* d)
{
    const unsigned hBlank = static_cast<unsigned>(t.hFrontPorch) + t.hSyncWidth + t.hBackPorch;
    const unsigned vBlank = static_cast<unsigned>(t.vFrontPorch) + t.vSyncWidth + t.vBackPorch;

    d[0] = lowByte(static_cast<unsigned>(t.pixelClock));
    d[1] = lowByte(static_cast<unsigned>(t.pixelClock >> 8));
    d[2] = lowByte(t.hActive);
    d[3] = lowByte(hBlank);
    d[4] = static_cast<Byte>(((t.hActive >> 8) & 0x0F) << 4 | ((hBlank >> 8) & 0x0F));
    d[5] = lowByte(t.vActive);
    d[6] = lowByte(vBlank);
    d[7] = static_cast<Byte>(((t.vActive >> 8) & 0x0F) << 4 | ((vBlank >> 8) & 0x0F));
    d[8] = lowByte(t.hFrontPorch);
    d[9] = lowByte(t.hSyncWidth);
    d[10] = static_cast<Byte>((t.vFrontPorch & 0x0F) << 4 | (t.vSyncWidth & 0x0F));
    d[11] = static_cast<Byte>(((t.hFrontPorch >> 8) & 0x03) << 6 | ((t.hSyncWidth >> 8) & 0x03) << 4
                              | ((t.vFrontPorch >> 4) & 0x03) << 2 | ((t.vSyncWidth >> 4) & 0x03));
    d[12] = lowByte(t.hImageSize);
    d[13] = lowByte(t.vImageSize);
    d[14] = static_cast<Byte>(((t.hImageSize >> 8) & 0x0F) << 4 | ((t.vImageSize >> 8) & 0x0F));
    d[15] = lowByte(t.hBorder);
    d[16] = lowByte(t.vBorder);
    d[17] = static_cast<Byte>(bit(t.interlaced, 7) | ((t.stereo >> 1) & 0x03) << 5 | (t.syncType & 0x03) << 3
                              | bit(t.vSyncFlag, 2) | bit(t.hSyncFlag, 1) | (t.stereo & 0x01));
}

// Tag d3 of each descriptor kind, indexed by _EDID_DISPLAY_DESCRIPTORS
// (kind 1, the detailed timing, has none).
const Byte kDescriptorTags[11] = {0x10, 0x00, 0xFF, 0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xF9, 0xF8, 0xF7};

// A tag the core does not decode: manufacturer-defined 0x01-0x0F or reserved 0x11-0xF6.
bool isForeignTag(Byte tag)
{
    return (tag >= 0x01 && tag <= 0x0F) || (tag >= 0x11 && tag <= 0xF6);
}

// One rate pair of a range-limits descriptor. At revision 4 a maximum above 255
// is stored as rate - 255 with offset code 10, and a minimum above 255 as well
// with code 11 (E-EDID 1.4 has no code for an offset minimum alone); otherwise
// each rate keeps its low 8 bits. Returns the 2-bit offset code of d4.
Byte encodeRatePair(Word minRate, Word maxRate, bool offsets, Byte* minByte, Byte* maxByte)
{
    const bool maxOffset = offsets && maxRate > 255;
    const bool minOffset = maxOffset && minRate > 255;
    *maxByte = lowByte(maxOffset ? maxRate - 255u : maxRate);
    *minByte = lowByte(minOffset ? minRate - 255u : minRate);
    return static_cast<Byte>((maxOffset ? 0x2 : 0x0) | (minOffset ? 0x1 : 0x0));
}

// Preferred aspect code of d15 bits 7-5, by _FORMAT_ASP_RATIO 0-4.
const Byte kCvtPreferredAspect[5] = {0x3, 0x0, 0x2, 0x4, 0x1};

// Aspect code of a 3-byte CVT code: 4:3 00, 16:9 01, 16:10 10, 15:9 11.
Byte cvtCodeAspect(_FORMAT_ASP_RATIO aspect)
{
    switch (aspect) {
    case FORMAT_ASP_RATIO_16_9: return 0x1;
    case FORMAT_ASP_RATIO_16_10: return 0x2;
    case FORMAT_ASP_RATIO_15_9: return 0x3;
    default: return 0x0;
    }
}

void encodeCvtCode(const _EDID_CVT_TIMING_CODE& code, Byte* b)
{
    const unsigned lines = (code.vActiveLines / 2u - 1u) & 0x0FFF;
    const unsigned rate = code.preferredRate <= EDID_VERTICAL_RATE_85HZ ? code.preferredRate : 0u;
    b[0] = lowByte(lines);
    b[1] = static_cast<Byte>((lines >> 8) << 4 | cvtCodeAspect(code.aspect) << 2);
    b[2] = static_cast<Byte>(rate << 5 | bit(code.supported[0], 4) | bit(code.supported[1], 3)
                             | bit(code.supported[2], 2) | bit(code.supported[3], 1) | bit(code.supported[4], 0));
}

void writeCvtHeader(Byte* d)
{
    writeDescriptorHeader(d, 0xF8);
    d[5] = 0x01;
}

} // namespace

// --- Base-block sections -------------------------------------------------------

void EDIDUpdateVendorProductID(Byte* edid, _EDID_VENDOR_PRODUCT_ID vendor)
{
    const unsigned c1 = static_cast<Byte>(vendor.manufacturer[0]) & 0x1F;
    const unsigned c2 = static_cast<Byte>(vendor.manufacturer[1]) & 0x1F;
    const unsigned c3 = static_cast<Byte>(vendor.manufacturer[2]) & 0x1F;
    edid[8] = static_cast<Byte>(c1 << 2 | c2 >> 3);
    edid[9] = static_cast<Byte>((c2 & 0x07) << 5 | c3);

    const unsigned product = parseHex4(vendor.productCode, sizeof vendor.productCode);
    edid[10] = lowByte(product);
    edid[11] = lowByte(product >> 8);

    const uint32_t serial = parseDecimal32(vendor.serialNumber, sizeof vendor.serialNumber);
    edid[12] = lowByte(serial);
    edid[13] = lowByte(serial >> 8);
    edid[14] = lowByte(serial >> 16);
    edid[15] = lowByte(serial >> 24);

    edid[16] = lowByte(vendor.week);
    edid[17] = lowByte(vendor.year - 1990u);
    updateBaseChecksum(edid);
}

void EDIDUpdateVersionRevision(_EDID_VERSION_REVISION version, Byte* edid)
{
    EDIDCurrentRevision = version.revision;
    edid[18] = lowByte(version.version);
    edid[19] = lowByte(version.revision);
    updateBaseChecksum(edid);
}

void EDIDUpdateVideoInputDef(_EDID_VIDEO_INPUT_DEF input, Byte* edid)
{
    Byte value;
    if (input.analog) {
        const unsigned level = input.levelOrDepth >= 1 && input.levelOrDepth <= 3 ? input.levelOrDepth : 0;
        value = static_cast<Byte>(level << 5 | bit(input.blankSetup, 4) | bit(input.separateSync, 3)
                                  | bit(input.compositeSync, 2) | bit(input.syncOnGreen, 1) | bit(input.serration, 0));
    } else if (EDIDCurrentRevision == 4) {
        // Reserved depth (7) and interface (6-15) codes are written as held.
        value = static_cast<Byte>(0x80 | (input.levelOrDepth & 0x07) << 4 | (input.interface & 0x0F));
    } else {
        // Bit 0 is the DFP flag; bits 6-1 are reserved and written as held.
        value = static_cast<Byte>(0x80 | (input.levelOrDepth & 0x07) << 4 | (input.interface & 0x0E)
                                  | bit(input.dfp, 0));
    }
    edid[20] = value;
    updateBaseChecksum(edid);
}

void EDIDUpdateScreenSizeRatio(_EDID_SCREEN_SIZE_RATIO size, Byte* edid)
{
    edid[21] = 0;
    edid[22] = 0;
    if (size.kind == 1) {
        edid[21] = lowByte(size.hSizeOrRatio - 99u);
    } else if (size.kind == 2) {
        // Portrait: byte 22 = 10000 / ratio - 99, held within 1-255 so that the
        // bytes still read as a portrait ratio (0 stands for the smallest ratio).
        int code = size.hSizeOrRatio == 0 ? 255 : 10000 / size.hSizeOrRatio - 99;
        if (code > 255)
            code = 255;
        if (code < 1)
            code = 1;
        edid[22] = static_cast<Byte>(code);
    } else {
        edid[21] = lowByte(size.hSizeOrRatio);
        edid[22] = lowByte(size.vSize);
    }
    updateBaseChecksum(edid);
}

void EDIDUpdateGamma(int gamma, Byte* edid)
{
    edid[23] = lowByte(static_cast<unsigned>(gamma) - 100u);
    updateBaseChecksum(edid);
}

void EDIDUpdateFeatureSupport(_EDID_FEATURE_SUPPORT feature, Byte* edid)
{
    // Colour bits 4-3 by `value`: encodings of a digital revision-4 input, or colour type.
    static const Byte encodings[4] = {0x0, 0x1, 0x2, 0x3};
    static const Byte colourType[4] = {0x3, 0x0, 0x1, 0x2};
    Byte colour = 0;
    if (feature.kind == -1)
        colour = (edid[24] >> 3) & 0x03;   // not decoded (digital outside revision 4): kept
    else if (feature.value >= 0 && feature.value <= 3)
        colour = feature.kind == 1 ? encodings[feature.value] : colourType[feature.value];

    edid[24] = static_cast<Byte>(bit(feature.standby, 7) | bit(feature.suspend, 6) | bit(feature.activeOff, 5)
                                 | colour << 3 | bit(feature.sRGB, 2) | bit(feature.preferredTimingMode, 1)
                                 | bit(feature.continuousFrequency, 0));
    updateBaseChecksum(edid);
}

void EDIDUpdateDisplayParameters(Byte* edid, _EDID_DISPLAY_PARAMETERS params)
{
    EDIDUpdateVideoInputDef(params.videoInput, edid);
    EDIDUpdateScreenSizeRatio(params.screenSize, edid);
    EDIDUpdateGamma(params.gamma, edid);
    EDIDUpdateFeatureSupport(params.featureSupport, edid);
}

void EDIDUpdateColorCharact(_EDID_COLOR_CHARACTERISTICS colors, Byte* edid)
{
    const Word codes[8] = {colors.redX, colors.redY, colors.greenX, colors.greenY,
                           colors.blueX, colors.blueY, colors.whiteX, colors.whiteY};
    // Byte 25 holds the low bits of red and green, byte 26 those of blue and white.
    edid[25] = static_cast<Byte>((codes[0] & 3) << 6 | (codes[1] & 3) << 4 | (codes[2] & 3) << 2 | (codes[3] & 3));
    edid[26] = static_cast<Byte>((codes[4] & 3) << 6 | (codes[5] & 3) << 4 | (codes[6] & 3) << 2 | (codes[7] & 3));
    for (int i = 0; i < 8; ++i)
        edid[27 + i] = lowByte(codes[i] >> 2);
    updateBaseChecksum(edid);
}

void EDIDUpdateEstablishedTimings(Byte* edid, _EDID_ESTABLISHED_TIMINGS timings)
{
    Byte b35 = 0;
    Byte b36 = 0;
    for (int i = 0; i < 8; ++i) {
        b35 = static_cast<Byte>(b35 | bit(timings.timings[i], 7 - i));
        b36 = static_cast<Byte>(b36 | bit(timings.timings[9 + i], 7 - i));
    }
    edid[35] = b35;
    edid[36] = b36;
    edid[37] = static_cast<Byte>((edid[37] & 0x7F) | bit(timings.timings[18], 7));
    updateBaseChecksum(edid);
}

void EDIDUpdateStandardTimingItem(_EDID_STANDARD_TIMINGS_ITEM item, Byte* edid, int slot)
{
    if (slot < 1 || slot > 8)
        return;
    encodeStandardTiming(item, edid + 36 + 2 * slot);
    updateBaseChecksum(edid);
}

void EDIDUpdateDetailedTiming(Byte* edid, int index, _EDID_DETAILED_TIMING_BLOCK timing)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    encodeDetailedTiming(timing, d);
    updateBaseChecksum(edid);
}

void EDIDSetExtensionBlockCount(int count, Byte* edid)
{
    edid[126] = lowByte(static_cast<unsigned>(count));
    updateBaseChecksum(edid);
}

void EDIDSetHeader(Byte* edid)
{
    static const Byte header[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    memcpy(edid, header, sizeof header);
}

Bool EDIDUpdateMandatoryInfo(const _EDID_MANDATORY_INFO* info, Byte* edid)
{
    EDIDUpdateVendorProductID(edid, info->vendor);
    EDIDUpdateVersionRevision(info->version, edid);
    EDIDUpdateDisplayParameters(edid, info->displayParameters);
    EDIDUpdateColorCharact(info->colors, edid);
    EDIDUpdateEstablishedTimings(edid, info->established);
    for (int slot = 1; slot <= 8; ++slot)
        EDIDUpdateStandardTimingItem(info->standard[slot - 1], edid, slot);
    for (int index = 0; index < 4; ++index)
        EDIDUpdateMonitorDescriptor(edid, index, info->descriptors[index]);
    updateBaseChecksum(edid);
    return true;
}

// --- Display descriptors ---------------------------------------------------------

void EDIDUpdateStringDataBlock(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    const Byte tag = d[3];
    writeDescriptorHeader(d, tag);
    switch (desc.type) {
    case EDID_DESC_SERIAL_NUMBER: d[3] = 0xFF; break;
    case EDID_DESC_DATA_STRING: d[3] = 0xFE; break;
    case EDID_DESC_PRODUCT_NAME: d[3] = 0xFC; break;
    default: break;
    }
    memcpy(d + 5, desc.text.text, 13);
    updateBaseChecksum(edid);
}

void EDIDUpdateRangeLimits(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    const _EDID_RANGE_LIMITS& r = desc.rangeLimits;
    const bool offsets = EDIDCurrentRevision == 4;

    writeDescriptorHeader(d, 0xFD);
    const Byte vOffsets = encodeRatePair(r.minVRate, r.maxVRate, offsets, &d[5], &d[6]);
    const Byte hOffsets = encodeRatePair(r.minHRate, r.maxHRate, offsets, &d[7], &d[8]);
    d[4] = static_cast<Byte>(hOffsets << 2 | vOffsets);
    d[9] = lowByte(r.maxPixelClock / 10u);

    switch (r.timingSupport) {
    case 0: d[10] = 0x00; break;
    case 1: d[10] = 0x02; break;
    case 2: d[10] = 0x01; break;
    case 3: d[10] = 0x04; break;
    default: break; // d10 keeps its value
    }
    // Without a secondary curve or CVT block, d11-d17 are 0A 20 20 20 20 20 20
    // (E-EDID); the secondary GTF and CVT layouts fill them below.
    d[11] = 0x0A;
    memset(d + 12, 0x20, 6);

    if (r.timingSupport == 1) {
        d[11] = 0x00;
        const _EDID_GTF_SECONDARY_CURVE& g = r.gtf;
        d[12] = lowByte(g.startFrequency);
        d[13] = lowByte(g.c);
        d[14] = lowByte(g.m);
        d[15] = lowByte(g.m >> 8);
        d[16] = lowByte(g.k);
        d[17] = lowByte(g.j);
    } else if (r.timingSupport == 3) {
        const _EDID_CVT_SUPPORT_INFO& c = r.cvt;
        const unsigned active = c.maxActivePixels / 8u;
        const Byte aspect = c.preferredAspect >= 0 && c.preferredAspect <= 4 ? kCvtPreferredAspect[c.preferredAspect] : 0;
        d[11] = static_cast<Byte>((c.version & 0x0F) << 4 | (c.revision & 0x0F));
        d[12] = static_cast<Byte>((c.pixelClockPrecision & 0x3F) << 2 | ((active >> 8) & 0x03));
        d[13] = lowByte(active);
        d[14] = static_cast<Byte>(bit(c.supports4x3, 7) | bit(c.supports16x9, 6) | bit(c.supports16x10, 5)
                                  | bit(c.supports5x4, 4) | bit(c.supports15x9, 3));
        d[15] = static_cast<Byte>(aspect << 5 | bit(c.reducedBlanking, 4) | bit(c.standardBlanking, 3));
        d[16] = static_cast<Byte>(bit(c.hShrink, 7) | bit(c.hStretch, 6) | bit(c.vShrink, 5) | bit(c.vStretch, 4));
        d[17] = lowByte(c.preferredRefresh);
    }
    updateBaseChecksum(edid);
}

void EDIDUpdateColorPointData(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    const _EDID_COLOR_POINT_DATA& p = desc.colorPoint;
    writeDescriptorHeader(d, 0xFB);
    d[5] = lowByte(p.index1);
    d[6] = static_cast<Byte>((p.x1 & 3) << 2 | (p.y1 & 3));
    d[7] = lowByte(p.x1 >> 2);
    d[8] = lowByte(p.y1 >> 2);
    d[9] = lowByte(p.gamma1 - 100u);
    d[10] = lowByte(p.index2);
    d[11] = static_cast<Byte>((p.x2 & 3) << 2 | (p.y2 & 3));
    d[12] = lowByte(p.x2 >> 2);
    d[13] = lowByte(p.y2 >> 2);
    d[14] = lowByte(p.gamma2 - 100u);
    d[15] = 0x0A;
    d[16] = 0x20;
    d[17] = 0x20;
    updateBaseChecksum(edid);
}

void EDIDUpdateExtraStandardTimingItem(Byte* edid, int index, int item, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d || item < 0 || item > 5)
        return;
    writeDescriptorHeader(d, 0xFA);
    encodeStandardTiming(desc.standardTimings[item], d + 5 + 2 * item);
    d[17] = 0x0A;
    updateBaseChecksum(edid);
}

void EDIDUpdateDisplayColorManagement(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    const _EDID_DISPLAY_COLOR_MANAGEMENT& m = desc.colorManagement;
    const Word values[6] = {m.redA3, m.redA2, m.greenA3, m.greenA2, m.blueA3, m.blueA2};
    writeDescriptorHeader(d, 0xF9);
    d[5] = 0x03;
    for (int i = 0; i < 6; ++i) {
        d[6 + 2 * i] = lowByte(values[i]);
        d[7 + 2 * i] = lowByte(values[i] >> 8);
    }
    updateBaseChecksum(edid);
}

void EDIDUpdateCVTTimingCode(Byte* edid, int index, int code, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d || code < 0 || code > 3)
        return;
    writeCvtHeader(d);
    encodeCvtCode(desc.cvtCodes[code], d + 6 + 3 * code);
    updateBaseChecksum(edid);
}

void EDIDUpdateCVTTimings(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    writeCvtHeader(d);
    for (int code = 0; code < 4; ++code)
        EDIDUpdateCVTTimingCode(edid, index, code, desc);
    updateBaseChecksum(edid);
}

void EDIDUpdateEstablishedTimingsBlock(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    writeDescriptorHeader(d, 0xF7);
    d[5] = 0x0A;
    memset(d + 6, 0, 12);
    for (int i = 0; i < 44; ++i)
        d[6 + i / 8] = static_cast<Byte>(d[6 + i / 8] | bit(desc.established3.timings[i], 7 - i % 8));
    updateBaseChecksum(edid);
}

void EDIDUpdateUnusedDescriptor(Byte* edid, int index)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    memset(d, 0, kDescriptorSize);
    d[3] = 0x10;
    updateBaseChecksum(edid);
}

void EDIDUpdateMonitorDescriptor(Byte* edid, int index, _EDID_MONITOR_DESC desc)
{
    Byte* d = descriptorSlot(edid, index);
    if (!d)
        return;
    if (desc.type == EDID_DESC_DETAILED_TIMING) {
        encodeDetailedTiming(desc.detailedTiming, d);
    } else if (desc.type == EDID_DESC_UNUSED) {
        d[3] = isForeignTag(desc.tag) ? desc.tag : 0x10;
    } else if (desc.type <= EDID_DESC_ESTABLISHED_TIMINGS3) {
        d[3] = kDescriptorTags[desc.type];
    }
    updateBaseChecksum(edid);
}
