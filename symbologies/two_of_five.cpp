// SPDX-License-Identifier: MIT
#include "symbologies/two_of_five.h"

#include <array>
#include <string_view>

#include "encoding/primitives.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

constexpr SetIndex kDigitIndex(kDigits);

// ITF pair values 0..93 are drawn at 0x21..0x7E, 94..99 at 0xC4..0xC9.
constexpr int kItfLowOffset = 0x21, kItfHighOffset = 0x66, kItfFirstHigh = 94;
constexpr char kItfStart = '\xCA', kItfStop = '\xCB';

// The five elements of each digit, two of them wide, as the 2 of 5 standards give them.
constexpr std::array<std::string_view, 10> kTwoOfFive{
    "nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn",
};
constexpr bool two_of_five_wide() {
    for (std::string_view p : kTwoOfFive)
        if (bars::narrow_wide(p).count != 5 || bars::narrow_wide(p).count_of(bars::W) != 2) return false;
    return true;
}
static_assert(two_of_five_wide());

// Code 25 (industrial 2 of 5): the five elements are bars, narrow spaces between them and
// one narrow space between characters. Start: wide, wide, narrow bar; stop: wide, narrow, wide.
constexpr bars::GlyphDrawing code25_bars(std::string_view pattern) {
    bars::GlyphDrawing g;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (i > 0) g.add({bars::N});
        g.add({pattern[i] == 'w' ? bars::W : bars::N});
    }
    return g;
}

constexpr bars::FontLayout code25_font() {
    bars::FontLayout font{.two_width = true, .wide = 3, .gap = 1};
    for (std::size_t d = 0; d < 10; ++d)
        font[static_cast<unsigned char>(kDigits[d])] = code25_bars(kTwoOfFive[d]).say({&kDigits[d], 1});
    font['['] = code25_bars("wwn");
    font[']'] = code25_bars("wnw");
    return font;
}

// ITF: the first digit of a pair in the bars, the second in the spaces between them.
// Start: four narrow elements; stop: wide bar, narrow space, narrow bar.
constexpr bars::FontLayout itf_font() {
    bars::FontLayout font{.two_width = true, .wide = 3};
    for (int v = 0; v < 100; ++v) {
        bars::GlyphDrawing g;
        for (std::size_t i = 0; i < 5; ++i)
            g.add({kTwoOfFive[static_cast<std::size_t>(v / 10)][i] == 'w' ? bars::W : bars::N,
                   kTwoOfFive[static_cast<std::size_t>(v % 10)][i] == 'w' ? bars::W : bars::N});
        const char pair[] = {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
        font[static_cast<unsigned char>(v + (v < kItfFirstHigh ? kItfLowOffset : kItfHighOffset))] = g.say({pair, 2});
    }
    font[static_cast<unsigned char>(kItfStart)] = bars::narrow_wide("nnnn");
    font[static_cast<unsigned char>(kItfStop)] = bars::narrow_wide("wnn");
    return font;
}

constexpr std::size_t kCode25Room = kMaxConverted - 2;
constexpr std::size_t kCode25CheckRoom = kMaxConverted - 3;
// Pair glyphs that fit between the ITF start and stop, and the digits they hold.
constexpr std::size_t kItfMaxPairs = kMaxConverted - 2;
constexpr std::size_t kItfMaxDigits = 2 * kItfMaxPairs;

const char* code25(const char* data, bool with_check) {
    Glyphs digits;
    const bool truncated = append_in_set(digits, data, kDigitIndex, with_check ? kCode25CheckRoom : kCode25Room);
    if (with_check) digits.append(mod10_check_digit(digits.view()));
    return return_symbol("[", digits.view(), "]", truncated);
}

char itf_glyph(char high, char low) {
    const int v = 10 * (high - '0') + (low - '0');
    return static_cast<char>(v + (v < kItfFirstHigh ? kItfLowOffset : kItfHighOffset));
}

// Every ITF symbol holds an even number of digits, check digit included. Up to
// kItfMaxDigits of them fit, more than a working buffer holds, so they are kept here.
const char* itf25(const char* data, bool with_check) {
    // digits[0] is kept for the leading "0": in front, it leaves the number's value as it is.
    char digits[kItfMaxDigits + 1] = {'0'};
    const std::size_t room = with_check ? kItfMaxDigits - 1 : kItfMaxDigits;
    std::size_t count = 0;
    bool truncated = false;
    for (const char* p = data; *p != '\0' && !truncated; ++p) {
        if (!is_digit(*p)) continue;
        if (count == room)
            truncated = true;
        else
            digits[1 + count++] = *p;
    }
    // room is even without and odd with the check digit, so a cut symbol needs no "0".
    const bool pad = (count + (with_check ? 1 : 0)) % 2 != 0;
    char* first = pad ? digits : digits + 1;
    if (pad) ++count;
    if (with_check) {
        first[count] = mod10_check_digit({first, count});
        ++count;
    }

    Glyphs pairs;
    for (std::size_t i = 0; i + 1 < count; i += 2) pairs.append(itf_glyph(first[i], first[i + 1]));
    return return_symbol({&kItfStart, 1}, pairs.view(), {&kItfStop, 1}, truncated);
}

}  // namespace

constexpr bars::FontLayout kCode25Font = code25_font();
constexpr bars::FontLayout kItf25Font = itf_font();

const char* encode_code25(const char* data) { return code25(data, false); }
const char* encode_code25_check(const char* data) { return code25(data, true); }
const char* encode_itf25(const char* data) { return itf25(data, false); }
const char* encode_itf25_check(const char* data) { return itf25(data, true); }

namespace {
bool is_digit_glyph(unsigned char c) { return is_digit(static_cast<char>(c)); }

// The pair value of an ITF glyph, or -1.
int itf_value(unsigned char c) {
    if (c >= kItfLowOffset && c < kItfLowOffset + kItfFirstHigh) return c - kItfLowOffset;
    if (c >= kItfFirstHigh + kItfHighOffset && c <= 99 + kItfHighOffset) return c - kItfHighOffset;
    return -1;
}
bool is_itf_glyph(unsigned char c) { return itf_value(c) >= 0; }

// The check digit is the user's choice: a last digit that is the check of the others is
// taken for one.
bool optional_check(std::string_view digits) {
    return !digits.empty() && mod10_check_digit(digits.substr(0, digits.size() - 1)) == digits.back();
}

// The glyphs inside the frame are data, but for the last when it is the optional check.
void mark_data(Reading& r, std::string_view s, const std::vector<std::size_t>& inner) {
    for (std::size_t k = 0; k < inner.size(); ++k)
        if (r.check_character && k + 1 == inner.size())
            r.check(inner[k], s[inner[k]], s[inner[k]]);
        else
            r.glyph(inner[k], GlyphRole::Data, s[inner[k]]);
    if (r.check_character) r.data.pop_back();
}

}  // namespace

Reading read_code25(std::string_view s) {
    Reading r;
    r.type = "Code25";
    const std::vector<std::size_t> inner = read_frame(s, {"[", "]", {}, is_digit_glyph}, r);
    for (std::size_t i : inner) r.data += s[i];
    r.check_character = optional_check(r.data);
    mark_data(r, s, inner);
    return r;
}

Reading read_itf25(std::string_view s) {
    Reading r;
    r.type = "Interleaved 2 of 5";
    const std::vector<std::size_t> inner = read_frame(s, {{&kItfStart, 1}, {&kItfStop, 1}, {}, is_itf_glyph}, r);
    for (std::size_t i : inner) {
        const int v = itf_value(static_cast<unsigned char>(s[i]));
        r.data += static_cast<char>('0' + v / 10);
        r.data += static_cast<char>('0' + v % 10);
    }
    // The check digit shares its glyph with the digit before it: the glyph counts as the check.
    r.check_character = optional_check(r.data);
    mark_data(r, s, inner);
    return r;
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

constexpr std::string_view kCode25Notes =
    "Code25 is also called standard 2 of 5, Industry 2 of 5 or 2 of 5. It is a low density numeric symbology. "
    "Check digit is optional.";

constexpr std::string_view kItf25Notes =
    "Interleaved 2 of 5 is also called ITF-25. It is a high-density numeric symbology based on the standard 2 "
    "of 5 symbology. Check digit is optional.";

void convert_digits(const Record& record, Outcome& out, const char* (*plain)(const char*),
                    const char* (*with_check)(const char*)) {
    check_data(record, out, varnel::is_digit);
    out.take((record.options.check_character ? with_check : plain)(record.data));
}

// The check digit is the user's choice in both; the Addon box stays as it was.
constexpr OptionRule kTwoOfFiveRule{.full_ascii = {Off}, .check_character = {Keep, On}, .underlying_text = {Keep, On},
                                    .supplement_label = {Off}, .supplement_field = {Off}};
}  // namespace

void code25_handler(const Record& record, Outcome& out) {
    convert_digits(record, out, varnel::encode_code25, varnel::encode_code25_check);
}

void itf25_handler(const Record& record, Outcome& out) {
    convert_digits(record, out, varnel::encode_itf25, varnel::encode_itf25_check);
}

const Symbology kCode25{
    .notes = kCode25Notes,
    .rule = kTwoOfFiveRule,
    .takes_supplement = false,
    .handler = code25_handler,
};

const Symbology kInterleaved2of5{
    .notes = kItf25Notes,
    .rule = kTwoOfFiveRule,
    .takes_supplement = false,
    .handler = itf25_handler,
};

}  // namespace varnel::glyphmate
