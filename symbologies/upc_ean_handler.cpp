#include "symbologies/upc_ean_handler.h"

#include <array>
#include <string>

#include "symbologies/handler_steps.h"
#include "encoding/primitives.h"
#include "symbologies/upc_ean.h"
#include "symbologies/upc_ean_addons.h"

namespace glyphmate {

namespace {
using enum OptionControl;

struct Member {
    std::size_t digits;  // the data digits, without the check digit
    std::string_view notes;
    bool web_site;  // the notes close with the web-site sentence
    const char* (*encode)(const char*);
};

constexpr std::array<Member, 4> kMembers{{
    {11, "UPC-A is used in retail industry. A UPC-A number consists of 11 digits of numeric data.", false,
     vnl::upca_encode},
    {6, "UPC-E is the abbriviation form of a UPC-A number. It consists of 6 digits with a implied number system 0.",
     false, vnl::upce_encode},
    {12, "EAN13 encodes 12 digits of numeric data.", true, vnl::ean13_encode},
    {7, "EAN8 is the abbriviation form of a EAN-8 number.", true, vnl::ean8_encode},
}};

constexpr char kDigits[] = "0123456789";
constexpr std::string_view kInvalidUpce =
    "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.";

std::string only_digits_allowed(std::size_t n) { return "Only " + std::to_string(n) + " digits are allowed."; }
}  // namespace

void upc_ean_handler(DialogOps& dialog, int member) {
    if (member < 0 || member >= static_cast<int>(kMembers.size())) return;
    const Member& m = kMembers[static_cast<std::size_t>(member)];
    std::string notes(m.notes);
    if (m.web_site) notes += ' ' + more_information();
    dialog.set_symbol_notes(notes);

    // The check digit is always computed and the font always prints the digits.
    dialog.show_control(FullAscii, false);
    OptionRecord& options = dialog.options();
    options.check_character = true;
    options.underlying_text = true;
    dialog.write_options();
    dialog.enable_control(CheckCharacter, false);
    dialog.show_control(SupplementLabel, true);
    dialog.show_control(SupplementField, true);
    dialog.enable_control(UnderlyingText, false);

    Conversion conversion(dialog);
    const char* data = conversion.data();
    if (!vnl::all_in_set(data, kDigits))
        conversion.report(kInvalidCharacters);
    else if (conversion.data_string().size() != m.digits)
        conversion.report(only_digits_allowed(m.digits));

    std::string text = m.encode(data);
    if (text == vnl::kInvalidUpceNumber) conversion.report(kInvalidUpce);

    const std::string supplement = dialog.supplement_text();
    if (!supplement.empty()) {
        text += ' ';
        text += vnl::addon_encode(supplement.c_str());
    }
    conversion.finish(text, false, "UEB");
}

}  // namespace glyphmate
