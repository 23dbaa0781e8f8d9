// SPDX-License-Identifier: MIT
#include "symbologies/codabar_code11.h"

#include <string>

#include <gtest/gtest.h>

#include "encoding/primitives.h"

namespace {

using namespace varnel;

struct Row {
    const char* name;
    const char* (*encoder)(const char*);
    std::string data;
    std::string expected;
};

class CodabarCode11 : public testing::TestWithParam<Row> {};

TEST_P(CodabarCode11, Encodes) {
    const Row& row = GetParam();
    EXPECT_EQ(row.encoder(row.data.c_str()), row.expected) << row.data;
    EXPECT_FALSE(result_truncated());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CodabarCode11,
    testing::Values(
        Row{"codabar_empty", codabar_encode, "", "AB"},
        Row{"codabar_digits", codabar_encode, "123", "A123B"},
        // ":" is not accepted by the handler, but the encoder still writes it
        Row{"codabar_colon", codabar_encode, "1:2", "A1:2B"},
        Row{"codabar_signs", codabar_encode, "-$:/.+", "A-$:/.+B"},
        // letters (the other start/stop glyphs too) are dropped
        Row{"codabar_drops_letters", codabar_encode, "A1B", "A1B"},
        Row{"codabar_drops_others", codabar_encode, "1 c\xE9" "2", "A12B"},
        Row{"code11_empty", code11_encode, "", "[0]"},
        // 5x1 + 4x2 + 10x3 + 3x4 + 2x5 + 1x6 = 71, 71 mod 11 = 5
        Row{"code11_dash", code11_encode, "123-45", "[123-455]"},
        // 10 characters: C only (210 mod 11 = 1)
        Row{"code11_ten", code11_encode, "1234567890", "[12345678901]"},
        // 11: C = 246 mod 11 = 4; K over "123456789014", weights 1..9 then 1, 2, 3: 252 mod 11 = 10, "-"
        Row{"code11_eleven", code11_encode, "12345678901", "[123456789014-]"},
        // C weight 10 on the "1": value 10 is written "-"
        Row{"code11_c_weight_10", code11_encode, "1000000000", "[1000000000-]"},
        // 11th from the right: C starts again at 1; K gives it weight 3: 3 + 1 = 4
        Row{"code11_c_weight_wraps", code11_encode, "10000000000", "[1000000000014]"},
        Row{"code11_drops_others", code11_encode, "12-3a", "[12-30]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodabarLong, KeepsStartAndStop) {
    const std::string data(400, '1');
    EXPECT_EQ(codabar_encode(data.c_str()), "A" + std::string(253, '1') + "B");
    EXPECT_TRUE(result_truncated());
    const std::string fits(253, '1');
    EXPECT_EQ(std::string(codabar_encode(fits.c_str())).size(), 255u);
    EXPECT_FALSE(result_truncated());
}

TEST(Code11Long, KeepsBothCheckDigits) {
    const std::string data(400, '1');
    // 251 ones: C = (25 x 55 + 1) mod 11 = 1; K over 252 ones: 28 x 45 = 1260, mod 11 = 6
    EXPECT_EQ(code11_encode(data.c_str()), "[" + std::string(251, '1') + "16]");
    EXPECT_TRUE(result_truncated());
}

}  // namespace
