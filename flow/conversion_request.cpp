#include "flow/conversion_request.h"

#include <utility>

#include "flow/dispatcher.h"
#include "symbologies/handler_steps.h"

namespace glyphmate {

namespace {
// Back to the state in which a fresh dialog starts the flow. Clearing rather than
// replacing keeps each string's buffer for the next record.
void reset(DialogState& state, const OptionRecord& start, std::string_view data, std::string_view supplement) {
    state.controls.height_index = start.height_index;
    state.controls.data.assign(data);
    state.controls.underlying_text = start.underlying_text;
    state.controls.full_ascii = start.full_ascii;
    state.controls.check_character = start.check_character;
    state.supplement.assign(supplement);
    state.symbol_notes.clear();
    state.status.clear();
    state.converted.clear();
    state.preview_text.clear();
    state.preview_font.face.clear();
    state.preview_font.height = 0;
    state.preview_font.weight = 0;
    state.option_controls = {};
}

}  // namespace

void report_lost_input(std::string& status) {
    if (status.starts_with(kInvalidCharacters)) return;
    status.insert(0, status.empty() ? std::string(kInvalidCharacters) : std::string(kInvalidCharacters) + ' ');
}

Converter::Converter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts)
    : Converter(entry, options, [&fonts](std::string_view family) { return fonts.contains(family); }) {}

Converter::Converter(const CatalogueEntry& entry, const OptionRecord& options, HeadlessDialog::FontQuery installed)
    : entry_(entry), start_(options), installed_(std::move(installed)), dialog_(installed_) {
    result_.entry = &entry_;
}

const ConversionResult& Converter::run(std::string_view data, std::string_view supplement, bool input_lost) {
    DialogState& state = dialog_.state();
    state.type_text.assign(entry_.name);
    reset(state, start_, data, supplement);
    run_conversion(dialog_, entry_);  // reads the option record from the controls first
    OptionRecord& record = dialog_.options();

    if (input_lost) report_lost_input(state.status);

    // The dialog keeps the buffers of the previous result for the next record.
    std::swap(result_.state, state);
    std::swap(result_.options, record);  // the next record reads the controls again
    const OptionRecord& after = result_.options;
    result_.font = font_name(entry_.font_key, after.height_index, after.underlying_text);
    result_.font_installed = installed_ && installed_(result_.font);
    return result_;
}

std::optional<ConversionResult> convert(const ConversionRequest& request, InstalledFamilies& fonts) {
    const CatalogueEntry* entry = find_entry(request.type);
    if (entry == nullptr) return std::nullopt;
    Converter converter(*entry, request.options, fonts);
    converter.run(request.data, request.supplement, request.input_lost);
    return std::move(converter.result_);  // the converter ends here: no copy of long data
}

}  // namespace glyphmate
