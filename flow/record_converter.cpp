// SPDX-License-Identifier: MIT
#include "flow/record_converter.h"

#include <utility>

#include "flow/dispatcher.h"
#include "flow/font_naming.h"
#include "flow/preview.h"

namespace varnel::glyphmate {

void report_lost_input(std::string& status) {
    if (status.starts_with(kInvalidCharacters)) return;
    status.insert(0, status.empty() ? std::string(kInvalidCharacters) : std::string(kInvalidCharacters) + ' ');
}

void settle_record(DialogState& state, std::string_view error_text, bool empty) {
    if (!error_text.empty()) {
        if (state.preview_text == state.converted) state.preview_text.clear();  // set in the font: it follows
        state.converted.clear();
        std::string_view words = error_text;
        if (words.ends_with('.')) words.remove_suffix(1);
        if (state.status.find(words) == std::string::npos)
            state.status.append(state.status.empty() ? "" : " ").append(error_text);
    }
    if (empty && state.status.empty()) state.status.assign(kNoData);
}

std::optional<ConversionResult> convert_one(const ConversionRequest& request, InstalledFamilies& fonts) {
    const CatalogueEntry* entry = find_entry(request.type);
    if (entry == nullptr) return std::nullopt;
    HeadlessDialog dialog(fonts);
    DialogState& state = dialog.state();
    state.type_text.assign(entry->name);
    state.controls = request.options;
    state.controls.data = request.data;
    state.supplement = request.supplement;
    run_conversion(dialog, *entry);
    if (request.input_lost) report_lost_input(state.status);

    ConversionResult result;
    result.entry = entry;
    result.options = std::move(dialog.options());
    result.font = make_font_name(entry->font_key, result.options.height_index, result.options.underlying_text);
    result.font_installed = fonts.contains(result.font);
    result.state = std::move(state);
    return result;
}

RecordConverter::RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts)
    : RecordConverter(entry, options, [&fonts](std::string_view family) { return fonts.contains(family); }) {}

RecordConverter::RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, FontQuery installed)
    : entry_(entry), installed_(std::move(installed)) {
    // The rules once, in a dialog of their own: what they leave is what every record shows.
    HeadlessDialog dialog(FontQuery{});
    DialogState& state = dialog.state();
    state.type_text.assign(entry.name);
    state.controls = options;
    dialog.read_options();
    apply_rules(dialog, *entry.symbology);

    result_.entry = &entry_;
    result_.options = dialog.options();
    result_.font = make_font_name(entry.font_key, result_.options.height_index, result_.options.underlying_text);
    result_.state = std::move(state);
    result_.state.controls = result_.options;  // every record is written to the controls or read from them
    result_.state.preview_font = {.face = std::string(kFallbackFace), .height = kPreviewHeight, .weight = kPreviewWeight};
}

const ConversionResult& RecordConverter::run(std::string_view data, std::string_view supplement, bool input_lost) {
    if (!asked_) {
        // The font depends on the options alone, so one answer serves the whole run. The
        // question may convert on this thread itself: nothing of this run is in use yet.
        asked_ = true;
        result_.font_installed = installed_ && installed_(result_.font);
        if (result_.font_installed) result_.state.preview_font.face = result_.font;
        result_.state.preview_text = not_installed_text(result_.font);  // kept for the run when the font is missing
    }
    DialogState& state = result_.state;
    state.controls.data.assign(data);
    result_.options.data.assign(data);
    state.supplement.assign(supplement);
    const Symbology& symbology = *entry_.symbology;
    convert_record(symbology, state.controls.data, symbology.takes_supplement ? state.supplement : no_supplement_,
                   result_.options, outcome_);
    state.status.swap(outcome_.status);
    if (input_lost) report_lost_input(state.status);
    state.converted.assign(outcome_.converted);
    result_.error_text = outcome_.error_text;
    result_.first_invalid = outcome_.first_invalid;
    settle_record(state, outcome_.error_text, data.empty() && !input_lost);
    state.human_readable.swap(outcome_.human_readable);
    if (result_.font_installed) state.preview_text.assign(state.converted);
    return result_;
}

}  // namespace varnel::glyphmate
