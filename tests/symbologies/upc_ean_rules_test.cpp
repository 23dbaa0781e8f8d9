// SPDX-License-Identifier: MIT
#include "symbologies/upc_ean.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "test_support.h"

namespace {

using varnel::glyphmate::ControlState;
using varnel::glyphmate::OptionControl;
using test::FlowTest;

std::string outside(char digit) { return std::string(1, static_cast<char>(0xC0 + (digit - '0'))); }

const std::string kUpcaSymbol = outside('0') + "[!36000|slafgS]" + outside('2');
constexpr const char* kTypes[] = {"UPC-A", "UPC-E", "EAN-13", "EAN-8"};

using UpcEanHandler = FlowTest;

TEST_F(UpcEanHandler, JoinsTheAddOnAfterOneSpace) {
    state.controls.data = "03600029145";
    state.supplement = "12";
    select("UPC-A");
    const std::string expected = kUpcaSymbol + " {z\\x";
    EXPECT_EQ(test::hex(state.converted), test::hex(expected));
    EXPECT_EQ(state.converted.size(), 22u);
    EXPECT_EQ(state.status, "");
    EXPECT_EQ(state.preview_text, "Font VNL UEBMA not installed.");
}

TEST_F(UpcEanHandler, KeepsTheStepOrder) {
    state.controls.data = "03600029145";
    select("UPC-A");
    const std::vector<std::string> expected{"read_options", "notes",     "controls",     "data_text",
                                            "status",       "supplement_text", "converted", "preview_text",
                                            "installed?",   "preview_text",    "preview_font"};
    EXPECT_EQ(dialog.steps(), expected);
}

// Check Character and Underlying Text forced on, both boxes disabled, Full ASCII hidden,
// the supplement shown, the Addon box left alone; from two opposite starting points.
TEST_F(UpcEanHandler, ForcesTheOptions) {
    for (const char* type : kTypes) {
        for (const bool start : {true, false}) {
            SCOPED_TRACE(std::string(type) + (start ? " from shown, enabled, flags on"
                                                    : " from hidden, disabled, flags off"));
            start_from(start);

            select(type);

            EXPECT_FALSE(control(OptionControl::FullAscii).shown);
            EXPECT_EQ(control(OptionControl::FullAscii).enabled, start);
            EXPECT_FALSE(control(OptionControl::CheckCharacter).enabled);
            EXPECT_EQ(control(OptionControl::CheckCharacter).shown, start);
            EXPECT_FALSE(control(OptionControl::UnderlyingText).enabled);
            EXPECT_EQ(control(OptionControl::Addon), (ControlState{start, start}));
            EXPECT_TRUE(control(OptionControl::SupplementLabel).shown);
            EXPECT_TRUE(control(OptionControl::SupplementField).shown);

            EXPECT_TRUE(state.controls.check_character);
            EXPECT_TRUE(state.controls.underlying_text);
            EXPECT_EQ(state.controls.full_ascii, start);
            EXPECT_EQ(state.controls, dialog.options());
            EXPECT_EQ(std::count(dialog.calls.begin(), dialog.calls.end(), "write_options"), 1);
        }
    }
}

struct Row {
    const char* name;
    const char* type;
    std::string data;
    std::string status;
    std::string converted;
};

class UpcEanMessages : public FlowTest, public testing::WithParamInterface<Row> {};

TEST_P(UpcEanMessages, ReportAndStillConvert) {
    const Row& row = GetParam();
    state.controls.data = row.data;
    select(row.type);
    EXPECT_EQ(state.status, row.status);
    EXPECT_EQ(test::hex(state.converted), test::hex(row.converted));
    EXPECT_EQ(state.preview_text, "Font VNL UEBMA not installed.");
}

constexpr const char* kInvalid = "Invalid character(s) found in the input.";

INSTANTIATE_TEST_SUITE_P(
    Members, UpcEanMessages,
    testing::Values(
        Row{"upca", "UPC-A", "03600029145", "", kUpcaSymbol},
        Row{"upce", "UPC-E", "123456", "", outside('0') + "[q23rt6'" + outside('5')},
        Row{"ean13", "EAN-13", "400638133393", "", outside('4') + "[0p63iq|dddlda]"},
        Row{"ean8", "EAN-8", "9638507", "", "[9638|g;jf]"},
        Row{"upca_empty", "UPC-A", "", "Only 11 digits are allowed.", "Invalid length of input string."},
        Row{"upce_empty", "UPC-E", "", "Only 6 digits are allowed.", "Invalid length of input string."},
        Row{"ean13_empty", "EAN-13", "", "Only 12 digits are allowed.", "Invalid length of input string"},
        Row{"ean8_empty", "EAN-8", "", "Only 7 digits are allowed.", "Invalid length of input string."},
        Row{"upca_check_digit_typed", "UPC-A", "036000291452", "Only 11 digits are allowed.",
            "Invalid length of input string."},
        Row{"ean13_check_digit_typed", "EAN-13", "4006381333931", "Only 12 digits are allowed.",
            "Invalid length of input string"},
        // the digits still make the symbol; only the character message is shown
        Row{"upca_dashes", "UPC-A", "0-36000-29145-", kInvalid, kUpcaSymbol},
        Row{"ean8_too_short_with_letters", "EAN-8", "12a", kInvalid, "Invalid length of input string."},
        Row{"upce_no_expansion", "UPC-E", "120453",
            "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.", "Invalid UPC-E number."},
        Row{"upce_no_expansion_dashed", "UPC-E", "12-0453",
            std::string(kInvalid) + " Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.",
            "Invalid UPC-E number."},
        Row{"upce_third_digit_three", "UPC-E", "123403", "", outside('0') + "[q234pe'" + outside('6')}),
    [](const auto& info) { return std::string(info.param.name); });

struct SupplementRow {
    const char* name;
    std::string supplement;
    std::string tail;  // what follows the main symbol
    std::string_view status = "";
};

class UpcEanSupplement : public FlowTest, public testing::WithParamInterface<SupplementRow> {};

TEST_P(UpcEanSupplement, FollowsTheMainSymbol) {
    const SupplementRow& row = GetParam();
    state.controls.data = "03600029145";
    state.supplement = row.supplement;
    select("UPC-A");
    EXPECT_EQ(test::hex(state.converted), test::hex(kUpcaSymbol + row.tail));
    EXPECT_EQ(state.status, row.status);
}

constexpr std::string_view kBadSupplement = "The supplement must be 2 or 5 digits.";

INSTANTIATE_TEST_SUITE_P(
    Texts, UpcEanSupplement,
    testing::Values(SupplementRow{"none", "", ""},
                    SupplementRow{"two", "12", " {z\\x"},
                    SupplementRow{"five", "52495", " {B\\x\\V\\.\\b"},
                    SupplementRow{"five_with_dash", "5-2495", " {B\\x\\V\\.\\b"},
                    // no add-on: said so, and no space after the main symbol
                    SupplementRow{"space_only", " ", "", kBadSupplement},
                    SupplementRow{"one_digit", "1", "", kBadSupplement},
                    SupplementRow{"three_digits", "123", "", kBadSupplement},
                    SupplementRow{"letters", "ab", "", kBadSupplement}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpcEanHandler, JoinsTheAddOnToALengthErrorToo) {
    state.controls.data = "";
    state.supplement = "12";
    select("EAN-13");
    EXPECT_EQ(state.converted, "Invalid length of input string {z\\x");
}

TEST_F(UpcEanHandler, SymbolNotes) {
    const struct {
        const char* type;
        std::string notes;
    } rows[] = {
        {"UPC-A", "UPC-A is used in retail industry. A UPC-A number consists of 11 digits of numeric data."},
        {"UPC-E",
         "UPC-E is the abbriviation form of a UPC-A number. It consists of 6 digits with a implied number system 0."},
        {"EAN-13", "EAN13 encodes 12 digits of numeric data. For more information, visit https://www.varnel.example/"},
        {"EAN-8",
         "EAN8 is the abbriviation form of a EAN-8 number. For more information, visit https://www.varnel.example/"},
    };
    for (const auto& row : rows) {
        select(row.type);
        EXPECT_EQ(state.symbol_notes, row.notes);
    }
}

TEST_F(UpcEanHandler, NamesTheFontWithUnderlyingTextAlwaysOn) {
    state.controls.underlying_text = false;
    state.controls.height_index = 0;
    installed.push_back("VNL UEBXSA");
    state.controls.data = "9638507";
    select("EAN-8");
    EXPECT_EQ(state.preview_font.face, "VNL UEBXSA");
    EXPECT_EQ(state.preview_text, "[9638|g;jf]");
}

}  // namespace
