// SPDX-License-Identifier: MIT
#include "symbologies/codabar_code11.h"

#include <array>
#include <string_view>

#include "encoding/primitives.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

static_assert(sizeof kCodabarSet - 1 == 16);
static_assert(sizeof kCode11Set - 1 == 11);
constexpr SetIndex kCodabarIndex(kCodabarSet), kCode11Index(kCode11Set);

// The bars of the 16 encoder characters and of the start/stop characters A to D, as the
// Codabar standard draws them: four bars and three spaces from the left.
constexpr std::string_view kCodabarCharacters = "0123456789-$:/.+ABCD";
constexpr std::array<std::string_view, 20> kCodabarBars{
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw", "nwnnwnn", "nwwnnnn", "wnnwnnn",
    "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw", "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn",
};
// The bars of the eleven Code 11 characters in kCode11Set order, then of the start/stop:
// three bars and two spaces.
constexpr std::array<std::string_view, 12> kCode11Bars{
    "nnnnw", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "wnnnn", "nnwnn", "nnwwn",
};

template <std::size_t N>
constexpr bool all_of(const std::array<std::string_view, N>& patterns, std::size_t elements) {
    for (std::string_view p : patterns)
        if (bars::narrow_wide(p).count != elements) return false;
    return true;
}
static_assert(kCodabarCharacters.size() == kCodabarBars.size() && all_of(kCodabarBars, 7));
// Codabar: two or three wide elements; Code 11: one or two.
constexpr bool wide_counts_hold() {
    for (std::string_view p : kCodabarBars)
        if (const int w = bars::narrow_wide(p).count_of(bars::W); w < 2 || w > 3) return false;
    for (std::string_view p : kCode11Bars)
        if (const int w = bars::narrow_wide(p).count_of(bars::W); w < 1 || w > 2) return false;
    return all_of(kCode11Bars, 5);
}
static_assert(wide_counts_hold());

// Both fonts print each data character under its glyph, and put one narrow space between
// glyphs. Codabar's wide elements are 3 narrow ones; Code 11's are 2, as readers expect.
constexpr bars::FontLayout codabar_font() {
    bars::FontLayout font{.two_width = true, .wide = 3, .gap = 1};
    for (std::size_t i = 0; i < kCodabarCharacters.size(); ++i) {
        bars::GlyphDrawing g = bars::narrow_wide(kCodabarBars[i]);
        if (i < 16) g.say(kCodabarCharacters.substr(i, 1));
        font[static_cast<unsigned char>(kCodabarCharacters[i])] = g;
    }
    return font;
}

constexpr bars::FontLayout code11_font() {
    bars::FontLayout font{.two_width = true, .wide = 2, .gap = 1};
    for (std::size_t i = 0; i < 11; ++i)
        font[static_cast<unsigned char>(kCode11Set[i])] = bars::narrow_wide(kCode11Bars[i]).say({&kCode11Set[i], 1});
    font['['] = bars::narrow_wide(kCode11Bars[11]);
    font[']'] = bars::narrow_wide(kCode11Bars[11]);
    return font;
}

constexpr int kCode11WeightCycleC = 10, kCode11WeightCycleK = 9, kCode11Modulus = 11;
// From this many data characters on, Code 11 carries the second check digit K.
constexpr std::size_t kCode11LongData = 11;

// Room for the data part once start, stop (and check digits) are counted.
constexpr std::size_t kCodabarRoom = kMaxConverted - 2;
constexpr std::size_t kCode11Room = kMaxConverted - 4;

// The standard Code 11 check digit over part: weights 1..cycle from the right end, repeating.
char code11_check(std::string_view part, int cycle) {
    return kCode11Set[weighted_check(part, kCode11Index, cycle, kCode11Modulus)];
}

}  // namespace

constexpr bars::FontLayout kCodabarFont = codabar_font();
constexpr bars::FontLayout kCode11Font = code11_font();

const char* codabar_encode(const char* data) {
    Glyphs part;
    const bool truncated = append_in_set(part, data, kCodabarIndex, kCodabarRoom);
    return return_symbol("A", part.view(), "B", truncated);
}

const char* code11_encode(const char* data) {
    Glyphs part;
    const bool truncated = append_in_set(part, data, kCode11Index, kCode11Room);
    const bool long_data = part.size() >= kCode11LongData;
    part.append(code11_check(part.view(), kCode11WeightCycleC));
    if (long_data) part.append(code11_check(part.view(), kCode11WeightCycleK));
    return return_symbol("[", part.view(), "]", truncated);
}

namespace {
bool is_codabar_glyph(unsigned char c) { return kCodabarIndex(static_cast<char>(c)) >= 0; }
bool is_code11_glyph(unsigned char c) { return kCode11Index(static_cast<char>(c)) >= 0; }
}  // namespace

// The encoder writes A and B; a scanner takes any of the four start/stop characters.
Reading read_codabar(std::string_view s) {
    Reading r;
    r.type = "Codabar";
    for (std::size_t i : read_frame(s, {"ABCD", "ABCD", {}, is_codabar_glyph}, r)) {
        r.glyph(i, GlyphRole::Data, s[i]);
        r.data += s[i];
    }
    return r;
}

// C always; K too from kCode11LongData data characters on, so 12 glyphs or more carry both.
Reading read_code11(std::string_view s) {
    Reading r;
    r.type = "Code11";
    const std::vector<std::size_t> inner = read_frame(s, {"[", "]", {}, is_code11_glyph}, r);
    const std::size_t checks = inner.size() > kCode11LongData ? 2 : inner.empty() ? 0 : 1;
    std::string part;
    for (std::size_t k = 0; k + checks < inner.size(); ++k) {
        r.glyph(inner[k], GlyphRole::Data, s[inner[k]]);
        part += s[inner[k]];
    }
    r.data = part;
    if (checks >= 1) {
        const char c = code11_check(part, kCode11WeightCycleC);
        r.check(inner[part.size()], s[inner[part.size()]], c);
        part += c;
    }
    if (checks == 2) r.check(inner.back(), s[inner.back()], code11_check(part, kCode11WeightCycleK));
    return r;
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

constexpr std::string_view kCodabarNotes =
    "Codabar is also called NW-7 in Japan. It has a character set of 16 characters: 0-9, -, $, :, /, . and +. "
    "Start/stop characters can be either one of these four characters: A, B, C and D.";

constexpr std::string_view kCode11Notes =
    "Code11 is also known as USD-8. It is primarily used in labeling telecommunications equipment. It has a "
    "character set including 0-9 and -.  ";
}  // namespace

void codabar_handler(const Record& record, Outcome& out) {
    check_data(record, out, [](char c) { return varnel::kCodabarIndex(c) >= 0; });
    out.take(varnel::codabar_encode(record.data));
}

void code11_handler(const Record& record, Outcome& out) {
    check_data(record, out, [](char c) { return varnel::kCode11Index(c) >= 0; });
    out.take(varnel::code11_encode(record.data));
}

// Neither has a user-chosen check character or a full-ASCII form; the Addon box stays as
// the previous symbology left it. Codabar has no check character at all.
const Symbology kCodabar{
    .notes = kCodabarNotes,
    .rule = {.full_ascii = {Off}, .check_character = {Keep, Off}, .underlying_text = {Keep, On},
             .supplement_label = {Off}, .supplement_field = {Off}, .force_check = Off},
    .takes_supplement = false,
    .handler = codabar_handler,
};

// The check digits are always added: the Check Character flag keeps its value.
const Symbology kCode11{
    .notes = kCode11Notes,
    .rule = {.full_ascii = {Off}, .check_character = {Keep, Off}, .underlying_text = {Keep, On},
             .supplement_label = {Off}, .supplement_field = {Off}},
    .takes_supplement = false,
    .handler = code11_handler,
};

}  // namespace varnel::glyphmate
