#ifndef EDIDDECODE_H
#define EDIDDECODE_H

// Decoding of the E-EDID base block. Every function takes the 256-byte image
// and only reads it; every record returned is fully initialised.

#include "edidtypes.h"

// The core's revision: byte 19 of the image last decoded by EDIDGetMandatoryInfo
// or EDIDGetVersionRevision, or the revision last written by the version
// writers. 3 at start. The video input decoding uses its revision-3 rules only
// when it is 3; feature support, range limits and the video input writer use
// their revision-4 rules only when it is 4.
extern uint32_t EDIDCurrentRevision;

// --- Base block -------------------------------------------------------------

// Checks the header and the base-block checksum, then decodes bytes 8-126 into
// *info and stores byte 19 as the current revision. On a bad header or checksum
// returns false and changes neither *info nor the current revision.
Bool EDIDGetMandatoryInfo(const Byte* edid, _EDID_MANDATORY_INFO* info);

_EDID_VENDOR_PRODUCT_ID EDIDGetVendorProductID(const Byte* edid);
// Also stores byte 19 as the current revision.
_EDID_VERSION_REVISION EDIDGetVersionRevision(const Byte* edid);
_EDID_VIDEO_INPUT_DEF EDIDGetVideoInputDef(const Byte* edid);
_EDID_SCREEN_SIZE_RATIO EDIDGetScreenSizeRatio(const Byte* edid);
// `analog` is the `analog` field of the decoded byte 20.
_EDID_FEATURE_SUPPORT EDIDGetFeatureSupport(const Byte* edid, Bool analog);
_EDID_DISPLAY_PARAMETERS EDIDGetDisplayParameters(const Byte* edid);
_EDID_COLOR_CHARACTERISTICS EDIDGetColorCharacteristics(const Byte* edid);
_EDID_ESTABLISHED_TIMINGS EDIDGetEstablishedTimings(const Byte* edid);
Byte EDIDGetExtensionBlockCount(const Byte* edid);

// Decodes one 2-byte standard timing (b0, b1): unused only for 01 01.
_EDID_STANDARD_TIMINGS_ITEM EDIDGetStandardTimingItem(Byte b0, Byte b1);

// --- 18-byte descriptors ------------------------------------------------------
// `index` is the descriptor slot 0-3 (bytes 54 + 18 x index to 71 + 18 x index).
// An index outside 0-3 reads nothing and gives an all-zero record.

_EDID_MONITOR_DESC EDIDGet18ByteInfo(const Byte* edid, int32_t index);
_EDID_DETAILED_TIMING_BLOCK EDIDGetDetailedTiming(const Byte* edid, int32_t index);
_EDID_RANGE_LIMITS EDIDGetRangeLimits(const Byte* edid, int32_t index);
_EDID_GTF_SECONDARY_CURVE EDIDGetGTFSecondaryCurve(const Byte* edid, int32_t index);
_EDID_CVT_SUPPORT_INFO EDIDGetCVTSupportInfo(const Byte* edid, int32_t index);
// White point `point` (0 or 1): out[0] index number, out[1] x, out[2] y, out[3] gamma x 100.
void EDIDGetColorPointData(const Byte* edid, int32_t index, int32_t point, Word out[4]);
_EDID_DISPLAY_COLOR_MANAGEMENT EDIDGetDisplayColorMana(const Byte* edid, int32_t index);
// `code` 0-3; outside that range an all-zero record.
_EDID_CVT_TIMING_CODE EDIDGetCVTTimingCode(const Byte* edid, int32_t index, int32_t code);
// Fills the 44 flags at `flags`.
void EDIDGetEstablishedTimings3(const Byte* edid, int32_t index, Bool* flags);
// d5 onwards up to the first NUL byte, at most 12 characters (0x0A is kept).
_EDID_STRING_DATA EDIDGetDisplayBlock(const Byte* edid, int32_t index);

// Decodes the 18 bytes at `d` as a detailed timing; shared by the base block and
// the extension's timings.
_EDID_DETAILED_TIMING_BLOCK EDIDDecodeDetailedTiming(const Byte* d);

#endif // EDIDDECODE_H
