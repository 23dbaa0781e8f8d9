// SPDX-License-Identifier: MIT
#include "symbologies/bars.h"

#include "symbologies/codabar_code11.h"
#include "symbologies/code128.h"
#include "symbologies/code39.h"
#include "symbologies/code93.h"
#include "symbologies/msi_plessey.h"
#include "symbologies/two_of_five.h"
#include "symbologies/upc_ean.h"

namespace varnel::bars {

namespace {
struct KeyedLayout {
    std::string_view key;
    const FontLayout* layout;
};
// The font keys of the catalogue; Code 39 Full ASCII is set in the Code39 font.
const KeyedLayout kLayouts[] = {
    {"Code39", &kCode39Font},     {"Code39Ext", &kCode39ExtendedFont}, {"Code93", &kCode93Font},
    {"UEB", &kUebFont},           {"ITF25", &kItf25Font},              {"Code128A", &kCode128AFont},
    {"Code128B", &kCode128BFont}, {"Code128C", &kCode128CFont},        {"Codabar", &kCodabarFont},
    {"Code11", &kCode11Font},     {"Code25", &kCode25Font},            {"MSI", &kMsiFont},
};
}  // namespace

const FontLayout* font_layout(std::string_view font_key) {
    for (const KeyedLayout& entry : kLayouts)
        if (entry.key == font_key) return entry.layout;
    return nullptr;
}

}  // namespace varnel::bars
