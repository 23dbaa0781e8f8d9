// SPDX-License-Identifier: MIT
// What the Code 93, Codabar, Code 11, Code 25, ITF and MSI/Plessey handlers share: the step
// order, what they do to the option controls and flags, how the flags carry over to the next
// symbology, and the message for data cut at 255 characters.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "test_support.h"

namespace {

using varnel::glyphmate::ControlState;
using varnel::glyphmate::OptionControl;
using test::FlowTest;

// nullopt: the handler leaves it as it found it.
struct Expected {
    std::optional<bool> shown, enabled;
};
constexpr Expected kUnchanged{}, kHidden{false, {}}, kOn{{}, true}, kOff{{}, false};

struct Row {
    const char* name;
    const char* type;
    Expected full_ascii, check_character, underlying_text, addon;
    std::optional<bool> full_ascii_flag, check_flag;
};

// Two opposite starting points, so that "unchanged" cannot pass by accident.
struct Start {
    bool controls_shown_and_enabled;
    bool flags;
};

class OptionStates : public FlowTest, public testing::WithParamInterface<Row> {
protected:
    void expect(OptionControl c, const Expected& e, bool start, const char* what) {
        EXPECT_EQ(control(c).shown, e.shown.value_or(start)) << what << " shown";
        EXPECT_EQ(control(c).enabled, e.enabled.value_or(start)) << what << " enabled";
    }
};

TEST_P(OptionStates, FollowTheTable) {
    const Row& row = GetParam();
    for (const Start start : {Start{true, false}, Start{false, true}}) {
        SCOPED_TRACE(start.flags ? "from hidden, disabled, flags on" : "from shown, enabled, flags off");
        for (ControlState& c : state.option_controls)
            c = {start.controls_shown_and_enabled, start.controls_shown_and_enabled};
        state.controls.full_ascii = state.controls.check_character = state.controls.underlying_text = start.flags;
        dialog.calls.clear();

        select(row.type);

        const bool s = start.controls_shown_and_enabled;
        expect(OptionControl::FullAscii, row.full_ascii, s, "Full ASCII");
        expect(OptionControl::CheckCharacter, row.check_character, s, "Check Character");
        expect(OptionControl::UnderlyingText, row.underlying_text, s, "Underlying Text");
        expect(OptionControl::Addon, row.addon, s, "Addon");
        expect(OptionControl::SupplementLabel, kHidden, s, "supplement label");
        expect(OptionControl::SupplementField, kHidden, s, "supplement field");

        // the boxes show the flags the handler left in the record
        EXPECT_EQ(state.controls, dialog.options());
        EXPECT_EQ(state.controls.full_ascii, row.full_ascii_flag.value_or(start.flags));
        EXPECT_EQ(state.controls.check_character, row.check_flag.value_or(start.flags));
        EXPECT_EQ(state.controls.underlying_text, start.flags);

        const auto count = [&](const char* call) { return std::count(dialog.calls.begin(), dialog.calls.end(), call); };
        EXPECT_EQ(count("write_options"), 1);
        EXPECT_EQ(count("read_options"), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, OptionStates,
    testing::Values(
        Row{"code93", "Code93", {true, false}, kOff, kUnchanged, {false, {}}, true, {}},
        Row{"codabar", "Codabar", kHidden, kOff, kOn, kUnchanged, {}, false},
        Row{"code11", "Code11", kHidden, kOff, kOn, kUnchanged, {}, {}},
        Row{"code25", "Code25", kHidden, kOn, kOn, kUnchanged, {}, {}},
        Row{"itf", "Interleaved 2 of 5", kHidden, kOn, kOn, kUnchanged, {}, {}},
        Row{"msi", "MSI/Plessey", kHidden, kOff, kOn, kUnchanged, {}, true}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr const char* kTypes[] = {"Code93", "Codabar", "Code11", "Code25", "Interleaved 2 of 5", "MSI/Plessey"};

using NumericHandlers = FlowTest;

TEST_F(NumericHandlers, KeepTheStepOrder) {
    for (const std::string type : kTypes) {
        std::vector<std::string> expected{"read_options", "notes", "controls"};
        for (const char* step : {"data_text", "status", "converted", "preview_text", "installed?", "preview_text",
                                 "preview_font"})
            expected.push_back(step);
        dialog.calls.clear();
        select(type);
        EXPECT_EQ(dialog.steps(), expected) << type;
    }
}

// Start, checks and stop stay; the status line says that data was left out.
TEST_F(NumericHandlers, SayWhenDataIsCut) {
    const struct {
        const char* type;
        std::string data, tail;
    } rows[] = {
        {"Code93", std::string(300, 'a'), "&A@I]|"},  // 125 pairs, both checks, stop and bar
        {"Codabar", std::string(300, '1'), "11B"},
        {"Code11", std::string(300, '1'), "116]"},
        {"Code25", std::string(300, '1'), "11]"},
        {"Interleaved 2 of 5", std::string(600, '1'), "\x2C\xCB"},
        {"MSI/Plessey", std::string(300, '9'), "992]"},
    };
    for (const auto& row : rows) {
        state.controls.data = row.data;
        select(row.type);
        EXPECT_LE(state.converted.size(), 255u) << row.type;
        EXPECT_TRUE(state.converted.ends_with(row.tail)) << row.type << ": " << test::hex(state.converted);
        EXPECT_EQ(state.status, "Data too long: only the part that fits in 255 characters was encoded.") << row.type;
    }
}

// A flag a symbology forces is its own: the next symbology has the user's choice again.
TEST_F(FlowTest, AForcedFlagLeavesTheUsersChoiceForTheNext) {
    const struct {
        const char* first;
        const char* next;
        bool check, text;  // the user's choice
        const char* converted;
        const char* font;
    } rows[] = {
        {"GS1-128", "Code39", false, true, "*123*", "VNL Code39MA"},
        {"Code93", "Code39", true, true, "*1236*", "VNL Code39MA"},
        {"MSI/Plessey", "Code25", false, true, "[123]", "VNL Code25MA"},
        {"Codabar", "Code25", true, false, "[1236]", "VNL Code25M"},
        {"UPC-A", "Code39", false, false, "*123*", "VNL Code39M"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " then " + row.next);
        state.type_text = "Code39";
        state.controls = {};
        state.controls.data = "123";
        state.controls.check_character = row.check;
        state.controls.underlying_text = row.text;
        varnel::glyphmate::run_conversion(dialog);
        select(row.first);
        select(row.next);
        EXPECT_EQ(state.converted, row.converted);
        EXPECT_TRUE(state.preview_font.face == row.font ||
                    state.preview_text == std::string("Font ") + row.font + " not installed.")
            << state.preview_font.face << ": " << state.preview_text;
        EXPECT_EQ(state.controls.check_character, row.check);
        EXPECT_EQ(state.controls.underlying_text, row.text);
        EXPECT_FALSE(state.controls.full_ascii);
    }
}

}  // namespace
