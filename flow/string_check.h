// SPDX-License-Identifier: MIT
// Checking a converted string as the user pasted it: read back through the fonts' glyph
// layouts, it says which symbology and font it is for, what a scanner would read, and why
// it would not scan (with what to do about it).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::glyphmate {

struct InspectFault {
    std::string_view kind;             // "not-in-font", "typographic-quote", "mojibake", "wrong-check",
                                       // "no-start", "no-stop", "misplaced" or "too-long"
    std::optional<std::size_t> at;     // the character, from 1; none for something missing
    std::string message;               // what is wrong and what to do, in UTF-8
};

// A start, stop, guard or check character: as found, and as the symbol needs it.
struct InspectMark {
    std::size_t at;                    // the character, from 1
    std::string_view role;             // "start", "stop", "guard" or "check"
    std::string found, expected;       // UTF-8
};

struct Inspection {
    std::string type;                  // the catalogue name of the symbology
    std::string font;                  // the font family, e.g. "VNL Code39"
    std::string data;                  // what a scanner sends, in Windows-1252 bytes; GS1-128
                                       // as element strings, "(01)09501101530003"
    bool check_character = false, full_ascii = false;  // what the string shows of the options
    std::vector<InspectFault> faults;  // in the order of the string
    std::vector<InspectMark> marks;
    std::vector<std::string> others;   // the other types whose fonts read it as well (start or stop
                                       // in place, no more faults), most plausible first

    bool scans() const { return faults.empty(); }
};

// text as copied from a document: UTF-8 (utf8, carried into the fonts' bytes through
// Windows-1252) or the fonts' bytes themselves. With a type (a catalogue name in any letter
// case), that font's reading; without, the most plausible of every font that reads it.
// Nothing when the type names no catalogue entry.
std::optional<Inspection> inspect(std::string_view text, bool utf8, std::string_view type = {});

}  // namespace varnel::glyphmate
