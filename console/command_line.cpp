// SPDX-License-Identifier: MIT
#include "console/command_line.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "console/help_format.h"

namespace varnel::glyphmate::console {

namespace {

bool same_letters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// Bytes from pairs of hex digits; false on anything else.
bool parse_hex(std::string_view hex, std::string& bytes, std::string& problem) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) {
        problem = "--data-hex needs an even number of hex digits";
        return false;
    }
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = digit(hex[i]), lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0) {
            problem = "--data-hex: '" + std::string(hex.substr(i, 2)) + "' at position " + std::to_string(i + 1) +
                      " is not a hex byte";
            return false;
        }
        if (hi == 0 && lo == 0) {
            problem = "--data-hex: a 00 byte at position " + std::to_string(i + 1) +
                      " cannot be encoded (the data ends at NUL)";
            return false;
        }
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return true;
}

}  // namespace

int usage_error(const std::string& message) {
    std::cerr << "glyphmate-encode: " << message << '\n';
    return kExitUsage;
}

int written(int status) {
    errno = 0;
    std::cout.flush();
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout) return status;
    const int error = errno;
    return usage_error(std::string("cannot write the output") + (error != 0 ? ": " + std::string(std::strerror(error)) : ""));
}

std::optional<int> parse_command_line(int argc, char** argv, Settings& s) {
    CLI::App app{"Converts data into the text that, typeset in a Varnel barcode font, draws the symbol.",
                 "glyphmate-encode"};
    app.formatter(help_formatter());
    app.set_version_flag("--version", "glyphmate-encode " + std::string(glyphmate_version()));
    app.footer(
        "Exit status: 0 when no status line carries a message, 1 when one does (the conversion is still "
        "printed), 2 for a usage error, an input that cannot be read or an output that cannot be written.");

    std::string height, data, data_hex, encoding, output_encoding, delimiter;
    bool check = false, full_ascii = false, no_text = false, strict = false, keep_faulty = false;
    auto* type_opt = app.add_option("--type", s.type, "Symbology, as in the Barcode Type list (default Code39)");
    auto* inspect_opt = app.add_flag("--inspect", s.inspect,
                                     "Check DATA (or each record of the batch) as a converted string pasted from a "
                                     "document: symbology, font, the data a scanner reads, and why it would not scan "
                                     "(every font is tried unless --type is given); exit 1 when it does not scan");
    app.add_option("--supplement", s.supplement, "UPC/EAN 2- or 5-digit add-on");
    app.add_flag("--check", check, "Check Character on");
    app.add_flag("--full-ascii", full_ascii, "Full ASCII on");
    app.add_flag("--no-text", no_text, "Underlying Text off");
    auto* height_opt = app.add_option("--height", height, "Bar height: XS, S, M (default), T or XT");
    app.add_flag("--json", s.json, "Print everything the dialog shows, as one JSON object (per line in a batch)");
    auto* list_opt = app.add_flag("--list", s.list, "List the symbologies");
    auto* data_opt = app.add_option("DATA", data, "The data (default: VARNEL GLYPH MATE)");
    auto* hex_opt = app.add_option("--data-hex", data_hex, "The data as hex bytes, e.g. 410942")->excludes(data_opt);
    auto* batch_opt = app.add_option("--batch", s.input,
                                     "Convert every line of FILE (default: standard input), one output line each")
                          ->expected(0, 1)
                          ->type_name("[FILE]")
                          ->excludes(data_opt)
                          ->excludes(hex_opt);
    auto* csv_opt = app.add_flag("--csv", s.csv,
                                 "The batch input is CSV with a header row; the output is the same CSV with the "
                                 "columns converted, font and status added (and human_readable for GS1-128)")
                        ->excludes(data_opt)
                        ->excludes(hex_opt);
    csv_opt->excludes(app.get_option("--json"));
    // A merge should print no wrong barcode, so a CSV is strict unless told otherwise.
    auto* strict_opt = app.add_flag("--strict", strict,
                                    "A record whose status line is not empty gets no converted string (the "
                                    "default for --csv)");
    app.add_flag("--keep-faulty", keep_faulty,
                 "CSV: give faulty records their converted string too, as the dialog shows it")
        ->needs(csv_opt)
        ->excludes(strict_opt);
    app.add_option("--column", s.column, "CSV: the data column, by header name or number from 1 (default 1)")
        ->type_name("NAME|NUMBER")
        ->needs(csv_opt);
    app.add_option("--supplement-column", s.supplement_column, "CSV: the column of the UPC/EAN add-on")
        ->type_name("NAME|NUMBER")
        ->needs(csv_opt);
    auto* encoding_opt =
        app.add_option("--input-encoding", encoding, "The batch input's encoding: utf-8 (default) or windows-1252")
            ->type_name("ENCODING");
    auto* output_encoding_opt =
        app.add_option("--output-encoding", output_encoding,
                       "The batch output's encoding: utf-8 (default; a CSV keeps its byte-order mark), utf-8-bom "
                       "(a byte-order mark first, as Excel wants) or windows-1252")
            ->type_name("ENCODING");
    auto* delimiter_opt = app.add_option("--delimiter", delimiter,
                                         "CSV: the field delimiter, ',' ';' or tab (default: the one the header row "
                                         "uses); the output keeps it")
                              ->type_name("DELIMITER")
                              ->needs(csv_opt);
    list_opt->excludes(data_opt)->excludes(hex_opt)->excludes(batch_opt)->excludes(csv_opt)->excludes(inspect_opt);

    std::string png_path, svg_path;
    auto* png_opt = app.add_option("--png", png_path, "Also draw the symbol as its font prints it, as a PNG file")
                        ->type_name("FILE");
    auto* svg_opt = app.add_option("--svg", svg_path, "The same as an SVG file")->type_name("FILE")->excludes(png_opt);
    for (auto* picture_opt : {png_opt, svg_opt}) picture_opt->excludes(batch_opt)->excludes(csv_opt)->excludes(list_opt);
    auto* pictures_opt = app.add_option("--pictures", s.pictures_dir,
                                        "Batch: one picture per record in DIR, named by line or CSV record "
                                        "number; a CSV gets a column @picture with each file's path")
                             ->type_name("DIR")
                             ->excludes(png_opt)
                             ->excludes(svg_opt);
    std::string picture_format;
    auto* format_opt = app.add_option("--picture-format", picture_format, "--pictures: png (default) or svg")
                           ->type_name("FORMAT")
                           ->needs(pictures_opt);
    auto* module_opt = app.add_option("--module-width", s.picture.module_width,
                                      "Pictures: the narrow bar's width in millimetres (default 0.33)")
                           ->type_name("MM")
                           ->check(CLI::Range(0.01, 5.0));
    auto* dpi_opt = app.add_option("--dpi", s.picture.dpi, "PNG: pixels per inch (default 300); each module is "
                                                           "a whole number of pixels")
                        ->type_name("N")
                        ->check(CLI::Range(1, 4800));
    auto* bar_height_opt = app.add_option("--bar-height", s.picture.bar_height,
                                          "Pictures: the bars' height in millimetres (default 15)")
                               ->type_name("MM")
                               ->check(CLI::Range(0.1, 500.0));
    bool no_quiet_zones = false;
    auto* quiet_opt = app.add_flag("--no-quiet-zones", no_quiet_zones,
                                   "Pictures: leave out the white margins the symbology asks for");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return written(app.exit(e));
    } catch (const CLI::CallForVersion& e) {
        return written(app.exit(e));
    } catch (const CLI::ParseError& e) {
        return usage_error(e.what());
    }

    s.batch = batch_opt->count() > 0 || s.csv;
    s.picture.quiet_zones = !no_quiet_zones;
    if (png_opt->count() > 0) s.picture_path = png_path;
    if (svg_opt->count() > 0) {
        s.picture_path = svg_path;
        s.picture_format = ::glyphmate::api::PictureFormat::svg;
    }
    if (format_opt->count() > 0) {
        if (same_letters(picture_format, "svg"))
            s.picture_format = ::glyphmate::api::PictureFormat::svg;
        else if (!same_letters(picture_format, "png"))
            return usage_error("--picture-format must be png or svg, not '" + picture_format + "'");
    }
    if (pictures_opt->count() > 0 && s.pictures_dir.empty()) return usage_error("--pictures needs a folder");
    if (pictures_opt->count() > 0 && !s.batch) return usage_error("--pictures is for --batch and --csv");
    for (auto* picture_opt : {module_opt, dpi_opt, bar_height_opt, quiet_opt})
        if (picture_opt->count() > 0 && s.picture_path.empty() && s.pictures_dir.empty())
            return usage_error(picture_opt->get_name() + " is for --png, --svg and --pictures");
    if (dpi_opt->count() > 0 && s.picture_format != ::glyphmate::api::PictureFormat::png)
        return usage_error("--dpi is for PNG pictures");
    s.type_given = type_opt->count() > 0;
    if (s.inspect && !s.batch && data_opt->count() == 0 && hex_opt->count() == 0)
        return usage_error("--inspect needs the string to check, --data-hex or --batch");
    if (s.input == "-") s.input.clear();
    s.options.check_character = check;
    s.options.full_ascii = full_ascii;
    s.options.underlying_text = !no_text;
    s.options.strict = strict || (s.csv && !keep_faulty) ? 1 : 0;
    if (height_opt->count() > 0) {
        const int index = glyphmate_height_index(height.c_str());
        if (index < 0) return usage_error("--height must be XS, S, M, T or XT, not '" + height + "'");
        s.options.height = index;
    }
    if (encoding_opt->count() > 0) {
        if (!s.batch) return usage_error("--input-encoding is for --batch and --csv input");
        if (same_letters(encoding, "windows-1252") || same_letters(encoding, "cp1252"))
            s.windows_1252 = true;
        else if (!same_letters(encoding, "utf-8") && !same_letters(encoding, "utf8"))
            return usage_error("--input-encoding must be utf-8 or windows-1252, not '" + encoding + "'");
    }
    if (output_encoding_opt->count() > 0) {
        if (!s.batch) return usage_error("--output-encoding is for --batch and --csv output");
        if (same_letters(output_encoding, "utf-8") || same_letters(output_encoding, "utf8"))
            s.output_encoding = OutputEncoding::utf8;
        else if (same_letters(output_encoding, "utf-8-bom") || same_letters(output_encoding, "utf8-bom"))
            s.output_encoding = OutputEncoding::utf8_bom;
        else if (same_letters(output_encoding, "windows-1252") || same_letters(output_encoding, "cp1252"))
            s.output_encoding = OutputEncoding::windows_1252;
        else
            return usage_error("--output-encoding must be utf-8, utf-8-bom or windows-1252, not '" + output_encoding +
                               "'");
        // JSON is UTF-8 without a byte-order mark, whatever the rest of the output is.
        if (s.json && s.output_encoding != OutputEncoding::utf8)
            return usage_error("--json writes UTF-8 only: leave out --output-encoding or give utf-8");
    }
    if (delimiter_opt->count() > 0) {
        if (delimiter == "," || delimiter == ";" || delimiter == "\t")
            s.delimiter = delimiter.front();
        else if (same_letters(delimiter, "tab"))
            s.delimiter = '\t';
        else
            return usage_error("--delimiter must be ',', ';' or tab, not '" + delimiter + "'");
    }
    if (hex_opt->count() > 0) {
        std::string problem;
        s.data.clear();
        s.data_is_bytes = true;
        if (!parse_hex(data_hex, s.data, problem)) return usage_error(problem);
    } else if (data_opt->count() > 0) {
        s.data = data;
    }
    return std::nullopt;
}

}  // namespace varnel::glyphmate::console
