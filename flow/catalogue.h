// The sixteen symbologies of the Barcode Type list, in list order, with the handler each
// runs, the variant number it passes and the font key it names its font by.
#pragma once

#include <array>
#include <string_view>

#include "flow/dialog_ops.h"

namespace glyphmate {

using Handler = void (*)(DialogOps& dialog, int variant);

inline constexpr int kNoVariant = -1;

struct CatalogueEntry {
    std::string_view name;
    Handler handler;  // empty until the symbology is built; selecting it changes nothing
    int variant;
    std::string_view font_key;
};

extern const std::array<CatalogueEntry, 16> kCatalogue;

// The entry whose display name matches without regard to case, or nullptr.
const CatalogueEntry* find_entry(std::string_view display_name);

}  // namespace glyphmate
