// SPDX-License-Identifier: MIT
#include "flow/dispatcher.h"

#include "flow/conversion.h"
#include "flow/preview.h"

namespace varnel::glyphmate {

namespace {

// A box that shows other than the flow last showed in it was clicked by the user; the others
// keep the user's choice, whatever a rule showed in them since.
void take_clicks(DialogOps::UserChoice& user, const OptionRecord& read) {
    OptionRecord& chosen = user.chosen;
    if (read.full_ascii != user.shown.full_ascii) chosen.full_ascii = read.full_ascii;
    if (read.check_character != user.shown.check_character) chosen.check_character = read.check_character;
    if (read.underlying_text != user.shown.underlying_text) chosen.underlying_text = read.underlying_text;
    chosen.height_index = read.height_index;
    chosen.data = read.data;
}

// The rules on the controls: what the symbology shows, hides, enables and disables.
void show_rules(DialogOps& dialog, const Symbology& symbology, const OptionRecord& options) {
    const OptionRule& rule = symbology.rule;
    dialog.set_symbol_notes(symbol_notes(symbology));
    for (int i = 0; i < kOptionControlCount; ++i) {
        const auto control = static_cast<OptionControl>(i);
        const ControlRule& c = rule.control(control);
        if (c.shown != Set::Keep) dialog.show_control(control, c.shown == Set::On);
        if (c.enabled != Set::Keep) dialog.enable_control(control, c.enabled == Set::On);
    }
    dialog.options() = options;
    dialog.write_options();
    if (rule.full_ascii_clears_check && options.full_ascii) dialog.enable_control(OptionControl::CheckCharacter, false);
}

}  // namespace

std::optional<Conversion> run_conversion(DialogOps& dialog) {
    dialog.read_options();
    const CatalogueEntry* entry = find_entry(dialog.selected_type_text());
    if (entry == nullptr) return std::nullopt;
    DialogOps::UserChoice& user = dialog.user_choice();
    take_clicks(user, dialog.options());
    const Symbology& symbology = *entry->symbology;
    user.shown = options_after_rules(symbology.rule, user.chosen);
    show_rules(dialog, symbology, user.shown);

    OptionRecord options = user.chosen;
    options.data = dialog.data_text();
    dialog.set_status("");
    Conversion c =
        convert(*entry, std::move(options), symbology.takes_supplement ? dialog.supplement_text() : std::string());
    if (!c.status.empty()) dialog.set_status(c.status);
    dialog.set_human_readable(c.human_readable);
    dialog.set_converted(c.converted);
    dialog.set_preview_text(c.converted);
    show_preview(dialog, c.font, c.converted);
    return c;
}

}  // namespace varnel::glyphmate
