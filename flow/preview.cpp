#include "flow/preview.h"

namespace glyphmate {

void show_preview(DialogOps& dialog, std::string_view font_name, std::string_view converted) {
    FontDescription font{.face = {}, .height = kPreviewHeight, .weight = kPreviewWeight};
    if (dialog.font_family_installed(font_name)) {
        dialog.set_preview_text(converted);
        font.face = font_name;
    } else {
        // One buffer a thread: a batch run asks this of every record.
        thread_local std::string text;
        text.assign("Font ").append(font_name).append(" not installed.");
        dialog.set_preview_text(text);
        font.face = kFallbackFace;
    }
    dialog.set_preview_font(font);
}

}  // namespace glyphmate
