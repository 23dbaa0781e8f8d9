// SPDX-License-Identifier: MIT
#include "symbologies/msi_plessey.h"

#include <gtest/gtest.h>

#include "flow/flow_fixture.h"

namespace {

using test::FlowTest;

using MsiHandler = FlowTest;

TEST_F(MsiHandler, ConvertsWithItsCheckDigit) {
    state.controls.data = "1234567";
    select("MSI/Plessey");
    EXPECT_EQ(state.converted, "[12345674]");
    EXPECT_EQ(state.preview_text, "Font VNL MSIMA not installed.");
    EXPECT_EQ(state.status, "");
    EXPECT_EQ(state.symbol_notes,
              "MSI/Plessey symbology is used primarily for inventory control. It can only encode numeric data. A "
              "modulo 10 check digit is required.");
}

TEST_F(MsiHandler, ReportsAndDropsNonDigits) {
    select("MSI/Plessey");
    type_data("80-523");
    EXPECT_EQ(state.converted, "[805234]");
    EXPECT_EQ(state.status, "Invalid character(s) found in the input.");
    type_data("VARNEL");
    EXPECT_EQ(state.converted, "[0]");
}

}  // namespace
