// SPDX-License-Identifier: MIT
// Font names of the barcode font families: "VNL " + family word + height suffix + "A".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace varnel::glyphmate {

struct FontKey {
    std::string_view key;
    std::string_view family;
};

inline constexpr std::array<FontKey, 16> kFontKeys{{
    {"Code39", "VNL Code39"},
    {"Code93", "VNL Code93"},
    {"Code39Ext", "VNL Code39Ext"},
    {"UEB", "VNL UEB"},
    {"ITF25", "VNL ITF25"},
    {"Code128A", "VNL Code128A"},
    {"Code128B", "VNL Code128B"},
    {"Code128C", "VNL Code128C"},
    {"Codabar", "VNL Codabar"},
    {"Code11", "VNL Code11"},
    {"Code25", "VNL Code25"},
    {"Telepen", "VNL Telepen"},
    {"OCR-A", "VNL OCRA"},
    {"OCR-B", "VNL OCRB"},
    {"MICR", "VNL MICR"},
    {"MSI", "VNL MSI"},
}};

// The Barcode Height buttons, index 0 to 4 from top to bottom.
inline constexpr std::array<std::string_view, 5> kHeightSuffixes{"XS", "S", "M", "T", "XT"};

std::string make_font_name(std::string_view key, int height_index, bool underlying_text);

}  // namespace varnel::glyphmate
