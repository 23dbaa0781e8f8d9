#pragma once

#include "encoder_app/dialog_ops.h"

namespace glyphmate {

// Runs the handler of the selected Barcode Type entry; an unknown name changes nothing.
void run_conversion(DialogOps& dialog);

}  // namespace glyphmate
