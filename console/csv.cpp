// SPDX-License-Identifier: MIT
#include "console/csv.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "console/io.h"

namespace varnel::glyphmate::console {

namespace {

constexpr std::size_t kReadBlock = 1 << 18;
constexpr std::array<char, 3> kDelimiters{',', ';', '\t'};
const std::vector<std::string> kBlankRecord{std::string()};

// A record's bytes, line end included, beyond which it is not taken for a record.
constexpr std::size_t kMaxRecord = kMaxLine + 2;

std::string too_long() { return "longer than " + std::to_string(kMaxLine) + " bytes: not a record"; }

}  // namespace

CsvReader::CsvReader(std::string_view text, char delimiter)
    : data_(text.data()), end_(text.size()), eof_(true), delimiter_(delimiter) {}

CsvReader::CsvReader(int fd, char delimiter) : fd_(fd), buffer_(kReadBlock, '\0'), delimiter_(delimiter) {
    data_ = buffer_.data();
}

bool CsvReader::fill() {
    if (fd_ < 0 || eof_ || read_error_ != 0) return false;
    if (begin_ > 0) {  // keep the unfinished record, at the front
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    data_ = buffer_.data();
    const long n = read_some(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (n > 0) {
        end_ += static_cast<std::size_t>(n);
        return true;
    }
    if (n == 0)
        eof_ = true;
    else
        read_error_ = errno;
    return false;
}

void CsvReader::fail(std::size_t line, std::string what) {
    problem_ = {line, std::move(what)};
}

bool CsvReader::skip_bom() {
    while (end_ - begin_ < kUtf8Bom.size() && fill()) {
    }
    if (!std::string_view(data_ + begin_, end_ - begin_).starts_with(kUtf8Bom)) return false;
    begin_ += kUtf8Bom.size();
    return true;
}

CsvReader::Step CsvReader::detect_delimiter() {
    for (;;) {
        std::array<std::size_t, kDelimiters.size()> counts{};
        bool quoted = false, whole_row = false;
        for (std::size_t at = begin_; at < end_ && !whole_row; ++at) {
            const char c = data_[at];
            if (c == '"') quoted = !quoted;
            if (quoted) continue;
            whole_row = c == '\n';
            for (std::size_t i = 0; i < kDelimiters.size(); ++i) counts[i] += c == kDelimiters[i];
        }
        if (whole_row || eof_) {
            std::size_t best = 0;  // a comma when there is none, or a tie with it
            for (std::size_t i = 1; i < counts.size(); ++i)
                if (counts[i] > counts[best]) best = i;
            delimiter_ = kDelimiters[best];
            return Step::record;
        }
        if (end_ - begin_ > kMaxRecord) {
            fail(1, too_long());
            return Step::problem;
        }
        if (!fill() && read_error_ != 0) {
            fail(1, std::string("cannot read: ") + std::strerror(read_error_));
            return Step::problem;
        }
    }
}

CsvReader::Step CsvReader::parse(std::size_t& line_ends) {
    std::size_t at = begin_;
    line_ends = 0;
    parsed_ = 0;
    if (at == end_) return eof_ ? Step::end : Step::more;
    blank_ = data_[at] == '\n' || (data_[at] == '\r' && at + 1 < end_ && data_[at + 1] == '\n');
    auto separates = [this](char c) { return c == delimiter_ || c == '\r' || c == '\n'; };
    auto problem = [&](std::string what) {
        fail(next_line_ + line_ends, std::move(what));
        return Step::problem;
    };
    for (;;) {
        if (parsed_ == fields_.size()) fields_.emplace_back();
        std::string& field = fields_[parsed_++];
        field.clear();
        if (at < end_ && data_[at] == '"') {
            const std::size_t opened = next_line_ + line_ends;
            ++at;
            for (;;) {
                const void* quote = std::memchr(data_ + at, '"', end_ - at);
                const std::size_t stop = quote ? static_cast<std::size_t>(static_cast<const char*>(quote) - data_) : end_;
                for (std::size_t i = at; i < stop; ++i) line_ends += data_[i] == '\n';
                field.append(data_ + at, stop - at);
                at = stop;
                if (at == end_) {
                    if (!eof_) return Step::more;
                    fail(opened, "a quoted field is not closed");
                    return Step::problem;
                }
                ++at;  // the quote
                if (at == end_ && !eof_) return Step::more;
                if (at < end_ && data_[at] == '"') {
                    field += '"';
                    ++at;
                    continue;
                }
                if (at < end_ && !separates(data_[at])) return problem("text after the closing quote of a field");
                break;
            }
        } else {
            std::size_t stop = at;
            for (; stop < end_ && !separates(data_[stop]); ++stop)
                if (data_[stop] == '"')
                    return problem("a quote inside an unquoted field (quote the field and double the quote)");
            field.append(data_ + at, stop - at);
            at = stop;
        }
        if (at == end_) {
            if (!eof_) return Step::more;
            begin_ = content_end_ = at;  // the last record, without a line end
            return Step::record;
        }
        const char c = data_[at];
        if (c == delimiter_) {
            ++at;
            continue;
        }
        if (c == '\r') {
            if (at + 1 == end_ && !eof_) return Step::more;
            if (at + 1 == end_ || data_[at + 1] != '\n')
                return problem("a carriage return outside quotes that does not end the line");
        }
        content_end_ = at;
        begin_ = at + (c == '\r' ? 2 : 1);
        ++line_ends;
        return Step::record;
    }
}

bool CsvReader::deliver(std::size_t count, std::size_t line) {
    line_ = line;
    count_ = count;
    if (!header_seen_) {
        header_seen_ = true;
        header_fields_ = count;
    } else if (count != header_fields_) {
        fail(line, std::to_string(count) + " fields where the header has " + std::to_string(header_fields_));
        return false;
    }
    return true;
}

bool CsvReader::next() {
    if (failed()) return false;
    if (held_) {
        if (blank_lines_ > 0) {
            --blank_lines_;
            current_ = &kBlankRecord;
            return deliver(1, blank_line_++);
        }
        held_ = false;
        current_ = &fields_;
        return deliver(held_count_, held_line_);
    }
    if (delimiter_ == 0 && detect_delimiter() == Step::problem) return false;
    for (;;) {
        const std::size_t start = begin_;
        std::size_t line_ends = 0;
        const Step step = parse(line_ends);
        if (step == Step::problem) return false;
        if (step == Step::more) {
            if (end_ - begin_ > kMaxRecord) {
                fail(next_line_, too_long());
                return false;
            }
            if (!fill() && read_error_ != 0) {
                fail(next_line_, std::string("cannot read: ") + std::strerror(read_error_));
                return false;
            }
            continue;
        }
        if (step == Step::end) {
            // Empty lines still held back end the file: not records.
            if (!header_seen_) fail(1, "no header row");
            return false;
        }
        if (content_end_ - start > kMaxLine) {
            fail(next_line_, too_long());
            return false;
        }
        const std::size_t line = next_line_;
        next_line_ += line_ends;
        if (blank_) {
            if (blank_lines_++ == 0) blank_line_ = line;
            continue;
        }
        if (blank_lines_ > 0) {
            held_ = true;
            held_count_ = parsed_;
            held_line_ = line;
            --blank_lines_;
            current_ = &kBlankRecord;
            return deliver(1, blank_line_++);
        }
        current_ = &fields_;
        return deliver(parsed_, line);
    }
}

bool parse_csv(std::string_view text, std::vector<CsvRecord>& records, CsvProblem& problem, char delimiter) {
    CsvReader reader(text, delimiter);
    while (reader.next()) {
        const auto fields = reader.fields();
        records.push_back({reader.line(), {fields.begin(), fields.end()}});
    }
    if (!reader.failed()) return true;
    problem = reader.problem();
    return false;
}

void append_csv_field(std::string& out, std::string_view field, char delimiter) {
    const char special[] = {delimiter, '"', '\r', '\n'};
    if (field.find_first_of(std::string_view(special, sizeof special)) == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace varnel::glyphmate::console
