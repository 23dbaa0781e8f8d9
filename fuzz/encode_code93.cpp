// SPDX-License-Identifier: MIT
// The Code 93 encoder on raw bytes.
#include "symbologies/code93.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fuzz::check_symbol(verify::Symbol::Code93, varnel::code93_encode, fuzz::data_of(bytes, size));
    return 0;
}
