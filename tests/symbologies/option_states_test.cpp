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
    bool writes_record;  // else reads it from the controls
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
        EXPECT_EQ(count("write_options"), row.writes_record ? 1 : 0);
        EXPECT_EQ(count("read_options"), row.writes_record ? 1 : 2);  // the dispatcher reads once
    }
}

INSTANTIATE_TEST_SUITE_P(
    Handlers, OptionStates,
    testing::Values(
        Row{"code93", "Code93", {true, false}, kOff, kUnchanged, {false, {}}, true, {}, true},
        Row{"codabar", "Codabar", kHidden, kOff, kOn, kUnchanged, {}, false, true},
        Row{"code11", "Code11", kHidden, kOff, kOn, kUnchanged, {}, {}, true},
        Row{"code25", "Code25", kHidden, kOn, kOn, kUnchanged, {}, {}, false},
        Row{"itf", "Interleaved 2 of 5", kHidden, kOn, kOn, kUnchanged, {}, {}, true},
        Row{"msi", "MSI/Plessey", kHidden, kOff, kOn, kUnchanged, {}, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr const char* kTypes[] = {"Code93", "Codabar", "Code11", "Code25", "Interleaved 2 of 5", "MSI/Plessey"};

using NumericHandlers = FlowTest;

TEST_F(NumericHandlers, KeepTheStepOrder) {
    for (const std::string type : kTypes) {
        std::vector<std::string> expected{"read_options", "notes", "controls"};
        if (type == "Code25") expected.push_back("read_options");  // takes the record from the controls
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

using FlagsPersist = FlowTest;

TEST_F(FlagsPersist, Code93LeavesCode39InItsFullAsciiForm) {
    state.controls.check_character = true;
    state.controls.data = "Code";
    select("Code93");
    select("Code39");
    EXPECT_EQ(state.converted, "[C+O+D+E]");
    EXPECT_TRUE(state.controls.full_ascii);
    EXPECT_TRUE(control(OptionControl::FullAscii).enabled);
    EXPECT_FALSE(state.controls.check_character);
    EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
}

TEST_F(FlagsPersist, MsiLeavesTheCheckDigitOnForCode25AndItf) {
    state.controls.data = "123";
    select("MSI/Plessey");
    EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
    select("Code25");
    EXPECT_EQ(state.converted, "[1236]");
    EXPECT_TRUE(control(OptionControl::CheckCharacter).enabled);
    select("Interleaved 2 of 5");
    EXPECT_EQ(test::hex(state.converted), "CA 2D 45 CB");
    select("Code39");
    EXPECT_EQ(state.converted, "*1236*");  // 1 + 2 + 3 = 6
}

TEST_F(FlagsPersist, CodabarLeavesTheCheckDigitOff) {
    state.controls.check_character = true;
    state.controls.data = "123";
    select("Codabar");
    select("Code25");
    EXPECT_FALSE(state.controls.check_character);
    EXPECT_EQ(state.converted, "[123]");
}

}  // namespace
