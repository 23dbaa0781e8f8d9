// SPDX-License-Identifier: MIT
#include "calibration_app/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace varnel::trueline {

namespace {

int write_all(int fd, const QByteArray& data) {
    for (qsizetype done = 0; done < data.size();) {
        const ssize_t n = ::write(fd, data.constData() + done, static_cast<std::size_t>(data.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            return ENOSPC;  // nothing taken and no reason given: it will not take the rest either
        else if (errno != EINTR)
            return errno;
    }
    return 0;
}

// Closes the file; the first failure, the write's or the close's.
int close_file(int fd, int error) {
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// A device or a pipe, or a file in a folder the user may not add to: written where it is.
int write_in_place(const std::string& path, const QByteArray& data, bool regular) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | (regular ? O_TRUNC : 0));
    if (fd < 0) return errno;
    const int error = write_all(fd, data);
    if (error != 0 && regular) {
        [[maybe_unused]] const int emptied = ::ftruncate(fd, 0);  // no half a file left behind
    }
    return close_file(fd, error);
}

int write_beside(const std::string& path, const struct stat* existing, const QByteArray& data) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::string temporary = (folder / ".trueline-XXXXXX").string();
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return errno;
    // The permissions the file had, or those a new file gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int error = ::fchmod(fd, existing != nullptr ? existing->st_mode & 07777 : 0666 & ~mask) == 0 ? 0 : errno;
    if (error == 0) error = write_all(fd, data);
    if (error == 0 && ::fsync(fd) != 0) error = errno;
    error = close_file(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

}  // namespace

int write_whole_file(const QByteArray& name, const QByteArray& data) {
    std::string path = name.toStdString();
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0) return write_beside(path, nullptr, data);
    if (!S_ISREG(existing.st_mode)) return write_in_place(path, data, false);
    // Through a link to the file it names: the link stays.
    if (char* real = ::realpath(path.c_str(), nullptr)) {
        path = real;
        std::free(real);
    }
    const int error = write_beside(path, &existing, data);
    return error == EACCES ? write_in_place(path, data, true) : error;
}

}  // namespace varnel::trueline
