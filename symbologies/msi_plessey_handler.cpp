#include "symbologies/msi_plessey_handler.h"

#include "symbologies/handler_steps.h"
#include "symbologies/msi_plessey.h"
#include "encoding/primitives.h"

namespace glyphmate {

namespace {
using enum OptionControl;

constexpr std::string_view kMsiNotes =
    "MSI/Plessey symbology is used primarily for inventory control. It can only encode numeric data. A modulo "
    "10 check digit is required.";
}  // namespace

void msi_handler(DialogOps& dialog) {
    dialog.set_symbol_notes(kMsiNotes);

    // The check digit is always there; the box shows it, and the flag stays on afterwards.
    dialog.show_control(FullAscii, false);
    dialog.options().check_character = true;
    dialog.write_options();
    dialog.enable_control(CheckCharacter, false);
    dialog.show_control(SupplementLabel, false);
    dialog.show_control(SupplementField, false);
    dialog.enable_control(UnderlyingText, true);

    Conversion conversion(dialog);
    if (!vnl::all_in_set(conversion.data(), vnl::kMsiDigits)) conversion.report(kInvalidCharacters);
    conversion.finish(vnl::encode_msi(conversion.data()), "MSI");
}

}  // namespace glyphmate
