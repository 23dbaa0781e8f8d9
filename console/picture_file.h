// SPDX-License-Identifier: MIT
// Pictures of conversions written to files whole or not at all.
#pragma once

#include <string>

#include <glyphmate.hpp>

namespace varnel::glyphmate::console {

// Writes bytes to path through a temporary file beside it, renamed over path once complete,
// so that no reader ever sees half a picture. "" on success, else what failed.
std::string write_whole_file(const std::string& path, const std::string& bytes);

// Draws result and writes it to path; "" on success, else the message for standard error.
// left_out tells whether bytes without a glyph were left out of the picture.
std::string write_picture(const glyphmate_result& result, ::glyphmate::api::PictureFormat format,
                          const glyphmate_picture_options& options, const std::string& path, bool* left_out = nullptr);

}  // namespace varnel::glyphmate::console
