// SPDX-License-Identifier: MIT
// The Windows-1252 mapping both ways: every byte string goes to UTF-8 and back unchanged,
// and any text, well-formed or not, comes out as bytes that make the same trip.
#include "flow/win1252.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string raw(reinterpret_cast<const char*>(bytes), size);

    // Bytes to text and back: one to one, but NUL has no place in the core's strings.
    const std::string data = fuzz::data_of(bytes, size);
    const varnel::glyphmate::Cp1252Text back = varnel::glyphmate::utf8_to_cp1252(varnel::glyphmate::cp1252_to_utf8(data));
    fuzz::expect(back.bytes == data && back.unmapped == 0 && back.invalid_utf8 == 0, "bytes do not round-trip");

    // Any text to bytes: what has no byte or is malformed is counted, the rest survives.
    const varnel::glyphmate::Cp1252Text text = varnel::glyphmate::utf8_to_cp1252(raw);
    const bool problems = text.unmapped + text.invalid_utf8 > 0;
    fuzz::expect(problems == (text.first_problem != std::string_view::npos), "first problem without problems");
    fuzz::expect(!problems || text.first_problem < raw.size(), "first problem past the end");
    fuzz::expect(text.bytes.find('\0') == std::string::npos, "a NUL byte from the text");
    fuzz::expect(text.bytes.size() <= raw.size(), "more bytes than the text had");
    const std::string again = varnel::glyphmate::cp1252_to_utf8(text.bytes);
    fuzz::expect(varnel::glyphmate::utf8_to_cp1252(again).bytes == text.bytes, "the bytes of the text do not round-trip");
    if (!problems) fuzz::expect(again == raw, "well-formed text does not come back as it was");
    return 0;
}
