// SPDX-License-Identifier: MIT
#include "flow/dispatcher.h"

#include "common/maker.h"
#include "flow/font_naming.h"
#include "flow/preview.h"

namespace varnel::glyphmate {

namespace {

void force(bool& flag, Set rule) {
    if (rule != Set::Keep) flag = rule == Set::On;
}

void convert_selected(DialogOps& dialog, const CatalogueEntry& entry) {
    const Symbology& symbology = *entry.symbology;
    apply_rules(dialog, symbology);

    const std::string data = dialog.data_text();
    dialog.set_status("");
    const std::string supplement = symbology.takes_supplement ? dialog.supplement_text() : std::string();
    Outcome out;
    convert_record(symbology, data, supplement, dialog.options(), out);
    if (!out.status.empty()) dialog.set_status(out.status);
    dialog.set_human_readable(out.human_readable);

    // A copy: the font question below may run other conversions on this thread.
    const std::string converted(out.converted);
    dialog.set_converted(converted);
    dialog.set_preview_text(converted);
    const OptionRecord& options = dialog.options();
    show_preview(dialog, make_font_name(entry.font_key, options.height_index, options.underlying_text), converted);
}

}  // namespace

void run_conversion(DialogOps& dialog) {
    const std::string type = dialog.selected_type_text();
    dialog.read_options();
    if (const CatalogueEntry* entry = find_entry(type)) convert_selected(dialog, *entry);
}

void run_conversion(DialogOps& dialog, const CatalogueEntry& entry) {
    dialog.read_options();
    convert_selected(dialog, entry);
}

void apply_rules(DialogOps& dialog, const Symbology& symbology) {
    const OptionRule& rule = symbology.rule;
    dialog.set_symbol_notes(symbol_notes(symbology));
    for (int i = 0; i < kOptionControlCount; ++i) {
        const auto control = static_cast<OptionControl>(i);
        const ControlRule& c = rule.control(control);
        if (c.shown != Set::Keep) dialog.show_control(control, c.shown == Set::On);
        if (c.enabled != Set::Keep) dialog.enable_control(control, c.enabled == Set::On);
    }
    OptionRecord& options = dialog.options();
    force(options.full_ascii, rule.force_full_ascii);
    force(options.check_character, rule.force_check);
    force(options.underlying_text, rule.force_text);
    if (rule.record == RecordStep::Write) dialog.write_options();
    if (rule.record == RecordStep::Read) dialog.read_options();
    if (rule.full_ascii_clears_check && options.full_ascii) {
        options.check_character = false;
        dialog.write_options();
        dialog.enable_control(OptionControl::CheckCharacter, false);
    }
}

std::string symbol_notes(const Symbology& symbology) {
    std::string notes(symbology.notes);
    if (!symbology.web_site_lead.empty()) notes.append(symbology.web_site_lead).append(varnel::kHomePage);
    return notes;
}

void convert_record(const Symbology& symbology, const std::string& data, const std::string& supplement,
                    const OptionRecord& options, Outcome& out) {
    out.status.clear();
    out.truncated = false;
    out.error_text = {};
    out.first_invalid = std::string_view::npos;
    out.converted = {};
    out.human_readable.clear();
    symbology.handler({data.c_str(), data.size(), supplement.c_str(), options, symbology.variant}, out);
    if (out.truncated) out.report(kDataTooLong);
}

}  // namespace varnel::glyphmate
