// The steps every symbology handler shares, from reading the data to the preview.
#pragma once

#include <string>
#include <string_view>

#include "flow/dialog_ops.h"

namespace glyphmate {

inline constexpr std::string_view kInvalidCharacters = "Invalid character(s) found in the input.";
inline constexpr std::string_view kDataTooLong =
    "Data too long: only the part that fits in 255 characters was encoded.";

// One conversion of a handler. Construction reads the data field and clears the status
// line; report adds a message; finish shows the result and names the font.
class Conversion {
public:
    explicit Conversion(DialogOps& dialog);

    const char* data() const { return data_.c_str(); }
    const std::string& data_string() const { return data_; }

    void report(std::string_view message);

    // Copies the encoder's text at once (the result buffer is shared), reports data left
    // out at the length limit, then sets the converted string, the preview and its font.
    void finish(const char* encoded, std::string_view font_key);
    void finish(std::string_view text, bool truncated, std::string_view font_key);

private:
    DialogOps& dialog_;
    std::string data_;
    std::string status_;
};

// make_font_name, remembered for the last key, height and Underlying Text on this thread:
// a run of conversions asks the same question for every record. Valid until the next call.
const std::string& font_name(std::string_view key, int height_index, bool underlying_text);

// The web-site sentence that closes the Symbol Notes texts.
std::string more_information(std::string_view lead = "For more information, visit ");

}  // namespace glyphmate
