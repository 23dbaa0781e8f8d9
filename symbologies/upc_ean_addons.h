// SPDX-License-Identifier: MIT
// The 2- and 5-digit add-on supplements of UPC and EAN, written in the same font as the
// main symbol.
#pragma once

#include "encoding/primitives.h"
#include "symbologies/bars.h"

namespace varnel {

inline constexpr int kOddParity = 1, kEvenParity = 0;

// The glyph of a digit value 0 to 9 in odd (1) or even (0) parity; 0xFF for anything else.
char addon_glyph(int digit, int parity);

// Exactly 2 (or 5) digits to the add-on text in out: 1, or 0 with out untouched when the
// input is not that many digits.
int addon2_encode(const char* digits, WorkBuffer& out);
int addon5_encode(const char* digits, WorkBuffer& out);

// The add-on for the digits of the supplement text (other characters dropped): 4 or 10
// characters for 2 or 5 digits, else the empty string.
const char* addon_encode(const char* supplement);

// Puts the add-on's guard, delineator and digit glyphs into the UPC/EAN font: the digits
// draw the odd and even patterns given, by digit value.
void draw_addon_glyphs(bars::FontLayout& font, const std::array<bars::GlyphDrawing, 10>& odd,
                       const std::array<bars::GlyphDrawing, 10>& even);

}  // namespace varnel
