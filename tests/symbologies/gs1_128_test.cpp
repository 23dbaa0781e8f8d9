// SPDX-License-Identifier: MIT
// GS1-128: the exact symbol for each kind of element string, and the exact message for each
// kind of fault.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "symbologies/code128.h"
#include "symbologies/gs1_128.h"
#include "verify/read_back.h"

namespace {

using Values = std::vector<int>;

constexpr int StartB = varnel::kCode128StartB, StartC = varnel::kCode128StartC;
constexpr int Fnc1 = varnel::kCode128Fnc1, CodeB = varnel::kCode128CodeB, CodeC = varnel::kCode128CodeC;

// Set B values of the characters.
Values b(std::string_view text) {
    Values v;
    for (char c : text) v.push_back(c - 0x20);
    return v;
}

Values operator+(Values a, const Values& more) {
    a.insert(a.end(), more.begin(), more.end());
    return a;
}
Values operator+(Values a, int value) { return a + Values{value}; }

// Start and data values, then the mod-103 check, stop and closing glyph.
std::string symbol(const Values& values) {
    std::string s;
    int sum = values[0];
    for (std::size_t i = 0; i < values.size(); ++i) {
        s += varnel::code128_glyphs[static_cast<std::size_t>(values[i])];
        sum += static_cast<int>(i) * (i > 0 ? values[i] : 0);
    }
    s += varnel::code128_glyphs[static_cast<std::size_t>(sum % 103)];
    return s + static_cast<char>(varnel::kCode128Stop) + static_cast<char>(varnel::kCode128Closing);
}

const std::string kGtin = "09501101530003";
const Values kGtinPairs{1, 9, 50, 11, 1, 53, 0, 3};  // "01" and the GTIN in set C
const std::string kTooLong = "Data too long: only the part that fits in 255 characters was encoded.";

struct Good {
    int row;
    std::string data;
    Values values;  // start and data values
    std::string human_readable;
    std::string status = "";
};

TEST(Gs1_128, EncodesElementStrings) {
    const std::string x90(90, 'x');
    const std::vector<Good> rows{
        // The worked example: FNC1 only after the variable-length (10), which is last.
        {1, "(01)" + kGtin + "(17)251231(10)AB12",
         Values{StartC, Fnc1} + kGtinPairs + Values{17, 25, 12, 31, 10, CodeB} + b("AB12"),
         "(01)" + kGtin + "(17)251231(10)AB12"},
        {2, "[01]" + kGtin + "[17]251231[10]AB12",
         Values{StartC, Fnc1} + kGtinPairs + Values{17, 25, 12, 31, 10, CodeB} + b("AB12"),
         "(01)" + kGtin + "(17)251231(10)AB12"},
        // FNC1 after a variable-length element that is not last, none after the fixed ones.
        {3, "(01)" + kGtin + "(10)AB(17)251231(11)250101",
         Values{StartC, Fnc1} + kGtinPairs + Values{10, CodeB} + b("AB") + Values{CodeC, Fnc1, 17, 25, 12, 31, 11, 25, 1, 1},
         "(01)" + kGtin + "(10)AB(17)251231(11)250101"},
        {4, "(400)12345678(91)X",
         Values{StartC, Fnc1, 40, 1, 23, 45, 67, CodeB} + b("8") + Fnc1 + b("91X"), "(400)12345678(91)X"},
        // Odd digit runs between letters: the odd digit in set B, the pairs in set C.
        {5, "(01)" + kGtin + "(10)A1234567B",
         Values{StartC, Fnc1} + kGtinPairs + Values{10, CodeB} + b("A") + Values{CodeC, 12, 34, 56, CodeB} + b("7B"),
         "(01)" + kGtin + "(10)A1234567B"},
        {6, "(90)A123B", Values{StartB, Fnc1} + b("90A123B"), "(90)A123B"},
        {7, "(90)1", Values{StartB, Fnc1} + b("901"), "(90)1"},
        // Escaped parentheses in the parenthesis form, plain ones in the bracket form.
        {8, R"((90)A\(1\)B(91)x)", Values{StartB, Fnc1} + b("90A(1)B") + Fnc1 + b("91x"), "(90)A(1)B(91)x"},
        {9, "[90]A(1)B[91]x", Values{StartB, Fnc1} + b("90A(1)B") + Fnc1 + b("91x"), "(90)A(1)B(91)x"},
        // Too long for 255 characters: the last element is left out whole.
        {10, "(91)" + x90 + "(92)" + x90 + "(93)" + x90,
         Values{StartB, Fnc1} + b("91" + x90) + Fnc1 + b("92" + x90), "(91)" + x90 + "(92)" + x90, kTooLong},
    };
    for (const Good& r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.row));
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(r.data, out);
        EXPECT_EQ(out.converted, symbol(r.values));
        EXPECT_EQ(out.human_readable, r.human_readable);
        EXPECT_EQ(out.status, r.status);
        EXPECT_EQ(out.truncated, !r.status.empty());
        EXPECT_TRUE(verify::read_back(verify::Symbol::Gs1_128, out.converted).ok());
    }
}

// Data far past the limit is cut at the last whole element that fits, without checking each
// shorter prefix (a quadratic cost would hang the dialog), and with no room left unused.
TEST(Gs1_128, CutsHugeDataAtAWholeElement) {
    std::string variable, fixed = "(01)" + kGtin;
    for (int i = 0; i < 200000; ++i) variable += "(90)a";
    for (int i = 0; i < 200; ++i) fixed += "(20)12";
    struct Row {
        std::string data;
        std::size_t converted, human_readable;
    };
    const Row rows[] = {
        // Start, FNC1, 62 times "90a" with FNC1 between, check, stop, closing: one more would be 256.
        {variable, 252, 62 * 5},
        // Fixed lengths need no FNC1: start, FNC1, the GTIN in 8 pairs, 121 times 20 12.
        {fixed, 255, 18 + 121 * 6},
    };
    for (const Row& r : rows) {
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(r.data, out);
        EXPECT_EQ(out.status, kTooLong);
        EXPECT_EQ(out.converted.size(), r.converted);
        EXPECT_EQ(out.human_readable.size(), r.human_readable);
        EXPECT_TRUE(verify::read_back(verify::Symbol::Gs1_128, out.converted).ok());
    }
}

struct Bad {
    int row;
    std::string data;
    std::string status;
};

TEST(Gs1_128, NamesEachFault) {
    const std::string gtin = "(01)" + kGtin;
    const std::vector<Bad> rows{
        {1, "", "No data: type each AI in parentheses and its data after it, e.g. (01)09501101530003."},
        {2, "01" + kGtin, "The data should start with an AI in parentheses or brackets, e.g. (01)09501101530003."},
        {3, "(01" + kGtin, "Unbalanced parentheses: the ( at character 1 is not closed."},
        {4, gtin + "(10", "Unbalanced parentheses: the ( at character 19 is not closed."},
        {5, "(90)A)B", "Unbalanced parentheses: the ) at character 6 has no ( before it; write \\) for a parenthesis in the data."},
        {6, "[90]A[91", "Unbalanced brackets: the [ at character 6 is not closed."},
        {7, "[90]A]", "Unbalanced brackets: the ] at character 6 has no [ before it."},
        {8, "(1A)12", "AI (1A) at character 1: an AI has 2 to 4 digits."},
        {9, gtin + "()12", "AI () at character 19: an AI has 2 to 4 digits."},
        {10, "(01)(10)AB", "AI (01): no data after the AI."},
        {11, "(23)12", "AI (23): unknown AI."},
        {12, "(01)09501101530004", "AI (01): check digit should be 3."},
        {13, "(01)0950110153000", "AI (01): the data should be 14 digits, not 13."},
        {14, "(400)" + std::string(31, 'A'), "AI (400): the data should be at most 30 characters, not 31."},
        {15, "(01)0950110153000A", "AI (01): character 'A' at position 14 is not a digit."},
        {16, "(400)AB[C", "AI (400): character '[' at position 3 is not allowed."},
        {17, "(400)A B", "AI (400): character ' ' at position 2 is not allowed."},
        {32, "(400)A\xE9", "AI (400): character byte 0xE9 at position 2 is not allowed."},
        {18, "(8010)A-b", "AI (8010): character 'b' at position 3 is not allowed."},
        {19, gtin + "(17)251340", "AI (17): 251340 is not a real date."},
        {20, gtin + "(17)250229", "AI (17): 250229 is not a real date."},
        {21, gtin + "(7006)250200", "AI (7006): 250200 is not a real date."},
        {22, gtin + "(7003)2512312460", "AI (7003): 2460 is not a real time."},
        {23, gtin + "(7011)2512311", "AI (7011): part 2 of the data should be 4 digits, not 1."},
        {24, "(8013)1987654Ad4X4bL5ttr2310c2L", "AI (8013): check characters should be 2K."},
        {25, "(8006)095011015300030302", "AI (8006): piece 3 of 2 is no piece of the total."},
        {26, "(10)AB", "AI (10): needs (01), (02), (03), (8006) or (8026) in the same data."},
        {27, "(01)" + kGtin + "(250)X", "AI (250): needs (01) with (21), (03) with (21) or (8006) with (21) in the same data."},
        {28, gtin + "(255)9501101530003", "AI (01): may not be used together with (255)."},
        {29, gtin + "(3103)000100(3102)001000", "AI (3103): may not be used together with (3102)."},
        {30, gtin + "(10)A(10)B", "AI (10): given twice with different data."},
        {31, gtin + "(4321)2", "AI (4321): 2 should be 0 or 1."},
    };
    for (const Bad& r : rows) {
        SCOPED_TRACE("row " + std::to_string(r.row));
        varnel::Gs1Encoded out;
        varnel::encode_gs1_128(r.data, out);
        EXPECT_EQ(out.status, r.status);
        EXPECT_EQ(out.converted, "");
        EXPECT_EQ(out.human_readable, "");
    }
}

}  // namespace
