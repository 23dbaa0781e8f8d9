// SPDX-License-Identifier: MIT
// Shared building blocks of every encoder: the character primitives, the data checks,
// the 256-byte working buffers and the result buffer through which encoders return.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace varnel {

// Longest converted string; working buffers hold this many characters plus the terminator.
inline constexpr std::size_t kMaxConverted = 255;

// A working buffer: starts empty (all zero) and never holds more than kMaxConverted characters.
struct WorkBuffer {
    char text[kMaxConverted + 1] = {};

    std::size_t size() const;
    std::string_view view() const { return {text, size()}; }
};

// The digits, in value order; several symbologies take nothing else.
inline constexpr char kDigits[] = "0123456789";
inline constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

// The position of each byte in set, or -1: char_index as a table, for the loops that look
// up every character of the data.
class SetIndex {
public:
    constexpr explicit SetIndex(const char* set) : index_{} {
        index_.fill(-1);
        for (int i = 0; set[i] != '\0'; ++i)
            if (index_[static_cast<unsigned char>(set[i])] < 0) index_[static_cast<unsigned char>(set[i])] = static_cast<short>(i);
    }
    constexpr int operator()(char c) const { return index_[static_cast<unsigned char>(c)]; }

private:
    std::array<short, 256> index_;
};

// A symbol or part of one under construction: its length is kept, so an append costs no
// scan, and it never holds more than kMaxConverted characters.
class Glyphs {
public:
    std::size_t size() const { return size_; }
    std::string_view view() const { return {text_, size_}; }

    // Appends the whole run when the string then stays within limit characters; otherwise
    // leaves it unchanged and returns false, so the limit never splits a pair.
    bool append(std::string_view run, std::size_t limit = kMaxConverted) {
        if (limit > kMaxConverted) limit = kMaxConverted;
        if (size_ + run.size() > limit) return false;
        for (char c : run) text_[size_++] = c;  // a glyph or a pair: a loop beats a call
        return true;
    }
    bool append(char glyph, std::size_t limit = kMaxConverted) { return append({&glyph, 1}, limit); }

    // Writes glyph and keeps it only when keep is true: no branch on data the loops
    // cannot predict. The string must not be full.
    void append_if(char glyph, bool keep) {
        text_[size_] = glyph;
        size_ += keep ? 1 : 0;
    }

private:
    char text_[kMaxConverted];
    std::size_t size_ = 0;
};

// Position of the first occurrence of c in set, or -1 (NUL is never found).
int char_index(const char* set, char c);
// Puts c at pos (0..length); 1, or -1 with the string unchanged when it already holds 255.
int insert_char(char* s, char c, std::size_t pos);
// Appends c; the new length, or -1 with the string unchanged when it already holds 255.
int append_char(char* s, char c);

// Appends the characters of data that occur in set, in order, while the string stays
// within limit characters; true when some were left out at the limit.
bool append_in_set(Glyphs& out, const char* data, const SetIndex& set, std::size_t limit);

// The modulo check sum of a symbol part from its right end: each character's value is its
// position in set, the weights run 1, 2, ..., cycle and then start again at 1.
int weighted_check(std::string_view part, const SetIndex& set, int cycle, int modulus);

// The modulo 10 check digit ('0' to '9') of the digits of text, weights 3, 1, 3, ... from
// the right; other characters are skipped.
char mod10_check_digit(std::string_view text);

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
// The length of what the last encoder call on this thread returned, without measuring it.
std::size_t result_size();
// Both, from one look at this thread's result buffer.
struct ResultInfo {
    std::size_t size;
    bool truncated;
};
ResultInfo result_info();

}  // namespace varnel
