#pragma once

#include "flow/dialog_ops.h"

namespace glyphmate {

void code25_handler(DialogOps& dialog);
void itf25_handler(DialogOps& dialog);

}  // namespace glyphmate
