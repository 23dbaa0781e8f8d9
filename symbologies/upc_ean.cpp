// SPDX-License-Identifier: MIT
#include "symbologies/upc_ean.h"

#include <array>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>
#include <utility>
#include <vector>

#include "symbologies/reading.h"
#include "symbologies/upc_ean_addons.h"

namespace varnel {

namespace {

// A digit glyph table: the glyph of a digit stands at the digit's position in the keys.
struct DigitGlyphs {
    std::string_view keys;
    std::string_view glyphs;
};

constexpr DigitGlyphs kSetA{"0123456789", "0123456789"};         // left half, odd parity
constexpr DigitGlyphs kSetB{"1234567890", "qwertyuiop"};         // left half, even parity
constexpr DigitGlyphs kSetC{"1234567890", "asdfghjkl;"};         // right half
constexpr DigitGlyphs kUpcaFirst{"0123456789", "!@#$%^&*()"};    // UPC-A number system digit
constexpr DigitGlyphs kUpcaLast{"1234567890", "ASDFGHJKL:"};     // UPC-A check digit

static_assert(kSetA.keys.size() == 10 && kSetA.glyphs.size() == 10);
static_assert(kSetB.keys.size() == 10 && kSetB.glyphs.size() == 10);
static_assert(kSetC.keys.size() == 10 && kSetC.glyphs.size() == 10);
static_assert(kUpcaFirst.keys.size() == 10 && kUpcaFirst.glyphs.size() == 10);
static_assert(kUpcaLast.keys.size() == 10 && kUpcaLast.glyphs.size() == 10);

// EAN-13, by the first digit: the set (A or B) of data digits 2 to 7.
constexpr std::array<std::string_view, 10> kEan13Parity{
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};
// UPC-E number system 0, by the check digit: the set of each of the six digits.
constexpr std::array<std::string_view, 10> kUpceParity{
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA", "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",
};

// UPC-E expansion by the last digit X6: "a" to "f" stand for X1 to X6, "0" for itself.
constexpr std::array<std::string_view, 10> kUpceExpansion{
    "0abf0000cde", "0abf0000cde", "0abf0000cde",  // X6 0, 1, 2
    "0abc00000de",                                // X6 3 (X3 must be 3 to 9)
    "0abcd00000e",                                // X6 4
    "0abcde0000f", "0abcde0000f", "0abcde0000f", "0abcde0000f", "0abcde0000f",  // X6 5 to 9
};

constexpr bool all_of_length(const std::array<std::string_view, 10>& table, std::size_t n) {
    for (std::string_view row : table)
        if (row.size() != n) return false;
    return true;
}
static_assert(all_of_length(kEan13Parity, 6) && all_of_length(kUpceParity, 6));
static_assert(all_of_length(kUpceExpansion, 11));

constexpr char kLeftGuard = '[', kCentreGuard = '|', kRightGuard = ']', kUpceEndGuard = '\'';
constexpr unsigned char kOutsideZero = 0xC0;

constexpr std::size_t kUpcaDigits = 11, kUpceDigits = 6, kEan13Digits = 12, kEan8Digits = 7;

// Number set A of each digit, space first, as the UPC/EAN standards draw it: seven modules,
// two bars. Set B is set A mirrored; set C is set A with bars and spaces swapped.
constexpr std::array<std::string_view, 10> kSetAWidths{
    "3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112",
};
constexpr bool seven_modules() {
    for (std::string_view w : kSetAWidths)
        if (bars::widths_of(w).count != 4 || bars::widths_of(w).total() != 7) return false;
    return true;
}
static_assert(seven_modules());

enum class NumberSet { A, B, C };

constexpr bars::GlyphDrawing digit_bars(int d, NumberSet set) {
    const std::string_view w = kSetAWidths[static_cast<std::size_t>(d)];
    bars::GlyphDrawing g;
    if (set != NumberSet::C) g.add({0});  // starts with a space
    for (std::size_t i = 0; i < 4; ++i) g.add({static_cast<std::uint8_t>((set == NumberSet::B ? w[3 - i] : w[i]) - '0')});
    const char digit = static_cast<char>('0' + d);
    return g.say({&digit, 1});
}

constexpr std::array<bars::GlyphDrawing, 10> digits_in(NumberSet set) {
    std::array<bars::GlyphDrawing, 10> all{};
    for (int d = 0; d < 10; ++d) all[static_cast<std::size_t>(d)] = digit_bars(d, set);
    return all;
}

// Callers pass digits only: the encoders keep nothing else.
char glyph(const DigitGlyphs& table, char digit) { return table.glyphs[table.keys.find(digit)]; }

// The printed digit beside the guard bars.
char outside_digit(char digit) { return static_cast<char>(kOutsideZero + (digit - '0')); }

// The digits of the data, every other character dropped; their number. A full buffer is
// already the wrong number for every symbology, so the rest of the data is not read.
std::size_t keep_digits(const char* data, WorkBuffer& digits) {
    std::size_t n = 0;
    for (const char* p = data; *p != '\0' && n < kMaxConverted; ++p)
        if (is_digit(*p)) digits.text[n++] = *p;
    digits.text[n] = '\0';
    return n;
}

void put(Glyphs& out, char c) { out.append(c); }

// One digit of d for each parity letter, in set A or B as the letter says.
void put_by_parity(Glyphs& out, const char* d, std::string_view parity) {
    for (std::size_t i = 0; i < parity.size(); ++i) put(out, glyph(parity[i] == 'A' ? kSetA : kSetB, d[i]));
}

void put_in_set(Glyphs& out, const DigitGlyphs& set, const char* d, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) put(out, glyph(set, d[i]));
}

// The UEB font. The UPC-A number system and check digits are drawn with tall bars and print
// nothing: their digits stand outside the guards, where an outside digit glyph prints one
// in seven modules of white. The space before an add-on is nine modules wide.
bars::FontLayout ueb_font() {
    bars::FontLayout font{.quiet_left = 11, .quiet_right = 9};
    const std::array<bars::GlyphDrawing, 10> a = digits_in(NumberSet::A), b = digits_in(NumberSet::B),
                                             c = digits_in(NumberSet::C);
    for (int d = 0; d < 10; ++d) {
        const char digit = static_cast<char>('0' + d);
        const auto i = static_cast<std::size_t>(d);
        font[static_cast<unsigned char>(glyph(kSetA, digit))] = a[i];
        font[static_cast<unsigned char>(glyph(kSetB, digit))] = b[i];
        font[static_cast<unsigned char>(glyph(kSetC, digit))] = c[i];
        bars::GlyphDrawing first = a[i], last = c[i];
        first.tall = last.tall = true;
        first.text = last.text = {};
        font[static_cast<unsigned char>(glyph(kUpcaFirst, digit))] = first;
        font[static_cast<unsigned char>(glyph(kUpcaLast, digit))] = last;
        font[static_cast<unsigned char>(outside_digit(digit))] = bars::widths_of("03").say({&digit, 1});
    }
    for (const auto& [guard, widths] : {std::pair{kLeftGuard, "111"}, std::pair{kRightGuard, "111"},
                                        std::pair{kCentreGuard, "011111"}, std::pair{kUpceEndGuard, "0111111"}}) {
        font[static_cast<unsigned char>(guard)] = bars::widths_of(widths);
        font[static_cast<unsigned char>(guard)].tall = true;
    }
    font[' '] = bars::widths_of("07");
    draw_addon_glyphs(font, a, b);
    return font;
}

}  // namespace

const bars::FontLayout kUebFont = ueb_font();

char upc_ean_check_digit(const char* digits) { return mod10_check_digit(digits); }

int upce_expand(const char* upce, WorkBuffer& upca) {
    if (std::strlen(upce) != kUpceDigits + 1 || upce[0] != '0' || !all_in_set(upce, kDigits)) return 0;
    const char* x = upce + 1;  // X1 .. X6
    const int x6 = x[5] - '0';
    if (x6 == 3 && x[2] < '3') return 0;
    const std::string_view pattern = kUpceExpansion[static_cast<std::size_t>(x6)];
    char number[kUpcaDigits + 1] = {};
    for (std::size_t i = 0; i < kUpcaDigits; ++i)
        number[i] = pattern[i] == '0' ? '0' : x[pattern[i] - 'a'];
    std::memcpy(upca.text, number, sizeof number);
    return 1;
}

const char* upca_encode(const char* data) {
    WorkBuffer digits;
    if (keep_digits(data, digits) != kUpcaDigits) return return_result(kInvalidLength);
    const char* d = digits.text;
    const char k = upc_ean_check_digit(d);

    Glyphs out;
    put(out, outside_digit(d[0]));
    put(out, kLeftGuard);
    put(out, glyph(kUpcaFirst, d[0]));
    put_in_set(out, kSetA, d + 1, 5);
    put(out, kCentreGuard);
    put_in_set(out, kSetC, d + 6, 5);
    put(out, glyph(kUpcaLast, k));
    put(out, kRightGuard);
    put(out, outside_digit(k));
    return return_result(out.view());
}

const char* upce_encode(const char* data) {
    WorkBuffer digits;
    if (keep_digits(data, digits) != kUpceDigits) return return_result(kInvalidLength);
    WorkBuffer system0, expansion;
    system0.text[0] = '0';
    std::strcat(system0.text, digits.text);
    if (upce_expand(system0.text, expansion) == 0) return return_result(kInvalidUpceNumber);
    const char k = upc_ean_check_digit(expansion.text);

    Glyphs out;
    put(out, outside_digit('0'));
    put(out, kLeftGuard);
    put_by_parity(out, digits.text, kUpceParity[static_cast<std::size_t>(k - '0')]);
    put(out, kUpceEndGuard);
    put(out, outside_digit(k));
    return return_result(out.view());
}

const char* ean13_encode(const char* data) {
    WorkBuffer digits;
    if (keep_digits(data, digits) != kEan13Digits) return return_result(kInvalidLengthEan13);
    const char* d = digits.text;
    const char k = upc_ean_check_digit(d);

    Glyphs out;
    put(out, outside_digit(d[0]));
    put(out, kLeftGuard);
    put_by_parity(out, d + 1, kEan13Parity[static_cast<std::size_t>(d[0] - '0')]);
    put(out, kCentreGuard);
    put_in_set(out, kSetC, d + 7, 5);
    put(out, glyph(kSetC, k));
    put(out, kRightGuard);
    return return_result(out.view());
}

const char* ean8_encode(const char* data) {
    WorkBuffer digits;
    if (keep_digits(data, digits) != kEan8Digits) return return_result(kInvalidLength);
    const char* d = digits.text;
    const char k = upc_ean_check_digit(d);

    Glyphs out;
    put(out, kLeftGuard);
    put_in_set(out, kSetA, d, 4);
    put(out, kCentreGuard);
    put_in_set(out, kSetC, d + 4, 3);
    put(out, glyph(kSetC, k));
    put(out, kRightGuard);
    return return_result(out.view());
}

namespace {

struct ReadDigit {
    std::size_t at;
    char digit;
    char set;  // 'A', 'B', 'C', or 'F' and 'L' for UPC-A's first and last digit
};

constexpr std::pair<char, const DigitGlyphs*> kReadSets[] = {
    {'A', &kSetA}, {'B', &kSetB}, {'C', &kSetC}, {'F', &kUpcaFirst}, {'L', &kUpcaLast}};

bool read_digit(char glyph, std::size_t at, ReadDigit& out) {
    for (const auto& [name, set] : kReadSets)
        if (const std::size_t k = set->glyphs.find(glyph); k != std::string_view::npos) {
            out = {at, set->keys[k], name};
            return true;
        }
    return false;
}

bool is_outside(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= kOutsideZero && b <= kOutsideZero + 9;
}

// The row of table that pattern is, as a digit; '?' when it is none.
template <std::size_t N>
char row_of(const std::array<std::string_view, N>& table, std::string_view pattern) {
    for (std::size_t d = 0; d < N; ++d)
        if (table[d] == pattern) return static_cast<char>('0' + d);
    return '?';
}

std::string parity_of(const std::vector<ReadDigit>& digits, std::size_t count) {
    std::string pattern;
    for (std::size_t k = 0; k < count && k < digits.size(); ++k) pattern += digits[k].set == 'B' ? 'B' : 'A';
    return pattern;
}

}  // namespace

// Guards, digits by their sets and the printed digits beside the bars; the member is told
// by the guards and the number of digits, unless the caller names it.
Reading read_upc_ean(std::string_view s, int member) {
    static constexpr const char* kNames[] = {"UPC-A", "UPC-E", "EAN-13", "EAN-8"};
    Reading r;
    const std::size_t space = s.find(' ');
    const std::string_view main = s.substr(0, space);
    std::size_t i = 0;
    char printed_first = 0;
    if (i < main.size() && is_outside(main[i])) {
        printed_first = static_cast<char>('0' + (static_cast<unsigned char>(main[i]) - kOutsideZero));
        r.glyph(i, GlyphRole::Text, main[i]);
        ++i;
    }
    ReadDigit skipped{};
    for (; i < main.size() && main[i] != kLeftGuard && !read_digit(main[i], i, skipped) && !is_outside(main[i]); ++i)
        r.fault(ReadFaultKind::NotInFont, i, main[i]);
    if (i < main.size() && main[i] == kLeftGuard) {
        r.glyph(i, GlyphRole::Start, kLeftGuard);
        ++i;
        r.framed = true;
    } else {
        r.fault(ReadFaultKind::NoStart, kNowhere, 0, kLeftGuard);
    }
    std::vector<ReadDigit> left, right;
    bool centre = false, ended = false;
    char end_guard = 0;
    for (; i < main.size(); ++i) {
        const char c = main[i];
        ReadDigit d{};
        if (ended) {
            if (is_outside(c) && i + 1 == main.size())
                r.glyph(i, GlyphRole::Text, c);
            else
                r.fault(read_digit(c, i, d) || c == kLeftGuard || c == kCentreGuard || c == kRightGuard || c == kUpceEndGuard
                            ? ReadFaultKind::Misplaced
                            : ReadFaultKind::NotInFont,
                        i, c);
        } else if (c == kCentreGuard && !centre) {
            centre = true;
            r.glyph(i, GlyphRole::Guard, c);
        } else if (c == kRightGuard || c == kUpceEndGuard) {
            ended = true;
            end_guard = c;
            r.framed = true;
            r.glyph(i, GlyphRole::Stop, c);
        } else if (read_digit(c, i, d)) {
            (centre ? right : left).push_back(d);
        } else {
            r.fault(c == kLeftGuard || c == kCentreGuard || is_outside(c) ? ReadFaultKind::Misplaced : ReadFaultKind::NotInFont, i, c);
        }
    }
    if (!ended) r.fault(ReadFaultKind::NoStop, kNowhere, 0, centre || left.size() != kUpceDigits ? kRightGuard : kUpceEndGuard);

    if (member < 0 || member > 3) {
        if (!centre && end_guard == kUpceEndGuard) member = 1;
        else if (!left.empty() && left[0].set == 'F') member = 0;
        else if (left.size() + right.size() >= 10) member = 2;
        else if (centre && left.size() == 4) member = 3;
        else member = !centre ? 1 : 2;
    }
    r.type = kNames[member];

    // A half with digits missing or to spare leaves the guard after it out of its place.
    static constexpr std::size_t kLeft[] = {6, 6, 6, 4}, kRight[] = {6, 0, 6, 4};
    const char want_end = member == 1 ? kUpceEndGuard : kRightGuard;
    std::size_t centre_at = kNowhere, end_at = kNowhere;
    for (const ReadGlyph& g : r.glyphs) {
        if (g.role == GlyphRole::Guard) centre_at = g.at;
        if (g.role == GlyphRole::Stop) end_at = g.at;
    }
    if (centre_at != kNowhere && (member == 1 || left.size() != kLeft[member]))
        r.fault(ReadFaultKind::Misplaced, centre_at, kCentreGuard);
    else if (end_at != kNowhere && (main[end_at] != want_end || (centre_at == kNowhere ? left.size() : right.size()) !=
                                                                     (member == 1 ? kLeft[1] : kRight[member])))
        r.fault(ReadFaultKind::Misplaced, end_at, main[end_at]);

    std::vector<ReadDigit> all(left);
    all.insert(all.end(), right.begin(), right.end());
    for (const ReadDigit& d : all) r.glyph(d.at, GlyphRole::Data, main[d.at]);
    auto check_last = [&](const DigitGlyphs& set) {
        if (all.empty()) return;
        std::string number;
        for (std::size_t k = 0; k + 1 < all.size(); ++k) number += all[k].digit;
        const char k = upc_ean_check_digit((r.data + number).c_str());
        const ReadDigit& last = all.back();
        r.glyphs.erase(r.glyphs.end() - 1);
        r.check(last.at, main[last.at], glyph(set, k));
        r.data += number;
        r.data += last.digit;
    };
    if (member == 0) {
        check_last(kUpcaLast);
    } else if (member == 2) {
        // The first digit is in the parities of the next six; the printed one stands in for it.
        char first = row_of(kEan13Parity, parity_of(left, 6));
        if (first == '?') first = printed_first != 0 ? printed_first : '0';
        r.data += first;
        check_last(kSetC);
    } else if (member == 3) {
        check_last(kSetC);
    } else {
        std::string digits;
        for (const ReadDigit& d : all) digits += d.digit;
        WorkBuffer upca;
        const bool expands = digits.size() == kUpceDigits && upce_expand(("0" + digits).c_str(), upca) == 1;
        const char found = row_of(kUpceParity, parity_of(all, kUpceDigits));
        const char expected = expands ? upc_ean_check_digit(upca.text) : found;
        r.data = "0" + digits;
        if (found != '?' || expands) r.data += found == '?' ? expected : found;
        if (expands && found != expected) {
            // The parities carry the check digit: the first digit in the wrong set is the fault.
            const std::string_view want = kUpceParity[static_cast<std::size_t>(expected - '0')];
            for (std::size_t k = 0; k < all.size() && k < want.size(); ++k)
                if ((all[k].set == 'B') != (want[k] == 'B')) {
                    r.fault(ReadFaultKind::WrongCheck, all[k].at, main[all[k].at], glyph(want[k] == 'B' ? kSetB : kSetA, all[k].digit));
                    break;
                }
        } else if (expands) {
            ++r.checks;
        }
    }
    if (space != std::string_view::npos) {
        r.glyph(space, GlyphRole::Text, ' ');
        read_addon(s, space + 1, r);
    }
    return r;
}

}  // namespace varnel

namespace varnel::glyphmate {

namespace {
using enum Set;

struct Member {
    std::size_t digits;  // the data digits, without the check digit
    const char* (*encode)(const char*);
};
constexpr Member kMembers[] = {{11, varnel::upca_encode}, {6, varnel::upce_encode}, {12, varnel::ean13_encode}, {7, varnel::ean8_encode}};

constexpr std::string_view kInvalidUpce =
    "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.";
constexpr std::string_view kBadSupplement = "The supplement must be 2 or 5 digits.";

// The check digit is always computed and the font always prints the digits; the
// supplement is shown, the Addon box left alone.
constexpr OptionRule kRule{.full_ascii = {Off}, .check_character = {Keep, Off}, .underlying_text = {Keep, Off},
                           .supplement_label = {On}, .supplement_field = {On}, .force_check = On, .force_text = On};

constexpr Symbology member(std::string_view notes, std::string_view web_site_lead, int variant) {
    return {.notes = notes, .web_site_lead = web_site_lead, .rule = kRule, .takes_supplement = true,
            .handler = upc_ean_handler, .variant = variant};
}
constexpr std::string_view kEanWebSite = " For more information, visit ";
}  // namespace

void upc_ean_handler(const Record& record, Outcome& out) {
    if (record.variant < 0 || record.variant >= static_cast<int>(std::size(kMembers))) return;
    const Member& m = kMembers[record.variant];
    if (check_data(record, out, varnel::is_digit) && record.size != m.digits)
        out.report("Only " + std::to_string(m.digits) + " digits are allowed.");

    const char* symbol = m.encode(record.data);
    const std::string_view main(symbol, varnel::result_size());
    // The encoders' texts for a wrong length or a UPC-E number without expansion.
    for (std::string_view text : {varnel::kInvalidLength, varnel::kInvalidLengthEan13, varnel::kInvalidUpceNumber})
        if (main == text) out.error_text = text;
    if (main == varnel::kInvalidUpceNumber) out.report(kInvalidUpce);
    if (record.supplement[0] == '\0') {
        out.converted = main;
        return;
    }
    out.composed.assign(main);  // before the add-on encoder reuses the result buffer
    out.converted = out.composed;
    const char* addon = varnel::addon_encode(record.supplement);
    if (varnel::result_size() == 0) {
        // Nothing would print after the main symbol, so no space goes there either.
        out.report(kBadSupplement);
        return;
    }
    out.composed.append(1, ' ').append(addon, varnel::result_size());
    out.converted = out.composed;
}

const Symbology kUpcA = member("UPC-A is used in retail industry. A UPC-A number consists of 11 digits of numeric data.", {}, 0);
const Symbology kUpcE = member(
    "UPC-E is the abbriviation form of a UPC-A number. It consists of 6 digits with a implied number system 0.", {}, 1);
const Symbology kEan13 = member("EAN13 encodes 12 digits of numeric data.", kEanWebSite, 2);
const Symbology kEan8 = member("EAN8 is the abbriviation form of a EAN-8 number.", kEanWebSite, 3);

}  // namespace varnel::glyphmate
