// SPDX-License-Identifier: MIT
// How the console front end prints a conversion: the converted string as UTF-8, or one
// JSON object with everything the dialog would show.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include <glyphmate.h>

namespace varnel::glyphmate::console {

std::string to_hex(std::string_view bytes);

// The status line as the console prints it: with the byte position (from 1) of a malformed
// UTF-8 sequence in text, when the data was UTF-8 and had one.
std::string status_line(const char* status, std::optional<std::string_view> utf8_data);
// What the status line adds when the data's UTF-8 is malformed from byte offset at.
std::string malformed_utf8_note(std::size_t at);

// data: the bytes the conversion took; line: the input line in batch mode, first.
nlohmann::ordered_json to_json(const glyphmate_result& result, std::string_view data,
                               std::optional<std::size_t> line = std::nullopt);

}  // namespace varnel::glyphmate::console
