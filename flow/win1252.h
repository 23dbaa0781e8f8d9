// SPDX-License-Identifier: MIT
// Text between Unicode and the 8-bit strings of the core, through Windows-1252, the code
// page the fonts are laid out in. The five bytes Windows-1252 leaves unassigned map to the
// C1 controls of the same value, so the mapping is one-to-one on all 256 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnel::glyphmate {

// The Unicode code point of each byte.
char32_t cp1252_to_unicode(unsigned char byte);
// The byte of a code point, or -1 when Windows-1252 has none.
int unicode_to_cp1252(char32_t code_point);

// The length of the run of ASCII bytes at the start of text.
std::size_t ascii_prefix(std::string_view text);

// One UTF-8 sequence at text[at]: its length and code point, or 0 when it is malformed.
std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& code_point);

// UTF-8 of each byte's character.
std::string cp1252_to_utf8(std::string_view bytes);
// The same into out, capacity bytes with the terminator, cut at the last whole character
// that fits; the length written.
std::size_t cp1252_to_utf8(std::string_view bytes, char* out, std::size_t capacity);

struct Cp1252Text {
    std::string bytes;
    std::size_t unmapped = 0;        // characters with no byte, left out
    std::size_t invalid_utf8 = 0;    // malformed sequences, left out
    std::size_t first_problem = std::string_view::npos;  // byte offset in the input
};

// Decodes the UTF-8 sequence at s[i] into cp; returns its length, or 0 when it is malformed
// (overlong forms, surrogates and code points past U+10FFFF included).
std::size_t decode_utf8(std::string_view s, std::size_t i, char32_t& cp);

// The byte offset of the first malformed sequence of UTF-8 text, or text.size() when
// there is none.
std::size_t first_invalid_utf8(std::string_view text);

// The bytes of UTF-8 text; characters without a byte and malformed sequences are left out
// and counted.
Cp1252Text utf8_to_cp1252(std::string_view utf8);

}  // namespace varnel::glyphmate
