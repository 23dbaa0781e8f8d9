// SPDX-License-Identifier: MIT
#include "flow/record_converter.h"

#include <utility>

#include "flow/font_naming.h"

namespace varnel::glyphmate {

void report_lost_input(std::string& status) {
    if (status.starts_with(kInvalidCharacters)) return;
    status.insert(0, status.empty() ? std::string(kInvalidCharacters) : std::string(kInvalidCharacters) + ' ');
}

std::optional<ConversionResult> convert_one(const ConversionRequest& request, InstalledFamilies& fonts) {
    const CatalogueEntry* entry = find_entry(request.type);
    if (entry == nullptr) return std::nullopt;
    OptionRecord options = request.options;
    options.data = request.data;
    ConversionResult result;
    static_cast<Conversion&>(result) = convert(*entry, std::move(options), request.supplement);
    if (request.input_lost) report_lost_input(result.status);
    result.entry = entry;
    result.font_installed = fonts.contains(result.font);
    return result;
}

RecordConverter::RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts)
    : RecordConverter(entry, options, [&fonts](std::string_view family) { return fonts.contains(family); }) {}

RecordConverter::RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, FontQuery installed)
    : entry_(entry), installed_(std::move(installed)) {
    result_.entry = &entry_;
    result_.options = options_after_rules(entry.symbology->rule, options);
    result_.font = make_font_name(entry.font_key, result_.options.height_index, result_.options.underlying_text);
}

const ConversionResult& RecordConverter::run(std::string_view data, std::string_view supplement, bool input_lost) {
    if (!asked_) {
        // The font depends on the options alone, so one answer serves the whole run. The
        // question may convert on this thread itself: nothing of this run is in use yet.
        asked_ = true;
        result_.font_installed = installed_ && installed_(result_.font);
    }
    result_.options.data.assign(data);
    supplement_.assign(supplement);
    convert_record(*entry_.symbology, result_.options, supplement_, outcome_, result_);
    if (input_lost) report_lost_input(result_.status);
    settle_record(result_, data.empty() && !input_lost);
    return result_;
}

}  // namespace varnel::glyphmate
