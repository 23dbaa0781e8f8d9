// SPDX-License-Identifier: MIT
#include "flow/win1252.h"

#include <gtest/gtest.h>

namespace {

using namespace varnel::glyphmate;

TEST(Win1252, IsOneToOneOnAllBytes) {
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = cp1252_to_unicode(static_cast<unsigned char>(b));
        EXPECT_EQ(unicode_to_cp1252(cp), b) << b;
    }
}

TEST(Win1252, MapsTheHighBytes) {
    EXPECT_EQ(cp1252_to_unicode(0x80), U'\u20AC');
    EXPECT_EQ(cp1252_to_unicode(0x9F), U'\u0178');
    EXPECT_EQ(cp1252_to_unicode(0xC9), U'\u00C9');
    for (unsigned char unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252_to_unicode(unassigned), char32_t{unassigned});
}

TEST(Win1252, RoundTripsEveryByteThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const Cp1252Text back = utf8_to_cp1252(cp1252_to_utf8(all));
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(back.unmapped + back.invalid_utf8, 0u);
}

TEST(Win1252, Utf8Examples) {
    EXPECT_EQ(cp1252_to_utf8("\xC9\x80"), "\u00C9\u20AC");
    EXPECT_EQ(utf8_to_cp1252("\u00C9\u20AC").bytes, "\xC9\x80");
}

TEST(Win1252, LeavesOutWhatHasNoByte) {
    const Cp1252Text t = utf8_to_cp1252("A\u2603B");  // a snowman has no byte
    EXPECT_EQ(t.bytes, "AB");
    EXPECT_EQ(t.unmapped, 1u);
    EXPECT_EQ(t.first_problem, 1u);
}

TEST(Win1252, LeavesOutMalformedUtf8) {
    struct Row {
        std::string_view in;
        std::string_view out;
        std::size_t invalid;
    };
    const Row rows[] = {
        {"A\xFF" "B", "AB", 1},          // never a UTF-8 byte
        {"A\xC3", "A", 1},               // cut short
        {"\xC0\xAF", "", 2},             // overlong "/"
        {"\xED\xA0\x80", "", 3},         // a surrogate
        {"\xF4\x90\x80\x80", "", 4},     // past U+10FFFF
        {"\xE2\x82" "A", "A", 2},        // broken in the middle
    };
    for (const Row& r : rows) {
        const Cp1252Text t = utf8_to_cp1252(r.in);
        EXPECT_EQ(t.bytes, r.out);
        EXPECT_EQ(t.invalid_utf8, r.invalid) << t.bytes;
    }
    EXPECT_EQ(utf8_to_cp1252(std::string_view("A\0B", 3)).bytes, "AB");  // NUL ends core strings
}

}  // namespace

namespace {

TEST(Win1252, IntoABufferCutsAtAWholeCharacter) {
    char small[4];
    EXPECT_EQ(varnel::glyphmate::cp1252_to_utf8("A\x80" "B", small, sizeof small), 1u);  // the euro sign takes three
    EXPECT_STREQ(small, "A");
    char big[8];
    EXPECT_EQ(varnel::glyphmate::cp1252_to_utf8("A\x80", big, sizeof big), 4u);
    EXPECT_STREQ(big, "A\u20AC");
    EXPECT_EQ(varnel::glyphmate::cp1252_to_utf8("A", big, 0), 0u);
}

}  // namespace
