// glyphmate-encode: the encoder's conversion on the command line, exactly as the dialog
// would show it.
#include <cstdio>
#include <iostream>
#include <string>

#include <CLI/CLI.hpp>

#include "encoder_app/catalogue.h"
#include "encoder_app/console/fontconfig_families.h"
#include "encoder_app/console/output.h"
#include "encoder_app/conversion_request.h"
#include "encoder_app/font_naming.h"
#include "encoder_app/installed_families.h"
#include "encoder_app/win1252.h"

namespace {

using namespace glyphmate;

constexpr int kExitUsage = 2;

int usage_error(const std::string& message) {
    std::cerr << "glyphmate-encode: " << message << '\n';
    return kExitUsage;
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

int main(int argc, char** argv) {
    CLI::App app{"Converts data into the text that, typeset in a Varnel barcode font, draws the symbol.",
                 "glyphmate-encode"};
    app.set_version_flag("--version", "glyphmate-encode 1.0.0");

    std::string type = "Code39", supplement, height, data, data_hex;
    bool check = false, full_ascii = false, no_text = false, json = false, list = false;
    app.add_option("--type", type, "Symbology, as in the Barcode Type list (default Code39)");
    app.add_option("--supplement", supplement, "UPC/EAN 2- or 5-digit add-on");
    app.add_flag("--check", check, "Check Character on");
    app.add_flag("--full-ascii", full_ascii, "Full ASCII on");
    app.add_flag("--no-text", no_text, "Underlying Text off");
    app.add_option("--height", height, "Bar height: XS, S, M (default), T or XT");
    app.add_flag("--json", json, "Print everything the dialog shows, as one JSON object");
    app.add_flag("--list", list, "List the symbologies");
    auto* data_opt = app.add_option("DATA", data, "The data (default: VARNEL GLYPH MATE)");
    app.add_option("--data-hex", data_hex, "The data as hex bytes, e.g. 410942")->excludes(data_opt);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return usage_error(e.what());
    }

    if (list) {
        for (const CatalogueEntry& entry : kCatalogue) std::cout << entry.name << '\n';
        return std::cout.flush() ? 0 : 1;
    }

    ConversionRequest request;
    if (find_entry(type) == nullptr) return usage_error("unknown type '" + type + "' (see --list)");
    request.type = type;
    request.options.check_character = check;
    request.options.full_ascii = full_ascii;
    request.options.underlying_text = !no_text;
    if (!height.empty()) {
        int index = -1;
        for (std::size_t i = 0; i < kHeightSuffixes.size(); ++i)
            if (equal_ignoring_case(kHeightSuffixes[i], height)) index = static_cast<int>(i);
        if (index < 0) return usage_error("--height must be XS, S, M, T or XT, not '" + height + "'");
        request.options.height_index = index;
    }
    if (app.count("--data-hex") > 0) {
        std::string problem;
        request.data.clear();
        if (!parse_hex(data_hex, request.data, problem)) return usage_error(problem);
    } else if (data_opt->count() > 0) {
        Cp1252Text text = utf8_to_cp1252(data);
        request.data = std::move(text.bytes);
        request.input_lost = text.unmapped + text.invalid_utf8 > 0;
    }
    Cp1252Text supplement_text = utf8_to_cp1252(supplement);
    request.supplement = std::move(supplement_text.bytes);

    InstalledFamilies fonts(fontconfig_families);
    const std::optional<ConversionResult> result = convert(request, fonts);
    const std::string& status = result->state.status;
    if (json) {
        std::cout << to_json(request, *result).dump() << '\n';
    } else {
        std::cout << cp1252_to_utf8(result->state.converted) << '\n';
        if (!status.empty()) std::cerr << cp1252_to_utf8(status) << '\n';
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "glyphmate-encode: could not write the output\n";
        return 1;
    }
    return status.empty() ? 0 : 1;
}
