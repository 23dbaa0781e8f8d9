// SPDX-License-Identifier: MIT
#include "console/fontconfig_families.h"

#include <fontconfig/fontconfig.h>

namespace varnel::glyphmate {

namespace {
std::string fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}
}  // namespace

bool FontconfigFonts::contains(std::string_view family) {
    if (!listed_) {
        listed_ = true;
        for (const std::string& name : fontconfig_families()) folded_.insert(fold(name));
    }
    return folded_.contains(fold(family));
}

std::vector<std::string> fontconfig_families() {
    std::vector<std::string> families;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return families;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    if (FcFontSet* set = FcFontList(config, pattern, objects)) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* name = nullptr;
            for (int n = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
                families.emplace_back(reinterpret_cast<const char*>(name));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return families;
}

}  // namespace varnel::glyphmate
