// SPDX-License-Identifier: MIT
#include "calibration_app/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using varnel::trueline::CommandLine;
using Action = CommandLine::Action;

struct Row {
    const char* name;
    std::vector<const char*> arguments;  // after the program's own path
    Action action;
    const char* argument;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class ParseCommandLine : public testing::TestWithParam<Row> {};

TEST_P(ParseCommandLine, TellsWhatToDo) {
    const Row& row = GetParam();
    QByteArrayList arguments{"/usr/bin/trueline"};
    for (const char* a : row.arguments) arguments << a;
    const CommandLine line = varnel::trueline::parse_command_line(arguments);
    EXPECT_EQ(line.action, row.action);
    EXPECT_EQ(line.argument.toStdString(), row.argument);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ParseCommandLine,
    testing::Values(
        Row{"nothing_opens_the_wizard", {}, Action::open_wizard, ""},
        Row{"help", {"--help"}, Action::show_help, ""},
        Row{"short_help", {"-h"}, Action::show_help, ""},
        Row{"version", {"--version"}, Action::show_version, ""},
        Row{"print", {"--print"}, Action::print_default, ""},
        Row{"print_to", {"--print-to", "Office Laser"}, Action::print_to, "Office Laser"},
        Row{"print_to_joined", {"--print-to=lp0"}, Action::print_to, "lp0"},
        Row{"pdf", {"--pdf", "page.pdf"}, Action::write_pdf, "page.pdf"},
        Row{"pdf_named_like_an_option", {"--pdf", "-x.pdf"}, Action::write_pdf, "-x.pdf"},
        Row{"help_wins_over_printing", {"--pdf", "a.pdf", "--help"}, Action::show_help, ""},
        Row{"unknown_option", {"--bogus"}, Action::fail, "Unknown option 'bogus'."},
        Row{"missing_file", {"--pdf"}, Action::fail, "Missing value after '--pdf'."},
        Row{"empty_file", {"--pdf", ""}, Action::fail, "--pdf needs a file name."},
        Row{"empty_printer", {"--print-to="}, Action::fail, "--print-to needs a printer name."},
        Row{"stray_argument", {"page.pdf"}, Action::fail, "Unexpected argument 'page.pdf'."},
        Row{"two_switches", {"--print", "--pdf", "a.pdf"}, Action::fail,
            "Give only one of --print, --print-to and --pdf, once."},
        Row{"one_switch_twice", {"--pdf", "a.pdf", "--pdf", "b.pdf"}, Action::fail,
            "Give only one of --print, --print-to and --pdf, once."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLineHelp, NamesTheProgramAndEveryOption) {
    const std::string help = varnel::trueline::help_text({"/usr/bin/trueline"}).toStdString();
    EXPECT_TRUE(help.starts_with("Usage: trueline [options]\n")) << help;
    for (const char* option : {"--help", "--version", "--print ", "--print-to <NAME>", "--pdf <FILE>", "1200 dpi"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
}

}  // namespace
