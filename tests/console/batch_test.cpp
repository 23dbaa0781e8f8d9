// SPDX-License-Identifier: MIT
// glyphmate-encode --batch and --csv, run as a user runs them, and the same records
// through single mode and the library, which must agree byte for byte.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <glyphmate.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "console/csv.h"
#include "console/io.h"
#include "process.h"
#include "flow/sample_records.h"

namespace {

test::ProcessResult encode(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), GLYPHMATE_ENCODE);
    return test::run_process(args, input);
}

std::vector<std::string> split_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

constexpr char kInvalid[] = "Invalid character(s) found in the input.";

struct LinesRow {
    const char* name;
    std::string input;
    std::string out;
    std::string err;
    int exit_code;
    std::vector<std::string> options{};
};

TEST(Batch, OneOutputLinePerInputLineInOrder) {
    const std::string invalid = std::string(kInvalid) + " First: ";
    const LinesRow rows[] = {
        {"LF", "ABC\nXYZ\n", "*ABC*\n*XYZ*\n", "", 0},
        {"CR LF", "ABC\r\nXYZ\r\n", "*ABC*\n*XYZ*\n", "", 0},
        {"last line without a line end", "ABC\nXYZ", "*ABC*\n*XYZ*\n", "", 0},
        {"byte-order mark", "\xEF\xBB\xBF" "ABC\n", "*ABC*\n", "", 0},
        {"empty records", "\n\nA\n", "**\n**\n*A*\n", "1: No data.\n2: No data.\n", 1},
        {"invalid records", "ABC\nab\n\nx\n", "*ABC*\n**\n**\n**\n",
         "2: " + invalid + "'a' at 1.\n3: No data.\n4: " + invalid + "'x' at 1.\n", 1},
        {"strict", "ABC\nab\n\nx\n", "*ABC*\n\n\n\n",
         "2: " + invalid + "'a' at 1.\n3: No data.\n4: " + invalid + "'x' at 1.\n", 1, {"--strict"}},
        {"malformed UTF-8", "A\xFF" "B\n", "*AB*\n", "1: " + invalid + "'\\xFF' at 2. Malformed UTF-8 at byte 2.\n", 1},
        {"no input", "", "", "", 0},
    };
    for (const LinesRow& row : rows) {
        std::vector<std::string> args = row.options;
        args.push_back("--batch");
        const auto r = encode(args, row.input);
        EXPECT_EQ(r.out, row.out) << row.name;
        EXPECT_EQ(r.err, row.err) << row.name;
        EXPECT_EQ(r.exit_code, row.exit_code) << row.name;
    }
}

TEST(Batch, EveryRecordStartsFromTheCommandLineOptions) {
    // Code39 with Full ASCII forces Check Character off for its record, not for the next
    auto r = encode({"--type", "Code39", "--check", "--batch"}, "CODE39\nCODE39\n");
    EXPECT_EQ(r.out, "*CODE39W*\n*CODE39W*\n");
    r = encode({"--type", "Code39", "--full-ascii", "--check", "--json", "--batch"}, "a\nA\n");
    const auto lines = split_lines(r.out);
    ASSERT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) EXPECT_FALSE(nlohmann::json::parse(line)["options"]["check_character"]);
}

TEST(Batch, ReadsAFileAndSaysWhichOneItCannotRead) {
    std::string name = (std::filesystem::temp_directory_path() / "glyphmate-batch-XXXXXX").string();
    const int fd = mkstemp(name.data());
    ASSERT_GE(fd, 0);
    const char* path = name.c_str();
    const std::string input = "ONE\r\nTWO";
    ASSERT_EQ(write(fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(fd);
    auto r = encode({"--batch", path});
    EXPECT_EQ(r.out, "*ONE*\n*TWO*\n");
    EXPECT_EQ(r.exit_code, 0);
    std::remove(path);
    r = encode({"--batch", path});
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "glyphmate-encode: cannot open '" + std::string(path) + "': No such file or directory\n");
}

TEST(Batch, JsonLinesCarryTheLineNumber) {
    const auto r = encode({"--type", "Code39 Extended", "--json", "--batch"}, "A*B\n\n\xC3\x89\n");
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, std::string("2: No data.\n3: ") + kInvalid + " First: '\u00C9' at 1.\n");
    const auto lines = split_lines(r.out);
    ASSERT_EQ(lines.size(), 3u);
    const auto first = nlohmann::ordered_json::parse(lines[0]);
    EXPECT_EQ(first.begin().key(), "line");
    EXPECT_EQ(first["line"], 1);
    EXPECT_EQ(first["converted"], "[A\u00F4B]");
    EXPECT_EQ(nlohmann::json::parse(lines[1])["line"], 2);
    EXPECT_EQ(nlohmann::json::parse(lines[2])["data_hex"], "c9");
}

TEST(Batch, ReadsWindows1252) {
    // 0xC9 is "É" in Windows-1252; the same record as UTF-8 gives the same line
    const auto legacy = encode({"--type", "Code128B", "--input-encoding", "windows-1252", "--batch"}, "A\xC9" "B\r\n");
    const auto utf8 = encode({"--type", "Code128B", "--batch"}, "A\xC3\x89" "B\r\n");
    EXPECT_EQ(legacy.out, utf8.out);
    EXPECT_EQ(legacy.err, utf8.err);
    EXPECT_EQ(legacy.err, std::string("1: ") + kInvalid + " First: '\u00C9' at 2.\n");
}

TEST(Batch, KeepsCountAndOrderOfManyRecords) {
    std::string input;
    for (int i = 0; i < 20000; ++i) input += std::to_string(i) + (i % 3 == 0 ? "\r\n" : "\n");
    const auto r = encode({"--type", "Code39", "--batch"}, input);
    ASSERT_EQ(r.exit_code, 0);
    const auto lines = split_lines(r.out);
    ASSERT_EQ(lines.size(), 20000u);
    // Appended, not "*" + std::to_string: GCC 12 at -O3 sees a false overlap in that insert (-Wrestrict).
    for (int i = 0; i < 20000; i += 997)
        EXPECT_EQ(lines[static_cast<std::size_t>(i)], std::string("*").append(std::to_string(i)).append("*"));
}

TEST(Batch, UsageErrors) {
    const std::vector<std::vector<std::string>> calls{
        {"--batch", "--data-hex", "41"},
        {"--csv", "A"},
        {"--column", "1"},
        {"--csv", "--json"},
        {"--input-encoding", "windows-1252", "A"},
        {"--batch", "--input-encoding", "latin-9"},
        {"--batch", "--type", "Code 39"},
    };
    for (const auto& args : calls) {
        const auto r = encode(args);  // no input: the program stops before it reads any
        EXPECT_EQ(r.exit_code, 2) << args[0] << ' ' << args[1];
        EXPECT_EQ(r.out, "") << args[0];
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: ")) << r.err;
    }
}

// The same record through --batch, single mode and the library gives the same result, for
// every entry, byte for byte.
struct Mode {
    const char* name;
    std::vector<std::string> args;
    glyphmate_options options;
    std::string supplement;
};

TEST(Batch, AgreesWithSingleModeAndTheLibraryForEveryEntry) {
    const Mode modes[] = {
        {"defaults", {}, {2, 1, 0, 0, GLYPHMATE_UTF8}, ""},
        {"options", {"--check", "--full-ascii", "--no-text", "--height", "XS", "--supplement", "12"},
         {0, 0, 1, 1, GLYPHMATE_UTF8}, "12"},
    };
    std::vector<std::string> records = test::sample_records();
    std::string input;
    for (const std::string& r : records) input += r + "\n";
    for (const Mode& mode : modes)
        for (int t = 0; t < glyphmate_type_count(); ++t) {
            const std::string type = glyphmate_type_name(t);
            std::vector<std::string> args = mode.args;
            args.insert(args.end(), {"--type", type, "--json"});
            std::vector<std::string> batch_args = args;
            batch_args.push_back("--batch");
            const auto batch = encode(batch_args, input);
            const auto lines = split_lines(batch.out);
            ASSERT_EQ(lines.size(), records.size()) << type;
            for (std::size_t i = 0; i < records.size(); ++i) {
                const std::string where = std::string(mode.name) + " / " + type + " / " + records[i];
                nlohmann::ordered_json from_batch = nlohmann::ordered_json::parse(lines[i]);
                EXPECT_EQ(from_batch["line"], i + 1) << where;
                from_batch.erase("line");

                std::vector<std::string> single_args = args;
                single_args.push_back(records[i]);
                const auto single = encode(single_args);
                EXPECT_EQ(from_batch.dump() + "\n", single.out) << where;

                glyphmate_result lib;
                glyphmate_convert(type.c_str(), records[i].data(), records[i].size(), mode.supplement.data(),
                                  mode.supplement.size(), &mode.options, &lib);
                EXPECT_EQ(from_batch["converted"], lib.converted_utf8) << where;
                EXPECT_EQ(from_batch["status"], lib.status) << where;
                EXPECT_EQ(from_batch["human_readable"], lib.human_readable) << where;
                EXPECT_EQ(from_batch["font"], lib.font) << where;
                EXPECT_EQ(from_batch["notes"], lib.notes) << where;
                EXPECT_EQ(from_batch["options"]["check_character"], lib.options.check_character != 0) << where;
            }
        }
}

// A CSV is strict unless --keep-faulty says otherwise: a merge prints no wrong symbol.
TEST(CsvBatch, AppendsConvertedFontAndStatus) {
    const std::string input =
        "id,item,note\r\n"
        "1,ABC,\"a, b\"\r\n"
        "2,abc,\"say \"\"hi\"\"\"\r\n"
        "3,,\"two\r\nlines\"\r\n";
    for (const bool keep_faulty : {false, true}) {
        std::vector<std::string> args{"--csv", "--column", "item"};
        if (keep_faulty) args.push_back("--keep-faulty");
        const auto r = encode(args, input);
        const std::string faulty = keep_faulty ? "**" : "";
        EXPECT_EQ(r.out, "id,item,note,converted,font,status\r\n"
                         "1,ABC,\"a, b\",*ABC*,VNL Code39MA,\r\n"
                         "2,abc,\"say \"\"hi\"\"\"," + faulty +
                             ",VNL Code39MA,Invalid character(s) found in the input. First: 'a' at 1.\r\n"
                             "3,,\"two\r\nlines\"," + faulty + ",VNL Code39MA,No data.\r\n");
        EXPECT_EQ(r.err, std::string("3: ") + kInvalid + " First: 'a' at 1.\n4: No data.\n");
        EXPECT_EQ(r.exit_code, 1);
    }
}

TEST(CsvBatch, KeepsTheMarkAndTakesTheSupplementColumn) {
    const std::string input = "\xEF\xBB\xBF" "ean;x,addon\n4006381333931,12\n";
    const auto r = encode({"--type", "EAN-13", "--csv", "--column", "1", "--supplement-column", "addon"}, input);
    ASSERT_TRUE(r.out.starts_with("\xEF\xBB\xBF" "ean;x,addon,converted,font,status\r\n")) << r.out;
    glyphmate_result lib;
    glyphmate_convert("EAN-13", "4006381333931", 13, "12", 2, nullptr, &lib);
    const std::string row = r.out.substr(r.out.find("\r\n") + 2);
    std::vector<varnel::glyphmate::console::CsvRecord> records;
    varnel::glyphmate::console::CsvProblem problem;
    ASSERT_TRUE(varnel::glyphmate::console::parse_csv("h1,h2,h3,h4,h5\r\n" + row, records, problem)) << problem.what;
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields[2], lib.converted_utf8);
    EXPECT_EQ(records[1].fields[3], "VNL UEBMA");
    EXPECT_EQ(records[1].fields[4], lib.status);
}

// Converted strings can hold quotes, commas and line breaks: the CSV quotes them, and they
// read back as the converted strings of the same records in line mode.
TEST(CsvBatch, QuotesConvertedStringsThatNeedIt) {
    const std::vector<std::string> data{"A,\"B", "\"", ",", "plain"};
    std::string csv = "data\r\n", lines;
    for (const std::string& d : data) {
        csv += "\"";
        for (char c : d) csv += c == '"' ? std::string("\"\"") : std::string(1, c);
        csv += "\"\r\n";
        lines += d + "\n";
    }
    const auto as_csv = encode({"--type", "Code128B", "--csv"}, csv);
    const auto as_lines = encode({"--type", "Code128B", "--batch"}, lines);
    ASSERT_EQ(as_csv.exit_code, 0) << as_csv.err;
    std::vector<varnel::glyphmate::console::CsvRecord> records;
    varnel::glyphmate::console::CsvProblem problem;
    ASSERT_TRUE(varnel::glyphmate::console::parse_csv(as_csv.out, records, problem)) << problem.what;
    const auto converted = split_lines(as_lines.out);
    ASSERT_EQ(records.size(), data.size() + 1);
    for (std::size_t i = 0; i < data.size(); ++i) {
        EXPECT_EQ(records[i + 1].fields[0], data[i]);
        EXPECT_EQ(records[i + 1].fields[1], converted[i]);
    }
    EXPECT_NE(as_csv.out.find("\"\xC3\x89" "A,\"\""), std::string::npos);  // start B glyph, then the quoted data
}

TEST(CsvBatch, MalformedInputStopsBeforeAnyOutput) {
    const LinesRow rows[] = {
        {"unclosed quote", "a,b\n1,2\n3,\"open\n", "", "glyphmate-encode: standard input, line 3: a quoted field is not closed\n", 2},
        {"field count", "a,b\n1,2\n3\n", "", "glyphmate-encode: standard input, line 3: 1 fields where the header has 2\n", 2},
        {"no such column", "a,b\n1,2\n", "", "glyphmate-encode: --column: no column of the header is named 'item'\n", 2},
    };
    for (const LinesRow& row : rows) {
        const auto r = row.name == std::string("no such column") ? encode({"--csv", "--column", "item"}, row.input)
                                                                  : encode({"--csv"}, row.input);
        EXPECT_EQ(r.out, row.out) << row.name;
        EXPECT_EQ(r.err, row.err) << row.name;
        EXPECT_EQ(r.exit_code, row.exit_code) << row.name;
    }
}

TEST(CsvBatch, Windows1252FieldsComeOutAsUtf8) {
    const auto r = encode({"--type", "Code39 Extended", "--csv", "--input-encoding", "windows-1252"}, "na\xEFve\nA\xE9\n");
    EXPECT_EQ(r.out, "na\xC3\xAFve,converted,font,status\r\nA\xC3\xA9,,VNL Code39ExtMA," + std::string(kInvalid) +
                         " First: '\xC3\xA9' at 2.\r\n");
}

// Whole runs: what comes out, on which stream, with which exit status, byte for byte.
struct RunRow {
    const char* name;
    std::vector<std::string> args;
    std::string input, out, err;
    int exit_code;
};

TEST(Batch, RunsByteForByte) {
    const std::string too_long(varnel::glyphmate::console::kMaxLine + 1, 'x');
    const std::string not_a_record = "longer than " + std::to_string(varnel::glyphmate::console::kMaxLine) + " bytes: not a record\n";
    std::string wide_header, wide_row;  // 100,000 columns, the data in the last
    for (int i = 1; i <= 100'000; ++i) {
        // Appended piece by piece: GCC 12 at -O3 sees a false overlap in "c" + std::string (-Wrestrict).
        wide_header.append("c").append(std::to_string(i)).append(i < 100'000 ? "," : "");
        wide_row += i < 100'000 ? "," : "X";
    }
    const std::string head = "d,converted,font,status\r\n", e = "glyphmate-encode: ";
    const RunRow runs[] = {
        // A line no record comes near: the records before it are written, then exit 2.
        {"long line", {"--batch"}, "A\n" + too_long + "\nB\n", "*A*\n", e + "standard input, line 2: " + not_a_record, 2},
        {"long CSV line", {"--csv"}, "d\nA\n" + too_long, "", e + "standard input, line 3: " + not_a_record, 2},
        // Empty lines at the end of a CSV are not records; within it they are.
        {"CSV empty last lines", {"--csv"}, "d\nA\n\nB\n\n\r\n",
         head + "A,*A*,VNL Code39MA,\r\n,,VNL Code39MA,No data.\r\nB,*B*,VNL Code39MA,\r\n", "3: No data.\n", 1},
        {"CSV empty last line, two columns", {"--csv"}, "d,e\nA,1\n\n", "d,e,converted,font,status\r\nA,1,*A*,VNL Code39MA,\r\n", "", 0},
        {"CSV empty line within, two columns", {"--csv"}, "d,e\nA,1\n\nB,2\n", "", e + "standard input, line 3: 1 fields where the header has 2\n", 2},
        // --column takes a number of any length.
        {"column 100000", {"--csv", "--column", "100000"}, wide_header + "\n" + wide_row + "\n",
         wide_header + ",converted,font,status\r\n" + wide_row + ",*X*,VNL Code39MA,\r\n", "", 0},
        {"column of 30 digits", {"--csv", "--column", "123456789012345678901234567890"}, "d\nA\n", "",
         e + "--column: column 123456789012345678901234567890 does not exist: the header has 1 column\n", 2},
        // Empty and contradictory options.
        {"empty height", {"--height", "", "ABC"}, "", "", e + "--height must be XS, S, M, T or XT, not ''\n", 2},
        {"empty input encoding", {"--input-encoding", "", "--batch"}, "", "", e + "--input-encoding must be utf-8 or windows-1252, not ''\n", 2},
        {"empty output encoding", {"--csv", "--output-encoding", ""}, "", "", e + "--output-encoding must be utf-8, utf-8-bom or windows-1252, not ''\n", 2},
        {"list with data", {"--list", "ABC"}, "", "", e + "--list excludes DATA\n", 2},
        {"list with batch", {"--list", "--batch"}, "", "", e + "--list excludes --batch\n", 2},
        {"output encoding, one record", {"--output-encoding", "utf-8", "ABC"}, "", "", e + "--output-encoding is for --batch and --csv output\n", 2},
        {"JSON in Windows-1252", {"--json", "--batch", "--output-encoding", "windows-1252"}, "", "", e + "--json writes UTF-8 only: leave out --output-encoding or give utf-8\n", 2},
        {"unknown delimiter", {"--csv", "--delimiter", "|"}, "", "", e + "--delimiter must be ',', ';' or tab, not '|'\n", 2},
        // Delimiters: from the header row (outside quotes), or given; the output keeps it.
        {"semicolon", {"--csv", "--column", "2"}, "a;b;\"x,y,z\"\r\n1;A;\"p;q\"\r\n",
         "a;b;x,y,z;converted;font;status\r\n1;A;\"p;q\";*A*;VNL Code39MA;\r\n", "", 0},
        {"tab", {"--csv", "--column", "2"}, "a\tb\n1\tA\n", "a\tb\tconverted\tfont\tstatus\r\n1\tA\t*A*\tVNL Code39MA\t\r\n", "", 0},
        {"tab given", {"--csv", "--delimiter", "tab", "--column", "2"}, "a,b\tc\n1,2\tA\n",
         "a,b\tc\tconverted\tfont\tstatus\r\n1,2\tA\t*A*\tVNL Code39MA\t\r\n", "", 0},
        {"tab given as itself", {"--csv", "--delimiter", "\t", "--column", "2"}, "a,b\tc\n1,2\tA\n",
         "a,b\tc\tconverted\tfont\tstatus\r\n1,2\tA\t*A*\tVNL Code39MA\t\r\n", "", 0},
        // Output encodings.
        {"UTF-8 with a mark", {"--batch", "--output-encoding", "utf-8-bom"}, "A\n", "\xEF\xBB\xBF*A*\n", "", 0},
        {"one mark only", {"--csv", "--output-encoding", "utf-8-bom"}, "\xEF\xBB\xBF" "d\nA\n", "\xEF\xBB\xBF" + head + "A,*A*,VNL Code39MA,\r\n", "", 0},
        {"Windows-1252 lines", {"--type", "Code39 Extended", "--batch", "--output-encoding", "windows-1252"}, "A*B\n", "[A\xF4" "B]\n", "", 0},
        {"Windows-1252 CSV", {"--type", "Code39 Extended", "--csv", "--column", "data", "--output-encoding", "cp1252"},
         "\xEF\xBB\xBFname,data\nJos\xC3\xA9 \xE2\x82\xAC,A*B\n",
         "name,data,converted,font,status\r\nJos\xE9 \x80,A*B,[A\xF4" "B],VNL Code39ExtMA,\r\n", "", 0},
        {"Windows-1252 through", {"--type", "Code39 Extended", "--csv", "--keep-faulty", "--input-encoding", "windows-1252", "--output-encoding", "windows-1252"},
         "d\nA\xE9\n", head + "A\xE9,[A],VNL Code39ExtMA," + kInvalid + " First: '\xE9' at 2.\r\n",
         std::string("2: ") + kInvalid + " First: '\u00E9' at 2.\n", 1},
        // GS1-128 alone gets the human_readable column, last; a fault leaves it empty.
        {"GS1-128 CSV", {"--type", "GS1-128", "--csv"}, "d\n(01)09501101530003(17)251231(10)AB12\n(01)09501101530004\n",
         "d,converted,font,status,human_readable\r\n"
         "(01)09501101530003(17)251231(10)AB12,\"\u00CA\u00C7!)R+!U\u00CC#19,?*\u00C5" "AB12<\u00CB\u00CD\",VNL Code128AM,,"
         "(01)09501101530003(17)251231(10)AB12\r\n"
         "(01)09501101530004,,VNL Code128AM,AI (01): check digit should be 3.,\r\n",
         "3: AI (01): check digit should be 3.\n", 1},
        {"no Windows-1252 byte", {"--csv", "--output-encoding", "windows-1252"}, "d,e\nA,1\nB,\xE2\x98\x83\n", "",
         e + "standard input, line 3: field 2 holds a character that Windows-1252 lacks (or is not UTF-8); choose another --output-encoding\n", 2},
    };
    for (const RunRow& run : runs) {
        const auto r = encode(run.args, run.input);
        EXPECT_EQ(r.out, run.out) << run.name;
        EXPECT_EQ(r.err, run.err) << run.name;
        EXPECT_EQ(r.exit_code, run.exit_code) << run.name;
    }
}

// Input that never ends a line, from a device: the batch stops after a bounded read, also
// under a memory limit (which AddressSanitizer's reservations cannot run under).
TEST(Batch, ADeviceWithoutLinesStopsInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
    const std::string limit = "";
#else
    const std::string limit = "ulimit -v 300000; ";
#endif
    for (const char* csv : {"", "--csv"}) {
        const auto r = test::run_process({"/bin/sh", "-c", limit + "exec \"$0\" $1 --batch /dev/zero", GLYPHMATE_ENCODE, csv});
        EXPECT_EQ(r.exit_code, 2) << csv << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: '/dev/zero', line 1: longer than")) << r.err;
    }
}

}  // namespace
