// SPDX-License-Identifier: MIT
// The pieces of the batch mode on their own: the CSV reader and writer, the column
// lookup and the line reader.
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "console/batch.h"
#include "console/csv.h"
#include "console/io.h"

namespace {

using namespace varnel::glyphmate::console;
using Fields = std::vector<std::vector<std::string>>;

Fields fields_of(const std::vector<CsvRecord>& records) {
    Fields out;
    for (const CsvRecord& r : records) out.push_back(r.fields);
    return out;
}

struct CsvRow {
    const char* name;
    std::string text;
    Fields fields;
    std::vector<std::size_t> lines;
};

TEST(Csv, ReadsRfc4180) {
    const CsvRow rows[] = {
        {"CR LF", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"LF and no final line end", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"empty fields", "a,b,c\n,,\n", {{"a", "b", "c"}, {"", "", ""}}, {1, 2}},
        {"quoted comma and quote", "a,b\n\"x,y\",\"say \"\"hi\"\"\"\n", {{"a", "b"}, {"x,y", "say \"hi\""}}, {1, 2}},
        {"line breaks inside quotes", "a,b\n\"one\r\ntwo\",\"3\n4\"\n5,6\n",
         {{"a", "b"}, {"one\r\ntwo", "3\n4"}, {"5", "6"}}, {1, 2, 5}},
        {"empty quoted field", "a\n\"\"\n", {{"a"}, {""}}, {1, 2}},
        {"empty line in one column", "a\n\nb\n", {{"a"}, {""}, {"b"}}, {1, 2, 3}},
        {"header only", "a,b", {{"a", "b"}}, {1}},
    };
    for (const CsvRow& row : rows) {
        std::vector<CsvRecord> records;
        CsvProblem problem;
        ASSERT_TRUE(parse_csv(row.text, records, problem)) << row.name << ": " << problem.what;
        EXPECT_EQ(fields_of(records), row.fields) << row.name;
        std::vector<std::size_t> lines;
        for (const CsvRecord& r : records) lines.push_back(r.line);
        EXPECT_EQ(lines, row.lines) << row.name;
    }
}

struct MalformedRow {
    const char* name;
    std::string text;
    std::size_t line;
    std::string_view what;
};

TEST(Csv, ReportsTheFirstProblemWithItsLine) {
    const MalformedRow rows[] = {
        {"unclosed quote", "a,b\n1,2\n\"open,3\n4,5\n", 3, "a quoted field is not closed"},
        {"text after a quote", "a,b\n\"x\"y,2\n", 2, "text after the closing quote of a field"},
        {"bare quote", "a,b\n1,x\"y\n", 2, "a quote inside an unquoted field"},
        {"too few fields", "a,b\n1,2\n3\n", 3, "1 fields where the header has 2"},
        {"too many fields", "a\n\"multi\nline\"\n1,2\n", 4, "2 fields where the header has 1"},
        {"lone carriage return", "a,b\n1\r2,3\n", 2, "a carriage return outside quotes"},
        {"nothing at all", "", 1, "no header row"},
    };
    for (const MalformedRow& row : rows) {
        std::vector<CsvRecord> records;
        CsvProblem problem;
        EXPECT_FALSE(parse_csv(row.text, records, problem)) << row.name;
        EXPECT_EQ(problem.line, row.line) << row.name;
        EXPECT_TRUE(problem.what.starts_with(row.what)) << row.name << ": " << problem.what;
    }
}

TEST(Csv, QuotesOnlyWhatNeedsIt) {
    const std::pair<std::string_view, std::string_view> rows[] = {
        {"plain", "plain"},
        {"", ""},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"\xC3\x89 \"", "\"\xC3\x89 \"\"\""},  // UTF-8 passes through, the quote is doubled
        {" padded ", " padded "},
    };
    for (const auto& [field, written] : rows) {
        std::string out;
        append_csv_field(out, field);
        EXPECT_EQ(out, written);
        // and it reads back as it was (a second field: an empty line alone is no record)
        std::vector<CsvRecord> records;
        CsvProblem problem;
        ASSERT_TRUE(parse_csv(out + ",x\r\n", records, problem)) << out;
        EXPECT_EQ(records.front().fields.front(), field);
    }
}

TEST(Csv, FindsColumnsByNameThenNumber) {
    const std::vector<std::string> header{"id", "ean", "2"};
    std::string problem;
    EXPECT_EQ(find_column(header, "ean", problem), 1);
    EXPECT_EQ(find_column(header, "1", problem), 0);
    EXPECT_EQ(find_column(header, "2", problem), 2);  // a header name wins over a number
    EXPECT_EQ(find_column(header, "3", problem), 2);
    EXPECT_EQ(find_column(header, "4", problem), -1);
    EXPECT_EQ(problem, "column 4 does not exist: the header has 3 columns");
    EXPECT_EQ(find_column(header, "0", problem), -1);
    EXPECT_EQ(find_column(header, "EAN", problem), -1);
    EXPECT_EQ(problem, "no column of the header is named 'EAN'");
    EXPECT_EQ(find_column(header, "99999999999999999999", problem), -1);  // no overflow
    EXPECT_EQ(problem, "column 99999999999999999999 does not exist: the header has 3 columns");
}

// Lines of what a writer thread feeds into a pipe, in pieces of the given size, up to a
// line too long to be a record (then too_long is set, when given).
std::vector<std::string> lines_of(const std::string& input, bool skip_bom, std::size_t piece = 1 << 16,
                                  bool* too_long = nullptr) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    std::thread writer([&] {
        for (std::size_t at = 0; at < input.size(); at += piece) {
            const std::size_t n = std::min(piece, input.size() - at);
            EXPECT_EQ(write(fds[1], input.data() + at, n), static_cast<ssize_t>(n));
        }
        close(fds[1]);
    });
    LineReader reader(fds[0], skip_bom);
    std::vector<std::string> lines;
    for (std::string_view line; reader.next(line);) lines.emplace_back(line);
    char rest[1 << 16];
    while (read(fds[0], rest, sizeof rest) > 0) {
    }
    writer.join();
    close(fds[0]);
    EXPECT_EQ(reader.error(), 0);
    EXPECT_EQ(reader.too_long(), too_long != nullptr && *too_long);
    EXPECT_EQ(reader.line_number(), lines.size());
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsLikeTheBatchExpects) {
    EXPECT_EQ(lines_of("a\nb\n", true), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\r\nb\r\n", true), (Lines{"a", "b"}));
    EXPECT_EQ(lines_of("a\nlast", true), (Lines{"a", "last"}));
    EXPECT_EQ(lines_of("\n\n", true), (Lines{"", ""}));
    EXPECT_EQ(lines_of("", true), Lines{});
    EXPECT_EQ(lines_of("a\rb\n", true), (Lines{"a\rb"}));  // a lone CR is data
    EXPECT_EQ(lines_of("\xEF\xBB\xBF" "a\n", true), (Lines{"a"}));
    EXPECT_EQ(lines_of("\xEF\xBB\xBF", true), Lines{});
    EXPECT_EQ(lines_of("\xEF\xBB\xBF" "a\n", false), (Lines{"\xEF\xBB\xBF" "a"}));
    EXPECT_EQ(lines_of("a\n\xEF\xBB\xBF" "b\n", true), (Lines{"a", "\xEF\xBB\xBF" "b"}));  // only at the start
}

TEST(LineReader, JoinsPiecesAndLongLines) {
    // the mark and the line ends arrive split across reads
    EXPECT_EQ(lines_of("\xEF\xBB\xBF" "ab\r\ncd\r\n", true, 1), (Lines{"ab", "cd"}));
    const std::string long_line(kMaxLine, 'x');  // longer than the reader's buffer, yet a record
    EXPECT_EQ(lines_of("a\n" + long_line + "\r\nb", true), (Lines{"a", long_line, "b"}));
    // one byte more is not a record: the reader stops there, with or without a line end
    bool too_long = true;
    for (const std::string end : {"\nb\n", ""})
        EXPECT_EQ(lines_of("a\n" + long_line + "x" + end, true, 1 << 16, &too_long), Lines{"a"});
}

}  // namespace
