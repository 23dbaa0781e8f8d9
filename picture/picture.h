// SPDX-License-Identifier: MIT
// A converted string drawn through its font's layout (symbologies/bars.h) as a neutral
// picture: rectangles and text lines in modules, ready for any writer or painter.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "symbologies/bars.h"

namespace varnel::picture {

struct RenderOptions {
    double bar_height = 45;    // modules
    bool text = true;          // the font prints its text (an Underlying Text font)
    bool quiet_zones = true;
};

// x to the right and y down, in modules, from the picture's top left corner.
struct Rect {
    double x, y, width, height;
};

struct Label {
    double x;         // centre
    double baseline;
    double size;      // height of the line
    std::string text; // ASCII
};

struct Picture {
    double width = 0, height = 0;
    std::vector<Rect> bars;
    std::vector<Label> labels;
    std::size_t skipped = 0;  // bytes the font has no glyph for, left out
};

// Height of a text line, and how far tall bars reach into it.
inline constexpr double kTextSize = 8, kTextGap = 1, kTallReach = 5;

Picture render(const bars::FontLayout& font, std::string_view converted, const RenderOptions& options = {});

struct Scale {
    double module_mm = 0.33;
    int dpi = 300;  // PNG only
};

// A complete SVG document, sized in millimetres.
std::string svg(const Picture& picture, const Scale& scale);

// Modules as whole pixels: every module the same width at the dpi, at least one pixel.
int module_pixels(const Scale& scale);

// A complete PNG file (greyscale, the dpi recorded), or empty when libpng failed.
std::vector<unsigned char> png(const Picture& picture, const Scale& scale);

}  // namespace varnel::picture
