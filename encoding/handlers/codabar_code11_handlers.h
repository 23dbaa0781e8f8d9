#pragma once

#include "encoder_app/dialog_ops.h"

namespace glyphmate {

void codabar_handler(DialogOps& dialog);
void code11_handler(DialogOps& dialog);

}  // namespace glyphmate
