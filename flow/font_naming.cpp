// SPDX-License-Identifier: MIT
#include "flow/font_naming.h"

#include "flow/installed_families.h"

namespace varnel::glyphmate {

std::string make_font_name(std::string_view key, int height_index, bool underlying_text) {
    std::string name;
    for (const FontKey& row : kFontKeys)
        if (equal_ignoring_case(row.key, key)) {
            name = row.family;
            break;
        }
    if (height_index >= 0 && height_index < static_cast<int>(kHeightSuffixes.size()))
        name += kHeightSuffixes[static_cast<std::size_t>(height_index)];
    if (underlying_text) name += 'A';
    return name;
}

}  // namespace varnel::glyphmate
