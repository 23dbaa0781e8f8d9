// SPDX-License-Identifier: MIT
#include "console/output.h"

namespace varnel::glyphmate::console {

std::string to_hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 0x0F];
    }
    return hex;
}

std::string status_line(const char* status, std::optional<std::string_view> utf8_data) {
    std::string line = status;
    if (utf8_data) {
        const std::size_t at = glyphmate_utf8_check(utf8_data->data(), utf8_data->size());
        if (at < utf8_data->size()) line += malformed_utf8_note(at);
    }
    return line;
}

std::string malformed_utf8_note(std::size_t at) { return " Malformed UTF-8 at byte " + std::to_string(at + 1) + "."; }

nlohmann::ordered_json to_json(const glyphmate_result& r, std::string_view data, std::optional<std::size_t> line) {
    const glyphmate_options& o = r.options;
    nlohmann::ordered_json height = nullptr;
    if (const char* name = glyphmate_height_name(o.height)) height = name;
    nlohmann::ordered_json j;
    if (line) j["line"] = *line;
    j["type"] = r.type;
    j["data_hex"] = to_hex(data);
    j["converted"] = r.converted_utf8;
    j["converted_hex"] = to_hex({r.converted, r.converted_length});
    j["human_readable"] = r.human_readable;
    j["font"] = r.font;
    j["font_installed"] = r.font_installed != 0;
    j["status"] = r.status;
    j["notes"] = r.notes;
    j["preview_text"] = r.preview_text;
    j["preview_face"] = r.preview_face;
    j["options"] = {{"check_character", o.check_character != 0},
                    {"underlying_text", o.underlying_text != 0},
                    {"full_ascii", o.full_ascii != 0},
                    {"height", height}};
    return j;
}

}  // namespace varnel::glyphmate::console
