// Reads a Code 128 converted string back as a scanner would: glyphs to symbol values,
// the modulo 103 check, and the data under the code sets the symbol itself selects.
#pragma once

#include <string>
#include <string_view>

#include "symbologies/code128.h"

namespace test {

struct Code128Reading {
    std::string error;  // empty when the symbol is well formed
    std::string data;   // the characters carried; FNC1..FNC4 as the glyphs 0xC7, 0xC2, 0xC1, 0xC6
    std::string sets;   // the code set at the start and after every change, e.g. "BCB"
    int symbols = 0;    // data symbols between start and check, code changes included
};

// The value a glyph draws, or -1.
inline int code128_value(char glyph) {
    for (int v = 0; v < varnel::kCode128Values; ++v)
        if (varnel::code128_glyphs[static_cast<std::size_t>(v)] == glyph) return v;
    return -1;
}

inline Code128Reading read_code128(std::string_view s) {
    Code128Reading r;
    auto fail = [&r](std::string why) {
        r.error = std::move(why);
        return r;
    };
    if (s.size() < 4 || s.size() > 255) return fail("length " + std::to_string(s.size()));
    if (s.substr(s.size() - 2) != "\xCB\xCD") return fail("no stop and closing glyph");
    const int start = code128_value(s[0]);
    if (start < varnel::kCode128StartA) return fail("no start glyph");
    char set = static_cast<char>('A' + (start - varnel::kCode128StartA));
    r.sets = set;

    const std::string_view body = s.substr(1, s.size() - 4);
    int sum = start;
    for (std::size_t k = 0; k < body.size(); ++k) {
        const int v = code128_value(body[k]);
        if (v < 0 || v > varnel::kCode128Fnc1) return fail("no data value at " + std::to_string(k + 1));
        sum += static_cast<int>(k + 1) * v;
        ++r.symbols;
        auto change = [&](char to) { set = to, r.sets += to; };
        if (set == 'C') {
            if (v < 100) r.data += std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
            else if (v == varnel::kCode128CodeB) change('B');
            else if (v == varnel::kCode128CodeA) change('A');
            else r.data += '\xC7';
            continue;
        }
        const int plain = set == 'A' ? 64 : 96;  // values below are characters
        const int fnc4 = set == 'A' ? varnel::kCode128CodeA : varnel::kCode128CodeB;
        if (set == 'A' && v == 64) return fail("NUL in set A");
        if (v < plain) r.data += static_cast<char>(0x20 + v);
        else if (set == 'A' && v < 96) r.data += static_cast<char>(v - 64);
        else if (v == 96) r.data += '\xC1';
        else if (v == 97) r.data += '\xC2';
        else if (v == 98) return fail("SHIFT at " + std::to_string(k + 1));
        else if (v == varnel::kCode128CodeC) change('C');
        else if (v == varnel::kCode128Fnc1) r.data += '\xC7';
        else if (v == fnc4) r.data += '\xC6';
        else change(set == 'A' ? 'B' : 'A');  // CODE B in set A, CODE A in set B
    }
    if (code128_value(s[s.size() - 3]) != sum % 103) return fail("check value is not " + std::to_string(sum % 103));
    return r;
}

}  // namespace test
