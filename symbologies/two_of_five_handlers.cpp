#include "symbologies/two_of_five_handlers.h"

#include "symbologies/handler_steps.h"
#include "encoding/primitives.h"
#include "symbologies/two_of_five.h"

namespace glyphmate {

namespace {
using enum OptionControl;

constexpr std::string_view kCode25Notes =
    "Code25 is also called standard 2 of 5, Industry 2 of 5 or 2 of 5. It is a low density numeric symbology. "
    "Check digit is optional.";

constexpr std::string_view kItf25Notes =
    "Interleaved 2 of 5 is also called ITF-25. It is a high-density numeric symbology based on the standard 2 "
    "of 5 symbology. Check digit is optional.";

// The check digit is the user's choice in both; the Addon box stays as it was.
void set_two_of_five_controls(DialogOps& dialog) {
    dialog.show_control(FullAscii, false);
    dialog.enable_control(CheckCharacter, true);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);
    dialog.enable_control(UnderlyingText, true);
}

void convert_digits(DialogOps& dialog, const char* (*plain)(const char*), const char* (*with_check)(const char*),
                    std::string_view font_key) {
    Conversion conversion(dialog);
    if (!vnl::all_in_set(conversion.data(), vnl::kTwoOfFiveDigits)) conversion.report(kInvalidCharacters);
    const auto encode = dialog.options().check_character ? with_check : plain;
    conversion.finish(encode(conversion.data()), font_key);
}
}  // namespace

void code25_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(kCode25Notes);
    set_two_of_five_controls(dialog);
    dialog.read_options();
    convert_digits(dialog, vnl::encode_code25, vnl::encode_code25_check, "Code25");
}

void itf25_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(kItf25Notes);
    set_two_of_five_controls(dialog);
    dialog.write_options();
    convert_digits(dialog, vnl::encode_itf25, vnl::encode_itf25_check, "ITF25");
}

}  // namespace glyphmate
