// SPDX-License-Identifier: MIT
// One conversion as a value: a catalogue entry's rules and handler applied to the user's
// options, data and supplement. The dialog paints it, the record converter, the library
// and everything above them take it as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "flow/catalogue.h"
#include "symbologies/symbology.h"

namespace varnel::glyphmate {

struct Conversion {
    OptionRecord options;        // after the rules, with the data as converted
    std::string converted;       // the font's bytes
    std::string status;          // the status line: empty, or the messages one space apart
    std::string human_readable;  // the text to print under the bars where the font prints none
    std::string font;            // the font the converted string is meant for
    // The encoder's error text when converted holds it (with the add-on behind it) in place
    // of a symbol, as the dialog shows it; a view of a constant.
    std::string_view error_text;
    // Where in the data the first byte the handler's check refused stands (npos: none).
    std::size_t first_invalid = std::string_view::npos;

    // Whether converted draws a barcode: not empty, and no error text.
    bool is_symbol() const { return error_text.empty() && !converted.empty(); }
};

// The flags after a symbology's rules: forced ones set, and with Full ASCII on, the check
// character off where the rule ties the two.
OptionRecord options_after_rules(const OptionRule& rule, OptionRecord options);

// Converts options.data (and the supplement, for a symbology that takes one) of the user's
// options, as the entry's rules and handler say.
Conversion convert(const CatalogueEntry& entry, OptionRecord options, std::string_view supplement = {});

// The handler on one record whose options have been through the rules already; fills the
// texts of out (their storage reused) but not its options or font. scratch is the handler's.
void convert_record(const Symbology& symbology, const OptionRecord& options, const std::string& supplement,
                    Outcome& scratch, Conversion& out);

// A conversion as every front end but the dialog gives it: an encoder's error text is no
// converted string but part of the status line (unless the line already says it in other
// words), and an empty record (empty: nothing typed) is reported.
void settle_record(Conversion& c, bool empty);

// The Symbol Notes text, with the web-site sentence where the symbology has one.
std::string symbol_notes(const Symbology& symbology);

}  // namespace varnel::glyphmate
