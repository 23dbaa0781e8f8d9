#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

void code93_handler(DialogOps& dialog);

}  // namespace glyphmate
