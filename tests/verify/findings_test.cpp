// SPDX-License-Identifier: MIT
// Faults that the verifier, the property tests and the fuzzers found, each pinned by the
// input that showed it.
#include <string>

#include <gtest/gtest.h>

#include "flow/record_converter.h"
#include "symbologies/code128.h"
#include "encoding/primitives.h"
#include "test_support.h"

namespace {

using test::bytes;

// Found by fuzz_encode_code128: at the length limit, Code 128 Auto took a byte without a
// value (its CODE A no longer fitting) for data cut off, and the status line said
// "Data too long" though every character that can be encoded was.
TEST(Findings, Code128AutoCutsNothingWhereOnlyAByteWithoutValueIsLeft) {
    // 251 "A" fill the room for data exactly; 0xD3 has a value in no code set.
    // 104 + 33 x (1 + 2 + ... + 251) = 1043762, 1043762 mod 103 = 63: "_"
    const std::string data = std::string(251, 'A') + "\xD3";
    EXPECT_EQ(test::hex(varnel::encode_code128auto(data.c_str())),
              test::hex(bytes("C9") + std::string(251, 'A') + "_" + bytes("CB CD")));
    EXPECT_FALSE(varnel::result_truncated());

    varnel::glyphmate::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    const auto result = varnel::glyphmate::convert_one({.type = "Code128Auto", .data = data}, none);
    EXPECT_EQ(result->status, "Invalid character(s) found in the input.");

    // Data that can be encoded after it is still cut, and said to be.
    const std::string more = data + "B";
    EXPECT_EQ(std::string(varnel::encode_code128auto(more.c_str())).size(), 255u);
    EXPECT_TRUE(varnel::result_truncated());
    // With room left, the byte still leaves its CODE A (0xC6) before the check glyph.
    const std::string shorter = std::string(250, 'A') + "\xD3";
    const std::string out = varnel::encode_code128auto(shorter.c_str());
    EXPECT_EQ(test::hex(out.substr(out.size() - 4, 1)), "C6");
    EXPECT_FALSE(varnel::result_truncated());
}

}  // namespace
