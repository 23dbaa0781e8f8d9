// SPDX-License-Identifier: MIT
// The four UPC/EAN encoders and the add-on encoder on raw bytes: a symbol of the data's
// digits when there are as many as the member takes, else the member's error text.
#include <array>

#include "symbologies/upc_ean.h"
#include "symbologies/upc_ean_addons.h"
#include "fuzz_check.h"

namespace {

struct Member {
    verify::Symbol symbol;
    fuzz::Encoder encode;
    std::size_t digits;
    std::string_view length_error;
};

constexpr std::array<Member, 4> kMembers{{
    {verify::Symbol::UpcA, varnel::upca_encode, 11, "Invalid length of input string."},
    {verify::Symbol::UpcE, varnel::upce_encode, 6, "Invalid length of input string."},
    {verify::Symbol::Ean13, varnel::ean13_encode, 12, "Invalid length of input string"},
    {verify::Symbol::Ean8, varnel::ean8_encode, 7, "Invalid length of input string."},
}};

std::string digits_of(const std::string& data) {
    std::string digits;
    for (char c : data)
        if (c >= '0' && c <= '9') digits += c;
    return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    // The first byte splits the input: the data before, the supplement after.
    const std::string all = fuzz::data_of(bytes, size);
    const std::size_t split = all.empty() ? 0 : static_cast<unsigned char>(all[0]) % (all.size() + 1);
    const std::string data = all.substr(0, split), supplement = all.substr(split);
    const std::string digits = digits_of(data);

    for (const Member& m : kMembers) {
        const std::string out = m.encode(data.c_str());
        fuzz::expect(out == m.encode(data.c_str()), "not the same twice", out);
        if (digits.size() != m.digits) {
            fuzz::expect(out == m.length_error, "no length error text", out);
        } else if (m.symbol == verify::Symbol::UpcE && digits[5] == '3' && digits[2] <= '2') {
            fuzz::expect(out == "Invalid UPC-E number.", "a UPC-E number without expansion", out);
        } else {
            const verify::Reading r = verify::read_back(m.symbol, out);
            fuzz::expect(r.ok(), verify::name(m.symbol), r.error);
            fuzz::expect(r.data == digits, "read-back digits", r.data);
        }
    }

    const std::string addon = varnel::addon_encode(supplement.c_str());
    const verify::Reading r = verify::read_addon(addon);
    fuzz::expect(r.ok(), "add-on", r.error);
    const std::string supplement_digits = digits_of(supplement);
    const bool has_addon = supplement_digits.size() == 2 || supplement_digits.size() == 5;
    fuzz::expect(r.addon == (has_addon ? supplement_digits : ""), "add-on digits", r.addon);
    return 0;
}
