// SPDX-License-Identifier: MIT
#include "symbologies/codabar_code11.h"

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace {

using test::FlowTest;

constexpr std::string_view kInvalid = "Invalid character(s) found in the input.";

struct Row {
    const char* name;
    const char* type;
    std::string data;
    std::string converted;
    std::string_view status;
};

class CodabarCode11Handlers : public FlowTest, public testing::WithParamInterface<Row> {};

TEST_P(CodabarCode11Handlers, ConvertsAndReports) {
    const Row& row = GetParam();
    state.controls.data = row.data;
    select(row.type);
    EXPECT_EQ(state.converted, row.converted);
    EXPECT_EQ(state.preview_text, "Font VNL " + std::string(row.type) + "MA not installed.");
    EXPECT_EQ(state.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CodabarCode11Handlers,
    testing::Values(
        Row{"codabar_signs", "Codabar", "1-$/.+", "A1-$/.+B", ""},
        // ":" is drawn, so it is accepted
        Row{"codabar_colon", "Codabar", "1:2", "A1:2B", ""},
        Row{"codabar_letters", "Codabar", "A1B", "A1B", kInvalid},
        Row{"code11_long", "Code11", "12345678901", "[123456789014-]", ""},
        Row{"code11_letter", "Code11", "12-3a", "[12-30]", kInvalid}),
    [](const auto& info) { return std::string(info.param.name); });

using CodabarCode11Notes = FlowTest;

TEST_F(CodabarCode11Notes, AreTheSymbologiesOwn) {
    select("Codabar");
    EXPECT_EQ(state.symbol_notes,
              "Codabar is also called NW-7 in Japan. It has a character set of 16 characters: 0-9, -, $, :, /, . "
              "and +. Start/stop characters can be either one of these four characters: A, B, C and D.");
    select("Code11");
    EXPECT_EQ(state.symbol_notes,
              "Code11 is also known as USD-8. It is primarily used in labeling telecommunications equipment. It has "
              "a character set including 0-9 and -.  ");
}

}  // namespace
