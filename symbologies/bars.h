// SPDX-License-Identifier: MIT
// What a barcode font draws for each byte: the bars and spaces of its glyph, whether the
// bars reach down into the text line, and the text printed under it when the font is an
// Underlying Text font. Each symbology unit holds the layout of its font beside its glyph
// table; the renderer (picture/) draws converted strings through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace varnel::bars {

// Element widths of two-width codes, before the layout's ratio applies.
inline constexpr std::uint8_t N = 1, W = 2;

struct GlyphDrawing {
    // Alternately bar, space, bar, ... from the left. A glyph that starts with a space has an
    // empty first bar (width 0). Modules, or N and W in a two-width layout.
    std::array<std::uint8_t, 20> widths{};
    std::uint8_t count = 0;
    bool tall = false;         // guard bars: drawn down into the text line
    std::array<char, 3> text{};  // printed under the glyph, NUL-terminated

    constexpr bool drawn() const { return count > 0; }
    constexpr std::string_view printed() const { return {text.data(), text[0] == 0 ? 0u : text[1] == 0 ? 1u : 2u}; }
    // The widths added up as they stand (N and W count 1 and 2).
    constexpr int total() const {
        int sum = 0;
        for (std::size_t i = 0; i < count; ++i) sum += widths[i];
        return sum;
    }
    constexpr int count_of(std::uint8_t width) const {
        int n = 0;
        for (std::size_t i = 0; i < count; ++i) n += widths[i] == width ? 1 : 0;
        return n;
    }
    constexpr GlyphDrawing& add(std::initializer_list<std::uint8_t> elements) {
        for (const std::uint8_t w : elements) widths[count++] = w;
        return *this;
    }
    constexpr GlyphDrawing& say(std::string_view s) {
        for (std::size_t i = 0; i < s.size() && i < 2; ++i) text[i] = s[i];
        return *this;
    }
};

struct FontLayout {
    std::array<GlyphDrawing, 256> glyphs{};
    bool two_width = false;  // widths are N and W
    int wide = 1;            // modules of a wide element (two-width layouts)
    int gap = 0;             // narrow spaces between two glyphs (the inter-character gap)
    int quiet_left = 10, quiet_right = 10;  // modules, as the symbology's standard asks

    constexpr const GlyphDrawing& operator[](unsigned char byte) const { return glyphs[byte]; }
    constexpr GlyphDrawing& operator[](unsigned char byte) { return glyphs[byte]; }
    // Modules of one element.
    constexpr int modules(std::uint8_t width) const { return two_width && width == W ? wide : width; }
    constexpr int modules(const GlyphDrawing& glyph) const {
        int sum = 0;
        for (std::size_t i = 0; i < glyph.count; ++i) sum += modules(glyph.widths[i]);
        return sum;
    }
};

// Widths of patterns written as digits ("212222"), so that tables read like the standards.
constexpr GlyphDrawing widths_of(std::string_view digits) {
    GlyphDrawing g;
    for (const char c : digits) g.widths[g.count++] = static_cast<std::uint8_t>(c - '0');
    return g;
}

// Two-width patterns written as "n" and "w".
constexpr GlyphDrawing narrow_wide(std::string_view pattern) {
    GlyphDrawing g;
    for (const char c : pattern) g.widths[g.count++] = c == 'w' ? W : N;
    return g;
}

// A pattern of dark (1) and light (0) modules from the left, as the Code 93 standard writes it.
constexpr GlyphDrawing runs_of(unsigned bits, int modules) {
    GlyphDrawing g;
    bool dark = true;
    std::uint8_t run = 0;
    for (int i = modules - 1; i >= 0; --i) {
        const bool bit = ((bits >> i) & 1u) != 0;
        if (bit != dark) {
            g.widths[g.count++] = run;
            run = 0;
            dark = bit;
        }
        ++run;
    }
    g.widths[g.count++] = run;
    return g;
}

// The layout of each catalogue font key ("Code39", "UEB", "Code128A", ...), or nullptr.
const FontLayout* font_layout(std::string_view font_key);

}  // namespace varnel::bars
