// SPDX-License-Identifier: MIT
// The MSI/Plessey encoder on raw bytes.
#include "symbologies/msi_plessey.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fuzz::check_symbol(verify::Symbol::Msi, varnel::encode_msi, fuzz::data_of(bytes, size));
    return 0;
}
