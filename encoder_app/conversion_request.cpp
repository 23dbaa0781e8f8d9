#include "encoder_app/conversion_request.h"

#include "encoder_app/dispatcher.h"
#include "encoder_app/font_naming.h"
#include "encoding/handlers/handler_steps.h"

namespace glyphmate {

std::optional<ConversionResult> convert(const ConversionRequest& request, InstalledFamilies& fonts) {
    const CatalogueEntry* entry = find_entry(request.type);
    if (entry == nullptr) return std::nullopt;

    HeadlessDialog dialog(fonts);
    DialogState& state = dialog.state();
    state.type_text = entry->name;
    state.controls = request.options;
    state.controls.data = request.data;
    state.supplement = request.supplement;
    dialog.options() = state.controls;
    run_conversion(dialog);

    // Text the console could not hand to the core never reached the handler's check.
    if (request.input_lost && !state.status.starts_with(kInvalidCharacters))
        state.status = std::string(kInvalidCharacters) + (state.status.empty() ? "" : " ") + state.status;

    ConversionResult result{.entry = entry, .state = state, .options = dialog.options(), .font = {}, .font_installed = false};
    result.font = make_font_name(entry->font_key, result.options.height_index, result.options.underlying_text);
    result.font_installed = fonts.contains(result.font);
    return result;
}

}  // namespace glyphmate
