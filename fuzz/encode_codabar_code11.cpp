// SPDX-License-Identifier: MIT
// The Codabar and Code 11 encoders on raw bytes.
#include "symbologies/codabar_code11.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data = fuzz::data_of(bytes, size);
    fuzz::check_symbol(verify::Symbol::Codabar, varnel::codabar_encode, data);
    fuzz::check_symbol(verify::Symbol::Code11, varnel::code11_encode, data);
    return 0;
}
