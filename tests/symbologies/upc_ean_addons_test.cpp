// SPDX-License-Identifier: MIT
#include "symbologies/upc_ean_addons.h"

#include <cstring>
#include <string>
#include <utility>

#include <gtest/gtest.h>

namespace {

using namespace varnel;

TEST(AddonGlyph, ByDigitAndParity) {
    const std::string odd = "/zxcvbnm,.", even = "?ZXCVBNM<>";
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(addon_glyph(d, kOddParity), odd[static_cast<std::size_t>(d)]) << d;
        EXPECT_EQ(addon_glyph(d, kEvenParity), even[static_cast<std::size_t>(d)]) << d;
    }
    const std::pair<int, int> outside[] = {{10, 1}, {-1, 0}, {5, 2}, {5, -1}};
    for (const auto& [digit, parity] : outside)
        EXPECT_EQ(addon_glyph(digit, parity), '\xFF') << digit << "," << parity;
}

struct Row {
    const char* supplement;
    const char* expected;
};

TEST(AddonEncode, TwoAndFiveDigits) {
    const Row rows[] = {
        {"12", "{z\\x"},  // 12 mod 4 = 0: odd, odd
        {"01", "{/\\Z"},  // 1: odd, even
        {"02", "{?\\x"},  // 2: even, odd
        {"03", "{?\\C"},  // 3: even, even
        {"00", "{/\\/"},
        // (3x(5+4+5) + 9x(2+9)) mod 10 = 141 mod 10 = 1: "01011"
        {"52495", "{B\\x\\V\\.\\b"},
        {"12345", "{Z\\x\\C\\v\\b"},  // (3x9 + 9x6) mod 10 = 1
        {"00000", "{?\\?\\/\\/\\/"},  // 0: "00111"
        {"5-2495", "{B\\x\\V\\.\\b"},  // non-digits are dropped
        {" 1 2 ", "{z\\x"},
    };
    for (const Row& r : rows) EXPECT_STREQ(addon_encode(r.supplement), r.expected) << r.supplement;
}

TEST(AddonEncode, OtherDigitCountsGiveNothing) {
    for (const char* s : {"", "1", "123", "1234", "123456", "AB", " "}) EXPECT_STREQ(addon_encode(s), "") << s;
    const std::string many(300, '5');
    EXPECT_STREQ(addon_encode(many.c_str()), "");
}

TEST(AddonEncode, RefusesWhatIsNotExactlyItsDigits) {
    for (const char* s : {"1", "123", "1A", ""}) {
        WorkBuffer out;
        std::strcpy(out.text, "untouched");
        EXPECT_EQ(addon2_encode(s, out), 0) << s;
        EXPECT_EQ(addon5_encode(s, out), 0) << s;
        EXPECT_STREQ(out.text, "untouched");
    }
    WorkBuffer out;
    EXPECT_EQ(addon5_encode("52495", out), 1);
    EXPECT_STREQ(out.text, "{B\\x\\V\\.\\b");
}

}  // namespace
