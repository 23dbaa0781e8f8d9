// SPDX-License-Identifier: MIT
#include "symbologies/two_of_five.h"

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"
#include "test_support.h"

namespace {

using test::FlowTest;

constexpr std::string_view kInvalid = "Invalid character(s) found in the input.";

struct Row {
    const char* name;
    const char* type;
    bool check;
    std::string data;
    const char* converted;  // hex
    std::string_view status;
    const char* font;
};

class TwoOfFiveHandlers : public FlowTest, public testing::WithParamInterface<Row> {};

// The Check Character box picks the encoder.
TEST_P(TwoOfFiveHandlers, ConvertsAndReports) {
    const Row& row = GetParam();
    installed.push_back(row.font);
    state.controls.check_character = row.check;
    state.controls.data = row.data;
    select(row.type);
    EXPECT_EQ(test::hex(state.converted), row.converted);
    EXPECT_EQ(state.preview_text, state.converted);
    EXPECT_EQ(state.preview_font.face, row.font);
    EXPECT_EQ(state.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TwoOfFiveHandlers,
    testing::Values(
        Row{"code25", "Code25", false, "123", "5B 31 32 33 5D", "", "VNL Code25MA"},
        Row{"code25_check", "Code25", true, "123", "5B 31 32 33 36 5D", "", "VNL Code25MA"},
        Row{"code25_letters", "Code25", false, "1A2-3", "5B 31 32 33 5D", kInvalid, "VNL Code25MA"},
        Row{"itf", "Interleaved 2 of 5", false, "123", "CA 22 38 CB", "", "VNL ITF25MA"},
        Row{"itf_check", "Interleaved 2 of 5", true, "12", "CA 22 38 CB", "", "VNL ITF25MA"},
        Row{"itf_letters", "Interleaved 2 of 5", true, "1 2 3", "CA 2D 45 CB", kInvalid, "VNL ITF25MA"}),
    [](const auto& info) { return std::string(info.param.name); });

using TwoOfFiveHandler = FlowTest;

TEST_F(TwoOfFiveHandler, SetsTheNotes) {
    select("Code25");
    EXPECT_EQ(state.symbol_notes,
              "Code25 is also called standard 2 of 5, Industry 2 of 5 or 2 of 5. It is a low density numeric "
              "symbology. Check digit is optional.");
    select("Interleaved 2 of 5");
    EXPECT_EQ(state.symbol_notes,
              "Interleaved 2 of 5 is also called ITF-25. It is a high-density numeric symbology based on the "
              "standard 2 of 5 symbology. Check digit is optional.");
}

}  // namespace
