// SPDX-License-Identifier: MIT
#include "symbologies/code39.h"

#include <array>

#include "encoding/full_ascii.h"
#include "encoding/primitives.h"
#include "symbologies/bars.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

constexpr char kPlainSet[] = "0123456789.+-/ $%ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr char kValueSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
constexpr char kGlyphTable[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%";
constexpr char kPairSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. ";
constexpr char kPairGlyphs[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=";

static_assert(sizeof kPlainSet - 1 == 43 && sizeof kValueSet - 1 == 43 && sizeof kGlyphTable - 1 == 43);
static_assert(sizeof kPairSet - 1 == 39 && sizeof kPairGlyphs - 1 == 39);
static_assert(sizeof kCode39AcceptedSet - 1 == 43);

constexpr SetIndex kValueIndex(kValueSet), kPairIndex(kPairSet), kAcceptedIndex(kCode39AcceptedSet);

// The bars of each value in kValueSet order, then of the start/stop character, as the
// Code 39 standard draws them: five bars and four spaces from the left, three of them wide.
constexpr std::array<std::string_view, 44> kBars{
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn",
    "nnwwwnnnn", "nnnwnnwnw", "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw",
    "wnwnnwnnn", "nnnnwwnnw", "wnnnwwnnn", "nnwnwwnnn", "nnnnnwwnw", "wnnnnwwnn",
    "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww", "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww",
    "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn", "nnwnnnwwn", "nnnnwnwwn",
    "wwnnnnnnw", "nwwnnnnnw", "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn", "nwwnwnnnn",
    "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn", "nwnwnnnwn", "nwnnnwnwn",
    "nnnwnwnwn", "nwnnwnwnn",
};
constexpr std::size_t kStartStopBars = 43;

constexpr bool three_of_nine_wide() {
    for (std::string_view bars : kBars) {
        const bars::GlyphDrawing g = bars::narrow_wide(bars);
        if (g.count != 9 || g.count_of(bars::W) != 3) return false;
    }
    return true;
}
static_assert(three_of_nine_wide());

// Code 39's standard asks for a wide element of 2 to 3 narrow ones; 3 keeps every bar a
// whole number of modules. Quiet zones of ten modules, one narrow space between characters.
constexpr bars::FontLayout two_width_layout() {
    bars::FontLayout font;
    font.two_width = true;
    font.wide = 3;
    font.gap = 1;
    return font;
}

bars::GlyphDrawing drawing_of(int value) { return bars::narrow_wide(kBars[static_cast<std::size_t>(value)]); }

// Two characters of one glyph, the inter-character gap between them.
bars::GlyphDrawing joined(int first, int second) {
    bars::GlyphDrawing g = drawing_of(first);
    g.add({bars::N});
    const bars::GlyphDrawing next = drawing_of(second);
    for (std::size_t i = 0; i < next.count; ++i) g.add({next.widths[i]});
    return g;
}

constexpr char kSpaceGlyph = '=';
constexpr unsigned char kExtendedStar = 0xF4, kExtendedEquals = 0xF0, kExtendedOpen = 0xF1,
                        kExtendedClose = 0xF2, kExtendedDel = 0xE0, kExtendedControl = 192;

// The plain form's glyph of every byte, or NUL where it has none.
constexpr std::array<char, 256> kPlainGlyph = [] {
    std::array<char, 256> glyphs{};
    for (const char* c = kPlainSet; *c != '\0'; ++c)
        glyphs[static_cast<unsigned char>(*c)] = *c == ' ' ? kSpaceGlyph : *c;
    return glyphs;
}();

// Room for the data part once the start and stop (and check) glyphs are counted.
constexpr std::size_t kRoomStartStop = kMaxConverted - 2;
constexpr std::size_t kRoomWithCheck = kMaxConverted - 3;

char extended_glyph(unsigned char c) {
    if (c >= 1 && c <= 31) return static_cast<char>(c + kExtendedControl);
    switch (c) {
        case ' ': return kSpaceGlyph;
        case '*': return static_cast<char>(kExtendedStar);
        case '=': return static_cast<char>(kExtendedEquals);
        case '[': return static_cast<char>(kExtendedOpen);
        case ']': return static_cast<char>(kExtendedClose);
        case 127: return static_cast<char>(kExtendedDel);
        default: return static_cast<char>(c);
    }
}

// The Code 39 font: the 43 characters at the glyphs of kGlyphTable, printing the character
// they stand for; "*" and the Full ASCII form's "[" and "]" draw the start/stop character.
bars::FontLayout code39_font() {
    bars::FontLayout font = two_width_layout();
    for (int v = 0; v < 43; ++v) {
        const char shown[] = {kValueSet[v], '\0'};
        font[static_cast<unsigned char>(kGlyphTable[v])] = drawing_of(v).say(shown);
    }
    font['*'] = drawing_of(kStartStopBars).say("*");
    font['['] = drawing_of(kStartStopBars);
    font[']'] = drawing_of(kStartStopBars);
    return font;
}

// The Code 39 Extended font: every ASCII character at its glyph, drawn as the character
// itself or as the Full ASCII pair that stands for it.
bars::FontLayout code39_extended_font() {
    bars::FontLayout font = two_width_layout();
    for (int c = 1; c < 128; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        char pair[2];
        const int native = kValueIndex(static_cast<char>(c));
        bars::GlyphDrawing g = full_ascii_pair(byte, pair) ? joined(kValueIndex(pair[0]), kValueIndex(pair[1]))
                               : native >= 0               ? drawing_of(native)
                                                           : bars::GlyphDrawing{};
        if (c >= 0x20 && c < 0x7F) g.say(std::string_view(reinterpret_cast<const char*>(&byte), 1));
        font[static_cast<unsigned char>(extended_glyph(byte))] = g;
    }
    font['['] = drawing_of(kStartStopBars);
    font[']'] = drawing_of(kStartStopBars);
    return font;
}

}  // namespace

const char* code39_plain(const char* data) {
    Glyphs part;
    bool truncated = false;
    for (const char* p = data; *p != '\0'; ++p) {
        const char glyph = kPlainGlyph[static_cast<unsigned char>(*p)];
        if (part.size() == kRoomStartStop) {
            if (glyph == '\0') continue;
            truncated = true;
            break;
        }
        part.append_if(glyph, glyph != '\0');
    }
    return return_symbol("*", part.view(), "*", truncated);
}

const char* code39_with_check(const char* data) {
    Glyphs part;
    bool truncated = false;
    int sum = 0;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int v = kValueIndex(*p);
        if (v < 0) continue;  // no value, so no glyph and nothing to add to the sum
        truncated = !part.append(kGlyphTable[v], kRoomWithCheck);
        if (!truncated) sum += v;
    }
    const char check[] = {kGlyphTable[sum % 43], '*', '\0'};
    return return_symbol("*", part.view(), check, truncated);
}

const char* code39_full_ascii(const char* data) {
    Glyphs part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const int at = kPairIndex(*p);
        char pair[2];
        if (at >= 0)
            truncated = !part.append(kPairGlyphs[at], kRoomStartStop);
        else if (full_ascii_pair(static_cast<unsigned char>(*p), pair))
            truncated = !part.append({pair, 2}, kRoomStartStop);
    }
    return return_symbol("[", part.view(), "]", truncated);
}

const char* code39_extended(const char* data) {
    Glyphs part;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c >= 128) continue;  // would draw another character's glyph (0xF4 draws "*")
        truncated = !part.append(extended_glyph(c), kRoomStartStop);
    }
    return return_symbol("[", part.view(), "]", truncated);
}

namespace {

// Reading back: the byte each glyph stands for, from the same tables the encoders write by.
constexpr SetIndex kGlyphIndex(kGlyphTable);

bool is_code39_glyph(unsigned char c) { return kGlyphIndex(static_cast<char>(c)) >= 0; }

const std::array<char, 256> kExtendedData = [] {
    std::array<char, 256> data{};
    for (int c = 1; c < 128; ++c) data[static_cast<unsigned char>(extended_glyph(static_cast<unsigned char>(c)))] = static_cast<char>(c);
    return data;
}();

bool is_extended_glyph(unsigned char c) { return kExtendedData[c] != '\0'; }

}  // namespace

// '*', '[' and ']' draw the same start/stop bars; '[' opens the Full ASCII form. A plain
// symbol whose last glyph is the mod 43 check of the others is taken to carry one.
Reading read_code39(std::string_view s) {
    Reading r;
    r.type = "Code39";
    const std::vector<std::size_t> inner = read_frame(s, {"*[]", "*[]", {}, is_code39_glyph}, r);
    r.full_ascii = !s.empty() && s[0] == '[';
    std::size_t data_end = inner.size();
    if (!r.full_ascii && !inner.empty()) {
        int sum = 0;
        for (std::size_t k = 0; k + 1 < inner.size(); ++k) sum += kGlyphIndex(s[inner[k]]);
        if (kGlyphTable[sum % 43] == s[inner.back()]) {
            r.check_character = true;
            data_end = inner.size() - 1;
        }
    }
    for (std::size_t k = 0; k < data_end; ++k) {
        const char g = s[inner[k]];
        const char c = kValueSet[kGlyphIndex(g)];
        const char pair = r.full_ascii && k + 1 < data_end ? full_ascii_char(c, s[inner[k + 1]]) : '\0';
        if (pair != '\0') {
            r.glyph(inner[k], GlyphRole::Shift, g);
            ++k;
            r.glyph(inner[k], GlyphRole::Data, s[inner[k]]);
            r.data += pair;
        } else {
            r.glyph(inner[k], GlyphRole::Data, g);
            r.data += c;
        }
    }
    if (r.check_character) r.check(inner.back(), s[inner.back()], s[inner.back()]);
    return r;
}

Reading read_code39_extended(std::string_view s) {
    Reading r;
    r.type = "Code39 Extended";
    for (std::size_t i : read_frame(s, {"[", "]", {}, is_extended_glyph}, r)) {
        r.glyph(i, GlyphRole::Data, s[i]);
        r.data += kExtendedData[static_cast<unsigned char>(s[i])];
    }
    return r;
}

const bars::FontLayout kCode39Font = code39_font();
const bars::FontLayout kCode39ExtendedFont = code39_extended_font();

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

constexpr std::string_view kCode39Notes =
    "Code39 is an alphanumeric symbology. No check digit is required. Start/stop characters are "
    "mapped to *, [ and ].\r\n"
    "The character set consists of 43 characters: A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, "
    "Q, R, S, T, U, V, W, X, Y, Z, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -, ., *, $, /, +, %, SPACE. It is "
    "possible to encode the full ASCII table using Code39 font.  ";

constexpr std::string_view kCode39ExtNotes =
    "Code39 Extended is also called Code39 Full ASCII. It can encode any ASCII characters. Our "
    "font simplifies the encoding process. \r\n";

bool ascii(char c) { return static_cast<unsigned char>(c) <= 0x7F; }
bool accepted(char c) { return varnel::kAcceptedIndex(c) >= 0; }
}  // namespace

void code39_handler(const Record& record, Outcome& out) {
    const OptionRecord& options = record.options;
    check_data(record, out, options.full_ascii ? ascii : accepted);
    out.take(options.check_character ? varnel::code39_with_check(record.data)
             : options.full_ascii    ? varnel::code39_full_ascii(record.data)
                                     : varnel::code39_plain(record.data));
}

void code39_extended_handler(const Record& record, Outcome& out) {
    check_data(record, out, ascii);
    out.take(varnel::code39_extended(record.data));
}

// The supplement is hidden for both; Full ASCII off leaves the check character to the user.
const Symbology kCode39{
    .notes = kCode39Notes,
    .web_site_lead = kMoreInformation,
    .rule = {.full_ascii = {On, On}, .check_character = {Keep, On}, .underlying_text = {Keep, On},
             .addon = {Off}, .supplement_label = {Off}, .supplement_field = {Off},
             .full_ascii_clears_check = true},
    .takes_supplement = false,
    .handler = code39_handler,
};

// Every ASCII character has a glyph of its own, so Full ASCII means nothing and no check
// character is written.
const Symbology kCode39Extended{
    .notes = kCode39ExtNotes,
    .web_site_lead = "For more information,  visit ",
    .rule = {.full_ascii = {On, Off}, .check_character = {Keep, Off}, .addon = {Off}, .supplement_label = {Off},
             .supplement_field = {Off}, .force_check = Off},
    .takes_supplement = false,
    .handler = code39_extended_handler,
};

}  // namespace varnel::glyphmate
