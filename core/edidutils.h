#ifndef EDIDUTILS_H
#define EDIDUTILS_H

// Number, text and timing-format helpers. Text helpers write NUL-terminated
// strings into buffers the caller owns and sizes; hexadecimal digits are upper
// case. Functions that "return the end" return a pointer to the NUL written.

#include <stddef.h>
#include "edidtypes.h"

// --- Timing formats ---------------------------------------------------------

// Ratio x 1000 of each _FORMAT_ASP_RATIO code (4:3 is 1334); 0 for code 7.
extern const Word FormatAspectRatioTable[8];
// Normalized field rates in mHz, ascending, ending with 0.
extern const uint64_t FormatNormalizedRateTable[17];

// Aspect-ratio code of an active size: the first code whose table value lies
// within 25 of round(h x 1000 / v); FORMAT_ASP_RATIO_NONE when none or v is 0.
_FORMAT_ASP_RATIO FormatGetAspectRatio(Word h, Word v);
// Table value of a code; 0 outside 0-7.
Word FormatGetAspectRatioValue(_FORMAT_ASP_RATIO code);
Bool FormatIsInterlaced(int32_t scan);
// Pixel frequency in Hz of a field rate in mHz, halved when interlaced.
uint64_t FormatComputeFreqPixel(uint64_t fieldRate, uint32_t hTotal, uint32_t vTotal, Bool interlaced);
// Line frequency in Hz of a field rate in mHz, halved when interlaced.
uint64_t FormatComputeFreqLine(uint64_t fieldRate, uint32_t vTotal, Bool interlaced);
// Index 0-15 of the nearest normalized rate (a midpoint goes to the higher one).
uint32_t FormatGetClosestNormalizeRate(uint64_t fieldRate);
// Table value of index 0-16; 0 for any larger index.
uint64_t FormatFieldRateName2Value(uint32_t index);

// --- Numbers and text -------------------------------------------------------

// '0'-'9' -> 0-9, 'a'-'f' / 'A'-'F' -> 10-15, anything else -> 0.
Byte UtilsHex2Int(char c);
// Hexadecimal digit of v mod 16.
char UtilsChar2Hex(int32_t v);
char* UtilsByte2Hex(Byte b, char* buf);
char* UtilsWord2Hex(Word w, char* buf);
char* UtilsDWord2Hex(uint32_t d, char* buf);
// Two digits per byte, no separator; returns the end.
char* UtilsTab2Hex(const Byte* src, char* buf, uint32_t n);
// Decimal, right-aligned with spaces to `width`; returns dest.
char* UtilsDWordToStr(uint32_t value, char* dest, Byte width);
char* UtilsWord2Str(Word value, char* buf);
// isSigned: the value is a signed 16-bit number; zeroBrackets: 0 is "<0>".
char* UtilsIntToStr(Word value, char* buf, Bool isSigned, Bool zeroBrackets);
// Rounded percentage and "%"; a whole of 0 gives "0%".
char* UtilsWordToPercent(Word part, Word whole, char* buf);
// At most `max` characters of src, then NUL; returns the end.
char* UtilsStrConcat(const char* src, char* dest, Byte max);
// Centres text in width (leading spaces only); false when it does not fit.
Bool UtilsStrCentered(const char* text, char* dest, uint32_t width);
void UtilsMemsetByte(Byte* dst, Byte value, size_t count);
void UtilsMemsetWord(Word* dst, Word value, size_t count);
void UtilsMemsetDWord(uint64_t* dst, uint64_t value, size_t count);
Word UtilsSwapWord(Word w);
Bool UtilsInRangeU(uint64_t v, uint64_t lo, uint64_t hi);
Bool UtilsInRangeS(int64_t v, int64_t lo, int64_t hi);
Bool UtilsIsOdd(int64_t v);
Bool UtilsIsEven(int64_t v);
Byte UtilsClampAddByte(Byte a, Byte b, Byte min, Byte max);
Word UtilsClampAddWord(Word a, Word b, Word min, Word max);
int64_t UtilsClampAddDWord(int64_t a, int64_t b, int64_t min, int64_t max);
// Halves away from zero.
float UtilsRound(float x);
int64_t UtilsFastFloat32ToFixedReal32(uint32_t fractionBits, float x);
// a x b / c with little intermediate overflow; 0 when c is 0.
uint64_t UtilsAccurateCrossProduct(uint64_t a, uint64_t b, uint64_t c);
// Greatest common divisor; when either is 0 the other.
uint64_t UtilsGetPGDC(uint64_t a, uint64_t b);

#endif // EDIDUTILS_H
