// SPDX-License-Identifier: MIT
#include "flow/preview.h"

#include <string>

namespace varnel::glyphmate {

Preview preview_of(std::string_view font_name, bool installed, std::string_view converted) {
    Preview p{.text = installed ? std::string(converted) : not_installed_text(font_name),
              .font = {.face = std::string(installed ? font_name : kFallbackFace),
                       .height = kPreviewHeight,
                       .weight = kPreviewWeight}};
    return p;
}

void show_preview(DialogOps& dialog, std::string_view font_name, std::string_view converted) {
    const Preview p = preview_of(font_name, dialog.font_family_installed(font_name), converted);
    dialog.set_preview_text(p.text);
    dialog.set_preview_font(p.font);
}

std::string not_installed_text(std::string_view font_name) {
    std::string text("Font ");
    return text.append(font_name).append(" not installed.");
}

}  // namespace varnel::glyphmate
