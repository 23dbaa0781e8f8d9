// Code 39 in the plain form, with its modulo 43 check character, in its Full ASCII form
// (shift pairs) and for the Code 39 Extended font (one glyph per ASCII character).
#pragma once

namespace vnl {

// What the Code 39 handler accepts with Full ASCII off: the 43 native characters.
inline constexpr char kCode39AcceptedSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-.$/+% ";

const char* code39_plain(const char* data);
const char* code39_with_check(const char* data);
const char* code39_full_ascii(const char* data);
const char* code39_extended(const char* data);

}  // namespace vnl
