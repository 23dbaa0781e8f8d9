// SPDX-License-Identifier: MIT
#include "flow/preview.h"

#include <string>

namespace varnel::glyphmate {

void show_preview(DialogOps& dialog, std::string_view font_name, std::string_view converted) {
    FontDescription font{.face = {}, .height = kPreviewHeight, .weight = kPreviewWeight};
    if (dialog.font_family_installed(font_name)) {
        dialog.set_preview_text(converted);
        font.face = font_name;
    } else {
        dialog.set_preview_text(not_installed_text(font_name));
        font.face = kFallbackFace;
    }
    dialog.set_preview_font(font);
}

std::string not_installed_text(std::string_view font_name) {
    std::string text("Font ");
    return text.append(font_name).append(" not installed.");
}

}  // namespace varnel::glyphmate
