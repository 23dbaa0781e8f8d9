// SPDX-License-Identifier: MIT
// Runs a conversion in a dialog and paints it: the selected entry's rules on the option
// controls, then the converted string, the status line and the preview in its font.
#pragma once

#include <optional>

#include "flow/catalogue.h"
#include "flow/conversion.h"
#include "flow/dialog_ops.h"

namespace varnel::glyphmate {

// Runs the selected Barcode Type entry and returns what it painted; an unknown name changes
// nothing.
std::optional<Conversion> run_conversion(DialogOps& dialog);

}  // namespace varnel::glyphmate
