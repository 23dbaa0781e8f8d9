// SPDX-License-Identifier: MIT
// Batch conversion: every record through one converter, in order, one output record each.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include <glyphmate.hpp>

#include "console/io.h"

namespace varnel::glyphmate::console {

// What the batch output is written in. UTF-8 keeps a CSV's byte-order mark; Windows-1252
// writes the converted strings as their bytes, for older tools.
enum class OutputEncoding { utf8, utf8_bom, windows_1252 };

struct BatchOptions {
    bool json = false;
    bool windows_1252 = false;  // the input's encoding; UTF-8 otherwise
    OutputEncoding output_encoding = OutputEncoding::utf8;
    char delimiter = 0;         // CSV: 0 takes it from the header row
    std::string supplement;     // for every record, in the input's encoding
    std::string input_name;     // for messages: the file, or "standard input"
    std::string column = "1", supplement_column;  // CSV only
    bool human_readable_column = false;  // CSV: the human_readable column last (GS1-128)
    // One picture per record in this folder, named by line or record number (empty: none);
    // a CSV gets the column @picture with each file's path.
    std::string pictures;
    ::glyphmate::api::PictureFormat picture_format = ::glyphmate::api::PictureFormat::png;
    glyphmate_picture_options picture = GLYPHMATE_DEFAULT_PICTURE_OPTIONS;
};

// One output line per input line: the converted string, or a JSON object. A record's
// status goes to err as "LINE: MESSAGE". Returns the exit status: 0, 1 when a record
// carried a message, 2 when the input could not be read or the output (or a picture) not
// written; the batch stops at a picture that cannot be written.
int convert_lines(::glyphmate::api::Converter& converter, const BatchOptions& options, LineReader& in, Output& out, Output& err);

// The CSV with the columns converted, font and status added to every record (and
// human_readable when the options ask for it), in the input's delimiter. A malformed CSV, or one the output encoding cannot carry, is reported
// with its line before anything is written: the whole CSV is checked first, then converted.
// Same exit status. From text in memory, or from fd: a regular file is read twice, anything
// else is held in memory once.
int convert_csv(::glyphmate::api::Converter& converter, const BatchOptions& options, std::string_view text, Output& out,
                Output& err);
int convert_csv(::glyphmate::api::Converter& converter, const BatchOptions& options, int fd, Output& out, Output& err);

// Which column of the header a --column argument names: the header name, else the number
// from 1; -1 (with problem set) when it names none.
int find_column(std::span<const std::string> header, std::string_view column, std::string& problem);

}  // namespace varnel::glyphmate::console
