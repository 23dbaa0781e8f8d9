// SPDX-License-Identifier: MIT
#include "flow/conversion.h"

#include <utility>

#include "common/maker.h"
#include "flow/font_naming.h"

namespace varnel::glyphmate {

namespace {
void force(bool& flag, Set rule) {
    if (rule != Set::Keep) flag = rule == Set::On;
}
}  // namespace

OptionRecord options_after_rules(const OptionRule& rule, OptionRecord options) {
    force(options.full_ascii, rule.force_full_ascii);
    force(options.check_character, rule.force_check);
    force(options.underlying_text, rule.force_text);
    if (rule.full_ascii_clears_check && options.full_ascii) options.check_character = false;
    return options;
}

void convert_record(const Symbology& symbology, const OptionRecord& options, const std::string& supplement,
                    Outcome& scratch, Conversion& out) {
    scratch.status.clear();
    scratch.truncated = false;
    scratch.converted = {};
    scratch.error_text = {};
    scratch.first_invalid = std::string_view::npos;
    scratch.human_readable.clear();
    symbology.handler({options.data.c_str(), options.data.size(),
                       symbology.takes_supplement ? supplement.c_str() : "", options, symbology.variant},
                      scratch);
    if (scratch.truncated) scratch.report(kDataTooLong);
    out.converted.assign(scratch.converted);
    out.error_text = scratch.error_text;
    out.first_invalid = scratch.first_invalid;
    out.status.swap(scratch.status);
    out.human_readable.swap(scratch.human_readable);
}

Conversion convert(const CatalogueEntry& entry, OptionRecord options, std::string_view supplement) {
    const Symbology& symbology = *entry.symbology;
    Conversion out;
    out.options = options_after_rules(symbology.rule, std::move(options));
    out.font = make_font_name(entry.font_key, out.options.height_index, out.options.underlying_text);
    Outcome scratch;
    convert_record(symbology, out.options, std::string(supplement), scratch, out);
    return out;
}

void settle_record(Conversion& c, bool empty) {
    if (!c.error_text.empty()) {
        c.converted.clear();
        std::string_view words = c.error_text;
        if (words.ends_with('.')) words.remove_suffix(1);
        if (c.status.find(words) == std::string::npos) c.status.append(c.status.empty() ? "" : " ").append(c.error_text);
        c.error_text = {};
    }
    if (empty && c.status.empty()) c.status.assign(kNoData);
}

std::string symbol_notes(const Symbology& symbology) {
    std::string notes(symbology.notes);
    if (!symbology.web_site_lead.empty()) notes.append(symbology.web_site_lead).append(varnel::kHomePage);
    return notes;
}

}  // namespace varnel::glyphmate
