#include "encoder_app/catalogue.h"

#include "encoder_app/installed_families.h"
#include "encoding/handlers/code39_handlers.h"

namespace glyphmate {

namespace {
// Handlers that serve one symbology take no variant.
template <void (*H)(DialogOps&)>
void plain(DialogOps& dialog, int) { H(dialog); }
}  // namespace

const std::array<CatalogueEntry, 16> kCatalogue{{
    {"Code39", plain<code39_handler>, kNoVariant, "Code39"},
    {"Code39 Extended", plain<code39_extended_handler>, kNoVariant, "Code39Ext"},
    {"Code93", nullptr, kNoVariant, "Code93"},
    {"UPC-A", nullptr, 0, "UEB"},
    {"UPC-E", nullptr, 1, "UEB"},
    {"EAN-13", nullptr, 2, "UEB"},
    {"EAN-8", nullptr, 3, "UEB"},
    {"Interleaved 2 of 5", nullptr, kNoVariant, "ITF25"},
    {"Code128A", nullptr, 4, "Code128A"},
    {"Code128B", nullptr, 5, "Code128B"},
    {"Code128C", nullptr, 6, "Code128C"},
    {"Code128Auto", nullptr, 7, "Code128A"},
    {"Codabar", nullptr, kNoVariant, "Codabar"},
    {"Code11", nullptr, kNoVariant, "Code11"},
    {"Code25", nullptr, kNoVariant, "Code25"},
    {"MSI/Plessey", nullptr, kNoVariant, "MSI"},
}};

const CatalogueEntry* find_entry(std::string_view display_name) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (equal_ignoring_case(entry.name, display_name)) return &entry;
    return nullptr;
}

}  // namespace glyphmate
