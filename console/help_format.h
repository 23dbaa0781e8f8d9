// SPDX-License-Identifier: MIT
// The --help text as a person would write it (and help2man turns into the manual page):
// the usage line first, then what the program does; each option with the value it takes
// but without the parser's list of which options need or exclude which (the descriptions
// say so in words); every paragraph wrapped to 80 columns.
#pragma once

#include <memory>

namespace CLI {
class FormatterBase;
}

namespace varnel::glyphmate::console {

std::shared_ptr<CLI::FormatterBase> help_formatter();

}  // namespace varnel::glyphmate::console
