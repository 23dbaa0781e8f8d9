// SPDX-License-Identifier: MIT
#include "symbologies/code39.h"

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "test_support.h"

namespace {

using varnel::glyphmate::OptionControl;
using test::FlowTest;

using Code39Handler = FlowTest;

TEST_F(Code39Handler, ConvertsTheInitialData) {
    select("Code39");
    EXPECT_EQ(state.converted, "*VARNEL=GLYPH=MATE*");
    EXPECT_EQ(state.preview_text, "*VARNEL=GLYPH=MATE*");
    EXPECT_EQ(state.preview_font.face, "VNL Code39MA");
    EXPECT_EQ(state.status, "");
    EXPECT_TRUE(state.symbol_notes.starts_with("Code39 is an alphanumeric symbology."));
    EXPECT_NE(state.symbol_notes.find("mapped to *, [ and ].\r\nThe character set consists of 43"), std::string::npos);
    EXPECT_TRUE(state.symbol_notes.ends_with("Code39 font.  For more information, visit https://www.varnel.example/"));
}

TEST_F(Code39Handler, KeepsTheStepOrder) {
    select("Code39");
    const std::vector<std::string> expected{"read_options", "notes",        "controls",     "data_text",
                                            "status",       "converted",    "preview_text", "installed?",
                                            "preview_text", "preview_font"};
    EXPECT_EQ(dialog.steps(), expected);
}

TEST_F(Code39Handler, SetsTheOptionControls) {
    select("Code39");
    EXPECT_TRUE(control(OptionControl::FullAscii).shown);
    EXPECT_TRUE(control(OptionControl::FullAscii).enabled);
    EXPECT_TRUE(control(OptionControl::CheckCharacter).enabled);
    EXPECT_TRUE(control(OptionControl::UnderlyingText).enabled);
    EXPECT_FALSE(control(OptionControl::Addon).shown);
    EXPECT_FALSE(control(OptionControl::SupplementLabel).shown);
    EXPECT_FALSE(control(OptionControl::SupplementField).shown);
}

TEST_F(Code39Handler, ReportsCharactersOutsideTheSetAndStillConverts) {
    select("Code39");
    type_data("ab");
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
    EXPECT_EQ(state.converted, "**");
    type_data("A*B");  // "*" is the start/stop glyph, never data
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
    EXPECT_EQ(state.converted, "*AB*");
    type_data("AB");  // the message goes as soon as the data is valid again
    EXPECT_EQ(state.status, "");
}

TEST_F(Code39Handler, CheckCharacter) {
    state.controls.check_character = true;
    state.controls.data = "CODE39";
    select("Code39");
    EXPECT_EQ(state.converted, "*CODE39W*");
}

TEST_F(Code39Handler, FullAsciiTurnsCheckCharacterOff) {
    state.controls.check_character = true;
    state.controls.full_ascii = true;
    state.controls.data = "Code";
    select("Code39");
    EXPECT_EQ(state.converted, "[C+O+D+E]");
    EXPECT_FALSE(state.controls.check_character);
    EXPECT_FALSE(dialog.options().check_character);
    EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
    EXPECT_EQ(state.status, "");
}

TEST_F(Code39Handler, FullAsciiReportsOnlyNonAscii) {
    state.controls.full_ascii = true;
    select("Code39");
    type_data("a\xE9");
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
    EXPECT_EQ(state.converted, "[+A]");
}

TEST_F(Code39Handler, TooLongDataIsCutAndSaid) {
    select("Code39");
    type_data(std::string(300, 'A') + "a");
    EXPECT_EQ(state.converted.size(), 255u);
    EXPECT_EQ(state.status,
              "Invalid character(s) found in the input. Data too long: only the part that fits in 255 characters "
              "was encoded.");
    type_data(std::string(300, 'A'));
    EXPECT_EQ(state.status, "Data too long: only the part that fits in 255 characters was encoded.");
}

using Code39ExtendedHandler = FlowTest;

TEST_F(Code39ExtendedHandler, ConvertsEveryAsciiCharacter) {
    state.controls.data = "A*B";
    select("Code39 Extended");
    EXPECT_EQ(test::hex(state.converted), "5B 41 F4 42 5D");
    EXPECT_EQ(state.status, "");
    EXPECT_EQ(state.preview_font.face, "Arial");
    EXPECT_EQ(state.preview_text, "Font VNL Code39ExtMA not installed.");
    EXPECT_TRUE(state.symbol_notes.starts_with("Code39 Extended is also called Code39 Full ASCII."));
    EXPECT_TRUE(state.symbol_notes.ends_with(
        "encoding process. \r\nFor more information,  visit https://www.varnel.example/"));
}

TEST_F(Code39ExtendedHandler, ForcesCheckCharacterOffAndDisablesBothBoxes) {
    state.controls.check_character = true;
    state.controls.underlying_text = false;
    select("Code39 Extended");
    EXPECT_FALSE(state.controls.check_character);
    EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
    EXPECT_TRUE(control(OptionControl::FullAscii).shown);
    EXPECT_FALSE(control(OptionControl::FullAscii).enabled);
    EXPECT_FALSE(state.controls.underlying_text);  // kept as it was
    EXPECT_EQ(state.preview_text, "Font VNL Code39ExtM not installed.");
}

TEST_F(Code39ExtendedHandler, ReportsAndDropsHighBytes) {
    select("Code39 Extended");
    type_data("a\xF4z");
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
    EXPECT_EQ(state.converted, "[az]");
}

TEST_F(Code39ExtendedHandler, KeepsTheUnderlyingTextBoxAsThePreviousSymbologyLeftIt) {
    state.controls.data = "X";
    select("Code39");
    dialog.enable_control(OptionControl::UnderlyingText, false);  // as a UPC/EAN handler leaves it
    select("Code39 Extended");
    EXPECT_FALSE(control(OptionControl::UnderlyingText).enabled);
    EXPECT_TRUE(state.controls.underlying_text);
}

}  // namespace
