// SPDX-License-Identifier: MIT
#include "symbologies/code128.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "test_support.h"

namespace {

using varnel::glyphmate::ControlState;
using varnel::glyphmate::OptionControl;
using test::bytes;
using test::FlowTest;

constexpr const char* kTypes[] = {"Code128A", "Code128B", "Code128C", "Code128Auto"};
constexpr const char* kInvalid = "Invalid character(s) found in the input.";
const std::string kOddDigits = "An odd number of digits: a 0 was put in front.";

using Code128Handler = FlowTest;

TEST_F(Code128Handler, KeepsTheStepOrder) {
    for (const char* type : kTypes) {
        dialog.calls.clear();
        select(type);
        const std::vector<std::string> expected{"read_options", "notes",        "controls",     "data_text",
                                                "status",       "converted",    "preview_text", "installed?",
                                                "preview_text", "preview_font"};
        EXPECT_EQ(dialog.steps(), expected) << type;
    }
}

// Full ASCII hidden, Check Character disabled, Underlying Text enabled, the supplement
// hidden, the Addon box left alone, no flag changed; from two opposite starting points.
TEST_F(Code128Handler, SetsTheOptionControls) {
    for (const char* type : kTypes) {
        for (const bool start : {true, false}) {
            SCOPED_TRACE(std::string(type) + (start ? " from shown, enabled, flags on"
                                                    : " from hidden, disabled, flags off"));
            start_from(start);

            select(type);

            EXPECT_FALSE(control(OptionControl::FullAscii).shown);
            EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
            EXPECT_TRUE(control(OptionControl::UnderlyingText).enabled);
            EXPECT_EQ(control(OptionControl::Addon), (ControlState{start, start}));
            EXPECT_FALSE(control(OptionControl::SupplementLabel).shown);
            EXPECT_FALSE(control(OptionControl::SupplementField).shown);

            EXPECT_EQ(state.controls.full_ascii, start);
            EXPECT_EQ(state.controls.check_character, start);
            EXPECT_EQ(state.controls.underlying_text, start);
            EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "write_options"), 1);
        }
    }
}

TEST_F(Code128Handler, NotesAndFontPerVariant) {
    const struct {
        const char* type;
        const char* notes;
        const char* font;  // at Medium with Underlying Text off
    } rows[] = {
        {"Code128A",
         "Code128 Character set A is capable of encoding digits, capital characters and control characters.",
         "VNL Code128AM"},
        {"Code128B", "Code128 Character set B is capable of encoding printable characters.", "VNL Code128BM"},
        {"Code128C", "Code128 Character set C can only encode digits.", "VNL Code128CM"},
        {"Code128Auto", "Code128 Auto produces the best results for input. It can encode all the ASCIIs.",
         "VNL Code128AM"},
    };
    installed = {"VNL Code128AM", "VNL Code128BM", "VNL Code128CM"};
    state.controls.underlying_text = false;
    state.controls.data = "12";
    for (const auto& row : rows) {
        select(row.type);
        EXPECT_EQ(state.symbol_notes, row.notes);
        EXPECT_EQ(state.preview_font.face, row.font);
        EXPECT_EQ(state.preview_text, state.converted);
    }
}

struct Row {
    const char* name;
    const char* type;
    std::string data;
    std::string status;
    std::string converted;  // hex
};

class Code128Check : public FlowTest, public testing::WithParamInterface<Row> {};

// Each variant reports what it cannot encode, and converts all the same.
TEST_P(Code128Check, ReportsWhatTheVariantCannotEncode) {
    const Row& row = GetParam();
    state.controls.data = row.data;
    select(row.type);
    EXPECT_EQ(state.status, row.status);
    EXPECT_EQ(test::hex(state.converted), row.converted);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, Code128Check,
    testing::Values(
        // 103 + 33 + 2x34 + 3x65 = 399, 399 mod 103 = 90
        Row{"a_valid", "Code128A", bytes("41 42 01"), "", "C8 41 42 61 7A CB CD"},
        Row{"a_lower_case", "Code128A", "ab", kInvalid, "C8 CC CB CD"},
        Row{"a_del", "Code128A", "\x7F", kInvalid, "C8 CC CB CD"},
        // a typed function glyph is reported and still written
        Row{"a_function_glyph", "Code128A", "\xC1", kInvalid, "C8 C1 C1 CB CD"},
        Row{"b_valid", "Code128B", bytes("61 20 62 7F"), "", "C9 61 CC 62 C0 3A CB CD"},
        Row{"b_control", "Code128B", bytes("01 41"), kInvalid, "C9 41 42 CB CD"},
        // 105 + 12 + 2x34 = 185, 185 mod 103 = 82
        Row{"c_valid", "Code128C", "1234", "", "CA 2C 42 72 CB CD"},
        // an odd run is paired with a leading zero, and the user is told
        Row{"c_odd", "Code128C", "12345", kOddDigits, "CA 21 37 4D 71 CB CD"},
        // 105 + 1 + 2x102 + 3x23 = 379, 379 mod 103 = 70
        Row{"c_odd_run_before_fnc1", "Code128C", "1\xC7" "23", std::string(kInvalid) + " " + kOddDigits,
            "CA 21 C7 37 66 CB CD"},
        Row{"c_letter", "Code128C", "12a", kInvalid, "CA 2C 2E CB CD"},
        // 105 + 102 + 2x12 = 231, 231 mod 103 = 25
        Row{"c_fnc1", "Code128C", "\xC7" "12", kInvalid, "CA C7 2C 39 CB CD"},
        Row{"auto_valid", "Code128Auto", "A\x7F", "", "C9 41 C0 32 CB CD"},
        // 103 + 65 + 2x95 + 3x100 + 4x0 + 5x94 = 1128, 1128 mod 103 = 98
        Row{"auto_controls", "Code128Auto", bytes("01 1F 20 7E"), "", "C8 61 C0 C5 CC 7E C3 CB CD"},
        Row{"auto_high_byte", "Code128Auto", "A\xE9", kInvalid, "C9 41 C6 3E CB CD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Code128Handler, SaysWhenDataIsCut) {
    select("Code128B");
    type_data(std::string(300, 'A'));
    EXPECT_EQ(state.converted.size(), 255u);
    EXPECT_TRUE(state.converted.ends_with("\xCB\xCD"));
    EXPECT_EQ(state.status, "Data too long: only the part that fits in 255 characters was encoded.");
    select("Code128Auto");
    type_data(std::string(600, '1') + "\xE9");  // 251 pairs fit
    EXPECT_EQ(state.converted.size(), 255u);
    EXPECT_EQ(state.status, std::string(kInvalid) +
                                " Data too long: only the part that fits in 255 characters was encoded.");
}

TEST_F(Code128Handler, AfterUpcTheUsersFlagsComeBack) {
    select("UPC-A");
    select("Code128B");
    EXPECT_FALSE(state.controls.check_character);
    EXPECT_TRUE(state.controls.underlying_text);
    EXPECT_TRUE(control(OptionControl::UnderlyingText).enabled);
    EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
    EXPECT_FALSE(control(OptionControl::SupplementField).shown);
    EXPECT_EQ(state.preview_text, "Font VNL Code128BMA not installed.");
}

}  // namespace
