#ifndef EDIDCEA_H
#define EDIDCEA_H

// The CEA-861 extension block (bytes 128-255 of the 256-byte image).
//
//   128          tag 0x02
//   129          version
//   130          d: offset of the first detailed timing from byte 128 (4: no data block)
//   131          underscan, basic audio, YCbCr 4:4:4, YCbCr 4:2:2, native timing count
//   132..127+d   data block collection (header: tag in bits 7-5, length in bits 4-0)
//   128+d..      18-byte units ended by an all-zero one: detailed timings (bytes
//                0-1, the pixel clock, not both 0) and display descriptors
//   ..254        padding 0
//   255          checksum of bytes 128-255
//
// Every function that changes a byte of the extension recomputes byte 255,
// except EDIDGetEmplyExtentionBlock, whose caller fills the gap it opens.

#include "edidtypes.h"

// Most data blocks a collection can hold: 123 bytes (132-254) of one-byte blocks.
#define EDID_CEA_MAX_DATA_BLOCKS 123

// Byte 131.
typedef struct _EDID_CEA_SUPPORT_INFO {
    Bool underscan;     // bit 7
    Bool basicAudio;    // bit 6
    Bool ycbcr444;      // bit 5
    Bool ycbcr422;      // bit 4
    Word nativeCount;   // bits 3-0
} T_EDID_CEA_SUPPORT_INFO;

// One data block of the collection, or (in `dtds`) the detailed timing list.
typedef struct _EDID_CEA_DATA_BLOCK_INFO {
    uint32_t tag;       // header bits 7-5 (not set in `dtds`)
    // Data block: bytes after the header (extended tag included), cut so that
    // they end within the collection and at or before byte 254; never negative.
    // `dtds`: number of 18-byte detailed timings.
    int32_t length;
    Byte* payload;      // into the decoded image: the byte after the header, or the first timing
} T_EDID_CEA_DATA_BLOCK_INFO;

// The decoded extension.
typedef struct _EDID_CEA_EXTENSION_INFO {
    Bool present;       // byte 128 is 0x02
    Word version;       // byte 129
    _EDID_CEA_SUPPORT_INFO support;
    // Every data block in collection order; the entries after the last block
    // have tag 0 (all 123 are used only by a collection of 123 one-byte blocks).
    _EDID_CEA_DATA_BLOCK_INFO dataBlocks[EDID_CEA_MAX_DATA_BLOCKS];
    _EDID_CEA_DATA_BLOCK_INFO dtds;
} T_EDID_CEA_EXTENSION_INFO;

// --- Decoding -------------------------------------------------------------------

// Checks and decodes the extension. Result: 0 decoded; 1 byte 128 is not 0x02
// (only `present` = false is written); 2 decoded, but a padding byte after the
// timing area is not 0; 3 checksum wrong (nothing written).
int32_t EDIDGetExtensionInfo(const Byte* edid, _EDID_CEA_EXTENSION_INFO* info);

// Finds the first data block of `tag` (for tag 7: whose extended tag, the byte
// after the header, equals `extTag`). On success stores the address of its
// header byte through `header` and its offset from byte 132 through `offset`
// (either may be null); on failure leaves both untouched.
bool EDIDSearchBlockTypeLL(const unsigned char* edid, int tag, unsigned int extTag,
                           unsigned char** header, unsigned int* offset);

// Byte 131.
_EDID_CEA_SUPPORT_INFO EDIDGetCEASupportInfo(const Byte* edid);
// Fills the EDID_CEA_MAX_DATA_BLOCKS entries at `entries` as EDIDGetExtensionInfo does.
void EDIDGetCEADataBlockInfo(const Byte* edid, _EDID_CEA_DATA_BLOCK_INFO* entries);
// The 18-byte detailed timing at `dtd`.
_EDID_DETAILED_TIMING_BLOCK EDIDGetCEADetailedTiming(const Byte* dtd);
// Sets `length` and `payload` of *info to the detailed timing list (leaves
// `tag`); returns the bytes used by data blocks and timings.
int32_t EDIDGetCEADetTimingInfo(const Byte* edid, _EDID_CEA_DATA_BLOCK_INFO* info);
// Number of 18-byte units (detailed timings and display descriptors) from
// byte 128 + d, up to the first all-zero unit; none past byte 254 or when d
// is below 4. The detailed timing list ends at the first descriptor.
int32_t EDIDGetCEATimingUnitCount(const Byte* edid);
// Returns its argument.
Word EDIDGetCEAVendorSpecificBlock(Word value);

// --- Header writers ---------------------------------------------------------------

// Byte 128 = 0x02, byte 130 = 4; checksum.
void EDIDSetCEAHeaderTag(Byte* edid);
// Byte 129 = low byte of `version`; checksum.
void EDIDUpdateCEAVersion(int version, Byte* edid);
// Byte 131; checksum.
void EDIDUpdateMonitorSupport(_EDID_CEA_SUPPORT_INFO support, Byte* edid);
// Bytes 128-255 = 0 (a correct checksum); byte 126 is left to the caller.
void EDIDRemoveAllCEAData(Byte* edid);

// --- Block editing ---------------------------------------------------------------
// The data blocks and detailed timings may take 122 bytes, so that byte 254
// stays padding. Each `tag`/`extTag` pair selects the first matching block as
// EDIDSearchBlockTypeLL does. Functions returning Bool return false and change
// nothing when the block is missing or does not fit.

// The byte after the header of the first matching block (for tag 7 the
// extended tag byte); null when none.
Byte* EDIDSearchBlockType(Byte* edid, int tag, unsigned int extTag);
// The length bits of the first matching block; 0 when none.
uint32_t EDIDSearchBlockSize(const Byte* edid, int tag, unsigned int extTag);
// 122 - (d - 4) - 18 x the number of detailed timings; 0 when d is below 4.
int32_t EDIDGetCEANumberOfUnusedBytes(const Byte* edid);
// Opens `n` bytes at byte 132 (moving the collection and timings up, adding n
// to d) for the caller to fill; the checksum is not recomputed.
Bool EDIDGetEmplyExtentionBlock(Byte* edid, int n);
// Inserts an empty block at byte 132 (tag 7: with its extended tag).
Bool EDIDAddCEABlock(Byte* edid, int tag, unsigned int extTag);
// Opens `n` bytes at the end of the matching block and adds them to its length
// (false when the length would pass 31).
Bool EDIDAddCEASubBlock(Byte* edid, int n, int tag, unsigned int extTag);
// Copies `n` bytes over the matching block's payload (after the extended tag
// for tag 7), at most up to the block's end; returns the new checksum byte.
Byte EDIDUpdateCEABlock(const Byte* data, int n, Byte* edid, int tag, unsigned int extTag);
// Removes the last `count` bytes (at most length + 1, the header included) of
// the matching block; the bytes after it, up to byte 254, move down and the
// `count` bytes freed before the checksum become 0.
Bool EDIDDeleteCEABlock(Byte* edid, int count, int tag, unsigned int extTag);
// Removes the whole matching block.
Bool EDIDDeleteFullCEABlock(Byte* edid, int tag, unsigned int extTag);
// Same as EDIDDeleteCEABlock.
Bool EDIDDeleteCEASubBlock(Byte* edid, int count, int tag, unsigned int extTag);

#endif // EDIDCEA_H
