// SPDX-License-Identifier: MIT
#include "symbologies/two_of_five.h"

#include <string>

#include <gtest/gtest.h>

#include "encoding/primitives.h"
#include "test_support.h"

namespace {

using namespace varnel;
using test::bytes;
using test::hex;

// One row per data, one column per encoder, as hex codes.
struct Row {
    const char* name;
    std::string data;
    const char* code25;
    const char* code25_check;
    const char* itf;
    const char* itf_check;
};

class TwoOfFive : public testing::TestWithParam<Row> {};

TEST_P(TwoOfFive, Encodes) {
    const Row& row = GetParam();
    const char* data = row.data.c_str();
    EXPECT_EQ(hex(encode_code25(data)), row.code25) << "Code 25";
    EXPECT_EQ(hex(encode_code25_check(data)), row.code25_check) << "Code 25 with check";
    EXPECT_EQ(hex(encode_itf25(data)), row.itf) << "ITF";
    EXPECT_EQ(hex(encode_itf25_check(data)), row.itf_check) << "ITF with check";
    EXPECT_FALSE(result_truncated());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TwoOfFive,
    testing::Values(
        // without digits: Code 25 checks "0", ITF checks the pair "00"
        Row{"empty", "", "5B 5D", "5B 30 5D", "CA CB", "CA 21 CB"},
        // check 3x3 + 2 + 1x3 = 14: 6. ITF pads in front: "0123", pairs 01 and 23
        Row{"odd", "123", "5B 31 32 33 5D", "5B 31 32 33 36 5D", "CA 22 38 CB", "CA 2D 45 CB"},
        // check 4x3 + 3 + 2x3 + 1 = 22: 8. ITF with check "012348"
        Row{"even", "1234", "5B 31 32 33 34 5D", "5B 31 32 33 34 38 5D", "CA 2D 43 CB", "CA 22 38 51 CB"},
        // check 2x3 + 1 = 7: 3. ITF with check "0123": the leading "0" leaves the value 12
        Row{"two", "12", "5B 31 32 5D", "5B 31 32 33 5D", "CA 2D CB", "CA 22 38 CB"},
        Row{"one", "1", "5B 31 5D", "5B 31 37 5D", "CA 22 CB", "CA 32 CB"},
        // check 27 + 9 + 15 + 9 = 60, a multiple of 10: "0". Pairs 95 and 99 draw at 0xC5, 0xC9;
        // with check "095990": 09, 59, 90
        Row{"high_pairs", "9599", "5B 39 35 39 39 5D", "5B 39 35 39 39 30 5D", "CA C5 C9 CB",
            "CA 2A 5C 7B CB"},
        // 93 is the last low glyph (0x7E), 94 the first high one (0xC4)
        Row{"pair_93_94", "9394", "5B 39 33 39 34 5D", "5B 39 33 39 34 31 5D", "CA 7E C4 CB", "CA 2A 48 4A CB"},
        Row{"drops_non_digits", "1A2-3", "5B 31 32 33 5D", "5B 31 32 33 36 5D", "CA 22 38 CB", "CA 2D 45 CB"},
        Row{"drops_high_bytes", "\xB9" "1\xBD" "2", "5B 31 32 5D", "5B 31 32 33 5D", "CA 2D CB", "CA 22 38 CB"}),
    [](const auto& info) { return std::string(info.param.name); });

// The long strings are appended to, not built as "literal" + std::string: GCC 12 at -O3 sees
// a false overlap in that insert (-Wrestrict).
TEST(Code25Long, KeepsCheckAndStop) {
    const std::string data(400, '1');
    EXPECT_EQ(encode_code25(data.c_str()), std::string("[").append(253, '1') + "]");
    EXPECT_TRUE(result_truncated());
    // 252 ones: 126 x 3 + 126 = 504: check 6
    EXPECT_EQ(encode_code25_check(data.c_str()), std::string("[").append(252, '1') + "6]");
    EXPECT_TRUE(result_truncated());
}

struct ItfLongRow {
    const char* name;
    const char* (*encoder)(const char*);
    std::size_t digits;
    bool truncated;
    std::string expected;
};

class ItfLong : public testing::TestWithParam<ItfLongRow> {};

// 253 pair glyphs fit between start and stop: 506 digits, check digit included.
TEST_P(ItfLong, TakesWholePairsUpToTheLimit) {
    const ItfLongRow& row = GetParam();
    const std::string data(row.digits, '1');
    EXPECT_EQ(hex(row.encoder(data.c_str())), hex(row.expected));
    EXPECT_EQ(result_truncated(), row.truncated);
}

const std::string zero_one = bytes("22");  // pair 01: the leading "0"; pair 11 is 0x2C

INSTANTIATE_TEST_SUITE_P(
    Limits, ItfLong,
    testing::Values(
        ItfLongRow{"plain_odd_fits_with_its_zero", encode_itf25, 505, false,
                   ("\xCA" + zero_one).append(252, '\x2C') + "\xCB"},
        ItfLongRow{"plain_cut_to_an_even_count", encode_itf25, 507, true,
                   std::string("\xCA").append(253, '\x2C') + "\xCB"},
        // 504 ones get the leading "0": 252 x 3 + 252 = 1008: check 2, last pair 12 (0x2D)
        ItfLongRow{"check_even_fits_with_its_zero", encode_itf25_check, 504, false,
                   ("\xCA" + zero_one).append(251, '\x2C') + "\x2D\xCB"},
        // 505 ones kept: 253 x 3 + 252 = 1011: check 9, last pair 19 (0x34)
        ItfLongRow{"check_cut", encode_itf25_check, 600, true,
                   std::string("\xCA").append(252, '\x2C') + "\x34\xCB"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
