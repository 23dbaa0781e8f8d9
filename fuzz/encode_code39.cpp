// SPDX-License-Identifier: MIT
// The four Code 39 encoders on raw bytes.
#include "symbologies/code39.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data = fuzz::data_of(bytes, size);
    fuzz::check_symbol(verify::Symbol::Code39, varnel::code39_plain, data);
    fuzz::check_symbol(verify::Symbol::Code39Check, varnel::code39_with_check, data);
    fuzz::check_symbol(verify::Symbol::Code39FullAscii, varnel::code39_full_ascii, data);
    fuzz::check_symbol(verify::Symbol::Code39Extended, varnel::code39_extended, data);
    return 0;
}
