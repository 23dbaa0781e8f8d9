// SPDX-License-Identifier: MIT
#include "verify/user_actions.h"

#include "flow/catalogue.h"
#include "flow/dispatcher.h"

namespace verify {

namespace {
using varnel::glyphmate::OptionControl;

bool usable(const varnel::glyphmate::DialogState& state, OptionControl c) {
    return state.control(c).shown && state.control(c).enabled;
}
}  // namespace

bool perform(varnel::glyphmate::HeadlessDialog& dialog, const Action& action) {
    varnel::glyphmate::DialogState& state = dialog.state();
    varnel::glyphmate::OptionRecord& controls = state.controls;
    switch (action.kind) {
        case Action::Select:
            if (action.number < 0 || action.number >= static_cast<int>(varnel::glyphmate::kCatalogue.size())) return false;
            state.type_text = varnel::glyphmate::kCatalogue[static_cast<std::size_t>(action.number)].name;
            break;
        case Action::ClickCheck:
            if (!usable(state, OptionControl::CheckCharacter)) return false;
            controls.check_character = !controls.check_character;
            break;
        case Action::ClickFullAscii:
            if (!usable(state, OptionControl::FullAscii)) return false;
            controls.full_ascii = !controls.full_ascii;
            break;
        case Action::ClickUnderlyingText:
            if (!usable(state, OptionControl::UnderlyingText)) return false;
            controls.underlying_text = !controls.underlying_text;
            dialog.read_options();
            break;
        case Action::ClickHeight:
            if (action.number < 0 || action.number > 4) return false;
            controls.height_index = action.number;
            dialog.read_options();
            break;
        case Action::LeaveData:
            controls.data = action.text;
            break;
        case Action::LeaveSupplement:
            if (!usable(state, OptionControl::SupplementField)) return false;
            state.supplement = action.text;
            break;
    }
    varnel::glyphmate::run_conversion(dialog);
    return true;
}

Snapshot as_left_by(varnel::glyphmate::HeadlessDialog& dialog, const Action& action) {
    Snapshot s{dialog.state(), dialog.options(), dialog.user_choice().chosen};
    varnel::glyphmate::OptionRecord& controls = s.state.controls;
    varnel::glyphmate::OptionRecord& chosen = s.chosen;
    switch (action.kind) {
        case Action::Select:
            if (action.number >= 0 && action.number < static_cast<int>(varnel::glyphmate::kCatalogue.size()))
                s.state.type_text = varnel::glyphmate::kCatalogue[static_cast<std::size_t>(action.number)].name;
            break;
        case Action::ClickCheck: chosen.check_character = controls.check_character = !controls.check_character; break;
        case Action::ClickFullAscii: chosen.full_ascii = controls.full_ascii = !controls.full_ascii; break;
        case Action::ClickUnderlyingText:
            chosen.underlying_text = controls.underlying_text = !controls.underlying_text;
            break;
        case Action::ClickHeight: controls.height_index = action.number; break;
        case Action::LeaveData: controls.data = action.text; break;
        case Action::LeaveSupplement: s.state.supplement = action.text; break;
    }
    return s;
}

}  // namespace verify
