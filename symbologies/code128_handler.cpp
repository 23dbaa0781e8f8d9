#include "symbologies/code128_handler.h"

#include <array>

#include "symbologies/code128.h"
#include "symbologies/handler_steps.h"

namespace glyphmate {

namespace {
using enum OptionControl;

struct Variant {
    std::string_view notes;
    std::string_view font_key;
    const char* (*encode)(const char*);
    unsigned char lowest, highest;  // the data characters the variant encodes
};

constexpr int kFirstVariant = 4;
constexpr std::array<Variant, 4> kVariants{{
    {"Code128 Character set A is capable of encoding digits, capital characters and control characters.",
     "Code128A", vnl::encode_code128a, 0x01, 0x5F},
    {"Code128 Character set B is capable of encoding printable characters.", "Code128B", vnl::encode_code128b,
     0x20, 0x7F},
    {"Code128 Character set C can only encode digits.", "Code128C", vnl::encode_code128c, '0', '9'},
    {"Code128 Auto produces the best results for input. It can encode all the ASCIIs.", "Code128A",
     vnl::encode_code128auto, 0x01, 0x7F},
}};

bool all_within(const char* data, unsigned char lowest, unsigned char highest) {
    for (; *data != '\0'; ++data) {
        const auto c = static_cast<unsigned char>(*data);
        if (c < lowest || c > highest) return false;
    }
    return true;
}
}  // namespace

void code128_handler(DialogOps& dialog, int variant) {
    const int index = variant - kFirstVariant;
    if (index < 0 || index >= static_cast<int>(kVariants.size())) return;
    const Variant& v = kVariants[static_cast<std::size_t>(index)];
    dialog.set_symbol_notes(v.notes);

    // The check glyph is always written; Underlying Text only names the font.
    dialog.show_control(FullAscii, false);
    dialog.enable_control(CheckCharacter, false);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);
    dialog.enable_control(UnderlyingText, true);
    dialog.write_options();

    Conversion conversion(dialog);
    // Function glyphs typed into the data (0xC1 to 0xC7) are reported too, though the
    // fixed sets still write them.
    if (!all_within(conversion.data(), v.lowest, v.highest)) conversion.report(kInvalidCharacters);
    conversion.finish(v.encode(conversion.data()), v.font_key);
}

}  // namespace glyphmate
