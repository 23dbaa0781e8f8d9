#pragma once

#include "encoder_app/dialog_ops.h"

namespace glyphmate {

void code93_handler(DialogOps& dialog);

}  // namespace glyphmate
