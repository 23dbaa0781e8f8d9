// SPDX-License-Identifier: MIT
// Reading the batch input line by line and writing the results, both in large blocks: one
// system call per block, not per record.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace varnel::glyphmate::console {

// No record comes near this: a longer line is taken for input that is not records (a
// device, a binary file) and ends the batch, which keeps the memory bounded.
inline constexpr std::size_t kMaxLine = std::size_t{1} << 20;

// The lines of a file descriptor: LF or CR LF ends a line, a last line without one counts,
// and a leading UTF-8 byte-order mark is skipped when asked.
class LineReader {
public:
    LineReader(int fd, bool skip_bom);

    // The next line without its line end, valid until the next call; false at the end of
    // the input, on a read error (then error() is the errno) or at a line longer than
    // kMaxLine (then too_long(); it is line line_number() + 1).
    bool next(std::string_view& line);
    std::size_t line_number() const { return line_number_; }
    int error() const { return error_; }
    bool too_long() const { return too_long_; }

private:
    bool fill();  // reads more; false at the end or on an error

    int fd_;
    bool skip_bom_;
    std::unique_ptr<char[]> buffer_;  // not zeroed: only what read() filled is looked at
    std::size_t capacity_;
    std::size_t begin_ = 0, end_ = 0;
    bool at_end_ = false;
    std::size_t line_number_ = 0;
    int error_ = 0;
    bool too_long_ = false;
};

// Everything a file descriptor gives, to its end, appended to text. False on a read error
// (errno kept in error) or, with too_long set and text cut there, at a line longer than
// kMaxLine; too_long_line is then its number.
bool read_all(int fd, std::string& text, int& error, std::size_t& too_long_line);

// One read(2), tried again when a signal interrupts it: what read returns otherwise.
long read_some(int fd, char* into, std::size_t room);

// A byte-order mark at the start of UTF-8 text, and its length.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Buffered output to a file descriptor; a failed write is remembered (error()).
class Output {
public:
    explicit Output(int fd) : fd_(fd) { buffer_.reserve(kBlock + 4096); }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { flush(); }

    void put(std::string_view s) {
        buffer_.append(s);
        if (buffer_.size() >= kBlock) flush();
    }
    void put(char c) {
        buffer_ += c;
        if (buffer_.size() >= kBlock) flush();
    }
    bool flush();
    bool ok() const { return error_ == 0; }
    int error() const { return error_; }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    int fd_;
    std::string buffer_;
    int error_ = 0;
};

}  // namespace varnel::glyphmate::console
