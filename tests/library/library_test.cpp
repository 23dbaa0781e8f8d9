// SPDX-License-Identifier: MIT
// The C interface of libglyphmate: the same results as the flow, errors reported, the
// caller's buffers respected, and no state shared between records or threads.
#include <glyphmate.h>
#include <glyphmate.hpp>

#include <cstddef>
#include <cstring>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/preview.h"
#include "flow/record_converter.h"
#include "flow/win1252.h"
#include "flow/sample_records.h"
#include "test_support.h"

namespace {

using namespace varnel::glyphmate;

constexpr glyphmate_options kUtf8Defaults{2, 1, 0, 0, GLYPHMATE_UTF8};

glyphmate_result convert_c(const std::string& type, const std::string& data, const std::string& supplement = {},
                           glyphmate_options options = kUtf8Defaults, int* code = nullptr) {
    glyphmate_result r;
    const int c = glyphmate_convert(type.c_str(), data.data(), data.size(), supplement.data(), supplement.size(),
                                    &options, &r);
    if (code != nullptr) *code = c;
    return r;
}

// The status line without the note on the first refused character, which only the library adds.
std::string without_first_note(const std::string& status) {
    static const std::regex note(" First: '.*' at [0-9]+\\.");
    return std::regex_replace(status, note, "");
}

// The library gives what the flow's record converter gives, for every entry, record and a
// few option sets, texts carried into UTF-8.
TEST(Library, AgreesWithTheFlowForEveryEntry) {
    InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    const glyphmate_options option_sets[] = {kUtf8Defaults, {0, 0, 1, 1, GLYPHMATE_UTF8}, {4, 1, 0, 1, GLYPHMATE_UTF8}};
    for (const CatalogueEntry& e : kCatalogue)
        for (const glyphmate_options& o : option_sets)
            for (const std::string& record : test::sample_records()) {
                const Cp1252Text bytes = utf8_to_cp1252(record);
                ConversionRequest request{.type = std::string(e.name), .data = bytes.bytes, .supplement = "12",
                                          .options = {}, .input_lost = bytes.unmapped > 0};
                request.options.height_index = o.height;
                request.options.underlying_text = o.underlying_text != 0;
                request.options.full_ascii = o.full_ascii != 0;
                request.options.check_character = o.check_character != 0;
                RecordConverter converter(e, request.options, none);
                const ConversionResult& flow = converter.run(request.data, request.supplement, request.input_lost);

                int code = -9;
                const glyphmate_result lib = convert_c(std::string(e.name), record, "12", o, &code);
                const std::string where = std::string(e.name) + " / " + record;
                EXPECT_EQ(code, flow.status.empty() ? GLYPHMATE_OK : GLYPHMATE_MESSAGE) << where;
                EXPECT_EQ(test::hex({lib.converted, lib.converted_length}), test::hex(flow.converted)) << where;
                EXPECT_EQ(lib.converted_utf8, cp1252_to_utf8(flow.converted)) << where;
                EXPECT_EQ(lib.type, e.name) << where;
                EXPECT_EQ(lib.font, flow.font) << where;
                EXPECT_EQ(without_first_note(lib.status), cp1252_to_utf8(flow.status)) << where;
                EXPECT_EQ(lib.human_readable, flow.human_readable) << where;
                EXPECT_EQ(lib.notes, cp1252_to_utf8(symbol_notes(*e.symbology))) << where;  // all of it: nothing cut
                const Preview preview = preview_of(flow.font, flow.font_installed, flow.converted);
                EXPECT_EQ(lib.preview_text, cp1252_to_utf8(preview.text)) << where;
                EXPECT_EQ(lib.preview_face, preview.font.face) << where;
                EXPECT_EQ(lib.options.height, flow.options.height_index) << where;
                EXPECT_EQ(lib.options.underlying_text != 0, flow.options.underlying_text) << where;
                EXPECT_EQ(lib.options.full_ascii != 0, flow.options.full_ascii) << where;
                EXPECT_EQ(lib.options.check_character != 0, flow.options.check_character) << where;
            }
}

TEST(Library, ConvertsWithTheDialogsStartingOptions) {
    glyphmate_result r;
    EXPECT_EQ(glyphmate_convert("code39", "CODE39", 6, nullptr, 0, nullptr, &r), GLYPHMATE_OK);
    EXPECT_STREQ(r.converted, "*CODE39*");
    EXPECT_EQ(r.converted_length, 8u);
    EXPECT_STREQ(r.type, "Code39");
    EXPECT_STREQ(r.font, "VNL Code39MA");
    EXPECT_STREQ(r.status, "");
    EXPECT_EQ(r.font_installed, 0);
    EXPECT_STREQ(r.preview_text, "Font VNL Code39MA not installed.");
    EXPECT_STREQ(r.preview_face, "Arial");
    EXPECT_EQ(r.options.height, 2);
    EXPECT_EQ(r.options.underlying_text, 1);
}

struct ErrorRow {
    const char* name;
    const char* type;
    const char* data;
    std::size_t length;
    glyphmate_options options;
    int expected;
};

TEST(Library, ReportsBadArgumentsAndEmptiesTheResult) {
    const ErrorRow rows[] = {
        {"unknown type", "Code 39", "A", 1, kUtf8Defaults, GLYPHMATE_UNKNOWN_TYPE},
        {"no type", nullptr, "A", 1, kUtf8Defaults, GLYPHMATE_BAD_ARGUMENT},
        {"data missing", "Code39", nullptr, 3, kUtf8Defaults, GLYPHMATE_BAD_ARGUMENT},
        {"height 5", "Code39", "A", 1, {5, 1, 0, 0, 0}, GLYPHMATE_BAD_ARGUMENT},
        {"height -2", "Code39", "A", 1, {-2, 1, 0, 0, 0}, GLYPHMATE_BAD_ARGUMENT},
        {"encoding 2", "Code39", "A", 1, {2, 1, 0, 0, 2}, GLYPHMATE_BAD_ARGUMENT},
    };
    for (const ErrorRow& row : rows) {
        glyphmate_result r;
        std::memset(&r, 'x', sizeof r);
        EXPECT_EQ(glyphmate_convert(row.type, row.data, row.length, nullptr, 0, &row.options, &r), row.expected)
            << row.name;
        EXPECT_STREQ(r.converted, "") << row.name;
        EXPECT_STREQ(r.status, "") << row.name;
        EXPECT_EQ(r.converted_length, 0u) << row.name;
    }
    EXPECT_EQ(glyphmate_convert("Code39", "A", 1, nullptr, 0, nullptr, nullptr), GLYPHMATE_BAD_ARGUMENT);
    glyphmate_result r;
    EXPECT_EQ(glyphmate_convert("Code39", "A", 1, nullptr, 2, nullptr, &r), GLYPHMATE_BAD_ARGUMENT);  // supplement missing
    EXPECT_EQ(glyphmate_convert("Code39", nullptr, 0, nullptr, 0, nullptr, &r), GLYPHMATE_MESSAGE);  // empty data
    EXPECT_STREQ(r.converted, "**");
    EXPECT_STREQ(r.status, "No data.");
    glyphmate_converter* c = reinterpret_cast<glyphmate_converter*>(&r);
    EXPECT_EQ(glyphmate_converter_new("nope", nullptr, nullptr, nullptr, &c), GLYPHMATE_UNKNOWN_TYPE);
    EXPECT_EQ(c, nullptr);
    EXPECT_EQ(glyphmate_converter_run(nullptr, "A", 1, nullptr, 0, &r), GLYPHMATE_BAD_ARGUMENT);
    glyphmate_converter_free(nullptr);
    EXPECT_STREQ(glyphmate_strerror(GLYPHMATE_UNKNOWN_TYPE), "unknown type");
}

// Bytes that cannot reach the core are left out and reported, never passed on silently; the
// status line says which character of the user's text was refused first, and where.
struct InputRow {
    const char* name;
    std::string data;
    int encoding;
    std::string_view converted;
    std::string first;  // what follows the invalid-characters message; empty: no message
};

TEST(Library, LeavesOutAndReportsWhatCannotReachTheCore) {
    const InputRow rows[] = {
        {"NUL byte", std::string("A\0B", 3), GLYPHMATE_WINDOWS_1252, "*AB*", "'\\x00' at 2"},
        {"NUL in UTF-8", std::string("A\0B", 3), GLYPHMATE_UTF8, "*AB*", "'\\x00' at 2"},
        {"malformed UTF-8", "A\xC3" "B", GLYPHMATE_UTF8, "*AB*", "'\\xC3' at 2"},
        {"no Windows-1252 byte", "A\u2603B", GLYPHMATE_UTF8, "*AB*", "'\u2603' at 2"},
        {"plain ASCII", "AB", GLYPHMATE_UTF8, "*AB*", ""},
        {"refused by the check", "CODE-39 x", GLYPHMATE_UTF8, "*CODE-39=*", "'x' at 9"},
        {"a control character", "AB\x1B", GLYPHMATE_UTF8, "*AB*", "'\\x1B' at 3"},
        {"characters, not bytes", "\u00C9\u00C9", GLYPHMATE_UTF8, "**", "'\u00C9' at 1"},
        {"Windows-1252 text", "A\x80", GLYPHMATE_WINDOWS_1252, "*A*", "'\u20AC' at 2"},
        {"a lost one before a refused one", "a\u2603", GLYPHMATE_UTF8, "**", "'a' at 1"},
        {"a refused one before a lost one", "\u2603a", GLYPHMATE_UTF8, "**", "'\u2603' at 1"},
    };
    for (const InputRow& row : rows) {
        const glyphmate_options o{2, 1, 0, 0, row.encoding, 0};
        int code = -9;
        const glyphmate_result r = convert_c("Code39", row.data, {}, o, &code);
        EXPECT_EQ(code, row.first.empty() ? GLYPHMATE_OK : GLYPHMATE_MESSAGE) << row.name;
        EXPECT_EQ(std::string_view(r.converted, r.converted_length), row.converted) << row.name;
        EXPECT_EQ(r.status, row.first.empty() ? "" : "Invalid character(s) found in the input. First: " + row.first + ".")
            << row.name;
    }
    // "É" as UTF-8 and as its Windows-1252 byte give the same symbol
    const glyphmate_result utf8 = convert_c("Code39 Extended", "\u00C9");
    const glyphmate_result cp = convert_c("Code39 Extended", "\xC9", {}, {2, 1, 0, 0, GLYPHMATE_WINDOWS_1252});
    EXPECT_STREQ(utf8.converted, cp.converted);
    EXPECT_STREQ(utf8.status, cp.status);
}

// Outside the dialog an error text is never a converted string, an empty record is
// reported, and in strict mode a record with a message gets no converted string.
TEST(Library, GivesNoSymbolWhereTheDialogShowsAnErrorTextOrStrictModeAFault) {
    std::string longest = "(01)09501101530003";
    for (int i = 0; i < 200; ++i) longest += "(20)12";
    const std::string kTooLong = "Data too long: only the part that fits in 255 characters was encoded.";
    const struct Row {
        const char* type;
        std::string data, supplement;
        int strict;
        std::string converted, status;
    } rows[] = {
        {"UPC-A", "036000291452", "", 0, "", "Only 11 digits are allowed. Invalid length of input string."},
        {"EAN-13", "", "12", 0, "", "Only 12 digits are allowed. Invalid length of input string"},
        // the status line already says it
        {"UPC-E", "120453", "", 0, "", "Invalid UPC-E number: when the last digit is 3, the third digit must be 3 to 9."},
        {"Code39", "", "", 0, "**", "No data."},
        {"Code39", "", "", 1, "", "No data."},
        {"Code39", "hello-42", "", 0, "*-42*", "Invalid character(s) found in the input. First: 'h' at 1."},
        {"Code39", "hello-42", "", 1, "", "Invalid character(s) found in the input. First: 'h' at 1."},
        {"Code39", "HELLO", "", 1, "*HELLO*", ""},
        {"Code39", std::string(300, 'A'), "", 1, "", kTooLong},
        {"Code128C", "12345", "", 1, "", "An odd number of digits: a 0 was put in front."},
        {"UPC-A", "03600029145", "1", 1, "", "The supplement must be 2 or 5 digits."},
        {"GS1-128", longest, "", 1, "", kTooLong},
    };
    for (const Row& row : rows) {
        glyphmate_options o = kUtf8Defaults;
        o.strict = row.strict;
        ::glyphmate::api::Converter converter(row.type, o);
        ::glyphmate::api::Result r;
        const std::string where = std::string(row.type) + " " + row.data.substr(0, 20) + " strict " + std::to_string(row.strict);
        EXPECT_EQ(converter.run(row.data, row.supplement, r), row.status.empty() ? GLYPHMATE_OK : GLYPHMATE_MESSAGE) << where;
        EXPECT_EQ(r.bytes(), row.converted) << where;
        EXPECT_STREQ(r.converted_utf8, row.converted.c_str()) << where;
        EXPECT_EQ(r.status, row.status) << where;
        EXPECT_EQ(r.options.strict, row.strict) << where;
        if (row.converted.empty()) {
            EXPECT_STREQ(r.human_readable, "") << where;
        }
    }
}

// Each record starts from the converter's options, whatever the records before it did.
TEST(Library, RecordsDoNotDependOnTheRecordsBefore) {
    for (const CatalogueEntry& e : kCatalogue) {
        ::glyphmate::api::Converter converter(std::string(e.name), kUtf8Defaults);
        ::glyphmate::api::Result r;
        for (const std::string& record : test::sample_records()) {
            converter.run(record, "", r);
            const glyphmate_result fresh = convert_c(std::string(e.name), record);
            EXPECT_EQ(std::memcmp(r.converted, fresh.converted, fresh.converted_length + 1), 0) << e.name << record;
            EXPECT_STREQ(r.status, fresh.status) << e.name << " / " << record;
            EXPECT_STREQ(r.human_readable, fresh.human_readable) << e.name << " / " << record;
            EXPECT_STREQ(r.notes, fresh.notes) << e.name;
            EXPECT_EQ(std::memcmp(&r.options, &fresh.options, sizeof r.options), 0) << e.name;
        }
    }
}

TEST(Library, AsksTheFontQueryForTheFontName) {
    std::vector<std::string> asked;
    auto query = [](const char* family, void* context) {
        static_cast<std::vector<std::string>*>(context)->push_back(family);
        return std::string_view(family) == "VNL Code39XSA" ? 1 : 0;
    };
    glyphmate_options o = kUtf8Defaults;
    o.height = 0;
    ::glyphmate::api::Converter converter("Code39", o, query, &asked);
    ::glyphmate::api::Result r;
    EXPECT_EQ(converter.run("AB", "", r), GLYPHMATE_OK);
    EXPECT_EQ(r.font_installed, 1);
    EXPECT_STREQ(r.preview_text, "*AB*");
    EXPECT_STREQ(r.preview_face, "VNL Code39XSA");
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), "VNL Code39XSA");
}

TEST(Library, NamesTheHeightsBothWays) {
    const char* names[] = {"XS", "S", "M", "T", "XT"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(glyphmate_height_name(i), names[i]);
        EXPECT_EQ(glyphmate_height_index(names[i]), i);
    }
    EXPECT_EQ(glyphmate_height_index("xt"), 4);
    for (const char* bad : {"", "X", "XXL", " M"}) EXPECT_EQ(glyphmate_height_index(bad), -1) << bad;
    EXPECT_EQ(glyphmate_height_index(nullptr), -1);
    EXPECT_EQ(glyphmate_height_name(-1), nullptr);
    EXPECT_EQ(glyphmate_height_name(5), nullptr);
}

// A font query may itself convert, with a converter of another type and height: the outer
// record keeps its own font, preview and converted string.
TEST(Library, AFontQueryThatConvertsLeavesTheOuterResultAlone) {
    auto query = [](const char*, void*) {
        glyphmate_options xs = kUtf8Defaults;
        xs.height = 0;
        ::glyphmate::api::Converter inner("Codabar", xs);
        ::glyphmate::api::Result r;
        inner.run("123", "", r);
        return 1;
    };
    glyphmate_options xt = kUtf8Defaults;
    xt.height = 4;
    ::glyphmate::api::Converter outer("Code39 Extended", xt, query, nullptr);
    ::glyphmate::api::Result r;
    EXPECT_EQ(outer.run("Ab", "", r), GLYPHMATE_OK);
    EXPECT_STREQ(r.font, "VNL Code39ExtXTA");
    EXPECT_STREQ(r.preview_face, "VNL Code39ExtXTA");
    EXPECT_STREQ(r.converted, "[Ab]");
    EXPECT_STREQ(r.preview_text, "[Ab]");
}

TEST(Library, CppHeaderThrowsOnAnUnknownType) {
    try {
        ::glyphmate::api::Converter converter("Code 39");
        FAIL() << "no exception";
    } catch (const ::glyphmate::api::Error& e) {
        EXPECT_EQ(e.code(), GLYPHMATE_UNKNOWN_TYPE);
        EXPECT_STREQ(e.what(), "unknown type");
    }
}

// Threads converting at once each get what one thread alone gets.
TEST(Library, ThreadsShareNothing) {
    std::vector<std::pair<std::string, std::string>> jobs;
    for (const CatalogueEntry& e : kCatalogue)
        for (const std::string& record : test::sample_records()) jobs.emplace_back(std::string(e.name), record);
    std::vector<std::string> expected;
    for (const auto& [type, record] : jobs) {
        const glyphmate_result r = convert_c(type, record);
        expected.push_back(std::string(r.converted, r.converted_length) + '|' + r.status + '|' + r.font);
    }
    constexpr int kThreads = 4;
    std::vector<std::vector<std::string>> got(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 5; ++round)
                for (std::size_t i = 0; i < jobs.size(); ++i) {
                    // every thread walks the jobs from a different place
                    const auto& [type, record] = jobs[(i + static_cast<std::size_t>(t) * 37) % jobs.size()];
                    const glyphmate_result r = convert_c(type, record);
                    got[static_cast<std::size_t>(t)].push_back(std::string(r.converted, r.converted_length) + '|' +
                                                               r.status + '|' + r.font);
                }
        });
    for (std::thread& th : threads) th.join();
    for (int t = 0; t < kThreads; ++t)
        for (std::size_t k = 0; k < got[static_cast<std::size_t>(t)].size(); ++k) {
            const std::size_t i = (k % jobs.size() + static_cast<std::size_t>(t) * 37) % jobs.size();
            ASSERT_EQ(got[static_cast<std::size_t>(t)][k], expected[i]) << jobs[i].first << " / " << jobs[i].second;
        }
}

TEST(Library, ListsTheCatalogue) {
    ASSERT_EQ(glyphmate_type_count(), static_cast<int>(kCatalogue.size()));
    for (int i = 0; i < glyphmate_type_count(); ++i)
        EXPECT_EQ(glyphmate_type_name(i), kCatalogue[static_cast<std::size_t>(i)].name);
    EXPECT_EQ(glyphmate_type_name(-1), nullptr);
    EXPECT_EQ(glyphmate_type_name(glyphmate_type_count()), nullptr);
    EXPECT_STREQ(glyphmate_version(), "1.0.0");
    EXPECT_EQ(glyphmate_result_size(), sizeof(glyphmate_result));
}

// GS1-128's human-readable text, the member after options: whole also for the longest
// symbol (three characters of text per symbol character), empty after a fault.
TEST(Library, CarriesTheHumanReadableText) {
    std::string longest = "(01)09501101530003";
    for (int i = 0; i < 200; ++i) longest += "(20)12";
    struct Row {
        std::string data;
        int code;
        std::size_t converted_length, human_readable_length;
        std::string status;
    } rows[] = {
        {"(01)09501101530003(17)251231(10)AB12", GLYPHMATE_OK, 23, 36, ""},
        {longest, GLYPHMATE_MESSAGE, 255, 18 + 121 * 6, "Data too long: only the part that fits in 255 characters was encoded."},
        {"(01)09501101530004", GLYPHMATE_MESSAGE, 0, 0, "AI (01): check digit should be 3."},
    };
    static_assert(offsetof(glyphmate_result, human_readable) >= offsetof(glyphmate_result, options) + sizeof(glyphmate_options));
    for (const Row& row : rows) {
        int code = -9;
        const glyphmate_result r = convert_c("gs1-128", row.data, {}, kUtf8Defaults, &code);
        EXPECT_EQ(code, row.code);
        EXPECT_EQ(r.converted_length, row.converted_length);
        EXPECT_EQ(std::strlen(r.human_readable), row.human_readable_length);
        EXPECT_TRUE(row.data.starts_with(r.human_readable));
        EXPECT_EQ(r.status, row.status);
        EXPECT_STREQ(r.font, "VNL Code128AM");
    }
}

// The text helpers write no further than the capacity they are given, and tell the whole size.
TEST(Library, TextHelpersKeepToTheCapacity) {
    char out[8];
    std::memset(out, '#', sizeof out);
    std::size_t lost = 9;
    // "Aé€☃": A, 0xE9, 0x80; the snowman has no byte
    EXPECT_EQ(glyphmate_utf8_to_windows_1252("A\u00E9\u20AC\u2603", 9, out, 2, &lost), 3u);
    EXPECT_EQ(lost, 1u);
    EXPECT_EQ(test::hex({out, 3}), "41 E9 23");
    std::memset(out, '#', sizeof out);
    EXPECT_EQ(glyphmate_windows_1252_to_utf8("A\xE9\x80", 3, out, 4), 6u);  // 1 + 2 + 3 bytes
    EXPECT_EQ(test::hex({out, 5}), "41 C3 A9 E2 23");
    EXPECT_EQ(glyphmate_windows_1252_to_utf8("A", 1, nullptr, 0), 1u);
}


// The drawing calls: the sizes they promise, nothing written past the capacity, and the
// error codes for what they cannot draw.
TEST(Library, DrawsIntoTheCallersBufferOrSaysHowMuchItNeeds) {
    glyphmate_result r;
    ASSERT_EQ(glyphmate_convert("Code39", "CODE39", 6, nullptr, 0, nullptr, &r), GLYPHMATE_OK);
    for (const bool png : {false, true}) {
        auto draw = [&](const glyphmate_result* result, const glyphmate_picture_options* o, char* out, std::size_t cap,
                        std::size_t* size) {
            return png ? glyphmate_draw_png(result, o, reinterpret_cast<unsigned char*>(out), cap, size)
                       : glyphmate_draw_svg(result, o, out, cap, size);
        };
        std::size_t size = 0;
        ASSERT_EQ(draw(&r, nullptr, nullptr, 0, &size), GLYPHMATE_BUFFER_TOO_SMALL);
        const std::size_t needed = size + (png ? 0 : 1);
        std::string buffer(needed + 8, '#');
        EXPECT_EQ(draw(&r, nullptr, buffer.data(), needed - 1, &size), GLYPHMATE_BUFFER_TOO_SMALL);
        EXPECT_EQ(buffer, std::string(needed + 8, '#'));
        EXPECT_EQ(draw(&r, nullptr, buffer.data(), needed, &size), GLYPHMATE_OK);
        EXPECT_EQ(buffer.substr(needed), "########");
        EXPECT_EQ(buffer.substr(0, png ? 4 : 5), png ? "\x89PNG" : "<?xml");

        glyphmate_result edited = r;
        edited.converted[2] = '\x01';  // no glyph in the Code39 font: left out, and said so
        EXPECT_EQ(draw(&edited, nullptr, buffer.data(), buffer.size(), &size), GLYPHMATE_MESSAGE);
        const struct {
            glyphmate_picture_options options;
            int code;
        } cases[] = {
            {{0, 15, 300, 1}, GLYPHMATE_BAD_ARGUMENT},      {{0.33, 0, 300, 1}, GLYPHMATE_BAD_ARGUMENT},
            {{0.33, 15, 0, 1}, GLYPHMATE_BAD_ARGUMENT},     {{5.5, 15, 300, 1}, GLYPHMATE_BAD_ARGUMENT},
            {{0.33, 15, 4800, 0}, GLYPHMATE_BUFFER_TOO_SMALL},
            {{5, 500, 4800, 1}, png ? GLYPHMATE_BAD_ARGUMENT : GLYPHMATE_BUFFER_TOO_SMALL},  // a gigapixel PNG
        };
        for (const auto& c : cases) EXPECT_EQ(draw(&r, &c.options, nullptr, 0, &size), c.code) << png;
        glyphmate_result unknown = r;
        std::strcpy(unknown.type, "Code40");
        EXPECT_EQ(draw(&unknown, nullptr, nullptr, 0, &size), GLYPHMATE_UNKNOWN_TYPE);
        unknown = r;
        unknown.converted_length = 256;
        EXPECT_EQ(draw(&unknown, nullptr, nullptr, 0, &size), GLYPHMATE_BAD_ARGUMENT);
        EXPECT_EQ(draw(nullptr, nullptr, nullptr, 0, &size), GLYPHMATE_BAD_ARGUMENT);
        EXPECT_EQ(draw(&r, nullptr, nullptr, 0, nullptr), GLYPHMATE_BAD_ARGUMENT);
    }
}

}  // namespace
