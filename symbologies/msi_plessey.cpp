// SPDX-License-Identifier: MIT
#include "symbologies/msi_plessey.h"

#include <iterator>
#include <string_view>

#include "encoding/primitives.h"
#include "symbologies/reading.h"

namespace varnel {

namespace {

// The digit sum of 2 x d for d = 0..9. Doubling a number never carries twice into one
// place, so the digit sum of 2 x N is the sum of these over N's digits, for any length.
constexpr int kDoubledDigitSum[] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};

static_assert(std::size(kDoubledDigitSum) == 10);
constexpr SetIndex kDigitIndex(kDigits);

// Each digit is its four bits from the highest, each bit a bar and a space: 1 wide bar and
// narrow space, 0 narrow bar and wide space (wide = two narrow). Start: wide bar, narrow
// space; stop: narrow bar, wide space, narrow bar. Twelve modules of quiet zone.
constexpr bars::FontLayout msi_font() {
    bars::FontLayout font{.two_width = true, .wide = 2, .quiet_left = 12, .quiet_right = 12};
    for (int d = 0; d < 10; ++d) {
        bars::GlyphDrawing g;
        for (int bit = 3; bit >= 0; --bit) g.add(((d >> bit) & 1) != 0 ? std::initializer_list<std::uint8_t>{bars::W, bars::N}
                                                                        : std::initializer_list<std::uint8_t>{bars::N, bars::W});
        font[static_cast<unsigned char>('0' + d)] = g.say({&kDigits[d], 1});
    }
    font['['] = bars::narrow_wide("wn");
    font[']'] = bars::narrow_wide("nwn");
    return font;
}
static_assert(msi_font()['7'].total() == 12 && msi_font()['0'].count_of(bars::W) == 4);

constexpr std::size_t kRoomWithCheck = kMaxConverted - 3;

// Digits at odd places from the right (the rightmost is place 1) count doubled, by digit
// sum; the others as they are.
char msi_check(std::string_view digits) {
    int sum = 0;
    bool doubled = true;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const int d = *it - '0';
        sum = (sum + (doubled ? kDoubledDigitSum[d] : d)) % 10;
        doubled = !doubled;
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

}  // namespace

constexpr bars::FontLayout kMsiFont = msi_font();

const char* encode_msi(const char* data) {
    Glyphs digits;
    const bool truncated = append_in_set(digits, data, kDigitIndex, kRoomWithCheck);
    digits.append(msi_check(digits.view()));
    return return_symbol("[", digits.view(), "]", truncated);
}

namespace {
bool is_digit_glyph(unsigned char c) { return is_digit(static_cast<char>(c)); }
}  // namespace

Reading read_msi(std::string_view s) {
    Reading r;
    r.type = "MSI/Plessey";
    const std::vector<std::size_t> inner = read_frame(s, {"[", "]", {}, is_digit_glyph}, r);
    for (std::size_t k = 0; k + 1 < inner.size(); ++k) {
        r.glyph(inner[k], GlyphRole::Data, s[inner[k]]);
        r.data += s[inner[k]];
    }
    if (!inner.empty()) r.check(inner.back(), s[inner.back()], msi_check(r.data));
    return r;
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

constexpr std::string_view kMsiNotes =
    "MSI/Plessey symbology is used primarily for inventory control. It can only encode numeric data. A modulo "
    "10 check digit is required.";
}  // namespace

void msi_handler(const Record& record, Outcome& out) {
    check_data(record, out, varnel::is_digit);
    out.take(varnel::encode_msi(record.data));
}

// The check digit is always there; the box shows it, and the flag stays on afterwards.
const Symbology kMsiPlessey{
    .notes = kMsiNotes,
    .rule = {.full_ascii = {Off}, .check_character = {Keep, Off}, .underlying_text = {Keep, On},
             .supplement_label = {Off}, .supplement_field = {Off}, .force_check = On},
    .takes_supplement = false,
    .handler = msi_handler,
};

}  // namespace varnel::glyphmate
