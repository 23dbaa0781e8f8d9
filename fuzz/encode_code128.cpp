// SPDX-License-Identifier: MIT
// The four Code 128 encoders on raw bytes.
#include "symbologies/code128.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data = fuzz::data_of(bytes, size);
    fuzz::check_symbol(verify::Symbol::Code128A, varnel::encode_code128a, data);
    fuzz::check_symbol(verify::Symbol::Code128B, varnel::encode_code128b, data);
    fuzz::check_symbol(verify::Symbol::Code128C, varnel::encode_code128c, data);
    fuzz::check_symbol(verify::Symbol::Code128Auto, varnel::encode_code128auto, data);
    return 0;
}
