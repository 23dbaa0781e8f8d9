// SPDX-License-Identifier: MIT
// The verifier must accept the worked examples of every symbology and reject the same
// strings with a corrupted check character: otherwise the property tests prove nothing.
#include "verify/read_back.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "test_support.h"

namespace {

using test::bytes;
using verify::read_back;
using verify::Symbol;

struct Row {
    const char* name;
    Symbol symbol;
    std::string converted;
    std::string data;
    // Where the check character stands, counted from the end (0: none to corrupt).
    std::size_t check_from_end;
};

// gtest would print the bytes of a row, padding included.
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class ReadBack : public testing::TestWithParam<Row> {};

TEST_P(ReadBack, AcceptsTheExampleAndReadsItsData) {
    const Row& row = GetParam();
    const verify::Reading r = read_back(row.symbol, row.converted);
    EXPECT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(test::hex(r.data), test::hex(row.data));
}

// Every other byte in the place of the check character is another glyph with the wrong
// value, or no glyph at all.
TEST_P(ReadBack, RejectsEveryCorruptedCheckCharacter) {
    const Row& row = GetParam();
    if (row.check_from_end == 0) return;  // no check character
    const std::size_t at = row.converted.size() - row.check_from_end;
    for (int b = 1; b < 256; ++b) {
        std::string corrupted = row.converted;
        if (corrupted[at] == static_cast<char>(b)) continue;
        corrupted[at] = static_cast<char>(b);
        EXPECT_FALSE(read_back(row.symbol, corrupted).ok()) << test::hex(corrupted);
    }
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };

INSTANTIATE_TEST_SUITE_P(
    Code39, ReadBack,
    testing::Values(
        Row{"plain_empty", Symbol::Code39, "**", "", 0},
        Row{"plain_space", Symbol::Code39, "*A=B*", "A B", 0},
        Row{"check_empty", Symbol::Code39Check, "*0*", "", 2},
        // 12+24+13+14+3+9 = 75, 75 mod 43 = 32: "W"
        Row{"check_code39", Symbol::Code39Check, "*CODE39W*", "CODE39", 2},
        // 10+38+11 = 59, 59 mod 43 = 16: "G"
        Row{"check_space", Symbol::Code39Check, "*A=BG*", "A B", 2},
        Row{"full_ascii_word", Symbol::Code39FullAscii, "[C+O+D+E]", "Code", 0},
        Row{"full_ascii_tab_at_del", Symbol::Code39FullAscii, "[$I%V%T]", "\t@\x7F", 0},
        Row{"full_ascii_signs", Symbol::Code39FullAscii, "[/A/L/O/Z%F%J%K%O%W%P/D/E/K]", "!,/:;?[_`{$%+", 0},
        Row{"extended_star", Symbol::Code39Extended, bytes("5B 41 F4 42 5D"), "A*B", 0},
        Row{"extended_specials", Symbol::Code39Extended, bytes("5B 3D F0 F1 F2 E0 C1 DF 5D"), " =[]\x7F\x01\x1F", 0}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Code93, ReadBack,
    testing::Values(
        Row{"empty", Symbol::Code93, "[00]|", "", 3},
        // C: 3x1 + 9x2 + 14x3 + 13x4 + 24x5 + 12x6 = 307, 307 mod 47 = 25: "P";
        // K: 25x1 + 3x2 + 9x3 + 14x4 + 13x5 + 24x6 + 12x7 = 407, 407 mod 47 = 31: "V"
        Row{"code93", Symbol::Code93, "[CODE93PV]|", "CODE93", 3},
        Row{"test93", Symbol::Code93, "[TEST93+6]|", "TEST93", 3},
        Row{"space", Symbol::Code93, "[A=BNB]|", "A B", 3},
        // (%)B is value 44 "#" and C then 44 too: the shifts carry the glyphs' values
        Row{"shift_percent", Symbol::Code93, "[1DF#]|", "1D", 3},
        Row{"shift_slash", Symbol::Code93, "[FF^]|", "F", 3},
        Row{"shift_plus", Symbol::Code93, "[VV&]|", "V", 3},
        // C: 10x1 + 46x2 = 102, 102 mod 47 = 8; K: 8 + 20 + 138 = 166, 166 mod 47 = 25: "P"
        Row{"lower_case", Symbol::Code93, "[&A8P]|", "a", 3},
        // C: 10x1 + 45x2 + 18x3 + 43x4 = 326, 326 mod 47 = 44: "#"; K: 486 mod 47 = 16: "G"
        Row{"tab_and_bang", Symbol::Code93, "[@I^A#G]|", "\t!", 4}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    UpcEan, ReadBack,
    testing::Values(
        Row{"upca", Symbol::UpcA, bytes("C0") + "[!36000|slafgS]" + bytes("C2"), "03600029145", 3},
        Row{"upca_zero_check", Symbol::UpcA, bytes("C0") + "[!00000|;;;;;:]" + bytes("C0"), "00000000000", 3},
        // 4 from the parity pattern ABAABB; check 1
        Row{"ean13", Symbol::Ean13, bytes("C4") + "[0p63iq|dddlda]", "400638133393", 2},
        Row{"ean8", Symbol::Ean8, "[9638|g;jf]", "9638507", 2},
        // expansion 01234500006, check 5: pattern BAABBA
        Row{"upce", Symbol::UpcE, bytes("C0") + "[q23rt6'" + bytes("C5"), "123456", 1},
        Row{"upce_zeros", Symbol::UpcE, bytes("C0") + "[ppp000'" + bytes("C0"), "000000", 1}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Code128, ReadBack,
    testing::Values(
        Row{"b_ab", Symbol::Code128B, bytes("C9 41 42 C7 CB CD"), "AB", 3},
        Row{"a_ab", Symbol::Code128A, bytes("C8 41 42 C6 CB CD"), "AB", 3},
        // pairs 01, 23, 45: 105 + 1x1 + 23x2 + 45x3 = 287, 287 mod 103 = 81
        Row{"c_odd", Symbol::Code128C, bytes("CA 21 37 4D 71 CB CD"), "012345", 3},
        Row{"a_empty", Symbol::Code128A, bytes("C8 CC CB CD"), "", 3},
        Row{"b_empty", Symbol::Code128B, bytes("C9 21 CB CD"), "", 3},
        Row{"c_empty", Symbol::Code128C, bytes("CA 22 CB CD"), "", 3},
        Row{"c_95", Symbol::Code128C, bytes("CA C0 C2 CB CD"), "95", 3},
        Row{"c_high_pairs", Symbol::Code128C, bytes("CA C0 C1 C2 C3 C4 39 CB CD"), "9596979899", 3},
        // 105 + 102x1 + 1x2 = 209, 209 mod 103 = 3
        Row{"c_fnc1", Symbol::Code128C, bytes("CA C7 21 23 CB CD"), "\xC7" "01", 3},
        Row{"a_control", Symbol::Code128A, bytes("C8 41 61 42 5B CB CD"), "A\x01" "B", 3},
        Row{"a_us", Symbol::Code128A, bytes("C8 C0 C0 CB CD"), "\x1F", 3},
        Row{"b_space_del", Symbol::Code128B, bytes("C9 61 CC 62 C0 3A CB CD"), "a b\x7F", 3},
        // a function glyph in a fixed set is the byte that typed it
        // 104 + 96x1 + 33x2 = 266, 266 mod 103 = 60
        Row{"b_fnc3", Symbol::Code128B, bytes("C9 C1 41 5C CB CD"), "\xC1" "A", 3},
        Row{"auto_mixed", Symbol::Code128Auto, bytes("C9 41 42 43 C4 2C 42 C5 35 77 CB CD"), "ABC12345", 3},
        Row{"auto_digits", Symbol::Code128Auto, bytes("CA 2C 42 58 4C CB CD"), "123456", 3},
        Row{"auto_four_digits", Symbol::Code128Auto, bytes("C9 C4 2C 42 34 CB CD"), "1234", 3},
        Row{"auto_space", Symbol::Code128Auto, bytes("C9 41 CC 42 41 CB CD"), "A B", 3},
        Row{"auto_95", Symbol::Code128Auto, bytes("C9 C4 C0 C0 5C CB CD"), "9595", 3},
        Row{"auto_control_first", Symbol::Code128Auto, bytes("C8 61 41 42 3B CB CD"), "\x01" "AB", 3},
        Row{"auto_short_run", Symbol::Code128Auto, bytes("C9 41 31 32 33 CB CD"), "A12", 3},
        Row{"auto_letters", Symbol::Code128Auto, bytes("C9 31 41 42 43 44 7E CB CD"), "1ABCD", 3},
        // CODE A then FNC4 (101 in set A): 104 + 101 + 2x101 = 407, 407 mod 103 = 98
        Row{"auto_fnc4", Symbol::Code128Auto, bytes("C9 C6 C6 C3 CB CD"), "\xC6", 3},
        // SHIFT in set B reads one character in set A: 104 + 98 + 2x65 = 332, 332 mod 103 = 23
        Row{"auto_shift", Symbol::Code128Auto, bytes("C9 C3 61 37 CB CD"), "\x01", 3}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Codabar, ReadBack,
    testing::Values(Row{"empty", Symbol::Codabar, "AB", "", 0}, Row{"digits", Symbol::Codabar, "A123B", "123", 0},
                    Row{"colon", Symbol::Codabar, "A1:2B", "1:2", 0}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Code11, ReadBack,
    testing::Values(
        Row{"empty", Symbol::Code11, "[0]", "", 2},
        // 5x1 + 4x2 + 10x3 + 3x4 + 2x5 + 1x6 = 71, 71 mod 11 = 5
        Row{"dash", Symbol::Code11, "[123-455]", "123-45", 2},
        Row{"ten", Symbol::Code11, "[12345678901]", "1234567890", 2},
        // C: weights 1..10 and again 1: 246 mod 11 = 4; K: weights 1..9 and again: 252 mod 11 = 10, "-"
        Row{"eleven", Symbol::Code11, "[123456789014-]", "12345678901", 2},
        Row{"eleven_c", Symbol::Code11, "[123456789014-]", "12345678901", 3}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    TwoOfFive, ReadBack,
    testing::Values(
        Row{"code25_empty", Symbol::Code25, "[]", "", 0},
        Row{"code25", Symbol::Code25, "[1234]", "1234", 0},
        Row{"code25_check_empty", Symbol::Code25Check, "[0]", "", 2},
        // 3x3 + 2x1 + 1x3 = 14: check 6
        Row{"code25_check", Symbol::Code25Check, "[1236]", "123", 2},
        Row{"code25_check_zero", Symbol::Code25Check, "[95990]", "9599", 2},
        Row{"itf_empty", Symbol::Itf, bytes("CA CB"), "", 0},
        Row{"itf_leading_zero", Symbol::Itf, bytes("CA 22 38 CB"), "0123", 0},
        Row{"itf_high_pairs", Symbol::Itf, bytes("CA C5 C9 CB"), "9599", 0},
        Row{"itf_check_empty", Symbol::ItfCheck, bytes("CA 21 CB"), "0", 0},
        // the check digit shares its glyph with a data digit: another pair can be right too
        Row{"itf_check_odd", Symbol::ItfCheck, bytes("CA 2D 45 CB"), "123", 0},
        Row{"itf_check_even", Symbol::ItfCheck, bytes("CA 22 38 51 CB"), "01234", 0},
        // 0x3 + 9x1 + 5x3 + 9x1 + 9x3 = 60: check 0, pairs 09 59 90
        Row{"itf_check_high", Symbol::ItfCheck, bytes("CA 2A 5C 7B CB"), "09599", 0}),
    kName);

INSTANTIATE_TEST_SUITE_P(
    Msi, ReadBack,
    testing::Values(
        Row{"empty", Symbol::Msi, "[0]", "", 2},
        // N = 1357, 2N = 2714: 14; 2 + 4 + 6 = 12; 26: check 4
        Row{"seven", Symbol::Msi, "[12345674]", "1234567", 2},
        Row{"five", Symbol::Msi, "[805234]", "80523", 2},
        Row{"one", Symbol::Msi, "[59]", "5", 2},
        Row{"zero", Symbol::Msi, "[00]", "0", 2},
        Row{"twenty", Symbol::Msi, "[123456789012345678906]", "12345678901234567890", 2}),
    kName);

TEST(ReadBack, Addons) {
    struct AddonRow {
        std::string text, digits;
    };
    const AddonRow rows[] = {
        {"", ""},
        {"{z\\x", "12"},   // 12 mod 4 = 0: odd, odd
        {"{/\\Z", "01"},   // 1: odd, even
        {"{?\\x", "02"},   // 2: even, odd
        {"{?\\C", "03"},   // 3: even, even
        {"{/\\/", "00"},
        // 3x14 + 9x11 = 141: checksum 1, 01011
        {"{B\\x\\V\\.\\b", "52495"},
        {"{Z\\x\\C\\v\\b", "12345"},
        {"{?\\?\\/\\/\\/", "00000"},
    };
    for (const AddonRow& row : rows) {
        const verify::Reading r = verify::read_addon(row.text);
        EXPECT_TRUE(r.ok()) << row.text << ": " << r.error;
        EXPECT_EQ(r.addon, row.digits);
    }
    for (std::string bad : {"{z\\X", "{Z\\x\\C\\v\\B", "{zx", "z\\x", "{z\\x\\c", "{1\\2"})
        EXPECT_FALSE(verify::read_addon(bad).ok()) << bad;
}

TEST(ReadBack, UpcEanWithTheAddonBehindOneSpace) {
    const std::string upca = bytes("C0") + "[!36000|slafgS]" + bytes("C2");
    verify::Reading r = read_back(Symbol::UpcA, upca + " {z\\x");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.data, "03600029145");
    EXPECT_TRUE(r.has_addon_part);
    EXPECT_EQ(r.addon, "12");
    r = read_back(Symbol::UpcA, upca + " ");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_TRUE(r.has_addon_part);
    EXPECT_EQ(r.addon, "");
    EXPECT_FALSE(read_back(Symbol::UpcA, upca).has_addon_part);
}

// Strings that look like symbols but are not: each must be rejected, and say why.
TEST(ReadBack, RejectsMalformedSymbols) {
    struct Bad {
        Symbol symbol;
        std::string converted;
    };
    const Bad rows[] = {
        {Symbol::Code39, "*A*B*"},                   // "*" is no data
        {Symbol::Code39, "*AB"},                     // no stop
        {Symbol::Code39Check, "**"},                 // no check character
        {Symbol::Code39FullAscii, "[A$]"},           // shift without letter
        {Symbol::Code39FullAscii, "[%!]"},
        {Symbol::Code39FullAscii, "[a]"},            // lower case is no glyph
        {Symbol::Code39Extended, "[A*B]"},           // "*" is drawn at 0xF4
        {Symbol::Code39Extended, bytes("5B 41 F3 5D")},
        {Symbol::Code39Extended, "[A B]"},           // the space is drawn at "="
        {Symbol::Code93, "[CODE93PV]"},              // no termination bar
        {Symbol::Code93, "[0]|"},                    // one check character
        {Symbol::Code93, "[@@Z]|"},                  // shift as the last data symbol (checks right)
        {Symbol::UpcA, bytes("C1") + "[!36000|slafgS]" + bytes("C2")},  // printed digit differs
        {Symbol::UpcA, bytes("C0") + "[!36000|slafgS]" + bytes("C2") + "{z\\x"},  // add-on without space
        {Symbol::Ean13, bytes("C4") + "[0p63iq|dddlda"},  // 15 glyphs
        {Symbol::Ean13, bytes("C5") + "[0p63iq|dddlda]"},  // first digit 4 by the parity
        {Symbol::Ean13, bytes("C0") + "[pp6riq|dddlda]"},  // pattern BBABBB names no first digit
        {Symbol::UpcE, bytes("C0") + "[qwp003'" + bytes("C0")},  // 120003 has no UPC-A number
        {Symbol::UpcE, bytes("C1") + "[q23rt6'" + bytes("C5")},  // number system 1
        {Symbol::Code128A, bytes("C9 41 42 C7 CB CD")},  // set B start for set A
        {Symbol::Code128B, bytes("C9 20 41 CB CD")},      // a raw space is no glyph
        {Symbol::Code128B, bytes("C9 41 42 C7 CB")},      // no closing glyph
        {Symbol::Code128Auto, bytes("C9 C8 C8 CB CD")},   // a start value among the data
        {Symbol::Code128Auto, bytes("C9 C3 C4 CB CD")},   // SHIFT with nothing after it (check right)
        {Symbol::Gs1_128, bytes("C9 41 42 C7 CB CD")},      // no FNC1 after the start
        {Symbol::Gs1_128, bytes("C9 C7 41 C7 5F CB CD")},   // FNC1 as the last data value
        {Symbol::Codabar, "A1AB"},
        {Symbol::Codabar, "A12"},
        {Symbol::Code11, "[]"},
        {Symbol::Code11, "[1234567890123]"},          // 12 glyphs fit no data with its checks
        {Symbol::Code25, "[12a]"},
        {Symbol::Msi, "[]"},
        {Symbol::Itf, bytes("CA 20 CB")},
        {Symbol::Itf, bytes("CA 21")},
        {Symbol::ItfCheck, bytes("CA 2D 46 CB")},     // 1237: the check digit of 123 is 6
    };
    for (const Bad& row : rows) {
        const verify::Reading r = read_back(row.symbol, row.converted);
        EXPECT_FALSE(r.ok()) << verify::name(row.symbol) << " " << test::hex(row.converted);
    }
    EXPECT_FALSE(read_back(Symbol::Code39, "*" + std::string(254, 'A') + "*").ok());  // 256 characters
    EXPECT_FALSE(read_back(Symbol::Code39, std::string("*A\0B*", 5)).ok());
}

// A modulo 43, 47, 103 or 11 check, the UPC/EAN digit and the MSI digit each catch every
// single substitution of a data character. (Not so UPC-E, whose other expansions can share
// a check digit, nor ITF, whose glyphs stand for two digits.)
TEST(ReadBack, EverySingleSubstitutionIsCaught) {
    struct Checked {
        Symbol symbol;
        std::string converted;
        std::size_t first, last;  // the data glyphs
    };
    const Checked rows[] = {
        {Symbol::Code39Check, "*CODE39W*", 1, 6},
        {Symbol::Code93, "[CODE93PV]|", 1, 6},
        {Symbol::UpcA, bytes("C0") + "[!36000|slafgS]" + bytes("C2"), 0, 16},
        {Symbol::Ean13, bytes("C4") + "[0p63iq|dddlda]", 0, 15},
        {Symbol::Ean8, "[9638|g;jf]", 0, 10},
        {Symbol::Code128Auto, bytes("C9 41 42 43 C4 2C 42 C5 35 77 CB CD"), 0, 9},
        {Symbol::Code11, "[123-455]", 1, 6},
        {Symbol::Msi, "[12345674]", 1, 7},
        {Symbol::Code25Check, "[1236]", 1, 3},
    };
    for (const Checked& row : rows) {
        for (std::size_t at = row.first; at <= row.last; ++at)
            for (int b = 1; b < 256; ++b) {
                std::string s = row.converted;
                if (s[at] == static_cast<char>(b)) continue;
                s[at] = static_cast<char>(b);
                EXPECT_FALSE(read_back(row.symbol, s).ok()) << verify::name(row.symbol) << " " << test::hex(s);
            }
    }
}

TEST(SymbolOf, FollowsTheOptions) {
    EXPECT_EQ(verify::symbol_of("Code39", false, false), Symbol::Code39);
    EXPECT_EQ(verify::symbol_of("Code39", true, false), Symbol::Code39Check);
    EXPECT_EQ(verify::symbol_of("Code39", false, true), Symbol::Code39FullAscii);
    EXPECT_EQ(verify::symbol_of("Interleaved 2 of 5", true, true), Symbol::ItfCheck);
    EXPECT_EQ(verify::symbol_of("Code25", false, true), Symbol::Code25);
    EXPECT_EQ(verify::symbol_of("MSI/Plessey", false, false), Symbol::Msi);
    EXPECT_EQ(verify::symbol_of("Code 39", false, false), std::nullopt);
}

}  // namespace
