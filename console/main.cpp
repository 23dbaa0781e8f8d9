// SPDX-License-Identifier: MIT
// glyphmate-encode: the encoder's conversion on the command line, exactly as the dialog
// would show it, for one record or a batch of them. Built on libglyphmate like any user.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

#include <glyphmate.hpp>

#include "console/batch.h"
#include "console/command_line.h"
#include "console/fontconfig_families.h"
#include "console/string_check.h"
#include "console/io.h"
#include "console/output.h"
#include "console/picture_file.h"

namespace {

using namespace varnel::glyphmate::console;
using ::glyphmate::api::Converter;

std::string windows_1252(std::string_view text) {
    std::string bytes(glyphmate_utf8_to_windows_1252(text.data(), text.size(), nullptr, 0, nullptr), '\0');
    glyphmate_utf8_to_windows_1252(text.data(), text.size(), bytes.data(), bytes.size(), nullptr);
    return bytes;
}

int convert_one(Converter& converter, const Settings& s) {
    ::glyphmate::api::Result result;
    const bool message = converter.run(s.data, s.data_is_bytes ? windows_1252(s.supplement) : s.supplement, result) ==
                         GLYPHMATE_MESSAGE;
    if (s.json) {
        std::cout << to_json(result, s.data_is_bytes ? s.data : windows_1252(s.data)).dump() << '\n';
    } else {
        std::cout << result.converted_utf8 << '\n';
        if (message)
            std::cerr << status_line(result.status, s.data_is_bytes || s.windows_1252
                                                        ? std::nullopt
                                                        : std::optional<std::string_view>(s.data))
                      << '\n';
    }
    const int status = written(message ? kExitMessage : 0);
    if (s.picture_path.empty() || status == kExitUsage) return status;
    bool left_out = false;
    if (const std::string problem = write_picture(result, s.picture_format, s.picture, s.picture_path, &left_out);
        !problem.empty())
        return usage_error(problem);
    if (left_out) std::cerr << "glyphmate-encode: the font has no glyph for some characters; the picture leaves them out\n";
    return status;
}

// The one type whose CSV gets a human_readable column: the font prints no text under it.
bool is_gs1_128(std::string_view type) {
    constexpr std::string_view kGs1 = "gs1-128";
    return type.size() == kGs1.size() &&
           std::equal(type.begin(), type.end(), kGs1.begin(), [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

int convert_batch(Converter& converter, const Settings& s) {
    BatchOptions options{.json = s.json,
                         .windows_1252 = s.windows_1252,
                         .output_encoding = s.output_encoding,
                         .delimiter = s.delimiter,
                         .supplement = s.windows_1252 ? windows_1252(s.supplement) : s.supplement,
                         .input_name = s.input.empty() ? "standard input" : "'" + s.input + "'",
                         .column = s.column,
                         .supplement_column = s.supplement_column,
                         .human_readable_column = is_gs1_128(s.type),
                         .pictures = s.pictures_dir,
                         .picture_format = s.picture_format,
                         .picture = s.picture};
    if (!s.pictures_dir.empty() && ::mkdir(s.pictures_dir.c_str(), 0777) != 0 && errno != EEXIST)
        return usage_error("cannot make the folder '" + s.pictures_dir + "': " + std::strerror(errno));
    int fd = STDIN_FILENO;
    if (!s.input.empty() && (fd = ::open(s.input.c_str(), O_RDONLY | O_CLOEXEC)) < 0)
        return usage_error("cannot open " + options.input_name + ": " + std::strerror(errno));
    struct stat st {};
    if (fd != STDIN_FILENO && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return usage_error(options.input_name + " is a directory, not a file of records");
    }
    Output out(STDOUT_FILENO), err(STDERR_FILENO);
    int status;
    if (s.csv) {
        status = convert_csv(converter, options, fd, out, err);
    } else {
        LineReader in(fd, !s.windows_1252);
        status = convert_lines(converter, options, in, out, err);
    }
    if (fd != STDIN_FILENO) ::close(fd);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    if (const auto done = parse_command_line(argc, argv, s)) return *done;

    if (s.list) {
        for (int i = 0; i < glyphmate_type_count(); ++i) std::cout << glyphmate_type_name(i) << '\n';
        return written(0);
    }

    if (s.inspect) return s.batch ? inspect_batch(s) : inspect_one(s);

    // Only JSON shows whether the font is installed: the other outputs skip the font listing.
    varnel::glyphmate::FontconfigFonts fonts;
    glyphmate_options options = s.options;
    options.data_encoding = s.data_is_bytes || s.windows_1252 ? GLYPHMATE_WINDOWS_1252 : GLYPHMATE_UTF8;
    try {
        Converter converter(s.type, options, s.json ? varnel::glyphmate::FontconfigFonts::query : nullptr, &fonts);
        return s.batch ? convert_batch(converter, s) : convert_one(converter, s);
    } catch (const ::glyphmate::api::Error& e) {
        if (e.code() == GLYPHMATE_UNKNOWN_TYPE) return usage_error("unknown type '" + s.type + "' (see --list)");
        std::cerr << "glyphmate-encode: " << e.what() << '\n';
        return kExitUsage;
    }
}
