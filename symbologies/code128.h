// SPDX-License-Identifier: MIT
// Code 128 in fixed code set A, B or C, and Auto, which chooses and changes code sets
// itself, and the rules of the four entries. Every symbol value 0 to 105 has one glyph of
// its own in the Code 128 fonts.
#pragma once

#include <array>
#include <cstddef>

#include "encoding/primitives.h"

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

enum class Code128Set { A, B, C };

// The value of an ASCII byte in set A or B, or -1 where the set lacks it (set C and
// function bytes have none).
constexpr int code128_value(Code128Set set, unsigned char x) {
    if (set == Code128Set::A) return x < 0x20 ? x + 64 : x < 0x60 ? x - 0x20 : -1;
    if (set == Code128Set::B) return x >= 0x20 && x < 0x80 ? x - 0x20 : -1;
    return -1;
}
constexpr int code128_start(Code128Set set) {
    return set == Code128Set::A ? kCode128StartA : set == Code128Set::B ? kCode128StartB : kCode128StartC;
}
constexpr int code128_change_to(Code128Set set) {
    return set == Code128Set::A ? kCode128CodeA : set == Code128Set::B ? kCode128CodeB : kCode128CodeC;
}

// Writes one symbol: the start, the data glyphs with their mod-103 check sum, then check,
// stop and closing glyphs. Each put is one unit (a symbol character, or a code change with
// the character it is for) that is written whole or, at the length limit, not at all:
// then the symbol takes no more data.
class Code128Writer {
public:
    explicit Code128Writer(int start_value) : start_(start_value), sum_(start_value) {}

    bool truncated() const { return truncated_; }
    bool fits(std::size_t glyphs) const { return !truncated_ && size_ + glyphs <= kRoomData; }

    bool put(int value) { return put_unit({value, 0}, 1); }
    bool put(int first, int second) { return put_unit({first, second}, 2); }

    // The whole symbol, through the result buffer.
    const char* finish() const;

private:
    // Room for the data glyphs once start, check, stop and closing glyphs are counted.
    static constexpr std::size_t kRoomData = kMaxConverted - 4;

    // Inline: it is the inner loop of every Code 128 encoder.
    bool put_unit(std::array<int, 2> values, std::size_t count) {
        if (truncated_) return false;
        if (size_ + count > kRoomData) {
            truncated_ = true;
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            glyphs_[size_++] = code128_glyphs[static_cast<std::size_t>(values[i])];
            sum_ += static_cast<int>(size_) * values[i];  // weights 1, 2, ... by position
        }
        return true;
    }

    int start_;
    int sum_;
    std::size_t size_ = 0;
    bool truncated_ = false;
    char glyphs_[kRoomData];
};

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
