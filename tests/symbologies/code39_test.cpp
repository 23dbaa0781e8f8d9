// SPDX-License-Identifier: MIT
#include "symbologies/code39.h"

#include <string>

#include <gtest/gtest.h>

#include "encoding/primitives.h"
#include "test_support.h"

namespace {

using namespace varnel;
using test::bytes;

struct Row {
    const char* name;
    const char* (*encoder)(const char*);
    std::string data;
    std::string expected;
};

class Code39 : public testing::TestWithParam<Row> {};

TEST_P(Code39, Encodes) {
    const Row& row = GetParam();
    EXPECT_EQ(test::hex(row.encoder(row.data.c_str())), test::hex(row.expected)) << row.data;
    EXPECT_FALSE(result_truncated());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Code39,
    testing::Values(
        Row{"plain_empty", code39_plain, "", "**"},
        Row{"check_empty", code39_with_check, "", "*0*"},
        Row{"full_ascii_empty", code39_full_ascii, "", "[]"},
        Row{"extended_empty", code39_extended, "", "[]"},
        // 12+24+13+14+3+9 = 75, 75 mod 43 = 32: "W"
        Row{"check_code39", code39_with_check, "CODE39", "*CODE39W*"},
        // 10+38+11 = 59, 59 mod 43 = 16: "G"; the space is written "="
        Row{"check_space", code39_with_check, "A B", "*A=BG*"},
        Row{"plain_space", code39_plain, "A B", "*A=B*"},
        Row{"plain_drops_lower_case", code39_plain, "ab", "**"},
        Row{"plain_drops_star", code39_plain, "A*B", "*AB*"},
        Row{"plain_keeps_signs", code39_plain, "$%+-./", "*$%+-./*"},
        // value 38 checks as "=": "Y" (34) + "4" (4) = 38
        Row{"check_value_of_space", code39_with_check, "Y4", "*Y4=*"},
        // a character without a value is left out of data and sum alike
        Row{"check_drops_unknown", code39_with_check, "AaB*", "*ABL*"},
        Row{"check_drops_high_bytes", code39_with_check, "A\xF4" "B", "*ABL*"},
        Row{"full_ascii_word", code39_full_ascii, "Code", "[C+O+D+E]"},
        Row{"full_ascii_tab", code39_full_ascii, "\t", "[$I]"},
        Row{"full_ascii_at", code39_full_ascii, "@", "[%V]"},
        Row{"full_ascii_del", code39_full_ascii, "\x7F", "[%T]"},
        Row{"full_ascii_signs", code39_full_ascii, "!,/:;?[_`{", "[/A/L/O/Z%F%J%K%O%W%P]"},
        Row{"full_ascii_dollar", code39_full_ascii, "$%+", "[/D/E/K]"},
        Row{"full_ascii_controls", code39_full_ascii, "\x01\x1A\x1B\x1F", "[$A$Z%A%E]"},
        Row{"full_ascii_space_and_native", code39_full_ascii, "A-. 9", "[A-.=9]"},
        Row{"full_ascii_drops_high", code39_full_ascii, "A\xE9" "B", "[AB]"},
        Row{"extended_star", code39_extended, "A*B", bytes("5B 41 F4 42 5D")},
        Row{"extended_specials", code39_extended, " =[]\x7F", bytes("5B 3D F0 F1 F2 E0 5D")},
        Row{"extended_controls", code39_extended, "\x01\x1F", bytes("5B C1 DF 5D")},
        Row{"extended_drops_high", code39_extended, "a\xF4" "b", "[ab]"}),
    [](const auto& info) { return std::string(info.param.name); });

// Data that does not fit: the encoder keeps whole symbol characters, start, check and stop.
struct LongRow {
    const char* name;
    const char* (*encoder)(const char*);
    char data_char;
    std::size_t expected_length;
    std::string head, tail;
};

class Code39Long : public testing::TestWithParam<LongRow> {};

TEST_P(Code39Long, StaysWithin255) {
    const LongRow& row = GetParam();
    const std::string data(400, row.data_char);
    const std::string out = row.encoder(data.c_str());
    EXPECT_TRUE(result_truncated());
    EXPECT_EQ(out.size(), row.expected_length);
    EXPECT_TRUE(out.starts_with(row.head)) << out;
    EXPECT_TRUE(out.ends_with(row.tail)) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, Code39Long,
    testing::Values(
        LongRow{"plain", code39_plain, 'A', 255, "*A", "A*"},
        // 252 "A" (value 10): 2520 mod 43 = 26, "Q"
        LongRow{"with_check", code39_with_check, 'A', 255, "*A", "AQ*"},
        // pairs are never split: 126 pairs fill 252 of the 253 places
        LongRow{"full_ascii_pairs", code39_full_ascii, 'a', 254, "[+A", "+A]"},
        LongRow{"extended", code39_extended, '*', 255, "[\xF4", "\xF4]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Code39Long, ExactlyFittingDataIsNotCut) {
    const std::string data(253, 'A');
    EXPECT_EQ(std::string(code39_plain(data.c_str())).size(), 255u);
    EXPECT_FALSE(result_truncated());
}

}  // namespace
