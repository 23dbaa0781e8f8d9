// SPDX-License-Identifier: MIT
// Conversions without a window: one request run through the same flow as the dialog, or a
// run of records of one entry, and everything the dialog would then show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "flow/catalogue.h"
#include "flow/headless_dialog.h"

namespace varnel::glyphmate {

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
    // From RecordConverter: the encoder's error text the dialog would show in place of a
    // symbol (see settle_record), and the offset in the data of the first byte the
    // handler's check refused (npos: none).
    std::string_view error_text;
    std::size_t first_invalid = std::string_view::npos;
};

// Text the front end could not hand to the core (characters without a byte) never reached
// the handler's check: the status line then leads with the invalid-characters message, once.
void report_lost_input(std::string& status);

// A record as every front end but the dialog shows it: an encoder's error text is no
// converted string but part of the status line (unless the line already says it in other
// words), and an empty record (empty: nothing typed) is reported.
void settle_record(DialogState& state, std::string_view error_text, bool empty);

// Runs one request in a headless dialog; nothing when the type names no catalogue entry.
std::optional<ConversionResult> convert_one(const ConversionRequest& request, InstalledFamilies& fonts);

// Many records of one catalogue entry, each from the same starting options, with the
// results a fresh dialog would show for each, settled as records (settle_record). The
// entry's rules, which do not depend on the data, are applied once, as are the font name
// and the question whether it is installed; each record then costs its handler and the
// copies of its texts.
class RecordConverter {
public:
    using FontQuery = HeadlessDialog::FontQuery;

    RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts);
    RecordConverter(const CatalogueEntry& entry, const OptionRecord& options, FontQuery installed);

    // Converts one record; the result stays valid until the next call.
    const ConversionResult& run(std::string_view data, std::string_view supplement = {}, bool input_lost = false);

    const CatalogueEntry& entry() const { return entry_; }

private:
    const CatalogueEntry& entry_;
    FontQuery installed_;
    bool asked_ = false;  // whether the font question was put (at the first record)
    const std::string no_supplement_;
    Outcome outcome_;
    ConversionResult result_;
};

}  // namespace varnel::glyphmate
