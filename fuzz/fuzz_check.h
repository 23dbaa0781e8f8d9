// SPDX-License-Identifier: MIT
// What every fuzz target checks of an encoder's result, and how it reports a finding:
// it stops with a message on standard error, and libFuzzer keeps the input that did it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "encoding/primitives.h"
#include "verify/flow_check.h"
#include "verify/read_back.h"

namespace fuzz {

using Encoder = const char* (*)(const char*);

[[noreturn]] inline void finding(std::string_view what, std::string_view detail = {}) {
    std::fprintf(stderr, "FINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void expect(bool ok, std::string_view what, std::string_view detail = {}) {
    if (!ok) finding(what, detail);
}

// The fuzzer's bytes as the core's data: a NUL would end the string, so NULs are left out.
inline std::string data_of(const std::uint8_t* bytes, std::size_t size) {
    std::string data;
    data.reserve(size);
    for (std::size_t i = 0; i < size; ++i)
        if (bytes[i] != 0) data += static_cast<char>(bytes[i]);
    return data;
}

// A symbol encoder: the same result twice, within 255 characters, read back to the data
// it keeps, and cut at the limit exactly when it says so.
inline void check_symbol(verify::Symbol symbol, Encoder encode, const std::string& data) {
    const std::string out = encode(data.c_str());
    const bool truncated = varnel::result_truncated();
    expect(out == encode(data.c_str()) && truncated == varnel::result_truncated(), "not the same twice", out);
    expect(out.size() <= varnel::kMaxConverted, "longer than 255 characters", out);
    const verify::Reading r = verify::read_back(symbol, out);
    expect(r.ok(), verify::name(symbol), r.error);
    const verify::Kept kept = verify::kept_data(symbol, data);
    if (truncated) {
        expect(kept.cut_base.starts_with(r.data) && r.data.size() < kept.cut_base.size(), "cut data is no prefix", r.data);
        expect(out.size() >= varnel::kMaxConverted - 1, "a cut symbol leaves room unused", out);
    } else {
        expect(r.data == kept.data, "read-back data is not the kept data", r.data);
    }
}

}  // namespace fuzz
