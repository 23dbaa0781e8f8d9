// SPDX-License-Identifier: MIT
#include "encoding/full_ascii.h"

#include <array>

namespace varnel {

bool full_ascii_pair(unsigned char c, char pair[2]) {
    auto set = [&](char shift, int letter) {
        pair[0] = shift;
        pair[1] = static_cast<char>(letter);
        return true;
    };
    if (c >= 1 && c <= 26) return set('$', c + 64);
    if (c >= 27 && c <= 31) return set('%', c + 38);
    if ((c >= 33 && c <= 44) || c == 47) return set('/', c % 32 + 64);  // "/" gives "/O"
    if (c == 58) return set('/', 'Z');
    if (c >= 59 && c <= 63) return set('%', c + 11);
    if (c == 64) return set('%', 'V');
    if (c >= 91 && c <= 95) return set('%', c - 16);
    if (c == 96) return set('%', 'W');
    if (c >= 97 && c <= 122) return set('+', c - 32);
    if (c >= 123 && c <= 127) return set('%', c - 43);
    return false;
}

char full_ascii_char(char shift, char letter) {
    static const auto pairs = [] {
        std::array<std::array<char, 128>, 128> table{};
        for (int c = 1; c < 128; ++c) {
            char pair[2];
            if (full_ascii_pair(static_cast<unsigned char>(c), pair))
                table[static_cast<unsigned char>(pair[0])][static_cast<unsigned char>(pair[1])] = static_cast<char>(c);
        }
        return table;
    }();
    const auto s = static_cast<unsigned char>(shift), l = static_cast<unsigned char>(letter);
    return s < 128 && l < 128 ? pairs[s][l] : '\0';
}

}  // namespace varnel
