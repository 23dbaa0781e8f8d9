// SPDX-License-Identifier: MIT
#include "symbologies/code93.h"

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace {

using test::FlowTest;

using Code93Handler = FlowTest;

TEST_F(Code93Handler, ConvertsTheInitialData) {
    installed.push_back("VNL Code93MA");
    select("Code93");
    EXPECT_EQ(state.converted, "[VARNEL=GLYPH=MATEJJ]|");
    EXPECT_EQ(state.preview_text, "[VARNEL=GLYPH=MATEJJ]|");
    EXPECT_EQ(state.preview_font.face, "VNL Code93MA");
    EXPECT_EQ(state.status, "");
    EXPECT_EQ(state.symbol_notes,
              "Code93 is capable of encoding all ASCII characters. The native character set is the same as the one "
              "of Code39, however, Code93 introduces 4 special characters to encode any ASCII character. Two check "
              "characters are required.\r\nFor more information, visit https://www.varnel.example/");
}

TEST_F(Code93Handler, EncodesEveryAsciiCharacterAndReportsTheRest) {
    select("Code93");
    type_data("ab");
    EXPECT_EQ(state.converted, "[&A&BZ%]|");
    EXPECT_EQ(state.status, "");
    type_data("a\xE9" "b");
    EXPECT_EQ(state.converted, "[&A&BZ%]|");
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
}

}  // namespace
