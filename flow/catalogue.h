// SPDX-License-Identifier: MIT
// The Barcode Type list, in list order: each entry's display name, its symbology (rules
// and handler) and the key its font is named by.
#pragma once

#include <array>
#include <string_view>

#include "symbologies/symbology.h"

namespace varnel::glyphmate {

struct CatalogueEntry {
    std::string_view name;
    const Symbology* symbology;
    std::string_view font_key;
};

extern const std::array<CatalogueEntry, 17> kCatalogue;

// The entry whose display name matches without regard to case, or nullptr.
const CatalogueEntry* find_entry(std::string_view display_name);

}  // namespace varnel::glyphmate
