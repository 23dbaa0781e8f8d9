// SPDX-License-Identifier: MIT
// The renderer on any bytes, as a string edited by hand may hold them, in any font: bytes
// without a glyph are left out and counted, every bar lies inside the picture past the
// quiet zone, and both writers finish.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz_check.h"
#include "picture/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static constexpr const char* kKeys[] = {"Code39", "Code39Ext", "Code93", "UEB",     "ITF25",  "Code128A",
                                            "Code128B", "Code128C", "Codabar", "Code11", "Code25", "MSI"};
    FuzzedDataProvider input(bytes, size);
    const char* key = kKeys[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kKeys) - 1)];
    const bool text = input.ConsumeBool(), quiet = input.ConsumeBool();
    const std::string converted = input.ConsumeRandomLengthString(255);
    const varnel::bars::FontLayout& font = *varnel::bars::font_layout(key);

    const auto picture = varnel::picture::render(font, converted, {.bar_height = 20, .text = text, .quiet_zones = quiet});
    std::size_t without = 0;
    for (const char c : converted) without += font[static_cast<unsigned char>(c)].drawn() ? 0 : 1;
    fuzz::expect(picture.skipped == without, "bytes without a glyph miscounted", key);
    const double left = quiet ? font.quiet_left : 0, right = picture.width - (quiet ? font.quiet_right : 0);
    for (const auto& bar : picture.bars)
        fuzz::expect(bar.x >= left && bar.x + bar.width <= right && bar.width > 0 && bar.y + bar.height <= picture.height,
                     "a bar outside the symbol", key);
    fuzz::expect(varnel::picture::svg(picture, {}).ends_with("</svg>\n"), "an unfinished SVG", key);
    fuzz::expect(!varnel::picture::png(picture, {.module_mm = 0.25, .dpi = 100}).empty(), "no PNG", key);
    return 0;
}
