// SPDX-License-Identifier: MIT
// One conversion as a value: a catalogue entry's rules and handler applied to the user's
// options, data and supplement. The dialog paints it, the record converter, the library
// and everything above them take it as it is.
#pragma once

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
    bool is_symbol = true;       // false: converted is no barcode (empty, or the encoder's error text)
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

// The Symbol Notes text, with the web-site sentence where the symbology has one.
std::string symbol_notes(const Symbology& symbology);

}  // namespace varnel::glyphmate
