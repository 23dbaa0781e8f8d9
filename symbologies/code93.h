// Code 93: the 43 native characters as one glyph each, every other ASCII character as a
// shift glyph and a letter, always closed by the check characters C and K.
#pragma once

namespace vnl {

// "[" + data part + C + K + "]" + "|" (the termination bar).
const char* code93_encode(const char* data);

}  // namespace vnl
