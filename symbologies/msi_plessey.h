// SPDX-License-Identifier: MIT
// MSI/Plessey: one glyph per digit and the modulo 10 check digit, always present; the rules
// of its entry.
#pragma once

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// "[" + digits + check digit + "]"; non-digits are dropped.
const char* encode_msi(const char* data);

// What the MSI font draws.
extern const bars::FontLayout kMsiFont;

}  // namespace varnel

namespace varnel::glyphmate {

void msi_handler(const Record& record, Outcome& out);

extern const Symbology kMsiPlessey;

}  // namespace varnel::glyphmate
