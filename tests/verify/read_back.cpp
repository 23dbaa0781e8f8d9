// SPDX-License-Identifier: MIT
#include "verify/read_back.h"

#include <array>
#include <vector>

namespace verify {

namespace {

// --- Glyph layouts of the fonts and tables of the standards ------------------------------

// Code 39 and Code 93 share the 43 native characters, in the order of their values; the
// fonts draw the space at "=". Code 93 adds its four shift characters as values 43 to 46.
constexpr std::string_view kCode39Glyphs = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%";
constexpr std::string_view kCode93Glyphs = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.=$/+%@#^&";
static_assert(kCode39Glyphs.size() == 43 && kCode93Glyphs.size() == 47);
constexpr int kSpaceValue = 38;
// Code 93's shift characters ($), (%), (/), (+), as the font draws them.
constexpr std::string_view kCode93Shifts = "@#^&";

// UPC/EAN digit glyphs, written here in digit order 0 to 9.
constexpr std::string_view kSetA = "0123456789";       // odd parity, left half
constexpr std::string_view kSetB = "pqwertyuio";       // even parity, left half
constexpr std::string_view kSetC = ";asdfghjkl";       // right half
constexpr std::string_view kUpcFirst = "!@#$%^&*()";   // UPC-A number system digit
constexpr std::string_view kUpcLast = ":ASDFGHJKL";    // UPC-A check digit
constexpr unsigned char kOutsideZero = 0xC0;            // printed digit d is 0xC0 + d
static_assert(kSetB.size() == 10 && kSetC.size() == 10 && kUpcFirst.size() == 10 && kUpcLast.size() == 10);

// Parity of the six left-hand EAN-13 digits by the first digit ('A' odd, 'B' even).
constexpr std::array<std::string_view, 10> kEan13Parity{
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// Parity of the six UPC-E digits (number system 0) by the check digit.
constexpr std::array<std::string_view, 10> kUpcEParity{
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA", "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

// Add-on digit glyphs in digit order, odd and even parity; "{" starts, "\" delineates.
constexpr std::string_view kAddonOdd = "/zxcvbnm,.";
constexpr std::string_view kAddonEven = "?ZXCVBNM<>";
// Five-digit add-on parities by checksum ('1' odd, '0' even).
constexpr std::array<std::string_view, 10> kAddon5Parity{
    "00111", "01011", "01101", "01110", "10011", "11001", "11100", "10101", "10110", "11010"};
static_assert(kAddonOdd.size() == 10 && kAddonEven.size() == 10);

// Code 128 values with a fixed meaning, and the glyphs that close every symbol.
enum Code128Value : int { kFnc3 = 96, kFnc2 = 97, kShift = 98, kCodeC = 99, kStartA = 103, kStartB = 104, kStartC = 105 };
constexpr unsigned char kCode128Stop = 0xCB, kCode128Close = 0xCD;

constexpr std::string_view kCodabarChars = "0123456789-$:/.+";
constexpr std::string_view kCode11Chars = "0123456789-";  // "-" counts 10

constexpr unsigned char kItfStart = 0xCA, kItfStop = 0xCB;

// --- Small helpers ------------------------------------------------------------------------

unsigned char byte(char c) { return static_cast<unsigned char>(c); }

int position(std::string_view table, char c) {
    const std::size_t at = table.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

std::string describe(char c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("0x") + kDigits[byte(c) >> 4] + kDigits[byte(c) & 0x0F];
}

Reading failed(std::string error) {
    Reading r;
    r.error = std::move(error);
    return r;
}

// Strips the start and stop glyphs; false when they are not there.
bool frame(std::string_view s, std::string_view start, std::string_view stop, std::string_view& inner) {
    if (s.size() < start.size() + stop.size() || !s.starts_with(start) || !s.ends_with(stop)) return false;
    inner = s.substr(start.size(), s.size() - start.size() - stop.size());
    return true;
}

// The modulo 10 check digit of UPC/EAN, Code 25 and ITF: weights 3 and 1 from the right,
// the rightmost digit weighing 3.
int mod10_weight3(std::string_view digits) {
    int sum = 0, weight = 3;
    for (std::size_t i = digits.size(); i-- > 0; weight = 4 - weight) sum += (digits[i] - '0') * weight;
    return (10 - sum % 10) % 10;
}

// The MSI modulo 10 (Luhn) check digit: from the right, every other digit starting with the
// rightmost is doubled and its digits added. Exact for any length.
int msi_check(std::string_view digits) {
    int sum = 0;
    bool doubled = true;
    for (std::size_t i = digits.size(); i-- > 0; doubled = !doubled) {
        const int d = digits[i] - '0';
        sum += doubled ? (2 * d) / 10 + (2 * d) % 10 : d;
    }
    return (10 - sum % 10) % 10;
}

bool all_digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// The full ASCII table of Code 39 and Code 93: a shift ('$', '%', '/', '+') and a capital
// letter stand for one ASCII character. -1 for a pair the standard does not define.
int full_ascii_char(char shift, char letter) {
    if (letter < 'A' || letter > 'Z') return -1;
    const int k = letter - 'A';  // 0 for "A"
    switch (shift) {
        case '$': return 1 + k;                                  // SOH to SUB
        case '+': return 'a' + k;                                // lower case
        case '/':
            if (letter <= 'O') return '!' + k;                   // "!" to "/"
            if (letter <= 'Y') return '0' + (letter - 'P');      // digits
            return ':';
        case '%':
            if (letter <= 'E') return 27 + k;                    // ESC to US
            if (letter <= 'J') return ';' + (letter - 'F');      // ";" to "?"
            if (letter <= 'O') return '[' + (letter - 'K');      // "[" to "_"
            if (letter <= 'T') return '{' + (letter - 'P');      // "{" to DEL
            if (letter == 'U') return 0;                         // NUL
            if (letter == 'V') return '@';
            if (letter == 'W') return '`';
            return 127;                                          // %X, %Y, %Z: DEL
        default: return -1;
    }
}

// --- Code 39 ------------------------------------------------------------------------------

char code39_char(int value) { return value == kSpaceValue ? ' ' : kCode39Glyphs[static_cast<std::size_t>(value)]; }

Reading read_code39(std::string_view s, bool with_check) {
    std::string_view inner;
    if (!frame(s, "*", "*", inner)) return failed("no * start and stop");
    if (with_check && inner.empty()) return failed("no check character");
    Reading r;
    const std::string_view data = with_check ? inner.substr(0, inner.size() - 1) : inner;
    int sum = 0;
    for (char g : data) {
        const int v = position(kCode39Glyphs, g);
        if (v < 0) return failed("glyph " + describe(g) + " is no Code 39 character");
        sum += v;
        r.data += code39_char(v);
    }
    if (with_check) {
        const int check = position(kCode39Glyphs, inner.back());
        if (check != sum % 43) return failed("check character " + describe(inner.back()) + ", mod 43 gives " + kCode39Glyphs[static_cast<std::size_t>(sum % 43)]);
    }
    return r;
}

// One glyph of the native set (space at "=") or a shift pair of the full ASCII table.
Reading read_full_ascii(std::string_view data, std::string_view shifts) {
    Reading r;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const int shift = position(shifts, data[i]);
        if (shift >= 0) {
            const int c = i + 1 < data.size() ? full_ascii_char("$%/+"[shift], data[i + 1]) : -1;
            if (c < 0) return failed("shift " + describe(data[i]) + " without a letter of the table");
            r.data += static_cast<char>(c);
            ++i;
            continue;
        }
        const int v = position(kCode39Glyphs.substr(0, 39), data[i]);  // the pair set: no "$/+%"
        if (v < 0) return failed("glyph " + describe(data[i]) + " is not a full ASCII glyph");
        r.data += code39_char(v);
    }
    return r;
}

Reading read_code39_full_ascii(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "[", "]", inner)) return failed("no [ start and ] stop");
    return read_full_ascii(inner, "$%/+");
}

// The Extended font draws every ASCII character at its own code, except those it needs for
// itself: start "[", stop "]", the space at "=", and these moved above 0x7F.
Reading read_code39_extended(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "[", "]", inner)) return failed("no [ start and ] stop");
    Reading r;
    for (char g : inner) {
        const unsigned char b = byte(g);
        int c = -1;
        if (b >= 0xC1 && b <= 0xDF) c = b - 0xC0;  // controls 1 to 31
        else if (b == 0xE0) c = 127;
        else if (b == 0xF0) c = '=';
        else if (b == 0xF1) c = '[';
        else if (b == 0xF2) c = ']';
        else if (b == 0xF4) c = '*';
        else if (g == '=') c = ' ';
        else if (b > 0x20 && b < 0x7F && g != '[' && g != ']' && g != '*') c = b;
        if (c < 0) return failed("glyph " + describe(g) + " is not in the Extended font");
        r.data += static_cast<char>(c);
    }
    return r;
}

// --- Code 93 ------------------------------------------------------------------------------

// Weighted sum modulo 47, weights 1 to max_weight from the right, then again from 1.
int code93_check(std::string_view glyphs, int max_weight) {
    int sum = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const int weight = static_cast<int>(i % static_cast<std::size_t>(max_weight)) + 1;
        sum += position(kCode93Glyphs, glyphs[glyphs.size() - 1 - i]) * weight;
    }
    return sum % 47;
}

Reading read_code93(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "[", "]|", inner)) return failed("no [ start, ] stop and | termination bar");
    if (inner.size() < 2) return failed("no check characters C and K");
    for (char g : inner)
        if (position(kCode93Glyphs, g) < 0) return failed("glyph " + describe(g) + " is no Code 93 character");
    const std::string_view data = inner.substr(0, inner.size() - 2);
    const int c = code93_check(data, 20);
    if (position(kCode93Glyphs, inner[inner.size() - 2]) != c)
        return failed(std::string("check C is ") + inner[inner.size() - 2] + ", mod 47 gives " + kCode93Glyphs[static_cast<std::size_t>(c)]);
    const int k = code93_check(inner.substr(0, inner.size() - 1), 15);
    if (position(kCode93Glyphs, inner.back()) != k)
        return failed(std::string("check K is ") + inner.back() + ", mod 47 gives " + kCode93Glyphs[static_cast<std::size_t>(k)]);
    // Native "$", "/", "+", "%" are data here; only the shift glyphs start a pair.
    Reading r;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const int shift = position(kCode93Shifts, data[i]);
        if (shift < 0) {
            r.data += code39_char(position(kCode93Glyphs, data[i]));
            continue;
        }
        const int ch = i + 1 < data.size() ? full_ascii_char("$%/+"[shift], data[i + 1]) : -1;
        if (ch < 0) return failed("shift " + describe(data[i]) + " without a letter of the table");
        r.data += static_cast<char>(ch);
        ++i;
    }
    return r;
}

// --- UPC and EAN --------------------------------------------------------------------------

// Reads the digit of glyph g in one of the tables; '?' when g is not in it.
char digit_of(std::string_view table, char g) {
    const int d = position(table, g);
    return d < 0 ? '?' : static_cast<char>('0' + d);
}

char outside_digit(char g) {
    const unsigned char b = byte(g);
    return b >= kOutsideZero && b <= kOutsideZero + 9 ? static_cast<char>('0' + (b - kOutsideZero)) : '?';
}

// A left-hand digit in set A or B: its digit and its parity letter.
bool left_digit(char g, char& digit, char& parity) {
    if ((digit = digit_of(kSetA, g)) != '?') return parity = 'A', true;
    if ((digit = digit_of(kSetB, g)) != '?') return parity = 'B', true;
    return false;
}

struct Expect {
    std::size_t at;
    char glyph;
};

std::string check_guards(std::string_view s, std::initializer_list<Expect> guards) {
    for (const Expect& e : guards)
        if (s[e.at] != e.glyph) return std::string("no guard ") + e.glyph + " at " + std::to_string(e.at);
    return {};
}

std::string check_digit_error(std::string_view digits, char check) {
    const char expected = static_cast<char>('0' + mod10_weight3(digits));
    if (check == expected) return {};
    return std::string("check digit ") + check + ", mod 10 of " + std::string(digits) + " gives " + expected;
}

Reading read_upca(std::string_view s) {
    if (s.size() != 17) return failed("UPC-A has 17 glyphs, not " + std::to_string(s.size()));
    if (std::string e = check_guards(s, {{1, '['}, {8, '|'}, {15, ']'}}); !e.empty()) return failed(e);
    Reading r;
    r.data += digit_of(kUpcFirst, s[2]);
    for (std::size_t i = 3; i <= 7; ++i) r.data += digit_of(kSetA, s[i]);
    for (std::size_t i = 9; i <= 13; ++i) r.data += digit_of(kSetC, s[i]);
    const char check = digit_of(kUpcLast, s[14]);
    if (!all_digits(r.data) || check == '?') return failed("a glyph outside its digit table");
    if (outside_digit(s[0]) != r.data[0]) return failed("the printed number system digit differs from the encoded one");
    if (outside_digit(s[16]) != check) return failed("the printed check digit differs from the encoded one");
    if (std::string e = check_digit_error(r.data, check); !e.empty()) return failed(e);
    return r;
}

Reading read_ean13(std::string_view s) {
    if (s.size() != 16) return failed("EAN-13 has 16 glyphs, not " + std::to_string(s.size()));
    if (std::string e = check_guards(s, {{1, '['}, {8, '|'}, {15, ']'}}); !e.empty()) return failed(e);
    std::string left, parity;
    for (std::size_t i = 2; i <= 7; ++i) {
        char d, p;
        if (!left_digit(s[i], d, p)) return failed("glyph " + describe(s[i]) + " is in neither set A nor set B");
        left += d, parity += p;
    }
    // The first digit is not drawn in bars: it is the parity pattern of the next six.
    int first = -1;
    for (int d = 0; d < 10; ++d)
        if (kEan13Parity[static_cast<std::size_t>(d)] == parity) first = d;
    if (first < 0) return failed("parity pattern " + parity + " names no first digit");
    if (outside_digit(s[0]) != '0' + first) return failed("the printed first digit differs from the parity pattern's");
    Reading r;
    r.data = static_cast<char>('0' + first) + left;
    for (std::size_t i = 9; i <= 13; ++i) r.data += digit_of(kSetC, s[i]);
    const char check = digit_of(kSetC, s[14]);
    if (!all_digits(r.data) || check == '?') return failed("a glyph outside its digit table");
    if (std::string e = check_digit_error(r.data, check); !e.empty()) return failed(e);
    return r;
}

Reading read_ean8(std::string_view s) {
    if (s.size() != 11) return failed("EAN-8 has 11 glyphs, not " + std::to_string(s.size()));
    if (std::string e = check_guards(s, {{0, '['}, {5, '|'}, {10, ']'}}); !e.empty()) return failed(e);
    Reading r;
    for (std::size_t i = 1; i <= 4; ++i) r.data += digit_of(kSetA, s[i]);
    for (std::size_t i = 6; i <= 8; ++i) r.data += digit_of(kSetC, s[i]);
    const char check = digit_of(kSetC, s[9]);
    if (!all_digits(r.data) || check == '?') return failed("a glyph outside its digit table");
    if (std::string e = check_digit_error(r.data, check); !e.empty()) return failed(e);
    return r;
}

// The UPC-A number of six UPC-E digits (number system 0), or "" when there is none.
std::string upce_to_upca(std::string_view x) {
    const std::string_view x1x2 = x.substr(0, 2);
    switch (x[5]) {
        case '0': case '1': case '2':
            return "0" + std::string(x1x2) + x[5] + "0000" + std::string(x.substr(2, 3));
        case '3':
            if (x[2] <= '2') return {};  // those manufacturer numbers use the last digits 0 to 2
            return "0" + std::string(x.substr(0, 3)) + "00000" + std::string(x.substr(3, 2));
        case '4':
            return "0" + std::string(x.substr(0, 4)) + "00000" + x[4];
        default:
            return "0" + std::string(x.substr(0, 5)) + "0000" + x[5];
    }
}

Reading read_upce(std::string_view s) {
    if (s.size() != 10) return failed("UPC-E has 10 glyphs, not " + std::to_string(s.size()));
    if (std::string e = check_guards(s, {{1, '['}, {8, '\''}}); !e.empty()) return failed(e);
    if (outside_digit(s[0]) != '0') return failed("the printed number system is not 0");
    Reading r;
    std::string parity;
    for (std::size_t i = 2; i <= 7; ++i) {
        char d, p;
        if (!left_digit(s[i], d, p)) return failed("glyph " + describe(s[i]) + " is in neither set A nor set B");
        r.data += d, parity += p;
    }
    // The check digit is not drawn in bars: it is the parity pattern.
    int check = -1;
    for (int d = 0; d < 10; ++d)
        if (kUpcEParity[static_cast<std::size_t>(d)] == parity) check = d;
    if (check < 0) return failed("parity pattern " + parity + " names no check digit");
    if (outside_digit(s[9]) != '0' + check) return failed("the printed check digit differs from the parity pattern's");
    const std::string upca = upce_to_upca(r.data);
    if (upca.empty()) return failed(r.data + " has no UPC-A number");
    if (std::string e = check_digit_error(upca, static_cast<char>('0' + check)); !e.empty()) return failed(e);
    return r;
}

Reading addon_of(std::string_view s) {
    Reading r;
    if (s.empty()) return r;
    if (s[0] != '{' || (s.size() != 4 && s.size() != 10)) return failed("an add-on is { and 2 or 5 digits");
    std::string parity;
    for (std::size_t i = 1; i < s.size(); i += 2) {
        if (i > 1 && s[i - 1] != '\\') return failed("no delineator between the add-on digits");
        char d = digit_of(kAddonOdd, s[i]), p = '1';
        if (d == '?') d = digit_of(kAddonEven, s[i]), p = '0';
        if (d == '?') return failed("glyph " + describe(s[i]) + " is no add-on digit");
        r.addon += d, parity += p;
    }
    std::string_view expected;
    if (r.addon.size() == 2) {
        static constexpr std::array<std::string_view, 4> kAddon2Parity{"11", "10", "01", "00"};
        expected = kAddon2Parity[static_cast<std::size_t>(std::stoi(r.addon) % 4)];
    } else {
        const auto e = [&](std::size_t i) { return r.addon[i] - '0'; };
        expected = kAddon5Parity[static_cast<std::size_t>((3 * (e(0) + e(2) + e(4)) + 9 * (e(1) + e(3))) % 10)];
    }
    if (parity != expected) return failed("add-on parities " + parity + ", its checksum gives " + std::string(expected));
    return r;
}

Reading read_upc_ean(Symbol symbol, std::string_view s) {
    const std::size_t space = s.find(' ');
    Reading r;
    switch (symbol) {
        case Symbol::UpcA: r = read_upca(s.substr(0, space)); break;
        case Symbol::UpcE: r = read_upce(s.substr(0, space)); break;
        case Symbol::Ean13: r = read_ean13(s.substr(0, space)); break;
        default: r = read_ean8(s.substr(0, space)); break;
    }
    if (!r.ok() || space == std::string_view::npos) return r;
    Reading addon = addon_of(s.substr(space + 1));
    if (!addon.ok()) return addon;
    r.has_addon_part = true;
    r.addon = addon.addon;
    return r;
}

// --- Code 128 -----------------------------------------------------------------------------

// The value a glyph of the Code 128 font draws, or -1.
int code128_value(char g) {
    const unsigned char b = byte(g);
    if (b == 0xCC) return 0;
    if (b >= 0x21 && b <= 0x7E) return b - 0x20;
    if (b >= 0xC0 && b <= 0xCA) return b - 0x61;
    return -1;
}

enum class CodeSet { A, B, C };

// The byte that types a function value in the data (FNC1 0xC7, FNC2 0xC2, FNC3 0xC1,
// FNC4 0xC6: their glyphs in set A).
constexpr char kFnc1Byte = '\xC7', kFnc2Byte = '\xC2', kFnc3Byte = '\xC1', kFnc4Byte = '\xC6';

Reading read_code128(Symbol symbol, std::string_view s) {
    if (s.size() < 4) return failed("too short for start, check, stop and closing glyph");
    if (byte(s[s.size() - 2]) != kCode128Stop || byte(s.back()) != kCode128Close)
        return failed("no stop glyph 0xCB and closing glyph 0xCD at the end");
    const int start = code128_value(s[0]);
    const int wanted = symbol == Symbol::Code128A ? kStartA : symbol == Symbol::Code128B ? kStartB
                     : symbol == Symbol::Code128C ? kStartC : -1;
    if (start < kStartA || (wanted >= 0 && start != wanted)) return failed("start glyph " + describe(s[0]));

    const std::string_view body = s.substr(1, s.size() - 4);
    std::vector<int> values;
    long long sum = start;
    for (std::size_t k = 0; k < body.size(); ++k) {
        const int v = code128_value(body[k]);
        if (v < 0 || v >= kStartA) return failed("glyph " + describe(body[k]) + " is no data value");
        values.push_back(v);
        sum += static_cast<long long>(k + 1) * v;
    }
    const int check = code128_value(s[s.size() - 3]);
    if (check != sum % 103) return failed("check value " + std::to_string(check) + ", mod 103 gives " + std::to_string(sum % 103));

    Reading r;
    const bool gs1 = symbol == Symbol::Gs1_128;
    const bool follow = symbol == Symbol::Code128Auto || gs1;  // the fixed sets never change set
    const char fnc1 = gs1 ? '\x1D' : kFnc1Byte;
    if (gs1 && (values.empty() || values[0] != 102)) return failed("no FNC1 after the start");
    CodeSet set = start == kStartA ? CodeSet::A : start == kStartB ? CodeSet::B : CodeSet::C;
    const auto enter = [&](CodeSet next) {
        set = next;
        r.code_sets += "ABC"[static_cast<int>(next)];
    };
    enter(set);
    for (std::size_t k = gs1 ? 1 : 0; k < values.size(); ++k) {
        const int v = values[k];
        if (set == CodeSet::C) {
            if (v < 100) {
                r.data += static_cast<char>('0' + v / 10);
                r.data += static_cast<char>('0' + v % 10);
            } else if (!follow || v == 102) {
                r.data += v == 102 ? fnc1 : static_cast<char>(v + 0x61);
            } else {
                enter(v == 100 ? CodeSet::B : CodeSet::A);
            }
            continue;
        }
        if (v < 96) {
            // Below 64 both sets read the same; above it set A has the controls, B the lower case.
            r.data += static_cast<char>(set == CodeSet::A && v >= 64 ? v - 64 : v + 0x20);
            continue;
        }
        if (!follow) {
            r.data += static_cast<char>(v + 0x61);
            continue;
        }
        const int other_set = set == CodeSet::A ? 100 : 101;  // CODE B in A, CODE A in B
        const int fnc4 = set == CodeSet::A ? 101 : 100;
        if (gs1 && (v == kFnc2 || v == kFnc3 || v == fnc4)) return failed("FNC2, FNC3 or FNC4 in GS1 data");
        if (v == 102) r.data += fnc1;
        else if (v == kFnc2) r.data += kFnc2Byte;
        else if (v == kFnc3) r.data += kFnc3Byte;
        else if (v == fnc4) r.data += kFnc4Byte;
        else if (v == kCodeC) enter(CodeSet::C);
        else if (v == other_set) enter(set == CodeSet::A ? CodeSet::B : CodeSet::A);
        else if (v == kShift) {
            // The next value only is read in the other of sets A and B.
            if (k + 1 >= values.size() || values[k + 1] >= 96) return failed("SHIFT without a character after it");
            const int w = values[++k];
            const bool in_a = set == CodeSet::B;
            r.data += static_cast<char>(in_a && w >= 64 ? w - 64 : w + 0x20);
        }
    }
    if (gs1 && (r.data.empty() || r.data.back() == fnc1 || r.data.find("\x1D\x1D") != std::string::npos))
        return failed("GS1 data that is empty or has an empty element");
    return r;
}

// --- Codabar, Code 11, Code 25, ITF, MSI ----------------------------------------------------

Reading read_codabar(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "A", "B", inner)) return failed("no start A and stop B");
    for (char g : inner)
        if (position(kCodabarChars, g) < 0) return failed("glyph " + describe(g) + " is no Codabar data character");
    Reading r;
    r.data = inner;
    return r;
}

// Code 11 check digit: weights 1 to max_weight from the right, then again from 1; mod 11.
int code11_check(std::string_view chars, int max_weight) {
    int sum = 0;
    for (std::size_t i = 0; i < chars.size(); ++i)
        sum += position(kCode11Chars, chars[chars.size() - 1 - i]) * (static_cast<int>(i % static_cast<std::size_t>(max_weight)) + 1);
    return sum % 11;
}

Reading read_code11(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "[", "]", inner)) return failed("no [ start and ] stop");
    for (char g : inner)
        if (position(kCode11Chars, g) < 0) return failed("glyph " + describe(g) + " is no Code 11 character");
    // C always; K as well when the data has 11 characters or more. So 12 glyphs fit neither.
    if (inner.empty() || inner.size() == 12) return failed("the number of characters fits no data with its checks");
    const std::size_t checks = inner.size() > 12 ? 2 : 1;
    const std::string_view data = inner.substr(0, inner.size() - checks);
    if (position(kCode11Chars, inner[data.size()]) != code11_check(data, 10)) return failed("check digit C is wrong");
    if (checks == 2 && position(kCode11Chars, inner.back()) != code11_check(inner.substr(0, data.size() + 1), 9))
        return failed("check digit K is wrong");
    Reading r;
    r.data = data;
    return r;
}

Reading read_digits_with_check(std::string_view digits, bool with_check, int (*check)(std::string_view)) {
    if (!all_digits(digits)) return failed("a glyph that is no digit");
    Reading r;
    if (!with_check) {
        r.data = digits;
        return r;
    }
    if (digits.empty()) return failed("no check digit");
    r.data = digits.substr(0, digits.size() - 1);
    if (digits.back() - '0' != check(r.data))
        return failed(std::string("check digit ") + digits.back() + ", the standard gives " + std::to_string(check(r.data)));
    return r;
}

Reading read_code25(std::string_view s, bool with_check) {
    std::string_view inner;
    if (!frame(s, "[", "]", inner)) return failed("no [ start and ] stop");
    return read_digits_with_check(inner, with_check, mod10_weight3);
}

Reading read_msi(std::string_view s) {
    std::string_view inner;
    if (!frame(s, "[", "]", inner)) return failed("no [ start and ] stop");
    return read_digits_with_check(inner, true, msi_check);
}

Reading read_itf(std::string_view s, bool with_check) {
    if (s.size() < 2 || byte(s.front()) != kItfStart || byte(s.back()) != kItfStop)
        return failed("no start 0xCA and stop 0xCB");
    std::string digits;
    for (char g : s.substr(1, s.size() - 2)) {
        const unsigned char b = byte(g);
        const int v = b >= 0x21 && b <= 0x7E ? b - 0x21 : b >= 0xC4 && b <= 0xC9 ? b - 0x66 : -1;
        if (v < 0) return failed("glyph " + describe(g) + " is no ITF pair");
        digits += static_cast<char>('0' + v / 10);
        digits += static_cast<char>('0' + v % 10);
    }
    return read_digits_with_check(digits, with_check, mod10_weight3);
}

struct Entry {
    std::string_view type;
    Symbol plain, with_check, with_full_ascii;
};

constexpr std::array<Entry, 17> kForms{{
    {"Code39", Symbol::Code39, Symbol::Code39Check, Symbol::Code39FullAscii},
    {"Code39 Extended", Symbol::Code39Extended, Symbol::Code39Extended, Symbol::Code39Extended},
    {"Code93", Symbol::Code93, Symbol::Code93, Symbol::Code93},
    {"UPC-A", Symbol::UpcA, Symbol::UpcA, Symbol::UpcA},
    {"UPC-E", Symbol::UpcE, Symbol::UpcE, Symbol::UpcE},
    {"EAN-13", Symbol::Ean13, Symbol::Ean13, Symbol::Ean13},
    {"EAN-8", Symbol::Ean8, Symbol::Ean8, Symbol::Ean8},
    {"Interleaved 2 of 5", Symbol::Itf, Symbol::ItfCheck, Symbol::Itf},
    {"Code128A", Symbol::Code128A, Symbol::Code128A, Symbol::Code128A},
    {"Code128B", Symbol::Code128B, Symbol::Code128B, Symbol::Code128B},
    {"Code128C", Symbol::Code128C, Symbol::Code128C, Symbol::Code128C},
    {"Code128Auto", Symbol::Code128Auto, Symbol::Code128Auto, Symbol::Code128Auto},
    {"Codabar", Symbol::Codabar, Symbol::Codabar, Symbol::Codabar},
    {"Code11", Symbol::Code11, Symbol::Code11, Symbol::Code11},
    {"Code25", Symbol::Code25, Symbol::Code25Check, Symbol::Code25},
    {"MSI/Plessey", Symbol::Msi, Symbol::Msi, Symbol::Msi},
    {"GS1-128", Symbol::Gs1_128, Symbol::Gs1_128, Symbol::Gs1_128},
}};

}  // namespace

Reading read_back(Symbol symbol, std::string_view s) {
    if (s.size() > 255) return failed("longer than 255 characters");
    if (s.find('\0') != std::string_view::npos) return failed("a NUL inside");
    switch (symbol) {
        case Symbol::Code39: return read_code39(s, false);
        case Symbol::Code39Check: return read_code39(s, true);
        case Symbol::Code39FullAscii: return read_code39_full_ascii(s);
        case Symbol::Code39Extended: return read_code39_extended(s);
        case Symbol::Code93: return read_code93(s);
        case Symbol::UpcA: case Symbol::UpcE: case Symbol::Ean13: case Symbol::Ean8: return read_upc_ean(symbol, s);
        case Symbol::Itf: return read_itf(s, false);
        case Symbol::ItfCheck: return read_itf(s, true);
        case Symbol::Code128A: case Symbol::Code128B: case Symbol::Code128C: case Symbol::Code128Auto:
        case Symbol::Gs1_128:
            return read_code128(symbol, s);
        case Symbol::Codabar: return read_codabar(s);
        case Symbol::Code11: return read_code11(s);
        case Symbol::Code25: return read_code25(s, false);
        case Symbol::Code25Check: return read_code25(s, true);
        case Symbol::Msi: return read_msi(s);
    }
    return failed("unknown symbol");
}

Reading read_addon(std::string_view addon) { return addon_of(addon); }

std::optional<Symbol> symbol_of(std::string_view type, bool check_character, bool full_ascii) {
    for (const Entry& e : kForms)
        if (e.type == type) return check_character ? e.with_check : full_ascii ? e.with_full_ascii : e.plain;
    return std::nullopt;
}

std::string_view name(Symbol symbol) {
    static constexpr std::array<std::string_view, 21> kNames{
        "Code39", "Code39Check", "Code39FullAscii", "Code39Extended", "Code93", "UpcA", "UpcE", "Ean13", "Ean8",
        "Itf", "ItfCheck", "Code128A", "Code128B", "Code128C", "Code128Auto", "Codabar", "Code11", "Code25",
        "Code25Check", "Msi", "Gs1_128"};
    return kNames[static_cast<std::size_t>(symbol)];
}

std::string gs1_transmitted(const std::vector<std::pair<std::string, std::string>>& elements) {
    // GS1's AIs of predefined length, by their first two digits: only these go without GS.
    static constexpr std::string_view kPredefined[] = {"00", "01", "02", "03", "04", "11", "12", "13", "14", "15",
                                                       "16", "17", "18", "19", "20", "31", "32", "33", "34", "35",
                                                       "36", "41"};
    std::string out;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const auto& [ai, data] = elements[i];
        out += ai + data;
        bool predefined = false;
        for (std::string_view p : kPredefined) predefined = predefined || ai.starts_with(p);
        if (!predefined && i + 1 < elements.size()) out += '\x1D';
    }
    return out;
}

}  // namespace verify
