// SPDX-License-Identifier: MIT
// Codabar (fixed start "A", stop "B", no check character) and Code 11 (check digit C, and K
// for longer data), and the rules of their entries.
#pragma once

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// The Codabar data characters: what the encoder writes is what the handler accepts.
inline constexpr char kCodabarSet[] = "0123456789-$:/.+";
// The Code 11 data characters, in the order of their values ("-" counts 10).
inline constexpr char kCode11Set[] = "0123456789-";

// "A" + data part + "B".
const char* codabar_encode(const char* data);
// "[" + data part + C + (K when the data part has 11 or more characters) + "]".
const char* code11_encode(const char* data);

// What the Codabar and Code11 fonts draw.
extern const bars::FontLayout kCodabarFont, kCode11Font;

}  // namespace varnel

namespace varnel::glyphmate {

void codabar_handler(const Record& record, Outcome& out);
void code11_handler(const Record& record, Outcome& out);

extern const Symbology kCodabar, kCode11;

}  // namespace varnel::glyphmate
