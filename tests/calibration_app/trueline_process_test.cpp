// SPDX-License-Identifier: MIT
// The built trueline, run from the command line as a user runs it, with no display; and
// both windowed programs started where there is no desktop session.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <QDir>
#include <QString>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/renamed_font.h"
#include "process.h"

namespace {

namespace fs = std::filesystem;

// No windowing system at all: the print switches must not need one. A shell command, when
// given, runs the program in its place as "$0" "$@" (to redirect its output, say).
test::ProcessResult trueline(std::vector<std::string> args, const std::string& shell = {}) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(name);
    args.insert(args.begin(), TRUELINE);
    if (!shell.empty()) args.insert(args.begin(), {"/bin/sh", "-c", shell});
    return test::run_process(args);
}

// The words of a text with every run of white space made one space.
std::string words(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f';
        if (!space)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

fs::path scratch(const std::string& name) {
    const fs::path dir = fs::path(testing::TempDir()) / "trueline_process_test";
    fs::create_directories(dir);
    const fs::path file = dir / name;
    fs::remove(file);
    return file;
}

TEST(TruelineProgram, HelpAndVersion) {
    auto r = trueline({"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.out.starts_with("Usage: trueline [options]\n")) << r.out;
    EXPECT_EQ(r.err, "");
    r = trueline({"--version"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "Trueline Version 1.0\n");
}

struct FailureRow {
    const char* name;
    std::vector<std::string> args;
    int exit_code;
    std::string message;
    std::string shell = {};
};

void PrintTo(const FailureRow& row, std::ostream* out) { *out << row.name; }

class TruelineFailure : public testing::TestWithParam<FailureRow> {};

// One line on standard error, nothing on standard output, a non-zero status, no window.
TEST_P(TruelineFailure, SaysSoInOneLine) {
    const FailureRow& row = GetParam();
    const auto r = trueline(row.args, row.shell);
    EXPECT_EQ(r.exit_code, row.exit_code);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "trueline: " + row.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TruelineFailure,
    testing::Values(
        FailureRow{"unknown_option", {"--bogus"}, 2, "Unknown option 'bogus'."},
        FailureRow{"missing_file", {"--pdf"}, 2, "Missing value after '--pdf'."},
        FailureRow{"two_switches", {"--print", "--pdf", "a.pdf"}, 2,
                   "Give only one of --print, --print-to and --pdf, once."},
        FailureRow{"unwritable_file", {"--pdf", "/nonexistent-dir/page.pdf"}, 1,
                   "could not print on the file '/nonexistent-dir/page.pdf': No such file or directory."},
        FailureRow{"full_device", {"--pdf", "/dev/full"}, 1,
                   "could not print on the file '/dev/full': No space left on device."},
        FailureRow{"help_to_full_output", {"--help"}, 2, "could not write to standard output: No space left on device.",
                   R"(exec "$0" "$@" >/dev/full)"},
        FailureRow{"version_to_closed_output", {"--version"}, 2,
                   "could not write to standard output: Bad file descriptor.", R"(exec "$0" "$@" >&-)"},
        FailureRow{"unknown_printer", {"--print-to", "No Such Printer"}, 1,
                   "there is no printer named 'No Such Printer'."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TruelineProgram, WritesTheCalibrationPageAsOnePdfPage) {
    // A name that is not UTF-8 names its file all the same, not one with a replacement character.
    const fs::path pdf = scratch("page-\xE9.pdf"), replaced = scratch("page-\xEF\xBF\xBD.pdf");
    const auto r = trueline({"--pdf", pdf.string()});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "");
    // The MICR fonts are the maker's and need not be on this machine (see below).
    EXPECT_THAT(r.err, testing::AnyOf("", testing::StartsWith("trueline: warning: ")));
    ASSERT_TRUE(fs::exists(pdf));
    EXPECT_FALSE(fs::exists(replaced));

    const auto info = test::run_process({PDFINFO, pdf.string()});
    for (const char* field : {"Pages: 1 ", "Title: Trueline printer calibration page ", "Creator: Trueline Version 1.0 "})
        EXPECT_NE(words(info.out).find(field), std::string::npos) << info.out;

    const auto text = test::run_process({PDFTOTEXT, "-layout", pdf.string(), "-"});
    ASSERT_EQ(text.exit_code, 0) << text.err;
    const std::string page = words(text.out);
    const std::string sample = "0123456789ABCD0123456789ABCD0123456789ABCD0123456789ABCD";
    // The page's own texts, in order (the spacing inside a line is the PDF reader's).
    const std::vector<std::string> expected = {
        "Varnel Corp.",
        "This printer calibration page will assist you to select the best Varnel MICR font for your system. "
        "To calibrate, print this page on a flat surface and wait for it cool down.",
        "A. Measure the length of each line below, select the one closest to 7 inches.In ideal case, the "
        "horizontal of each segment (between two vertical bars) should be exactly 1 inch. Under most "
        "circumstances VNL MICR font produces the best result.",
        "VNL MICRN", sample, "|", "VNL MICR", sample, "|", "VNL MICRW", sample, "|",
        "B. Measure the stroke width of the zero below. Select the closes to 0.13 inch. Under most "
        "circumstances VNL MICR font produces the best result.",
        "000", "VNL MICRL VNL MICR VNL MICRB",
        "Combine the results from step A and B you can derive the best font for your environment. Suppose the "
        "best font for A is VNL MICRN and the best font for B is VNL MICRB, then the best font for your "
        "environment is VNL MICRBN.",
        "Character Mapping",
        "Transit symbol: A, [, ] Amount Symbol: B, #, $",
        "On-Us Symbol: C, @ Dash symbol: D, -",
        "Technical Support",
        "support@varnel.example",
        "Custom Font Service",
        "www.varnel.example/fonts/custom/",
    };
    std::size_t at = 0;
    for (const std::string& piece : expected) {
        const std::size_t found = page.find(words(piece), at);
        ASSERT_NE(found, std::string::npos) << "missing after position " << at << ": " << piece << "\n" << page;
        at = found + words(piece).size();
    }
}

struct FontsRow {
    const char* name;
    std::vector<QString> installed;  // the MICR families the font configuration holds
    std::string warning;             // on standard error; the page is made all the same
};

void PrintTo(const FontsRow& row, std::ostream* out) { *out << row.name; }

class TruelineFonts : public testing::TestWithParam<FontsRow> {};

// A font configuration of the test's own: DejaVu Sans, and copies of it renamed to the
// MICR families the row says are installed.
TEST_P(TruelineFonts, AMissingMicrFontIsToldAndThePageStillMade) {
    const fs::path dir = fs::path(testing::TempDir()) / "trueline_process_test" / (std::string("fonts-") + GetParam().name);
    fs::remove_all(dir);
    fs::create_directories(dir / "cache");
    std::string problem;
    for (const QString& family : GetParam().installed)
        ASSERT_FALSE(test::make_renamed_font(family, QDir(QString::fromStdString(dir.string())), problem).isEmpty())
            << problem;
    const auto dejavu = test::run_process({"/usr/bin/env", "fc-match", "-f", "%{file}", "DejaVu Sans"});
    ASSERT_EQ(dejavu.exit_code, 0) << dejavu.err;
    fs::copy_file(dejavu.out, dir / "DejaVuSans.ttf");
    std::ofstream(dir / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << dir.string()
                                      << "</dir><cachedir>" << (dir / "cache").string() << "</cachedir></fontconfig>\n";

    const fs::path pdf = dir / "page.pdf";
    setenv("FONTCONFIG_FILE", (dir / "fonts.conf").c_str(), 1);
    const auto r = trueline({"--pdf", pdf.string()});
    unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, GetParam().warning.empty() ? "" : "trueline: warning: " + GetParam().warning + "\n");
    EXPECT_TRUE(fs::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(
    Installed, TruelineFonts,
    testing::Values(FontsRow{"none", {},
                             "the Varnel MICR fonts are not installed: the samples and zeros are set in another "
                             "face and measure nothing."},
                    FontsRow{"all_but_two", {"VNL MICRN", "VNL MICR", "VNL MICRW"},
                             "the fonts VNL MICRL and VNL MICRB are not installed: their samples are set in another "
                             "face and measure nothing."},
                    FontsRow{"all", {"VNL MICRN", "VNL MICR", "VNL MICRW", "VNL MICRL", "VNL MICRB"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A file that cannot be written whole is not written at all: the old one stays, and no
// part of the new one is left beside it.
TEST(TruelineProgram, AFailedWriteKeepsTheOldFile) {
    const fs::path pdf = scratch("full/page.pdf");
    fs::remove_all(pdf.parent_path());
    fs::create_directories(pdf.parent_path());
    std::ofstream(pdf) << "old";
    const auto r = trueline({"--pdf", pdf.string()}, R"(ulimit -f 8; trap '' XFSZ; exec "$0" "$@")");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "trueline: could not print on the file '" + pdf.string() + "': File too large.\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(pdf.parent_path()), fs::directory_iterator()), 1);
    std::ifstream in(pdf);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

struct PaperRow {
    const char* name;
    const char* locale;
    const char* page_size;
};

void PrintTo(const PaperRow& row, std::ostream* out) { *out << row.name; }

class TruelinePaper : public testing::TestWithParam<PaperRow> {};

// A PDF on the wrong paper is scaled when printed, so it takes the country's paper.
TEST_P(TruelinePaper, FollowsTheLocale) {
    const fs::path pdf = scratch(std::string(GetParam().name) + ".pdf");
    setenv("LC_ALL", GetParam().locale, 1);
    const auto r = trueline({"--pdf", pdf.string()});
    unsetenv("LC_ALL");
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto info = test::run_process({PDFINFO, pdf.string()});
    EXPECT_NE(words(info.out).find(GetParam().page_size), std::string::npos) << info.out;
}

INSTANTIATE_TEST_SUITE_P(Locales, TruelinePaper,
                         testing::Values(PaperRow{"united_states", "en_US.UTF-8", "Page size: 612 x 792 pts (letter)"},
                                         PaperRow{"germany", "de_DE.UTF-8", "Page size: 595 x 842 pts (A4)"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SessionRow {
    const char* name;
    const char* program;
    std::vector<std::string> environment, args;
    int exit_code;  // 124: still running when stopped, the program started
    std::string message;
};

void PrintTo(const SessionRow& row, std::ostream* out) { *out << row.name; }

class WithoutDesktop : public testing::TestWithParam<SessionRow> {};

// A windowed program without a desktop session says so in one line and ends, rather than
// aborting in Qt with a core dump; a platform that needs no display still starts.
TEST_P(WithoutDesktop, EndsInOneLine) {
    const SessionRow& row = GetParam();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(name);
    std::vector<std::string> command{"/usr/bin/env"};
    command.insert(command.end(), row.environment.begin(), row.environment.end());
    command.insert(command.end(), {"timeout", "3", row.program});
    command.insert(command.end(), row.args.begin(), row.args.end());
    const auto r = test::run_process(command);
    EXPECT_EQ(r.exit_code, row.exit_code) << r.err;
    if (!row.message.empty()) {
        EXPECT_EQ(r.err, row.message + "\n");
    }
}

const std::string kNoSession = ": this program needs a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set).";

INSTANTIATE_TEST_SUITE_P(
    Programs, WithoutDesktop,
    testing::Values(
        SessionRow{"trueline_without_display", TRUELINE, {}, {}, 1, "trueline" + kNoSession},
        SessionRow{"glyphmate_without_display", GLYPHMATE, {}, {}, 1, "glyphmate" + kNoSession},
        SessionRow{"glyphmate_x11_named", GLYPHMATE, {"QT_QPA_PLATFORM=xcb"}, {}, 1, "glyphmate" + kNoSession},
        SessionRow{"trueline_display_unreachable", TRUELINE, {"DISPLAY=:9999"}, {}, 1,
                   "trueline: this program needs a desktop session, and its display could not be reached."},
        SessionRow{"trueline_offscreen", TRUELINE, {"QT_QPA_PLATFORM=offscreen"}, {}, 124, ""},
        SessionRow{"glyphmate_platform_option", GLYPHMATE, {}, {"-platform", "offscreen"}, 124, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
