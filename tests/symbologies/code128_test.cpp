// SPDX-License-Identifier: MIT
#include "symbologies/code128.h"

#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "verify/read_back.h"
#include "encoding/primitives.h"
#include "test_support.h"

namespace {

using namespace varnel;
using test::bytes;

using Encoder = const char* (*)(const char*);

// What a scanner reads from an encoder's symbol, by the independent read-back verifier.
verify::Reading read_back(Encoder encoder, std::string_view out) {
    const verify::Symbol symbol = encoder == encode_code128a   ? verify::Symbol::Code128A
                                  : encoder == encode_code128b ? verify::Symbol::Code128B
                                  : encoder == encode_code128c ? verify::Symbol::Code128C
                                                               : verify::Symbol::Code128Auto;
    return verify::read_back(symbol, out);
}

// What a symbol of each variant should carry back to a scanner, given the data.
std::string fixed_a_carries(std::string_view data) {
    std::string out;
    for (char c : data) {
        const auto x = static_cast<unsigned char>(c);
        if ((x >= 0x01 && x <= 0x5F) || (x >= 0xC1 && x <= 0xC7)) out += c;
    }
    return out;
}

std::string fixed_b_carries(std::string_view data) {
    std::string out;
    for (char c : data) {
        const auto x = static_cast<unsigned char>(c);
        if ((x >= 0x20 && x <= 0x7F) || (x >= 0xC1 && x <= 0xC7)) out += c;
    }
    return out;
}

// The digits between FNC1s, an odd run with a leading zero; FNC1 where it stands.
std::string fixed_c_carries(std::string_view data) {
    std::string out, run;
    auto close_run = [&] {
        if (run.size() % 2 == 1) run.insert(run.begin(), '0');
        out += run;
        run.clear();
    };
    for (char c : data) {
        if (c == '\xC7') close_run(), out += c;
        else if (c >= '0' && c <= '9') run += c;
    }
    close_run();
    return out;
}

std::string auto_carries(std::string_view data) {
    std::string out;
    for (char c : data) {
        const auto x = static_cast<unsigned char>(c);
        if (x < 0x80 || x == 0xC1 || x == 0xC2 || x == 0xC6 || x == 0xC7) out += c;
    }
    return out;
}

struct Row {
    const char* name;
    Encoder encoder;
    std::string data;
    std::string expected;  // hex
};

class Code128 : public testing::TestWithParam<Row> {};

TEST_P(Code128, Encodes) {
    const Row& row = GetParam();
    const std::string out = row.encoder(row.data.c_str());
    EXPECT_EQ(test::hex(out), row.expected) << test::hex(row.data);
    EXPECT_FALSE(result_truncated());
    EXPECT_EQ(read_back(row.encoder, out).error, "");
}

INSTANTIATE_TEST_SUITE_P(
    FixedSets, Code128,
    testing::Values(
        Row{"a_empty", encode_code128a, "", "C8 CC CB CD"},  // 103 mod 103 = 0: 0xCC
        Row{"b_empty", encode_code128b, "", "C9 21 CB CD"},
        Row{"c_empty", encode_code128c, "", "CA 22 CB CD"},
        // 104 + 33 + 2x34 = 205, 205 mod 103 = 102: 0xC7
        Row{"b_ab", encode_code128b, "AB", "C9 41 42 C7 CB CD"},
        Row{"a_ab", encode_code128a, "AB", "C8 41 42 C6 CB CD"},
        // control characters are written as the glyph of their value: 0x01 is 65, "a"
        Row{"a_control", encode_code128a, bytes("41 01 42"), "C8 41 61 42 5B CB CD"},
        Row{"a_last_control", encode_code128a, bytes("1F"), "C8 C0 C0 CB CD"},
        // 103 + 73 = 176, 176 mod 103 = 73: "i"
        Row{"a_tab", encode_code128a, "\t", "C8 69 69 CB CD"},
        // a space is value 0, 0xCC: 103 + 33 + 0 + 3x34 = 238, mod 103 = 32
        Row{"a_space", encode_code128a, "A B", "C8 41 CC 42 40 CB CD"},
        Row{"b_space", encode_code128b, "A B", "C9 41 CC 42 41 CB CD"},
        // DEL is value 95, 0xC0: 104 + 65 + 0 + 3x66 + 4x95 = 747, mod 103 = 26
        Row{"b_space_and_del", encode_code128b, bytes("61 20 62 7F"), "C9 61 CC 62 C0 3A CB CD"},
        Row{"a_drops_lower_case", encode_code128a, "aBc", "C8 42 42 CB CD"},
        Row{"a_drops_high_bytes", encode_code128a, "A\xE9", "C8 41 41 CB CD"},
        Row{"b_drops_controls", encode_code128b, "\x01" "A", "C9 41 42 CB CD"},
        // typed function glyphs pass as themselves: 0xC1 is value 96
        Row{"a_fnc3", encode_code128a, "\xC1", "C8 C1 C1 CB CD"},
        Row{"b_fnc1", encode_code128b, "\xC7" "A", "C9 C7 41 62 CB CD"},
        // 104 + 102 = 206 = 2x103: a check value of 0 is 0xCC
        Row{"b_check_zero", encode_code128b, "\xC7", "C9 C7 CC CB CD"},
        // pairs 01 23 45: 105 + 1 + 2x23 + 3x45 = 287, mod 103 = 81
        Row{"c_odd_leading_zero", encode_code128c, "12345", "CA 21 37 4D 71 CB CD"},
        Row{"c_three", encode_code128c, "123", "CA 21 37 51 CB CD"},
        Row{"c_four", encode_code128c, "1234", "CA 2C 42 72 CB CD"},
        Row{"c_double_zero", encode_code128c, "00", "CA CC 22 CB CD"},
        Row{"c_95", encode_code128c, "95", "CA C0 C2 CB CD"},
        // 105 + 95 + 2x96 + 3x97 + 4x98 + 5x99 = 1570, mod 103 = 25
        Row{"c_high_pairs", encode_code128c, "9596979899", "CA C0 C1 C2 C3 C4 39 CB CD"},
        Row{"c_drops_letters", encode_code128c, "1A2", "CA 2C 2E CB CD"},
        // 0xC0 is dropped and never takes a digit's place: the pair is 13
        Row{"c_drops_function_glyphs", encode_code128c, "1\xC0" "3", "CA 2D 2F CB CD"},
        // FNC1 and eight pairs: 105 + 102 + 2x1 + 3x12 + 4x34 + 5x56 + 6x78 + 7x90 + 8x12 + 9x31
        // = 2134, mod 103 = 74: "j"
        Row{"c_fnc1_first", encode_code128c, "\xC7" "0112345678901231", "CA C7 21 2C 42 58 6E 7A 2C 3F 6A CB CD"},
        // runs 12 and 345 (03 45) on either side of FNC1: 105 + 12 + 2x102 + 3x3 + 4x45 = 510
        Row{"c_fnc1_between_runs", encode_code128c, "12\xC7" "345", "CA 2C C7 23 4D C3 CB CD"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Auto, Code128,
    testing::Values(
        Row{"empty", encode_code128auto, "", "C8 CC CB CD"},
        // A, B, C in set B, CODE C, 12 34, CODE B, "5": check value 87
        Row{"letters_then_digits", encode_code128auto, "ABC12345", "C9 41 42 43 C4 2C 42 C5 35 77 CB CD"},
        Row{"six_digits", encode_code128auto, "123456", "CA 2C 42 58 4C CB CD"},
        Row{"four_digits", encode_code128auto, "1234", "C9 C4 2C 42 34 CB CD"},
        Row{"space", encode_code128auto, "A B", "C9 41 CC 42 41 CB CD"},
        Row{"pairs_95", encode_code128auto, "9595", "C9 C4 C0 C0 5C CB CD"},
        Row{"control_first", encode_code128auto, bytes("01 41 42"), "C8 61 41 42 3B CB CD"},
        Row{"two_digits_stay", encode_code128auto, "A12", "C9 41 31 32 33 CB CD"},
        Row{"digit_then_letters", encode_code128auto, "1ABCD", "C9 31 41 42 43 44 7E CB CD"},
        // DEL in set B as value 95, 0xC0: 104 + 95 + 2x33 = 265, mod 103 = 59
        Row{"del_first", encode_code128auto, "\x7F" "A", "C9 C0 41 5B CB CD"},
        Row{"del_alone", encode_code128auto, "\x7F", "C9 C0 C1 CB CD"},
        // 103 + 65 + 2x100 + 3x95 = 653, mod 103 = 35
        Row{"del_after_control", encode_code128auto, bytes("01 7F"), "C8 61 C5 C0 43 CB CD"},
        // SHIFT, CODE C and CODE B typed in the data are dropped: the same as "AB"
        Row{"drops_set_changes", encode_code128auto, "A\xC3\xC4\xC5" "B", "C9 41 42 C7 CB CD"},
        // FNC3 is written in set A: 104 + 33 + 2x101 + 3x96 = 627, mod 103 = 9
        Row{"fnc3", encode_code128auto, "A\xC1", "C9 41 C6 C1 29 CB CD"},
        Row{"fnc4_alone", encode_code128auto, "\xC6", "C8 C6 C6 CB CD"},
        // a byte without a value still leaves its CODE A; "B" is then taken in set A
        Row{"high_byte", encode_code128auto, "A\xE9" "B", "C9 41 C6 42 3D CB CD"}),
    [](const auto& info) { return std::string(info.param.name); });

// Auto on mixed data: the exact string, and the code sets a scanner passes through.
struct AutoRow {
    const char* name;
    std::string data;
    std::string expected;  // hex
    std::string sets;
};

class Code128AutoMixed : public testing::TestWithParam<AutoRow> {};

TEST_P(Code128AutoMixed, ChoosesTheCodeSets) {
    const AutoRow& row = GetParam();
    const std::string out = encode_code128auto(row.data.c_str());
    EXPECT_EQ(test::hex(out), row.expected);
    const verify::Reading reading = read_back(encode_code128auto, out);
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.code_sets, row.sets);
    EXPECT_EQ(test::hex(reading.data), test::hex(auto_carries(row.data)));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, Code128AutoMixed,
    testing::Values(
        // three digits as the whole data: nothing follows them, so set B throughout
        AutoRow{"three_alone", "123", "C9 31 32 33 28 CB CD", "B"},
        // 105 + 12 + 2x34 + 3x100 + 4x21 = 569, mod 103 = 54
        AutoRow{"five_at_start", "12345", "CA 2C 42 C5 35 56 CB CD", "CB"},
        AutoRow{"four_at_start", "1234A", "CA 2C 42 C5 41 C7 CB CD", "CB"},
        // three digits with more after them change to set C for one pair
        AutoRow{"three_at_start", "123A", "C9 C4 2C C5 33 41 4F CB CD", "BCB"},
        AutoRow{"three_in_middle", "A123B", "C9 41 C4 2C C5 33 42 48 CB CD", "BCB"},
        AutoRow{"four_in_middle", "A1234B", "C9 41 C4 2C 42 C5 42 6E CB CD", "BCB"},
        AutoRow{"five_in_middle", "A12345B", "C9 41 C4 2C 42 C5 35 42 40 CB CD", "BCB"},
        AutoRow{"three_at_end", "X123", "C9 58 31 32 33 2F CB CD", "B"},
        AutoRow{"four_at_end", "X1234", "C9 58 C4 2C 42 2F CB CD", "BC"},
        AutoRow{"five_at_end", "X12345", "C9 58 C4 2C 42 C5 35 37 CB CD", "BCB"},
        // a space in set A changes to set B, and the next control character back
        AutoRow{"space_in_set_a", bytes("01 20 01"), "C8 61 C5 CC C6 61 63 CB CD", "ABA"},
        AutoRow{"capitals_stay_in_a", "\tAB", "C8 69 41 42 43 CB CD", "A"},
        AutoRow{"control_in_b", "a\tb", "C9 61 C6 69 C5 62 74 CB CD", "BAB"},
        // FNC1 changes no set; the digits after it go into set C
        AutoRow{"fnc1_first", "\xC7" "0112345678901231", "C8 C7 C4 21 2C 42 58 6E 7A 2C 3F 65 CB CD", "AC"},
        AutoRow{"fnc1_in_digits", "12\xC7" "34", "C9 31 32 C7 33 34 35 CB CD", "B"}),
    [](const auto& info) { return std::string(info.param.name); });

// Many generated inputs: every symbol reads back with a valid check, in whole symbol
// characters, carrying what the variant takes of the data (a prefix of it at the limit).
struct Variant {
    const char* name;
    Encoder encoder;
    std::string (*carries)(std::string_view);
    std::string_view set_changers;  // typed function glyphs that would change the set
};

class Code128Generated : public testing::TestWithParam<Variant> {};

std::string generated_data(std::mt19937& random) {
    static constexpr std::string_view kSpecials = " \x7F\xC1\xC2\xC3\xC4\xC5\xC6\xC7";
    const std::uint32_t r = random();
    const std::size_t length = r % 50 == 0 ? 200 + r % 200 : r % 24;
    std::string data;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint32_t c = random();
        switch (c % 8) {
            case 0: case 1: case 2: data += static_cast<char>('0' + c / 8 % 10); break;
            case 3: data += static_cast<char>('A' + c / 8 % 26); break;
            case 4: data += static_cast<char>('a' + c / 8 % 26); break;
            case 5: data += static_cast<char>(1 + c / 8 % 31); break;
            case 6: data += kSpecials[c / 8 % kSpecials.size()]; break;
            default: data += static_cast<char>(1 + c / 8 % 255); break;
        }
    }
    return data;
}

TEST_P(Code128Generated, ReadsBack) {
    const Variant& v = GetParam();
    std::mt19937 random(128);
    for (int n = 0; n < 3000; ++n) {
        std::string data = generated_data(random);
        std::erase_if(data, [&v](char c) { return v.set_changers.find(c) != std::string_view::npos; });
        const std::string out = v.encoder(data.c_str());
        const bool truncated = result_truncated();
        const verify::Reading reading = read_back(v.encoder, out);
        ASSERT_EQ(reading.error, "") << test::hex(data) << "\n" << test::hex(out);
        const std::string expected = v.carries(data);
        if (truncated) {
            ASSERT_TRUE(expected.starts_with(reading.data)) << test::hex(data);
            ASSERT_GE(out.size(), 254u) << test::hex(data);  // a unit holds at most two glyphs
        } else {
            ASSERT_EQ(test::hex(reading.data), test::hex(expected)) << test::hex(data);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Variants, Code128Generated,
    testing::Values(Variant{"a", encode_code128a, fixed_a_carries, "\xC3\xC4\xC5"},
                    Variant{"b", encode_code128b, fixed_b_carries, "\xC3\xC4\xC5\xC6"},
                    Variant{"c", encode_code128c, fixed_c_carries, ""},
                    Variant{"auto", encode_code128auto, auto_carries, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// At the limit: start, check, stop and closing glyphs stay, pairs and code changes stay
// with the character they are for.
struct LongRow {
    const char* name;
    Encoder encoder;
    std::string data;
    std::size_t length;
    bool truncated;
    std::string sets;
};

class Code128Long : public testing::TestWithParam<LongRow> {};

TEST_P(Code128Long, StaysWithin255) {
    const LongRow& row = GetParam();
    const std::string out = row.encoder(row.data.c_str());
    EXPECT_EQ(result_truncated(), row.truncated);
    EXPECT_EQ(out.size(), row.length);
    const verify::Reading reading = read_back(row.encoder, out);
    EXPECT_EQ(reading.error, "");
    EXPECT_EQ(reading.code_sets, row.sets);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Code128Long,
    testing::Values(
        LongRow{"a_fits", encode_code128a, std::string(251, 'A'), 255, false, "A"},
        LongRow{"a_cut", encode_code128a, std::string(400, 'A'), 255, true, "A"},
        LongRow{"c_fits", encode_code128c, std::string(502, '7'), 255, false, "C"},
        LongRow{"c_cut", encode_code128c, std::string(503, '7'), 255, true, "C"},
        LongRow{"auto_fits", encode_code128auto, std::string(251, 'A'), 255, false, "B"},
        LongRow{"auto_cut", encode_code128auto, std::string(252, 'A'), 255, true, "B"},
        LongRow{"auto_digits_fit", encode_code128auto, std::string(502, '7'), 255, false, "C"},
        // one place left: CODE C and its pair do not fit, and no CODE C is left dangling
        LongRow{"auto_code_change_at_limit", encode_code128auto, std::string(250, 'A') + "1234", 254, true, "B"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Code128Long, AnOddRunCutAtTheLimitKeepsItsLeadingZero) {
    const std::string out = encode_code128c(std::string(503, '7').c_str());
    // Appended, not "0" + std::string: GCC 12 at -O3 sees a false overlap in the insert (-Wrestrict).
    EXPECT_EQ(read_back(encode_code128c, out).data, std::string("0").append(501, '7'));
}

}  // namespace
