// SPDX-License-Identifier: MIT
#include "console/help_format.h"

#include <cctype>
#include <sstream>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

namespace varnel::glyphmate::console {

namespace {

constexpr std::size_t kLineWidth = 79;  // a line of an 80-column terminal, the last column free
constexpr std::size_t kColumn = 30;     // where option descriptions start

// Words of text laid into lines of at most kLineWidth, every line after the first
// indented to indent (a word longer than a line stays whole).
std::string wrap(std::string_view text, std::size_t first_line_used, std::size_t indent) {
    std::string out;
    std::size_t used = first_line_used;
    bool line_has_words = false;
    std::istringstream words{std::string(text)};
    for (std::string word; words >> word;) {
        if (line_has_words && used + 1 + word.size() > kLineWidth) {
            out += '\n' + std::string(indent, ' ');
            used = indent;
            line_has_words = false;
        }
        if (line_has_words) {
            out += ' ';
            ++used;
        }
        out += word;
        used += word.size();
        line_has_words = true;
    }
    return out;
}

class HelpFormatter final : public CLI::Formatter {
public:
    HelpFormatter() {
        column_width(kColumn);
        label("Positionals", "Arguments");
    }

    // The description follows the usage line (make_usage): what to type first, then why.
    std::string make_description(const CLI::App*) const override { return {}; }

    std::string make_usage(const CLI::App* app, std::string name) const override {
        std::string out = CLI::Formatter::make_usage(app, std::move(name));
        if (!app->get_description().empty()) out += '\n' + wrap(app->get_description(), 0, 0) + '\n';
        return out;
    }

    std::string make_option_name(const CLI::Option* opt, bool is_positional) const override {
        std::string name;
        for (const char c : CLI::Formatter::make_option_name(opt, is_positional)) {
            name += c;
            if (c == ',') name += ' ';  // "-h, --help"
        }
        return name;
    }

    // The value an option takes, named; a flag and an argument take none of their own.
    std::string make_option_opts(const CLI::Option* opt) const override {
        if (opt->get_positional() || opt->get_type_size() == 0) return {};
        std::string value = opt->get_type_name();
        if (value == "TEXT") {
            // The parser's generic name says nothing: the option's last word does ("--data-hex HEX").
            const std::string name = opt->get_name(false, true);
            value = name.substr(name.find_last_of("-,") + 1);
            for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        return " " + value;
    }

    std::string make_option(const CLI::Option* opt, bool is_positional) const override {
        std::string out = "  " + make_option_name(opt, is_positional) + make_option_opts(opt);
        const std::string description = make_option_desc(opt);
        if (description.empty()) return out + '\n';
        if (out.size() + 2 > kColumn)
            out += '\n' + std::string(kColumn, ' ');
        else
            out.resize(kColumn, ' ');
        return out + wrap(description, kColumn, kColumn) + '\n';
    }

    std::string make_footer(const CLI::App* app) const override {
        if (app->get_footer().empty()) return {};
        return wrap(app->get_footer(), 0, 0) + '\n';
    }
};

}  // namespace

std::shared_ptr<CLI::FormatterBase> help_formatter() { return std::make_shared<HelpFormatter>(); }

}  // namespace varnel::glyphmate::console
