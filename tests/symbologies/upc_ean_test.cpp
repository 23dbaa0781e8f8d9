// SPDX-License-Identifier: MIT
#include "symbologies/upc_ean.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "encoding/primitives.h"
#include "test_support.h"

namespace {

using namespace varnel;

// The printed digit beside the guards: 0xC0 + d.
std::string outside(char digit) { return std::string(1, static_cast<char>(0xC0 + (digit - '0'))); }

struct CheckRow {
    const char* digits;
    char expected;
};

TEST(UpcEanCheckDigit, WeighsThreeOneFromTheRight) {
    const CheckRow rows[] = {
        {"03600029145", '2'},   // 3x(0+6+0+2+1+5) + (3+0+0+9+4) = 58: 10 - 8 = 2
        {"12345678905", '0'},   // sum 110, a multiple of 10
        {"400638133393", '1'},  // EAN-13: the rightmost digit still weighs 3
        {"9638507", '4'},
        {"01234500006", '5'},
        {"7", '9'},  // 3x7 = 21
        {"", '0'},
    };
    for (const CheckRow& r : rows) EXPECT_EQ(upc_ean_check_digit(r.digits), r.expected) << r.digits;
}

struct ExpandRow {
    const char* upce;
    const char* expected;  // nullptr: no expansion
};

TEST(UpceExpand, FollowsTheLastDigit) {
    const ExpandRow rows[] = {
        {"0123456", "01234500006"},  // X6 5 to 9: X1..X5, 0000, X6
        {"0654321", "06510000432"},  // X6 0 to 2: X1 X2 X6, 0000, X3..X5
        {"0425261", "04210000526"},
        {"0000000", "00000000000"},
        {"0123453", "01230000045"},  // X6 3: X1..X3, 00000, X4 X5
        {"0123404", "01234000000"},  // X6 4: X1..X4, 00000, X5
        {"0120453", nullptr},        // X6 3 needs X3 of 3 to 9
        {"0121453", nullptr},
        {"0122453", nullptr},
        {"1123456", nullptr},  // number system 1 is not UPC-E's
        {"012345", nullptr},
        {"01234567", nullptr},
        {"01234A6", nullptr},
        {"", nullptr},
    };
    for (const ExpandRow& r : rows) {
        WorkBuffer out;
        std::strcpy(out.text, "untouched");
        EXPECT_EQ(upce_expand(r.upce, out), r.expected ? 1 : 0) << r.upce;
        EXPECT_STREQ(out.text, r.expected ? r.expected : "untouched") << r.upce;
    }
}

struct Row {
    const char* name;
    const char* (*encoder)(const char*);
    std::string data;
    std::string expected;
};

class UpcEan : public testing::TestWithParam<Row> {};

TEST_P(UpcEan, Encodes) {
    const Row& row = GetParam();
    EXPECT_EQ(test::hex(row.encoder(row.data.c_str())), test::hex(row.expected)) << row.data;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, UpcEan,
    testing::Values(
        Row{"upca", upca_encode, "03600029145", outside('0') + "[!36000|slafgS]" + outside('2')},
        Row{"upca_check_zero", upca_encode, "12345678905", outside('1') + "[@23456|jkl;g:]" + outside('0')},
        Row{"upca_zeros", upca_encode, "00000000000", outside('0') + "[!00000|;;;;;:]" + outside('0')},
        // non-digits are dropped: the same symbol as without the dashes
        Row{"upca_dashes", upca_encode, "0-36000-29145-", outside('0') + "[!36000|slafgS]" + outside('2')},
        // pattern "ABAABB" for 4, k = 1; no glyph after the right guard
        Row{"ean13", ean13_encode, "400638133393", outside('4') + "[0p63iq|dddlda]"},
        // pattern "ABBAAB" for 5, k = 7
        Row{"ean13_even_digits", ean13_encode, "590123412345", outside('5') + "[9pq23r|asdfgj]"},
        Row{"ean13_all_odd", ean13_encode, "012345678901", outside('0') + "[123456|jkl;as]"},
        Row{"ean8", ean8_encode, "9638507", "[9638|g;jf]"},
        Row{"ean8_check_seven", ean8_encode, "5512345", "[5512|dfgj]"},
        // expansion 01234500006, k = 5, pattern "BAABBA"
        Row{"upce", upce_encode, "123456", outside('0') + "[q23rt6'" + outside('5')},
        Row{"upce_x6_0_to_2", upce_encode, "654321", outside('0') + "[y5r3w1'" + outside('7')},
        Row{"upce_x6_3", upce_encode, "123453", outside('0') + "[qw3r53'" + outside('1')},
        Row{"upce_x6_4", upce_encode, "123404", outside('0') + "[q2e40r'" + outside('8')},
        Row{"upce_x6_1", upce_encode, "425261", outside('0') + "[r2tw61'" + outside('4')},
        Row{"upce_zeros", upce_encode, "000000", outside('0') + "[ppp000'" + outside('0')},
        // UPC-E has no expansion here, so no check digit to build a symbol from
        Row{"upce_no_expansion", upce_encode, "120453", "Invalid UPC-E number."},
        Row{"upce_no_expansion_spaced", upce_encode, "12 0453", "Invalid UPC-E number."},
        // a supplied check digit is one digit too many
        Row{"upca_twelve", upca_encode, "036000291452", "Invalid length of input string."},
        Row{"upca_empty", upca_encode, "", "Invalid length of input string."},
        Row{"upce_seven", upce_encode, "1234565", "Invalid length of input string."},
        Row{"ean13_thirteen", ean13_encode, "4006381333931", "Invalid length of input string"},
        Row{"ean13_empty", ean13_encode, "", "Invalid length of input string"},
        Row{"ean8_eight", ean8_encode, "96385074", "Invalid length of input string."},
        Row{"ean8_letters_only", ean8_encode, "ABCDEFG", "Invalid length of input string."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpcEan, VeryLongDataIsALengthError) {
    const std::string data(400, '1');
    EXPECT_STREQ(upca_encode(data.c_str()), "Invalid length of input string.");
    EXPECT_FALSE(result_truncated());
}

}  // namespace
