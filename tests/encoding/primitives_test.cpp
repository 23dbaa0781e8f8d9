// SPDX-License-Identifier: MIT
#include "encoding/primitives.h"

#include <cstring>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "symbologies/code39.h"

namespace {

using namespace varnel;

std::string filled(std::size_t n) { return std::string(n, 'x'); }

TEST(CharIndex, FindsTheFirstOccurrence) {
    EXPECT_EQ(char_index("0123456789-", '-'), 10);
    EXPECT_EQ(char_index("ABA", 'A'), 0);
    EXPECT_EQ(char_index("ABC", 'Z'), -1);
}

TEST(CharIndex, NulIsNeverFound) {
    EXPECT_EQ(char_index("ABC", '\0'), -1);
    EXPECT_EQ(char_index("", '\0'), -1);
    EXPECT_EQ(char_index("", 'A'), -1);
}

TEST(AppendChar, StopsAt255Characters) {
    WorkBuffer b;
    std::memcpy(b.text, filled(254).c_str(), 254);
    EXPECT_EQ(append_char(b.text, 'y'), 255);
    EXPECT_EQ(append_char(b.text, 'z'), -1);
    EXPECT_EQ(b.size(), 255u);
    EXPECT_EQ(b.text[254], 'y');
    EXPECT_EQ(b.text[255], '\0');
}

TEST(InsertChar, PutsACharacterInFront) {
    WorkBuffer b;
    std::strcpy(b.text, "123");
    EXPECT_EQ(insert_char(b.text, '9', 0), 1);
    EXPECT_STREQ(b.text, "9123");
}

TEST(InsertChar, LeavesAFullStringAsItWas) {
    WorkBuffer b;
    std::memcpy(b.text, filled(255).c_str(), 255);
    EXPECT_EQ(insert_char(b.text, '9', 0), -1);
    EXPECT_EQ(std::string(b.text), filled(255));
}

TEST(AppendGlyphs, NeverSplitsARunAtTheLimit) {
    Glyphs b;
    b.append(filled(252));
    EXPECT_TRUE(b.append("$A", 254));
    EXPECT_FALSE(b.append("$B", 255));  // only one place left
    EXPECT_EQ(b.size(), 254u);
    EXPECT_TRUE(b.append("!", 255));
    EXPECT_FALSE(b.append("!", 1000));  // a limit past the buffer is the buffer's
    EXPECT_EQ(b.size(), 255u);
}

TEST(DataChecks, EmptyDataPasses) {
    EXPECT_TRUE(all_in_set("", "0123456789"));
    EXPECT_TRUE(all_ascii(""));
}

TEST(DataChecks, AllInSet) {
    EXPECT_TRUE(all_in_set("0042", "0123456789"));
    EXPECT_FALSE(all_in_set("00-42", "0123456789"));
}

TEST(DataChecks, AllAsciiFailsOnEveryHighByte) {
    EXPECT_TRUE(all_ascii("\x01\x7F abc"));
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char data[] = {'A', static_cast<char>(b), '\0'};
        EXPECT_FALSE(all_ascii(data)) << b;
    }
}

TEST(ResultBuffer, TheSecondCallOverwritesTheFirst) {
    const char* first = code39_plain("A");
    const char* second = code39_plain("B");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "*B*");
}

TEST(ResultBuffer, EachThreadHasItsOwn) {
    const char* mine = code39_plain("MAIN");
    std::string other;
    std::thread([&] { other = code39_plain("OTHER"); }).join();
    EXPECT_STREQ(mine, "*MAIN*");
    EXPECT_EQ(other, "*OTHER*");
}

TEST(ResultBuffer, RecordsWhetherTheEncoderCutTheData) {
    return_result("abc", true);
    EXPECT_TRUE(result_truncated());
    return_result("abc");
    EXPECT_FALSE(result_truncated());
    EXPECT_EQ(std::strlen(return_result(filled(300))), kMaxConverted);
    EXPECT_TRUE(result_truncated());
}

}  // namespace

namespace {

TEST(AppendInSet, KeepsTheSetsCharactersWhileTheyFit) {
    varnel::Glyphs b;
    constexpr varnel::SetIndex kDigitIndex(varnel::kDigits);
    EXPECT_FALSE(varnel::append_in_set(b, "1a2-3", kDigitIndex, 255));
    EXPECT_EQ(b.view(), "123");
    EXPECT_TRUE(varnel::append_in_set(b, "4567", kDigitIndex, 5));  // "67" left out
    EXPECT_EQ(b.view(), "12345");
}

TEST(WeightedCheck, WeightsFromTheRightStartAgainAfterTheCycle) {
    constexpr varnel::SetIndex kDigitIndex(varnel::kDigits);
    EXPECT_EQ(varnel::weighted_check("123", kDigitIndex, 2, 100), 8);  // 3x1 + 2x2 + 1x1
    EXPECT_EQ(varnel::weighted_check("99", kDigitIndex, 10, 11), 5);   // (9x1 + 9x2) mod 11 = 27 mod 11
    EXPECT_EQ(varnel::weighted_check("", kDigitIndex, 10, 11), 0);
}

}  // namespace
