#pragma once

#include <string>
#include <vector>

namespace glyphmate {

// Every font family name fontconfig knows (localised names included).
std::vector<std::string> fontconfig_families();

}  // namespace glyphmate
