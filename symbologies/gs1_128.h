// SPDX-License-Identifier: MIT
// GS1-128: GS1 element strings in a Code 128 symbol, drawn with the Code 128 font.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "symbologies/symbology.h"

namespace varnel {

inline constexpr std::string_view kGs1Notes =
    "GS1-128 carries GS1 element strings: type each AI in parentheses and its data after it, "
    "e.g. (01)09501101530003(17)251231(10)AB12, or in square brackets, [01]09501101530003[17]251231. "
    "Write \\( and \\) for a parenthesis inside the data. Each AI's length, characters, check digit, "
    "dates and pairings are checked. The check character is always added. Underlying Text is off: "
    "print the human-readable text, AIs in parentheses, under the bars yourself.";

struct Gs1Encoded {
    std::string converted;       // the glyphs; empty when the data has a fault
    std::string human_readable;  // "(01)09501101530003(17)251231" for the elements encoded
    std::string status;          // "" or the first fault, or the length message
    bool truncated = false;      // the last elements did not fit in 255 characters
};

// Parses and checks data, then encodes it: start, FNC1, the elements in the order typed with
// FNC1 after each one of variable length but the last, the mod-103 check, stop and closing
// glyph. Data with a fault gives no symbol, only its status. Elements that would take the
// symbol past 255 characters are left out whole, last first, with the length status.
void encode_gs1_128(std::string_view data, Gs1Encoded& out);

namespace gs1 {

// The Code 128 values after the start for the bytes of an element string, where 0xC7 stands
// for FNC1, with the start value first: the fewest symbol characters over sets A, B and C.
std::vector<int> plan_code128(std::string_view text);

}  // namespace gs1

}  // namespace varnel

namespace varnel::glyphmate {

void gs1_128_handler(const Record& record, Outcome& out);

extern const Symbology kGs1_128;

}  // namespace varnel::glyphmate
