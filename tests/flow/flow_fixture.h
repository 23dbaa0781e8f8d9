// SPDX-License-Identifier: MIT
// A headless dialog as the encoder dialog opens, with a chosen set of installed fonts.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/dispatcher.h"
#include "recording_dialog.h"

namespace test {

class FlowTest : public testing::Test {
protected:
    std::vector<std::string> installed{"VNL Code39MA", "DejaVu Sans"};
    int listings = 0;
    varnel::glyphmate::InstalledFamilies fonts{[this] {
        ++listings;
        return installed;
    }};
    RecordingDialog dialog{fonts};
    varnel::glyphmate::DialogState& state = dialog.state();

    // The user picks an entry of the Barcode Type list.
    void select(std::string_view type) {
        state.type_text = type;
        varnel::glyphmate::run_conversion(dialog);
    }
    // The user types into the data field and leaves it.
    void type_data(std::string_view data) {
        state.controls.data = data;
        varnel::glyphmate::run_conversion(dialog);
    }
    const varnel::glyphmate::ControlState& control(varnel::glyphmate::OptionControl c) const { return state.control(c); }

    // Every option control shown and enabled and every flag on, or all of it off, so that
    // a control a handler leaves alone shows as left alone.
    void start_from(bool on) {
        for (varnel::glyphmate::ControlState& c : state.option_controls) c = {on, on};
        state.controls.full_ascii = state.controls.check_character = state.controls.underlying_text = on;
        dialog.calls.clear();
    }
};

}  // namespace test
