// The built glyphmate-encode, run as a user runs it.
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
    EXPECT_EQ(r.err, "Invalid character(s) found in the input.\n");
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
    EXPECT_EQ(r.err, "Invalid character(s) found in the input.\n");
}

TEST(Console, ListsTheCatalogue) {
    const auto r = encode({"--list"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_TRUE(r.out.starts_with("Code39\nCode39 Extended\nCode93\nUPC-A\n"));
    EXPECT_TRUE(r.out.ends_with("Code25\nMSI/Plessey\n"));
}

TEST(Console, UsageErrors) {
    const std::vector<std::vector<std::string>> calls{
        {"--type", "Code 39", "A"},  {"--bogus"},           {"--data-hex", "4"},
        {"--data-hex", "41zz"},      {"--data-hex", "410042"}, {"--height", "huge"},
        {"--data-hex", "41", "A"},
    };
    for (const auto& args : calls) {
        const auto r = encode(args);
        EXPECT_EQ(r.exit_code, 2) << args[0];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: ")) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // one line
    }
}

TEST(Console, HelpAndVersion) {
    auto r = encode({"--help"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_NE(r.out.find("--data-hex"), std::string::npos);
    r = encode({"--version"});
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "glyphmate-encode 1.0.0\n");
}

}  // namespace
