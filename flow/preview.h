// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "flow/dialog_ops.h"

namespace varnel::glyphmate {

inline constexpr int kPreviewHeight = -12;
inline constexpr int kPreviewWeight = 400;
inline constexpr std::string_view kFallbackFace = "Arial";

// What the preview shows: the converted string in its font, or in Arial that the font is
// not installed.
struct Preview {
    std::string text;
    FontDescription font;
};
Preview preview_of(std::string_view font_name, bool installed, std::string_view converted);

// Asks whether the font is installed and sets the preview as preview_of says.
void show_preview(DialogOps& dialog, std::string_view font_name, std::string_view converted);

// What the preview says in place of the converted string when its font is missing.
std::string not_installed_text(std::string_view font_name);

}  // namespace varnel::glyphmate
