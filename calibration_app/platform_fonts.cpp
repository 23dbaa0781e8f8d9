// SPDX-License-Identifier: MIT
#include "calibration_app/platform_fonts.h"

#include <QString>

#include "framework/installed_fonts.h"

namespace varnel::trueline {

namespace {
std::string folded(std::string_view family) {
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size())).toCaseFolded().toStdString();
}
}  // namespace

PlatformFonts::PlatformFonts() {
    for (const std::string& family : varnel::installed_font_families()) folded_.insert(folded(family));
}

bool PlatformFonts::installed(std::string_view family) const { return folded_.contains(folded(family)); }

}  // namespace varnel::trueline
