// One conversion without a window: the options as the user would set them, run through
// the same flow as the dialog, and everything the dialog would then show.
#pragma once

#include <optional>
#include <string>

#include "encoder_app/catalogue.h"
#include "encoder_app/headless_dialog.h"

namespace glyphmate {

struct ConversionRequest {
    std::string type = "Code39";
    std::string data = "VARNEL GLYPH MATE";  // bytes, as the core takes them
    std::string supplement;
    OptionRecord options;                     // flags and height as the user set them
    bool input_lost = false;                  // characters of the typed text had no byte
};

struct ConversionResult {
    const CatalogueEntry* entry = nullptr;
    DialogState state;      // texts and control states after the conversion
    OptionRecord options;   // the option record after the conversion
    std::string font;       // the font the converted string is meant for
    bool font_installed = false;
};

// Runs the conversion; nothing when the type names no catalogue entry.
std::optional<ConversionResult> convert(const ConversionRequest& request, InstalledFamilies& fonts);

}  // namespace glyphmate
