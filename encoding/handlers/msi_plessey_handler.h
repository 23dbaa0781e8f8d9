#pragma once

#include "encoder_app/dialog_ops.h"

namespace glyphmate {

void msi_handler(DialogOps& dialog);

}  // namespace glyphmate
