#ifndef EDIDTYPES_H
#define EDIDTYPES_H

// Records of the E-EDID base block (structure version 1, revision 3 or 4) as the
// core decodes and writes them. Plain data, no Qt.
//
// Records are plain structs without unions: a payload field of a descriptor
// record that does not belong to its kind is simply zero, so an editor can read
// any field of any record without touching an inactive union member.

#include <stdint.h>

typedef unsigned char Byte;
typedef uint16_t Word;
typedef unsigned char Bool;   // one byte: the decoders store 0 or 1, the writers take any non-zero as set
typedef Byte u8;

// ---------------------------------------------------------------------------
// Aspect ratio code of timings.
typedef enum _FORMAT_ASP_RATIO : uint32_t {
    FORMAT_ASP_RATIO_5_4 = 0,
    FORMAT_ASP_RATIO_4_3 = 1,
    FORMAT_ASP_RATIO_16_10 = 2,
    FORMAT_ASP_RATIO_15_9 = 3,
    FORMAT_ASP_RATIO_16_9 = 4,
    FORMAT_ASP_RATIO_1_900 = 5,
    FORMAT_ASP_RATIO_2_334 = 6,
    FORMAT_ASP_RATIO_NONE = 7
} T_FORMAT_ASP_RATIO;

// Preferred vertical rate of a CVT 3-byte timing code.
typedef enum _EDID_VERTICAL_RATE : uint32_t {
    EDID_VERTICAL_RATE_50HZ = 0,
    EDID_VERTICAL_RATE_60HZ = 1,
    EDID_VERTICAL_RATE_75HZ = 2,
    EDID_VERTICAL_RATE_85HZ = 3
} T_EDID_VERTICAL_RATE;

// Kind of an 18-byte descriptor; also the index of the kind in the slot's kind selector.
typedef enum _EDID_DISPLAY_DESCRIPTORS : uint32_t {
    EDID_DESC_UNUSED = 0,              // tag 0x10 (and tags the core does not know, see _EDID_MONITOR_DESC::tag)
    EDID_DESC_DETAILED_TIMING = 1,     // bytes 0-1 not both 0
    EDID_DESC_SERIAL_NUMBER = 2,       // 0xFF
    EDID_DESC_DATA_STRING = 3,         // 0xFE
    EDID_DESC_RANGE_LIMITS = 4,        // 0xFD
    EDID_DESC_PRODUCT_NAME = 5,        // 0xFC
    EDID_DESC_COLOR_POINT = 6,         // 0xFB
    EDID_DESC_STANDARD_TIMINGS = 7,    // 0xFA
    EDID_DESC_COLOR_MANAGEMENT = 8,    // 0xF9 (revision 4)
    EDID_DESC_CVT_CODES = 9,           // 0xF8 (revision 4)
    EDID_DESC_ESTABLISHED_TIMINGS3 = 10 // 0xF7 (revision 4)
} T_EDID_DISPLAY_DESCRIPTORS;

// ---------------------------------------------------------------------------
// Bytes 8-17: manufacturer and product identification.
typedef struct _EDID_VENDOR_PRODUCT_ID {
    char manufacturer[4];   // three letters (0x40 + 5-bit code each) and NUL
    char productCode[5];    // "%04X" of bytes 10-11 (little-endian) and NUL
    char serialNumber[14];  // unsigned decimal of bytes 12-15 (little-endian) and NUL
    Word year;              // byte 17 + 1990
    Word week;              // byte 16
    Bool modelYear;         // byte 16 == 255
} T_EDID_VENDOR_PRODUCT_ID;

// Bytes 18-19.
typedef struct _EDID_VERSION_REVISION {
    Word version;
    Word revision;
} T_EDID_VERSION_REVISION;

// Byte 20. Analog layout: levelOrDepth (signal level 0-3), blankSetup,
// separateSync, compositeSync, syncOnGreen, serration. Digital layout:
// levelOrDepth (bits 6-4: colour depth code, 7 reserved), interface (bits 3-0:
// interface code, 6-15 reserved), dfp (bit 0). Below revision 4 bits 6-1 are
// reserved and held in levelOrDepth and interface all the same. The fields of
// the layout not in use are 0, except that serration and dfp both hold bit 0.
typedef struct _EDID_VIDEO_INPUT_DEF {
    Bool analog;
    uint32_t levelOrDepth;
    Bool blankSetup;
    uint32_t interface;
    Bool separateSync;
    Bool compositeSync;
    Bool syncOnGreen;
    Bool serration;
    Bool dfp;
} T_EDID_VIDEO_INPUT_DEF;

// Bytes 21-22.
typedef struct _EDID_SCREEN_SIZE_RATIO {
    uint32_t kind;          // 0 size in cm, 1 landscape ratio, 2 portrait ratio
    Word hSizeOrRatio;      // kind 0: cm; kinds 1 and 2: ratio x 100
    Word vSize;             // kind 0: cm; else 0
} T_EDID_SCREEN_SIZE_RATIO;

// Byte 24.
typedef struct _EDID_FEATURE_SUPPORT {
    Bool standby;
    Bool suspend;
    Bool activeOff;
    int32_t kind;           // 0 analog colour type, 1 digital colour encodings (revision 4), -1 digital otherwise
    int32_t value;          // colour type or encodings code (see the decoder)
    Bool sRGB;
    Bool continuousFrequency;
    Bool preferredTimingMode;
} T_EDID_FEATURE_SUPPORT;

// Bytes 20-24.
typedef struct _EDID_DISPLAY_PARAMETERS {
    _EDID_VIDEO_INPUT_DEF videoInput;
    _EDID_SCREEN_SIZE_RATIO screenSize;
    Word gamma;             // gamma x 100, 100 to 355
    _EDID_FEATURE_SUPPORT featureSupport;
} T_EDID_DISPLAY_PARAMETERS;

// Bytes 25-34: 10-bit chromaticity codes (coordinate x 1024).
typedef struct _EDID_COLOR_CHARACTERISTICS {
    Word redX;
    Word redY;
    Word greenX;
    Word greenY;
    Word blueX;
    Word blueY;
    Word whiteX;
    Word whiteY;
} T_EDID_COLOR_CHARACTERISTICS;

// Bytes 35-37: entries 0-7 byte 35 bits 7-0, 8 unused, 9-16 byte 36 bits 7-0,
// 17 unused, 18 byte 37 bit 7.
typedef struct _EDID_ESTABLISHED_TIMINGS {
    Bool timings[19];
} T_EDID_ESTABLISHED_TIMINGS;

// One 2-byte standard timing (base block bytes 38-53, or a 0xFA descriptor item).
typedef struct _EDID_STANDARD_TIMINGS_ITEM {
    Bool enabled;           // false only for the pair 01 01
    Word hActive;           // first byte x 8 + 248
    _FORMAT_ASP_RATIO aspect;
    Word refresh;           // Hz
} T_EDID_STANDARD_TIMINGS_ITEM;

// ---------------------------------------------------------------------------
// One 18-byte detailed timing.
typedef struct _EDID_DETAILED_TIMING_BLOCK {
    Word hImageSize;        // mm
    Word hBorder;           // pixels
    Word vImageSize;        // mm
    Word vBorder;           // lines
    Bool interlaced;
    uint64_t pixelClock;    // units of 10 kHz
    Word hTotal;            // informative: hActive + horizontal blanking
    Word vTotal;            // informative: vActive + vertical blanking
    Bool vSyncFlag;
    Word vSyncWidth;
    Word vBackPorch;
    Word vActive;
    Word vFrontPorch;
    Bool hSyncFlag;
    Word hSyncWidth;
    Word hBackPorch;
    Word hActive;
    Word hFrontPorch;
    _FORMAT_ASP_RATIO aspect;   // informative
    uint32_t scan;          // informative: 3 interlaced, 0 progressive
    uint32_t stereo;        // 0-7
    uint32_t syncType;      // 0-3
} T_EDID_DETAILED_TIMING_BLOCK;

// Text of a serial number, data string or product name descriptor.
typedef struct _EDID_STRING_DATA {
    char text[14];          // up to 13 characters and NUL
} T_EDID_STRING_DATA;

typedef struct _EDID_GTF_SECONDARY_CURVE {
    Word startFrequency;    // d12 as stored
    Word c;                 // C x 2
    Word m;
    Word k;
    Word j;                 // J x 2
} T_EDID_GTF_SECONDARY_CURVE;

typedef struct _EDID_CVT_SUPPORT_INFO {
    Word version;
    Word revision;
    Word pixelClockPrecision;
    Word maxActivePixels;   // pixels, a multiple of 8
    Bool supports5x4;
    Bool supports4x3;
    Bool supports16x10;
    Bool supports15x9;
    Bool supports16x9;
    int32_t preferredAspect;    // _FORMAT_ASP_RATIO 0-4
    Bool standardBlanking;
    Bool reducedBlanking;
    Bool hShrink;
    Bool hStretch;
    Bool vShrink;
    Bool vStretch;
    Word preferredRefresh;  // Hz
} T_EDID_CVT_SUPPORT_INFO;

// Tag 0xFD. The rates include the revision-4 offsets of d4 (up to 510).
typedef struct _EDID_RANGE_LIMITS {
    Word minVRate;          // Hz
    Word maxVRate;          // Hz
    Word minHRate;          // kHz
    Word maxHRate;          // kHz
    Word maxPixelClock;     // MHz
    int32_t timingSupport;  // 0 default GTF, 1 secondary GTF, 2 range limits only, 3 CVT
    _EDID_GTF_SECONDARY_CURVE gtf;  // timingSupport 1, else all 0
    _EDID_CVT_SUPPORT_INFO cvt;     // timingSupport 3, else all 0
} T_EDID_RANGE_LIMITS;

// Tag 0xFB.
typedef struct _EDID_COLOR_POINT_DATA {
    Word index1;
    Word x1;
    Word y1;
    Word gamma1;            // gamma x 100
    Word index2;
    Word x2;
    Word y2;
    Word gamma2;
} T_EDID_COLOR_POINT_DATA;

// Tag 0xF9.
typedef struct _EDID_DISPLAY_COLOR_MANAGEMENT {
    Word redA3;
    Word redA2;
    Word greenA3;
    Word greenA2;
    Word blueA3;
    Word blueA2;
} T_EDID_DISPLAY_COLOR_MANAGEMENT;

// One of the four codes of tag 0xF8.
typedef struct _EDID_CVT_TIMING_CODE {
    Word vActiveLines;
    _FORMAT_ASP_RATIO aspect;
    _EDID_VERTICAL_RATE preferredRate;
    Bool supported[5];      // 50 Hz, 60 Hz, 75 Hz, 85 Hz, 60 Hz reduced blanking
} T_EDID_CVT_TIMING_CODE;

// Tag 0xF7: flag k is bit 7 - (k mod 8) of d(6 + k / 8).
typedef struct _EDID_ESTABLISHED_TIMINGS3 {
    Bool timings[44];
} T_EDID_ESTABLISHED_TIMINGS3;

// One decoded 18-byte descriptor. Only the payload of `type` carries values;
// every other payload field is 0.
typedef struct _EDID_MONITOR_DESC {
    _EDID_DISPLAY_DESCRIPTORS type;
    _EDID_DETAILED_TIMING_BLOCK detailedTiming;            // type 1
    uint32_t kind;                                          // set by the editors, not by the decoder
    _EDID_STRING_DATA text;                                 // types 2, 3, 5
    _EDID_RANGE_LIMITS rangeLimits;                         // type 4
    _EDID_COLOR_POINT_DATA colorPoint;                      // type 6
    _EDID_STANDARD_TIMINGS_ITEM standardTimings[6];         // type 7
    _EDID_DISPLAY_COLOR_MANAGEMENT colorManagement;         // type 8
    _EDID_CVT_TIMING_CODE cvtCodes[4];                      // type 9
    _EDID_ESTABLISHED_TIMINGS3 established3;                // type 10
    // The raw tag byte d3 of a display descriptor (0 for a detailed timing).
    // A descriptor whose tag the core does not know (manufacturer tags
    // 0x00-0x0F, reserved 0x11-0xF6) decodes to type 0 with its own tag
    // here, so that its slot can show it as such and keep its 18 bytes.
    Byte tag;
} T_EDID_MONITOR_DESC;

// ---------------------------------------------------------------------------
// The whole decoded base block.
typedef struct _EDID_MANDATORY_INFO {
    _EDID_VENDOR_PRODUCT_ID vendor;
    _EDID_VERSION_REVISION version;
    _EDID_DISPLAY_PARAMETERS displayParameters;
    _EDID_COLOR_CHARACTERISTICS colors;
    _EDID_ESTABLISHED_TIMINGS established;
    _EDID_STANDARD_TIMINGS_ITEM standard[8];
    _EDID_MONITOR_DESC descriptors[4];
    Word extensionCount;
} T_EDID_MANDATORY_INFO;

#endif // EDIDTYPES_H
