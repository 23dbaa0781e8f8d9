// SPDX-License-Identifier: MIT
// Small helpers shared by the tests.
#pragma once

#include <sstream>
#include <string>
#include <string_view>

namespace test {

// Bytes from hex pairs separated by spaces: bytes("C9 41 42") is "\xC9" "AB".
// A display name as a test name: its letters and digits ("MSI/Plessey" gives "MSIPlessey").
inline std::string test_name(std::string_view name) {
    std::string out;
    for (char c : name)
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) out += c;
    return out;
}

inline std::string bytes(std::string_view hex) {
    std::istringstream in{std::string(hex)};
    std::string out;
    for (std::string pair; in >> pair;) out += static_cast<char>(std::stoi(pair, nullptr, 16));
    return out;
}

// The same written back, upper case, for readable failure messages.
inline std::string hex(std::string_view s) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        if (!out.empty()) out += ' ';
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 0x0F];
    }
    return out;
}

}  // namespace test
