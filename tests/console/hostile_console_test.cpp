// SPDX-License-Identifier: MIT
// Hostile input through glyphmate-encode as a script meets it: a million-character record,
// every byte value, NUL in --data-hex, malformed UTF-8, files that are missing or cannot be
// read, a broken CSV, and output nobody reads. No crash, no record lost, and the exit
// status says what happened.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "flow/catalogue.h"
#include "flow/record_converter.h"
#include "flow/win1252.h"
#include "process.h"
#include "test_support.h"

namespace {

constexpr std::string_view kTooLong = "Data too long: only the part that fits in 255 characters was encoded.";
constexpr std::string_view kInvalid = "Invalid character(s) found in the input.";

test::ProcessResult encode(std::vector<std::string> args, const std::string& input = {}) {
    args.insert(args.begin(), GLYPHMATE_ENCODE);
    return test::run_process(args, input);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::size_t code_points(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// How a program ended when its standard output went to fd.
struct Ending {
    int exit_code = -1;  // -1: killed by a signal
    int signal = 0;
    std::string err;
};

Ending encode_into(int out_fd, std::vector<std::string> args, const std::string& input) {
    const std::filesystem::path in_path = std::filesystem::temp_directory_path() / ("hostile_in_" + std::to_string(getpid()));
    const std::filesystem::path err_path = std::filesystem::temp_directory_path() / ("hostile_err_" + std::to_string(getpid()));
    std::ofstream(in_path, std::ios::binary) << input;
    args.insert(args.begin(), GLYPHMATE_ENCODE);
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(in_path.c_str(), O_RDONLY), err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, 0), dup2(err, 2);
        if (out_fd >= 0)
            dup2(out_fd, 1);
        else
            close(1);  // a closed standard output
        signal(SIGPIPE, SIG_DFL);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    Ending e;
    if (WIFEXITED(status)) e.exit_code = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) e.signal = WTERMSIG(status);
    std::ifstream err_in(err_path, std::ios::binary);
    e.err.assign(std::istreambuf_iterator<char>(err_in), {});
    std::filesystem::remove(in_path);
    std::filesystem::remove(err_path);
    return e;
}

TEST(HostileConsole, AMillionCharacterRecordIsCutAndSaid) {
    std::string record(1'000'000, '7');
    const auto r = encode({"--type", "Code128C", "--batch"}, record + "\n12\n");
    EXPECT_EQ(r.exit_code, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(code_points(out[0]), 255u);
    EXPECT_EQ(r.err, "1: " + std::string(kTooLong) + "\n");
    // Through the single-record path too: the longest argument the system passes.
    const auto one = encode({"--type", "Code39", std::string(100'000, 'A')});
    EXPECT_EQ(one.exit_code, 1);
    EXPECT_EQ(code_points(lines(one.out).at(0)), 255u);
    EXPECT_EQ(one.err, std::string(kTooLong) + "\n");
}

// The status line without the note on the first refused character, which the library adds.
std::string without_first_note(const std::string& status) {
    static const std::regex note(" First: '.*' at [0-9]+\\.");
    return std::regex_replace(status, note, "");
}

// A batch of every byte (but the line ends) gives, line for line, what the flow gives.
TEST(HostileConsole, EveryByteThroughTheBatchAsTheFlowConvertsIt) {
    std::vector<std::string> records;
    for (int b = 1; b < 256; ++b)
        if (b != '\n' && b != '\r') records.push_back(std::string(1, static_cast<char>(b)));
    std::string mixed;
    for (const std::string& r : records) mixed += r;
    records.push_back(mixed);
    records.push_back("12" + mixed + "34");
    std::string input;
    for (const std::string& r : records) input += r + "\n";

    varnel::glyphmate::InstalledFamilies none{[] { return std::vector<std::string>{}; }};
    for (const varnel::glyphmate::CatalogueEntry& entry : varnel::glyphmate::kCatalogue) {
        const auto r = encode({"--type", std::string(entry.name), "--input-encoding", "windows-1252", "--batch"}, input);
        const auto out = lines(r.out);
        ASSERT_EQ(out.size(), records.size()) << entry.name;
        std::string expected_err;
        varnel::glyphmate::RecordConverter flow(entry, {}, none);
        for (std::size_t i = 0; i < records.size(); ++i) {
            const auto& record = flow.run(records[i]);
            EXPECT_EQ(out[i], varnel::glyphmate::cp1252_to_utf8(record.converted)) << entry.name << " " << test::hex(records[i]);
            if (!record.status.empty()) expected_err += std::to_string(i + 1) + ": " + record.status + "\n";
        }
        EXPECT_EQ(without_first_note(r.err), expected_err) << entry.name;
        EXPECT_EQ(r.exit_code, expected_err.empty() ? 0 : 1) << entry.name;
    }
}

TEST(HostileConsole, ANulByteInDataHexIsAUsageError) {
    for (std::string hex : {"00", "4100", "0041", "410042", "41424300"}) {
        const auto r = encode({"--data-hex", hex});
        EXPECT_EQ(r.exit_code, 2) << hex;
        EXPECT_EQ(r.out, "") << hex;
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: ")) << r.err;
        EXPECT_NE(r.err.find("position"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    }
}

TEST(HostileConsole, MalformedUtf8OnTheCommandLineIsLeftOutAndReported) {
    struct Row {
        std::string arg, out;
        int at;  // the byte, from 1, where the first malformed sequence starts
        std::string first;  // its first byte, as the status line writes it
    };
    const Row rows[] = {
        {"A\xFF" "B", "*AB*", 2, "\\xFF"},     // never a UTF-8 byte
        {"\xC3", "**", 1, "\\xC3"},            // cut short
        {"A\xED\xA0\x80", "*A*", 2, "\\xED"},  // a surrogate
        {"\xC0\xAF" "Z", "*Z*", 1, "\\xC0"},   // overlong
    };
    for (const Row& row : rows) {
        const auto r = encode({row.arg});
        const std::string at = std::to_string(row.at);
        EXPECT_EQ(r.exit_code, 1) << test::hex(row.arg);
        EXPECT_EQ(r.out, row.out + "\n");
        EXPECT_EQ(r.err, std::string(kInvalid) + " First: '" + row.first + "' at " + at + ". Malformed UTF-8 at byte " + at + ".\n");
    }
}

// Every line in gives one line out, in order, and each bad line is named by its number.
TEST(HostileConsole, MalformedUtf8InABatchLosesNoRecord) {
    const std::string input = "AB\r\nA\xFF" "B\nC\xE2\x82" "D\n\xC3\n\nEF";
    const auto r = encode({"--batch"}, input);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.out, "*AB*\n*AB*\n*CD*\n**\n**\n*EF*\n");
    const std::string at = " Malformed UTF-8 at byte ", invalid = std::string(kInvalid) + " First: ";
    EXPECT_EQ(r.err, "2: " + invalid + "'\\xFF' at 2." + at + "2.\n3: " + invalid + "'\\xE2' at 2." + at + "2.\n4: " +
                         invalid + "'\\xC3' at 1." + at + "1.\n5: No data.\n");
    // A CSV field likewise.
    const auto csv = encode({"--csv"}, "data,n\r\nA\xFF" "B,1\r\nCD,2\r\n");
    EXPECT_EQ(csv.exit_code, 1);
    EXPECT_EQ(lines(csv.out).size(), 3u);
    EXPECT_EQ(csv.err, "2: " + invalid + "'\\xFF' at 2." + at + "2.\n");
}

// Where in the line the malformed sequence stood, so that the user can find it: the
// message names its byte position (3 here), in the record's line in a batch.
TEST(HostileConsole, MalformedUtf8IsReportedWithItsPosition) {
    const std::regex third_byte(R"(\b3\b)");
    const auto one = encode({"AB\xFF" "C"});
    EXPECT_TRUE(std::regex_search(one.err, third_byte)) << one.err;
    const auto batch = encode({"--batch"}, "OK\nAB\xFF" "C\n");
    ASSERT_TRUE(batch.err.starts_with("2: ")) << batch.err;
    EXPECT_TRUE(std::regex_search(batch.err.substr(3), third_byte)) << batch.err;
}

TEST(HostileConsole, AMissingOrUnreadableFileIsReportedByName) {
    const std::string missing = (std::filesystem::temp_directory_path() / "no-such-dir" / "records.txt").string();
    const std::string directory = std::filesystem::temp_directory_path().string();
    const std::vector<std::vector<std::string>> calls{
        {"--batch", missing}, {"--csv", "--batch", missing}, {"--batch", directory}, {"--csv", "--batch", directory}};
    for (const auto& args : calls) {
        const auto r = encode(args);
        EXPECT_EQ(r.exit_code, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.starts_with("glyphmate-encode: ")) << r.err;
        EXPECT_NE(r.err.find(args.back()), std::string::npos) << r.err;
        if (args.back() == directory) {
            EXPECT_NE(r.err.find("is a directory"), std::string::npos) << r.err;
        }
    }
}

TEST(HostileConsole, ACsvWithAnUnbalancedQuoteStopsBeforeAnyOutput) {
    for (std::string input : {"data\r\n\"abc\r\nxyz\r\n", "data\r\nA\r\n\"B\"C\"\r\n", "\"data"}) {
        const auto r = encode({"--csv"}, input);
        EXPECT_EQ(r.exit_code, 2) << input;
        EXPECT_EQ(r.out, "") << input;
        EXPECT_NE(r.err.find("line "), std::string::npos) << r.err;
    }
}

// Output nobody reads: the program ends without a crash and without claiming success.
TEST(HostileConsole, OutputToAClosedPipe) {
    std::string many;
    for (int i = 0; i < 200'000; ++i) many += "RECORD\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls{
        {{"ABC"}, ""}, {{"--json", "ABC"}, ""}, {{"--list"}, ""}, {{"--batch"}, many}, {{"--csv"}, "data\n" + many}};
    for (const auto& [args, input] : calls) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        close(fds[0]);  // nobody reads
        const Ending e = encode_into(fds[1], args, input);
        close(fds[1]);
        const bool ended_by_sigpipe = e.exit_code == -1 && e.signal == SIGPIPE;
        EXPECT_TRUE(ended_by_sigpipe || e.exit_code > 0) << args[0] << ": exit " << e.exit_code << " signal " << e.signal;
        EXPECT_EQ(e.err.find("Sanitizer"), std::string::npos) << e.err;
    }
}

// A full disk or a closed standard output: the write fails, and in every mode the program
// says so with exit status 2, not as a conversion (1) or a success (0).
TEST(HostileConsole, OutputThatCannotBeWritten) {
    const int full = open("/dev/full", O_WRONLY);
    if (full < 0) GTEST_SKIP() << "no /dev/full";
    const std::vector<std::pair<std::vector<std::string>, std::string>> calls{
        {{"ABC"}, ""},          {{"--json", "ABC"}, ""},          {{"--list"}, ""},
        {{"--help"}, ""},       {{"--version"}, ""},              {{"--batch"}, "A\nB\n"},
        {{"--json", "--batch"}, "A\n"}, {{"--csv"}, "data\nA\n"}, {{"ab"}, ""}};
    for (const int fd : {full, -1})
        for (const auto& [args, input] : calls) {
            const Ending e = encode_into(fd, args, input);
            EXPECT_EQ(e.exit_code, 2) << args[0] << (fd < 0 ? " (closed)" : " (full)");
            EXPECT_NE(e.err.find("glyphmate-encode: cannot write the output"), std::string::npos) << e.err;
        }
    close(full);
}

}  // namespace
