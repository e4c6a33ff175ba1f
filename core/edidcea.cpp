#include "edidcea.h"

#include "ediddecode.h"

#include <string.h>

namespace {

const int kTagByte = 128;
const int kOffsetByte = 130;
const int kSupportByte = 131;
const int kCollectionStart = 132;
const int kLastDataByte = 254;      // byte 255 is the checksum
const int kMaxCollection = 123;     // bytes 132-254
const int kBudget = 122;            // data blocks and timings, so that byte 254 stays padding
const int kTimingSize = 18;
const int kExtendedTag = 7;

// Byte 255 = (256 - sum of bytes 128-254) mod 256.
void updateExtensionChecksum(Byte* edid)
{
    unsigned sum = 0;
    for (int i = kTagByte; i <= kLastDataByte; ++i)
        sum += edid[i];
    edid[255] = static_cast<Byte>(0x100 - (sum & 0xFF));
}

// Size of the data block collection: d - 4, none when d is below 4, at most 123 bytes.
int collectionSize(const Byte* edid)
{
    const int d = edid[kOffsetByte];
    if (d < 4)
        return 0;
    return d - 4 < kMaxCollection ? d - 4 : kMaxCollection;
}

// Number of 18-byte units from byte 128 + d that end at or before byte 254,
// up to the first whose leading `zeros` bytes are all 0. None when d is below 4.
int countUnits(const Byte* edid, int zeros)
{
    const int d = edid[kOffsetByte];
    if (d < 4)
        return 0;
    int count = 0;
    for (int p = kTagByte + d; p + kTimingSize - 1 <= kLastDataByte; p += kTimingSize) {
        bool zero = true;
        for (int i = 0; i < zeros && zero; ++i)
            zero = edid[p + i] == 0;
        if (zero)
            break;
        ++count;
    }
    return count;
}

// Detailed timings: the list ends at the first entry whose bytes 0 and 1 (the
// pixel clock) are both 0, a display descriptor or padding.
int countTimings(const Byte* edid)
{
    return countUnits(edid, 2);
}

// The timing area: timings and display descriptors, up to an all-zero unit.
int countTimingUnits(const Byte* edid)
{
    return countUnits(edid, kTimingSize);
}

// Number of bytes a block's length bits may take after its header without
// passing the end of the collection (or byte 254).
int lengthWithinCollection(const Byte* edid, int header)
{
    const int last = kCollectionStart + collectionSize(edid) - 1;
    const int length = edid[header] & 0x1F;
    const int room = last - header;
    return length < room ? length : (room > 0 ? room : 0);
}

// The search walk: the position of the header of the first block of `tag`
// (for tag 7, whose extended tag equals `extTag`), or -1.
int findBlock(const Byte* edid, int tag, unsigned int extTag)
{
    const int d = edid[kOffsetByte];
    if (d < 4)
        return -1;
    const int n = d - 4;
    for (int i = 0; i < n && i < kMaxCollection;) {
        const int header = kCollectionStart + i;
        const Byte h = edid[header];
        if ((h >> 5) == tag) {
            // A tag-7 block of length 0 has no extended tag to compare.
            if (tag != kExtendedTag)
                return header;
            if (lengthWithinCollection(edid, header) >= 1 && edid[header + 1] == extTag)
                return header;
        }
        i += 1 + (h & 0x1F);
    }
    return -1;
}

// A found block whose length bits stay inside the collection: the only kind
// the editing functions change.
bool blockFits(const Byte* edid, int header)
{
    return lengthWithinCollection(edid, header) == (edid[header] & 0x1F);
}

void fillDataBlocks(const Byte* edid, _EDID_CEA_DATA_BLOCK_INFO* entries)
{
    memset(entries, 0, sizeof(_EDID_CEA_DATA_BLOCK_INFO) * EDID_CEA_MAX_DATA_BLOCKS);
    const int n = collectionSize(edid);
    int count = 0;
    for (int i = 0; i < n;) {
        const int header = kCollectionStart + i;
        const Byte h = edid[header];
        // A header of tag 0 is not a block; its length bits are still skipped.
        if ((h >> 5) != 0 && count < EDID_CEA_MAX_DATA_BLOCKS) {
            _EDID_CEA_DATA_BLOCK_INFO& entry = entries[count++];
            entry.tag = h >> 5;
            entry.length = lengthWithinCollection(edid, header);
            entry.payload = const_cast<Byte*>(edid) + header + 1;
        }
        i += 1 + (h & 0x1F);
    }
}

// First byte of the timing list (clamped to the image when d is out of range).
Byte* timingStart(const Byte* edid)
{
    const int pos = kTagByte + edid[kOffsetByte];
    return const_cast<Byte*>(edid) + (pos < 255 ? pos : 255);
}

} // namespace

// --- Decoding -------------------------------------------------------------------

int32_t EDIDGetExtensionInfo(const Byte* edid, _EDID_CEA_EXTENSION_INFO* info)
{
    if (edid[kTagByte] != 0x02) {
        info->present = false;
        return 1;
    }
    unsigned sum = 0;
    for (int i = kTagByte; i <= 255; ++i)
        sum += edid[i];
    if ((sum & 0xFF) != 0)
        return 3;

    info->present = true;
    info->version = edid[129];
    info->support = EDIDGetCEASupportInfo(edid);
    fillDataBlocks(edid, info->dataBlocks);
    info->dtds.tag = 0;
    EDIDGetCEADetTimingInfo(edid, &info->dtds);

    // Padding: every byte after the collection and the timing area (display
    // descriptors after the timings are content, not padding).
    const int used = collectionSize(edid) + kTimingSize * countTimingUnits(edid);
    for (int i = kCollectionStart + used; i <= kLastDataByte; ++i)
        if (edid[i] != 0)
            return 2;
    return 0;
}

bool EDIDSearchBlockTypeLL(const unsigned char* edid, int tag, unsigned int extTag,
                           unsigned char** header, unsigned int* offset)
{
    const int pos = findBlock(edid, tag, extTag);
    if (pos < 0)
        return false;
    if (header)
        *header = const_cast<unsigned char*>(edid) + pos;
    if (offset)
        *offset = static_cast<unsigned int>(pos - kCollectionStart);
    return true;
}

_EDID_CEA_SUPPORT_INFO EDIDGetCEASupportInfo(const Byte* edid)
{
    const Byte b = edid[kSupportByte];
    _EDID_CEA_SUPPORT_INFO s;
    s.underscan = (b >> 7) & 1;
    s.basicAudio = (b >> 6) & 1;
    s.ycbcr444 = (b >> 5) & 1;
    s.ycbcr422 = (b >> 4) & 1;
    s.nativeCount = b & 0x0F;
    return s;
}

void EDIDGetCEADataBlockInfo(const Byte* edid, _EDID_CEA_DATA_BLOCK_INFO* entries)
{
    fillDataBlocks(edid, entries);
}

_EDID_DETAILED_TIMING_BLOCK EDIDGetCEADetailedTiming(const Byte* dtd)
{
    return EDIDDecodeDetailedTiming(dtd);
}

int32_t EDIDGetCEADetTimingInfo(const Byte* edid, _EDID_CEA_DATA_BLOCK_INFO* info)
{
    const int count = countTimings(edid);
    info->length = count;
    info->payload = timingStart(edid);
    return collectionSize(edid) + kTimingSize * count;
}

int32_t EDIDGetCEATimingUnitCount(const Byte* edid)
{
    return countTimingUnits(edid);
}

Word EDIDGetCEAVendorSpecificBlock(Word value)
{
    return value;
}

// --- Header writers ---------------------------------------------------------------

void EDIDSetCEAHeaderTag(Byte* edid)
{
    edid[kTagByte] = 0x02;
    edid[kOffsetByte] = 4;
    updateExtensionChecksum(edid);
}

void EDIDUpdateCEAVersion(int version, Byte* edid)
{
    edid[129] = static_cast<Byte>(version & 0xFF);
    updateExtensionChecksum(edid);
}

void EDIDUpdateMonitorSupport(_EDID_CEA_SUPPORT_INFO support, Byte* edid)
{
    edid[kSupportByte] = static_cast<Byte>((support.underscan ? 0x80 : 0) | (support.basicAudio ? 0x40 : 0)
                                           | (support.ycbcr444 ? 0x20 : 0) | (support.ycbcr422 ? 0x10 : 0)
                                           | (support.nativeCount & 0x0F));
    updateExtensionChecksum(edid);
}

void EDIDRemoveAllCEAData(Byte* edid)
{
    memset(edid + kTagByte, 0, 128);
}

// --- Block editing ---------------------------------------------------------------

Byte* EDIDSearchBlockType(Byte* edid, int tag, unsigned int extTag)
{
    const int pos = findBlock(edid, tag, extTag);
    return pos < 0 ? nullptr : edid + pos + 1;
}

uint32_t EDIDSearchBlockSize(const Byte* edid, int tag, unsigned int extTag)
{
    const int pos = findBlock(edid, tag, extTag);
    return pos < 0 ? 0 : edid[pos] & 0x1Fu;
}

int32_t EDIDGetCEANumberOfUnusedBytes(const Byte* edid)
{
    const int d = edid[kOffsetByte];
    if (d < 4)
        return 0;
    return kBudget - (d - 4) - kTimingSize * countTimings(edid);
}

Bool EDIDGetEmplyExtentionBlock(Byte* edid, int n)
{
    if (n < 0 || edid[kOffsetByte] < 4 || EDIDGetCEANumberOfUnusedBytes(edid) < n)
        return false;
    memmove(edid + kCollectionStart + n, edid + kCollectionStart, static_cast<size_t>(kMaxCollection - n));
    edid[kOffsetByte] = static_cast<Byte>(edid[kOffsetByte] + n);
    return true;
}

Bool EDIDAddCEABlock(Byte* edid, int tag, unsigned int extTag)
{
    const int t = tag & 0x07;
    const int size = t == kExtendedTag ? 2 : 1;
    if (!EDIDGetEmplyExtentionBlock(edid, size))
        return false;
    edid[kCollectionStart] = static_cast<Byte>(t << 5 | (size - 1));
    if (t == kExtendedTag)
        edid[kCollectionStart + 1] = static_cast<Byte>(extTag & 0xFF);
    updateExtensionChecksum(edid);
    return true;
}

Bool EDIDAddCEASubBlock(Byte* edid, int n, int tag, unsigned int extTag)
{
    const int header = findBlock(edid, tag, extTag);
    if (n < 0 || header < 0 || !blockFits(edid, header))
        return false;
    const int length = edid[header] & 0x1F;
    if (length + n > 0x1F || EDIDGetCEANumberOfUnusedBytes(edid) < n)
        return false;
    const int end = header + 1 + length;   // first byte after the block
    memmove(edid + end + n, edid + end, static_cast<size_t>(kLastDataByte + 1 - n - end));
    edid[header] = static_cast<Byte>((edid[header] & 0xE0) | (length + n));
    edid[kOffsetByte] = static_cast<Byte>(edid[kOffsetByte] + n);
    updateExtensionChecksum(edid);
    return true;
}

Byte EDIDUpdateCEABlock(const Byte* data, int n, Byte* edid, int tag, unsigned int extTag)
{
    const int header = findBlock(edid, tag, extTag);
    if (header >= 0 && n > 0) {
        const int first = header + 1 + (tag == kExtendedTag ? 1 : 0);
        const int room = header + lengthWithinCollection(edid, header) - first + 1;
        const int count = n < room ? n : room;
        if (count > 0)
            memcpy(edid + first, data, static_cast<size_t>(count));
    }
    updateExtensionChecksum(edid);
    return edid[255];
}

Bool EDIDDeleteCEABlock(Byte* edid, int count, int tag, unsigned int extTag)
{
    const int header = findBlock(edid, tag, extTag);
    if (header < 0 || !blockFits(edid, header))
        return false;
    const int length = edid[header] & 0x1F;
    if (count < 0 || count > length + 1)
        return false;
    const int from = header + 1 + length - count;
    memmove(edid + from, edid + from + count, static_cast<size_t>(kLastDataByte + 1 - from - count));
    memset(edid + kLastDataByte + 1 - count, 0, static_cast<size_t>(count));
    if (count <= length)
        edid[header] = static_cast<Byte>((edid[header] & 0xE0) | (length - count));
    edid[kOffsetByte] = static_cast<Byte>(edid[kOffsetByte] - count);
    updateExtensionChecksum(edid);
    return true;
}

Bool EDIDDeleteFullCEABlock(Byte* edid, int tag, unsigned int extTag)
{
    const int header = findBlock(edid, tag, extTag);
    if (header < 0)
        return false;
    return EDIDDeleteCEABlock(edid, (edid[header] & 0x1F) + 1, tag, extTag);
}

Bool EDIDDeleteCEASubBlock(Byte* edid, int count, int tag, unsigned int extTag)
{
    return EDIDDeleteCEABlock(edid, count, tag, extTag);
}
