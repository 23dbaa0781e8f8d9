// SPDX-License-Identifier: MIT
#include "console/picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace varnel::glyphmate::console {

namespace {

std::string failure(const std::string& what, const std::string& path, int error) {
    return "cannot " + what + " '" + path + "': " + std::strerror(error);
}

// What the process creates files with, for the temporary file that mkstemp makes private.
mode_t file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string write_whole_file(const std::string& path, const std::string& bytes) {
    std::vector<char> temp(path.begin(), path.end());
    for (const char c : std::string_view(".XXXXXX")) temp.push_back(c);
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return failure("write", path, errno);
    std::size_t done = 0;
    int error = 0;
    while (done < bytes.size() && error == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0)
            done += static_cast<std::size_t>(n);
        else if (errno != EINTR)
            error = errno;
    }
    if (error == 0 && ::fchmod(fd, file_mode()) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && std::rename(temp.data(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.data());
        return failure("write", path, error);
    }
    return "";
}

std::string write_picture(const glyphmate_result& result, ::glyphmate::api::PictureFormat format,
                          const glyphmate_picture_options& options, const std::string& path, bool* left_out) {
    ::glyphmate::api::Picture picture;
    try {
        picture = ::glyphmate::api::draw(result, format, options);
    } catch (const ::glyphmate::api::Error& e) {
        return "cannot draw '" + path + "': " + e.what();
    }
    if (left_out != nullptr) *left_out = picture.code == GLYPHMATE_MESSAGE;
    return write_whole_file(path, picture.bytes);
}

}  // namespace varnel::glyphmate::console
