// SPDX-License-Identifier: MIT
// The font families installed on this system, as the font database lists them (fonts added
// to the application are included). Needs a QGuiApplication.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace varnel {

// The family names, UTF-8, each once. Qt tells apart families of the same name from
// several foundries as "Name [Foundry]"; those are listed under the plain name too.
std::vector<std::string> installed_font_families();

// "Name [Foundry]" without its foundry; any other name unchanged.
QString family_without_foundry(const QString& family);

}  // namespace varnel
