// SPDX-License-Identifier: MIT
#include "console/io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace varnel::glyphmate::console {

namespace {
constexpr std::size_t kReadBlock = 1 << 18;
}

LineReader::LineReader(int fd, bool skip_bom)
    : fd_(fd), skip_bom_(skip_bom), buffer_(new char[kReadBlock]), capacity_(kReadBlock) {}

bool LineReader::fill() {
    if (at_end_ || error_ != 0) return false;
    if (begin_ > 0) {  // keep the unfinished line, at the front
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {  // a line longer than the buffer
        std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    const long n = read_some(fd_, buffer_.get() + end_, capacity_ - end_);
    if (n > 0) {
        end_ += static_cast<std::size_t>(n);
        return true;
    }
    if (n == 0)
        at_end_ = true;
    else
        error_ = errno;
    return false;
}

bool LineReader::next(std::string_view& line) {
    if (skip_bom_) {
        while (end_ - begin_ < kUtf8Bom.size() && fill()) {
        }
        if (std::string_view(buffer_.get() + begin_, end_ - begin_).starts_with(kUtf8Bom)) begin_ += kUtf8Bom.size();
        skip_bom_ = false;
    }
    std::size_t searched = begin_;
    for (;;) {
        const void* lf = std::memchr(buffer_.get() + searched, '\n', end_ - searched);
        std::size_t stop;
        if (lf != nullptr) {
            stop = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer_.get());
        } else {
            const std::size_t seen = end_ - begin_;
            if (seen > kMaxLine + 1) break;  // + 1: room for the CR of a CR LF
            if (fill()) {
                searched = begin_ + seen;
                continue;
            }
            if (error_ != 0 || begin_ == end_) return false;
            stop = end_;  // the last line, without a line end
        }
        std::size_t length = stop - begin_;
        if (length > 0 && buffer_[begin_ + length - 1] == '\r') --length;
        if (length > kMaxLine) break;
        line = std::string_view(buffer_.get() + begin_, length);
        begin_ = stop < end_ ? stop + 1 : stop;
        ++line_number_;
        return true;
    }
    too_long_ = true;
    return false;
}

long read_some(int fd, char* into, std::size_t room) {
    for (;;) {
        const ssize_t n = ::read(fd, into, room);
        if (n >= 0 || errno != EINTR) return n;
    }
}

bool read_all(int fd, std::string& text, int& error, std::size_t& too_long_line) {
    char block[1 << 16];
    std::size_t line = 1, line_start = text.size();
    for (;;) {
        const long n = read_some(fd, block, sizeof block);
        if (n > 0) {
            // Line by line as it comes, so that a device or a binary file stops here and
            // not when the memory runs out.
            const std::size_t from = text.size();
            text.append(block, static_cast<std::size_t>(n));
            for (std::size_t at = from; at < text.size(); ++at) {
                const void* lf = std::memchr(text.data() + at, '\n', text.size() - at);
                if (lf == nullptr) break;
                at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
                if (at - line_start > kMaxLine + 1) break;
                line_start = at + 1;
                ++line;
            }
            if (text.size() - line_start > kMaxLine + 1) {
                too_long_line = line;
                return false;
            }
        } else if (n == 0) {
            return true;
        } else {
            error = errno;
            return false;
        }
    }
}

bool Output::flush() {
    std::size_t done = 0;
    while (error_ == 0 && done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n >= 0)
            done += static_cast<std::size_t>(n);
        else if (errno != EINTR)
            error_ = errno;
    }
    buffer_.clear();
    return error_ == 0;
}

}  // namespace varnel::glyphmate::console
