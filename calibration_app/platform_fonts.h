// SPDX-License-Identifier: MIT
// The font catalogue the program asks: the platform's font database, read once.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

#include "calibration_app/calibration_page.h"

namespace varnel::trueline {

class PlatformFonts final : public FontCatalogue {
public:
    // Needs a QGuiApplication; the families are listed here, once.
    PlatformFonts();
    // Without regard to case, as the platform matches a font description to a family.
    bool installed(std::string_view family) const override;

private:
    std::unordered_set<std::string> folded_;
};

}  // namespace varnel::trueline
