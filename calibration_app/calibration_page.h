// SPDX-License-Identifier: MIT
// The MICR calibration page: sample lines and rulers in three widths, large zeros in three
// strokes, and the instructions that turn the two measurements into one font name.
#pragma once

#include "calibration_app/drawing_surface.h"
#include "common/mul_div.h"

namespace varnel::trueline {

using varnel::mul_div;

// The height to request for a font of the given point size: the character height, negative.
int font_height(int points, int pixels_per_inch);

// Draws the whole page from scratch. On a printer the page is the printable area moved in
// by 100 units on each side; on the screen it is the client rectangle. Every font created
// here is released before the call returns; nothing is kept between calls.
void draw_calibration_page(DrawingSurface& surface);

}  // namespace varnel::trueline
