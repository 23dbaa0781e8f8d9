// SPDX-License-Identifier: MIT
#include "picture/picture.h"

namespace varnel::picture {

Picture render(const bars::FontLayout& font, std::string_view converted, const RenderOptions& options) {
    Picture picture;
    const double tall_height = options.bar_height + kTallReach;
    double x = options.quiet_zones ? font.quiet_left : 0;
    bool after_glyph = false;
    bool has_text = false, has_tall = false;
    for (const char c : converted) {
        const bars::GlyphDrawing& glyph = font[static_cast<unsigned char>(c)];
        if (!glyph.drawn()) {
            ++picture.skipped;
            continue;
        }
        if (after_glyph) x += font.gap;
        const double start = x;
        for (std::size_t i = 0; i < glyph.count; ++i) {
            const int w = font.modules(glyph.widths[i]);
            if (i % 2 == 0 && w > 0)
                picture.bars.push_back({x, 0, static_cast<double>(w), glyph.tall ? tall_height : options.bar_height});
            x += w;
        }
        has_tall = has_tall || glyph.tall;
        if (options.text && !glyph.printed().empty()) {
            picture.labels.push_back({(start + x) / 2, options.bar_height + kTextGap + kTextSize * 0.8, kTextSize,
                                      std::string(glyph.printed())});
            has_text = true;
        }
        after_glyph = true;
    }
    picture.width = x + (options.quiet_zones ? font.quiet_right : 0);
    picture.height = has_text ? options.bar_height + kTextGap + kTextSize : has_tall ? tall_height : options.bar_height;
    return picture;
}

}  // namespace varnel::picture
