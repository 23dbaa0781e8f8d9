#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

void msi_handler(DialogOps& dialog);

}  // namespace glyphmate
