#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

void codabar_handler(DialogOps& dialog);
void code11_handler(DialogOps& dialog);

}  // namespace glyphmate
