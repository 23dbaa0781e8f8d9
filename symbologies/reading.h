// SPDX-License-Identifier: MIT
// A converted string read back through one font's glyph layout: which symbol character each
// byte draws, the data a scanner would read, and what keeps the symbol from scanning. Each
// symbology unit reads its own font with its own tables; this is what they share.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

enum class GlyphRole : unsigned char { Start, Stop, Guard, Shift, Data, Check, Text };

// One byte of the string as the font draws it.
struct ReadGlyph {
    std::size_t at;  // byte offset in the string read
    GlyphRole role;
    char found;
    char expected;  // the same as found, except for a wrong check character
};

enum class ReadFaultKind : unsigned char { NotInFont, TypographicQuote, Mojibake, WrongCheck, NoStart, NoStop, Misplaced, TooLong };

inline constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

struct ReadFault {
    ReadFaultKind kind;
    std::size_t at = kNowhere;  // byte offset, or kNowhere for something missing
    char found = 0, expected = 0;  // wrong-check: the characters; no-start/no-stop: expected
};

struct Reading {
    std::string type;            // the catalogue entry it reads as, e.g. "Code39"
    bool framed = false;         // the font's start or stop stands where it belongs
    std::string data;            // what a scanner sends, as bytes of the code page
    std::vector<ReadGlyph> glyphs;
    std::vector<ReadFault> faults;
    int checks = 0;              // check characters found right: evidence for this reading
    bool check_character = false, full_ascii = false;  // the user's options the string shows

    void fault(ReadFaultKind kind, std::size_t at = kNowhere, char found = 0, char expected = 0) {
        faults.push_back({kind, at, found, expected});
    }
    void glyph(std::size_t at, GlyphRole role, char found) { glyphs.push_back({at, role, found, found}); }
    // A check character: right, or a wrong-check fault with what it should be.
    void check(std::size_t at, char found, char expected) {
        glyphs.push_back({at, GlyphRole::Check, found, expected});
        if (found == expected)
            ++checks;
        else
            fault(ReadFaultKind::WrongCheck, at, found, expected);
    }
};

// The frame shared by most layouts: one start glyph first, a stop run last, glyphs between.
// Reports no-start / no-stop, a start or stop glyph inside as misplaced, and bytes for which
// is_glyph is false as not in the font; returns the offsets of the glyphs between, in order.
struct Frame {
    std::string_view starts;  // any of these opens the symbol
    std::string_view stops;   // any of these closes it (when stop_run is empty)
    std::string_view stop_run;  // or: exactly this run closes it
    bool (*is_glyph)(unsigned char);
};
std::vector<std::size_t> read_frame(std::string_view s, const Frame& frame, Reading& out);

// Each font's reading, beside its encoders. The Code 128 fonts share one layout, which also
// draws GS1-128; the retail font draws the four UPC/EAN members (member as in upc_ean.h, or
// -1 to tell it from the shape) with an optional add-on after a space.
Reading read_code39(std::string_view s);
Reading read_code39_extended(std::string_view s);
Reading read_code93(std::string_view s);
Reading read_upc_ean(std::string_view s, int member);
Reading read_itf25(std::string_view s);
Reading read_code128(std::string_view s);
Reading read_codabar(std::string_view s);
Reading read_code11(std::string_view s);
Reading read_code25(std::string_view s);
Reading read_msi(std::string_view s);
// The add-on from s[at] ("{" and 2 or 5 digits): its digits appended to out.data.
void read_addon(std::string_view s, std::size_t at, Reading& out);

}  // namespace varnel
