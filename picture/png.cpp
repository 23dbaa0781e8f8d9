// SPDX-License-Identifier: MIT
#include <png.h>

#include <cmath>
#include <csetjmp>
#include <algorithm>

#include "picture/picture.h"

namespace varnel::picture {

namespace {

constexpr double kMillimetresPerInch = 25.4;

// A 5 by 7 pixel face for the characters the fonts print most: digits, capitals and the
// Code 39 signs; columns from the left, bit 0 the top row. Other characters are left out.
struct Bitmap {
    char c;
    unsigned char columns[5];
};
constexpr Bitmap kFace[] = {
    {'0', {0x3E, 0x51, 0x49, 0x45, 0x3E}}, {'1', {0x00, 0x42, 0x7F, 0x40, 0x00}}, {'2', {0x42, 0x61, 0x51, 0x49, 0x46}},
    {'3', {0x21, 0x41, 0x45, 0x4B, 0x31}}, {'4', {0x18, 0x14, 0x12, 0x7F, 0x10}}, {'5', {0x27, 0x45, 0x45, 0x45, 0x39}},
    {'6', {0x3C, 0x4A, 0x49, 0x49, 0x30}}, {'7', {0x01, 0x71, 0x09, 0x05, 0x03}}, {'8', {0x36, 0x49, 0x49, 0x49, 0x36}},
    {'9', {0x06, 0x49, 0x49, 0x29, 0x1E}}, {'A', {0x7E, 0x11, 0x11, 0x11, 0x7E}}, {'B', {0x7F, 0x49, 0x49, 0x49, 0x36}},
    {'C', {0x3E, 0x41, 0x41, 0x41, 0x22}}, {'D', {0x7F, 0x41, 0x41, 0x22, 0x1C}}, {'E', {0x7F, 0x49, 0x49, 0x49, 0x41}},
    {'F', {0x7F, 0x09, 0x09, 0x09, 0x01}}, {'G', {0x3E, 0x41, 0x49, 0x49, 0x7A}}, {'H', {0x7F, 0x08, 0x08, 0x08, 0x7F}},
    {'I', {0x00, 0x41, 0x7F, 0x41, 0x00}}, {'J', {0x20, 0x40, 0x41, 0x3F, 0x01}}, {'K', {0x7F, 0x08, 0x14, 0x22, 0x41}},
    {'L', {0x7F, 0x40, 0x40, 0x40, 0x40}}, {'M', {0x7F, 0x02, 0x0C, 0x02, 0x7F}}, {'N', {0x7F, 0x04, 0x08, 0x10, 0x7F}},
    {'O', {0x3E, 0x41, 0x41, 0x41, 0x3E}}, {'P', {0x7F, 0x09, 0x09, 0x09, 0x06}}, {'Q', {0x3E, 0x41, 0x51, 0x21, 0x5E}},
    {'R', {0x7F, 0x09, 0x19, 0x29, 0x46}}, {'S', {0x46, 0x49, 0x49, 0x49, 0x31}}, {'T', {0x01, 0x01, 0x7F, 0x01, 0x01}},
    {'U', {0x3F, 0x40, 0x40, 0x40, 0x3F}}, {'V', {0x1F, 0x20, 0x40, 0x20, 0x1F}}, {'W', {0x3F, 0x40, 0x38, 0x40, 0x3F}},
    {'X', {0x63, 0x14, 0x08, 0x14, 0x63}}, {'Y', {0x07, 0x08, 0x70, 0x08, 0x07}}, {'Z', {0x61, 0x51, 0x49, 0x45, 0x43}},
    {'-', {0x08, 0x08, 0x08, 0x08, 0x08}}, {'.', {0x00, 0x60, 0x60, 0x00, 0x00}}, {'$', {0x24, 0x2A, 0x7F, 0x2A, 0x12}},
    {'/', {0x20, 0x10, 0x08, 0x04, 0x02}}, {'+', {0x08, 0x08, 0x3E, 0x08, 0x08}}, {'%', {0x23, 0x13, 0x08, 0x64, 0x62}},
    {'*', {0x14, 0x08, 0x3E, 0x08, 0x14}}, {':', {0x00, 0x36, 0x36, 0x00, 0x00}},
};

const Bitmap* bitmap_of(char c) {
    for (const Bitmap& b : kFace)
        if (b.c == c) return &b;
    return nullptr;
}

void append(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}
void flush(png_structp) {}

// libpng reports errors by longjmp, so this function makes no object of its own: the row
// buffer ((width + 7) / 8 bytes) is the caller's and outlives it.
bool encode(std::vector<unsigned char>& out, const std::vector<unsigned char>& pixels, png_uint_32 width,
            png_uint_32 height, int dpi, std::vector<png_byte>& row) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, append, flush);
    // One bit per pixel, unfiltered: bars compress to almost nothing, and a batch of
    // thousands of pictures is not held up by the compressor.
    png_set_IHDR(png, info, width, height, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 6);
    const auto per_metre = static_cast<png_uint_32>(std::lround(dpi / kMillimetresPerInch * 1000));
    png_set_pHYs(png, info, per_metre, per_metre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    for (png_uint_32 y = 0; y < height; ++y) {
        const unsigned char* line = pixels.data() + static_cast<std::size_t>(y) * width;
        std::fill(row.begin(), row.end(), png_byte{0});
        for (png_uint_32 x = 0; x < width; ++x)
            if (line[x] != 0) row[x / 8] = static_cast<png_byte>(row[x / 8] | (0x80u >> (x % 8)));
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int module_pixels(const Scale& scale) {
    return std::max(1, static_cast<int>(std::lround(scale.module_mm * scale.dpi / kMillimetresPerInch)));
}

std::vector<unsigned char> png(const Picture& picture, const Scale& scale) {
    const int module = module_pixels(scale);
    // Across, whole pixels per module; down, the true height at the dpi.
    const double down = scale.module_mm * scale.dpi / kMillimetresPerInch;
    auto across = [&](double x) { return static_cast<long>(std::lround(x)) * module; };
    auto rows = [&](double y) { return std::max(0L, std::lround(y * down)); };
    const long width = std::max(1L, across(picture.width)), height = std::max(1L, rows(picture.height));
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0xFF);
    for (const Rect& r : picture.bars) {
        const long x0 = std::clamp(across(r.x), 0L, width), x1 = std::clamp(across(r.x + r.width), 0L, width);
        const long y0 = std::clamp(rows(r.y), 0L, height), y1 = std::clamp(rows(r.y + r.height), 0L, height);
        for (long y = y0; y < y1; ++y)
            std::fill_n(pixels.begin() + y * width + x0, x1 - x0, 0);
    }
    for (const Label& label : picture.labels) {
        // Seven rows of the face in about 70 % of the line's height.
        const long dot = std::max(1L, std::lround(label.size * 0.1 * down));
        const long text_width = static_cast<long>(label.text.size()) * 6 * dot - dot;
        long left = std::lround(label.x * module) - text_width / 2;
        const long top = rows(label.baseline) - 7 * dot;
        for (const char c : label.text) {
            if (const Bitmap* b = bitmap_of(c))
                for (long col = 0; col < 5; ++col)
                    for (long row = 0; row < 7; ++row)
                        if ((b->columns[col] >> row) & 1)
                            for (long y = std::max(0L, top + row * dot); y < std::min(height, top + (row + 1) * dot); ++y)
                                for (long x = std::max(0L, left + col * dot); x < std::min(width, left + (col + 1) * dot); ++x)
                                    pixels[static_cast<std::size_t>(y * width + x)] = 0;
            left += 6 * dot;
        }
    }
    std::vector<unsigned char> out;
    std::vector<png_byte> row((static_cast<std::size_t>(width) + 7) / 8);
    if (!encode(out, pixels, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), scale.dpi, row))
        out.clear();
    return out;
}

}  // namespace varnel::picture
