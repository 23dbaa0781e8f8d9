// SPDX-License-Identifier: MIT
// What a user can do to the encoder dialog, one action at a time, as the flow sees it: the
// sequence tests and the flow fuzz target drive a headless dialog with these.
#pragma once

#include <string>

#include "flow/headless_dialog.h"
#include "verify/flow_check.h"

namespace verify {

struct Action {
    enum Kind { Select, ClickCheck, ClickFullAscii, ClickUnderlyingText, ClickHeight, LeaveData, LeaveSupplement };
    Kind kind = Select;
    int number = 0;    // Select: the catalogue entry; ClickHeight: the height button
    std::string text;  // LeaveData, LeaveSupplement: what the field holds when it loses the focus
};

// Does the action and runs the conversion it starts. A hidden or disabled control cannot be
// used: then nothing happens and the result is false.
bool perform(varnel::glyphmate::HeadlessDialog& dialog, const Action& action);

// The dialog as the action leaves it for the conversion it starts: what check_conversion
// compares the result with.
Snapshot as_left_by(varnel::glyphmate::HeadlessDialog& dialog, const Action& action);

}  // namespace verify
