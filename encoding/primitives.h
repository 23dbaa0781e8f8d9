// Shared building blocks of every encoder: the character primitives, the data checks,
// the 256-byte working buffers and the result buffer through which encoders return.
#pragma once

#include <cstddef>
#include <string_view>

namespace vnl {

// Longest converted string; working buffers hold this many characters plus the terminator.
inline constexpr std::size_t kMaxConverted = 255;

// A working buffer: starts empty (all zero) and never holds more than kMaxConverted characters.
struct WorkBuffer {
    char text[kMaxConverted + 1] = {};

    std::size_t size() const;
    std::string_view view() const { return {text, size()}; }
};

// Position of the first occurrence of c in set, or -1 (NUL is never found).
int char_index(const char* set, char c);
// Puts c at pos (0..length); 1, or -1 with the string unchanged when it already holds 255.
int insert_char(char* s, char c, std::size_t pos);
// Appends c; the new length, or -1 with the string unchanged when it already holds 255.
int append_char(char* s, char c);

// Appends the whole run of glyphs when the string then stays within limit characters;
// otherwise leaves the string unchanged and returns false. One symbol character is
// written by one call, so the limit never splits a pair.
bool append_glyphs(char* s, std::string_view glyphs, std::size_t limit);

// Appends the characters of data that occur in set, in order, while the string stays
// within limit characters; true when some were left out at the limit.
bool append_in_set(char* s, const char* data, const char* set, std::size_t limit);

// The modulo check sum of a symbol part from its right end: each character's value is its
// position in set, the weights run 1, 2, ..., cycle and then start again at 1.
int weighted_check(std::string_view part, const char* set, int cycle, int modulus);

bool all_in_set(const char* data, const char* set);
bool all_ascii(const char* data);

// Copies text (at most kMaxConverted characters) into this thread's result buffer and
// returns it; valid until the next encoder call on the same thread. truncated records
// whether the encoder stopped taking data at the length limit.
const char* return_result(std::string_view text, bool truncated = false);
// Assembles start + data + tail in a working buffer and returns it through the result
// buffer. Callers size data so that the whole stays within kMaxConverted.
const char* return_symbol(std::string_view start, std::string_view data, std::string_view tail,
                          bool truncated);

// Whether the last encoder call on this thread left data out to stay within 255 characters.
bool result_truncated();

}  // namespace vnl
