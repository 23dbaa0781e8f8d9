// SPDX-License-Identifier: MIT
// The built glyphmate-encode, run as a user runs it.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "process.h"

namespace {

test::ProcessResult encode(std::vector<std::string> args) {
    args.insert(args.begin(), GLYPHMATE_ENCODE);
    return test::run_process(args);
}

TEST(Console, PlainOutput) {
    const auto r = encode({"--type", "Code39", "--check", "CODE39"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "*CODE39W*\n");
    EXPECT_EQ(r.err, "");
}

TEST(Console, DefaultsToTheDialogsInitialState) {
    const auto r = encode({});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "*VARNEL=GLYPH=MATE*\n");
}

TEST(Console, JsonCarriesWhatTheDialogShows) {
    const auto r = encode({"--type", "code39 extended", "--json", "--height", "xs", "A*B"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["type"], "Code39 Extended");
    EXPECT_EQ(j["data_hex"], "412a42");
    EXPECT_EQ(j["converted"], "[A\u00F4B]");
    EXPECT_EQ(j["converted_hex"], "5b41f4425d");
    EXPECT_EQ(j["font"], "VNL Code39ExtXSA");
    EXPECT_EQ(j["status"], "");
    EXPECT_EQ(j["preview_face"], j["font_installed"] ? "VNL Code39ExtXSA" : "Arial");
    EXPECT_TRUE(j["notes"].get<std::string>().starts_with("Code39 Extended is also called"));
    EXPECT_EQ(j["options"]["check_character"], false);
    EXPECT_EQ(j["options"]["underlying_text"], true);
    EXPECT_EQ(j["options"]["full_ascii"], false);
    EXPECT_EQ(j["options"]["height"], "XS");
}

TEST(Console, AMessageGivesExitStatusOne) {
    const auto r = encode({"ab"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "**\n");
    EXPECT_EQ(r.err, "Invalid character(s) found in the input. First: 'a' at 1.\n");
}

TEST(Console, HighBytesRoundTripThroughWindows1252) {
    // "É" (0xC9) passes Code39 Extended through unchanged and is reported: not ASCII
    auto r = encode({"--type", "Code39 Extended", "--json", "\u00C9"});
    EXPECT_EQ(r.exit_code, 1);
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["data_hex"], "c9");
    EXPECT_EQ(j["converted"], "[]");
    // the control glyphs 0xC1 to 0xDF of the Extended font come back as their characters
    r = encode({"--type", "Code39 Extended", "--data-hex", "01091F"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "[\u00C1\u00C9\u00DF]\n");
}

TEST(Console, ACharacterWithoutAByteIsLeftOutAndReported) {
    const auto r = encode({"A\u2603B"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "*AB*\n");
    EXPECT_EQ(r.err, "Invalid character(s) found in the input. First: '\u2603' at 2.\n");
}

TEST(Console, ListsTheCatalogue) {
    const auto r = encode({"--list"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.out.starts_with("Code39\nCode39 Extended\nCode93\nUPC-A\n"));
    EXPECT_TRUE(r.out.ends_with("Code25\nMSI/Plessey\nGS1-128\n"));
}

TEST(Console, UsageErrors) {
    const std::vector<std::vector<std::string>> calls{
        {"--type", "Code 39", "A"},  {"--bogus"},           {"--data-hex", "4"},
        {"--data-hex", "41zz"},      {"--data-hex", "410042"}, {"--height", "huge"},
        {"--dpi", "300", "A"},       {"--png", "a.png", "--svg", "a.svg", "A"}, {"--pictures", "d", "A"},
        {"--svg", "a.svg", "--dpi", "300", "A"}, {"--png", "a.png", "--module-width", "0", "A"},
        {"--data-hex", "41", "A"},   {"--keep-faulty", "A"},  {"--csv", "--strict", "--keep-faulty"},
        {"--batch", "/"},
    };
    for (const auto& args : calls) {
        const auto r = encode(args);
        EXPECT_EQ(r.exit_code, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: ")) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // one line
    }
    EXPECT_EQ(encode({"--batch", "/"}).err, "glyphmate-encode: '/' is a directory, not a file of records\n");
}

TEST(Console, HelpAndVersion) {
    auto r = encode({"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.out.starts_with("Usage: glyphmate-encode [OPTIONS] [DATA]\n\nConverts data")) << r.out;
    EXPECT_NE(r.out.find("  --data-hex HEX "), std::string::npos) << r.out;
    // Written for a person: no parser bookkeeping, no generic value names, 80 columns.
    for (const char* noise : {"Excludes", "Needs:", " TEXT", "REQUIRED"})
        EXPECT_EQ(r.out.find(noise), std::string::npos) << noise << " in:\n" << r.out;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
    r = encode({"--version"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "glyphmate-encode 1.0.0\n");
}

TEST(Console, ConvertsTheNumericSymbologies) {
    struct Call {
        std::vector<std::string> args;
        std::string converted_hex, font, status;
    };
    const std::string kInvalid = "Invalid character(s) found in the input.";
    const std::vector<Call> calls{
        {{"--type", "Code93", "ab"}, "5b264126425a255d7c", "VNL Code93MA", ""},
        {{"--type", "interleaved 2 of 5", "--check", "12"}, "ca2238cb", "VNL ITF25MA", ""},
        {{"--type", "Codabar", "--height", "t", "1:2"}, "41313a3242", "VNL CodabarTA", ""},  // ":" is drawn
        {{"--type", "Code128C", "12345"}, "ca21374d71cbcd", "VNL Code128CMA", "An odd number of digits: a 0 was put in front."},
        {{"--type", "Code11", "--no-text", "12345678901"}, "5b3132333435363738393031342d5d", "VNL Code11M", ""},
        {{"--type", "Code25", "--check", "9599"}, "5b39353939305d", "VNL Code25MA", ""},
        {{"--type", "MSI/Plessey", "80-523"}, "5b3830353233345d", "VNL MSIMA", kInvalid + " First: '-' at 3."},
    };
    for (auto call : calls) {
        call.args.push_back("--json");
        const auto r = encode(call.args);
        EXPECT_EQ(r.exit_code, call.status.empty() ? 0 : 1) << call.args[1];
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_EQ(j["converted_hex"], call.converted_hex) << call.args[1];
        EXPECT_EQ(j["font"], call.font) << call.args[1];
        EXPECT_EQ(j["status"], call.status) << call.args[1];
    }
}

TEST(Console, UpcAndEan) {
    auto r = encode({"--type", "UPC-A", "--supplement", "12", "03600029145"});
    EXPECT_EQ(r.exit_code, 0) << r.err;
    // 0xC0 and 0xC2, the printed digits, reach the terminal as their Windows-1252 characters
    EXPECT_EQ(r.out, "\u00C0[!36000|slafgS]\u00C2 {z\\x\n");
    EXPECT_EQ(r.err, "");
    // An error text is a status line, never the converted string; a bad supplement is said.
    const struct {
        std::vector<std::string> args;
        std::string out, err;
    } faults[] = {
        {{"--type", "UPC-E", "120453"}, "\n", "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9.\n"},
        {{"--type", "UPC-A", "036000291452"}, "\n", "Only 11 digits are allowed. Invalid length of input string.\n"},
        {{"--type", "UPC-A", "--supplement", "123", "03600029145"}, "\u00C0[!36000|slafgS]\u00C2\n",
         "The supplement must be 2 or 5 digits.\n"},
        {{"--type", "UPC-A", "--supplement", "123", "--strict", "03600029145"}, "\n",
         "The supplement must be 2 or 5 digits.\n"},
    };
    for (const auto& fault : faults) {
        r = encode(fault.args);
        EXPECT_EQ(r.exit_code, 1) << fault.args.back();
        EXPECT_EQ(r.out, fault.out) << fault.args.back();
        EXPECT_EQ(r.err, fault.err) << fault.args.back();
    }
}

TEST(Console, Code128Auto) {
    const auto r = encode({"--type", "Code128Auto", "--json", "ABC12345"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["converted_hex"], "c9414243c42c42c53577cbcd");  // B, CODE C, 12 34, CODE B, 5
    EXPECT_EQ(j["font"], "VNL Code128AMA");
    EXPECT_EQ(j["status"], "");
}

// GS1-128: the human-readable text in JSON; data with a fault gives no symbol, only its
// message and exit status 1. The mod-103 check is always there and Underlying Text is off.
TEST(Console, Gs1_128) {
    struct Call {
        std::vector<std::string> args;
        int exit_code;
        std::string converted_hex, human_readable, status;
    };
    const std::vector<Call> calls{
        {{"(01)09501101530003(17)251231(10)AB12"}, 0, "cac72129522b2155cc2331392c3f2ac5414231323ccbcd",
         "(01)09501101530003(17)251231(10)AB12", ""},
        {{"--check", "[01]09501101530003[17]251231[10]AB12"}, 0, "cac72129522b2155cc2331392c3f2ac5414231323ccbcd",
         "(01)09501101530003(17)251231(10)AB12", ""},
        {{"(01)09501101530004"}, 1, "", "", "AI (01): check digit should be 3."},
        {{"01095011015300"}, 1, "", "",
         "The data should start with an AI in parentheses or brackets, e.g. (01)09501101530003."},
    };
    for (const Call& call : calls) {
        std::vector<std::string> args{"--type", "gs1-128", "--json"};
        args.insert(args.end(), call.args.begin(), call.args.end());
        const auto r = encode(args);
        EXPECT_EQ(r.exit_code, call.exit_code) << call.args.back();
        const auto j = nlohmann::json::parse(r.out);
        EXPECT_EQ(j["type"], "GS1-128");
        EXPECT_EQ(j["converted_hex"], call.converted_hex) << call.args.back();
        EXPECT_EQ(j["human_readable"], call.human_readable) << call.args.back();
        EXPECT_EQ(j["status"], call.status) << call.args.back();
        EXPECT_EQ(j["font"], "VNL Code128AM");
        EXPECT_EQ(j["options"]["underlying_text"], false);
    }
    // Without --json: an empty line for the symbol, the message on standard error.
    const auto r = encode({"--type", "GS1-128", "(01)09501101530004"});
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "\n");
    EXPECT_EQ(r.err, "AI (01): check digit should be 3.\n");
    // Every other type has the member, empty.
    EXPECT_EQ(nlohmann::json::parse(encode({"--json", "A"}).out)["human_readable"], "");
}

}  // namespace

namespace {

// One call per row: the exit status, and what standard output must hold.
TEST(Console, InspectsPastedStrings) {
    struct Row {
        std::vector<std::string> args;
        std::string input;
        int exit_code;
        std::string out;
    };
    const std::vector<Row> rows{
        {{"--inspect", "--data-hex", "ca2d43cb"}, "", 0, "Interleaved 2 of 5 in VNL ITF25: scans\ndata: \"1234\"\n"},
        {{"--inspect", "--type", "Code93", "*CODE39W*"}, "", 1, "no-start: "},
        {{"--inspect", "--batch"}, "*CODE39W*\n*CODE39W\n", 1,
         "1: Code39 \"CODE39\": scans\n2: Code39 \"CODE39\": The stop character \"*\" is missing"},
        {{"--inspect", "--batch", "--json", "--type", "Code39"}, "*CODE39W*\n", 0, "{\"line\":1,\"type\":\"Code39\","},
        {{"--inspect", "--csv", "--column", "code", "--type", "msi/plessey"}, "sku;code\r\nA1;[12345674]\r\nB2;[12345675]\r\n", 1,
         "sku;code;scans;data;faults\r\nA1;[12345674];true;1234567;\r\nB2;[12345675];false;1234567;\"The check character at character 9 is"},
        {{"--inspect"}, "", 2, ""},
        {{"--inspect", "--type", "Code40", "*A*"}, "", 2, ""},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = row.args;
        args.insert(args.begin(), GLYPHMATE_ENCODE);
        const auto r = test::run_process(args, row.input);
        EXPECT_EQ(r.exit_code, row.exit_code) << args.back() << r.err;
        EXPECT_TRUE(r.out.starts_with(row.out) || r.out.find("\n" + row.out) != std::string::npos) << r.out;
    }
    // An inspected string is drawn as pasted, in the font that reads it; one no font reads
    // gives no picture.
    const auto svg = std::filesystem::temp_directory_path() / ("glyphmate-inspect-" + std::to_string(::getpid()) + ".svg");
    EXPECT_EQ(test::run_process({GLYPHMATE_ENCODE, "--inspect", "--svg", svg.string(), "*CODE39W*"}, "").exit_code, 0);
    std::ifstream drawn(svg);
    std::string head(5, '\0');
    drawn.read(head.data(), 5);
    EXPECT_EQ(head, "<?xml");
    std::filesystem::remove(svg);
    const auto none = test::run_process({GLYPHMATE_ENCODE, "--inspect", "--svg", svg.string(), ""}, "");
    EXPECT_EQ(none.exit_code, 2) << none.err;
    EXPECT_FALSE(std::filesystem::exists(svg));
}

// A picture that cannot be written: status 2 after the converted string, and no file
// changed or left behind (here the name is taken by a folder).
TEST(Console, APictureIsWrittenWholeOrNotAtAll) {
    const auto dir = std::filesystem::temp_directory_path() / ("glyphmate-picture-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "taken.png");
    auto r = encode({"--png", (dir / "taken.png").string(), "CODE39"});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "*CODE39*\n");
    EXPECT_TRUE(r.err.starts_with("glyphmate-encode: cannot write")) << r.err;
    r = encode({"--svg", (dir / "label.svg").string(), "CODE39"});
    EXPECT_EQ(r.exit_code, 0);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 2u);  // taken.png and label.svg, no temporary file
    std::ifstream svg(dir / "label.svg");
    const std::string text{std::istreambuf_iterator<char>(svg), {}};
    EXPECT_TRUE(text.ends_with("</svg>\n"));
    std::filesystem::remove_all(dir);
}

}  // namespace
