#include "symbologies/codabar_code11_handlers.h"

#include "symbologies/codabar_code11.h"
#include "symbologies/handler_steps.h"
#include "encoding/primitives.h"

namespace glyphmate {

namespace {
using enum OptionControl;

constexpr std::string_view kCodabarNotes =
    "Codabar is also called NW-7 in Japan. It has a character set of 16 characters: 0-9, -, $, /, . and +. "
    "Start/stop characters can be either one of these four characters: A, B, C and D.";

constexpr std::string_view kCode11Notes =
    "Code11 is also known as USD-8. It is primarily used in labeling telecommunications equipment. It has a "
    "character set including 0-9 and -.  ";

// Neither symbology has a user-chosen check character or a full-ASCII form; the Addon
// box stays as the previous symbology left it.
void set_numeric_controls(DialogOps& dialog) {
    dialog.enable_control(CheckCharacter, false);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);
    dialog.enable_control(UnderlyingText, true);
}
}  // namespace

void codabar_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(kCodabarNotes);

    dialog.show_control(FullAscii, false);
    dialog.options().check_character = false;
    dialog.write_options();
    set_numeric_controls(dialog);

    Conversion conversion(dialog);
    if (!vnl::all_in_set(conversion.data(), vnl::kCodabarAcceptedSet)) conversion.report(kInvalidCharacters);
    conversion.finish(vnl::codabar_encode(conversion.data()), "Codabar");
}

void code11_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(kCode11Notes);

    // The check digits are always added: the Check Character flag keeps its value.
    dialog.show_control(FullAscii, false);
    dialog.write_options();
    set_numeric_controls(dialog);

    Conversion conversion(dialog);
    if (!vnl::all_in_set(conversion.data(), vnl::kCode11Set)) conversion.report(kInvalidCharacters);
    conversion.finish(vnl::code11_encode(conversion.data()), "Code11");
}

}  // namespace glyphmate
