// SPDX-License-Identifier: MIT
#include "encoding/primitives.h"

#include <cstring>
#include <initializer_list>

namespace varnel {

namespace {
// One buffer per thread: on one thread each call overwrites the last, as callers expect,
// and callers on other threads never see it change under them.
struct Result {
    char text[kMaxConverted + 1];
    std::size_t length = 0;
    bool truncated = false;
};
thread_local Result result;
}  // namespace

std::size_t WorkBuffer::size() const { return std::strlen(text); }

int char_index(const char* set, char c) {
    if (c == '\0') return -1;  // strchr would find the terminator
    const char* at = std::strchr(set, c);
    return at == nullptr ? -1 : static_cast<int>(at - set);
}

int insert_char(char* s, char c, std::size_t pos) {
    const std::size_t len = std::strlen(s);
    if (len >= kMaxConverted || pos > len) return -1;
    std::memmove(s + pos + 1, s + pos, len - pos + 1);
    s[pos] = c;
    return 1;
}

int append_char(char* s, char c) {
    const std::size_t len = std::strlen(s);
    if (len >= kMaxConverted) return -1;
    s[len] = c;
    s[len + 1] = '\0';
    return static_cast<int>(len + 1);
}

bool append_in_set(Glyphs& out, const char* data, const SetIndex& set, std::size_t limit) {
    for (const char* p = data; *p != '\0'; ++p)
        if (set(*p) >= 0 && !out.append(*p, limit)) return true;
    return false;
}

int weighted_check(std::string_view part, const SetIndex& set, int cycle, int modulus) {
    int sum = 0;
    int weight = 1;
    for (auto it = part.rbegin(); it != part.rend(); ++it) {
        sum = (sum + set(*it) * weight) % modulus;
        weight = weight == cycle ? 1 : weight + 1;
    }
    return sum;
}

char mod10_check_digit(std::string_view text) {
    int sum = 0, weight = 3;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        if (!is_digit(*it)) continue;
        sum = (sum + weight * (*it - '0')) % 10;
        weight = 4 - weight;
    }
    return static_cast<char>('0' + (10 - sum) % 10);
}

bool all_in_set(const char* data, const char* set) {
    for (; *data != '\0'; ++data)
        if (char_index(set, *data) < 0) return false;
    return true;
}

bool all_ascii(const char* data) {
    for (; *data != '\0'; ++data)
        if (static_cast<unsigned char>(*data) > 0x7F) return false;
    return true;
}

const char* return_result(std::string_view text, bool truncated) {
    Result& r = result;
    const std::size_t n = text.size() < kMaxConverted ? text.size() : kMaxConverted;
    std::memcpy(r.text, text.data(), n);
    r.text[n] = '\0';
    r.length = n;
    r.truncated = truncated || n < text.size();
    return r.text;
}

const char* return_symbol(std::string_view start, std::string_view data, std::string_view tail,
                          bool truncated) {
    // Assembled where it is returned: no working copy.
    Result& r = result;
    std::size_t n = 0;
    bool fits = true;
    for (const std::string_view run : {start, data, tail}) {
        if (n + run.size() > kMaxConverted) {
            fits = false;
            break;
        }
        std::memcpy(r.text + n, run.data(), run.size());
        n += run.size();
    }
    r.text[n] = '\0';
    r.length = n;
    r.truncated = truncated || !fits;
    return r.text;
}

bool result_truncated() { return result.truncated; }
std::size_t result_size() { return result.length; }
ResultInfo result_info() {
    const Result& r = result;
    return {r.length, r.truncated};
}

}  // namespace varnel
