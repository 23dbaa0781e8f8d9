// SPDX-License-Identifier: MIT
// The installed font families, listed once at the first question and then looked up
// without regard to letter case (fonts installed later are seen after a restart).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace varnel::glyphmate {

class InstalledFamilies {
public:
    using Lister = std::function<std::vector<std::string>()>;

    explicit InstalledFamilies(Lister lister) : lister_(std::move(lister)) {}

    bool contains(std::string_view family);

private:
    Lister lister_;
    bool listed_ = false;
    std::unordered_set<std::string> folded_;
};

// Answers whether a font family of that name is installed.
using FontQuery = std::function<bool(std::string_view family)>;

std::string fold_case(std::string_view text);
bool equal_ignoring_case(std::string_view a, std::string_view b);

}  // namespace varnel::glyphmate
