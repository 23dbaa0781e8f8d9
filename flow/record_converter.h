// SPDX-License-Identifier: MIT
// Conversions without a window: one request, or a run of records of one entry, each a
// Conversion value with the answer whether its font is installed.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "flow/catalogue.h"
#include "flow/conversion.h"
#include "flow/installed_families.h"

namespace varnel::glyphmate {

struct ConversionRequest {
    std::string type = "Code39";
    std::string data = "VARNEL GLYPH MATE";  // bytes, as the core takes them
    std::string supplement;
    OptionRecord options;                     // flags and height as the user set them
    bool input_lost = false;                  // characters of the typed text had no byte
};

struct ConversionResult : Conversion {
    const CatalogueEntry* entry = nullptr;
    bool font_installed = false;
};

// Text the front end could not hand to the core (characters without a byte) never reached
// the handler's check: the status line then leads with the invalid-characters message, once.
void report_lost_input(std::string& status);

// Converts one request as the dialog shows it; nothing when the type names no catalogue entry.
std::optional<ConversionResult> convert_one(const ConversionRequest& request, InstalledFamilies& fonts);

// Many records of one catalogue entry, each from the same starting options, settled as
// records (settle_record). The entry's
// rules, which do not depend on the data, are applied once, as are the font name and the
// question whether it is installed; each record then costs its handler and the copies of
// its texts.
class RecordConverter {
public:
    using FontQuery = glyphmate::FontQuery;

    RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts);
    RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, FontQuery installed);

    // Converts one record; the result stays valid until the next call.
    const ConversionResult& run(std::string_view data, std::string_view supplement = {}, bool input_lost = false);

    const CatalogueEntry& entry() const { return entry_; }

private:
    const CatalogueEntry& entry_;
    FontQuery installed_;
    bool asked_ = false;  // whether the font question was put (at the first record)
    std::string supplement_;
    Outcome outcome_;
    ConversionResult result_;
};

}  // namespace varnel::glyphmate
