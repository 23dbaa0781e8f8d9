// SPDX-License-Identifier: MIT
#include "symbologies/code93.h"

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

class Code93 : public testing::TestWithParam<Row> {};

TEST_P(Code93, Encodes) {
    const Row& row = GetParam();
    EXPECT_EQ(code93_encode(row.data.c_str()), row.expected) << row.data;
    EXPECT_FALSE(result_truncated());
}

const std::string zeros13(13, '0'), zeros14(14, '0'), zeros19(19, '0'), zeros20(20, '0');

INSTANTIATE_TEST_SUITE_P(
    Examples, Code93,
    testing::Values(
        Row{"empty", "", "[00]|"},
        // C: 3x1 + 9x2 + 14x3 + 13x4 + 24x5 + 12x6 = 307, 307 mod 47 = 25: "P"
        // K: 25x1 + 3x2 + 9x3 + 14x4 + 13x5 + 24x6 + 12x7 = 407, 407 mod 47 = 31: "V"
        Row{"code93", "CODE93", "[CODE93PV]|"},
        Row{"test93", "TEST93", "[TEST93+6]|"},
        // the space counts 38 and is written "="
        Row{"space", "A B", "[A=BNB]|"},
        // C = 15: "F"; K = 15x1 + 15x2 = 45: "^", the (/) glyph
        Row{"check_value_45", "F", "[FF^]|"},
        // C = 31: "V"; K = 31 + 62 = 93, 93 mod 47 = 46: "&", the (+) glyph
        Row{"check_value_46", "V", "[VV&]|"},
        // C = 13 + 2 = 15: "F"; K = 15 + 26 + 3 = 44: "#", the (%) glyph
        Row{"check_value_44", "1D", "[1DF#]|"},
        // the (+) shift "&" counts 46: C = 10 + 92 = 102, 102 mod 47 = 8; K = 8 + 20 + 138 = 166, mod 47 = 25
        Row{"lower_case_pair", "a", "[&A8P]|"},
        Row{"control_pair", "\t", "[@IAY]|"},
        Row{"slash_shift_pair", "!", "[^A6K]|"},
        Row{"at_sign", "@", "[#VPV]|"},
        // "#", "^" and "&" as data are pairs like any other, never the shift glyphs
        Row{"shift_glyphs_as_data", "#^&", "[^C#N^FM/]|"},
        // native to Code 93, unlike Code 39 Full ASCII
        Row{"dollar_is_native", "$", "[$$N]|"},
        Row{"drops_high_bytes", "\xE9$\xFF", "[$$N]|"},
        // the "1" is 20th from the right: weight 20 in C (20: "K"), 6 in K (6 + 20 = 26: "Q")
        Row{"c_weight_20", "1" + zeros19, "[1" + zeros19 + "KQ]|"},
        // 21st from the right: C starts again at weight 1; in K it has weight 7: 7 + 1 = 8
        Row{"c_weight_wraps", "1" + zeros20, "[1" + zeros20 + "18]|"},
        // 14th from the right: C = 14 "E"; in K 15th, weight 15: 15 + 14 = 29 "T"
        Row{"k_weight_15", "1" + zeros13, "[1" + zeros13 + "ET]|"},
        // 15th: C = 15 "F"; in K 16th, weight 1 again: 1 + 15 = 16 "G"
        Row{"k_weight_wraps", "1" + zeros14, "[1" + zeros14 + "FG]|"}),
    [](const auto& info) { return std::string(info.param.name); });

// Start, both checks, stop and bar take 5 places: 250 remain for the data part.
TEST(Code93Long, KeepsChecksAndStopAtTheLimit) {
    const std::string data(400, 'A');
    const std::string out = code93_encode(data.c_str());
    EXPECT_TRUE(result_truncated());
    // 250 "A": C = 10 x (12 x 210 + 55) = 25750, mod 47 = 41 "+"; K = 10 "A"
    EXPECT_EQ(out, "[" + std::string(250, 'A') + "+A]|");
}

TEST(Code93Long, NeverSplitsAPair) {
    const std::string data = "A" + std::string(200, 'a');
    const std::string out = code93_encode(data.c_str());
    EXPECT_TRUE(result_truncated());
    // 1 + 124 pairs = 249 places; the next pair would need 251
    std::string part = "A";
    for (int i = 0; i < 124; ++i) part += "&A";
    EXPECT_EQ(out, "[" + part + "6$]|");
}

TEST(Code93Long, ExactlyFittingDataIsNotCut) {
    const std::string data(125, 'a');
    EXPECT_EQ(std::string(code93_encode(data.c_str())).size(), 255u);
    EXPECT_FALSE(result_truncated());
}

}  // namespace
