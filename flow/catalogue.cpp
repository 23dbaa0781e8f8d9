#include "flow/catalogue.h"

#include "flow/installed_families.h"
#include "symbologies/codabar_code11_handlers.h"
#include "symbologies/code128_handler.h"
#include "symbologies/code39_handlers.h"
#include "symbologies/code93_handler.h"
#include "symbologies/msi_plessey_handler.h"
#include "symbologies/two_of_five_handlers.h"
#include "symbologies/upc_ean_handler.h"

namespace glyphmate {

namespace {
// Handlers that serve one symbology take no variant.
template <void (*H)(DialogOps&)>
void plain(DialogOps& dialog, int) { H(dialog); }
}  // namespace

const std::array<CatalogueEntry, 16> kCatalogue{{
    {"Code39", plain<code39_handler>, kNoVariant, "Code39"},
    {"Code39 Extended", plain<code39_extended_handler>, kNoVariant, "Code39Ext"},
    {"Code93", plain<code93_handler>, kNoVariant, "Code93"},
    {"UPC-A", upc_ean_handler, 0, "UEB"},
    {"UPC-E", upc_ean_handler, 1, "UEB"},
    {"EAN-13", upc_ean_handler, 2, "UEB"},
    {"EAN-8", upc_ean_handler, 3, "UEB"},
    {"Interleaved 2 of 5", plain<itf25_handler>, kNoVariant, "ITF25"},
    {"Code128A", code128_handler, 4, "Code128A"},
    {"Code128B", code128_handler, 5, "Code128B"},
    {"Code128C", code128_handler, 6, "Code128C"},
    {"Code128Auto", code128_handler, 7, "Code128A"},
    {"Codabar", plain<codabar_handler>, kNoVariant, "Codabar"},
    {"Code11", plain<code11_handler>, kNoVariant, "Code11"},
    {"Code25", plain<code25_handler>, kNoVariant, "Code25"},
    {"MSI/Plessey", plain<msi_handler>, kNoVariant, "MSI"},
}};

const CatalogueEntry* find_entry(std::string_view display_name) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (equal_ignoring_case(entry.name, display_name)) return &entry;
    return nullptr;
}

}  // namespace glyphmate
