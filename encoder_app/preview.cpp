#include "encoder_app/preview.h"

namespace glyphmate {

std::string font_not_installed_text(std::string_view font_name) {
    std::string text = "Font ";
    text += font_name;
    text += " not installed.";
    return text;
}

void show_preview(DialogOps& dialog, std::string_view font_name, std::string_view converted) {
    FontDescription font{.face = {}, .height = kPreviewHeight, .weight = kPreviewWeight};
    if (dialog.font_family_installed(font_name)) {
        dialog.set_preview_text(converted);
        font.face = font_name;
    } else {
        dialog.set_preview_text(font_not_installed_text(font_name));
        font.face = kFallbackFace;
    }
    dialog.set_preview_font(font);
}

}  // namespace glyphmate
