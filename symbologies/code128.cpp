// SPDX-License-Identifier: MIT
#include "symbologies/code128.h"

#include <cstring>
#include <string_view>
#include <iterator>
#include <initializer_list>

#include "encoding/primitives.h"

namespace varnel {

namespace {

// Glyphs with a fixed role, as the fonts lay them out.
struct FixedRole {
    int value;
    unsigned char glyph;
};
constexpr FixedRole kFixedRoles[] = {
    {0, 0xCC},  // the pair "00", a space in Auto, a check value of 0
    {kCode128CodeC, 0xC4},  {kCode128CodeB, 0xC5},  {kCode128CodeA, 0xC6}, {kCode128Fnc1, 0xC7},
    {kCode128StartA, 0xC8}, {kCode128StartB, 0xC9}, {kCode128StartC, 0xCA},
};

constexpr unsigned char glyph_of(int value) {
    return static_cast<unsigned char>(code128_glyphs[static_cast<std::size_t>(value)]);
}

constexpr bool fixed_roles_hold() {
    for (const FixedRole& role : kFixedRoles)
        if (glyph_of(role.value) != role.glyph) return false;
    return true;
}
// Each value its own glyph, none of them NUL, the stop or the closing glyph.
constexpr bool glyphs_are_distinct() {
    bool seen[256] = {};
    for (int v = 0; v < kCode128Values; ++v) {
        const unsigned char g = glyph_of(v);
        if (g == 0 || g == kCode128Stop || g == kCode128Closing || seen[g]) return false;
        seen[g] = true;
    }
    return true;
}
static_assert(fixed_roles_hold() && glyphs_are_distinct());
static_assert(glyph_of(1) == '!' && glyph_of(94) == '~' && glyph_of(95) == 0xC0);

// The bars and spaces of each value, as the Code 128 standard draws them: three bars and
// three spaces from the left, eleven modules, the bars an even number of them.
constexpr std::array<std::string_view, kCode128Values> kWidths{
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
// The stop character is 2331112; its font draws the last bar as the closing glyph.
constexpr std::string_view kStopWidths = "233111", kClosingWidths = "2";

constexpr bool eleven_modules_even_bars() {
    for (std::string_view widths : kWidths) {
        const bars::GlyphDrawing g = bars::widths_of(widths);
        if (g.count != 6 || g.total() != 11 || (g.widths[0] + g.widths[2] + g.widths[4]) % 2 != 0) return false;
    }
    return bars::widths_of(kStopWidths).total() + bars::widths_of(kClosingWidths).total() == 13;
}
static_assert(eleven_modules_even_bars());

enum class FontSet { A, B, C };

// What the font of a set prints under a value: the character it stands for in that set,
// the pair of digits in set C, nothing for control and function characters.
constexpr bars::GlyphDrawing value_drawing(int value, FontSet set) {
    bars::GlyphDrawing g = bars::widths_of(kWidths[static_cast<std::size_t>(value)]);
    const char c = static_cast<char>(value + 0x20);
    if (set == FontSet::C && value < 100) {
        const char pair[] = {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
        g.say({pair, 2});
    } else if ((set == FontSet::A && value < 64) || (set == FontSet::B && value < 95)) {
        g.say({&c, 1});
    }
    return g;
}

// Every value at its glyph; the space also at 0x20, since the fixed sets write it as it is,
// set A's control characters at their own codes and set B's DEL at 0x7F.
constexpr bars::FontLayout code128_font(FontSet set) {
    bars::FontLayout font;
    for (int v = 0; v < kCode128Values; ++v) font[glyph_of(v)] = value_drawing(v, set);
    font[' '] = value_drawing(0, set);
    if (set == FontSet::A)
        for (int c = 0x01; c <= 0x1F; ++c) font[static_cast<unsigned char>(c)] = value_drawing(c + 64, set);
    if (set == FontSet::B) font[0x7F] = value_drawing(95, set);
    font[kCode128Stop] = bars::widths_of(kStopWidths);
    font[kCode128Closing] = bars::widths_of(kClosingWidths);
    return font;
}

struct Range {
    unsigned char first, last;
};
// The characters of the ranges in order, as one NUL-terminated set.
template <std::size_t N>
constexpr std::array<char, N + 1> set_of(std::initializer_list<Range> ranges) {
    std::array<char, N + 1> set{};
    std::size_t n = 0;
    for (const Range r : ranges)
        for (int c = r.first; c <= r.last; ++c) set[n++] = static_cast<char>(c);
    return set;
}

// What each fixed set takes; the value of a character follows the rule of its range
// (value 64 of set A, NUL, cannot occur in a NUL-terminated string).
constexpr auto code128_set_a = set_of<102>({{0x20, 0x5F}, {0x01, 0x1F}, {0xC1, 0xC7}});
constexpr auto code128_set_b = set_of<103>({{0x20, 0x7F}, {0xC1, 0xC7}});
static_assert(code128_set_a[101] != '\0' && code128_set_b[102] != '\0');
constexpr SetIndex kSetAIndex(code128_set_a.data()), kSetBIndex(code128_set_b.data());

constexpr unsigned char kFnc1Glyph = 0xC7;
constexpr unsigned char kShiftGlyph = 0xC3, kCodeBGlyph = 0xC5;

// A fixed set writes the ASCII bytes it has and the function bytes 0xC1 to 0xC7 as the
// values 96 to 102 they type.
int fixed_value(Code128Set set, const SetIndex& accepted, unsigned char x) {
    if (accepted(static_cast<char>(x)) < 0) return -1;
    return x >= 0xC1 ? x - 0x61 : code128_value(set, x);
}
int set_a_value(unsigned char x) { return fixed_value(Code128Set::A, kSetAIndex, x); }
int set_b_value(unsigned char x) { return fixed_value(Code128Set::B, kSetBIndex, x); }

}  // namespace

const char* Code128Writer::finish() const {
    const char start[] = {static_cast<char>(glyph_of(start_)), '\0'};
    const char tail[] = {static_cast<char>(glyph_of(sum_ % 103)), static_cast<char>(kCode128Stop),
                         static_cast<char>(kCode128Closing), '\0'};
    return return_symbol(start, {glyphs_, size_}, tail, truncated_);
}

namespace {

const char* encode_fixed(const char* data, int start_value, int (*value_of)(unsigned char)) {
    Code128Writer symbol(start_value);
    for (const char* p = data; *p != '\0' && !symbol.truncated(); ++p) {
        const int v = value_of(static_cast<unsigned char>(*p));
        if (v >= 0) symbol.put(v);
    }
    return symbol.finish();
}

using enum Code128Set;

Code128Set auto_start(const char* data, std::size_t n) {
    if (n > 4 && is_digit(data[0]) && is_digit(data[1]) && is_digit(data[2]) && is_digit(data[3])) return C;
    const auto x = static_cast<unsigned char>(data[0]);
    return x >= 0x20 && x <= 0x7F ? B : A;  // DEL too is written in set B
}

}  // namespace

constexpr bars::FontLayout kCode128AFont = code128_font(FontSet::A);
constexpr bars::FontLayout kCode128BFont = code128_font(FontSet::B);
constexpr bars::FontLayout kCode128CFont = code128_font(FontSet::C);

const char* encode_code128a(const char* data) { return encode_fixed(data, kCode128StartA, set_a_value); }

const char* encode_code128b(const char* data) { return encode_fixed(data, kCode128StartB, set_b_value); }

const char* encode_code128c(const char* data) {
    Code128Writer symbol(kCode128StartC);
    const char* p = data;
    while (*p != '\0' && !symbol.truncated()) {
        if (static_cast<unsigned char>(*p) == kFnc1Glyph) {
            symbol.put(kCode128Fnc1);
            ++p;
            continue;
        }
        // The digits up to the next FNC1 are paired as one run; every other byte is
        // dropped, so it never takes a digit's place in a pair.
        const char* end = p;
        int digits = 0;
        for (; *end != '\0' && static_cast<unsigned char>(*end) != kFnc1Glyph; ++end)
            if (is_digit(*end)) ++digits;
        int high = digits % 2 == 1 ? 0 : -1;  // an odd run gets a leading zero
        for (; p != end && !symbol.truncated(); ++p) {
            if (!is_digit(*p)) continue;
            if (high < 0) {
                high = *p - '0';
            } else {
                symbol.put(10 * high + (*p - '0'));
                high = -1;
            }
        }
    }
    return symbol.finish();
}

const char* encode_code128auto(const char* data) {
    const std::size_t n = std::strlen(data);
    Code128Set set = auto_start(data, n);
    Code128Writer symbol(code128_start(set));

    // Writes value (none when negative) in the target set, changing to it first. A byte
    // without a value leaves its CODE A alone, and where even that does not fit, nothing:
    // it carries no data, so leaving it out cuts none.
    auto put_in = [&](Code128Set target, int value) {
        const bool change = set != target;
        if (value < 0) {
            if (change && symbol.fits(1) && symbol.put(code128_change_to(target))) set = target;
        } else if (change ? symbol.put(code128_change_to(target), value) : symbol.put(value)) {
            set = target;
        }
    };
    auto digits_at = [&](std::size_t i, std::size_t count) {
        for (std::size_t k = i; k < i + count; ++k)
            if (k >= n || !is_digit(data[k])) return false;
        return true;
    };
    auto pair_at = [&](std::size_t i) { return 10 * (data[i] - '0') + (data[i + 1] - '0'); };

    for (std::size_t i = 0; i < n && !symbol.truncated();) {
        const auto x = static_cast<unsigned char>(data[i]);
        if (x >= 0x20 && x <= 0x7F && !is_digit(static_cast<char>(x))) {
            // Most data: a printable character, in set A when that is the set and it has
            // the character, else in set B (the last two branches below, taken early).
            if (set == A && x > 0x20 && x < 0x60)
                put_in(A, x - 0x20);
            else
                put_in(B, x - 0x20);
            ++i;
        } else if (x == kFnc1Glyph) {
            symbol.put(kCode128Fnc1);
            ++i;
        } else if (x >= kShiftGlyph && x <= kCodeBGlyph) {
            ++i;  // SHIFT, CODE C, CODE B would change the set behind Auto's back
        } else if (i + 3 < n && digits_at(i, 3)) {
            put_in(C, pair_at(i));  // a run of digits with more after it
            i += 2;
        } else if (set == C && digits_at(i, 2)) {
            put_in(C, pair_at(i));  // the last pair of a run
            i += 2;
        } else if (x <= 0x1F || x >= 0x80 || (set == A && x > 0x20 && x < 0x60)) {
            put_in(A, set_a_value(x));  // a byte without a value still leaves its CODE A
            ++i;
        } else {
            put_in(B, x - 0x20);  // 0x20 to 0x7F
            ++i;
        }
    }
    return symbol.finish();
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

struct Variant {
    const char* (*encode)(const char*);
    unsigned char lowest, highest;  // the data characters the variant encodes
};
constexpr Variant kVariants[] = {
    {varnel::encode_code128a, 0x01, 0x5F},
    {varnel::encode_code128b, 0x20, 0x7F},
    {varnel::encode_code128c, '0', '9'},
    {varnel::encode_code128auto, 0x01, 0x7F},
};

constexpr int kSetC = 2;
constexpr std::string_view kOddDigits = "An odd number of digits: a 0 was put in front.";

// Set C pairs the digits of each run between FNC1s: whether a run has an odd number of them.
bool has_odd_run(const char* data) {
    bool odd = false;
    for (; *data != '\0'; ++data) {
        if (static_cast<unsigned char>(*data) == varnel::kFnc1Glyph) {
            if (odd) return true;
        } else if (varnel::is_digit(*data)) {
            odd = !odd;
        }
    }
    return odd;
}

// The check glyph is always written; Underlying Text only names the font.
constexpr Symbology variant(std::string_view notes, int number) {
    return {.notes = notes,
            .rule = {.full_ascii = {Off}, .check_character = {Keep, Off}, .underlying_text = {Keep, On},
                     .supplement_label = {Off}, .supplement_field = {Off}},
            .takes_supplement = false,
            .handler = code128_handler,
            .variant = number};
}
}  // namespace

void code128_handler(const Record& record, Outcome& out) {
    if (record.variant < 0 || record.variant >= static_cast<int>(std::size(kVariants))) return;
    const Variant& v = kVariants[record.variant];
    // Function glyphs typed into the data (0xC1 to 0xC7) are reported too, though the
    // fixed sets still write them.
    check_data(record, out, [&v](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= v.lowest && b <= v.highest;
    });
    // The encoder changes the data then: the user is told.
    if (record.variant == kSetC && has_odd_run(record.data)) out.report(kOddDigits);
    out.take(v.encode(record.data));
}

const Symbology kCode128A = variant(
    "Code128 Character set A is capable of encoding digits, capital characters and control characters.", 0);
const Symbology kCode128B = variant("Code128 Character set B is capable of encoding printable characters.", 1);
const Symbology kCode128C = variant("Code128 Character set C can only encode digits.", 2);
const Symbology kCode128Auto =
    variant("Code128 Auto produces the best results for input. It can encode all the ASCIIs.", 3);

}  // namespace varnel::glyphmate
