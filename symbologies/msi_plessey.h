// MSI/Plessey: one glyph per digit and the modulo 10 check digit, always present.
#pragma once

namespace vnl {

inline constexpr char kMsiDigits[] = "0123456789";

// "[" + digits + check digit + "]"; non-digits are dropped.
const char* encode_msi(const char* data);

}  // namespace vnl
