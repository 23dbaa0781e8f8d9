// SPDX-License-Identifier: MIT
// What a symbology unit gives the flow: its rules as data (the Symbol Notes and what
// selecting it does to the option controls and flags, none of which depends on the data)
// and its handler, which converts one record. The flow applies the rules once per run and
// the handler once per record, for the dialog, the console, batch runs and the library alike.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "encoding/primitives.h"

namespace varnel::glyphmate {

// The user's options, exchanged with the controls as one record.
struct OptionRecord {
    int height_index = 2;  // 0 XS .. 4 XT; -1 when no height button is selected
    std::string data = "VARNEL GLYPH MATE";
    bool underlying_text = true;
    bool full_ascii = false;
    bool check_character = false;

    friend bool operator==(const OptionRecord&, const OptionRecord&) = default;
};

// The option controls that rules show, hide, enable and disable, in the order the rules
// are applied.
enum class OptionControl { FullAscii, CheckCharacter, UnderlyingText, Addon, SupplementLabel, SupplementField };
inline constexpr int kOptionControlCount = 6;

// A state a rule sets, or leaves as the previous symbology left it.
enum class Set : signed char { Keep, Off, On };

struct ControlRule {
    Set shown = Set::Keep;
    Set enabled = Set::Keep;
};

struct OptionRule {
    ControlRule full_ascii, check_character, underlying_text, addon, supplement_label, supplement_field;
    Set force_full_ascii = Set::Keep, force_check = Set::Keep, force_text = Set::Keep;
    // With Full ASCII on, the check character is switched off and its box disabled.
    bool full_ascii_clears_check = false;

    constexpr const ControlRule& control(OptionControl c) const {
        switch (c) {
            case OptionControl::FullAscii: return full_ascii;
            case OptionControl::CheckCharacter: return check_character;
            case OptionControl::UnderlyingText: return underlying_text;
            case OptionControl::Addon: return addon;
            case OptionControl::SupplementLabel: return supplement_label;
            case OptionControl::SupplementField: return supplement_field;
        }
        return full_ascii;
    }
};

inline constexpr std::string_view kInvalidCharacters = "Invalid character(s) found in the input.";
inline constexpr std::string_view kNoData = "No data.";
inline constexpr std::string_view kDataTooLong =
    "Data too long: only the part that fits in 255 characters was encoded.";

// One record as the handler gets it: data and supplement are NUL-terminated bytes of the
// fonts' code page (the front ends leave a NUL out and report it; the core stops at one).
struct Record {
    const char* data;
    std::size_t size;
    const char* supplement;
    const OptionRecord& options;
    int variant;
};

// What a handler makes of a record.
struct Outcome {
    std::string_view converted;  // in the encoders' result buffer or in composed
    bool truncated = false;      // data was left out at the length limit
    // The encoder's error text when converted holds it (with the add-on behind it) instead
    // of a symbol: the dialog shows it there, the other front ends report it and give no
    // converted string. A view of a constant.
    std::string_view error_text;
    // The offset in the data of the first byte the handler's check refused, when it did.
    std::size_t first_invalid = std::string_view::npos;
    std::string status;          // the messages, in order, one space apart
    std::string composed;        // for a converted string built from several encoder results
    std::string human_readable;  // the text to print under the bars where the font prints none

    void report(std::string_view message) {
        if (!status.empty()) status += ' ';
        status += message;
    }
    // The invalid-characters message, and where the first refused byte is.
    void report_invalid(std::size_t at) {
        first_invalid = at;
        report(kInvalidCharacters);
    }
    // The encoder's result, as the encoder call just returned it.
    void take(const char* encoded) {
        const varnel::ResultInfo info = varnel::result_info();
        converted = {encoded, info.size};
        truncated = info.truncated;
    }
};

// Checks every byte of the data with accepts; reports the invalid-characters message for the
// first it refuses. Whether all passed.
template <typename Accepts>
bool check_data(const Record& record, Outcome& out, Accepts accepts) {
    for (std::size_t i = 0; record.data[i] != '\0'; ++i)
        if (!accepts(record.data[i])) {
            out.report_invalid(i);
            return false;
        }
    return true;
}

using Handler = void (*)(const Record& record, Outcome& out);

struct Symbology {
    std::string_view notes;
    // The notes end with the web site after this lead; empty: they do not.
    std::string_view web_site_lead;
    OptionRule rule;
    bool takes_supplement;
    Handler handler;
    int variant = 0;  // passed to the handler, for handlers that serve several entries
};

inline constexpr std::string_view kMoreInformation = "For more information, visit ";

}  // namespace varnel::glyphmate
