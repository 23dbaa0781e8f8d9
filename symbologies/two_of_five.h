// SPDX-License-Identifier: MIT
// Code 25 (standard 2 of 5, one glyph per digit) and Interleaved 2 of 5 (one glyph per pair
// of digits), each without and with the modulo 10 check digit; the rules of both entries.
// Non-digits are dropped.
#pragma once

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// "[" + digits + "]".
const char* encode_code25(const char* data);
// "[" + digits + check digit + "]".
const char* encode_code25_check(const char* data);
// 0xCA + pair glyphs + 0xCB; an odd number of digits gets a leading "0".
const char* encode_itf25(const char* data);
// 0xCA + pair glyphs of the digits and the check digit + 0xCB; a leading "0" makes the
// count even when the digits alone are even in number.
const char* encode_itf25_check(const char* data);

// What the Code25 and ITF25 fonts draw.
extern const bars::FontLayout kCode25Font, kItf25Font;

}  // namespace varnel

namespace varnel::glyphmate {

void code25_handler(const Record& record, Outcome& out);
void itf25_handler(const Record& record, Outcome& out);

extern const Symbology kCode25, kInterleaved2of5;

}  // namespace varnel::glyphmate
