// SPDX-License-Identifier: MIT
#include "symbologies/upc_ean_addons.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "symbologies/reading.h"

namespace varnel {

namespace {

// By digit value 0 to 9 (read from 1 to 9 and then 0 they are the keyboard rows
// "zxcvbnm,./" and "ZXCVBNM<>?").
constexpr char kOddGlyphs[] = "/zxcvbnm,.";
constexpr char kEvenGlyphs[] = "?ZXCVBNM<>";
static_assert(sizeof kOddGlyphs - 1 == 10 && sizeof kEvenGlyphs - 1 == 10);

// Two-digit add-on, by the value modulo 4: the parities of the two digits ("1" odd).
constexpr std::array<std::string_view, 4> kAddon2Parity{"11", "10", "01", "00"};
// Five-digit add-on, by its checksum: the parity of each digit.
constexpr std::array<std::string_view, 10> kAddon5Parity{
    "00111", "01011", "01101", "01110", "10011", "11001", "11100", "10101", "10110", "11010",
};

template <std::size_t N>
constexpr bool all_of_length(const std::array<std::string_view, N>& rows, std::size_t n) {
    for (std::string_view row : rows)
        if (row.size() != n) return false;
    return true;
}
static_assert(all_of_length(kAddon2Parity, 2) && all_of_length(kAddon5Parity, 5));

constexpr char kAddonStart = '{', kDelineator = '\\';
constexpr unsigned char kNoGlyph = 0xFF;

bool exactly_digits(const char* s, std::size_t n) { return std::strlen(s) == n && all_in_set(s, kDigits); }

// "{" and the digits in the parities of the pattern, with the delineator between each two.
void write_addon(const char* digits, std::string_view parity, WorkBuffer& out) {
    WorkBuffer addon;
    append_char(addon.text, kAddonStart);
    for (std::size_t i = 0; i < parity.size(); ++i) {
        if (i > 0) append_char(addon.text, kDelineator);
        append_char(addon.text, addon_glyph(digits[i] - '0', parity[i] - '0'));
    }
    std::memcpy(out.text, addon.text, sizeof addon.text);
}

}  // namespace

char addon_glyph(int digit, int parity) {
    if (digit < 0 || digit > 9) return static_cast<char>(kNoGlyph);
    if (parity == kOddParity) return kOddGlyphs[digit];
    if (parity == kEvenParity) return kEvenGlyphs[digit];
    return static_cast<char>(kNoGlyph);
}

int addon2_encode(const char* digits, WorkBuffer& out) {
    if (!exactly_digits(digits, 2)) return 0;
    const int v = 10 * (digits[0] - '0') + (digits[1] - '0');
    write_addon(digits, kAddon2Parity[static_cast<std::size_t>(v % 4)], out);
    return 1;
}

int addon5_encode(const char* digits, WorkBuffer& out) {
    if (!exactly_digits(digits, 5)) return 0;
    auto e = [digits](int i) { return digits[i - 1] - '0'; };
    const int s = (3 * (e(1) + e(3) + e(5)) + 9 * (e(2) + e(4))) % 10;
    write_addon(digits, kAddon5Parity[static_cast<std::size_t>(s)], out);
    return 1;
}

const char* addon_encode(const char* supplement) {
    WorkBuffer digits;
    for (const char* p = supplement; *p != '\0'; ++p)
        if (is_digit(*p) && append_char(digits.text, *p) < 0) break;  // full: neither 2 nor 5
    WorkBuffer addon;
    if (digits.size() == 2) addon2_encode(digits.text, addon);
    if (digits.size() == 5) addon5_encode(digits.text, addon);
    return return_result(addon.view());
}

// The parities carry the add-on's check: the first digit in the other parity is the fault.
void read_addon(std::string_view s, std::size_t at, Reading& out) {
    if (at < s.size() && s[at] == kAddonStart) {
        out.glyph(at, GlyphRole::Start, kAddonStart);
        ++at;
    } else {
        out.fault(ReadFaultKind::NoStart, kNowhere, 0, kAddonStart);
    }
    struct Digit {
        std::size_t at;
        int value, parity;
    };
    std::vector<Digit> digits;
    const std::string_view odd = kOddGlyphs, even = kEvenGlyphs;
    for (; at < s.size(); ++at) {
        const char c = s[at];
        if (c == kDelineator) {
            out.glyph(at, GlyphRole::Guard, c);
        } else if (odd.find(c) != std::string_view::npos) {
            digits.push_back({at, static_cast<int>(odd.find(c)), kOddParity});
        } else if (even.find(c) != std::string_view::npos) {
            digits.push_back({at, static_cast<int>(even.find(c)), kEvenParity});
        } else {
            out.fault(c == kAddonStart ? ReadFaultKind::Misplaced : ReadFaultKind::NotInFont, at, c);
        }
    }
    std::string text;
    for (const Digit& d : digits) {
        out.glyph(d.at, GlyphRole::Data, s[d.at]);
        text += static_cast<char>('0' + d.value);
    }
    out.data += text;
    WorkBuffer expected;
    if ((text.size() == 2 && addon2_encode(text.c_str(), expected) == 1) ||
        (text.size() == 5 && addon5_encode(text.c_str(), expected) == 1)) {
        // The encoder writes "{" and the digits with a delineator between each two.
        for (std::size_t k = 0; k < digits.size(); ++k) {
            const char want = expected.text[1 + 2 * k];
            if (want != s[digits[k].at]) {
                out.fault(ReadFaultKind::WrongCheck, digits[k].at, s[digits[k].at], want);
                return;
            }
        }
        ++out.checks;
    }
}

// Add-on start guard: bar, space, double bar; delineator: space, bar.
void draw_addon_glyphs(bars::FontLayout& font, const std::array<bars::GlyphDrawing, 10>& odd,
                       const std::array<bars::GlyphDrawing, 10>& even) {
    font[kAddonStart] = bars::widths_of("112");
    font[kDelineator] = bars::widths_of("011");
    for (std::size_t d = 0; d < 10; ++d) {
        font[static_cast<unsigned char>(kOddGlyphs[d])] = odd[d];
        font[static_cast<unsigned char>(kEvenGlyphs[d])] = even[d];
    }
}

}  // namespace varnel
