// SPDX-License-Identifier: MIT
// The MICR calibration page: sample lines and rulers in three widths, large zeros in three
// strokes, and the instructions that turn the two measurements into one font name.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// The maker's MICR families the page sets its samples, rulers and zeros in, each once, in
// the order the page uses them.
std::vector<std::string_view> micr_families();

// Whether a font family is installed: the platform's font database answers in the program,
// a test says what it likes.
class FontCatalogue {
public:
    virtual ~FontCatalogue() = default;
    virtual bool installed(std::string_view family) const = 0;
};

// The MICR families the catalogue lacks, in page order. The platform draws each in a
// substitute face, and a line in another face measures nothing.
std::vector<std::string_view> missing_micr_families(const FontCatalogue& fonts);

// What to tell the user about those families; empty when none is missing.
std::string missing_fonts_warning(std::span<const std::string_view> missing);

}  // namespace varnel::trueline
