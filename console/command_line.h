// SPDX-License-Identifier: MIT
// The command line of glyphmate-encode: one conversion, or a batch of them.
#pragma once

#include <optional>
#include <string>

#include <glyphmate.hpp>

#include "console/batch.h"

namespace varnel::glyphmate::console {

struct Settings {
    std::string type = "Code39";
    glyphmate_options options = GLYPHMATE_DEFAULT_OPTIONS;
    std::string supplement;  // as typed (UTF-8)
    bool json = false;
    bool list = false;
    bool inspect = false;     // check DATA as a pasted converted string
    bool type_given = false;  // --type was on the command line

    // One conversion: the data as typed (UTF-8), or bytes from --data-hex.
    std::string data = "VARNEL GLYPH MATE";
    bool data_is_bytes = false;

    // A batch: one record per line, or per CSV record.
    bool batch = false;
    std::string input;  // a file; empty or "-" for standard input
    bool csv = false;
    std::string column = "1";
    std::string supplement_column;  // empty: --supplement for every record
    bool windows_1252 = false;      // the input's encoding; UTF-8 otherwise
    OutputEncoding output_encoding = OutputEncoding::utf8;
    char delimiter = 0;  // CSV: 0 takes it from the header row

    // Pictures: one file for a single conversion (empty: none), in the format of its option,
    // or one per record of a batch in the folder pictures_dir.
    std::string picture_path, pictures_dir;
    ::glyphmate::api::PictureFormat picture_format = ::glyphmate::api::PictureFormat::png;
    glyphmate_picture_options picture = GLYPHMATE_DEFAULT_PICTURE_OPTIONS;
};

// Fills settings from the arguments. Returns the exit status when the program ends here
// (help, version, or a usage error already reported), nothing when it goes on.
std::optional<int> parse_command_line(int argc, char** argv, Settings& settings);

// Reports a usage error on standard error and gives its exit status.
int usage_error(const std::string& message);

// status, once what went to standard output is written; else the message and kExitUsage.
int written(int status);

inline constexpr int kExitMessage = 1;
inline constexpr int kExitUsage = 2;

}  // namespace varnel::glyphmate::console
