// SPDX-License-Identifier: MIT
// The Code 25 and Interleaved 2 of 5 encoders, with and without check digit, on raw bytes.
#include "symbologies/two_of_five.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string data = fuzz::data_of(bytes, size);
    fuzz::check_symbol(verify::Symbol::Code25, varnel::encode_code25, data);
    fuzz::check_symbol(verify::Symbol::Code25Check, varnel::encode_code25_check, data);
    fuzz::check_symbol(verify::Symbol::Itf, varnel::encode_itf25, data);
    fuzz::check_symbol(verify::Symbol::ItfCheck, varnel::encode_itf25_check, data);
    return 0;
}
