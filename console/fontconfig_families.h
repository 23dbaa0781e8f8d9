// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace varnel::glyphmate {

// Every font family name fontconfig knows (localised names included).
std::vector<std::string> fontconfig_families();

// The answer to the library's font question: the families are listed once, at the first
// question, and compared without regard to letter case.
class FontconfigFonts {
public:
    bool contains(std::string_view family);

    // A glyphmate_font_query; context is the FontconfigFonts.
    static int query(const char* family, void* context) {
        return static_cast<FontconfigFonts*>(context)->contains(family) ? 1 : 0;
    }

private:
    bool listed_ = false;
    std::unordered_set<std::string> folded_;
};

}  // namespace varnel::glyphmate
