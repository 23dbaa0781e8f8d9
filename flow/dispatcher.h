#pragma once

#include "flow/catalogue.h"
#include "flow/dialog_ops.h"

namespace glyphmate {

// Runs the handler of the selected Barcode Type entry; an unknown name changes nothing.
void run_conversion(DialogOps& dialog);

// The same for an entry the caller has already looked up (once per run, not per record).
void run_conversion(DialogOps& dialog, const CatalogueEntry& entry);

}  // namespace glyphmate
