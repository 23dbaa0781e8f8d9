// SPDX-License-Identifier: MIT
// The inspector on any text: it never fails, every position it names lies in the text, and
// the same text gives the same answer. The rest of the input converted by the type the first
// byte picks must inspect back as a string that scans.
#include "flow/catalogue.h"
#include "flow/string_check.h"
#include "flow/record_converter.h"
#include "flow/win1252.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 2) return 0;
    namespace gm = varnel::glyphmate;
    const std::size_t pick = bytes[0] % (gm::kCatalogue.size() + 1);
    const std::string_view type = pick == 0 ? std::string_view() : gm::kCatalogue[pick - 1].name;
    const bool utf8 = bytes[1] % 2 == 0;
    const std::string text(reinterpret_cast<const char*>(bytes + 2), size - 2);

    const auto r = gm::inspect(text, utf8, type);
    fuzz::expect(r.has_value(), "a catalogue name refused");
    const std::size_t characters = utf8 ? gm::utf8_to_cp1252(text).bytes.size() + gm::utf8_to_cp1252(text).unmapped +
                                              gm::utf8_to_cp1252(text).invalid_utf8
                                        : text.size();
    for (const auto& f : r->faults) fuzz::expect(!f.at || (*f.at >= 1 && *f.at <= characters), "a fault outside the text");
    for (const auto& m : r->marks) fuzz::expect(m.at >= 1 && m.at <= characters, "a mark outside the text");
    fuzz::expect(type.empty() || r->type == type, "not the type asked for");
    const auto again = gm::inspect(text, utf8, type);
    fuzz::expect(again->data == r->data && again->faults.size() == r->faults.size(), "not the same twice");

    if (pick == 0) return 0;
    gm::ConversionRequest request;
    request.type = type;
    request.data = fuzz::data_of(bytes + 2, size - 2);
    request.options.check_character = bytes[1] & 2;
    request.options.full_ascii = bytes[1] & 4;
    gm::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    const std::string converted = gm::convert_one(request, none)->converted;
    if (converted.empty() || converted.starts_with("Invalid")) return 0;  // no symbol to read
    const auto read = gm::inspect(converted, false, type);
    if (!read->scans()) fuzz::finding("a conversion does not scan", std::string(type) + ": " + read->faults.front().message);
    return 0;
}
