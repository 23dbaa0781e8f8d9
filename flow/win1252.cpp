// SPDX-License-Identifier: MIT
#include "flow/win1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace varnel::glyphmate {

namespace {
// 0x80 to 0x9F; the unassigned 0x81, 0x8D, 0x8F, 0x90, 0x9D keep their C1 code points.
constexpr std::array<char32_t, 32> kHigh{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The UTF-8 sequence of every byte's character, worked out at compile time.
struct Utf8Sequence {
    unsigned char length;
    char bytes[3];
};

constexpr char32_t code_point(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHigh[byte - 0x80] : char32_t{byte};
}

constexpr std::array<Utf8Sequence, 256> make_utf8_table() {
    std::array<Utf8Sequence, 256> table{};
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = code_point(static_cast<unsigned char>(b));
        auto byte = [](char32_t v) { return static_cast<char>(v); };
        if (cp < 0x80)
            table[b] = {1, {byte(cp), 0, 0}};
        else if (cp < 0x800)
            table[b] = {2, {byte(0xC0 | (cp >> 6)), byte(0x80 | (cp & 0x3F)), 0}};
        else
            table[b] = {3, {byte(0xE0 | (cp >> 12)), byte(0x80 | ((cp >> 6) & 0x3F)), byte(0x80 | (cp & 0x3F))}};
    }
    return table;
}
constexpr std::array<Utf8Sequence, 256> kUtf8 = make_utf8_table();
}  // namespace

std::size_t decode_utf8(std::string_view s, std::size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t len;
    char32_t min;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

char32_t cp1252_to_unicode(unsigned char byte) { return code_point(byte); }

std::size_t utf8_sequence(std::string_view text, std::size_t at, char32_t& cp) { return decode_utf8(text, at, cp); }

int unicode_to_cp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
    return -1;
}

std::string cp1252_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const Utf8Sequence& seq = kUtf8[static_cast<unsigned char>(c)];
        out.append(seq.bytes, seq.length);
    }
    return out;
}

std::size_t ascii_prefix(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

std::size_t cp1252_to_utf8(std::string_view bytes, char* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    const std::size_t room = capacity - 1;
    // ASCII is its own UTF-8, and most text is ASCII: a leading run is copied whole.
    std::size_t n = std::min(ascii_prefix(bytes), room);
    if (n > 0) std::memcpy(out, bytes.data(), n);  // an empty view may have no data at all
    for (std::size_t i = n; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            if (n == room) break;
            out[n++] = static_cast<char>(c);
            continue;
        }
        const Utf8Sequence& seq = kUtf8[c];  // two or three bytes
        if (n + seq.length > room) break;
        out[n] = seq.bytes[0];
        out[n + 1] = seq.bytes[1];
        if (seq.length == 3) out[n + 2] = seq.bytes[2];
        n += seq.length;
    }
    out[n] = '\0';
    return n;
}

std::size_t first_invalid_utf8(std::string_view text) {
    char32_t cp = 0;
    for (std::size_t i = ascii_prefix(text); i < text.size();) {
        const std::size_t len = decode_utf8(text, i, cp);
        if (len == 0) return i;
        i += len;
    }
    return text.size();
}

Cp1252Text utf8_to_cp1252(std::string_view utf8) {
    Cp1252Text text;
    text.bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const std::size_t len = decode_utf8(utf8, i, cp);
        if (len == 0) {
            ++text.invalid_utf8;
            if (text.first_problem == std::string_view::npos) text.first_problem = i;
            ++i;  // resynchronise on the next byte
            continue;
        }
        const int byte = cp == 0 ? -1 : unicode_to_cp1252(cp);  // the core's strings end at NUL
        if (byte < 0) {
            ++text.unmapped;
            if (text.first_problem == std::string_view::npos) text.first_problem = i;
        } else {
            text.bytes += static_cast<char>(byte);
        }
        i += len;
    }
    return text;
}

}  // namespace varnel::glyphmate
