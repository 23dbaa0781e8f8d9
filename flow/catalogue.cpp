// SPDX-License-Identifier: MIT
#include "flow/catalogue.h"

#include "flow/installed_families.h"
#include "symbologies/codabar_code11.h"
#include "symbologies/code128.h"
#include "symbologies/code39.h"
#include "symbologies/code93.h"
#include "symbologies/gs1_128.h"
#include "symbologies/msi_plessey.h"
#include "symbologies/two_of_five.h"
#include "symbologies/upc_ean.h"

namespace varnel::glyphmate {

const std::array<CatalogueEntry, 17> kCatalogue{{
    {"Code39", &kCode39, "Code39"},
    {"Code39 Extended", &kCode39Extended, "Code39Ext"},
    {"Code93", &kCode93, "Code93"},
    {"UPC-A", &kUpcA, "UEB"},
    {"UPC-E", &kUpcE, "UEB"},
    {"EAN-13", &kEan13, "UEB"},
    {"EAN-8", &kEan8, "UEB"},
    {"Interleaved 2 of 5", &kInterleaved2of5, "ITF25"},
    {"Code128A", &kCode128A, "Code128A"},
    {"Code128B", &kCode128B, "Code128B"},
    {"Code128C", &kCode128C, "Code128C"},
    {"Code128Auto", &kCode128Auto, "Code128A"},
    {"Codabar", &kCodabar, "Codabar"},
    {"Code11", &kCode11, "Code11"},
    {"Code25", &kCode25, "Code25"},
    {"MSI/Plessey", &kMsiPlessey, "MSI"},
    {"GS1-128", &kGs1_128, "Code128A"},
}};

const CatalogueEntry* find_entry(std::string_view display_name) {
    for (const CatalogueEntry& entry : kCatalogue)
        if (equal_ignoring_case(entry.name, display_name)) return &entry;
    return nullptr;
}

}  // namespace varnel::glyphmate
