#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

// Code128A (variant 4), Code128B (5), Code128C (6) and Code128Auto (7).
void code128_handler(DialogOps& dialog, int variant);

}  // namespace glyphmate
