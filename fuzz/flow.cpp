// SPDX-License-Identifier: MIT
// The conversion flow through the headless dialog, driven by random sequences of user
// actions (type changes, box clicks, heights, data and supplement changes). After every
// conversion the rules of the flow must hold: the string reads back to the kept data with
// right checks, the status line says what it must, and the option states follow the table.
#include <fuzzer/FuzzedDataProvider.h>

#include "flow/catalogue.h"
#include "flow/installed_families.h"
#include "fuzz_check.h"
#include "verify/user_actions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider input(bytes, size);
    varnel::glyphmate::InstalledFamilies fonts{[] { return std::vector<std::string>{"VNL Code39MA", "VNL UEBTA"}; }};
    varnel::glyphmate::HeadlessDialog dialog(fonts);
    verify::perform(dialog, {verify::Action::Select, 0, {}});  // the dialog opens on Code39

    while (input.remaining_bytes() > 0) {
        verify::Action action;
        action.kind = static_cast<verify::Action::Kind>(input.ConsumeIntegralInRange<int>(0, 6));
        action.number = input.ConsumeIntegralInRange<int>(0, static_cast<int>(varnel::glyphmate::kCatalogue.size()) - 1);
        if (action.kind == verify::Action::LeaveData || action.kind == verify::Action::LeaveSupplement) {
            const std::string text = input.ConsumeRandomLengthString(700);
            action.text = fuzz::data_of(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
        }
        if (action.kind == verify::Action::ClickHeight) action.number %= 5;

        const verify::Snapshot before = verify::as_left_by(dialog, action);
        if (!verify::perform(dialog, action)) continue;
        const std::string findings = verify::check_conversion(before, {dialog.state(), dialog.options(), dialog.user_choice().chosen});
        fuzz::expect(findings.empty(), "the flow broke a rule after a " + before.state.type_text + " conversion", findings);
    }
    return 0;
}
