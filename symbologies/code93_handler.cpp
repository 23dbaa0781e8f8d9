#include "symbologies/code93_handler.h"

#include "symbologies/code93.h"
#include "symbologies/handler_steps.h"
#include "encoding/primitives.h"

namespace glyphmate {

namespace {
using enum OptionControl;

constexpr std::string_view kCode93Notes =
    "Code93 is capable of encoding all ASCII characters. The native character set is the same as the one of "
    "Code39, however, Code93 introduces 4 special characters to encode any ASCII character. Two check "
    "characters are required.\r\n";
}  // namespace

void code93_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(std::string(kCode93Notes) + more_information());

    // Every ASCII character is encoded and both check characters are always added, so
    // neither box is the user's to change; the Check Character flag is left as it is.
    dialog.show_control(FullAscii, true);
    dialog.options().full_ascii = true;
    dialog.write_options();
    dialog.enable_control(FullAscii, false);
    dialog.enable_control(CheckCharacter, false);
    dialog.show_control(Addon, false);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);

    Conversion conversion(dialog);
    if (!vnl::all_ascii(conversion.data())) conversion.report(kInvalidCharacters);
    conversion.finish(vnl::code93_encode(conversion.data()), "Code93");
}

}  // namespace glyphmate
