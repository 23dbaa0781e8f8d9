#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

void code39_handler(DialogOps& dialog);
void code39_extended_handler(DialogOps& dialog);

}  // namespace glyphmate
