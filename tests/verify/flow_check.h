// SPDX-License-Identifier: MIT
// The rules every conversion of the flow must keep, checked from outside: the converted
// string read back (read_back.h) carries the user's data as the symbology's encoder keeps
// it, the status line says what the handler must say, the option controls and flags are
// those of the option table, and the preview and font name follow from them.
//
// Used by the property tests and the fuzz targets alike, so it reports instead of asserting.
#pragma once

#include <string>
#include <string_view>

#include "flow/record_converter.h"
#include "flow/headless_dialog.h"
#include "verify/read_back.h"

namespace verify {

// The dialog as one conversion found it or left it.
struct Snapshot {
    varnel::glyphmate::DialogState state;
    varnel::glyphmate::OptionRecord record;
    varnel::glyphmate::OptionRecord chosen;  // the flags as the user last set them
};

// The dialog convert_one() starts from for this request.
Snapshot before_request(const varnel::glyphmate::ConversionRequest& request);

// The dialog after it painted the conversion of this request.
Snapshot painted(const varnel::glyphmate::ConversionRequest& request, varnel::glyphmate::InstalledFamilies& fonts);

// How a conversion value differs from what the dialog painted of it, one line per text; "" when not.
std::string differences(const varnel::glyphmate::ConversionResult& value, const Snapshot& dialog);

// What a symbol carries for the user's data: the characters its encoder keeps (with the
// leading zero that ITF and set C add). When data was cut at the length limit, the symbol
// carries a prefix of cut_base instead.
struct Kept {
    std::string data;
    std::string cut_base;
};
Kept kept_data(Symbol symbol, std::string_view data);

// GS1-128: data with a fault gives no symbol and no human-readable text, only its message;
// otherwise the symbol sends every typed element, or with the length message the first ones
// whole, and the human-readable text shows those. Every broken rule, one per line; "" when none.
std::string check_gs1(std::string_view data, std::string_view converted, std::string_view human_readable,
                      std::string_view status);

// Every rule the conversion from before to after broke, one per line; "" when none.
std::string check_conversion(const Snapshot& before, const Snapshot& after);

}  // namespace verify
