#include "symbologies/code39_handlers.h"

#include "symbologies/code39.h"
#include "symbologies/handler_steps.h"
#include "encoding/primitives.h"

namespace glyphmate {

namespace {
using enum OptionControl;

constexpr std::string_view kCode39Notes =
    "Code39 is an alphanumeric symbology. No check digit is required. Start/stop characters are "
    "mapped to *, [ and ].\r\n"
    "The character set consists of 43 characters: A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, "
    "Q, R, S, T, U, V, W, X, Y, Z, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -, ., *, $, /, +, %, SPACE. It is "
    "possible to encode the full ASCII table using Code39 font.  ";

constexpr std::string_view kCode39ExtNotes =
    "Code39 Extended is also called Code39 Full ASCII. It can encode any ASCII characters. Our "
    "font simplifies the encoding process. \r\n";

void hide_supplement(DialogOps& dialog) {
    dialog.show_control(Addon, false);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);
}
}  // namespace

void code39_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(std::string(kCode39Notes) + more_information());

    dialog.show_control(FullAscii, true);
    dialog.enable_control(FullAscii, true);
    dialog.enable_control(UnderlyingText, true);
    dialog.enable_control(CheckCharacter, true);
    hide_supplement(dialog);
    OptionRecord& options = dialog.options();
    if (options.full_ascii) {
        options.check_character = false;
        dialog.write_options();
        dialog.enable_control(CheckCharacter, false);
    }

    Conversion conversion(dialog);
    const char* data = conversion.data();
    const bool valid = options.full_ascii ? vnl::all_ascii(data) : vnl::all_in_set(data, vnl::kCode39AcceptedSet);
    if (!valid) conversion.report(kInvalidCharacters);

    const char* encoded = options.check_character ? vnl::code39_with_check(data)
                          : options.full_ascii    ? vnl::code39_full_ascii(data)
                                                  : vnl::code39_plain(data);
    conversion.finish(encoded, "Code39");
}

void code39_extended_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(std::string(kCode39ExtNotes) + more_information("For more information,  visit "));

    dialog.show_control(FullAscii, true);
    hide_supplement(dialog);
    dialog.options().check_character = false;
    dialog.write_options();
    dialog.enable_control(CheckCharacter, false);
    dialog.enable_control(FullAscii, false);

    Conversion conversion(dialog);
    if (!vnl::all_ascii(conversion.data())) conversion.report(kInvalidCharacters);
    conversion.finish(vnl::code39_extended(conversion.data()), "Code39Ext");
}

}  // namespace glyphmate
