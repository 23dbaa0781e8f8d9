// SPDX-License-Identifier: MIT
// Records that reach every branch a handler has: valid and invalid data, GS1 element strings, digits of each
// length the UPC/EAN entries count, quotes and commas, bytes above 0x7F, and data longer
// than a converted string can hold.
#pragma once

#include <string>
#include <vector>

namespace test {

inline std::vector<std::string> sample_records() {
    return {
        "",
        "VARNEL GLYPH MATE",
        "CODE39",
        "0123456789",
        "12345678901",    // UPC-A length
        "123456",         // UPC-E length
        "400638133393",   // EAN-13 length
        "9638507",        // EAN-8 length
        "1234-5678$90/12.34+5",
        "lower case, \"quoted\"",
        "Caf\u00E9 \u20AC5",  // UTF-8 of characters Windows-1252 has
        "snow \u2603 man",    // one it lacks
        std::string(300, '7'),
        "(01)09501101530003(17)251231(10)AB12",  // GS1 element strings
    };
}

}  // namespace test
