// SPDX-License-Identifier: MIT
#include "symbologies/code93.h"

#include <array>

#include <string_view>

#include "encoding/full_ascii.h"
#include "encoding/primitives.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

constexpr char kValueSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr char kGlyphTable[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%";
// Values 43 to 46 are the shifts ($), (%), (/), (+). A glyph's position here is also the
// value it carries in the check sums, so the data part is summed glyph by glyph.
constexpr char kCheckGlyphs[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%@#^&";

static_assert(sizeof kValueSet - 1 == 43 && sizeof kGlyphTable - 1 == 43);
static_assert(sizeof kCheckGlyphs - 1 == 47);
constexpr SetIndex kValueIndex(kValueSet), kCheckIndex(kCheckGlyphs);

// The modules of each value 0 to 46, then of the start/stop character, as the Code 93
// standard draws them: nine modules from the left, 1 dark, three bars and three spaces.
constexpr std::array<unsigned, 48> kModules{
    0x114, 0x148, 0x144, 0x142, 0x128, 0x124, 0x122, 0x150, 0x112, 0x10A,
    0x1A8, 0x1A4, 0x1A2, 0x194, 0x192, 0x18A, 0x168, 0x164, 0x162, 0x134,
    0x11A, 0x158, 0x14C, 0x146, 0x12C, 0x116, 0x1B4, 0x1B2, 0x1AC, 0x1A6,
    0x196, 0x19A, 0x16C, 0x166, 0x136, 0x13A, 0x12E, 0x1D4, 0x1D2, 0x1CA,
    0x16E, 0x176, 0x1AE, 0x126, 0x1DA, 0x1D6, 0x132, 0x15E,
};
constexpr std::size_t kStartStop = 47;

constexpr bool nine_modules_three_bars() {
    for (unsigned bits : kModules) {
        const bars::GlyphDrawing g = bars::runs_of(bits, 9);
        if (g.count != 6 || g.total() != 9) return false;
    }
    return true;
}
static_assert(nine_modules_three_bars());

// The font: each check glyph at its value (the data glyphs are the same), printing the
// character it stands for; the shifts print nothing. "[" and "]" draw the start and stop,
// "|" the termination bar after the stop.
constexpr bars::FontLayout code93_font() {
    bars::FontLayout font;
    for (std::size_t v = 0; v < 47; ++v) {
        bars::GlyphDrawing g = bars::runs_of(kModules[v], 9);
        if (v < 43) g.say({&kValueSet[v], 1});
        font[static_cast<unsigned char>(kCheckGlyphs[v])] = g;
    }
    font['['] = bars::runs_of(kModules[kStartStop], 9);
    font[']'] = bars::runs_of(kModules[kStartStop], 9);
    font['|'] = bars::widths_of("1");
    return font;
}

// The shift named by the shared full-ASCII table, as the Code 93 font draws it.
char shift_glyph(char shift) {
    switch (shift) {
        case '$': return '@';
        case '%': return '#';
        case '/': return '^';
        default: return '&';  // '+'
    }
}

constexpr int kWeightCycleC = 20, kWeightCycleK = 15, kModulus = 47;

// Start, C, K, stop and termination bar leave this much room for the data part.
constexpr std::size_t kRoomForData = kMaxConverted - 5;

}  // namespace

constexpr bars::FontLayout kCode93Font = code93_font();

const char* code93_encode(const char* data) {
    Glyphs part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int v = kValueIndex(*p);
        char pair[2];
        if (v >= 0) {
            truncated = !part.append(kGlyphTable[v], kRoomForData);
        } else if (full_ascii_pair(static_cast<unsigned char>(*p), pair)) {
            pair[0] = shift_glyph(pair[0]);
            truncated = !part.append({pair, 2}, kRoomForData);
        }
    }
    part.append(kCheckGlyphs[weighted_check(part.view(), kCheckIndex, kWeightCycleC, kModulus)]);
    part.append(kCheckGlyphs[weighted_check(part.view(), kCheckIndex, kWeightCycleK, kModulus)]);
    return return_symbol("[", part.view(), "]|", truncated);
}

namespace {
bool is_code93_glyph(unsigned char c) { return kCheckIndex(static_cast<char>(c)) >= 0; }

// The shift of the shared full-ASCII table that a Code 93 shift glyph draws; NUL for none.
char shift_of(char glyph) {
    switch (glyph) {
        case '@': return '$';
        case '#': return '%';
        case '^': return '/';
        case '&': return '+';
        default: return '\0';
    }
}
}  // namespace

// The last two glyphs are C and K, always; the termination bar "|" belongs to the stop.
Reading read_code93(std::string_view s) {
    Reading r;
    r.type = "Code93";
    const std::vector<std::size_t> inner = read_frame(s, {"[", {}, "]|", is_code93_glyph}, r);
    const std::size_t data_end = inner.size() >= 2 ? inner.size() - 2 : 0;
    std::string part;
    for (std::size_t k = 0; k < data_end; ++k) {
        const char g = s[inner[k]];
        part += g;
        const char shift = shift_of(g);
        const char pair = shift != '\0' && k + 1 < data_end ? full_ascii_char(shift, s[inner[k + 1]]) : '\0';
        if (pair != '\0') {
            r.glyph(inner[k], GlyphRole::Shift, g);
            ++k;
            part += s[inner[k]];
            r.glyph(inner[k], GlyphRole::Data, s[inner[k]]);
            r.data += pair;
        } else {
            r.glyph(inner[k], shift != '\0' ? GlyphRole::Shift : GlyphRole::Data, g);
            if (shift == '\0') r.data += kValueSet[kCheckIndex(g)];
        }
    }
    if (inner.size() >= 2) {
        const char c = kCheckGlyphs[weighted_check(part, kCheckIndex, kWeightCycleC, kModulus)];
        r.check(inner[data_end], s[inner[data_end]], c);
        part += c;  // K covers C as it should be, so a wrong C is not counted twice
        r.check(inner[data_end + 1], s[inner[data_end + 1]],
                kCheckGlyphs[weighted_check(part, kCheckIndex, kWeightCycleK, kModulus)]);
    }
    return r;
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

constexpr std::string_view kCode93Notes =
    "Code93 is capable of encoding all ASCII characters. The native character set is the same as the one of "
    "Code39, however, Code93 introduces 4 special characters to encode any ASCII character. Two check "
    "characters are required.\r\n";
}  // namespace

void code93_handler(const Record& record, Outcome& out) {
    check_data(record, out, [](char c) { return static_cast<unsigned char>(c) <= 0x7F; });
    out.take(varnel::code93_encode(record.data));
}

// Every ASCII character is encoded and both check characters are always added, so neither
// box is the user's to change; the Check Character flag is left as it is.
const Symbology kCode93{
    .notes = kCode93Notes,
    .web_site_lead = kMoreInformation,
    .rule = {.full_ascii = {On, Off}, .check_character = {Keep, Off}, .addon = {Off}, .supplement_label = {Off},
             .supplement_field = {Off}, .force_full_ascii = On},
    .takes_supplement = false,
    .handler = code93_handler,
};

}  // namespace varnel::glyphmate
