// SPDX-License-Identifier: MIT
#include "symbologies/msi_plessey.h"

#include <string>

#include <gtest/gtest.h>

#include "encoding/primitives.h"

namespace {

using namespace varnel;

struct Row {
    const char* name;
    std::string data;
    std::string expected;
};

class Msi : public testing::TestWithParam<Row> {};

TEST_P(Msi, Encodes) {
    const Row& row = GetParam();
    EXPECT_EQ(encode_msi(row.data.c_str()), row.expected) << row.data;
    EXPECT_FALSE(result_truncated());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Msi,
    testing::Values(
        // N = 1357, 2N = 2714: 14; others 2 + 4 + 6 = 12; 26: check 4
        Row{"seven_digits", "1234567", "[12345674]"},
        // N = 853, 2N = 1706: 14; others 0 + 2; 16: check 4
        Row{"five_digits", "80523", "[805234]"},
        Row{"two_digits", "12", "[125]"},
        // 2 x 5 = 10: 1; check 9
        Row{"one_digit", "5", "[59]"},
        Row{"zero", "0", "[00]"},
        Row{"empty", "", "[0]"},
        Row{"twenty_digits", "12345678901234567890", "[123456789012345678906]"},
        Row{"drops_non_digits", "80-523", "[805234]"},
        Row{"no_digits", "ab-", "[0]"}),
    [](const auto& info) { return std::string(info.param.name); });

// N far beyond any integer type: 252 nines make N a number of 126 nines, 2N = 1 99..9 8,
// digit sum 1 + 125 x 9 + 8 = 1134; others 126 x 9 = 1134; 2268: check 2.
TEST(MsiLong, CheckDigitIsExactForAnyLength) {
    const std::string data(252, '9');
    EXPECT_EQ(encode_msi(data.c_str()), "[" + data + "2]");
    EXPECT_FALSE(result_truncated());
}

TEST(MsiLong, KeepsTheCheckDigitAtTheLimit) {
    const std::string data(400, '9');
    EXPECT_EQ(encode_msi(data.c_str()), "[" + std::string(252, '9') + "2]");
    EXPECT_TRUE(result_truncated());
}

}  // namespace
