// SPDX-License-Identifier: MIT
// Code 128 in fixed code set A, B or C, and Auto, which chooses and changes code sets
// itself, and the rules of the four entries. Every symbol value 0 to 105 has one glyph of
// its own in the Code 128 fonts.
#pragma once

#include <array>

#include "symbologies/bars.h"
#include "symbologies/symbology.h"

namespace varnel {

inline constexpr int kCode128Values = 106;

// The font character that draws each symbol value.
inline constexpr std::array<char, kCode128Values> code128_glyphs = [] {
    std::array<char, kCode128Values> glyphs{};
    for (int v = 0; v < kCode128Values; ++v) {
        const int glyph = v == 0 ? 0xCC : v <= 94 ? v + 0x20 : v + 0x61;
        glyphs[static_cast<std::size_t>(v)] = static_cast<char>(glyph);
    }
    return glyphs;
}();

inline constexpr int kCode128CodeC = 99, kCode128CodeB = 100, kCode128CodeA = 101, kCode128Fnc1 = 102;
inline constexpr int kCode128StartA = 103, kCode128StartB = 104, kCode128StartC = 105;
inline constexpr unsigned char kCode128Stop = 0xCB, kCode128Closing = 0xCD;

const char* encode_code128a(const char* data);
const char* encode_code128b(const char* data);
const char* encode_code128c(const char* data);
const char* encode_code128auto(const char* data);

// What the Code128A (also for Auto and GS1-128), Code128B and Code128C fonts draw.
extern const bars::FontLayout kCode128AFont, kCode128BFont, kCode128CFont;

}  // namespace varnel

namespace varnel::glyphmate {

// Code128A (variant 0), Code128B (1), Code128C (2) and Code128Auto (3).
void code128_handler(const Record& record, Outcome& out);

extern const Symbology kCode128A, kCode128B, kCode128C, kCode128Auto;

}  // namespace varnel::glyphmate
