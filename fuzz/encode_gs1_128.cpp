// SPDX-License-Identifier: MIT
// The GS1-128 encoder on raw bytes: data with a fault gives only its message, anything else
// a symbol within 255 characters that reads back to the typed elements.
#include "symbologies/gs1_128.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data(reinterpret_cast<const char*>(bytes), size);
    varnel::Gs1Encoded out, again;
    varnel::encode_gs1_128(data, out);
    varnel::encode_gs1_128(data, again);
    fuzz::expect(out.converted == again.converted && out.human_readable == again.human_readable &&
                     out.status == again.status && out.truncated == again.truncated,
                 "not the same twice", out.converted);
    fuzz::expect(out.converted.size() <= varnel::kMaxConverted, "longer than 255 characters", out.converted);
    fuzz::expect(out.truncated == (!out.status.empty() && !out.converted.empty()), "truncated differs from the status",
                 out.status);
    const std::string findings = verify::check_gs1(data, out.converted, out.human_readable, out.status);
    fuzz::expect(findings.empty(), "GS1-128", findings);
    return 0;
}
