// SPDX-License-Identifier: MIT
// Code 39 in the plain form, with its modulo 43 check character, in its Full ASCII form
// (shift pairs) and for the Code 39 Extended font (one glyph per ASCII character); the
// rules of the Code39 and Code39 Extended entries.
#pragma once

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

// What the Code 39 handler accepts with Full ASCII off: the 43 native characters.
inline constexpr char kCode39AcceptedSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.$/+% ";

const char* code39_plain(const char* data);
const char* code39_with_check(const char* data);
const char* code39_full_ascii(const char* data);
const char* code39_extended(const char* data);

// What the Code39 and Code39Ext fonts draw.
extern const bars::FontLayout kCode39Font, kCode39ExtendedFont;

}  // namespace varnel

namespace varnel::glyphmate {

void code39_handler(const Record& record, Outcome& out);
void code39_extended_handler(const Record& record, Outcome& out);

extern const Symbology kCode39, kCode39Extended;

}  // namespace varnel::glyphmate
