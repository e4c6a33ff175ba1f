// Feeds arbitrary 256-byte images to every decoder of the EDID core, and
// arbitrary records to its writers.
//
// An input shorter than 256 bytes is padded with zeros, a longer one cut.
// Each image is decoded twice: as it is (mostly refused by the header and
// checksum tests), and with a valid header and base checksum forced, so that
// the whole base block decoding runs on arbitrary contents.

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "edid.h"

namespace {

volatile uint64_t sink;   // keeps results alive

void use(const void* p, size_t n)
{
    const Byte* b = static_cast<const Byte*>(p);
    uint64_t h = 0;
    for (size_t i = 0; i < n; ++i)
        h = h * 31 + b[i];
    sink = sink + h;
}

template <typename T>
void use(const T& value)
{
    use(&value, sizeof value);
}

void forceValidBase(Byte* img)
{
    static const Byte header[8] = { 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00 };
    memcpy(img, header, sizeof header);
    Byte sum = 0;
    for (int i = 0; i < 127; ++i)
        sum = Byte(sum + img[i]);
    img[127] = Byte(0x100 - sum);
}

void decodeBase(const Byte* img)
{
    _EDID_MANDATORY_INFO info;
    memset(&info, 0, sizeof info);
    if (EDIDGetMandatoryInfo(img, &info)) {
        // Reading every field shows any value left undefined to the sanitizers.
        use(info.vendor.manufacturer, strlen(info.vendor.manufacturer));
        use(info.vendor.productCode, strlen(info.vendor.productCode));
        use(info.vendor.serialNumber, strlen(info.vendor.serialNumber));
        for (const _EDID_MONITOR_DESC& d : info.descriptors)
            use(d.text.text, strlen(d.text.text));
        use(info);
    }

    use(EDIDGetVendorProductID(img));
    use(EDIDGetVersionRevision(img));
    const _EDID_VIDEO_INPUT_DEF input = EDIDGetVideoInputDef(img);
    use(input);
    use(EDIDGetScreenSizeRatio(img));
    use(EDIDGetFeatureSupport(img, input.analog));
    use(EDIDGetFeatureSupport(img, !input.analog));
    use(EDIDGetDisplayParameters(img));
    use(EDIDGetColorCharacteristics(img));
    use(EDIDGetEstablishedTimings(img));
    use(EDIDGetExtensionBlockCount(img));
    for (int k = 0; k < 8; ++k)
        use(EDIDGetStandardTimingItem(img[38 + 2 * k], img[39 + 2 * k]));
}

void decodeDescriptors(const Byte* img)
{
    // Slots 0-3 and out-of-range indexes, which must read nothing.
    for (int32_t index = -1; index <= 4; ++index) {
        const _EDID_MONITOR_DESC desc = EDIDGet18ByteInfo(img, index);
        use(desc);
        use(desc.text.text, strlen(desc.text.text));
        use(EDIDGetDetailedTiming(img, index));
        use(EDIDGetRangeLimits(img, index));
        use(EDIDGetGTFSecondaryCurve(img, index));
        use(EDIDGetCVTSupportInfo(img, index));
        for (int32_t point = -1; point <= 2; ++point) {
            Word values[4];
            EDIDGetColorPointData(img, index, point, values);
            use(values);
        }
        use(EDIDGetDisplayColorMana(img, index));
        for (int32_t code = -1; code <= 4; ++code)
            use(EDIDGetCVTTimingCode(img, index, code));
        Bool flags[44];
        EDIDGetEstablishedTimings3(img, index, flags);
        use(flags);
        const _EDID_STRING_DATA text = EDIDGetDisplayBlock(img, index);
        use(text.text, strlen(text.text));
    }
    // The extension's detailed timings are decoded from any 18 bytes.
    for (int offset = 128; offset + 18 <= 255; offset += 18)
        use(EDIDDecodeDetailedTiming(img + offset));
}

void exerciseFormats(const Byte* img)
{
    const Word h = Word(img[128] | img[129] << 8);
    const Word v = Word(img[130] | img[131] << 8);
    use(FormatGetAspectRatio(h, v));
    use(FormatGetAspectRatioValue(_FORMAT_ASP_RATIO(img[132])));
    uint64_t rate;
    memcpy(&rate, img + 136, sizeof rate);
    use(FormatGetClosestNormalizeRate(rate));
    use(FormatFieldRateName2Value(img[133]));
    use(FormatComputeFreqPixel(rate >> 20, h, v, img[134] & 1));
    use(FormatComputeFreqLine(rate >> 20, v, img[134] & 2));
}

// ---------------------------------------------------------------------------
// CEA-861 extension decoders (EDIDGetExtensionInfo, EDIDSearchBlockTypeLL and
// the other extension readers) are called here, on the same images.
void decodeExtension(const Byte* img)
{
    // As it is, then with the CEA tag and a valid checksum so that the walks run.
    Byte ext[256];
    memcpy(ext, img, sizeof ext);
    for (int pass = 0; pass < 2; ++pass) {
        _EDID_CEA_EXTENSION_INFO info;
        memset(&info, 0, sizeof info);
        const int32_t result = EDIDGetExtensionInfo(ext, &info);
        use(result);
        if (result == 0 || result == 2) {
            // Every recorded byte lies inside the extension, before its checksum.
            for (const _EDID_CEA_DATA_BLOCK_INFO& b : info.dataBlocks) {
                if (b.tag == 0)
                    break;
                if (b.length < 0 || b.payload + b.length > ext + 255)
                    __builtin_trap();
                use(b.payload, size_t(b.length));
            }
            if (info.dtds.length < 0 || info.dtds.payload + 18 * info.dtds.length > ext + 255)
                __builtin_trap();
            use(info.dtds.payload, 18 * size_t(info.dtds.length));
            // The timing area holds the timing list and ends before the checksum.
            const int32_t units = EDIDGetCEATimingUnitCount(ext);
            if (units < info.dtds.length || (units > 0 && ext + 128 + ext[130] + 18 * units > ext + 255))
                __builtin_trap();
        }
        for (int tag = 0; tag < 8; ++tag) {
            unsigned char* header = nullptr;
            unsigned int offset = 0;
            if (EDIDSearchBlockTypeLL(ext, tag, ext[133], &header, &offset))
                use(*header);
            use(offset);
            use(EDIDSearchBlockSize(ext, tag, ext[134]));
        }
        use(EDIDGetCEANumberOfUnusedBytes(ext));

        // The block editors on a copy: nothing outside the extension changes.
        Byte work[256];
        memcpy(work, ext, sizeof work);
        const int tag = ext[0] & 7;
        EDIDUpdateCEABlock(img, ext[1] & 0x3F, work, tag, ext[2]);
        EDIDAddCEASubBlock(work, ext[3] & 0x1F, tag, ext[2]);
        EDIDDeleteCEABlock(work, ext[4] & 0x3F, tag, ext[2]);
        EDIDAddCEABlock(work, ext[5], ext[2]);
        EDIDDeleteFullCEABlock(work, tag, ext[2]);
        if (memcmp(work, ext, 128) != 0)
            __builtin_trap();

        ext[128] = 0x02;
        Byte sum = 0;
        for (int i = 128; i < 255; ++i)
            sum = Byte(sum + ext[i]);
        ext[255] = Byte(0x100 - sum);
    }
}
// ---------------------------------------------------------------------------
// Writers, given records made of arbitrary bytes and any slot, item or code:
// each one changes only its own bytes and byte 127, and leaves a valid base
// checksum; an index out of range changes nothing.

// A record filled with the image's bytes, from `seed` onwards, cyclically.
template <typename T>
T recordFrom(const Byte* img, int seed)
{
    T record;
    Byte* p = reinterpret_cast<Byte*>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        p[i] = img[(size_t(seed) + i) % 256];
    return record;
}

void checkWrite(const Byte* before, const Byte* after, int first, int last)
{
    Byte sum = 0;
    for (int i = 0; i < 256; ++i) {
        const bool own = first <= last && ((i >= first && i <= last) || i == 127);
        if (!own && before[i] != after[i])
            __builtin_trap();
        if (i < 128)
            sum = Byte(sum + after[i]);
    }
    if (first <= last && sum != 0)
        __builtin_trap();
}

void exerciseWriters(const Byte* img)
{
    const uint32_t revision = EDIDCurrentRevision;
    Byte work[256];
    memcpy(work, img, sizeof work);
    Byte before[256];

    // One writer call on `work`, checked against the bytes it may change.
#define WRITE(first, last, call)                 \
    do {                                         \
        memcpy(before, work, sizeof before);     \
        call;                                    \
        checkWrite(before, work, first, last);   \
    } while (0)

    WRITE(8, 17, EDIDUpdateVendorProductID(work, recordFrom<_EDID_VENDOR_PRODUCT_ID>(img, 1)));
    WRITE(20, 24, EDIDUpdateDisplayParameters(work, recordFrom<_EDID_DISPLAY_PARAMETERS>(img, 2)));
    WRITE(25, 34, EDIDUpdateColorCharact(recordFrom<_EDID_COLOR_CHARACTERISTICS>(img, 3), work));
    WRITE(35, 37, EDIDUpdateEstablishedTimings(work, recordFrom<_EDID_ESTABLISHED_TIMINGS>(img, 4)));
    WRITE(23, 23, EDIDUpdateGamma(int(img[5]) * 7 - 300, work));
    WRITE(126, 126, EDIDSetExtensionBlockCount(int(img[6]) - 128, work));

    const int slot = img[7] % 12 - 2;   // standard timing slot, -2 to 9
    const bool slotValid = slot >= 1 && slot <= 8;
    WRITE(slotValid ? 36 + 2 * slot : 1, slotValid ? 37 + 2 * slot : 0,
          EDIDUpdateStandardTimingItem(recordFrom<_EDID_STANDARD_TIMINGS_ITEM>(img, 8), work, slot));

    const int index = img[9] % 8 - 2;   // descriptor slot, -2 to 5
    const bool valid = index >= 0 && index <= 3;
    const int first = valid ? 54 + 18 * index : 1;
    const int last = valid ? first + 17 : 0;
    const int item = img[10] % 10 - 2;
    const bool itemValid = item >= 0 && item <= 5;
    const int code = img[11] % 8 - 2;
    const bool codeValid = code >= 0 && code <= 3;
    const _EDID_MONITOR_DESC desc = recordFrom<_EDID_MONITOR_DESC>(img, 12);
    WRITE(first, last, EDIDUpdateDetailedTiming(work, index, desc.detailedTiming));
    WRITE(first, last, EDIDUpdateStringDataBlock(work, index, desc));
    WRITE(first, last, EDIDUpdateRangeLimits(work, index, desc));
    WRITE(first, last, EDIDUpdateColorPointData(work, index, desc));
    WRITE(itemValid ? first : 1, itemValid ? last : 0, EDIDUpdateExtraStandardTimingItem(work, index, item, desc));
    WRITE(first, last, EDIDUpdateDisplayColorManagement(work, index, desc));
    WRITE(codeValid ? first : 1, codeValid ? last : 0, EDIDUpdateCVTTimingCode(work, index, code, desc));
    WRITE(first, last, EDIDUpdateCVTTimings(work, index, desc));
    WRITE(first, last, EDIDUpdateEstablishedTimingsBlock(work, index, desc));
    WRITE(first, last, EDIDUpdateUnusedDescriptor(work, index));
    WRITE(first, last, EDIDUpdateMonitorDescriptor(work, index, desc));

    // Bytes 8-125, and the revision set as written.
    const _EDID_MANDATORY_INFO info = recordFrom<_EDID_MANDATORY_INFO>(img, 13);
    WRITE(8, 125, EDIDUpdateMandatoryInfo(&info, work));
    if (EDIDCurrentRevision != info.version.revision)
        __builtin_trap();
#undef WRITE
    EDIDCurrentRevision = revision;
}

void run(Byte* img)
{
    decodeBase(img);
    decodeDescriptors(img);
    exerciseFormats(img);
    decodeExtension(img);
    exerciseWriters(img);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Byte img[256];
    memset(img, 0, sizeof img);
    memcpy(img, data, size < sizeof img ? size : sizeof img);

    // The revision steers several decodings: start from each of 3, 4 and the
    // image's own byte.
    EDIDCurrentRevision = size > 256 ? data[256] : 3;
    run(img);
    forceValidBase(img);
    run(img);
    EDIDCurrentRevision = EDIDCurrentRevision == 4 ? 3 : 4;
    decodeDescriptors(img);
    return 0;
}
