// SPDX-License-Identifier: MIT
// Code 93: the 43 native characters as one glyph each, every other ASCII character as a
// shift glyph and a letter, always closed by the check characters C and K; the Code93 entry.
#pragma once

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// "[" + data part + C + K + "]" + "|" (the termination bar).
const char* code93_encode(const char* data);

// What the Code93 font draws.
extern const bars::FontLayout kCode93Font;

}  // namespace varnel

namespace varnel::glyphmate {

void code93_handler(const Record& record, Outcome& out);

extern const Symbology kCode93;

}  // namespace varnel::glyphmate
