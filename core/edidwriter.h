#ifndef EDIDWRITER_H
#define EDIDWRITER_H

// Writers of the E-EDID base block (bytes 0-127 of the 256-byte image).
//
// Each writer encodes one decoded section record back into the working image
// and then recomputes the base-block checksum (byte 127), so that bytes 0-127
// sum to 0 modulo 256 after every call; EDIDSetHeader is the one exception.
// Writers validate nothing: every value is cut to the width of its field and
// an unknown code gives the field's zero code. A descriptor slot (0-3),
// standard timing slot (1-8), item (0-5) or code (0-3) outside its range makes
// the writer write nothing. Records are passed by value and never changed.
// The argument order (image first or record first) differs between writers.

#include "edidtypes.h"

// --- Base-block sections -------------------------------------------------------

// Bytes 8-17: manufacturer letters, product code ("%04X" text), serial number
// (unsigned decimal text, 0 to 4294967295), week (byte 16) and year - 1990.
void EDIDUpdateVendorProductID(Byte* edid, _EDID_VENDOR_PRODUCT_ID vendor);
// Bytes 18-19; also sets EDIDCurrentRevision to the revision written.
void EDIDUpdateVersionRevision(_EDID_VERSION_REVISION version, Byte* edid);
// Byte 20, coded by the rules of EDIDCurrentRevision for a digital input.
void EDIDUpdateVideoInputDef(_EDID_VIDEO_INPUT_DEF input, Byte* edid);
// Bytes 21-22: size in cm, landscape ratio or portrait ratio (ratio x 100).
void EDIDUpdateScreenSizeRatio(_EDID_SCREEN_SIZE_RATIO size, Byte* edid);
// Byte 23 from gamma x 100 (2.20 is 220).
void EDIDUpdateGamma(int gamma, Byte* edid);
// Byte 24. Bits 4-3 follow `kind` and `value`; a record of kind -1 (a digital
// input outside revision 4, whose bits 4-3 are not decoded) keeps them.
void EDIDUpdateFeatureSupport(_EDID_FEATURE_SUPPORT feature, Byte* edid);
// Bytes 20-24: the four writers above in turn.
void EDIDUpdateDisplayParameters(Byte* edid, _EDID_DISPLAY_PARAMETERS params);
// Bytes 25-34.
void EDIDUpdateColorCharact(_EDID_COLOR_CHARACTERISTICS colors, Byte* edid);
// Bytes 35-36 and bit 7 of byte 37 (bits 6-0 of byte 37 are kept).
void EDIDUpdateEstablishedTimings(Byte* edid, _EDID_ESTABLISHED_TIMINGS timings);
// The two bytes of standard timing slot 1-8 (bytes 36 + 2 x slot, 37 + 2 x slot).
void EDIDUpdateStandardTimingItem(_EDID_STANDARD_TIMINGS_ITEM item, Byte* edid, int slot);
// The 18 bytes of descriptor slot 0-3 as a detailed timing; the blankings are
// front porch + sync width + back porch.
void EDIDUpdateDetailedTiming(Byte* edid, int index, _EDID_DETAILED_TIMING_BLOCK timing);
// Byte 126.
void EDIDSetExtensionBlockCount(int count, Byte* edid);
// Bytes 0-7 = 00 FF FF FF FF FF FF 00; byte 127 is left as it is.
void EDIDSetHeader(Byte* edid);
// Bytes 8-125 from a whole decoded base block (not the header, not byte 126);
// sets EDIDCurrentRevision. Always returns true.
Bool EDIDUpdateMandatoryInfo(const _EDID_MANDATORY_INFO* info, Byte* edid);

// --- Display descriptors (slot `index` 0-3, bytes 54 + 18 x index onwards) -----

// Serial number (type 2), data string (3) or product name (5): 00 00 00 tag 00
// and the first 13 bytes of desc.text, already laid out by the caller (the
// characters, 0x0A when fewer than 13, then spaces). Another type keeps d3.
void EDIDUpdateStringDataBlock(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// Range limits (0xFD). At revision 4 rates of 256-510 are written as rate - 255
// with the offset flags of d4 (a minimum only together with its maximum); at
// any other revision d4 is 0 and rates keep their low 8 bits. Default GTF and
// range-limits-only descriptors end with 0A 20 20 20 20 20 20.
void EDIDUpdateRangeLimits(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// Colour point (0xFB), both white points.
void EDIDUpdateColorPointData(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// Standard timing identifiers (0xFA): d0-d4, item `item` (0-5) and d17.
void EDIDUpdateExtraStandardTimingItem(Byte* edid, int index, int item, _EDID_MONITOR_DESC desc);
// Colour management (0xF9).
void EDIDUpdateDisplayColorManagement(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// CVT timing codes (0xF8): d0-d5 and the three bytes of code `code` (0-3).
void EDIDUpdateCVTTimingCode(Byte* edid, int index, int code, _EDID_MONITOR_DESC desc);
// CVT timing codes (0xF8): all four codes.
void EDIDUpdateCVTTimings(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// Established timings III (0xF7).
void EDIDUpdateEstablishedTimingsBlock(Byte* edid, int index, _EDID_MONITOR_DESC desc);
// Unused descriptor: 00 00 00 10 00 and 13 bytes 00.
void EDIDUpdateUnusedDescriptor(Byte* edid, int index);
// Dispatch on desc.type: a detailed timing (1) is written whole; the display
// descriptor kinds 0 and 2-10 write only their tag d3 (kind 0 keeps a
// manufacturer-defined or reserved tag held in desc.tag); above 10 nothing.
void EDIDUpdateMonitorDescriptor(Byte* edid, int index, _EDID_MONITOR_DESC desc);

#endif // EDIDWRITER_H
