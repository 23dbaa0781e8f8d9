#include "encoder_app/console/output.h"

#include "encoder_app/font_naming.h"
#include "encoder_app/win1252.h"

namespace glyphmate {

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

nlohmann::ordered_json to_json(const ConversionRequest& request, const ConversionResult& result) {
    const DialogState& s = result.state;
    const OptionRecord& o = result.options;
    nlohmann::ordered_json height = nullptr;
    if (o.height_index >= 0 && o.height_index < static_cast<int>(kHeightSuffixes.size()))
        height = kHeightSuffixes[static_cast<std::size_t>(o.height_index)];
    return {
        {"type", result.entry->name},
        {"data_hex", to_hex(request.data)},
        {"converted", cp1252_to_utf8(s.converted)},
        {"converted_hex", to_hex(s.converted)},
        {"font", result.font},
        {"font_installed", result.font_installed},
        {"status", cp1252_to_utf8(s.status)},
        {"notes", cp1252_to_utf8(s.symbol_notes)},
        {"preview_text", cp1252_to_utf8(s.preview_text)},
        {"preview_face", s.preview_font.face},
        {"options",
         {{"check_character", o.check_character},
          {"underlying_text", o.underlying_text},
          {"full_ascii", o.full_ascii},
          {"height", height}}},
    };
}

}  // namespace glyphmate
