// SPDX-License-Identifier: MIT
// CSV as RFC 4180 has it: fields separated by a delimiter (a comma, or the semicolon or tab
// that office programs write in many locales), records by CR LF (LF alone is taken too),
// fields that hold the delimiter, a quote or a line break quoted, quotes inside doubled.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::glyphmate::console {

struct CsvRecord {
    std::size_t line = 0;  // where the record starts, counting from 1
    std::vector<std::string> fields;
};

struct CsvProblem {
    std::size_t line = 0;
    std::string what;
};

// Reads one record at a time, from text in memory or from a file descriptor in blocks, so
// that no more than one record (at most kMaxLine bytes) and one block are held at a time.
// The first record is the header row; every other record must have as many fields. Empty
// lines at the end of the input are not records.
class CsvReader {
public:
    // delimiter 0: the one of comma, semicolon and tab found most often outside quotes in
    // the header row (comma when none is).
    CsvReader(std::string_view text, char delimiter);
    CsvReader(int fd, char delimiter);
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Skips a leading UTF-8 byte-order mark; true when there was one. Before the first next().
    bool skip_bom();

    // The next record; false at the end of the input or at a problem (then failed()).
    // fields() and line() are valid until the next call.
    bool next();
    std::span<const std::string> fields() const { return {current_->data(), count_}; }
    std::size_t line() const { return line_; }
    bool failed() const { return !problem_.what.empty(); }
    const CsvProblem& problem() const { return problem_; }
    int read_error() const { return read_error_; }  // the errno when the problem is a read
    char delimiter() const { return delimiter_; }

private:
    enum class Step { record, more, end, problem };
    Step parse(std::size_t& line_ends);
    Step detect_delimiter();
    bool fill();  // reads more into the buffer; false at the end or on an error
    bool deliver(std::size_t count, std::size_t line);
    void fail(std::size_t line, std::string what);

    int fd_ = -1;
    std::string buffer_;  // fd only: data_ points into it
    const char* data_ = nullptr;
    std::size_t begin_ = 0, end_ = 0;  // the unread part of data_
    bool eof_ = false;
    char delimiter_;

    std::vector<std::string> fields_;  // kept between records, so that their storage is reused
    std::size_t parsed_ = 0;           // fields_ in use
    bool blank_ = false;               // the record parsed was an empty line
    std::size_t content_end_ = 0;      // where its line end starts
    const std::vector<std::string>* current_ = &fields_;
    std::size_t count_ = 0;
    std::size_t line_ = 0, next_line_ = 1;
    std::size_t header_fields_ = 0;
    bool header_seen_ = false;

    // Empty lines are held back until a record follows them (then they are records).
    std::size_t blank_lines_ = 0, blank_line_ = 0;
    bool held_ = false;
    std::size_t held_count_ = 0, held_line_ = 0;

    CsvProblem problem_;
    int read_error_ = 0;
};

// Parses the whole text (the first record is the header row). On malformed input stops at
// the first problem and returns false.
bool parse_csv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem, char delimiter = ',');

// Appends one field, quoted when it holds the delimiter, a quote, CR or LF.
void append_csv_field(std::string& out, std::string_view field, char delimiter = ',');

}  // namespace varnel::glyphmate::console
