// SPDX-License-Identifier: MIT
// The drawing operations the calibration page needs from a device context, so that the page
// renderer runs the same on the screen, on a printer and in the tests.
#pragma once

#include <string_view>

namespace varnel::trueline {

// Device units; right and bottom lie just outside, as in a Windows RECT.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0, height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A font description; every field a description leaves out is zero.
struct FontRequest {
    std::string_view face;
    int height = 0;  // negative: character height in device units; positive: cell height
    int weight = 0;  // 400 normal, 700 bold
    friend bool operator==(const FontRequest&, const FontRequest&) = default;
};

// How a block of text is broken into lines. CR LF pairs are line breaks wherever lines
// break at all, so a pair at the start or the end of a text makes an empty line.
enum class Layout {
    plain,           // lines break only at CR LF pairs; left-aligned
    single_line,     // one line, left-aligned, never wrapped
    centred_line,    // one line, centred in the rectangle's width
    flow,            // wrapped at word boundaries to the rectangle's width; left-aligned
};

// The reference point of text; the page only ever uses left and top.
enum class TextAlign { left_top };

struct Rgb {
    unsigned char red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A font made by create_font; 0 is the context's own font, selected when it is handed over.
using FontId = int;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Pixels per logical inch, vertically, of the attribute device.
    virtual int pixels_per_inch_y() const = 0;
    virtual bool is_printing() const = 0;
    // The printable area of the device in pixels (meaningful when printing).
    virtual Size device_page_size() const = 0;
    // The window's client rectangle (meaningful on the screen).
    virtual Rect client_rect() const = 0;

    virtual void set_text_align(TextAlign align) = 0;
    virtual void set_text_colour(Rgb colour) = 0;

    // A font is created, selected into the context, and released once it is no longer
    // selected; select_font returns the font it replaces.
    virtual FontId create_font(const FontRequest& wanted) = 0;
    virtual FontId select_font(FontId font) = 0;
    virtual void release_font(FontId font) = 0;

    // The rectangle the text takes in the selected font: left and top stay, right and
    // bottom move to the text's extent (a flow text keeps the rectangle's width as its limit).
    virtual Rect measure_text(std::string_view text, const Rect& rect, Layout layout) = 0;
    virtual void draw_text(std::string_view text, const Rect& rect, Layout layout) = 0;
};

}  // namespace varnel::trueline
