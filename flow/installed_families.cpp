// SPDX-License-Identifier: MIT
#include "flow/installed_families.h"

#include <algorithm>

namespace varnel::glyphmate {

std::string fold_case(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && fold_case(a) == fold_case(b);
}

bool InstalledFamilies::contains(std::string_view family) {
    if (!listed_) {
        listed_ = true;
        if (lister_)
            for (const std::string& name : lister_()) folded_.insert(fold_case(name));
    }
    return folded_.contains(fold_case(family));
}

}  // namespace varnel::glyphmate
