// SPDX-License-Identifier: MIT
// Runs a conversion in a dialog: the selected entry's rules, then its handler on the data,
// then the converted string, the status line and the preview in its font.
#pragma once

#include <string>
#include <string_view>

#include "flow/catalogue.h"
#include "flow/dialog_ops.h"

namespace varnel::glyphmate {

// Runs the selected Barcode Type entry; an unknown name changes nothing.
void run_conversion(DialogOps& dialog);

// The same for an entry the caller has already looked up.
void run_conversion(DialogOps& dialog, const CatalogueEntry& entry);

// What selecting the symbology does before any data is read: the Symbol Notes, the option
// controls and the forced flags, as its rule says.
void apply_rules(DialogOps& dialog, const Symbology& symbology);

// The Symbol Notes text, with the web-site sentence where the symbology has one.
std::string symbol_notes(const Symbology& symbology);

// The handler on one record, with the message for data cut at the length limit.
void convert_record(const Symbology& symbology, const std::string& data, const std::string& supplement,
                    const OptionRecord& options, Outcome& out);

}  // namespace varnel::glyphmate
