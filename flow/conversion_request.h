// One conversion without a window: the options as the user would set them, run through
// the same flow as the dialog, and everything the dialog would then show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "flow/catalogue.h"
#include "flow/headless_dialog.h"

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

// Text the front end could not hand to the core (characters without a byte) never reached
// the handler's check: the status line then leads with the invalid-characters message, once.
void report_lost_input(std::string& status);

// Runs the conversion; nothing when the type names no catalogue entry.
std::optional<ConversionResult> convert(const ConversionRequest& request, InstalledFamilies& fonts);

// Many conversions of one catalogue entry, each from the same starting options, as a
// fresh dialog would run them: no record's result depends on the records before it. The
// entry is looked up and the dialog built once, and the buffers of one record are reused
// for the next, so a run of records costs little beyond the handler itself.
class Converter {
public:
    Converter(const CatalogueEntry& entry, const OptionRecord& options, InstalledFamilies& fonts);
    Converter(const CatalogueEntry& entry, const OptionRecord& options, HeadlessDialog::FontQuery installed);

    // Converts one record; the result stays valid until the next call.
    const ConversionResult& run(std::string_view data, std::string_view supplement = {}, bool input_lost = false);

    const CatalogueEntry& entry() const { return entry_; }

private:
    friend std::optional<ConversionResult> convert(const ConversionRequest&, InstalledFamilies&);

    const CatalogueEntry& entry_;
    OptionRecord start_;
    HeadlessDialog::FontQuery installed_;
    HeadlessDialog dialog_;
    ConversionResult result_;
};

}  // namespace glyphmate
