#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

// UPC-A (member 0), UPC-E (1), EAN-13 (2) and EAN-8 (3), with the optional add-on.
void upc_ean_handler(DialogOps& dialog, int member);

}  // namespace glyphmate
